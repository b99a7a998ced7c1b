#include "shell/run_state.hpp"

#include <array>

namespace orvane {

std::span<const NamedRecordField> recordFields(RunState& s) {
    // Rebuilt for the state asked about; the driver calls this rarely.
    static thread_local std::array<NamedRecordField, 33> fields;
    FlightSummary& f = s.summary;
    DefaultData& d = s.defaults;
    fields = {{
        {"trueCourse", &f.trueCourse},
        {"distance", &f.distance},
        {"magVariation", &f.magVariation},
        {"trueHeading", &f.trueHeading},
        {"groundSpeed", &f.groundSpeed},
        {"flightTime", &f.flightTime},
        {"fuel", &f.fuel},
        {"cost", &f.cost},
        {"takeOffWeight", &f.takeOffWeight},
        {"centreOfGravity", &f.centreOfGravity},
        {"windDirection", &f.windDirection},
        {"windSpeed", &f.windSpeed},
        {"tempCelsius", &s.preferences.tempCelsius},
        {"pressureMillibars", &s.preferences.pressureMillibars},
        {"varModel", &s.preferences.varModel},
        {"display", &s.preferences.display},
        {"latitude", &d.latitude},
        {"longitude", &d.longitude},
        {"basicWeight", &d.basicWeight},
        {"basicArm", &d.basicArm},
        {"fuelArm", &d.fuelArm},
        {"row1Arm", &d.row1Arm},
        {"row2Arm", &d.row2Arm},
        {"row3Arm", &d.row3Arm},
        {"bags1Arm", &d.bags1Arm},
        {"bags2Arm", &d.bags2Arm},
        {"auxArm", &d.auxArm},
        {"tas", &d.tas},
        {"fuelFlow", &d.fuelFlow},
        {"hourlyCost", &d.hourlyCost},
        {"lastCommandId", &s.lastCommandId},
        {"airspeedDrivingField", &s.airspeedDrivingField},
        {"conversionsDrivingField", &s.conversionsDrivingField},
    }};
    return fields;
}

bool findRecordField(RunState& state, std::string_view name, RecordField& field) {
    for (const auto& f : recordFields(state)) {
        if (f.name == name) {
            field = f.field;
            return true;
        }
    }
    return false;
}

}  // namespace orvane
