#include "core/Fmt.h"

#include <limits>

#include "core/Errors.h"

namespace orvex {
namespace {

constexpr QStringView kLowerUkr = u"абвгдеєжзиіїйклмнопрстуфхцчшщьюя";
constexpr QStringView kUpperUkr = u"АБВГДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯ";

std::function<QString(int)>& UserNameSource() {
    static std::function<QString(int)> source;
    return source;
}

// The money value as the shortest decimal text with a comma ("12,5", "100", "-0,75"), computed
// from the integer units so that no binary fraction creeps in.
QString ShortestMoneyText(Money value) {
    const bool negative = value.units < 0;
    // Through unsigned so that the most negative value does not overflow.
    const quint64 magnitude = negative ? 0 - quint64(value.units) : quint64(value.units);
    const quint64 scale = quint64(Money::kScale);
    QString text = QString::number(magnitude / scale);
    quint64 fraction = magnitude % scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0')) digits.chop(1);
        text += u',' + digits;
    }
    return negative ? u'-' + text : text;
}

QString TextAfterFirst(const QString& text, QChar mark) {
    const qsizetype at = text.indexOf(mark);
    return at < 0 ? QString() : text.mid(at + 1);
}

}  // namespace

QString UpperUkr(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - u'a' + u'A');
            continue;
        }
        const qsizetype at = kLowerUkr.indexOf(c);
        if (at >= 0) c = kUpperUkr[at];
    }
    return result;
}

QString SqlDate(const QDate& date) {
    return QStringLiteral("#%1/%2/%3#").arg(date.month()).arg(date.day()).arg(date.year());
}

QString SqlTime(const QTime& time) {
    return QStringLiteral("#12/30/1899 %1:%2:0#").arg(time.hour()).arg(time.minute());
}

QString TimeText(const QTime& time) {
    return QStringLiteral("%1:%2")
        .arg(time.hour(), 2, 10, QChar(u'0'))
        .arg(time.minute(), 2, 10, QChar(u'0'));
}

QString HourMinute(int h, int m) {
    return QStringLiteral("%1:%2").arg(h).arg(m);
}

QString CommaToPoint(const QString& text) {
    QString result = text;
    const qsizetype at = result.indexOf(u',');
    if (at >= 0) result[at] = u'.';
    return result;
}

QString SqlMoney(Money value) {
    return CommaToPoint(ShortestMoneyText(value));
}

QString MoneyText(Money value) {
    QString text = ShortestMoneyText(value);
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0) return text + ",00";
    const qsizetype decimals = text.size() - comma - 1;
    if (decimals == 1) return text + u'0';
    if (decimals > 2) text.truncate(comma + 3);  // cut, not rounded
    return text;
}

QString MoneyTextUah(Money value) {
    return MoneyText(value) + " грн.";
}

Money KopecksToMoney(const QString& text) {
    bool ok = false;
    const qint64 kopecks = text.toLongLong(&ok);
    constexpr qint64 kLimit = std::numeric_limits<qint64>::max() / (Money::kScale / 100);
    if (!ok || kopecks > kLimit || kopecks < -kLimit)
        throw ConversionError(QStringLiteral("\"%1\" не є цілим числом копійок.").arg(text));
    return Money{kopecks * (Money::kScale / 100)};
}

const QStringList& GenitiveMonths() {
    static const QStringList months =
        QStringLiteral(
            "січня,лютого,березня,квітня,травня,червня,липня,серпня,вересня,жовтня,листопада,грудня")
            .split(u',');
    return months;
}

const QStringList& NumberedMonthChoices() {
    static const QStringList choices = {
        QStringLiteral("1 - січень"),  QStringLiteral("2 - лютий"),    QStringLiteral("3 - березень"),
        QStringLiteral("4 - квітень"), QStringLiteral("5 - травень"),  QStringLiteral("6 - червень"),
        QStringLiteral("7 - липень"),  QStringLiteral("8 - серпень"),  QStringLiteral("9 - вересень"),
        QStringLiteral("10- жовтень"), QStringLiteral("11- листопад"), QStringLiteral("12- грудень"),
    };
    return choices;
}

QString LongDate(const QDate& date) {
    // An invalid date has no month name to show.
    if (!date.isValid()) return {};
    return QStringLiteral("%1 %2 %3р.")
        .arg(date.day())
        .arg(GenitiveMonths()[date.month() - 1])
        .arg(date.year());
}

QString SqlText(const QString& text) {
    QString inner = text;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

int LabelCount(const QString& labels) {
    return labels.isEmpty() ? 0 : int(labels.count(u'|')) + 1;
}

QString LabelForDoctor(const QString& labels, int doctor) {
    const QString padded = u'|' + labels + u'|';
    const qsizetype at = padded.indexOf(u'|' + QString::number(doctor) + u'.');
    if (at < 0) return labels.section(u'|', 0, 0);
    const qsizetype end = padded.indexOf(u'|', at + 1);
    return padded.mid(at + 1, end - at - 1);
}

int AppointmentOf(const QString& labels, int doctor) {
    if (labels.isEmpty()) return -2;
    const QString label = LabelForDoctor(labels, doctor);
    const qsizetype dot = label.indexOf(u'.');
    const qsizetype colon = label.indexOf(u':');
    bool ok = false;
    const int number = dot >= 0 && colon > dot ? label.mid(dot + 1, colon - dot - 1).toInt(&ok) : 0;
    // A damaged label names no appointment; -1 is never an appointment number.
    return ok ? number : -1;
}

QString PatientOf(const QString& labels, int doctor) {
    if (labels.isEmpty()) return {};
    return TextAfterFirst(LabelForDoctor(labels, doctor), u':');
}

QString LabelListHint(const QString& labels) {
    if (labels.isEmpty()) return {};
    const auto& nameOf = UserNameSource();
    QStringList parts;
    for (const QString& label : labels.split(u'|')) {
        bool ok = false;
        const int doctor = label.section(u'.', 0, 0).toInt(&ok);
        const QString name = ok && nameOf ? nameOf(doctor) : QString();
        parts << "Пацієнт: " + TextAfterFirst(label, u':') << "Лікар: " + name;
    }
    return parts.join(QStringLiteral("\n\r"));
}

void SetUserNameSource(std::function<QString(int)> userNameOf) {
    UserNameSource() = std::move(userNameOf);
}

}  // namespace orvex
