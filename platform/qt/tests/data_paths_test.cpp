#include "platform/qt/data_paths.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "tools/help/help_page.hpp"

namespace orvane {
namespace {

TEST(DataPaths, AnInstalledProgramLooksOnlyBesideItselfAndUnderItsPrefix) {
    // Regression: the build tree's folder, compiled in, was searched by an installed program
    // too, so that anyone who made that folder on another machine could feed it pictures.
    EXPECT_EQ(
        dataFoldersFor(QStringLiteral("/opt/orvane/bin")),
        (QStringList{QStringLiteral("/opt/orvane/bin"),
                     QDir::cleanPath(QStringLiteral("/opt/orvane/bin/" ORVANE_DATA_RELATIVE))}));
    EXPECT_EQ(QDir::cleanPath(QStringLiteral("/usr/bin/" ORVANE_DATA_RELATIVE)),
              QStringLiteral("/usr/share/orvane"));
    const QStringList searched = dataFolders();
    ASSERT_GE(searched.size(), 2);
    EXPECT_EQ(searched.mid(0, 2), dataFoldersFor(QCoreApplication::applicationDirPath()));
}

TEST(DataPaths, TheHelpViewerLooksOnlyBesideItselfAndUnderItsPrefix) {
    const QString here = QCoreApplication::applicationDirPath();
    EXPECT_EQ(
        helpFolders(),
        (QStringList{here + QStringLiteral("/help"),
                     QDir::cleanPath(here + QStringLiteral("/" ORVANE_DATA_RELATIVE "/help"))}));
}

TEST(DataPaths, TheProgramsBitmapsReadAsQtsOwnReaderReadsThem) {
    // The program reads its bitmaps itself; it must see the very pixels Qt's reader sees.
    for (const char* name : {"Orvane_splash.bmp", "about.bmp"}) {
        const QString file = QStringLiteral(ORVANE_SOURCE_DIR "/res/") + QLatin1String(name);
        QImageReader reference(file, "bmp");
        const QImage expected = reference.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << name;
        EXPECT_EQ(readPicture(file), expected) << name;
    }
}

TEST(DataPaths, APictureIsDecodedAgainOnceItsFileChanges) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("picture.bmp"));
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(red.save(file, "BMP"));
    EXPECT_EQ(cachedPicture(file), red);
    EXPECT_EQ(cachedPicture(file), red);  // from memory
    // Another picture of another size written over it: the next paint shows the new one.
    QImage blue(5, 3, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(blue.save(file, "BMP"));
    EXPECT_EQ(cachedPicture(file), blue);
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_TRUE(cachedPicture(file).isNull());
}

}  // namespace
}  // namespace orvane
