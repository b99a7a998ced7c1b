#include "tools/help/help_page.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvane {

namespace {

constexpr qsizetype kLongestName = 64;
const QString kDevicePrefix = QStringLiteral("file:\\windows\\");

bool plainPageName(const QString& name) {
    if (name.isEmpty() || name.size() > kLongestName || name.startsWith(QLatin1Char('.'))) {
        return false;
    }
    for (const QChar c : name) {
        const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                             (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                             (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                             c == QLatin1Char('.') || c == QLatin1Char('_') ||
                             c == QLatin1Char('-');
        if (!allowed) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString helpPageName(const QString& argument) {
    if (!argument.startsWith(kDevicePrefix, Qt::CaseInsensitive)) {
        return {};
    }
    const QString name = argument.mid(kDevicePrefix.size());
    return plainPageName(name) ? name : QString();
}

QString linkedPageName(const QString& link) {
    if (plainPageName(link)) {
        return link;
    }
    return helpPageName(link);
}

QStringList helpFolders() {
    QStringList folders;
    const QString here = QCoreApplication::applicationDirPath();
    if (!here.isEmpty()) {
        folders << here + QStringLiteral("/help")
                << QDir::cleanPath(here + QStringLiteral("/" ORVANE_DATA_RELATIVE "/help"));
    }
    // Nowhere else: an installed viewer never looks in the folder it was built in.
    return folders;
}

QString findHelpPage(const QString& name) {
    if (!plainPageName(name)) {
        return {};
    }
    for (const QString& folder : helpFolders()) {
        const QFileInfo page(folder + QLatin1Char('/') + name);
        if (page.isFile()) {
            return page.filePath();
        }
    }
    return {};
}

}  // namespace orvane
