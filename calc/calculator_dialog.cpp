// The calculator dialog (template 106): one dialog serving fourteen menu commands. The command
// that opened it is its mode, and the mode table below decides everything that differs between
// them: title, labels, which fields show, drop-down lists, starting values, field limits, the help
// topic and the calculation that Calculate runs. The calculations themselves are the pure
// functions of wind.hpp, altitude.hpp, vertical.hpp and planning.hpp; this file reads the fields,
// applies the zero tests, stores what the flight record takes and writes the results.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/altitude.hpp"
#include "calc/entry.hpp"
#include "calc/field_limits.hpp"
#include "calc/numbers.hpp"
#include "calc/planning.hpp"
#include "calc/vertical.hpp"
#include "calc/wind.hpp"
#include "res/ids.hpp"
#include "shell/dialogs.hpp"
#include "shell/help.hpp"

namespace orvane {

namespace {

// ---- Controls of template 106 (res/ids.hpp) --------------------------------------------------

using namespace ctl::calculator;

constexpr int kInputs[4] = {kFirstInput, kSecondInput, kThirdInput, kFourthInput};
constexpr int kInputLabels[4] = {kFirstInputLabel, kSecondInputLabel, kThirdInputLabel,
                                 kFourthInputLabel};
constexpr int kResults[2] = {kFirstResult, kSecondResult};
constexpr int kResultLabels[2] = {kFirstResultLabel, kSecondResultLabel};

// Where the single result and its label go in the modes that have only one result (pixels of the
// client area; the dialog fills the screen below its caption, so both lie inside it at every
// zoom). The label is one line high, below the line of the results' frame (which runs at
// y 204) and ending where its result begins, rather than starting on that line and running
// 45 pixels down behind the result field.
constexpr PixelRect kMovedResultLabel{70, 206, 115, 14};
constexpr PixelRect kMovedResult{70, 220, 95, 25};

constexpr std::size_t kWindComponentsChars = 9;  // the runway mode reads 9 characters a field

// ---- What a mode looks like --------------------------------------------------------------------

enum class LabelKind {
    Hidden,       // the label and its field are hidden
    Template,     // the label keeps the template's text; the field shows
    Text,         // the text given
    Pressure,     // "QNH (mb)" or "QNH (in)" by the pressure preference
    Temperature,  // "Temperature (°C)" or "Temperature (°F)" by the temperature preference
    Currency,     // the text given, with the locale's currency symbol for its %s
};

struct Label {
    LabelKind kind = LabelKind::Hidden;
    const char* text = nullptr;
};

constexpr Label kHidden{};
constexpr Label kKeep{LabelKind::Template, nullptr};
constexpr Label label(const char* t) {
    return {LabelKind::Text, t};
}

enum class List { None, Headings, WindSpeeds };

// How a starting value from the flight record is written into its field.
enum class Shown {
    Whole,          // "%1.0f"
    ThreeDigits,    // "%03.0f"
    ThreeDigitInt,  // "%03d"
    Integer,        // the platform's integer writing
    Tenths,         // "%1.1f"
    Money,          // "%1.2f"
    HoursMinutes,   // the costing time "%01.0f:%02.0f"
};

struct Initial {
    const char* field = nullptr;  // a shared record field by name; null: the field starts empty
    Shown shown = Shown::Whole;
};

enum class LimitKind { None, Int, Real };

struct Limit {
    LimitKind kind = LimitKind::None;
    int maximum = 0;
};

constexpr Limit kNoLimit{};
constexpr Limit kMax360{LimitKind::Int, 360};
constexpr Limit kMax59Minutes{LimitKind::Real, 59};

struct Calculation;
using Calculate = void (*)(Calculation&);

struct Mode {
    int command;
    const char* title;       // null: the template's own title stays
    Label inputs[4];         // over kInputs
    Label results[2];        // over kResults
    bool moveResult;         // the single result moves under the inputs
    const char* buttonText;  // null: "Calculate" stays
    const char* frameText;   // null: the result frame stays untitled
    List lists[4];
    Initial initial[4];
    bool writeZeroes;  // starting values are written even when zero
    Limit limits[3];   // on leaving the first three inputs
    const char* helpFile;
    Calculate calculate;
};

// ---- The calculations, one per mode ------------------------------------------------------------

// What a calculation reaches while it runs.
struct Calculation {
    Window& window;
    RunState& state;
    Platform& platform;
    LogbookTotals& logbook;

