#include "core/MenuAccess.h"

namespace orvex {

MenuAccess MenuAccessFor(const CurrentUser& user) {
    const Rights& r = user.rights;
    MenuAccess access;
    access.usersAndPasswords = user.IsAdministrator();
    access.baseSettings = r.ctrlviz;
    access.network = false;
    access.financial = r.rep && r.pvis;
    access.dailyTreatment = r.rep;
    access.healthReports = r.rep;
    access.templateEditors = r.medit;
    return access;
}

}  // namespace orvex
