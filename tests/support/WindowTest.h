#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/CurrentUser.h"
#include "support/ProgramFolder.h"

class QWidget;

namespace orvex::test {

// A network service that only records what the windows ask of it.
class CountingNetwork : public StandAloneNetwork {
public:
    void StartNetwork() override { ++starts; }
    void StopNetwork() override { ++stops; }
    int ConnectedClients() const override { return clients; }
    void ReceiveAnswer(const QString& text) override { answers.append(text); }
    int starts = 0;
    int stops = 0;
    int clients = 0;
    QStringList answers;
};

// The program's windows on a temporary program folder: the language table loaded, a Context with
// its registry, and every window destroyed after the test.
class WindowTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void OpenDatabase();
    // Creates every window in start-up order; the connection window opens the database.
    void CreateAll();

    // A users row with the given rights and password; returns its uid.
    int AddUser(const QString& name, const Rights& rights, const QString& password = {});
    // Logs in through the login window, as typed; true when the main window came up.
    bool LogIn(const QString& name, const QString& password = {});

    // Runs `action` as soon as the next modal loop is running (to drive and close a dialog).
    static void WhenModal(std::function<void()> action);

    // Types text key by key as a user would (QTest's key clicks know only ASCII).
    static void Type(QWidget* widget, const QString& text);
    // Where screenshots go: <build>/screens.
    static QString ScreenFolder();
    // Saves what the widget shows as <build>/screens/<name>.png.
    static void SaveScreen(QWidget* widget, const QString& name);

    Context ctx;
    Windows windows;
};

}  // namespace orvex::test
