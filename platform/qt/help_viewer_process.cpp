#include "platform/qt/help_viewer_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <vector>

extern char** environ;

namespace orvane {

std::unique_ptr<HelpViewerProcess> HelpViewerProcess::start(const QString& path,
                                                            std::string_view argument,
                                                            QRect mainWindow, double zoom) {
    // A socket rather than a pipe: a write to a viewer that has gone fails with an error instead
    // of a signal.
    int channel[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) {
        return nullptr;
    }
    const QByteArray program = QFile::encodeName(path);
    const QByteArray beside = QStringLiteral("%1,%2,%3,%4")
                                  .arg(mainWindow.x())
                                  .arg(mainWindow.y())
                                  .arg(mainWindow.width())
                                  .arg(mainWindow.height())
                                  .toLatin1();
    const QByteArray zoomText = QByteArray::number(zoom);  // always with '.'
    const std::string page(argument);
    std::vector<char*> argv{const_cast<char*>(program.constData()), const_cast<char*>("--listen"),
                            const_cast<char*>("--zoom"), const_cast<char*>(zoomText.constData())};
    if (mainWindow.isValid()) {
        argv.push_back(const_cast<char*>("--beside"));
        argv.push_back(const_cast<char*>(beside.constData()));
    }
    argv.push_back(const_cast<char*>(page.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDIN_FILENO);
    pid_t pid = 0;
    const int failed =
        ::posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(channel[1]);
    if (failed != 0) {
        ::close(channel[0]);
        return nullptr;
    }
    return std::unique_ptr<HelpViewerProcess>(new HelpViewerProcess(pid, channel[0]));
}

HelpViewerProcess::~HelpViewerProcess() {
    ::close(channel_);
    (void)running();  // collects a viewer that has already ended
}

bool HelpViewerProcess::running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == 0) {
        return true;
    }
    pid_ = -1;
    return false;
}

bool HelpViewerProcess::send(const std::string& line) {
    if (!running()) {
        return false;
    }
    const ssize_t sent = ::send(channel_, line.data(), line.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    return sent == static_cast<ssize_t>(line.size());
}

bool HelpViewerProcess::show(std::string_view argument) {
    return send("page " + std::string(argument) + "\n");
}

void HelpViewerProcess::setZoom(double zoom) {
    (void)send("zoom " + QByteArray::number(zoom).toStdString() + "\n");
}

std::string HelpViewerProcess::where(int timeoutMs) {
    if (!send("where\n")) {
        return {};
    }
    std::string answer;
    pollfd fd{channel_, POLLIN, 0};
    while (::poll(&fd, 1, timeoutMs) > 0) {
        char c = 0;
        if (::read(channel_, &c, 1) != 1) {
            break;
        }
        if (c == '\n') {
            return answer;
        }
        answer += c;
    }
    return {};
}

}  // namespace orvane