    double input(int index, std::size_t chars = kFieldChars) const {
        return window.getReal(kInputs[index], chars);
    }
    void show(int result, const std::string& text) { window.setText(kResults[result], text); }
};

void storeInt(std::int32_t& field, double value) {
    if (const std::optional<std::int32_t> v = truncToInt32(value)) {
        field = *v;
    }
}

void headingAndGroundSpeed(Calculation& c) {
    const double tas = c.input(0);
    const double course = c.input(1);
    const double windDirection = c.input(2);
    const double windSpeed = c.input(3);
    // The TAS and the wind are kept even when there is nothing to calculate.
    storeFinite(c.state.defaults.tas, tas);
    storeInt(c.state.summary.windDirection, windDirection);
    storeInt(c.state.summary.windSpeed, windSpeed);
    if (tas == 0.0) {
        return;
    }
    const HeadingAndGroundSpeed r =
        solveHeadingAndGroundSpeed(tas, course, windDirection, windSpeed);
    // A wind stronger across than the TAS has no heading: "----", and the record keeps the last
    // heading and ground speed.
    storeFinite(c.state.summary.trueHeading, r.heading);
    c.show(0, formatReal("%03.0f\u00b0", r.heading));
    if (r.storedGroundSpeed) {
        c.state.summary.groundSpeed = *r.storedGroundSpeed;
    }
    c.show(1, formatReal("%1.0f kt", r.shownGroundSpeed));
}

void courseAndGroundSpeed(Calculation& c) {
    const double tas = c.input(0);
    const double heading = c.input(1);
    const double windDirection = c.input(2);
    const double windSpeed = c.input(3);
    storeFinite(c.state.defaults.tas, tas);
    if (tas == 0.0) {
        return;
    }
    const CourseAndGroundSpeed r =
        solveCourseAndGroundSpeed(tas, heading, windDirection, windSpeed);
    c.show(0, formatReal("%03.0f\u00b0", r.course));
    c.show(1, formatReal("%1.0f kt", r.groundSpeed));
}

void unknownWind(Calculation& c) {
    const double tas = c.input(0);
    const double heading = c.input(1);
    const double course = c.input(2);
    const double groundSpeed = c.input(3);
    storeFinite(c.state.defaults.tas, tas);
    if (tas == 0.0 || groundSpeed == 0.0) {
        return;
    }
    const UnknownWind r = solveUnknownWind(tas, heading, course, groundSpeed);
    c.show(0, formatReal("%03.0f\u00b0", r.direction));
    c.show(1, formatReal("%1.0f kt", r.speed));
}

void windComponents(Calculation& c) {
    const double runway = c.input(0, kWindComponentsChars);
    const double windDirection = c.input(1, kWindComponentsChars);
    const double windSpeed = c.input(2, kWindComponentsChars);
    const WindComponents r = solveWindComponents(runway, windDirection, windSpeed);
    c.show(1, formatReal("%1.0f kt", r.crosswind));
    c.window.setText(kFirstResultLabel, r.tailwind ? "Tailwind" : "Headwind");
    c.show(0, formatReal("%1.0f kt", r.alongRunway));
}

void pressureAndDensityAltitude(Calculation& c) {
    const double elevation = c.input(0);
    const double qnh = c.input(1);
    const double temperature = c.input(2);
    if (qnh == 0.0) {
        return;
    }
    const PreferenceData& p = c.state.preferences;
    const PressureAndDensityAltitude r = solvePressureAndDensityAltitude(
        elevation, qnh, temperature, p.pressureMillibars != 0, p.tempCelsius != 0);
    c.show(0, formatReal("%1.0f ft", r.pressureAltitude));
    c.show(1, formatReal("%1.0f ft", r.densityAltitude));
}

void trueAltitude(Calculation& c) {
    const std::int32_t calibrated = c.window.getInt(kInputs[0]);
    const std::int32_t fieldElevation = c.window.getInt(kInputs[1]);
    const double isaDeviation = c.input(2);
    const double oat = c.input(3);
    c.show(0, formatReal("%1.0f ft",
                         solveTrueAltitude(calibrated, fieldElevation, isaDeviation, oat)));
}

// Rate of climb or descent: the first altitude minus the second over the distance.
void verticalRate(Calculation& c) {
    const double first = c.input(0);
    const double second = c.input(1);
    const double groundSpeed = c.input(2);
    const double distance = c.input(3);
    if (distance == 0.0) {
        return;
    }
    c.show(0, formatReal("%1.0f fpm", solveVerticalRate(first, second, groundSpeed, distance)));
}

// Top of climb or descent: the distance flown changing altitude at the given vertical speed.
void distanceToLevel(Calculation& c) {
    const double first = c.input(0);
    const double second = c.input(1);
    const double groundSpeed = c.input(2);
    const double verticalSpeed = c.input(3);
    if (verticalSpeed == 0.0) {
        return;
    }
    c.show(0,
           formatReal("%1.1f nm", solveDistanceToLevel(first, second, groundSpeed, verticalSpeed)));
}

void fuelPlanning(Calculation& c) {
    const double fuelFlow = c.input(0);
    const double distance = c.input(1);
    const double groundSpeed = c.input(2);
    // The fuel flow is the aircraft's own figure: kept even when the leg is incomplete.
    storeFinite(c.state.defaults.fuelFlow, fuelFlow);
    if (fuelFlow == 0.0 || distance == 0.0 || groundSpeed == 0.0) {
        return;
    }
    const FuelPlan plan = solveFuelPlan(fuelFlow, distance, groundSpeed);
    storeFinite(c.state.summary.flightTime, plan.flightTime);
    storeFinite(c.state.summary.fuel, plan.fuel);
    c.show(0, formatReal("%1.1f", plan.fuel));
    c.show(1, formatFlightTime(plan.flightTime));
}

// The first maxChars characters of a UTF-8 text, never cutting a character in two.
std::string firstCharacters(std::string text, std::size_t maxChars) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == maxChars) {
            text.resize(i);
            break;
        }
    }
    return text;
}

