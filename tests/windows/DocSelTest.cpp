#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "users/TDocSelForm.h"
#include "users/TLoginForm.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

class DocSelTest : public test::WindowTest {};

TEST_F(DocSelTest, PresetsTheDoctorForTheCurrentUserAndHandsBackTheChosenNumber) {
    CreateAll();
    const int petrenko = AddUser(QStringLiteral("Петренко"), {});
    const int ivanenko = AddUser(QStringLiteral("Іваненко"), {});
    windows.login->Rebuild();

    const struct {
        int user;
        const char* name;
        const char* shown;
        int chosen;
    } cases[] = {
        {CurrentUser::kAdministrator, "Адміністратор", "Іваненко", ivanenko},  // the first doctor
        {petrenko, "Петренко", "Петренко", petrenko},                          // a doctor: own name
        {ivanenko, "Іваненко", "Іваненко", ivanenko},
    };
    for (const auto& c : cases) {
        ctx.user = {QString::fromUtf8(c.name), c.user, {}};
        QString shown;
        bool enabled = false;
        WhenModal([&] {
            shown = windows.docSel->doctors->currentText();
            enabled = windows.docSel->selectButton->isEnabled();
            windows.docSel->Select();
        });
        const TDocSelForm::Choice choice = windows.docSel->Choose();
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.name;
        EXPECT_TRUE(enabled);
        EXPECT_TRUE(choice.chosen);
        EXPECT_EQ(choice.number, c.chosen) << c.name;
        EXPECT_EQ(windows.docSel->doctors->count(), 2) << "the administrator is no doctor";
    }
}

TEST_F(DocSelTest, CannotChooseWithoutDoctors) {
    CreateAll();
    windows.login->Rebuild();
    ctx.user = {QStringLiteral("Адміністратор"), CurrentUser::kAdministrator, Rights::All()};
    bool enabled = true;
    WhenModal([&] {
        enabled = windows.docSel->selectButton->isEnabled();
        windows.docSel->reject();
    });
    EXPECT_FALSE(windows.docSel->Choose().chosen);
    EXPECT_FALSE(enabled);
}

}  // namespace
}  // namespace orvex
