#pragma once

#include <QString>
#include <functional>

namespace orvex {

class Context;
class TConnectForm;
class TNetForm;
class TMainForm;
class TLoginForm;
class TAboutForm;
class TUserCfgForm;
class TPassForm;
class TMainOptionsForm;
class TDocSelForm;
class TKartForm;
class TKartFormulaForm;
class TAddUser;

// The single instance of every window, created once at start-up and kept until the program ends.
// Windows reach each other only through here; a window not built yet is null.
struct Windows {
    TConnectForm* connect = nullptr;
    TNetForm* net = nullptr;
    TMainForm* main = nullptr;
    TLoginForm* login = nullptr;
    TAboutForm* about = nullptr;
    TUserCfgForm* userCfg = nullptr;
    TPassForm* pass = nullptr;
    TKartForm* kart = nullptr;
    TMainOptionsForm* mainOptions = nullptr;
    TDocSelForm* docSel = nullptr;
    TAddUser* addUser = nullptr;
    TKartFormulaForm* kartFormula = nullptr;
};

// Creates the connection and network settings windows; creating the connection window makes the
// day's backup and opens the database.
void CreateConnectionWindows(Context& ctx);

// Creates every other window in start-up order, reporting each stage ("звіти...", …) so the splash
// can show it.
void CreateWindows(Context& ctx, const std::function<void(const QString& stage)>& stage = {});

// Deletes every window (the program's end, and tests).
void DestroyWindows(Context& ctx);

// Ends the program: closes the connection window, which leaves the event loop.
void EndProgram(Context& ctx);

}  // namespace orvex
