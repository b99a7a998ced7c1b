// The driver's look at what the pilot sees on the Qt host: the top window's controls as laid out
// on screen, checked for place, overlap and whether every text fits its control in the font
// actually used.
#pragma once

#include <string>
#include <vector>

class QMessageBox;

namespace orvane {

class QtUi;
class QtWindow;

// The faults of the top window (the main window or the innermost dialog).
std::vector<std::string> qtWindowLayoutFaults(const QtUi& ui, const QtWindow& window);
// The faults of a message box about to be shown over the screen.
std::vector<std::string> qtMessageBoxLayoutFaults(const QtUi& ui, QMessageBox& box);

}  // namespace orvane
