#pragma once

#include "core/CurrentUser.h"

namespace orvex {

// Which main-menu items a user may use.
struct MenuAccess {
    bool usersAndPasswords = false;  // the administrator only
    bool baseSettings = false;       // ctrlviz
    bool network = false;            // never from the main window
    bool financial = false;  // rep and pvis: "Фінансовий", "Узагальнений фін. звіт"
    bool dailyTreatment = false;   // rep
    bool healthReports = false;    // rep: the "Звітність МОЗ" submenu
    bool templateEditors = false;  // medit; without it the items explain where the right is given
};

MenuAccess MenuAccessFor(const CurrentUser& user);

}  // namespace orvex
