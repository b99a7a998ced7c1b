#include "platform/qt/data_paths.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap_file.hpp"

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
    if (format == "bmp") {
        // The program's own bitmaps are read here directly (see bitmap_file.hpp); one this
        // reader does not take goes on to Qt's.
        constexpr std::size_t kLargestBitmap =
            54 + 1024 + std::size_t{kBitmapMaxSide} * kBitmapMaxSide * 4;
        const QFileInfo file(path);
        if (!file.isFile() || static_cast<std::uint64_t>(file.size()) > kLargestBitmap) {
            return {};
        }
        if (std::optional<BitmapPixels> bitmap =
                readBitmapFileAt(QFile::encodeName(path).toStdString(), kLargestBitmap)) {
            // The image takes the pixels over as they are (0xFFRRGGBB is its RGB32).
            auto* pixels = new std::vector<std::uint32_t>(std::move(bitmap->pixels));
            return QImage(
                reinterpret_cast<uchar*>(pixels->data()), bitmap->width, bitmap->height,
                static_cast<qsizetype>(bitmap->width) * 4, QImage::Format_RGB32,
                [](void* owned) { delete static_cast<std::vector<std::uint32_t>*>(owned); },
                pixels);
        }
    }
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

QImage cachedPicture(const QString& path) {
    // The pictures painted most lately, with what their files were when read. Two: the splash,
    // and whichever other window paints one.
    struct Entry {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QImage picture;
    };
    static Entry entries[2];
    static std::size_t next = 0;
    const QFileInfo file(path);
    const qint64 size = file.size();
    const QDateTime modified = file.lastModified();
    for (const Entry& e : entries) {
        if (!e.path.isEmpty() && e.path == path && e.size == size && e.modified == modified) {
            return e.picture;
        }
    }
    Entry& e = entries[next];
    next = (next + 1) % std::size(entries);
    e = Entry{path, size, modified, readPicture(path)};
    return e.picture;
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
