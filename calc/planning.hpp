// Planning utilities: fuel planning, trip cost, the logbook totaliser and the holding pattern.
//
// Times are minutes inside the calculations (converted with one sixtieth written as
// 0.016666666666666666); distances in nm, speeds in kt, directions in degrees true; fuel in the
// pilot's own unit (the fuel flow's unit per hour); costs in the local currency.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// ---- Fuel planning --------------------------------------------------------------------------

struct FuelPlan {
    // Flight time in minutes: distance / groundSpeed * 60.0. The value for `flightTime`; shown
    // with formatFlightTime.
    double flightTime;
    // Fuel required: fuelFlow * flightTime * 0.016666666666666666, in the fuel flow's unit. The
    // value for `fuel`; shown "%1.1f".
    double fuel;
};

// fuelFlow: fuel units per hour; distance: nm; groundSpeed: kt. The dialog refuses a 0 in any of
// the three before calling. Here a ground speed of 0 gives an infinite (or NaN) flight time and
// fuel, which must not be stored; a fuel flow or distance of 0 gives 0.
FuelPlan solveFuelPlan(double fuelFlow, double distance, double groundSpeed);

// Flight time as "%d:%02d": hours = minutes * 0.016666666666666666 truncated toward zero,
// minutes = fmod(minutes, 60.0) truncated toward zero (51.8 minutes gives "0:51", 100 gives
// "1:40"). A negative time keeps its sign in both parts (-90 gives "-1:-30"). "----" when the
// time is not finite or its hours do not fit in 32 bits.
std::string formatFlightTime(double minutes);

// ---- Trip cost ------------------------------------------------------------------------------

// The flight time as the cost calculator's time field starts with it, "%01.0f:%02.0f":
// hours = floor(flightTime * 0.016666666666666666), minutes = floor(fmod(flightTime, 60.0))
// (90.5 minutes gives "1:30", 125 gives "2:05"). "----" when flightTime is not finite.
// A time of 600 minutes or more gives "10:00" and longer, which parseClockTime then rejects.
std::string formatCostingTime(double flightTime);

// Cost of the trip: minutes * hourlyCost * 0.016666666666666666. minutes: the flight time from
// parseClockTime (the dialog refuses a rejected time, 0 minutes and a 0 hourly cost before
// calling); hourlyCost: currency per hour. The value for `cost`.
double solveTripCost(double minutes, double hourlyCost);

// The total cost as shown: the currency symbol (taken as text, never as a format) followed by
// the cost with "%1.2f" ("£225.00"); "----" when the cost is not finite.
std::string formatTripCost(std::string_view currencySymbol, double cost);

// ---- Logbook totaliser ----------------------------------------------------------------------

// Totals kept by the dialog while it is open in the logbook mode, both starting at 0. The
// minutes are kept unreduced; the carry into hours is formed only for display.
struct LogbookTotals {
    std::int32_t hours = 0, minutes = 0;
};

// Adds one logbook entry: the hours and the minutes as read from the fields, each truncated toward
// zero to a whole number (an empty field reads 0 and adds nothing). Negative entries are added as
// they come and subtract.
//
// An entry that would not fit is refused as a whole: when either input is not a finite number
// that fits in 32 bits, or either new total, or the displayed hours (hours + minutes / 60), would
// leave the 32-bit range, the totals stay as they were and the result is false. Otherwise both
// are added and the result is true. Huge entries can therefore never overflow.
bool addToLogbookTotals(LogbookTotals& totals, double hoursInput, double minutesInput);

// What the logbook mode shows, each written as an integer.
struct LogbookDisplay {
    std::int32_t hours;    // totals.hours + totals.minutes / 60 (integer division toward zero)
    std::int32_t minutes;  // totals.minutes % 60, with the sign of totals.minutes
};

// The displayed totals. Totals built with addToLogbookTotals always fit; for totals set some
// other way the hours are limited to the 32-bit range instead of overflowing.
LogbookDisplay logbookDisplay(const LogbookTotals& totals);

// ---- Holding pattern ------------------------------------------------------------------------

struct HoldingPattern {
    // Outbound heading in degrees true, in [0, 360) for an inbound course within 0..360. Shown
    // "%03.0f°". NaN when the wind's cross component exceeds the TAS (no drift correction
    // exists), or for a TAS of 0.
    double outboundHeading;
    // Outbound time in seconds for a one-minute inbound leg: 60 s less one second per knot of
    // headwind on the inbound leg (more for a tailwind). Shown "%1.0f seconds"; may be negative
    // in a strong headwind (shown with its sign). Always computed, whatever the TAS.
    double outboundTime;
};

// Outbound heading and time of a holding pattern.
//  tas: kt (the dialog refuses 0). inboundCourse: degrees true, 0..360.
//  windDirection: degrees true, from. windSpeed: kt.
// The inbound wind correction angle wca (positive for a wind from the right of the inbound
// course) is turned the other way on the outbound leg, tripled and limited to 30 degrees; when
// that heading lies within 30 degrees of the wind direction (the wind blows from ahead on the
// outbound leg) it is doubled instead. Uses 0.017453292519943278 and 57.29577951308238.
HoldingPattern solveHoldingPattern(double tas, double inboundCourse, double windDirection,
                                   double windSpeed);

}  // namespace orvane
