#include "platform/qt/data_paths.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

namespace orvane {

namespace {

struct BitmapResource {
    std::string_view number;
    const char* file;
};

// The program's bitmap resources and the files that hold them.
constexpr BitmapResource kBitmaps[] = {
    {"130", "about.bmp"},
};

bool plainName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && name != QStringLiteral(".") &&
           name != QStringLiteral("..");
}

QStringList& addedFolders() {
    static QStringList folders;
    return folders;
}

}  // namespace

QStringList dataFoldersFor(const QString& programFolder) {
    if (programFolder.isEmpty()) {
        return {};
    }
    return {programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/" ORVANE_DATA_RELATIVE))};
}

void addDataFolder(const QString& folder) {
    if (!addedFolders().contains(folder)) {
        addedFolders() << folder;
    }
}

QStringList dataFolders() {
    return dataFoldersFor(QCoreApplication::applicationDirPath()) + addedFolders();
}

QString findPictureFile(std::string_view name) {
    QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const qsizetype cut =
        std::max(file.lastIndexOf(QLatin1Char('\\')), file.lastIndexOf(QLatin1Char('/')));
    file = file.mid(cut + 1);
    if (!plainName(file)) {
        return {};
    }
    for (const QString& folder : dataFolders()) {
        const QFileInfo candidate(folder + QLatin1Char('/') + file);
        if (candidate.isFile()) {
            return candidate.filePath();
        }
    }
    return {};
}

QImage readPicture(const QString& path) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format == "bmp" || format == "png") {
        QImageReader reader(path, format);
        reader.setAutoDetectImageFormat(false);
        const QImage picture = reader.read();
        if (!picture.isNull()) {
            return picture;
        }
    }
    return QImage(path);
}

QString bitmapResourceFile(std::string_view number) {
    for (const BitmapResource& b : kBitmaps) {
        if (b.number == number) {
            return findPictureFile(b.file);
        }
    }
    return {};
}

QString findProgram(const QString& name) {
    if (!plainName(name)) {
        return {};
    }
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
    if (beside.isFile() && beside.isExecutable()) {
        return beside.filePath();
    }
    return QStandardPaths::findExecutable(name);
}

}  // namespace orvane
