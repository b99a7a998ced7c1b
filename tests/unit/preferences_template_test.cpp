// The Preferences dialog: its three groups of radio buttons and the text of the world model's
// choice.
#include <gtest/gtest.h>

#include <string>

#include "geo/magnetic_model.hpp"
#include "res/dialogs.hpp"
#include "shell/dialogs.hpp"
#include "tests/unit/template_layout.hpp"

namespace orvane {
namespace {

TEST(PreferencesTemplate, EachChoiceIsARadioGroupOfItsOwnInsideTheDialog) {
    const DialogTemplate& t = kPreferencesTemplate;
    EXPECT_EQ(t.id, 152);
    testkit::expectTidyLayout(t, {});
    // The first button of each group starts it; the others follow it directly.
    const struct {
        int id;
        const char* text;
        bool first;
    } radios[] = {
        {1111, "Fahrenheit  \u00b0F", true},
        {1112, "Celsius  \u00b0C", false},
        {1113, "Inches (in)", true},
        {1114, "Millibars (mb)", false},
        {1120, "Regional", true},
        {1121, "World model", false},
    };
    for (const auto& r : radios) {
        const ControlTemplate* found = nullptr;
        for (const ControlTemplate& c : t.controls) {
            if (c.id == r.id) {
                found = &c;
            }
        }
        ASSERT_NE(found, nullptr) << r.id;
        EXPECT_EQ(found->kind, ControlKind::RadioButton) << r.id;
        EXPECT_EQ(std::string(found->text), r.text) << r.id;
        EXPECT_EQ((found->style & cs::kGroup) != 0, r.first) << r.id;
    }
}

TEST(PreferencesTemplate, WorldModelTextNamesTheModelAndSaysWhenItIsOutOfDate) {
    MagneticModel m;
    m.name = "WMM-2025";
    m.epoch = 2025.0;
    const struct {
        Date today;
        const char* text;
    } cases[] = {
        {{2025, 1, 1}, "World model (WMM-2025)"},
        {{2029, 12, 31}, "World model (WMM-2025)"},
        {{2030, 1, 1}, "World model (WMM-2025)"},
        {{2030, 1, 2}, "World model (WMM-2025), out of date"},
        {{2024, 12, 31}, "World model (WMM-2025), out of date"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(worldModelText(&m, c.today), c.text) << c.today.year << "-" << c.today.month;
    }
    EXPECT_EQ(worldModelText(nullptr, {2026, 1, 1}), "World model");
}

}  // namespace
}  // namespace orvane
