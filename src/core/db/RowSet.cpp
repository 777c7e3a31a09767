#include "core/db/RowSet.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/Errors.h"
#include "core/db/Collation.h"
#include "core/db/Database.h"
#include "core/db/DateNumber.h"

namespace orvex {
namespace {

QString Quoted(const QString& name) {
    QString escaped = name;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

bool IsNumber(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
        case QMetaType::Double:
        case QMetaType::Bool:
            return true;
        default:
            return false;
    }
}

// A value as the row set keeps it: what the database would hand back after writing it.
QVariant Normalised(const QVariant& value) {
    if (value.isNull()) return {};
    switch (value.typeId()) {
        case QMetaType::QDate:
            return qlonglong(DateNumber(value.toDate()));
        case QMetaType::QTime:
            return TimeNumber(value.toTime());
        case QMetaType::QDateTime: {
            const QDateTime dt = value.toDateTime();
            return DateTimeNumber(dt.date(), dt.time());
        }
        case QMetaType::Bool:
            return qlonglong(value.toBool() ? 1 : 0);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
            return value.toLongLong();
        case QMetaType::Float:
            return value.toDouble();
        default:
            return value;
    }
}

}  // namespace

RowSet::RowSet(Database& db, QObject* parent) : QObject(parent), m_db(db) {}

void RowSet::SetUpdateTable(const QString& table, const QString& keyColumn) {
    m_table = table;
    m_key = keyColumn;
}

void RowSet::Open() {
    Close();
    Load({});
    if (afterOpen) afterOpen(*this);
}

void RowSet::Close() {
    const bool wasOpen = IsOpen();
    const bool wasEditing = m_state == State::Edit || m_state == State::Insert;
    m_rows = Rows();
    m_visible.clear();
    m_edit.clear();
    m_changed.clear();
    m_position = -1;
    m_eof = false;
    if (wasOpen) {
        SetState(State::Inactive);
        Q_EMIT reset();
    }
    if (wasEditing && afterCancel) afterCancel(*this);
}

void RowSet::Requery() {
    if (!IsOpen()) {
        Open();
        return;
    }
    CheckBrowseMode();
    QVariant key;
    const int keyColumn = m_key.isEmpty() ? -1 : ColumnIndex(m_key);
    if (m_position >= 0 && keyColumn >= 0) key = Stored(Physical(m_position), keyColumn);
    Load(key);
    if (afterOpen) afterOpen(*this);
}

void RowSet::Load(const QVariant& keepKey) {
    Rows rows = m_db.Query(m_sql);  // throws before anything of the old rows is lost
    std::swap(m_rows, rows);
    FilterTest test;
    try {
        test = ParseFilter(m_filter);  // the columns are known only now
    } catch (...) {
        std::swap(m_rows, rows);
        throw;
    }
    m_filterColumn = test.column;
    m_filterProbe = test.probe;
    m_edit.clear();
    m_changed.clear();
    m_eof = false;
    RebuildVisible();
    m_position = m_visible.empty() ? -1 : 0;
    const int keyColumn = m_key.isEmpty() ? -1 : ColumnIndex(m_key);
    const Rows::Probe key = Rows::ProbeOf(keepKey);
    if (!key.null && keyColumn >= 0) {
        for (int i = 0; i < Count(); ++i) {
            if (m_rows.Equals(Physical(i), keyColumn, key)) {
                m_position = i;
                break;
            }
        }
    }
    SetState(State::Browse);
    Q_EMIT reset();
    Q_EMIT currentChanged(m_position);
}

void RowSet::SetPosition(int position) {
    if (!IsOpen()) return;
    CheckBrowseMode();
    m_eof = false;
    const int target = m_visible.empty() ? -1 : std::clamp(position, 0, Count() - 1);
    if (target == m_position) return;
    m_position = target;
    Q_EMIT currentChanged(m_position);
}

void RowSet::Next() {
    if (!IsOpen()) return;
    if (m_position + 1 >= Count()) {
        CheckBrowseMode();
        m_eof = true;
        return;
    }
    SetPosition(m_position + 1);
}

void RowSet::Prior() {
    if (m_position > 0) SetPosition(m_position - 1);
}

bool RowSet::Locate(const QString& column, const QVariant& value) {
    const int index = ColumnIndex(column);
    if (index < 0 || !IsOpen()) return false;
    const Rows::Probe wanted = Rows::ProbeOf(Normalised(value));
    for (int i = 0; i < Count(); ++i) {
        const bool found = i == m_position && !m_edit.empty() ? EditedEquals(index, wanted)
                                                              : m_rows.Equals(Physical(i), index, wanted);
        if (found) {
            SetPosition(i);
            return true;
        }
    }
    return false;
}

QVariant RowSet::Stored(int physicalRow, int column) const {
    return m_rows.Value(physicalRow, column);
}

bool RowSet::EditedEquals(int column, const Rows::Probe& probe) const {
    // The row being edited compares by its edited values, through a one-row copy.
    Rows row;
    row.columns = QStringList{QString()};
    row.AppendRow();
    row.Set(0, 0, m_edit[size_t(column)]);
    return row.Equals(0, 0, probe);
}

QVariant RowSet::Value(const QString& column) const {
    const int index = ColumnIndex(column);
    if (index < 0 || m_position < 0) return {};
    return ValueAt(m_position, index);
}

QVariant RowSet::ValueAt(int position, int column) const {
    if (position < 0 || position >= Count() || column < 0 || column >= m_rows.columns.size()) return {};
    if (position == m_position && !m_edit.empty()) return m_edit[size_t(column)];
    return Stored(Physical(position), column);
}

QString RowSet::Text(const QString& column) const {
    const int index = ColumnIndex(column);
    const QVariant v = Value(column);
    if (v.isNull()) return {};
    // Dates and times read as their text ("02.04.2007", "9:05:00"), as the windows cut them up.
    if (IsNumber(v) && DeclaredType(index).startsWith(QStringLiteral("DATE"), Qt::CaseInsensitive))
        return DateTimeText(v);
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

int RowSet::Int(const QString& column) const {
    const QVariant v = Value(column);
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        return std::isfinite(d) && std::fabs(d) < 2147483647.0 ? int(std::lround(d)) : 0;
    }
    return v.toInt();
}

double RowSet::Number(const QString& column) const {
    return Value(column).toDouble();
}

Money RowSet::MoneyValue(const QString& column) const {
    return Money::fromDouble(Number(column));
}

QDate RowSet::Date(const QString& column) const {
    const QVariant v = Value(column);
    return IsNumber(v) ? DateOfNumber(v.toDouble()) : QDate();
}

QTime RowSet::Time(const QString& column) const {
    const QVariant v = Value(column);
    return IsNumber(v) ? TimeOfNumber(v.toDouble()) : QTime();
}

bool RowSet::Bool(const QString& column) const {
    const QVariant v = Value(column);
    if (IsNumber(v)) return v.toDouble() != 0;
    return v.toString().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
}

bool RowSet::IsNull(const QString& column) const {
    return Value(column).isNull();
}

int RowSet::RequireColumn(const QString& column) const {
    const int index = ColumnIndex(column);
    if (index < 0) throw DbError("Немає стовпця " + column + " у наборі даних.");
    return index;
}

void RowSet::SetValue(const QString& column, const QVariant& value) {
    const int index = RequireColumn(column);
    if (m_state != State::Edit && m_state != State::Insert)
        throw DbError("Набір даних не в режимі редагування.");
    QVariant stored = Normalised(value);
    QVariant& slot = m_edit[size_t(index)];
    if (slot == stored && slot.isNull() == stored.isNull() && slot.typeId() == stored.typeId()) return;
    slot = std::move(stored);
    if (std::find(m_changed.begin(), m_changed.end(), index) == m_changed.end()) m_changed.push_back(index);
    Q_EMIT rowChanged(m_position);
}

void RowSet::SetDate(const QString& column, const QDate& date) {
    SetValue(column, date.isValid() ? QVariant(date) : QVariant());
}

void RowSet::SetTime(const QString& column, const QTime& time) {
    SetValue(column, time.isValid() ? QVariant(time) : QVariant());
}

void RowSet::SetMoney(const QString& column, Money amount) {
    SetValue(column, amount.toDouble());
}

bool RowSet::Edit() {
    if (m_state == State::Edit || m_state == State::Insert) return true;
    if (m_state != State::Browse || m_position < 0 || m_table.isEmpty()) return false;
    if (beforeEdit && !beforeEdit(*this)) return false;
    const int columns = int(m_rows.columns.size());
    m_edit.clear();
    m_edit.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c) m_edit.push_back(Stored(Physical(m_position), c));
    m_changed.clear();
    SetState(State::Edit);
    return true;
}

