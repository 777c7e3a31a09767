#include "patients/PatientList.h"

#include <QtMath>

#include "core/Fmt.h"
#include "core/db/Database.h"

namespace orvex {

QString PatientListSql(const CurrentUser& user, const QString& columns, const QString& condition) {
    if (user.rights.allreg) {
        QString sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM pac ");
        if (!condition.isEmpty()) sql += QStringLiteral("WHERE ") + condition + u' ';
        return sql + QStringLiteral("ORDER BY pac.pname");
    }
    QString sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM pac WHERE pac.uid=") +
                  QString::number(user.number);
    if (!condition.isEmpty()) sql += QStringLiteral(" AND ") + condition;
    return sql + QStringLiteral(" ORDER BY pac.pname");
}

QList<GroupItem> GroupItems(Database& db) {
    QList<GroupItem> items = {
        {QStringLiteral("Усі"), QString(), -1, 0},
        {QStringLiteral("Загальна"), QStringLiteral("arch=0"), -1, 0},
        {QStringLiteral("Архів"), QStringLiteral("arch=1"), -1, 1},
    };
    const Rows groups = db.Query(QStringLiteral("SELECT groups.* FROM groups"));
    for (int r = 0; r < groups.Count(); ++r) {
        const int gid = groups.Value(r, QStringLiteral("gid")).toInt();
        items.append({groups.Value(r, QStringLiteral("gname")).toString(),
                      QStringLiteral("arch=") + QString::number(gid), gid, gid});
    }
    return items;
}

QString PatientListTitle(int visibleCount) {
    return QStringLiteral("Пацієнти [%1]").arg(visibleCount);
}

QString AgeText(const QDate& birth, const QDate& today) {
    if (!birth.isValid() || !today.isValid()) return {};
    return QString::number(birth.daysTo(today) / 365);
}

TypedName CapitaliseTypedName(const QString& text, int caret) {
    TypedName result{text, caret, false};
    if (text.size() == 1) {
        result.text = UpperUkr(text);
        result.caret = 1;
        result.changed = result.text != text || caret != 1;
        return result;
    }
    if (text.size() >= 2 && text[text.size() - 2] == u' ') {
        const QString last = text.right(1);
        const QString upper = UpperUkr(last);
        if (upper != last) {
            result.text = text.left(text.size() - 1) + upper;
            result.changed = true;
        }
    }
    return result;
}

QSize PhotoFit(const QSize& picture, int box) {
    if (picture.width() <= 0 || picture.height() <= 0 || box <= 0) return {};
    // A very thin picture keeps at least one pixel, so it still shows.
    if (picture.width() >= picture.height())
        return {box, qMax(1, qRound(double(picture.height()) * box / picture.width()))};
    return {qMax(1, qRound(double(picture.width()) * box / picture.height())), box};
}

}  // namespace orvex
