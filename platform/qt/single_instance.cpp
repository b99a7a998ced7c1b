#include "platform/qt/single_instance.hpp"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace orvane {

namespace {

constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";
constexpr qint64 kLongestLine = 64;

}  // namespace

SingleInstance::SingleInstance(QString folder, std::function<void()> bringForward)
    : folder_(std::move(folder)), bringForward_(std::move(bringForward)) {}

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

QString SingleInstance::userRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (privateFolder(runtime)) {
        return runtime;
    }
    const QString own = QDir::tempPath() + QStringLiteral("/orvane-") + QString::number(::getuid());
    const QByteArray path = QFile::encodeName(own);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // A folder of that name made by someone else, or opened to others, is not used.
    return privateFolder(own) ? own : QString();
}

SingleInstance::Outcome SingleInstance::claim(bool waitForAnswer, SingleInstanceTiming timing) {
    if (folder_.isEmpty() || lock_) {
        return Outcome::First;
    }
    QElapsedTimer clock;
    clock.start();
    qint64 silentSince = -1;
    for (;;) {
        auto lock = std::make_unique<QLockFile>(lockPath());
        // The lock is held for the whole run: it never goes stale by age, only when the process
        // that holds it is gone.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            listen();
            return Outcome::First;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            return Outcome::First;  // no lock can be made here: run without the rule
        }
        if (askToComeForward(waitForAnswer)) {
            return Outcome::Forwarded;
        }
        // The copy holding the lock does not answer: it is starting up (it listens right after
        // taking the lock), or it died in a way the lock file cannot tell.
        if (silentSince < 0) {
            silentSince = clock.elapsed();
        } else if (clock.elapsed() - silentSince >= timing.takeOverAfterMs) {
            lock->removeStaleLockFile();
            silentSince = -1;
        }
        if (clock.elapsed() >= timing.giveUpMs) {
            return Outcome::First;
        }
        QThread::msleep(static_cast<unsigned long>(timing.retryMs));
    }
}

bool SingleInstance::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath())) {
        // A socket left by a copy that crashed: this copy holds the lock, so it is nobody's.
        QLocalServer::removeServer(socketPath());
        if (!server_->listen(socketPath())) {
            server_.reset();
            return false;
        }
    }
    QLocalServer* server = server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto answer = [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kLongestLine) {
                        socket->abort();  // not one of ours
                    }
                    return;
                }
                const QByteArray line = socket->readLine(kLongestLine);
                if (line == kRequest) {
                    if (bringForward_) {
                        bringForward_();
                    }
                    socket->write(kAnswer);
                    socket->flush();
                }
                socket->disconnectFromServer();
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, answer);
            if (socket->bytesAvailable() > 0) {
                answer();
            }
        }
    });
    return true;
}

bool SingleInstance::askToComeForward(bool waitForAnswer) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(500)) {
        return false;
    }
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(1000)) {
        return false;
    }
    if (!waitForAnswer) {
        socket.disconnectFromServer();
        return true;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(2000)) {
            return false;
        }
    }
    return socket.readLine(kLongestLine) == kAnswer;
}

void SingleInstance::release() {
    if (server_) {
        server_->close();
        server_.reset();
    }
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}

}  // namespace orvane
