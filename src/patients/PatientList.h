#pragma once

#include <QDate>
#include <QList>
#include <QSize>
#include <QString>

#include "core/CurrentUser.h"

namespace orvex {

class Database;

// The card file's patient list: its statement, its group selector and the small rules of the card.

// "SELECT pac.* FROM pac ORDER BY pac.pname" for a user who works for all doctors, else only the
// user's own patients; the extra condition goes after WHERE (or AND).
QString PatientListSql(const CurrentUser& user, const QString& columns = QStringLiteral("pac.*"),
                       const QString& condition = {});

// An item of the group selector: "Усі", "Загальна", "Архів", then the user groups.
struct GroupItem {
    QString caption;
    QString filter;  // the list's client-side filter: "", "arch=0", "arch=1", "arch=<gid>"
    int gid = -1;    // -1 for the three standard items
    int arch = 0;    // the group a new patient added under this item gets
};
QList<GroupItem> GroupItems(Database& db);

QString PatientListTitle(int visibleCount);  // "Пацієнти [12]"

// Whole years: days between birth and today divided by 365; empty without a birth date.
QString AgeText(const QDate& birth, const QDate& today);

// Capitalises a name while it is typed: a one-letter text is upper-cased (caret after it), and a
// last letter typed after a blank is upper-cased (caret unchanged).
struct TypedName {
    QString text;
    int caret = 0;
    bool changed = false;
};
TypedName CapitaliseTypedName(const QString& text, int caret);

// The size a picture is drawn at in the card's photo square, keeping its proportions.
QSize PhotoFit(const QSize& picture, int box = 126);

}  // namespace orvex
