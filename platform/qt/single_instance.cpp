#include "platform/qt/single_instance.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvane {

namespace {

constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";
constexpr int kConnectWaitMs = 500;
constexpr int kAnswerWaitMs = 2000;
// After a failed accept (no descriptors left), how long the listening rests before it tries
// again: the waiting client stays queued, and the loop does not spin on it meanwhile.
constexpr int kAcceptPauseMs = 100;

int openSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// The socket's address; false when the path does not fit in one.
bool socketAddress(const QString& path, sockaddr_un& address, socklen_t& length) {
    const QByteArray bytes = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + bytes.size() + 1);
    return true;
}

// Waits until fd is ready for events, at most ms; false on a timeout or an error.
bool waitFor(int fd, short events, int ms) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        pollfd p{fd, events, 0};
        const int left = std::max(0, ms - static_cast<int>(clock.elapsed()));
        const int n = ::poll(&p, 1, left);
        if (n > 0) {
            return (p.revents & events) != 0;
        }
        if (n == 0 || errno != EINTR) {
            return false;
        }
    }
}

void closeQuietly(int fd) {
    if (fd >= 0) {
        ::close(fd);
    }
}

}  // namespace

struct SingleInstance::Client {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
    QElapsedTimer since;
};

SingleInstance::SingleInstance(QString folder, std::function<void()> bringForward)
    : folder_(std::move(folder)), bringForward_(std::move(bringForward)) {
    acceptPause_.setSingleShot(true);
    QObject::connect(&acceptPause_, &QTimer::timeout, [this] {
        if (listenNotifier_) {
            listenNotifier_->setEnabled(true);
            acceptClients();
        }
    });
    QObject::connect(&sweep_, &QTimer::timeout, [this] { dropSilentClients(); });
}

SingleInstance::~SingleInstance() {
    release();
}

QString SingleInstance::lockPath() const {
    return folder_ + QStringLiteral("/orvane.lock");
}

QString SingleInstance::socketPath() const {
    return folder_ + QStringLiteral("/orvane.socket");
}

bool SingleInstance::privateFolder(const QString& folder) {
    if (folder.isEmpty()) {
        return false;
    }
    struct stat info {};
    const QByteArray path = QFile::encodeName(folder);
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString SingleInstance::runtimeFolderFrom(const QString& runtimeDir, const QString& cacheHome,
                                          const QString& home) {
    if (privateFolder(runtimeDir)) {
        return runtimeDir;
    }
    // The user's own cache folder: nobody else can make a folder in it first. A relative
    // $XDG_CACHE_HOME is ignored, as the convention says.
    QString cache = cacheHome;
    if (!cache.startsWith(QLatin1Char('/'))) {
        if (!home.startsWith(QLatin1Char('/'))) {
            return {};
        }
        cache = home + QStringLiteral("/.cache");
        (void)::mkdir(QFile::encodeName(cache).constData(), 0700);
    }
    const QString own = cache + QStringLiteral("/orvane");
    const QByteArray path = QFile::encodeName(own);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // A folder of that name opened to others, or not the user's, is not used.
    return privateFolder(own) ? own : QString();
}

QString SingleInstance::userRuntimeFolder() {
    return runtimeFolderFrom(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                             qEnvironmentVariable("XDG_CACHE_HOME"), qEnvironmentVariable("HOME"));
}

void SingleInstance::runWithoutTheRule(const QString& why) {
    std::fprintf(stderr, "orvane: %s; running without the one-copy rule\n",
                 why.toLocal8Bit().constData());
}

SingleInstance::Outcome SingleInstance::claim(bool waitForAnswer, SingleInstanceTiming timing) {
    if (lockFd_ >= 0) {
        return Outcome::First;
    }
    timing_ = timing;
    if (folder_.isEmpty()) {
        runWithoutTheRule(
            QStringLiteral("no private folder for the lock (XDG_RUNTIME_DIR, "
                           "$XDG_CACHE_HOME/orvane or ~/.cache/orvane)"));
        return Outcome::First;
    }
    if (!privateFolder(folder_)) {
        runWithoutTheRule(folder_ + QStringLiteral(" is not a folder of this user alone"));
        return Outcome::First;
    }
    const QByteArray lock = QFile::encodeName(lockPath());
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        runWithoutTheRule(lockPath() + QStringLiteral(": ") +
                          QString::fromLocal8Bit(std::strerror(errno)));
        return Outcome::First;
    }
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lockFd_ = fd;
            if (!listen()) {
                runWithoutTheRule(socketPath() + QStringLiteral(" cannot be listened on"));
            }
            return Outcome::First;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            runWithoutTheRule(lockPath() + QStringLiteral(" cannot be locked"));
            return Outcome::First;
        }
        // Another copy holds the lock: it listens right after taking it.
        if (askToComeForward(waitForAnswer)) {
            ::close(fd);
            return Outcome::Forwarded;
        }
        if (clock.elapsed() >= timing.giveUpMs) {
            ::close(fd);
            runWithoutTheRule(QStringLiteral("the running copy does not answer"));
            return Outcome::First;
        }
        QThread::msleep(static_cast<unsigned long>(timing.retryMs));
    }
}

