#pragma once

#include <QString>

namespace orvex {

// The six rights a user holds; the administrator holds them all.
struct Rights {
    bool allreg = false;   // work for all doctors
    bool ctrlviz = false;  // change settings
    bool rep = false;      // view reports
    bool medit = false;    // edit the template menus
    bool vedit = false;    // edit the visit history
    bool pvis = false;     // see financial information

    static Rights All() { return {true, true, true, true, true, true}; }
};

// Who is logged in: the name shown, the users.uid (-1 for the administrator) and the rights.
// Before the first login nobody is, and every right is false.
struct CurrentUser {
    static constexpr int kAdministrator = -1;
    static constexpr int kNobody = -2;

    QString name;
    int number = kNobody;
    Rights rights;

    bool IsAdministrator() const { return number == kAdministrator; }
};

}  // namespace orvex
