// The Qt host's tests, on an application off screen. Run with "--hold-lock FOLDER" the program is
// instead a copy of Orvane that takes the single-instance lock and socket in FOLDER and then
// crashes, leaving both behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLocalServer>
#include <QLockFile>
#include <cstdlib>
#include <cstring>

#include "platform/qt/qt_ui.hpp"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        QLockFile lock(folder + QStringLiteral("/orvane.lock"));
        QLocalServer server;
        if (!lock.tryLock(0) || !server.listen(folder + QStringLiteral("/orvane.socket"))) {
            return 2;
        }
        std::abort();  // a crash: neither the lock nor the socket is cleaned up
    }
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();  // listing needs no windows
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    orvane::setUpApplication();
    return RUN_ALL_TESTS();
}
