#include "platform/qt/single_instance.hpp"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <vector>

#include "platform/qt/tests/qt_test_support.hpp"

namespace orvane {
namespace {

using Outcome = SingleInstance::Outcome;

// Short waits, so that a test of a silent client takes a fraction of a second.
constexpr SingleInstanceTiming kQuick{2000, 10, 200};

// Runs the event loop until done() or ms have gone by.
template <class Done>
bool processEventsUntil(Done done, int ms = 1000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// A client of the running copy's socket, as another program might be: connected, then it
// sends what the test says.
class RawClient {
  public:
    explicit RawClient(const QString& socketPath) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(socketPath);
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        connected_ =
            ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(fd_); }
    bool connected() const { return connected_; }
    void send(const QByteArray& bytes) {
        (void)!::send(fd_, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
    }
    // Whether the running copy closed the connection (after its answer, if any), with what it
    // answered; the event loop runs meanwhile.
    bool closedByPeer(QByteArray* answer = nullptr, int ms = 1000) {
        QByteArray got;
        const bool closed = processEventsUntil(
            [&] {
                pollfd p{fd_, POLLIN, 0};
                if (::poll(&p, 1, 0) <= 0) {
                    return false;
                }
                char buffer[256];
                const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
                if (n > 0) {
                    got.append(buffer, n);
                    return false;
                }
                return n == 0 || (errno != EAGAIN && errno != EINTR);
            },
            ms);
        if (answer != nullptr) {
            *answer = got;
        }
        return closed;
    }

  private:
    int fd_ = -1;
    bool connected_ = false;
};

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

TEST_F(SingleInstanceTest, ALockFileOfAnyContentNobodyHoldsIsTaken) {
    // A lock file cut short or full of junk: what counts is whether a process holds the lock.
    QFile lock(folder() + QStringLiteral("/orvane.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("99999\nnot a lock file");
    lock.close();
    SingleInstance next(folder(), [] {});
    EXPECT_EQ(next.claim(true, kQuick), Outcome::First);
    EXPECT_TRUE(next.holdsLock());
    EXPECT_TRUE(next.listening());
}

TEST_F(SingleInstanceTest, SixCopiesStartedTogetherEndAsOne) {
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 6; ++i) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QStringLiteral(ORVANE_QT_TEST_PROGRAM),
                             {QStringLiteral("--claim"), folder()});
    }
    int first = 0;
    int forwarded = 0;
    for (auto& copy : copies) {
        ASSERT_TRUE(copy->waitForFinished(30000));
        const QByteArray said = copy->readAllStandardOutput().trimmed();
        if (said.startsWith("first")) {
            ++first;
            EXPECT_EQ(said, "first 5");
        } else {
            EXPECT_EQ(said, "forwarded");
            ++forwarded;
        }
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(forwarded, 5);
}

TEST_F(SingleInstanceTest, AClientThatSendsJunkIsDroppedAndTheRealRequestStillServed) {
    int broughtForward = 0;
    SingleInstance running(folder(), [&] { ++broughtForward; });
    ASSERT_EQ(running.claim(true, kQuick), Outcome::First);

    RawClient wrongLine(running.socketPath());
    ASSERT_TRUE(wrongLine.connected());
    wrongLine.send("raise the gear\n");
    QByteArray answer;
    EXPECT_TRUE(wrongLine.closedByPeer(&answer));
    EXPECT_TRUE(answer.isEmpty());

    RawClient endless(running.socketPath());
    endless.send(QByteArray(SingleInstance::kLongestLine * 4, 'x'));  // no line end, ever
    EXPECT_TRUE(endless.closedByPeer());
    EXPECT_EQ(broughtForward, 0);

    SingleInstance second(folder(), [] {});
    EXPECT_EQ(second.claim(false, kQuick), Outcome::Forwarded);
    EXPECT_TRUE(processEventsUntil([&] { return broughtForward == 1; }));
}

TEST_F(SingleInstanceTest, AClientThatNeverSpeaksIsDroppedAndCannotBlockTheRunningCopy) {
    // Regression: a client that connected and said nothing was kept for ever; enough of them
    // took every descriptor.
    int broughtForward = 0;
    SingleInstance running(folder(), [&] { ++broughtForward; });
    ASSERT_EQ(running.claim(true, kQuick), Outcome::First);
    std::vector<std::unique_ptr<RawClient>> silent;
    for (int i = 0; i < SingleInstance::kMostClients + 4; ++i) {
        silent.push_back(std::make_unique<RawClient>(running.socketPath()));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);  // the copy accepts
    }
    EXPECT_TRUE(processEventsUntil([&] { return running.clientCount() > 0; }));
    EXPECT_LE(running.clientCount(), SingleInstance::kMostClients);
    // Every silent client is let go after the time allowed (200 ms here, 2 s in the program).
    for (auto& client : silent) {
        EXPECT_TRUE(client->closedByPeer(nullptr, 3000));
    }
    EXPECT_EQ(running.clientCount(), 0);
    // And a real request is served.
    RawClient asking(running.socketPath());
    asking.send("raise\n");
    QByteArray answer;
    EXPECT_TRUE(asking.closedByPeer(&answer));
    EXPECT_EQ(answer, "ok\n");
    EXPECT_EQ(broughtForward, 1);
}

TEST_F(SingleInstanceTest, RunningOutOfDescriptorsOnlyPausesTheListening) {
    // Regression: at the descriptor limit the listening socket was closed and removed, and every
    // later start ran as a second copy.
    int broughtForward = 0;
    SingleInstance running(folder(), [&] { ++broughtForward; });
    ASSERT_EQ(running.claim(true, kQuick), Outcome::First);
    RawClient asking(running.socketPath());
    ASSERT_TRUE(asking.connected());
    asking.send("raise\n");

    // Take every descriptor left (with a lowered limit, so that it takes few).
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low = saved;
    low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 512);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> taken;
    for (int fd; (fd = ::dup(0)) >= 0;) {
        taken.push_back(fd);
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const bool stillListening = running.listening();
    for (int fd : taken) {
        ::close(fd);
    }
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_TRUE(stillListening);
    EXPECT_TRUE(QFile::exists(running.socketPath()));

    QByteArray answer;
    EXPECT_TRUE(asking.closedByPeer(&answer, 3000));
    EXPECT_EQ(answer, "ok\n");
    EXPECT_EQ(broughtForward, 1);
}

TEST_F(SingleInstanceTest, AFolderOpenToOthersIsRefusedAndTheProgramRunsWithoutTheRule) {
    const QByteArray path = QFile::encodeName(folder());
    ASSERT_EQ(::chmod(path.constData(), 0777), 0);
    SingleInstance copy(folder(), [] {});
    EXPECT_EQ(copy.claim(true, kQuick), Outcome::First);
    EXPECT_FALSE(copy.holdsLock());
    EXPECT_FALSE(QFile::exists(copy.lockPath()));
    EXPECT_FALSE(QFile::exists(copy.socketPath()));
    ASSERT_EQ(::chmod(path.constData(), 0700), 0);
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

TEST_F(SingleInstanceTest, TheRuntimeFolderIsPrivateAndNeverAGuessableNameInASharedFolder) {
    // An unsafe runtime folder is passed over for one in the user's cache folder.
    const QString runtime = folder() + QStringLiteral("/runtime");
    ASSERT_TRUE(QDir().mkdir(runtime));
    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0777), 0);
    const QString cache = folder() + QStringLiteral("/cache");
    ASSERT_TRUE(QDir().mkdir(cache));
    const QString home = folder() + QStringLiteral("/home");
    ASSERT_TRUE(QDir().mkdir(home));