void tripCost(Calculation& c) {
    const double hourlyCost = c.input(0);
    storeFinite(c.state.defaults.hourlyCost, hourlyCost);
    const ClockTime time = parseClockTime(firstCharacters(c.window.text(kInputs[1]), kFieldChars));
    if (hourlyCost == 0.0 || time.minutes == 0.0) {
        return;
    }
    if (time.minutes < 0.0) {
        c.window.message("Invalid time format");
        return;
    }
    const double cost = solveTripCost(time.minutes, hourlyCost);
    storeFinite(c.state.summary.cost, cost);
    c.show(0, formatTripCost(c.platform.currencySymbol(), cost));
}

void logbookTotaliser(Calculation& c) {
    // An entry too large for the totals is refused whole and stays in the fields, so the pilot
    // sees it was not counted; an accepted entry clears them for the next one.
    const bool added = addToLogbookTotals(c.logbook, c.input(0), c.input(1));
    const LogbookDisplay shown = logbookDisplay(c.logbook);
    c.window.setInt(kFirstResult, shown.hours);
    c.window.setInt(kSecondResult, shown.minutes);
    if (added) {
        c.window.setText(kInputs[0], "");
        c.window.setText(kInputs[1], "");
    }
}

void holdingPattern(Calculation& c) {
    const double tas = c.input(0);
    const double inboundCourse = c.input(1);
    const double windDirection = c.input(2);
    const double windSpeed = c.input(3);
    if (tas == 0.0) {
        return;
    }
    const HoldingPattern r = solveHoldingPattern(tas, inboundCourse, windDirection, windSpeed);
    c.show(1, formatReal("%1.0f seconds", r.outboundTime));
    c.show(0, formatReal("%03.0f\u00b0", r.outboundHeading));
}

// ---- The mode table ----------------------------------------------------------------------------

