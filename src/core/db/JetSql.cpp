#include "core/db/JetSql.h"

#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <vector>

#include "core/db/DateNumber.h"

namespace orvex {
namespace {

enum class Kind { Space, Word, Text, Quoted, Name, Date, Punct };

struct Token {
    Kind kind;
    qsizetype begin;
    qsizetype length;
    bool closed = true;  // a text, name or date has its closing mark
};

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Splits a statement into blanks, words, "texts", 'texts', [names], #dates# and single marks.
// An unclosed text, name or date runs to the end, so its content is never read as SQL.
std::vector<Token> Tokenise(const QString& s) {
    std::vector<Token> tokens;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype begin = i;
        const QChar c = s[i];
        Kind kind = Kind::Punct;
        bool closed = true;
        if (c.isSpace()) {
            kind = Kind::Space;
            while (i < n && s[i].isSpace()) ++i;
        } else if (c == u'"' || c == u'\'') {
            kind = c == u'"' ? Kind::Text : Kind::Quoted;
            ++i;
            closed = false;
            while (i < n) {
                if (s[i] == c) {
                    if (i + 1 < n && s[i + 1] == c) {  // a doubled quote is one quote
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                ++i;
            }
        } else if (c == u'[') {
            kind = Kind::Name;
            while (i < n && s[i] != u']') ++i;
            closed = i < n;
            if (i < n) ++i;
        } else if (c == u'#') {
            kind = Kind::Date;
            ++i;
            while (i < n && s[i] != u'#') ++i;
            closed = i < n;
            if (i < n) ++i;
        } else if (IsWordChar(c)) {
            kind = Kind::Word;
            while (i < n && IsWordChar(s[i])) ++i;
        } else {
            ++i;
        }
        tokens.push_back({kind, begin, i - begin, closed});
    }
    return tokens;
}

QString QuoteName(QStringView name) {
    QString result = name.toString();
    result.replace(u'"', QStringLiteral("\"\""));
    return u'"' + result + u'"';
}

// "text" with "" inside → 'text' with ' doubled.
QString TextLiteral(QStringView token) {
    const QStringView body = token.mid(1, token.size() - 2);
    QString text = body.toString();
    text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    text.replace(u'\'', QStringLiteral("''"));
    return u'\'' + text + u'\'';
}

// [name] → "name"; [table.column] → "table"."column".
QString NameLiteral(QStringView token) {
    const QStringView body = token.mid(1, token.size() - 2);
    const qsizetype dot = body.indexOf(u'.');
    if (dot < 0) return QuoteName(body);
    return QuoteName(body.left(dot)) + u'.' + QuoteName(body.mid(dot + 1));
}

QString NumberLiteral(double value, bool whole) {
    const QString text = whole ? QString::number(qint64(value)) : QString::number(value, 'g', 17);
    // In parentheses when negative: "a-#1/1/1850#" must not become the comment "a--18260".
    return value < 0 ? u'(' + text + u')' : text;
}

// #m/d/yyyy#, #m/d/yyyy h:m[:s]# or #h:m[:s]# → the day number; empty when it is none of these.
QString DateLiteral(QStringView token) {
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*(?:(\\d{1,2})/(\\d{1,2})/(\\d{1,4}))?\\s*(?:(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*"
        "([AaPp][Mm])?)?\\s*$"));
    const QStringView body = token.mid(1, token.size() - 2);
    const QRegularExpressionMatch m = pattern.match(body);
    if (!m.hasMatch()) return {};
    const bool hasDate = m.hasCaptured(1);
    const bool hasTime = m.hasCaptured(4);
    if (!hasDate && !hasTime) return {};
    QDate date(1899, 12, 30);
    if (hasDate) {
        date = QDate(m.capturedView(3).toInt(), m.capturedView(1).toInt(), m.capturedView(2).toInt());
        if (!date.isValid()) return {};
    }
    if (!hasTime) return NumberLiteral(DateNumber(date), true);
    int hour = m.capturedView(4).toInt();
    const int minute = m.capturedView(5).toInt();
    const int second = m.hasCaptured(6) ? m.capturedView(6).toInt() : 0;
    if (m.hasCaptured(7)) {
        if (hour < 1 || hour > 12) return {};
        const bool pm = m.capturedView(7).startsWith(u'p', Qt::CaseInsensitive);
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid()) return {};
    const double number = DateTimeNumber(date, time);
    return NumberLiteral(number, number == double(qint64(number)));
}

bool Is(QStringView word, const char* keyword) {
    return word.compare(QLatin1StringView(keyword), Qt::CaseInsensitive) == 0;
}

// Column types of table definitions, Jet's names on the left.
struct TypeName {
    const char* jet;
    const char* sqlite;
    bool text;  // compared with the program's NOCASE
};
constexpr TypeName kTypes[] = {
    {"counter", "INTEGER", false},   {"autoincrement", "INTEGER", false},
    {"integer", "INTEGER", false},   {"int", "INTEGER", false},
    {"long", "INTEGER", false},      {"smallint", "INTEGER", false},
    {"short", "INTEGER", false},     {"byte", "INTEGER", false},
    {"bit", "BIT", false},           {"yesno", "BIT", false},
    {"logical", "BIT", false},       {"datetime", "DATETIME", false},
    {"date", "DATETIME", false},     {"time", "DATETIME", false},
    {"currency", "CURRENCY", false}, {"money", "CURRENCY", false},
    {"double", "DOUBLE", false},     {"float", "DOUBLE", false},
    {"real", "DOUBLE", false},       {"single", "DOUBLE", false},
    {"varchar", "VARCHAR", true},    {"char", "VARCHAR", true},
    {"text", "TEXT", true},          {"memo", "TEXT", true},
    {"longtext", "TEXT", true},
};

const TypeName* FindType(QStringView word) {
    for (const TypeName& type : kTypes)
        if (Is(word, type.jet)) return &type;
    return nullptr;
}

class Translator {
public:
    explicit Translator(const QString& sql) : m_sql(sql), m_tokens(Tokenise(sql)) {}

    QString Run() {
        m_out.reserve(m_sql.size() + 16);
        const qsizetype first = NextSignificant(0);
        const QStringView verb = first < Size() ? View(first) : QStringView();
        const bool update = Is(verb, "update");
        const bool create = Is(verb, "create") && IsWordAt(NextSignificant(first + 1), "table");
        const bool alter = Is(verb, "alter");
        if (create || alter) return Definition(alter);
        bool inSet = false;
        bool assignmentStart = false;
        int depth = 0;
        for (qsizetype i = 0; i < Size(); ++i) {
            const Token& t = m_tokens[size_t(i)];
            if (t.kind == Kind::Punct) {
                const QChar c = m_sql[t.begin];
                if (c == u'(') ++depth;
                if (c == u')') --depth;
                if (inSet && depth == 0 && c == u',') assignmentStart = true;
            } else if (update && depth == 0 && t.kind == Kind::Word) {
                if (Is(View(i), "set")) {
                    Emit(i);
                    inSet = assignmentStart = true;
                    continue;
                }
                if (Is(View(i), "where")) inSet = false;
            }
            if (assignmentStart && t.kind != Kind::Space &&
                !(t.kind == Kind::Punct && m_sql[t.begin] == u',')) {
                assignmentStart = false;
                // "pac.uid=5" on the left of SET: SQLite takes no table there.
                if (IsName(i) && IsPunct(i + 1, u'.') && IsName(i + 2) &&
                    IsPunct(NextSignificant(i + 3), u'=')) {
                    i += 2;
                }
            }
            Emit(i);
        }
        return m_out;
    }

private:
    qsizetype Size() const { return qsizetype(m_tokens.size()); }
    QStringView View(qsizetype i) const {
        const Token& t = m_tokens[size_t(i)];
        return QStringView(m_sql).mid(t.begin, t.length);
    }
    qsizetype NextSignificant(qsizetype i) const {
        while (i < Size() && m_tokens[size_t(i)].kind == Kind::Space) ++i;
        return i;
    }
    bool IsName(qsizetype i) const {
        return i < Size() &&
               (m_tokens[size_t(i)].kind == Kind::Word || m_tokens[size_t(i)].kind == Kind::Name);
    }
    bool IsPunct(qsizetype i, QChar c) const {
        return i < Size() && m_tokens[size_t(i)].kind == Kind::Punct && m_sql[m_tokens[size_t(i)].begin] == c;
    }
    bool IsWordAt(qsizetype i, const char* keyword) const {
        return i < Size() && m_tokens[size_t(i)].kind == Kind::Word && Is(View(i), keyword);
    }

    void Emit(qsizetype i) {
        const QStringView v = View(i);
        if (!m_tokens[size_t(i)].closed) {  // left as it is for the engine to report
            m_out += v;
            return;
        }
        switch (m_tokens[size_t(i)].kind) {
            case Kind::Text:
                m_out += TextLiteral(v);
                return;
            case Kind::Name:
                m_out += NameLiteral(v);
                return;
            case Kind::Date: {
                const QString number = DateLiteral(v);
                m_out += number.isEmpty() ? v.toString() : number;  // not a date: the engine reports it
                return;
            }
            case Kind::Word:
                if (Is(v, "true"))
                    m_out += u'1';
                else if (Is(v, "false"))
                    m_out += u'0';
                else
                    m_out += v;
                return;
            default:
                m_out += v;
                return;
        }
    }

    // CREATE TABLE and ALTER TABLE: Jet's column types become SQLite's, a counter key the
    // autoincrementing rowid, text columns compare with NOCASE, and a NOT NULL column added to a
    // table with rows gets a default (SQLite refuses it otherwise; a new truth column reads False).
    QString Definition(bool alter) {
        int depth = 0;
        int place = -1;  // significant tokens since a column definition began; 1 is its type
        bool counter = false;
        bool text = false;
        bool hasDefault = false;
        qsizetype notNullEnd = -1;
        for (qsizetype i = 0; i < Size(); ++i) {
            const Token& t = m_tokens[size_t(i)];
            if (t.kind == Kind::Space) {
                Emit(i);
                continue;
            }
            const QStringView v = View(i);
            const int columnDepth = alter ? 0 : 1;
            if (t.kind == Kind::Punct && v[0] == u'(') {
                ++depth;
                if (depth == 1 && !alter) place = 0, counter = false;
                Emit(i);
                continue;
            }
            if (t.kind == Kind::Punct && v[0] == u')') {
                --depth;
                Emit(i);
                continue;
            }
            if (depth == columnDepth && t.kind == Kind::Punct && v[0] == u',') {
                place = 0, counter = false;
                Emit(i);
                continue;
            }
            if (alter && t.kind == Kind::Word && (Is(v, "add") || Is(v, "column"))) {
                place = 0, counter = false;
                Emit(i);
                continue;
            }
            if (t.kind == Kind::Word && Is(v, "default")) hasDefault = true;
            if (t.kind == Kind::Word && Is(v, "null") && i > 0 && IsWordAt(PreviousSignificant(i), "not"))
                notNullEnd = qsizetype(m_out.size()) + 4;
            if (place == 1 && depth == columnDepth && t.kind == Kind::Word) {
                if (const TypeName* type = FindType(v)) {
                    m_out += QLatin1StringView(type->sqlite);
                    counter = Is(v, "counter") || Is(v, "autoincrement");
                    text = type->text;
                    ++place;
                    // "VARCHAR(200)": the collation goes after the length.
                    qsizetype next = NextSignificant(i + 1);
                    if (type->text && IsPunct(next, u'(')) {
                        while (next < Size() && !IsPunct(next, u')')) ++next;
                        for (qsizetype k = i + 1; k <= next && k < Size(); ++k) Emit(k);
                        i = next;
                    }
                    if (type->text) m_out += QStringLiteral(" COLLATE NOCASE");
                    continue;
                }
            }
            if (counter && t.kind == Kind::Word && Is(v, "key")) {
                Emit(i);
                m_out += QStringLiteral(" AUTOINCREMENT");
                counter = false;
                ++place;
                continue;
            }
            if (place >= 0) ++place;
            Emit(i);
        }
        if (alter && notNullEnd >= 0 && !hasDefault)
            m_out.insert(notNullEnd, text ? QStringLiteral(" DEFAULT ''") : QStringLiteral(" DEFAULT 0"));
        return m_out;
    }

    qsizetype PreviousSignificant(qsizetype i) const {
        --i;
        while (i >= 0 && m_tokens[size_t(i)].kind == Kind::Space) --i;
        return i;
    }

    const QString& m_sql;
    std::vector<Token> m_tokens;
    QString m_out;
};

}  // namespace

QString TranslateJetSql(const QString& jetSql) {
    return Translator(jetSql).Run();
}

QString JetSql(const QString& jetSql) {
    // Statements repeat with few variations (a number or a date spliced in); a bounded cache
    // keeps the tokenising off the patient list's every refresh.
    static QMutex mutex;
    static QHash<QString, QString> cache;
    constexpr qsizetype kMaxEntries = 4000;
    {
        const QMutexLocker lock(&mutex);
        const auto found = cache.constFind(jetSql);
        if (found != cache.constEnd()) return *found;
    }
    QString translated = TranslateJetSql(jetSql);
    const QMutexLocker lock(&mutex);
    if (cache.size() >= kMaxEntries) cache.clear();
    cache.insert(jetSql, translated);
    return translated;
}

}  // namespace orvex
