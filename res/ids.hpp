// The program's resource ids: menu commands, dialog templates, the controls of each template and
// the strings, each with one name here and nowhere else. The numbers never change: the settings
// file, the drive scripts and the help pages name them.
//
// Each kind is a namespace of int constants rather than an enum: the ids travel as the plain ints
// of the platform layer (a menu command, Window::setText's control, runModal's template), and an
// enum would need a cast at every one of those calls. A control's number means something only
// inside its template, so every template has its own namespace under `ctl`, and the same number
// may stand for different things in two templates (1020 is the airspeed's temperature and the
// sheet's fuel weight). Within one namespace no two names share a number, except where a comment
// says why.
#pragma once

namespace orvane {

// Menu 102 and accelerator table 3 give these commands to the main window.
namespace cmd {
// Ctrl+Q: asks the main window to close. The number is the dialogs' Done command too.
inline constexpr int kCloseRequest = 1;
inline constexpr int kFileMenu = 40001;  // the menu bar's File button
inline constexpr int kExit = 40002;
inline constexpr int kAbout = 40003;
inline constexpr int kConversions = 40006;
inline constexpr int kToolsMenu = 40007;  // the menu bar's Tools button
inline constexpr int kHeadingGroundSpeed = 40011;
inline constexpr int kTrackGroundSpeed = 40012;
inline constexpr int kGreatCircle = 40013;
inline constexpr int kUnknownWind = 40015;
inline constexpr int kCrosswind = 40016;
inline constexpr int kWeightBalance = 40018;
inline constexpr int kPressureDensityAltitude = 40019;
inline constexpr int kAirspeed = 40021;
inline constexpr int kRateOfClimb = 40022;
inline constexpr int kTopOfDescent = 40023;
inline constexpr int kRateOfDescent = 40025;
inline constexpr int kTimer = 40026;
inline constexpr int kLogbook = 40027;
inline constexpr int kCosting = 40028;
inline constexpr int kHolding = 40029;
inline constexpr int kCriticalPoint = 40030;
inline constexpr int kPointOfNoReturn = 40031;
inline constexpr int kSunriseSunset = 40032;
inline constexpr int kTrueAltitude = 40034;
inline constexpr int kTopOfClimb = 40035;
inline constexpr int kHelp = 40036;
inline constexpr int kPreferences = 40038;
inline constexpr int kFuelPlanning = 40039;
inline constexpr int kAircraft = 40041;
inline constexpr int kToggleNight = 40042;  // Ctrl+N: Night, and back to the Display before it
}  // namespace cmd

// Dialog templates.
namespace dlg {
inline constexpr int kCalculator = 106;  // the fourteen calculator modes
inline constexpr int kSplash = 118;
inline constexpr int kConversions = 119;
inline constexpr int kStopwatch = 120;
inline constexpr int kAirspeed = 148;
inline constexpr int kCriticalPoint = 149;
inline constexpr int kWeightBalance = 150;
inline constexpr int kPointOfNoReturn = 151;
inline constexpr int kPreferences = 152;
inline constexpr int kSunriseSunset = 153;
inline constexpr int kGreatCircle = 154;
inline constexpr int kDisclaimer = 155;
inline constexpr int kAbout = 159;
inline constexpr int kAircraft = 160;
}  // namespace dlg

// Strings.
namespace str {
inline constexpr int kTitle = 1;
inline constexpr int kClassName = 3;
inline constexpr int kFileMenu = 40005;   // the File button's text
inline constexpr int kToolsMenu = 40014;  // the Tools button's text
}  // namespace str

// Controls, by template.
namespace ctl {

// Template 106. Its fields mean something different in every mode (the mode table says what), so
// they are named by their place: four inputs from the top, two results left to right (the first
// result is the one a single-result mode moves under the inputs).
namespace calculator {
inline constexpr int kFirstInput = 1016;
inline constexpr int kSecondInput = 1038;
inline constexpr int kThirdInput = 1039;
inline constexpr int kFourthInput = 1040;
inline constexpr int kFirstInputLabel = 1008;
inline constexpr int kSecondInputLabel = 1009;
inline constexpr int kThirdInputLabel = 1010;
inline constexpr int kFourthInputLabel = 1014;
inline constexpr int kCalculate = 1004;  // "Add to total" in the logbook mode
inline constexpr int kResultFrame = 1109;
inline constexpr int kFirstResult = 1012;
inline constexpr int kFirstResultLabel = 1013;
inline constexpr int kSecondResult = 1007;
inline constexpr int kSecondResultLabel = 1011;
}  // namespace calculator

// Template 119: a radio button per category, then six value rows (a field and its unit label)
// whose units the category decides.
namespace conversions {
inline constexpr int kVolume = 1017;
inline constexpr int kWeight = 1018;
inline constexpr int kDistance = 1020;
inline constexpr int kTemperature = 1021;
inline constexpr int kPressure = 1022;
inline constexpr int kAirspeed = 1023;
inline constexpr int kVolumeToWeight = 1024;
inline constexpr int kRow1 = 1019;
inline constexpr int kRow1Unit = 1008;
inline constexpr int kRow2 = 1005;
inline constexpr int kRow2Unit = 1009;
inline constexpr int kRow3 = 1006;
inline constexpr int kRow3Unit = 1010;
inline constexpr int kRow4 = 1007;
inline constexpr int kRow4Unit = 1011;
inline constexpr int kRow5 = 1025;
inline constexpr int kRow5Unit = 1026;
inline constexpr int kRow6 = 1012;
inline constexpr int kRow6Unit = 1013;
}  // namespace conversions

// Template 120.
namespace stopwatch {
inline constexpr int kElapsed = 1030;
inline constexpr int kStart = 1031;
inline constexpr int kStop = 1032;
}  // namespace stopwatch

// Template 148.
namespace airspeed {
inline constexpr int kAltitudeLabel = 1054;
inline constexpr int kAltitude = 1055;
inline constexpr int kTemperatureLabel = 1056;  // names the temperature preference's unit
inline constexpr int kTemperature = 1020;
inline constexpr int kTasLabel = 1062;
inline constexpr int kTas = 1057;
inline constexpr int kRasLabel = 1061;
inline constexpr int kRas = 1058;
inline constexpr int kMachLabel = 1060;
inline constexpr int kMach = 1059;
inline constexpr int kSpeedOfSound = 1064;  // the local speed of sound line
}  // namespace airspeed

// Template 149.
namespace critical_point {
inline constexpr int kTotalDistance = 1064;
inline constexpr int kCourse = 1020;
inline constexpr int kWindDirection = 1021;
inline constexpr int kWindSpeed = 1022;
inline constexpr int kFullPowerTas = 1023;
inline constexpr int kReducedPowerTas = 1024;
inline constexpr int kCalculate = 1034;
inline constexpr int kDistanceLabel = 1069;
inline constexpr int kDistance = 1080;
inline constexpr int kTimeLabel = 1071;
inline constexpr int kTime = 1081;
}  // namespace critical_point

// Template 150: eight station rows of weight, arm and moment (the moment is read-only), the
// totals and the loading status line.
namespace weight_balance {
inline constexpr int kBasicWeight = 1074;
inline constexpr int kBasicArm = 1075;
inline constexpr int kBasicMoment = 1013;
inline constexpr int kFuelWeight = 1020;
inline constexpr int kFuelArm = 1076;
inline constexpr int kFuelMoment = 1014;
inline constexpr int kRow1Weight = 1021;
inline constexpr int kRow1Arm = 1077;
inline constexpr int kRow1Moment = 1015;
inline constexpr int kRow2Weight = 1022;
inline constexpr int kRow2Arm = 1008;
inline constexpr int kRow2Moment = 1016;
inline constexpr int kRow3Weight = 1023;
inline constexpr int kRow3Arm = 1009;
inline constexpr int kRow3Moment = 1017;
inline constexpr int kBags1Weight = 1024;
inline constexpr int kBags1Arm = 1010;
inline constexpr int kBags1Moment = 1018;
inline constexpr int kBags2Weight = 1078;
inline constexpr int kBags2Arm = 1011;
inline constexpr int kBags2Moment = 1027;
inline constexpr int kAuxWeight = 1026;
inline constexpr int kAuxArm = 1079;
inline constexpr int kAuxMoment = 1028;
inline constexpr int kTotalWeight = 1071;
inline constexpr int kTotalMoment = 1072;
inline constexpr int kCentreOfGravity = 1073;
inline constexpr int kLoadingStatus = 1080;  // whether the aircraft may fly as loaded
}  // namespace weight_balance

// Template 151: "Full power" shows the endurance, "Failed eng" the reduced-power TAS in the same
// place and the fuel frame.
namespace point_of_no_return {
inline constexpr int kFullPower = 1090;
inline constexpr int kFailedEngine = 1091;
inline constexpr int kEnduranceLabel = 1082;
inline constexpr int kEndurance = 1083;
inline constexpr int kReducedPowerTasLabel = 1100;
inline constexpr int kReducedPowerTas = 1094;
inline constexpr int kCourseLabel = 1084;
inline constexpr int kCourse = 1085;
inline constexpr int kWindDirectionLabel = 1086;
inline constexpr int kWindDirection = 1087;
inline constexpr int kWindSpeedLabel = 1088;
inline constexpr int kWindSpeed = 1089;
inline constexpr int kNormalTasLabel = 1092;
inline constexpr int kNormalTas = 1093;
inline constexpr int kFuelFrame = 1113;
inline constexpr int kUsableFuelLabel = 1098;
inline constexpr int kUsableFuel = 1099;  // total fuel minus the reserve
inline constexpr int kNormalFlowLabel = 1095;
inline constexpr int kNormalFlow = 1096;
inline constexpr int kReducedPowerFlowLabel = 1070;
inline constexpr int kReducedPowerFlow = 1097;
inline constexpr int kCalculate = 1101;
inline constexpr int kTimeLabel = 1102;
inline constexpr int kTime = 1103;
inline constexpr int kDistanceLabel = 1104;
inline constexpr int kDistance = 1105;
}  // namespace point_of_no_return

// Template 152.
namespace preferences {
inline constexpr int kFahrenheit = 1111;
inline constexpr int kCelsius = 1112;
inline constexpr int kInches = 1113;
inline constexpr int kMillibars = 1114;
inline constexpr int kRegionalVariation = 1120;
inline constexpr int kWorldVariation = 1121;  // its text names the model file and its state
inline constexpr int kDisplayAuto = 1117;     // the Display group: Day or Dusk, after the desktop
inline constexpr int kDisplayDay = 1118;
inline constexpr int kDisplayNight = 1119;
}  // namespace preferences

// Template 153: one position (degrees, minutes, hundredths of a minute and the hemisphere
// button of latitude and longitude) and the day's sunrise and sunset.
namespace sunrise_sunset {
inline constexpr int kLatitudeHemisphere = 1047;
inline constexpr int kLatitudeDegrees = 1037;
inline constexpr int kLatitudeMinutes = 1038;
inline constexpr int kLatitudeHundredths = 1039;
inline constexpr int kLongitudeHemisphere = 1048;
inline constexpr int kLongitudeDegrees = 1040;
inline constexpr int kLongitudeMinutes = 1041;
inline constexpr int kLongitudeHundredths = 1042;
inline constexpr int kCalculate = 1034;
inline constexpr int kSunriseLabel = 1055;
inline constexpr int kSunrise = 1044;
inline constexpr int kSunsetLabel = 1056;
inline constexpr int kSunset = 1054;
inline constexpr int kDateFrame = 1057;  // the results' frame shows the date
}  // namespace sunrise_sunset

// Template 154: the From position has the numbers of template 153's position.
namespace great_circle {
inline constexpr int kFromLatitudeHemisphere = 1047;
inline constexpr int kFromLatitudeDegrees = 1037;
inline constexpr int kFromLatitudeMinutes = 1038;
inline constexpr int kFromLatitudeHundredths = 1039;
inline constexpr int kFromLongitudeHemisphere = 1048;
inline constexpr int kFromLongitudeDegrees = 1040;
inline constexpr int kFromLongitudeMinutes = 1041;
inline constexpr int kFromLongitudeHundredths = 1042;
inline constexpr int kToLatitudeHemisphere = 1046;
inline constexpr int kToLatitudeDegrees = 1033;
inline constexpr int kToLatitudeMinutes = 1035;
inline constexpr int kToLatitudeHundredths = 1036;
inline constexpr int kToLongitudeHemisphere = 1045;
inline constexpr int kToLongitudeDegrees = 1043;
inline constexpr int kToLongitudeMinutes = 1029;
inline constexpr int kToLongitudeHundredths = 1030;
inline constexpr int kCalculate = 1034;
inline constexpr int kGreatCircleFrame = 1053;
inline constexpr int kInitialCourseLabel = 1051;
inline constexpr int kInitialCourse = 1031;
inline constexpr int kGreatCircleDistanceLabel = 1052;
inline constexpr int kGreatCircleDistance = 1032;
inline constexpr int kRhumbLineFrame = 1057;
inline constexpr int kRhumbCourseLabel = 1055;
inline constexpr int kRhumbCourse = 1044;
inline constexpr int kRhumbDistanceLabel = 1056;
inline constexpr int kRhumbDistance = 1054;
inline constexpr int kVariation = 1106;  // the average magnetic variation along the rhumb line
}  // namespace great_circle

// Template 155. Accept and EXIT carry the numbers of the dialogs' Done and close commands, so
// Enter and Escape reach them.
namespace disclaimer {
inline constexpr int kWarning = 1116;  // not a primary aid to navigation
inline constexpr int kNoValidation = 1002;
inline constexpr int kNoLiability = 1003;
inline constexpr int kAccept = 1;
inline constexpr int kExit = 2;
}  // namespace disclaimer

// Template 160.
namespace aircraft {
inline constexpr int kList = 1201;              // sorted drop-down list of the profiles' names
inline constexpr int kNew = 1202;               // a new profile from the current values
inline constexpr int kRename = 1203;            // the current profile takes the name field's text
inline constexpr int kDelete = 1204;            // deletes the current profile, after asking
inline constexpr int kName = 1205;              // the name field
inline constexpr int kMaxTakeOffWeight = 1206;  // whole weight units; empty or 0: none
inline constexpr int kEnvelope = 1207;          // "weight,cg;weight,cg;..."
inline constexpr int kEnvelopePicture = 1213;   // owner-drawn: the envelope and the loading
}  // namespace aircraft

}  // namespace ctl

}  // namespace orvane