void RowSet::Append() {
    if (!IsOpen() || m_table.isEmpty()) throw DbError("Набір даних не можна змінювати.");
    CheckBrowseMode();
    const size_t columns = size_t(m_rows.columns.size());
    m_rows.AppendRow();
    m_visible.push_back(m_rows.Count() - 1);
    m_returnPosition = m_position;
    m_position = Count() - 1;
    m_edit.assign(columns, QVariant());
    m_changed.clear();
    m_eof = false;
    SetState(State::Insert);
    Q_EMIT reset();
    Q_EMIT currentChanged(m_position);
}

void RowSet::Post() {
    if (m_state != State::Edit && m_state != State::Insert) return;
    if (beforePost) beforePost(*this);  // may throw: the row stays in edit
    const int keyColumn = RequireColumn(m_key);
    const int physical = Physical(m_position);
    if (m_state == State::Edit) {
        if (!m_changed.empty()) {
            QString sql = "UPDATE " + Quoted(m_table) + " SET ";
            QVariantList values;
            for (size_t i = 0; i < m_changed.size(); ++i) {
                if (i > 0) sql += u',';
                sql += Quoted(m_rows.columns[m_changed[i]]) + "=?";
                values << m_edit[size_t(m_changed[i])];
            }
            // The key as it was read: an edited key must still find its row.
            sql += " WHERE " + Quoted(m_key) + "=?";
            values << Stored(physical, keyColumn);
            m_db.ExecNative(sql, values);
        }
    } else {
        QString sql = "INSERT INTO " + Quoted(m_table);
        QVariantList values;
        if (m_changed.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            QString names;
            QString marks;
            for (size_t i = 0; i < m_changed.size(); ++i) {
                if (i > 0) names += u',', marks += u',';
                names += Quoted(m_rows.columns[m_changed[i]]);
                marks += u'?';
                values << m_edit[size_t(m_changed[i])];
            }
            sql += " (" + names + ") VALUES (" + marks + u')';
        }
        m_db.ExecNative(sql, values);
        if (m_edit[size_t(keyColumn)].isNull()) m_edit[size_t(keyColumn)] = qlonglong(m_db.LastInsertId());
        // Read the row back so the defaults the table fills in show as they are stored.
        const Rows written =
            m_db.QueryNative("SELECT * FROM " + Quoted(m_table) + " WHERE " + Quoted(m_key) + "=?",
                             {m_edit[size_t(keyColumn)]});
        if (written.Count() == 1) {
            for (int c = 0; c < written.columns.size(); ++c) {
                const int mine = ColumnIndex(written.columns[c]);
                if (mine >= 0) m_edit[size_t(mine)] = written.Value(0, c);
            }
        }
    }
    for (size_t c = 0; c < m_edit.size(); ++c) m_rows.Set(physical, int(c), m_edit[c]);
    m_edit.clear();
    m_changed.clear();
    SetState(State::Browse);
    Q_EMIT rowChanged(m_position);
    if (afterPost) afterPost(*this);
}

