#include "perf/point_of_no_return.hpp"

#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr double kMinutesToHours = 0.016666666666666666;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

std::optional<PointOnLeg> pointOfNoReturnEndurance(double C, double Wd, double Ws, double Vn,
                                                   double enduranceMinutes) {
    if (Vn == 0.0) {
        return std::nullopt;
    }
    const LegGroundSpeeds gs = legGroundSpeeds(Vn, C, Wd, Ws);
    if (!canFly(gs.outbound) || !canFly(gs.homebound) || !std::isfinite(enduranceMinutes) ||
        enduranceMinutes < 0.0) {
        return PointOnLeg{kNaN, kNaN};
    }
    const double t = gs.homebound * enduranceMinutes / (gs.homebound + gs.outbound);
    const double d = t * gs.outbound * kMinutesToHours;
    return wholePointOnLeg(d, t);
}

std::optional<PointOnLeg> pointOfNoReturnFuel(double C, double Wd, double Ws, double Vn, double Vr,
                                              double NF, double RF, double F) {
    if (Vn == 0.0 || Vr == 0.0 || NF == 0.0 || RF == 0.0) {
        return std::nullopt;
    }
    const double out = legGroundSpeeds(Vn, C, Wd, Ws).outbound;
    const double home = legGroundSpeeds(Vr, C, Wd, Ws).homebound;
    if (!canFly(out) || !canFly(home)) {
        return PointOnLeg{kNaN, kNaN};
    }
    // Fuel per nautical mile home at reduced power plus fuel per nautical mile out at normal
    // power divides the usable fuel.
    const double d = F / (RF / home + NF * (1.0 / out));
    const double t = (1.0 / out) * d * 60.0;
    return wholePointOnLeg(d, t);
}

}  // namespace orvane
