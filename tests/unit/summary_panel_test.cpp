#include "shell/summary_panel.hpp"

#include <gtest/gtest.h>

#include <limits>

#include <string>
#include <vector>

namespace orvane {
namespace {

struct Call {
    std::string what;
    std::string text;
    int left, top, right, bottom;
    Align align;
    Rgb foreground, background;
};

class Recorder : public Painter {
  public:
    std::vector<Call> calls;
    void fillRect(int l, int t, int r, int b, Rgb fill) override {
        calls.push_back({"rect", "", l, t, r, b, Align::Left, {}, fill});
    }
    void drawText(std::string_view text, int l, int t, int r, int b, Align a, Rgb fg,
                  Rgb bg) override {
        calls.push_back({"text", std::string(text), l, t, r, b, a, fg, bg});
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        calls.push_back({"line", "", x1, y1, x2, y2, Align::Left, {}, {}});
    }
    void drawPictureFile(std::string_view, int, int, int, int) override {}
};

bool sameColour(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

TEST(SummaryPanel, PaintsTheYellowBoxFirstAndTheLineBeforeTheWeightRow) {
    Recorder r;
    paintSummaryPanel(r, FlightSummary{}, "$", coloursOf(Shade::Day));
    ASSERT_FALSE(r.calls.empty());
    const Call& box = r.calls.front();
    EXPECT_EQ(box.what, "rect");
    EXPECT_EQ(box.left, 6);
    EXPECT_EQ(box.top, 25);
    EXPECT_EQ(box.right, 234);
    EXPECT_EQ(box.bottom, 255);
    EXPECT_TRUE(sameColour(box.background, Rgb{255, 213, 17}));

    std::size_t line = 0, timeValue = 0, weightLabel = 0;
    for (std::size_t i = 0; i < r.calls.size(); ++i) {
        if (r.calls[i].what == "line")
            line = i;
        if (r.calls[i].text == "Time:")
            timeValue = i + 1;
        if (r.calls[i].text == "Take off Wt:")
            weightLabel = i;
    }
    EXPECT_EQ(r.calls[line].top, 180);
    EXPECT_EQ(r.calls[line].left, 6);
    EXPECT_EQ(r.calls[line].right, 234);
    EXPECT_LT(timeValue, line);
    EXPECT_LT(line, weightLabel);
}

TEST(SummaryPanel, LabelsAreBlueOnTheRightValuesBlackOnTheLeft) {
    Recorder r;
    FlightSummary s;
    s.distance = 641.27;
    paintSummaryPanel(r, s, "$", coloursOf(Shade::Day));
    for (std::size_t i = 0; i + 1 < r.calls.size(); ++i) {
        if (r.calls[i].text == "Dist:") {
            EXPECT_EQ(r.calls[i].align, Align::Right);
            EXPECT_TRUE(sameColour(r.calls[i].foreground, Rgb{0, 0, 255}));
            EXPECT_EQ(r.calls[i].left, 93);
            EXPECT_EQ(r.calls[i].right, 175);
            EXPECT_EQ(r.calls[i + 1].text, "641.3nm");
            EXPECT_EQ(r.calls[i + 1].align, Align::Left);
            EXPECT_EQ(r.calls[i + 1].left, 178);
            EXPECT_TRUE(sameColour(r.calls[i + 1].foreground, Rgb{0, 0, 0}));
            EXPECT_TRUE(sameColour(r.calls[i + 1].background, Rgb{255, 213, 17}));
        }
    }
    const Call& cost = r.calls.back();
    EXPECT_EQ(cost.text, "$0.00");
    EXPECT_EQ(cost.align, Align::Centre);
    EXPECT_EQ(cost.left, 0);
    EXPECT_EQ(cost.right, 240);
    EXPECT_EQ(cost.top, 220);
}

TEST(SummaryPanel, AValueThatIsNotFiniteShowsDashes) {
    Recorder r;
    FlightSummary s;
    s.fuel = std::numeric_limits<double>::quiet_NaN();
    paintSummaryPanel(r, s, "$", coloursOf(Shade::Day));
    for (std::size_t i = 0; i + 1 < r.calls.size(); ++i) {
        if (r.calls[i].text == "Fuel:") {
            EXPECT_EQ(r.calls[i + 1].text, "----");
        }
    }
}

}  // namespace
}  // namespace orvane
