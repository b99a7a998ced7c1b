// The driver's look at the colours the pilot sees on the Qt host, measured on the rendered
// picture: every text of the top window against the background it is painted on (the WCAG
// contrast rule), and, for Night, every pixel's green and blue.
#pragma once

#include <string>
#include <vector>

class QMessageBox;

namespace orvane {

class QtUi;

// The texts of the top window (the main window with its panel, menu bar and menus, or the
// innermost dialog) whose contrast is below kMinimumTextContrast.
std::vector<std::string> qtContrastFaults(const QtUi& ui);
// What of the screen (the main window and everything over it, and the main window's menus) has
// green or blue above kNightGreenBlueLimit.
std::vector<std::string> qtNightFaults(const QtUi& ui);
// Both for a message box on screen.
std::vector<std::string> qtMessageBoxContrastFaults(QMessageBox& box);
std::vector<std::string> qtMessageBoxNightFaults(QMessageBox& box);

}  // namespace orvane
