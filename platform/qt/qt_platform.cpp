#include "platform/qt/qt_platform.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QProcess>
#include <QWidget>

#include "platform/data_files.hpp"
#include "platform/qt/data_paths.hpp"
#include "platform/qt/help_viewer_process.hpp"
#include "platform/qt/qt_palette.hpp"

namespace orvane {

namespace {

// The end of a desktop session or a service manager asks the program to end with SIGTERM or
// SIGHUP. The handler only passes the signal on through a pipe; the message loop reads it and
// closes the program in order, saving the settings as Exit does. A second signal while that goes
// on ends the program at once.
int signalPipe[2] = {-1, -1};
volatile sig_atomic_t endRequested = 0;

void onEndSignal(int signal) {
    if (endRequested) {
        ::_exit(128 + signal);
    }
    endRequested = 1;
    const char byte = static_cast<char>(signal);
    (void)!::write(signalPipe[1], &byte, 1);
}

}  // namespace

QtPlatform::QtPlatform(int& argc, char** argv, Registry& store)
    : app_(std::make_unique<QApplication>(argc, argv)),
      store_(store),
      helpViewer_([this](std::string_view argument) -> std::unique_ptr<HelpViewer> {
          const QString path = findProgram(QString::fromLatin1(kHelpViewer));
          if (path.isEmpty()) {
              return nullptr;
          }
          const QtWindow* main = ui_->mainWindow();
          const QRect beside = main != nullptr ? main->frame()->frameGeometry() : QRect();
          return HelpViewerProcess::start(path, argument, beside, ui_->zoom());
      }) {
    setUpApplication();
    ui_ = std::make_unique<QtUi>(static_cast<QtUi::Hooks&>(*this));
    ui_->rememberZoomIn(store_);
    clock_.start();
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGHUP, &action, nullptr);
    }
    if (signalPipe[0] >= 0) {
        signals_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        QObject::connect(signals_.get(), &QSocketNotifier::activated, [this] {
            char byte = 0;
            while (::read(signalPipe[0], &byte, 1) > 0) {
            }
            ui_->endFromOutside();
        });
    }
}

QtPlatform::~QtPlatform() {
    signals_.reset();
    helpViewer_ = OneHelpViewer(nullptr);  // the viewer stays open on its own
    ui_.reset();
    instance_.reset();
}

bool QtPlatform::bringRunningCopyForward() {
    auto attempt = std::make_unique<SingleInstance>(SingleInstance::userRuntimeFolder(),
                                                    [this] { ui_->bringForward(); });
    if (attempt->claim() == SingleInstance::Outcome::Forwarded) {
        return true;
    }
    instance_ = std::move(attempt);
    return false;
}

Window* QtPlatform::createMainWindow(std::string_view title, WindowProc& procedure) {
    return ui_->createMainWindow(title, procedure);
}

int QtPlatform::runMessageLoop() {
    return ui_->runMessageLoop();
}

bool QtPlatform::startProcess(std::string_view program, std::string_view argument) {
    if (program == kHelpViewer) {
        // The viewer shows its pages in the program's shade: it finds it in the environment it
        // is started with.
        const std::string_view shade = shadeName(ui_->shade());
        qputenv(kShadeVariable, QByteArray(shade.data(), static_cast<qsizetype>(shade.size())));
        return helpViewer_.request(argument);
    }
    const QString path =
        findProgram(QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size())));
    if (path.isEmpty()) {
        return false;
    }
    return QProcess::startDetached(
        path, {QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size()))});
}

Date QtPlatform::utcDate() {
    const QDate today = QDateTime::currentDateTimeUtc().date();
    return Date{today.year(), today.month(), today.day()};
}

double QtPlatform::monotonicSeconds() {
    return clock_.nsecsElapsed() / 1e9;
}

std::string QtPlatform::currencySymbol() {
    return QLocale::system().currencySymbol(QLocale::CurrencySymbol).toStdString();
}

std::string QtPlatform::shortDateOrder() {
    return dateOrderOf(QLocale::system().dateFormat(QLocale::ShortFormat));
}

std::optional<std::string> QtPlatform::readDataFile(std::string_view name, std::size_t maxBytes) {
    std::vector<std::string> folders{userDataFolder()};
    for (const QString& folder : dataFolders()) {
        folders.push_back(folder.toStdString());
    }
    return orvane::readDataFile(folders, name, maxBytes);
}

std::string dateOrderOf(const QString& format) {
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;  // quoted text in a format is literal
            continue;
        }
        if (quoted) {
            continue;
        }
        if (c == QLatin1Char('d')) {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c) {
                ++run;
            }
            if (run <= 2) {
                return "1";
            }
            i += run - 1;  // "ddd" and "dddd" are the day's name, not its place in the date
        } else if (c == QLatin1Char('M')) {
            return "0";
        } else if (c == QLatin1Char('y')) {
            return "2";
        }
    }
    return "0";
}

}  // namespace orvane
