#include "tools/help/help_colours.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QUrl>

#include "platform/qt/qt_palette.hpp"

namespace orvane {
namespace {

QString mainPage() {
    return QStringLiteral(ORVANE_BUILD_HELP_DIR) + QStringLiteral("/orvane.htc");
}

// The main page in Night: the heading's panel colours become Night's, and nothing of the page as
// shown has more than a trace of green or blue.
TEST(HelpColours, ANightPageIsRedOnBlackOnly) {
    QFile file(mainPage());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString day = QString::fromUtf8(file.readAll());
    ASSERT_TRUE(day.contains(QStringLiteral("#ffd511")));
    const QString night = pageInShade(day, Shade::Night);
    EXPECT_FALSE(night.contains(QStringLiteral("#ffd511"), Qt::CaseInsensitive));
    EXPECT_FALSE(night.contains(QStringLiteral("#0000ff"), Qt::CaseInsensitive));
    EXPECT_EQ(pageInShade(day, Shade::Day), day);
    EXPECT_EQ(pageInShade(day, std::nullopt), day);

    ShadedBrowser browser(Shade::Night, nullptr);
    browser.setPalette(paletteOf(coloursOf(Shade::Night)));
    browser.resize(240, 320);
    browser.setSource(QUrl::fromLocalFile(mainPage()), QTextDocument::HtmlResource);
    const QImage shown = browser.grab().toImage();
    long bright = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            bright +=
                fitsNight({static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                           static_cast<std::uint8_t>(qBlue(p))})
                    ? 0
                    : 1;
        }
    }
    EXPECT_EQ(bright, 0);
}

}  // namespace
}  // namespace orvane
