// The program's dialog templates, one file each (res/dialog_NNN.cpp).
#pragma once

#include "res/templates.hpp"

namespace orvane {

extern const DialogTemplate kCalculatorTemplate;       // 106
extern const DialogTemplate kSplashTemplate;           // 118
extern const DialogTemplate kConversionsTemplate;      // 119
extern const DialogTemplate kStopwatchTemplate;        // 120
extern const DialogTemplate kAirspeedTemplate;         // 148
extern const DialogTemplate kCriticalPointTemplate;    // 149
extern const DialogTemplate kWeightBalanceTemplate;    // 150
extern const DialogTemplate kPointOfNoReturnTemplate;  // 151
extern const DialogTemplate kPreferencesTemplate;      // 152
extern const DialogTemplate kSunriseSunsetTemplate;    // 153
extern const DialogTemplate kGreatCircleTemplate;      // 154
extern const DialogTemplate kDisclaimerTemplate;       // 155
extern const DialogTemplate kAboutTemplate;            // 159
extern const DialogTemplate kAircraftTemplate;         // 160

}  // namespace orvane