void RowSet::Cancel() {
    if (m_state == State::Insert) {
        m_rows.RemoveRow(m_rows.Count() - 1);
        m_visible.pop_back();
        m_edit.clear();
        m_changed.clear();
        m_position = m_visible.empty() ? -1 : std::clamp(m_returnPosition, 0, Count() - 1);
        SetState(State::Browse);
        Q_EMIT reset();
        Q_EMIT currentChanged(m_position);
        if (afterCancel) afterCancel(*this);
        return;
    }
    if (m_state != State::Edit) return;
    m_edit.clear();
    m_changed.clear();
    SetState(State::Browse);
    Q_EMIT rowChanged(m_position);
    if (afterCancel) afterCancel(*this);
}

void RowSet::Delete() {
    if (m_state == State::Insert) {
        Cancel();
        return;
    }
    if (m_position < 0) return;
    const int keyColumn = RequireColumn(m_key);
    if (m_table.isEmpty()) throw DbError("Набір даних не можна змінювати.");
    const int physical = Physical(m_position);
    const bool wasEditing = m_state == State::Edit;
    m_db.ExecNative("DELETE FROM " + Quoted(m_table) + " WHERE " + Quoted(m_key) + "=?",
                    {Stored(physical, keyColumn)});
    m_edit.clear();
    m_changed.clear();
    m_rows.RemoveRow(physical);
    RebuildVisible();
    m_position = m_visible.empty() ? -1 : std::min(m_position, Count() - 1);
    SetState(State::Browse);
    Q_EMIT reset();
    Q_EMIT currentChanged(m_position);
    if (wasEditing && afterCancel) afterCancel(*this);
}

