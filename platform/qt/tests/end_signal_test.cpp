// The real program asked to end by a signal, as at a desktop logout or by a service manager.
#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace orvane {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EndSignal, TermAndHangUpCloseTheProgramInOrderAndSaveAsExitDoes) {
    // Regression: SIGTERM and SIGHUP ended the program without saving, losing what the pilot
    // changed in the session. Here the session's change is the unit flag that loads as 1 from a
    // stored 2, which only a save writes back.
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGHUP");
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString store = folder.path() + QStringLiteral("/registry.reg");
        {
            QFile file(store);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(
                "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\software\\Kelbrin Software\\kq7d]\n"
                "@=\"Preference data\"\n\"Temp\"=dword:00000002\n"
                "\"Press\"=dword:00000000\n");
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        environment.insert(QStringLiteral("ORVANE_REGISTRY"), store);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANE_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        // The program runs (its splash is up) once it listens for other copies.
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(folder.path() + QStringLiteral("/orvane.socket")) &&
               clock.elapsed() < 20000) {
            QThread::msleep(20);
        }
        QThread::msleep(300);
        ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signal), 0);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_TRUE(readAll(store).contains("\"Temp\"=dword:00000001"));
        EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral("/orvane.socket")));
    }
}

}  // namespace
}  // namespace orvane
