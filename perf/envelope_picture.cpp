#include "perf/envelope_picture.hpp"

#include <algorithm>
#include <cmath>

#include "calc/numbers.hpp"

namespace orvane {

namespace {

// Room for the weight numbers on the left, the cg numbers below, a line of text on top.
constexpr int kLeftMargin = 36, kRightMargin = 6, kTopMargin = 14, kBottomMargin = 14;
constexpr int kTextHeight = 12;
constexpr int kMarkerHalf = 3;
constexpr double kSpare = 0.05;

struct Range {
    double low = 0.0, high = 0.0;
    void take(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    // A twentieth spare on each side; a range of one value is widened to one unit each way.
    void widen() {
        const double spare = (high - low) * kSpare;
        if (spare > 0.0) {
            low -= spare;
            high += spare;
        } else {
            low -= 1.0;
            high += 1.0;
        }
    }
};

}  // namespace

void paintEnvelopePicture(Painter& painter, int width, int height,
                          std::span<const EnvelopePoint> envelope, std::int32_t maxTakeOffWeight,
                          double weight, double cg, const Colours& colours) {
    const Rgb kBlack = colours.pictureInk;  // Day's ink, paper and marker are black, white, red
    const Rgb kWhite = colours.pictureBackground;
    const Rgb kMarker = colours.pictureMarker;
    painter.fillRect(0, 0, width, height, kWhite);
    if (envelope.size() < kMinEnvelopePoints) {
        painter.drawText("No envelope", 0, 0, width, height, Align::Centre, kBlack, kWhite);
        return;
    }
    Range w{envelope.front().weight, envelope.front().weight};
    Range c{envelope.front().cg, envelope.front().cg};
    for (const EnvelopePoint& p : envelope) {
        w.take(p.weight);
        c.take(p.cg);
    }
    const bool hasMaximum = maxTakeOffWeight > 0;
    if (hasMaximum) {
        w.take(maxTakeOffWeight);
    }
    const bool hasLoading = std::isfinite(weight) && std::isfinite(cg) && weight > 0.0;
    if (hasLoading) {
        w.take(weight);
        c.take(cg);
    }
    const Range wShown = w;
    const Range cShown = c;
    w.widen();
    c.widen();

    const int left = kLeftMargin, right = width - kRightMargin;
    const int top = kTopMargin, bottom = height - kBottomMargin;
    auto x = [&](double v) {
        return left +
               static_cast<int>(std::lround((v - c.low) / (c.high - c.low) * (right - left)));
    };
    auto y = [&](double v) {
        return bottom -
               static_cast<int>(std::lround((v - w.low) / (w.high - w.low) * (bottom - top)));
    };

    // Axes: the weight up the left, the centre of gravity along the bottom.
    painter.drawLine(left, top, left, bottom);
    painter.drawLine(left, bottom, right, bottom);
    painter.drawText(formatReal("%1.0f", wShown.high), 0, y(wShown.high) - kTextHeight / 2,
                     left - 2, y(wShown.high) + kTextHeight / 2, Align::Right, kBlack, kWhite);
    painter.drawText(formatReal("%1.0f", wShown.low), 0, y(wShown.low) - kTextHeight / 2, left - 2,
                     y(wShown.low) + kTextHeight / 2, Align::Right, kBlack, kWhite);
    painter.drawText("Wt", 0, 0, left - 2, kTextHeight, Align::Right, kBlack, kWhite);
    painter.drawText(formatReal("%1.1f", cShown.low), left, bottom + 1, (left + right) / 2, height,
                     Align::Left, kBlack, kWhite);
    painter.drawText(formatReal("%1.1f", cShown.high), (left + right) / 2, bottom + 1, right,
                     height, Align::Right, kBlack, kWhite);
    painter.drawText("C of G", left, bottom + 1, right, height, Align::Centre, kBlack, kWhite);
    if (hasMaximum) {
        painter.drawText("Max " + formatInt(maxTakeOffWeight), left, 0, right, kTextHeight,
                         Align::Right, kBlack, kWhite);
    }

    for (std::size_t i = 0; i < envelope.size(); ++i) {
        const EnvelopePoint& a = envelope[i];
        const EnvelopePoint& b = envelope[(i + 1) % envelope.size()];
        painter.drawLine(x(a.cg), y(a.weight), x(b.cg), y(b.weight));
    }
    if (hasLoading) {
        const int px = x(cg), py = y(weight);
        painter.fillRect(px - kMarkerHalf, py - kMarkerHalf, px + kMarkerHalf + 1,
                         py + kMarkerHalf + 1, kMarker);
    }
}

}  // namespace orvane
