// The shared records of one run of the program: what the calculators produce for each other and
// for the summary panel, the unit preferences and the aircraft defaults. One RunState is created
// at start, zeroed, and handed to every dialog; nothing here is global.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "perf/envelope.hpp"

namespace orvane {

// Results of the current flight's calculations, shown on the summary panel. Never stored.
struct FlightSummary {
    double trueCourse = 0.0;         // degrees true (rhumb-line course of the last route)
    double distance = 0.0;           // nautical miles (rhumb-line distance of the last route)
    double magVariation = 0.0;       // degrees, west positive; -999.0: not calculated
    double trueHeading = 0.0;        // degrees true
    std::int32_t groundSpeed = 0;    // knots
    double flightTime = 0.0;         // minutes
    double fuel = 0.0;               // the pilot's fuel unit
    double cost = 0.0;               // local currency
    double takeOffWeight = 0.0;      // weight unit of the loading sheet
    double centreOfGravity = 0.0;    // arm unit of the loading sheet
    std::int32_t windDirection = 0;  // degrees true, where the wind blows from
    std::int32_t windSpeed = 0;      // knots
};

// Which model gives the magnetic variation (PreferenceData::varModel).
inline constexpr std::int32_t kVarModelRegional = 0;  // the three regional cubics
inline constexpr std::int32_t kVarModelWorld = 1;     // the World Magnetic Model, when it is there

// Unit preferences, stored between runs. Each unit flag is 0 or 1: a load turns any other
// stored number into 1.
struct PreferenceData {
    std::int32_t tempCelsius = 0;               // 1: degrees Celsius; 0: Fahrenheit
    std::int32_t pressureMillibars = 0;         // 1: millibars; 0: inches of mercury
    std::int32_t varModel = kVarModelRegional;  // kVarModelWorld or kVarModelRegional
    std::int32_t display = 0;  // the appearance: 0 Auto, 1 Day, 2 Night (platform/appearance.hpp)
};

// Home position and aircraft data, stored between runs.
struct DefaultData {
    double latitude = 0.0;   // minutes of arc, north positive
    double longitude = 0.0;  // minutes of arc, west positive
    std::int32_t basicWeight = 0;
    double basicArm = 0.0;  // the eight arms in tenths of the arm unit (85.5 is held as 855.0)
    double fuelArm = 0.0;
    double row1Arm = 0.0;
    double row2Arm = 0.0;
    double row3Arm = 0.0;
    double bags1Arm = 0.0;
    double bags2Arm = 0.0;
    double auxArm = 0.0;
    double tas = 0.0;         // knots
    double fuelFlow = 0.0;    // fuel unit per hour
    double hourlyCost = 0.0;  // local currency per hour
};

// One aircraft the pilot flies: its constants (the aircraft's fields of DefaultData, basicWeight
// to hourlyCost, with their units there) and its limits.
struct AircraftProfile {
    std::string name;    // 1 to 31 characters, unique without regard to case
    DefaultData values;  // only the aircraft's fields; the home position is not the aircraft's
    std::int32_t maxTakeOffWeight = 0;    // whole weight units; 0: none
    std::vector<EnvelopePoint> envelope;  // empty: none; else 3 to 16 points
};

// Every aircraft of the pilot. The current one's constants are DefaultData itself (what every
// calculator uses); its entry here holds them as they were when it last stopped being current.
struct AircraftFleet {
    std::vector<AircraftProfile> profiles;
    std::size_t current = 0;  // index into profiles
    // Names whose stored profiles go from the settings file at the next save (deleted or
    // renamed in this run), and names of stored profiles that could not be read (kept in the
    // file untouched, and not to be taken by a new name).
    std::vector<std::string> removedNames;
    std::vector<std::string> skippedNames;
};

// The stopwatch's count, kept for the whole run.
struct StopwatchState {
    bool running = false;
    double startSeconds = 0.0;  // monotonic clock at Start
    std::int64_t shownSeconds = 0;
};

struct MagneticModel;

struct RunState {
    FlightSummary summary;
    PreferenceData preferences;
    DefaultData defaults;
    std::int32_t lastCommandId = 0;       // the last menu or accelerator command
    std::int32_t displayBeforeNight = 0;  // the appearance Ctrl+N goes back to from Night
    // Dialog values that live for the whole run.
    int airspeedDrivingField = 0;     // 0 none, 1 TAS, 2 RAS, 3 Mach
    int conversionsDrivingField = 0;  // the row that drives the conversions (0: none yet)
    StopwatchState stopwatch;
    // The World Magnetic Model, read from its coefficient file the first time a dialog asks for
    // it (worldMagneticModel in shell/dialogs.hpp). Null before then, and after it when there is
    // no usable file: the world model cannot then be chosen and the regional model gives the
    // variation.
    std::shared_ptr<const MagneticModel> magneticModel;
    bool magneticModelRead = false;
    AircraftFleet aircraft;
};

// A field of the shared records by name, for the script driver and the tests.
using RecordField = std::variant<double*, std::int32_t*>;
struct NamedRecordField {
    std::string_view name;
    RecordField field;
};
// Every field of the three records and lastCommandId, in record order. Null when unknown.
std::span<const NamedRecordField> recordFields(RunState& state);
bool findRecordField(RunState& state, std::string_view name, RecordField& field);

}  // namespace orvane
