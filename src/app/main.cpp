// Orvex: start-up and end of the program.

#include <QApplication>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Lang.h"
#include "core/MessageBoxPrompter.h"
#include "core/Paths.h"
#include "core/TConnectForm.h"
#include "core/TSplashForm.h"
#include "users/TLoginForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvex"));
    // The program ends only through its own ways out (EndProgram), never because the main window
    // is hidden for a change of user.
    QApplication::setQuitOnLastWindowClosed(false);

    orvex::MessageBoxPrompter prompter;
    orvex::InstallPrompter(&prompter);

    orvex::Context ctx;
    ctx.netDebug = argc > 1 && QString::fromLocal8Bit(argv[1]) == u"-netdebug";
    orvex::Windows windows;
    ctx.windows = &windows;

    orvex::TSplashForm splash;
    try {
        orvex::LoadLanguage(orvex::LanguagePath());
    } catch (const orvex::Error& e) {
        orvex::ShowError(e.text());
        return 1;
    }

    orvex::CreateConnectionWindows(ctx);
    if (!ctx.db.IsOpen()) windows.connect->exec();
    if (!ctx.db.IsOpen()) {
        orvex::DestroyWindows(ctx);
        orvex::FreeLanguage();
        return 0;
    }

    orvex::InitPaths();
    splash.show();
    orvex::CreateWindows(ctx, [&splash](const QString& stage) { splash.SetStage(stage); });
    splash.hide();

    windows.login->show();
    const int result = app.exec();
    orvex::DestroyWindows(ctx);
    orvex::FreeLanguage();
    orvex::InstallPrompter(nullptr);
    return result;
}
