// The airspeed, critical point and point of no return templates: every control the dialogs
// address is there with its kind and text, and the layout fits the dialog without overlaps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/dialogs.hpp"
#include "tests/unit/template_layout.hpp"

namespace orvane {
namespace {

using K = ControlKind;
using testkit::expectTidyLayout;

struct Expected {
    int id;
    ControlKind kind;
    const char* text;
};

const ControlTemplate* find(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

void expectControls(const DialogTemplate& t, std::initializer_list<Expected> expected) {
    for (const Expected& e : expected) {
        const ControlTemplate* c = find(t, e.id);
        ASSERT_NE(c, nullptr) << "template " << t.id << " lacks " << e.id;
        EXPECT_EQ(c->kind, e.kind) << e.id;
        EXPECT_EQ(std::string(c->text), e.text) << e.id;
        if (c->kind == K::Edit) {
            EXPECT_NE(c->style & cs::kBorder, 0u) << e.id;
        }
    }
}

TEST(PerfDialogTemplates, AirspeedHasItsFieldsLabelsAndSpeedOfSoundLine) {
    const DialogTemplate& t = kAirspeedTemplate;
    EXPECT_EQ(t.id, 148);
    EXPECT_EQ(t.width, 156);
    EXPECT_EQ(t.height, 166);
    expectControls(t, {
                          {1055, K::Edit, ""},
                          {1020, K::Edit, ""},
                          {1057, K::Edit, ""},
                          {1058, K::Edit, ""},
                          {1059, K::Edit, ""},
                          {1054, K::Static, "Altitude (ft)"},
                          {1056, K::Static, "Temperature ( F)"},
                          {1062, K::Static, "TAS"},
                          {1061, K::Static, "RAS"},
                          {1060, K::Static, "Mach No"},
                          {1064, K::Static, "LSS : 689.3KT"},
                      });
    expectTidyLayout(t, {});
}

TEST(PerfDialogTemplates, CriticalPointHasItsFramedInputsAndResults) {
    const DialogTemplate& t = kCriticalPointTemplate;
    EXPECT_EQ(t.id, 149);
    EXPECT_EQ(t.width, 156);
    EXPECT_EQ(t.height, 166);
    expectControls(t, {
                          {1064, K::Edit, ""},
                          {1020, K::Edit, ""},
                          {1021, K::Edit, ""},
                          {1022, K::Edit, ""},
                          {1023, K::Edit, ""},
                          {1024, K::Edit, ""},
                          {1034, K::PushButton, "Calculate"},
                          {1080, K::Edit, ""},
                          {1081, K::Edit, ""},
                          {1069, K::Static, "Distance to"},
                          {1071, K::Static, "Time to"},
                      });
    EXPECT_NE(find(t, 1080)->style & cs::kReadOnly, 0u);
    EXPECT_NE(find(t, 1081)->style & cs::kReadOnly, 0u);
    std::vector<std::string> frames;
    for (const ControlTemplate& c : t.controls) {
        if (c.kind == K::GroupBox) {
            frames.emplace_back(c.text);
        }
    }
    EXPECT_EQ(frames,
              (std::vector<std::string>{"", "Total distance (nm)", "Course (\u00b0)",
                                        "Wind direction (\u00b0)", "Wind speed (kt)",
                                        "Full pwr TAS (kt)", "Red pwr TAS (kt)", "Critical point"}));
    expectTidyLayout(t, {});
}

TEST(PerfDialogTemplates, PointOfNoReturnSharesOnePlaceForEnduranceAndReducedTas) {
    const DialogTemplate& t = kPointOfNoReturnTemplate;
    EXPECT_EQ(t.id, 151);
    EXPECT_EQ(t.width, 157);
    EXPECT_EQ(t.height, 165);
    expectControls(t, {
                          {1090, K::RadioButton, "Full power"},
                          {1091, K::RadioButton, "Failed eng"},
                          {1083, K::Edit, ""},
                          {1082, K::Static, "Endurance (h:mm)"},
                          {1094, K::Edit, ""},
                          {1100, K::Static, "Red pwr TAS (kt)"},
                          {1085, K::Edit, ""},
                          {1084, K::Static, "Course (\u00b0)"},
                          {1087, K::Edit, ""},
                          {1086, K::Static, "Wind direction (\u00b0)"},
                          {1089, K::Edit, ""},
                          {1088, K::Static, "Wind speed (kt)"},
                          {1093, K::Edit, ""},
                          {1092, K::Static, "Normal TAS (kt)"},
                          {1099, K::Edit, ""},
                          {1098, K::Static, "Total minus resv"},
                          {1096, K::Edit, ""},
                          {1095, K::Static, "Normal flow"},
                          {1097, K::Edit, ""},
                          {1070, K::Static, "Red pwr flow"},
                          {1113, K::GroupBox, "Fuel"},
                          {1101, K::PushButton, "Calculate"},
                          {1103, K::Edit, ""},
                          {1102, K::Static, "Time to"},
                          {1105, K::Edit, ""},
                          {1104, K::Static, "Distance to"},
                      });
    const ControlTemplate* endurance = find(t, 1083);
    const ControlTemplate* reducedTas = find(t, 1094);
    EXPECT_EQ(endurance->x, reducedTas->x);
    EXPECT_EQ(endurance->y, reducedTas->y);
    EXPECT_NE(find(t, 1103)->style & cs::kReadOnly, 0u);
    EXPECT_NE(find(t, 1105)->style & cs::kReadOnly, 0u);
    expectTidyLayout(t, {{1083, 1094}, {1082, 1100}});
}

}  // namespace
}  // namespace orvane
