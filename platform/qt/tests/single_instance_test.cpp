#include "platform/qt/single_instance.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/qt/tests/qt_test_support.hpp"

namespace orvane {
namespace {

using Outcome = SingleInstance::Outcome;

// Short waits, so that a test of a stale lock takes a fraction of a second.
constexpr SingleInstanceTiming kQuick{2000, 200, 10};

// Runs the event loop until done() or a second has gone by.
template <class Done>
bool processEventsUntil(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

class SingleInstanceTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString folder() const { return folder_.path(); }

    // A copy of the program that took the lock and the socket here, then crashed.
    void crashedCopy() {
        QProcess copy;
        copy.start(QStringLiteral(ORVANE_QT_TEST_PROGRAM),
                   {QStringLiteral("--hold-lock"), folder()});
        ASSERT_TRUE(copy.waitForFinished(10000));
        ASSERT_EQ(copy.exitStatus(), QProcess::CrashExit);
        ASSERT_TRUE(QFile::exists(folder() + QStringLiteral("/orvane.lock")));
        ASSERT_TRUE(QFile::exists(folder() + QStringLiteral("/orvane.socket")));
    }

    QTemporaryDir folder_;
};

TEST_F(SingleInstanceTest, TheFirstCopyRunsAndALaterOneBringsItForward) {
    int broughtForward = 0;
    SingleInstance first(folder(), [&] { ++broughtForward; });
    EXPECT_EQ(first.claim(true, kQuick), Outcome::First);
    EXPECT_TRUE(first.holdsLock());

    SingleInstance second(folder(), [] {});
    // The running copy is this process: the request is delivered, the answer not awaited.
    EXPECT_EQ(second.claim(false, kQuick), Outcome::Forwarded);
    EXPECT_FALSE(second.holdsLock());
    EXPECT_TRUE(processEventsUntil([&] { return broughtForward == 1; }));
}

TEST_F(SingleInstanceTest, AfterTheRunningCopyEndsTheNextOneRuns) {
    {
        SingleInstance first(folder(), [] {});
        ASSERT_EQ(first.claim(true, kQuick), Outcome::First);
    }
    SingleInstance next(folder(), [] {});
    EXPECT_EQ(next.claim(true, kQuick), Outcome::First);
}

TEST_F(SingleInstanceTest, ALockAndSocketLeftByACrashedCopyDoNotStopTheNextStart) {
    crashedCopy();
    int broughtForward = 0;
    SingleInstance next(folder(), [&] { ++broughtForward; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(next.claim(true, kQuick), Outcome::First);
    EXPECT_LT(clock.elapsed(), 1000);  // the dead process is seen at once, no waiting
    // And it listens on the socket it replaced.
    SingleInstance later(folder(), [] {});
    EXPECT_EQ(later.claim(false, kQuick), Outcome::Forwarded);
    EXPECT_TRUE(processEventsUntil([&] { return broughtForward == 1; }));
}

TEST_F(SingleInstanceTest, ALockNobodyAnswersForIsTakenOver) {
    // A lock file cut short (a crash while it was written): the lock cannot tell who held it.
    QFile lock(folder() + QStringLiteral("/orvane.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    SingleInstance next(folder(), [] {});
    EXPECT_EQ(next.claim(true, kQuick), Outcome::First);
    EXPECT_TRUE(next.holdsLock());
}

TEST_F(SingleInstanceTest, WithoutAFolderTheProgramRunsAnyway) {
    SingleInstance anywhere(QString(), [] {});
    EXPECT_EQ(anywhere.claim(true, kQuick), Outcome::First);
    EXPECT_FALSE(anywhere.holdsLock());
}

TEST_F(SingleInstanceTest, OnlyAFolderOfThisUserClosedToOthersIsPrivate) {
    const QByteArray path = QFile::encodeName(folder());
    ASSERT_EQ(::chmod(path.constData(), 0700), 0);
    EXPECT_TRUE(SingleInstance::privateFolder(folder()));
    ASSERT_EQ(::chmod(path.constData(), 0755), 0);
    EXPECT_FALSE(SingleInstance::privateFolder(folder()));
    ASSERT_EQ(::chmod(path.constData(), 0700), 0);

    const QString link = folder() + QStringLiteral("-link");
    QFile::remove(link);
    ASSERT_TRUE(QFile::link(folder(), link));
    EXPECT_FALSE(SingleInstance::privateFolder(link));  // a symbolic link is not followed
    QFile::remove(link);
    EXPECT_FALSE(SingleInstance::privateFolder(folder() + QStringLiteral("/missing")));
    EXPECT_FALSE(SingleInstance::privateFolder(QString()));
}

TEST_F(SingleInstanceTest, TheUsersRuntimeFolderIsPrivate) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    // An unsafe XDG_RUNTIME_DIR is passed over for a folder of our own.
    const QByteArray path = QFile::encodeName(folder());
    ASSERT_EQ(::chmod(path.constData(), 0777), 0);
    qputenv("XDG_RUNTIME_DIR", path);
    const QString runtime = SingleInstance::userRuntimeFolder();
    EXPECT_NE(runtime, folder());
    EXPECT_TRUE(runtime.isEmpty() || SingleInstance::privateFolder(runtime));
    ASSERT_EQ(::chmod(path.constData(), 0700), 0);
    EXPECT_EQ(SingleInstance::userRuntimeFolder(), folder());
    qputenv("XDG_RUNTIME_DIR", saved);
}

}  // namespace
}  // namespace orvane