// clang-format off
const Mode kModes[] = {
    {cmd::kHeadingGroundSpeed, "Heading & G/speed",
     {label("TAS (kt)"), label("Course (\u00b0)"), label("Wind direction (\u00b0)"),
      label("Wind speed (kt)")},
     {label("Heading"), label("Ground speed")}, false, nullptr, nullptr,
     {List::None, List::Headings, List::Headings, List::WindSpeeds},
     {{"tas", Shown::Whole}, {"trueCourse", Shown::ThreeDigits},
      {"windDirection", Shown::ThreeDigitInt}, {"windSpeed", Shown::Integer}}, false,
     {kNoLimit, kMax360, kMax360}, "orvane.htc", headingAndGroundSpeed},
    {cmd::kTrackGroundSpeed, "Course & G/speed",
     {label("TAS (kt)"), label("Heading (\u00b0)"), label("Wind direction (\u00b0)"),
      label("Wind speed (kt)")},
     {label("Course"), label("Ground speed")}, false, nullptr, nullptr,
     {List::None, List::Headings, List::Headings, List::WindSpeeds},
     {{"tas", Shown::Whole}, {"trueHeading", Shown::ThreeDigits},
      {"windDirection", Shown::ThreeDigitInt}, {"windSpeed", Shown::Integer}}, false,
     {kNoLimit, kMax360, kMax360}, "orvane.htc", courseAndGroundSpeed},
    {cmd::kUnknownWind, "Unknown wind",
     {label("TAS (kt)"), label("Heading (\u00b0)"), label("Course (\u00b0)"),
      label("Ground speed (kt)")},
     {label("Wind direction"), label("Wind speed")}, false, nullptr, nullptr,
     {List::None, List::Headings, List::Headings, List::None},
     {{"tas", Shown::Whole}, {"trueHeading", Shown::ThreeDigits},
      {"trueCourse", Shown::ThreeDigits}, {"groundSpeed", Shown::Integer}}, false,
     {kNoLimit, kMax360, kMax360}, "orvane.htc", unknownWind},
    {cmd::kCrosswind, nullptr,
     {kKeep, kKeep, kKeep, kHidden},
     {kKeep, kKeep}, false, nullptr, "Components",
     {List::Headings, List::Headings, List::WindSpeeds, List::None},
     {{}, {"windDirection", Shown::ThreeDigitInt}, {"windSpeed", Shown::Integer}, {}}, false,
     {kMax360, kMax360, kNoLimit}, "orvane.htc", windComponents},
    {cmd::kPressureDensityAltitude, "Press - Density alt",
     {label("Elevation (ft)"), {LabelKind::Pressure}, {LabelKind::Temperature}, kHidden},
     {label("Pressure alt"), label("Density alt")}, false, nullptr, nullptr,
     {}, {}, false, {}, "orvane.htc", pressureAndDensityAltitude},
    {cmd::kRateOfClimb, "Rate of climb",
     {label("Desired altitude (ft)"), label("Current altitude (ft)"), label("Ground speed (kt)"),
      label("Dis- top of cl. (nm)")},
     {label("Rate of climb"), kHidden}, true, nullptr, nullptr,
     {}, {}, false, {}, "orvane.htc", verticalRate},
    {cmd::kTopOfDescent, "Top of descent",
     {label("Current altitude (ft)"), label("Desired altitude (ft)"), label("Ground speed (kt)"),
      label("Rate of desc (fpm)")},
     {label("Top of descent"), kHidden}, true, nullptr, nullptr,
     {}, {}, false, {}, "orvane.htc", distanceToLevel},
    {cmd::kRateOfDescent, "Rate of descent",
     {label("Current altitude (ft)"), label("Desired altitude (ft)"), label("Ground speed (kt)"),
      label("Dis- top of des. (nm)")},
     {label("Rate of descent"), kHidden}, true, nullptr, nullptr,
     {}, {}, false, {}, "orvane.htc", verticalRate},
    {cmd::kLogbook, "Logbook totaliser",
     {label("Hours"), label("Minutes"), kHidden, kHidden},
     {label("Hours"), label("Minutes")}, false, "Add to total", nullptr,
     {}, {}, false, {kNoLimit, kMax59Minutes, kNoLimit}, "logbook.htp", logbookTotaliser},
    {cmd::kCosting, "Cost calculator",
     {{LabelKind::Currency, "Operating cost %s/Hr"}, label("Time (h:mm)"), kHidden, kHidden},
     {label("Total cost"), kHidden}, true, nullptr, nullptr,
     {}, {{"hourlyCost", Shown::Money}, {"flightTime", Shown::HoursMinutes}, {}, {}}, false,
     {}, "orvane.htc", tripCost},
    {cmd::kHolding, "Holding pattern",
     {label("TAS (kt)"), label("Inbound course(\u00b0)"), label("Wind direction (\u00b0)"),
      label("Wind speed (kt)")},
     {label("Heading o/b"), label("Time o/b")}, false, nullptr, nullptr,
     {List::None, List::Headings, List::Headings, List::WindSpeeds},
     {{"tas", Shown::Whole}, {}, {"windDirection", Shown::ThreeDigitInt},
      {"windSpeed", Shown::Integer}}, false,
     {kNoLimit, kMax360, kMax360}, "hold.htp", holdingPattern},
    {cmd::kTrueAltitude, "True altitude",
     {label("Calib'd altitude (ft)"), label("Field elevation (ft)"), label("ISA deviation \u00b0C"),
      label("OAT \u00b0C")},
     {label("True altitude"), kHidden}, true, nullptr, nullptr,
     {}, {}, false, {}, "truealt.htp", trueAltitude},
    {cmd::kTopOfClimb, "Top of climb",
     {label("Desired altitude (ft)"), label("Current altitude (ft)"), label("Ground speed (kt)"),
      label("Rate of climb (fpm)")},
     {label("Top of climb"), kHidden}, true, nullptr, nullptr,
     {}, {}, false, {}, "orvane.htc", distanceToLevel},
    {cmd::kFuelPlanning, "Fuel planning",
     {label("Fuel flow/hour"), label("Distance (nm)"), label("Ground speed (kt)"), kHidden},
     {label("Fuel required"), label("Time")}, false, nullptr, nullptr,
     {}, {{"fuelFlow", Shown::Tenths}, {"distance", Shown::Tenths},
          {"groundSpeed", Shown::Integer}, {}}, true,
     {}, "orvane.htc", fuelPlanning},
};
// clang-format on

