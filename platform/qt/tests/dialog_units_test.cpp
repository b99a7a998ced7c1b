#include "platform/qt/dialog_units.hpp"

#include <gtest/gtest.h>

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

TEST(DialogUnits, EveryTemplateFitsTheScreenWidth) {
    for (const DialogTemplate* t : allDialogTemplates()) {
        const DialogMetrics metrics = dialogMetrics(*t);
        EXPECT_LE(dialogClientSize(metrics, *t).width(), kScreenWidth) << "template " << t->id;
        // Every control lies inside its dialog.
        for (const ControlTemplate& c : t->controls) {
            const QRect r = mapDialogRect(metrics, c.x, c.y, c.width, c.height);
            EXPECT_LE(r.right(), kScreenWidth) << "template " << t->id << " control " << c.id;
        }
    }
}

TEST(DialogUnits, BaseUnitsComeFromTheFont) {
    const DialogTemplate* calculator = findDialogTemplate(106);
    ASSERT_NE(calculator, nullptr);
    const DialogMetrics metrics = dialogMetrics(*calculator);
    EXPECT_EQ(metrics.baseX, averageCharWidth(metrics.font));
    EXPECT_EQ(metrics.baseY, QFontMetrics(metrics.font).height());
    // Four horizontal units are one average character, eight vertical units one line.
    const QRect r = mapDialogRect(metrics, 4, 8, 4, 8);
    EXPECT_EQ(r.width(), metrics.baseX);
    EXPECT_EQ(r.height(), metrics.baseY);
}

TEST(DialogUnits, NeighbouringControlsStayNeighbours) {
    const DialogMetrics metrics = dialogMetrics(*findDialogTemplate(154));
    // Three position fields side by side at 19, 32 and 45, each 13 units wide.
    const QRect a = mapDialogRect(metrics, 19, 16, 13, 12);
    const QRect b = mapDialogRect(metrics, 32, 16, 13, 12);
    const QRect c = mapDialogRect(metrics, 45, 16, 13, 12);
    EXPECT_EQ(a.x() + a.width(), b.x());
    EXPECT_EQ(b.x() + b.width(), c.x());
}

TEST(DialogUnits, WideFontsAreMadeSmallerUntilTheTemplateFits) {
    const DialogTemplate wide = {1, "", 239, 10, "Tahoma", 30, 0, {}};
    const DialogMetrics metrics = dialogMetrics(wide);
    EXPECT_LE(mulDiv(wide.width, metrics.baseX, 4), kScreenWidth);
    EXPECT_LT(metrics.font.pixelSize(), 40);
}

}  // namespace
}  // namespace orvane
