#include "shell/summary_panel.hpp"

#include <cmath>
#include <string>

#include "calc/numbers.hpp"
#include "calc/planning.hpp"
#include "geo/variation.hpp"

namespace orvane {

namespace {

// Columns of a row: label 1 right-aligned in 0..90, value 1 left-aligned in 93..240, label 2
// right-aligned in 93..175, value 2 left-aligned in 178..240.
struct PanelRow {
    int top;
    const char* label1;
    const char* label2;  // null: the row has one value
};

constexpr PanelRow kRows[] = {
    {20, "True course:", "Dist:"}, {60, "Mag variation:", nullptr},  {100, "True heading:", "Gsp:"},
    {140, "Fuel:", "Time:"},       {180, "Take off Wt:", "C of G:"},
};
constexpr int kBandHeight = 40;

struct RowValues {
    std::string value1;
    std::string value2;
};

RowValues rowValues(int row, const FlightSummary& s) {
    switch (row) {
        case 0:
            return {formatReal("%03.0f\u00b0", s.trueCourse), formatReal("%1.1fnm", s.distance)};
        case 1:
            return {formatVariation(s.magVariation), {}};
        case 2:
            return {formatReal("%03.0f\u00b0", s.trueHeading), formatC("%dkt", s.groundSpeed)};
        case 3:
            return {formatReal("%1.1f", s.fuel), formatFlightTime(s.flightTime)};
        default:
            return {formatReal("%1.1f", s.takeOffWeight), formatReal("%1.2f", s.centreOfGravity)};
    }
}

}  // namespace

void paintSummaryPanel(Painter& painter, const FlightSummary& summary, std::string_view currency,
                       const Colours& colours) {
    const Rgb panel = colours.panel;
    const Rgb label = colours.panelLabel;
    const Rgb value = colours.panelValue;
    painter.fillRect(6, 25, 234, 255, panel);
    for (int row = 0; row < 5; ++row) {
        const PanelRow& r = kRows[row];
        if (row == 4) {
            // The line between the fuel and time row and the weight row.
            painter.drawLine(6, 180, 234, 180);
        }
        const int bottom = r.top + kBandHeight;
        const RowValues values = rowValues(row, summary);
        painter.drawText(r.label1, 0, r.top, 90, bottom, Align::Right, label, panel);
        painter.drawText(values.value1, 93, r.top, 240, bottom, Align::Left, value, panel);
        if (r.label2 != nullptr) {
            painter.drawText(r.label2, 93, r.top, 175, bottom, Align::Right, label, panel);
            painter.drawText(values.value2, 178, r.top, 240, bottom, Align::Left, value, panel);
        }
    }
    std::string cost(currency);
    cost += formatReal("%1.2f", summary.cost);
    painter.drawText(cost, 0, 220, 240, 260, Align::Centre, value, panel);
}

}  // namespace orvane
