#include "users/LoginList.h"

#include "core/CurrentUser.h"
#include "core/db/Database.h"

namespace orvex {

void LoginList::Rebuild(Database& db, const QString& administratorName) {
    const Rows users = db.Query(QStringLiteral("SELECT * FROM users ORDER BY uname"));
    m_names = {administratorName};
    m_numbers = {CurrentUser::kAdministrator};
    const int name = users.ColumnIndex(QStringLiteral("uname"));
    const int uid = users.ColumnIndex(QStringLiteral("uid"));
    for (int r = 0; r < users.Count(); ++r) {
        m_names.append(users.Value(r, name).toString());
        m_numbers.append(users.Value(r, uid).toInt());
    }
}

QString LoginList::NameAt(int position) const {
    return position >= 0 && position < Count() ? m_names[position] : QString();
}

int LoginList::UserNumberAt(int position) const {
    return position >= 0 && position < Count() ? m_numbers[position] : kNotInList;
}

QString LoginList::UserNameOf(int number) const {
    const int position = PositionOf(number);
    return position < 0 ? QString() : m_names[position];
}

int LoginList::PositionOf(int number) const {
    return int(m_numbers.indexOf(number));
}

}  // namespace orvex
