#include "platform/qt/data_paths.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

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

}  // namespace
}  // namespace orvane
