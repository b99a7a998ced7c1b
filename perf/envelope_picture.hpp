// The picture of an aircraft's loading envelope in the Aircraft dialog: the outline, the loading
// (take-off weight and centre of gravity) as a marked point, and both axes labelled with their
// ranges: the centre of gravity across (arm unit), the weight up (weight unit).
#pragma once

#include <cstdint>
#include <span>

#include "perf/envelope.hpp"
#include "platform/appearance.hpp"
#include "platform/platform.hpp"

namespace orvane {

// Paints the picture into (0, 0) to (width, height) pixels. The ranges take in the outline, the
// maximum take-off weight (when above 0, also written in the top right corner) and the loading
// (when both its numbers are finite and the weight is above 0), with a twentieth of each range
// spare on every side. An envelope of fewer than 3 points draws "No envelope" in the middle
// instead of axes; the loading is then not marked. The colours are the shade's picture colours.
void paintEnvelopePicture(Painter& painter, int width, int height,
                          std::span<const EnvelopePoint> envelope, std::int32_t maxTakeOffWeight,
                          double weight, double cg, const Colours& colours = coloursOf(Shade::Day));

}  // namespace orvane
