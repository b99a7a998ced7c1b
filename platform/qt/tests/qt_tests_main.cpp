// The Qt host's tests, on an application off screen. Run with "--hold-lock FOLDER" the program is
// instead a copy of Orvane that takes the single-instance lock and socket in FOLDER and then
// crashes, leaving both behind; with "--claim FOLDER" a copy that claims the rule there, prints
// "first N" after serving for four seconds (N: the copies it brought forward) or
// "forwarded", and ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/qt/qt_ui.hpp"
#include "platform/qt/single_instance.hpp"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        orvane::SingleInstance copy(QString::fromLocal8Bit(argv[2]), [] {});
        if (copy.claim() != orvane::SingleInstance::Outcome::First || !copy.listening()) {
            return 2;
        }
        std::abort();  // a crash: neither the lock file nor the socket is cleaned up
    }
    if (argc == 3 && std::strcmp(argv[1], "--claim") == 0) {
        QCoreApplication app(argc, argv);
        int broughtForward = 0;
        orvane::SingleInstance copy(QString::fromLocal8Bit(argv[2]), [&] { ++broughtForward; });
        if (copy.claim() == orvane::SingleInstance::Outcome::Forwarded) {
            std::printf("forwarded\n");
            return 0;
        }
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 4000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        std::printf("first %d\n", broughtForward);
        return 0;
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