bool SingleInstance::listen() {
    sockaddr_un address{};
    socklen_t length = 0;
    if (!socketAddress(socketPath(), address, length)) {
        return false;  // a folder path too long for a socket
    }
    // A socket left by a copy that crashed: this copy holds the lock, so it is nobody's.
    ::unlink(address.sun_path);
    const int fd = openSocket();
    if (fd < 0) {
        return false;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::listen(fd, kMostClients) != 0) {
        ::close(fd);
        return false;
    }
    listenFd_ = fd;
    listenNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(listenNotifier_.get(), &QSocketNotifier::activated,
                     [this] { acceptClients(); });
    return true;
}

void SingleInstance::acceptClients() {
    while (listenFd_ >= 0) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) {
                continue;
            }
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                // No descriptor or memory left for now: the socket stays, and listening goes on
                // after a rest, when silent clients may have been dropped.
                listenNotifier_->setEnabled(false);
                acceptPause_.start(kAcceptPauseMs);
            }
            return;
        }
        // Only this user's copies are served.
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
            peer.uid != ::getuid() || clientCount() >= kMostClients) {
            ::close(fd);
            continue;
        }
        auto client = std::make_unique<Client>();
        client->fd = fd;
        client->since.start();
        client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        Client* c = client.get();
        QObject::connect(c->notifier.get(), &QSocketNotifier::activated,
                         [this, c] { readClient(*c); });
        clients_.push_back(std::move(client));
        if (!sweep_.isActive()) {
            sweep_.start(std::max(10, timing_.silentClientMs / 4));
        }
    }
}

void SingleInstance::readClient(Client& client) {
    char buffer[kLongestLine];
    for (;;) {
        const ssize_t n = ::recv(client.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            client.received.append(buffer, n);
            if (client.received.contains('\n')) {
                break;
            }
            if (client.received.size() >= kLongestLine) {
                dropClient(client);  // not one of ours
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;  // more to come
        }
        dropClient(client);  // gone without a whole line, or failed
        return;
    }
    const QByteArray line = client.received.left(client.received.indexOf('\n') + 1);
    const bool asked = line == kRequest;
    const int fd = client.fd;
    client.fd = -1;
    dropClient(client);  // before bringing the window forward, which may run other events
    if (asked) {
        if (bringForward_) {
            bringForward_();
        }
        (void)::send(fd, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    ::close(fd);
}

void SingleInstance::dropClient(Client& client) {
    const auto it =
        std::find_if(clients_.begin(), clients_.end(),
                     [&](const std::unique_ptr<Client>& c) { return c.get() == &client; });
    if (it == clients_.end()) {
        return;
    }
    std::unique_ptr<Client> gone = std::move(*it);
    clients_.erase(it);
    // The notifier may be the one whose signal runs now: it goes once that is over.
    gone->notifier->setEnabled(false);
    gone->notifier.release()->deleteLater();
    closeQuietly(gone->fd);
    if (clients_.empty()) {
        sweep_.stop();
    }
}

void SingleInstance::dropSilentClients() {
    std::vector<Client*> silent;
    for (const auto& c : clients_) {
        if (c->since.elapsed() >= timing_.silentClientMs) {
            silent.push_back(c.get());
        }
    }
    for (Client* c : silent) {
        dropClient(*c);
    }
    // Descriptors may be free again for a client that waits.
    if (!silent.empty() && listenNotifier_ && !listenNotifier_->isEnabled()) {
        acceptPause_.stop();
        listenNotifier_->setEnabled(true);
        acceptClients();
    }
}

bool SingleInstance::askToComeForward(bool waitForAnswer) {
    sockaddr_un address{};
    socklen_t length = 0;
    if (!socketAddress(socketPath(), address, length)) {
        return false;
    }
    const int fd = openSocket();
    if (fd < 0) {
        return false;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        if (errno != EINPROGRESS || !waitFor(fd, POLLOUT, kConnectWaitMs)) {
            return false;  // nobody listens yet, or the running copy's queue is full
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
            return false;
        }
    }
    std::size_t sent = 0;
    while (sent < sizeof kRequest - 1) {
        const ssize_t n = ::send(fd, kRequest + sent, sizeof kRequest - 1 - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                   waitFor(fd, POLLOUT, kConnectWaitMs)) {
            continue;
        } else {
            return false;
        }
    }
    if (!waitForAnswer) {
        return true;
    }
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < kLongestLine) {
        if (!waitFor(fd, POLLIN, kAnswerWaitMs)) {
            return false;
        }
        char buffer[kLongestLine];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            answer.append(buffer, n);
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
            return false;
        }
    }
    return answer == kAnswer;
}

void SingleInstance::release() {
    acceptPause_.stop();
    sweep_.stop();
    while (!clients_.empty()) {
        dropClient(*clients_.back());
    }
    listenNotifier_.reset();
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        // The socket goes while this copy still holds the lock: nobody else made it.
        ::unlink(QFile::encodeName(socketPath()).constData());
    }
    if (lockFd_ >= 0) {
        ::close(lockFd_);  // gives up the lock; the file stays for the next copy
        lockFd_ = -1;
    }
}

}  // namespace orvane
