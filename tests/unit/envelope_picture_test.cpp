// The envelope's picture in the Aircraft dialog, as the calls it makes to the painter.
#include "perf/envelope_picture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

struct Call {
    char kind;  // 'R' rectangle, 'T' text, 'L' line
    std::string text;
    int a, b, c, d;
    Rgb colour;
};

class Recorder : public Painter {
  public:
    std::vector<Call> calls;
    void fillRect(int l, int t, int r, int b, Rgb fill) override {
        calls.push_back({'R', {}, l, t, r, b, fill});
    }
    void drawText(std::string_view text, int l, int t, int r, int b, Align, Rgb fg, Rgb) override {
        calls.push_back({'T', std::string(text), l, t, r, b, fg});
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        calls.push_back({'L', {}, x1, y1, x2, y2, {}});
    }
    void drawPictureFile(std::string_view, int, int, int, int) override {}

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Call& c : calls) {
            if (c.kind == 'T') {
                out.push_back(c.text);
            }
        }
        return out;
    }
    int count(char kind) const {
        int n = 0;
        for (const Call& c : calls) {
            n += c.kind == kind;
        }
        return n;
    }
};

const std::vector<EnvelopePoint> kEnvelope = {{1500, 80}, {2450, 86}, {2450, 93}, {1500, 93}};

TEST(EnvelopePicture, OutlineAxesWithTheirRangesAndTheLoadingMarked) {
    Recorder r;
    paintEnvelopePicture(r, 226, 112, kEnvelope, 2550, 2000, 85.5);
    // The ranges take in the outline and the maximum weight; the loading lies within them.
    EXPECT_EQ(r.texts(), std::vector<std::string>(
                             {"2550", "1500", "Wt", "80.0", "93.0", "C of G", "Max 2550"}));
    // A white background, two axes, four edges, one marker.
    EXPECT_EQ(r.count('L'), 2 + 4);
    ASSERT_EQ(r.count('R'), 2);
    const Call& marker = r.calls.back();
    ASSERT_EQ(marker.kind, 'R');
    EXPECT_EQ(marker.c - marker.a, 7);
    // The marker sits inside the outline's corners: right of the forward edge, below the top.
    int forward = 1000, top = 1000;
    for (const Call& c : r.calls) {
        if (c.kind == 'L' && c.a != 36) {  // the edges, not the weight axis
            forward = std::min({forward, c.a, c.c});
            top = std::min({top, c.b, c.d});
        }
    }
    EXPECT_GT(marker.a + 3, forward);
    EXPECT_GT(marker.b + 3, top);
}

TEST(EnvelopePicture, LoadingOutsideWidensTheRangesAndNoEnvelopeSaysSo) {
    Recorder out;
    paintEnvelopePicture(out, 226, 112, kEnvelope, 0, 2600, 70.25);
    EXPECT_EQ(out.texts(),
              std::vector<std::string>({"2600", "1500", "Wt", "70.3", "93.0", "C of G"}));

    Recorder none;
    paintEnvelopePicture(none, 226, 112, {}, 2550, 2000, 85.5);
    EXPECT_EQ(none.texts(), std::vector<std::string>({"No envelope"}));
    EXPECT_EQ(none.count('L'), 0);
    EXPECT_EQ(none.count('R'), 1);  // the background only: no marker without an outline

    // An empty sheet (no weight) marks nothing.
    Recorder empty;
    paintEnvelopePicture(empty, 226, 112, kEnvelope, 0, 0, 0);
    EXPECT_EQ(empty.count('R'), 1);
}

}  // namespace
}  // namespace orvane
