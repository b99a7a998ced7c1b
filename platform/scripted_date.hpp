// The date on a script's clock.
#pragma once

#include <cmath>

#include "platform/platform.hpp"

namespace orvane {

// The UTC date on a scripted clock. A script's `clock` sets the date at midnight; time let pass
// with `elapse` moves the time of day on, and each midnight passed moves the date to the next day
// (months, years and leap days as the calendar has them).
class ScriptedDate {
  public:
    ScriptedDate(Date date, double now) : date_(date), setAt_(now) {}
    void set(Date date, double now) {
        date_ = date;
        setAt_ = now;
    }
    Date at(double now) const {
        const double days = std::floor((now - setAt_) / 86400.0);
        if (!(days >= 1.0)) {
            return date_;  // the day it was set (a date as typed in the script stays as typed)
        }
        return civilDate(daysFromCivil(date_) + static_cast<long long>(days));
    }

  private:
    // Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
    static long long daysFromCivil(Date d) {
        const long long y = d.month <= 2 ? d.year - 1 : d.year;
        const long long era = (y >= 0 ? y : y - 399) / 400;
        const long long yearOfEra = y - era * 400;
        const long long dayOfYear = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
        const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
        return era * 146097 + dayOfEra - 719468;
    }
    static Date civilDate(long long days) {
        days += 719468;
        const long long era = (days >= 0 ? days : days - 146096) / 146097;
        const long long dayOfEra = days - era * 146097;
        const long long yearOfEra =
            (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        const long long mp = (5 * dayOfYear + 2) / 153;
        const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
        const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
        const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
        return Date{static_cast<int>(year), month, day};
    }

    Date date_;
    double setAt_;
};

}  // namespace orvane
