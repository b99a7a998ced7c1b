// The program's widget style: widgets of the same colours draw with one palette, so that what the
// style keeps of a dialog's drawing goes by the same names every time the dialog opens.
#include <algorithm>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>

#include "platform/qt/qt_style.hpp"

namespace orvane {
namespace {

// A client area as a dialog makes it, white, with a field in it.
struct WhiteArea {
    QWidget area;
    QLineEdit* field;
    WhiteArea() : field(new QLineEdit(&area)) {
        QPalette palette = area.palette();
        palette.setColor(QPalette::Window, Qt::white);
        area.setPalette(palette);
    }
};

TEST(ProgramStyle, WidgetsOfTheSameColoursDrawWithOnePalette) {
    const ProgramStyle style;
    const WhiteArea first, second;
    // Each widget has a palette of its own identity, though of the same colours.
    ASSERT_NE(first.field->palette().cacheKey(), second.field->palette().cacheKey());
    EXPECT_EQ(style.shared(first.field->palette()).cacheKey(),
              style.shared(second.field->palette()).cacheKey());
    // The field takes its colours from the area: the two draw with one palette too.
    EXPECT_EQ(style.shared(second.area.palette()).cacheKey(),
              style.shared(first.field->palette()).cacheKey());

    // Other colours, another palette.
    QPalette grey = first.field->palette();
    grey.setColor(QPalette::Base, QColor(236, 236, 236));
    EXPECT_NE(style.shared(grey).cacheKey(), style.shared(first.field->palette()).cacheKey());
    EXPECT_EQ(style.shared(grey).color(QPalette::Base), QColor(236, 236, 236));
    EXPECT_EQ(style.sharedPalettes(), 2u);
}

TEST(ProgramStyle, AWidgetDrawsInItsOwnColourGroup) {
    // A disabled field keeps its disabled colours when it draws with a palette shared with an
    // enabled one.
    const ProgramStyle style;
    QPalette enabled = QApplication::palette();
    enabled.setCurrentColorGroup(QPalette::Active);
    QPalette disabled = QApplication::palette();
    disabled.setCurrentColorGroup(QPalette::Disabled);
    ASSERT_NE(enabled.color(QPalette::Text), disabled.color(QPalette::Text));
    (void)style.shared(enabled);
    const QPalette drawn = style.shared(disabled);
    EXPECT_EQ(drawn.currentColorGroup(), QPalette::Disabled);
    EXPECT_EQ(drawn.color(QPalette::Text), disabled.color(QPalette::Text));
}

TEST(ProgramStyle, KeepsABoundedNumberOfPalettes) {
    // However many colours the windows use, the style keeps no more than its limit.
    const ProgramStyle style;
    QPalette palette = QApplication::palette();
    for (int i = 0; i < 100; ++i) {
        palette.setColor(QPalette::Window, QColor(i, i, i));
        (void)style.shared(palette);
    }
    EXPECT_EQ(style.sharedPalettes(), ProgramStyle::kMostPalettes);
}

// The marks of radio buttons and check boxes grow with the window's zoom, as their text does:
// fixed at 14 pixels they were a speck beside Preferences' text at three times the size.
TEST(ProgramStyle, RadioAndCheckMarksGrowWithTheZoom) {
    const ProgramStyle style;
    qApp->setProperty(ProgramStyle::kZoom, 1.0);
    const int atOne = style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, nullptr);
    const int checkAtOne = style.pixelMetric(QStyle::PM_IndicatorHeight, nullptr, nullptr);
    qApp->setProperty(ProgramStyle::kZoom, 3.0);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, nullptr), 3 * atOne);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_IndicatorHeight, nullptr, nullptr), 3 * checkAtOne);
    qApp->setProperty(ProgramStyle::kZoom, QVariant());
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, nullptr), atOne);
}

// On Night's near-black window an unchosen radio button's mark used to be drawn in a shade
// darker than the window: nothing of it showed. It must leave a trace the pilot can see, and
// in Night's red only.
TEST(ProgramStyle, AnUnchosenRadioMarkShowsOnANightWindow) {
    const ProgramStyle style;
    const QColor window(24, 0, 0);
    QStyleOptionButton option;
    option.rect = QRect(0, 0, 42, 42);
    option.state = QStyle::State_Enabled | QStyle::State_Off;
    option.palette.setColor(QPalette::Window, window);
    option.palette.setColor(QPalette::Base, Qt::black);
    option.palette.setColor(QPalette::WindowText, QColor(255, 40, 40));
    option.palette.setColor(QPalette::Text, QColor(255, 40, 40));
    QImage picture(42, 42, QImage::Format_RGB32);
    picture.fill(window);
    {
        QPainter painter(&picture);
        style.drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter);
    }
    int brightest = 0;
    int mostGreenOrBlue = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            brightest = std::max(brightest, c.red());
            mostGreenOrBlue = std::max({mostGreenOrBlue, c.green(), c.blue()});
        }
    }
    EXPECT_GT(brightest, 120);
    EXPECT_LE(mostGreenOrBlue, 48);
}

}  // namespace
}  // namespace orvane
