#include "app/Windows.h"

#include <QCoreApplication>
#include <QLabel>

#include "core/Context.h"
#include "core/TAboutForm.h"
#include "core/TConnectForm.h"
#include "core/TMainForm.h"
#include "core/TMainOptionsForm.h"
#include "network/TNetForm.h"
#include "patients/TAddUser.h"
#include "patients/TKartForm.h"
#include "patients/TKartFormulaForm.h"
#include "users/TDocSelForm.h"
#include "users/TLoginForm.h"
#include "users/TPassForm.h"
#include "users/TUserCfgForm.h"

namespace orvex {

void CreateConnectionWindows(Context& ctx) {
    Windows& w = *ctx.windows;
    w.connect = new TConnectForm(ctx);
    w.net = new TNetForm(ctx);
}

void CreateWindows(Context& ctx, const std::function<void(const QString&)>& stage) {
    Windows& w = *ctx.windows;
    auto next = [&stage](const char* text) {
        if (stage) stage(QString::fromUtf8(text));
    };

    next("головне вікно...");
    w.main = new TMainForm(ctx);
    w.login = new TLoginForm(ctx);
    w.about = new TAboutForm(ctx);
    w.about->version->setText(VersionText());

    next("звіти...");

    next("історії хворіб...");
    w.userCfg = new TUserCfgForm(ctx);
    w.pass = new TPassForm;

    next("менеджер груп...");
    w.kart = new TKartForm(ctx);

    next("фото зубів...");
    w.mainOptions = new TMainOptionsForm(ctx);
    w.docSel = new TDocSelForm(ctx);
    w.addUser = new TAddUser;
    w.kartFormula = new TKartFormulaForm(ctx);

    next("фін. облік...");
    next("меню...");
    next("направлення...");
    next("завантаження ...");
}

void DestroyWindows(Context& ctx) {
    if (!ctx.windows) return;
    Windows& w = *ctx.windows;
    // Dialogs first, the main and connection windows last, in reverse order of creation.
    delete w.kartFormula;
    delete w.addUser;
    delete w.docSel;
    delete w.mainOptions;
    delete w.kart;
    delete w.pass;
    delete w.userCfg;
    delete w.about;
    delete w.login;
    delete w.main;
    delete w.net;
    delete w.connect;
    w = Windows{};
}

void EndProgram(Context& ctx) {
    if (ctx.windows && ctx.windows->connect) ctx.windows->connect->reject();
    QCoreApplication::quit();
}

}  // namespace orvex
