#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

// Every test executable runs inside a QApplication on the offscreen platform, so window tests and
// logic tests share one main.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder; a headless run has none.
    const QString runtime = QDir::tempPath() + "/orvex-test-runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
