// The pure operations the benchmarks time, each with a realistic base case, and the C library
// calls they are measured against. Shared by the timing binary (orvane-bench) and the binary that
// counts the library calls each operation really makes (orvane-bench-calls), so that both run
// exactly the same code on exactly the same inputs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "calc/altitude.hpp"
#include "calc/planning.hpp"
#include "calc/vertical.hpp"
#include "calc/wind.hpp"
#include "geo/great_circle.hpp"
#include "geo/sun.hpp"
#include "geo/variation.hpp"
#include "perf/airspeed.hpp"
#include "perf/conversions.hpp"
#include "perf/critical_point.hpp"
#include "perf/point_of_no_return.hpp"
#include "perf/weight_balance.hpp"

namespace orvane::bench {

// Up to eight numeric arguments of one call. Flags and whole numbers are carried as doubles and
// converted by the operation's wrapper.
using Args = std::array<double, 8>;

// Every case is the base case with its real arguments scaled by 1 + case * 0.0005: small enough
// that each call takes the same path through the operation (as repeated taps on one route do),
// large enough that nothing can be folded at compile time or served from a predictor's memory.
inline constexpr std::size_t kCases = 16;  // a power of two: the case index is masked

inline std::array<Args, kCases> varied(const Args& base) {
    std::array<Args, kCases> out{};
    for (std::size_t c = 0; c < kCases; ++c) {
        for (std::size_t k = 0; k < base.size(); ++k) {
            out[c][k] = base[k] * (1.0 + 0.0005 * static_cast<double>(c));
        }
    }
    return out;
}

inline const AirspeedAtmosphere& cruiseAir() {
    static const AirspeedAtmosphere air = airspeedAtmosphere(8500.0, -2.0, true);
    return air;
}

inline std::array<StationLoad, kWeightBalanceStations> stations(const Args& a) {
    // Basic weight and arm, then fuel, three rows of seats, two baggage areas and auxiliary.
    return {{{a[0], a[1]},
             {a[2], 95.0},
             {a[3], 80.5},
             {a[4], 118.1},
             {170.0, 140.0},
             {a[5], 150.0},
             {20.0, 160.0},
             {a[6], 100.0}}};
}

// Calls visit(name, base, run) for every operation; run takes an Args and returns the
// operation's result. The runs are stateless lambdas, so each visit sees its own type and a
// benchmark calls the operation directly.
template <class Visit>
void forEachOperation(Visit&& visit) {
    // Wind triangles: TAS, course or heading in degrees, wind from degrees at knots.
    visit("wind: heading and ground speed", Args{120, 90, 180, 20},
          [](const Args& a) { return solveHeadingAndGroundSpeed(a[0], a[1], a[2], a[3]); });
    visit("wind: course and ground speed", Args{120, 100, 180, 20},
          [](const Args& a) { return solveCourseAndGroundSpeed(a[0], a[1], a[2], a[3]); });
    visit("wind: unknown wind", Args{120, 100, 90, 118},
          [](const Args& a) { return solveUnknownWind(a[0], a[1], a[2], a[3]); });
    visit("wind: runway components", Args{270, 310, 25},
          [](const Args& a) { return solveWindComponents(a[0], a[1], a[2]); });

    // Altitude: elevation ft, QNH inches, temperature deg F; true altitude from whole feet.
    visit("altitude: pressure and density", Args{1500, 29.72, 86, 0, 0}, [](const Args& a) {
        return solvePressureAndDensityAltitude(a[0], a[1], a[2], a[3] != 0.0, a[4] != 0.0);
    });
    visit("altitude: true altitude", Args{9500, 1200, -12, -20}, [](const Args& a) {
        return solveTrueAltitude(static_cast<int>(a[0]), static_cast<int>(a[1]), a[2], a[3]);
    });

    // Vertical navigation: levels in feet, ground speed kt, distance nm or rate fpm.
    visit("vertical: rate over a distance", Args{9500, 2500, 135, 42},
          [](const Args& a) { return solveVerticalRate(a[0], a[1], a[2], a[3]); });
    visit("vertical: distance to level", Args{9500, 2500, 135, 500},
          [](const Args& a) { return solveDistanceToLevel(a[0], a[1], a[2], a[3]); });

    // Planning: fuel flow per hour, distance nm, ground speed kt; the holding pattern.
    visit("planning: fuel", Args{9.5, 238, 119},
          [](const Args& a) { return solveFuelPlan(a[0], a[1], a[2]); });
    visit("planning: holding pattern", Args{120, 270, 200, 25},
          [](const Args& a) { return solveHoldingPattern(a[0], a[1], a[2], a[3]); });

    // Navigation: positions in radians (west positive), London to New York; the variation along
    // New York to Chicago, which lies in a region of the model.
    visit("geo: great circle", Args{0.8983, 0.0079, 0.7092, 1.2878},
          [](const Args& a) { return greatCircle(a[0], a[1], a[2], a[3]); });
    visit("geo: rhumb line", Args{0.8983, 0.0079, 0.7092, 1.2878},
          [](const Args& a) { return rhumbLine(a[0], a[1], a[2], a[3]); });
    visit("geo: average variation", Args{0.7092, 1.2878, 4.97, 0.1808},
          [](const Args& a) { return averageVariation(a[0], a[1], a[2], a[3]); });
    visit("geo: sunrise and sunset", Args{51.47, -0.45, 2026, 6, 21}, [](const Args& a) {
        return sunriseSunset(a[0], a[1], static_cast<int>(a[2]), static_cast<int>(a[3]),
                             static_cast<int>(a[4]));
    });

    // Airspeed: the air at 8500 ft and -2 deg C, then each of the three solves in that air.
    visit("airspeed: the air", Args{8500, -2, 1},
          [](const Args& a) { return airspeedAtmosphere(a[0], a[1], a[2] != 0.0); });
    visit("airspeed: from TAS", Args{150},
          [](const Args& a) { return solveFromTas(a[0], cruiseAir()); });
    visit("airspeed: from RAS", Args{130},
          [](const Args& a) { return solveFromRas(a[0], cruiseAir()); });
    visit("airspeed: from Mach", Args{0.23},
          [](const Args& a) { return solveFromMach(a[0], cruiseAir()); });

    // Critical point and the two points of no return: course, wind, speeds, fuel and flows.
    visit("perf: critical point", Args{480, 75, 300, 30, 150, 140},
          [](const Args& a) { return criticalPoint(a[0], a[1], a[2], a[3], a[4], a[5]); });
    visit("perf: no return (endurance)", Args{75, 300, 30, 150, 240},
          [](const Args& a) { return pointOfNoReturnEndurance(a[0], a[1], a[2], a[3], a[4]); });
    visit("perf: no return (fuel)", Args{75, 300, 30, 150, 140, 10, 8.5, 40}, [](const Args& a) {
        return pointOfNoReturnFuel(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    });

    // Weight and balance over the eight stations; a distance and a fuel volume conversion.
    visit("perf: weight and balance", Args{1650, 85.5, 240, 340, 150, 40, 10},
          [](const Args& a) { return sumWeightBalance(stations(a)); });
    visit("perf: conversion (distance)", Args{238},
          [](const Args& a) { return convert(ConversionCategory::Distance, 1, a[0], 0.0); });
    visit("perf: conversion (fuel volume)", Args{120, 0.72},
          [](const Args& a) { return convert(ConversionCategory::VolumeToWeight, 1, a[0], a[1]); });
}

// The C library functions an operation may call, in the order the tables print them. The timing
// binary measures one call of each on arguments of the kind the operations give it; the counting
// binary wraps each at link time.
inline constexpr std::array<const char*, 13> kLibraryCalls = {
    "sin",   "cos", "sincos", "tan",  "asin",  "acos", "atan",
    "atan2", "pow", "log",    "sqrt", "floor", "fmod"};

}  // namespace orvane::bench
