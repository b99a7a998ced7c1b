#include "platform/appearance.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(ContrastRatio, WorkedPairsOfTheRule) {
    const struct {
        Rgb a, b;
        double ratio;
    } cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},
        {{255, 255, 255}, {0, 0, 0}, 21.0},        // the order does not matter
        {{119, 119, 119}, {255, 255, 255}, 4.48},  // the grey that just fails on white
        {{255, 0, 0}, {0, 0, 0}, 5.25},
        {{0, 0, 255}, {255, 213, 17}, 6.0},  // Day's panel label on its yellow
        {{40, 40, 40}, {40, 40, 40}, 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01 + c.ratio * 0.01)
            << describeContrast(c.a, c.b);
    }
    // Rounded down, so that a failing ratio never reads as the rule's 4.5.
    EXPECT_EQ(describeContrast({119, 119, 119}, {255, 255, 255}), "4.4:1 (#777777 on #ffffff)");
}

// Every text colour of every shade against the backgrounds it is painted on, with a margin over
// the rule for the smoothed edges of letters.
TEST(Colours, EveryTextReadsOnItsBackgroundInEveryShade) {
    for (Shade shade : {Shade::Day, Shade::Dusk, Shade::Night}) {
        const Colours& c = coloursOf(shade);
        const struct {
            const char* what;
            Rgb text, background;
        } pairs[] = {
            {"labels", c.windowText, c.client},
            {"fields", c.text, c.base},
            {"results", c.text, c.readOnlyBase},
            {"buttons", c.buttonText, c.button},
            {"selection", c.highlightedText, c.highlight},
            {"caption", c.captionText, c.caption},
            {"menu bar", c.menuBarText, c.menuBar},
            {"panel labels", c.panelLabel, c.panel},
            {"panel values", c.panelValue, c.panel},
            {"pictures", c.pictureInk, c.pictureBackground},
        };
        for (const auto& p : pairs) {
            EXPECT_GE(contrastRatio(p.text, p.background), kMinimumTextContrast)
                << shadeName(shade) << " " << p.what << " "
                << describeContrast(p.text, p.background);
        }
    }
}

// Night's table is where a bright colour would creep in: every colour in it, the picture tint
// too, keeps green and blue down to a trace.
TEST(Colours, NightHasNoColourWithMoreThanATraceOfGreenOrBlue) {
    const Colours& n = coloursOf(Shade::Night);
    const Rgb all[] = {n.window,
                       n.windowText,
                       n.base,
                       n.text,
                       n.alternateBase,
                       n.button,
                       n.buttonText,
                       n.light,
                       n.midlight,
                       n.mid,
                       n.dark,
                       n.shadow,
                       n.highlight,
                       n.highlightedText,
                       n.link,
                       n.toolTipBase,
                       n.toolTipText,
                       n.disabledText,
                       n.disabledBase,
                       n.disabledHighlight,
                       n.client,
                       n.readOnlyBase,
                       n.frame,
                       n.border,
                       n.caption,
                       n.captionText,
                       n.menuBar,
                       n.menuBarText,
                       n.menuBarLine,
                       n.panel,
                       n.panelLabel,
                       n.panelValue,
                       n.pictureBackground,
                       n.pictureInk,
                       n.pictureMarker};
    for (const Rgb colour : all) {
        EXPECT_TRUE(fitsNight(colour)) << describeColour(colour);
    }
    ASSERT_TRUE(n.pictureTint.has_value());
    // A white picture becomes the tint; a green or a blue one a darker red.
    for (const Rgb pixel : {Rgb{255, 255, 255}, Rgb{0, 255, 0}, Rgb{0, 0, 255}, Rgb{12, 34, 56}}) {
        EXPECT_TRUE(fitsNight(tinted(pixel, *n.pictureTint))) << describeColour(pixel);
    }
    EXPECT_EQ(describeColour(tinted({255, 255, 255}, *n.pictureTint)), "#e60000");
    EXPECT_FALSE(coloursOf(Shade::Day).pictureTint.has_value());
}

// Day is the program's first look: the panel's yellow, blue and black, white windows.
TEST(Colours, DayIsTheFirstLook) {
    const Colours& d = coloursOf(Shade::Day);
    EXPECT_EQ(describeColour(d.panel), "#ffd511");
    EXPECT_EQ(describeColour(d.panelLabel), "#0000ff");
    EXPECT_EQ(describeColour(d.panelValue), "#000000");
    EXPECT_EQ(describeColour(d.client), "#ffffff");
    EXPECT_EQ(describeColour(d.border), "#000000");
}

TEST(Appearance, ChoiceAndDesktopGiveTheShade) {
    EXPECT_EQ(shadeOf(Appearance::Auto, false), Shade::Day);
    EXPECT_EQ(shadeOf(Appearance::Auto, true), Shade::Dusk);
    EXPECT_EQ(shadeOf(Appearance::Day, true), Shade::Day);
    EXPECT_EQ(shadeOf(Appearance::Night, false), Shade::Night);
    EXPECT_EQ(shadeOf(Appearance::Night, true), Shade::Night);
}

TEST(Appearance, StoredNumbersAndNames) {
    EXPECT_EQ(appearanceFromStore(0), Appearance::Auto);
    EXPECT_EQ(appearanceFromStore(1), Appearance::Day);
    EXPECT_EQ(appearanceFromStore(2), Appearance::Night);
    EXPECT_EQ(appearanceFromStore(3), Appearance::Auto);
    EXPECT_EQ(appearanceFromStore(0xffffffffu), Appearance::Auto);
    for (Appearance a : {Appearance::Auto, Appearance::Day, Appearance::Night}) {
        EXPECT_EQ(appearanceNamed(appearanceName(a)), a);
    }
    EXPECT_FALSE(appearanceNamed("dusk"));  // a shade, not a choice
    EXPECT_EQ(shadeNamed("dusk"), Shade::Dusk);
}

}  // namespace
}  // namespace orvane