void RowSet::SetFilter(const QString& filter) {
    if (filter == m_filter) return;
    if (!IsOpen()) {
        m_filter = filter;
        return;
    }
    const FilterTest test = ParseFilter(filter);  // a wrong filter throws and changes nothing
    CheckBrowseMode();
    m_filter = filter;
    m_filterColumn = test.column;
    m_filterProbe = test.probe;
    RebuildVisible();
    m_position = m_visible.empty() ? -1 : 0;
    m_eof = false;
    Q_EMIT reset();
    Q_EMIT currentChanged(m_position);
}

RowSet::FilterTest RowSet::ParseFilter(const QString& text) const {
    FilterTest test;
    const QString filter = text.trimmed();
    if (filter.isEmpty()) return test;
    const qsizetype equals = filter.indexOf(u'=');
    const QString column = filter.left(equals).trimmed();
    QString value = filter.mid(equals + 1).trimmed();
    const int index = equals > 0 ? ColumnIndex(column) : -1;
    if (index < 0) throw DbError("Невірний фільтр: " + text);
    if (value.size() >= 2 && (value.front() == u'\'' || value.front() == u'"') &&
        value.back() == value.front()) {
        const QChar quote = value.front();
        value = value.mid(1, value.size() - 2);
        value.replace(QString(2, quote), QString(quote));
        test.probe = Rows::ProbeOf(value);
    } else {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok) throw DbError("Невірний фільтр: " + text);
        test.probe = Rows::ProbeOf(number);
    }
    test.column = index;
    return test;
}

bool RowSet::PassesFilter(int physicalRow) const {
    return m_filterColumn < 0 || m_rows.Equals(physicalRow, m_filterColumn, m_filterProbe);
}

void RowSet::RebuildVisible() {
    const int count = m_rows.Count();
    m_visible.clear();
    m_visible.reserve(size_t(count));
    if (m_filterColumn < 0) {
        m_visible.resize(size_t(count));
        std::iota(m_visible.begin(), m_visible.end(), 0);
        return;
    }
    for (int row = 0; row < count; ++row)
        if (PassesFilter(row)) m_visible.push_back(row);
}

QString RowSet::DeclaredType(int column) const {
    return column >= 0 && column < m_rows.types.size() ? m_rows.types[column] : QString();
}

void RowSet::CheckBrowseMode() {
    if (m_state != State::Edit && m_state != State::Insert) return;
    // Leaving the row keeps what was typed (as a grid does); an untouched row is simply left.
    if (IsModified())
        Post();
    else
        Cancel();
}

void RowSet::SetState(State state) {
    if (state == m_state) return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

}  // namespace orvex
