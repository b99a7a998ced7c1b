#include "platform/qt/qt_platform.hpp"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QProcess>

#include "platform/data_files.hpp"
#include "platform/qt/data_paths.hpp"

namespace orvane {

QtPlatform::QtPlatform(int& argc, char** argv, Registry& store)
    : app_(std::make_unique<QApplication>(argc, argv)), store_(store) {
    setUpApplication();
    ui_ = std::make_unique<QtUi>(static_cast<QtUi::Hooks&>(*this), false);
    ui_->rememberZoomIn(store_);
    clock_.start();
}

QtPlatform::~QtPlatform() {
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