const Mode* findMode(int command) {
    for (const Mode& m : kModes) {
        if (m.command == command) {
            return &m;
        }
    }
    return nullptr;
}

// ---- Opening -----------------------------------------------------------------------------------

std::string labelText(const Label& label, const RunState& state, Platform& platform) {
    switch (label.kind) {
        case LabelKind::Text:
            return label.text;
        case LabelKind::Pressure:
            return state.preferences.pressureMillibars == 1 ? "QNH (mb)" : "QNH (in)";
        case LabelKind::Temperature:
            return state.preferences.tempCelsius == 1 ? "Temperature (\u00b0C)"
                                                      : "Temperature (\u00b0F)";
        case LabelKind::Currency: {
            // The symbol is text, never part of the format.
            const std::string_view t = label.text;
            const std::size_t at = t.find("%s");
            std::string out(t.substr(0, at));
            out += platform.currencySymbol();
            out += t.substr(at + 2);
            return out;
        }
        case LabelKind::Hidden:
        case LabelKind::Template:
            break;
    }
    return {};
}

// Shows or hides a label with its field and sets the label's text.
void applyLabel(Window& w, int labelId, int fieldId, const Label& label, const RunState& state,
                Platform& platform) {
    const bool visible = label.kind != LabelKind::Hidden;
    w.show(labelId, visible);
    w.show(fieldId, visible);
    if (visible && label.kind != LabelKind::Template) {
        w.setText(labelId, labelText(label, state, platform));
    }
}

