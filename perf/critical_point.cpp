#include "perf/critical_point.hpp"

#include <cmath>
#include <limits>

#include "calc/angles.hpp"
#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr double kMinutesToHours = 0.016666666666666666;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool meaningful(double value) {
    return std::isfinite(value) && value >= 0.0;
}

}  // namespace

bool canFly(double groundSpeed) {
    return std::isfinite(groundSpeed) && groundSpeed > 0.0;
}

PointOnLeg wholePointOnLeg(double distanceNm, double timeMinutes) {
    if (!meaningful(distanceNm) || !meaningful(timeMinutes)) {
        return PointOnLeg{kNaN, kNaN};
    }
    return PointOnLeg{distanceNm + 0.0, timeMinutes + 0.0};  // + 0.0: no "-0.0 nm"
}

LegGroundSpeeds legGroundSpeeds(double V, double C, double Wd, double Ws) {
    const double theta = (Wd - C) * kDegToRad;
    const double r = (Ws / V) * kDegToRad * std::sin(theta);
    const double e = std::sqrt(1.0 - std::pow(r, 2.0));
    const double outbound = ((V * kDegToRad) * e - std::cos(theta) * (Ws * kDegToRad)) * kRadToDeg;
    const double homebound = (V - outbound) + V;
    return {outbound, homebound};
}

std::optional<PointOnLeg> criticalPoint(double D, double C, double Wd, double Ws, double Vf,
                                        double Vr) {
    if (D == 0.0 || Vf == 0.0) {
        return std::nullopt;
    }
    const double V = Vr != 0.0 ? Vr : Vf;
    const LegGroundSpeeds gs = legGroundSpeeds(V, C, Wd, Ws);
    const double outToPoint = Vr != 0.0 ? legGroundSpeeds(Vf, C, Wd, Ws).outbound : gs.outbound;
    if (!canFly(gs.outbound) || !canFly(gs.homebound) || !canFly(outToPoint)) {
        return PointOnLeg{kNaN, kNaN};
    }
    const double d = gs.homebound * D / (gs.homebound + gs.outbound);
    const double t = d / outToPoint * 60.0;
    return wholePointOnLeg(d, t);
}

std::string formatHoursMinutes(double t) {
    if (!std::isfinite(t) || t < 0.0) {
        return kNoResult;
    }
    t += 0.0;  // a negative zero reads as 00:00, not -0:-0
    const double hours = std::floor(t * kMinutesToHours);
    const double minutes = std::floor(std::fmod(t, 60.0));
    return formatC("%02.0f:%02.0f", hours, minutes);
}

std::string formatLegDistance(double distanceNm) {
    return formatReal("%1.1f nm", distanceNm);
}

}  // namespace orvane
