#include "platform/qt/dialog_units.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "platform/qt/tests/qt_test_support.hpp"
#include "res/templates.hpp"

namespace orvane {
namespace {

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int value, numerator, denominator, expected;
    } cases[] = {
        {156, 6, 4, 234}, {157, 6, 4, 236},  // 235.5 goes up
        {1, 1, 2, 1},     {-1, 1, 2, -1},    // halves away from zero either side
        {3, 11, 8, 4},    {-3, 11, 8, -4},  {10, 3, -4, -8}, {0, 7, 4, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mulDiv(c.value, c.numerator, c.denominator), c.expected)
            << c.value << " * " << c.numerator << " / " << c.denominator;
    }
}

TEST(DialogUnits, EveryTemplateFitsTheScreen) {
    for (const DialogTemplate* t : allDialogTemplates()) {
        const DialogPlace place = dialogPlace(*t);
        EXPECT_GE(place.frame.x, 0) << "template " << t->id;
        EXPECT_LE(place.frame.x + place.frame.width, kScreenWidth) << "template " << t->id;
        EXPECT_LE(place.frame.y + place.frame.height, kScreenHeight) << "template " << t->id;
    }
}

// The dialog face's base units at each template size are the device's, so that a text has the
// room its template gave it.
TEST(DialogUnits, TheDialogFontHasTheDevicesBaseUnits) {
    for (int points : {8, 10, 12, 14}) {
        const BaseUnits units = dialogBaseUnits(points);
        const QFont font = dialogFont(units.pixelSize);
        if (QFontInfo(font).family() != QStringLiteral("DejaVu Sans Condensed")) {
            GTEST_SKIP() << "the condensed face is not installed";
        }
        EXPECT_EQ(averageCharWidth(font), units.x) << points << " points";
        EXPECT_EQ(QFontMetrics(font).height(), units.y) << points << " points";
    }
}

TEST(DialogUnits, NeighbouringControlsStayNeighboursAtEveryZoom) {
    const BaseUnits units = dialogBaseUnits(findDialogTemplate(154)->pointSize);
    // Three position fields side by side at 19, 32 and 45, each 13 units wide.
    const PixelRect a = dialogRect(units, 19, 16, 13, 12);
    const PixelRect b = dialogRect(units, 32, 16, 13, 12);
    const PixelRect c = dialogRect(units, 45, 16, 13, 12);
    EXPECT_EQ(a.x + a.width, b.x);
    EXPECT_EQ(b.x + b.width, c.x);
    for (double zoom : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        const QRect za = zoomedRect(a, zoom);
        const QRect zb = zoomedRect(b, zoom);
        EXPECT_EQ(za.x() + za.width(), zb.x()) << "zoom " << zoom;
    }
}

}  // namespace
}  // namespace orvane
