// The Qt host's tests. Run with "--hold-lock FOLDER" the program is instead a copy of Orvane that
// takes the single-instance lock and socket in FOLDER and then crashes, leaving both behind.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalServer>
#include <QLockFile>
#include <cstdlib>
#include <cstring>

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
    return RUN_ALL_TESTS();
}
