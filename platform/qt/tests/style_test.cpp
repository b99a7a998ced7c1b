// The program's widget style: widgets of the same colours draw with one palette, so that what the
// style keeps of a dialog's drawing goes by the same names every time the dialog opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
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

}  // namespace
}  // namespace orvane
