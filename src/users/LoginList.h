#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvex {

class Database;

// The users a login can choose: position 0 is the administrator (number -1), then the rows of the
// users table by name. Other windows translate between positions, numbers and names through it.
class LoginList {
public:
    static constexpr int kNotInList = -2;

    void Rebuild(Database& db, const QString& administratorName);

    int Count() const { return int(m_names.size()); }
    const QStringList& Names() const { return m_names; }
    QString NameAt(int position) const;
    int UserNumberAt(int position) const;  // kNotInList outside the list
    QString UserNameOf(int number) const;  // empty when the number is not in the list
    int PositionOf(int number) const;      // -1 when absent

private:
    QStringList m_names;
    QList<int> m_numbers;
};

}  // namespace orvex
