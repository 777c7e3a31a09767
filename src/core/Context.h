#pragma once

#include <memory>

#include "core/CurrentUser.h"
#include "core/Network.h"
#include "core/db/Database.h"

namespace orvex {

struct Windows;

// The program's shared state, handed to every window: the one database connection, the current
// user, the notification and lock service, whether a network client has lost its server, and the
// registry of the single instance of every window. A test builds one on a temporary program folder.
class Context {
public:
    Context();
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    Database db;
    CurrentUser user;
    bool serverLinkDown = false;       // a network client without its notification server refuses changes
    std::unique_ptr<Network> network;  // stand-alone until the network role replaces it
    bool netDebug = false;             // "-netdebug": the protocol traffic is shown in the main window
    Windows* windows = nullptr;        // filled in start-up order; owned by the program's main
};

}  // namespace orvex