    EXPECT_EQ(SingleInstance::runtimeFolderFrom(runtime, cache, home), cache + "/orvane");
    EXPECT_TRUE(SingleInstance::privateFolder(cache + "/orvane"));
    // Regression: without a runtime folder the lock went to a folder of a predictable name in
    // the shared temporary folder, which another user could make first.
    EXPECT_EQ(SingleInstance::runtimeFolderFrom(QString(), QString(), home),
              home + "/.cache/orvane");
    EXPECT_EQ(SingleInstance::runtimeFolderFrom(QString(), QStringLiteral("cache"), home),
              home + "/.cache/orvane");  // a relative cache folder is ignored
    EXPECT_EQ(SingleInstance::runtimeFolderFrom(QString(), QString(), QString()), QString());

    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
    EXPECT_EQ(SingleInstance::runtimeFolderFrom(runtime, cache, home), runtime);

    // A folder of that name that someone else made (or opened to others) is refused.
    const QString opened = folder() + QStringLiteral("/opened");
    ASSERT_TRUE(QDir().mkpath(opened + "/orvane"));
    ASSERT_EQ(::chmod(QFile::encodeName(opened + "/orvane").constData(), 0755), 0);
    EXPECT_EQ(SingleInstance::runtimeFolderFrom(QString(), opened, home), QString());
    if (::geteuid() == 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(opened + "/orvane").constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(opened + "/orvane").constData(), 65534, 65534), 0);
        EXPECT_EQ(SingleInstance::runtimeFolderFrom(QString(), opened, home), QString());
    }
}

}  // namespace
}  // namespace orvane
