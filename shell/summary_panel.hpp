// The summary panel painted on the main window: the current flight's course, distance,
// variation, heading, ground speed, fuel, time, weight, centre of gravity and cost.
#pragma once

#include <string>
#include <string_view>

#include "platform/appearance.hpp"
#include "platform/platform.hpp"
#include "shell/run_state.hpp"

namespace orvane {

// Paints the panel: a box from (6, 25) to (234, 255) in the shade's panel colour (Day: yellow),
// labels right-aligned (Day: blue), values left-aligned (Day: black), a line at y 180, the cost
// centred at the bottom. currency is the locale's whole currency symbol.
void paintSummaryPanel(Painter& painter, const FlightSummary& summary, std::string_view currency,
                       const Colours& colours);

}  // namespace orvane