// A starting value as its field shows it; nothing when it is zero and zeroes are not written.
std::optional<std::string> initialText(const Initial& initial, bool writeZeroes, RunState& state) {
    RecordField field;
    if (initial.field == nullptr || !findRecordField(state, initial.field, field)) {
        return std::nullopt;
    }
    if (std::int32_t* const* i = std::get_if<std::int32_t*>(&field)) {
        const std::int32_t v = **i;
        if (v == 0 && !writeZeroes) {
            return std::nullopt;
        }
        return initial.shown == Shown::ThreeDigitInt ? formatC("%03d", v) : formatInt(v);
    }
    const double v = *std::get<double*>(field);
    if (v == 0.0 && !writeZeroes) {
        return std::nullopt;
    }
    switch (initial.shown) {
        case Shown::ThreeDigits:
            return formatReal("%03.0f", v);
        case Shown::Tenths:
            return formatReal("%1.1f", v);
        case Shown::Money:
            return formatReal("%1.2f", v);
        case Shown::HoursMinutes:
            return formatCostingTime(v);
        default:
            return formatReal("%1.0f", v);
    }
}

void fillList(Window& w, int id, List list) {
    switch (list) {
        case List::Headings:
            fillHeadingCombo(w, id);
            break;
        case List::WindSpeeds:
            fillWindSpeedCombo(w, id);
            break;
        case List::None:
            break;
    }
}

// ---- The dialog --------------------------------------------------------------------------------

class CalculatorDialog : public WindowProc {
  public:
    explicit CalculatorDialog(DialogContext& context)
        : state_(context.state),
          platform_(context.platform),
          mode_(findMode(context.state.lastCommandId)) {}

    void onOpen(Window& w) override {
        if (mode_ != nullptr) {
            open(w, *mode_);
        }
        w.setText(kSecondResult, "");
        w.setText(kFirstResult, "");
    }

    void onCommand(Window& w, int id, int code) override {
        if (id == kCommandOk) {
            w.end(2);
            return;
        }
        if (mode_ == nullptr) {
            return;
        }
        if (id == kCalculate) {
            Calculation c{w, state_, platform_, logbook_};
            mode_->calculate(c);
            return;
        }
        if (code == notify::kComboKillFocus) {
            for (int i = 0; i < 3; ++i) {
                if (id == kInputs[i]) {
                    applyLimit(w, id, mode_->limits[i]);
                }
            }
        }
    }

    bool onHelp(Window&) override {
        launchHelp(platform_, mode_ != nullptr ? mode_->helpFile : kMainHelpFile);
        return true;
    }

  private:
    void open(Window& w, const Mode& m) {
        if (m.title != nullptr) {
            w.setTitle(m.title);
        }
        for (int i = 0; i < 4; ++i) {
            applyLabel(w, kInputLabels[i], kInputs[i], m.inputs[i], state_, platform_);
        }
        for (int i = 0; i < 2; ++i) {
            applyLabel(w, kResultLabels[i], kResults[i], m.results[i], state_, platform_);
        }
        if (m.moveResult) {
            w.move(kFirstResultLabel, kMovedResultLabel);
            w.move(kFirstResult, kMovedResult);
        }
        if (m.buttonText != nullptr) {
            w.setText(kCalculate, m.buttonText);
        }
        if (m.frameText != nullptr) {
            w.setText(kResultFrame, m.frameText);
        }
        for (int i = 0; i < 4; ++i) {
            if (const std::optional<std::string> t =
                    initialText(m.initial[i], m.writeZeroes, state_)) {
                w.setText(kInputs[i], *t);
            }
            fillList(w, kInputs[i], m.lists[i]);
        }
        logbook_ = LogbookTotals{};
    }

    static void applyLimit(Window& w, int id, const Limit& limit) {
        switch (limit.kind) {
            case LimitKind::Int:
                limitIntField(w, id, limit.maximum);
                break;
            case LimitKind::Real:
                limitRealField(w, id, limit.maximum);
                break;
            case LimitKind::None:
                break;
        }
    }

    RunState& state_;
    Platform& platform_;
    const Mode* mode_;       // fixed for the dialog's life; null for an unknown command
    LogbookTotals logbook_;  // the logbook mode's running totals
};

}  // namespace

std::unique_ptr<WindowProc> makeCalculatorDialog(DialogContext& context) {
    return std::make_unique<CalculatorDialog>(context);
}

std::vector<int> calculatorModeCommands() {
    std::vector<int> commands;
    for (const Mode& m : kModes) {
        commands.push_back(m.command);
    }
    return commands;
}

}  // namespace orvane
