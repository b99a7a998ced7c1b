#include "platform/device_layout.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Zoom, FirstStartFillsAboutHalfTheScreensHeightInQuarterSteps) {
    struct Case {
        int availableHeight;
        double zoom;
    } cases[] = {
        {1080, 1.75},  // 1.6875 to the nearest quarter
        {1040, 1.75},  // a desktop with a task bar: 1.625, halfway, goes up
        {2160, 3.5},   // 3.375, halfway, goes up
        {2120, 3.25},  // 3.3125
        {600, 1.0},    // a small screen: never below the device's own size
        {0, 1.0},      // no screen known
        {20000, 8.0},  // never beyond the largest zoom
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(firstStartZoom(c.availableHeight), c.zoom) << c.availableHeight;
    }
}

TEST(Zoom, StepsAndStoredValuesStayWithinOneToEight) {
    EXPECT_DOUBLE_EQ(stepZoom(1.0, 1), 1.25);
    EXPECT_DOUBLE_EQ(stepZoom(1.0, -1), 1.0);
    EXPECT_DOUBLE_EQ(stepZoom(8.0, 1), 8.0);
    EXPECT_DOUBLE_EQ(stepZoom(1.6, 1), 1.75);  // a zoom from resizing steps from its quarter
    EXPECT_DOUBLE_EQ(zoomFromStore(200), 2.0);
    EXPECT_DOUBLE_EQ(zoomFromStore(125), 1.25);
    EXPECT_DOUBLE_EQ(zoomFromStore(99), 0.0);  // not a zoom: chosen as on a first start
    EXPECT_DOUBLE_EQ(zoomFromStore(801), 0.0);
    EXPECT_DOUBLE_EQ(zoomFromStore(0xFFFFFFFFu), 0.0);
}

LayoutControl box(int id, ControlKind kind, PixelRect rect, unsigned style = 0) {
    return {id, kind, style, rect};
}

TEST(LayoutCheck, NamesWhatLiesOutsideOverlapsOrCrossesAFrame) {
    const PixelRect client{0, 0, 240, 270};
    struct Case {
        const char* what;
        std::vector<LayoutControl> controls;
        std::size_t faults;
    } cases[] = {
        {"a result moved below the client area",
         {box(1012, ControlKind::Edit, {70, 260, 95, 25}, cs::kReadOnly)},
         1},
        {"a label running down behind its result",
         {box(1013, ControlKind::Static, {70, 200, 115, 45}),
          box(1012, ControlKind::Edit, {70, 220, 95, 25}, cs::kReadOnly)},
         1},
        {"a button on its group box's bottom line",
         {box(-1, ControlKind::GroupBox, {26, 0, 184, 187}),
          box(1004, ControlKind::PushButton, {146, 163, 63, 24})},
         1},
        {"a button inside its group box",
         {box(-1, ControlKind::GroupBox, {26, 0, 184, 192}),
          box(1004, ControlKind::PushButton, {146, 163, 63, 24})},
         0},
        {"a label across the frame line that runs through a group's title",
         {box(1109, ControlKind::GroupBox, {12, 198, 212, 52}),
          box(1013, ControlKind::Static, {70, 200, 115, 20})},
         1},
        {"a group within a group",
         {box(-1, ControlKind::GroupBox, {5, 3, 225, 173}),
          box(-1, ControlKind::GroupBox, {11, 13, 105, 42})},
         0},
        {"two fields of a row sharing a frame line",
         {box(1037, ControlKind::Edit, {33, 30, 23, 23}),
          box(1040, ControlKind::Edit, {28, 51, 28, 22})},
         0},
        {"a result lower than its label",
         {box(1055, ControlKind::Static, {10, 10, 60, 20}),
          box(1044, ControlKind::Edit, {10, 31, 60, 15}, cs::kReadOnly)},
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(geometryFaults(client, c.controls, 2, 13).size(), c.faults) << c.what;
    }
}

}  // namespace
}  // namespace orvane
