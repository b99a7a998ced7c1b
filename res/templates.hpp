// Dialog templates: every dialog of the program as data (id, kind, text, rectangle in dialog
// units, styles). Both hosts build their controls from these tables.
#pragma once

#include <span>

namespace orvane {

enum class ControlKind { Static, Edit, Combo, PushButton, RadioButton, GroupBox, Picture };

// Control styles.
namespace cs {
inline constexpr unsigned kReadOnly = 1u << 0;    // edit: the pilot cannot type into it
inline constexpr unsigned kDigits = 1u << 1;      // edit: accepts digits only
inline constexpr unsigned kAutoScroll = 1u << 2;  // edit: scrolls horizontally as text grows
inline constexpr unsigned kHidden = 1u << 3;      // not visible when the dialog opens
inline constexpr unsigned kSorted = 1u << 4;      // combo box: sorted drop-down list
inline constexpr unsigned kGroup = 1u << 5;       // first radio button of a group
inline constexpr unsigned kTabStop = 1u << 6;
inline constexpr unsigned kCentre = 1u << 7;   // text centred
inline constexpr unsigned kRight = 1u << 8;    // text right-aligned
inline constexpr unsigned kDefault = 1u << 9;  // default push button
inline constexpr unsigned kBorder = 1u << 10;
inline constexpr unsigned kOwnerDraw = 1u << 11;  // static: the dialog paints it (onDrawItem)
}  // namespace cs

// Dialog styles.
namespace ds {
inline constexpr unsigned kCaption = 1u << 0;
inline constexpr unsigned kSysMenu = 1u << 1;  // a close box in the caption
inline constexpr unsigned kModalFrame = 1u << 2;
inline constexpr unsigned kBorderless = 1u << 3;
inline constexpr unsigned kContextHelp = 1u << 4;
inline constexpr unsigned kDoneButton = 1u << 5;  // the shell's OK (Done) button in the caption
inline constexpr unsigned kFullScreen = 1u << 6;  // sized to the full screen by the shell
inline constexpr unsigned kCentred = 1u << 7;
// Only Done (command 1) ends the dialog; command 2 does not, so the caption offers no close box
// even where the template has a system menu.
inline constexpr unsigned kDoneOnly = 1u << 8;
}  // namespace ds

struct ControlTemplate {
    int id;  // -1 for controls the program never addresses
    ControlKind kind;
    const char* text;         // UTF-8; for a picture control, the bitmap resource number as text
    int x, y, width, height;  // dialog units
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;  // empty: no caption text
    int width, height;    // dialog units
    const char* font;
    int pointSize;
    unsigned style;
    std::span<const ControlTemplate> controls;  // in template (and tab) order
};

// Whether the caption offers a close box (command 2): a system menu on a dialog that command 2
// ends.
constexpr bool offersCloseBox(const DialogTemplate& t) {
    return (t.style & ds::kSysMenu) != 0 && (t.style & ds::kDoneOnly) == 0;
}

// The template with that number, or null.
const DialogTemplate* findDialogTemplate(int id);

// Every template of the program (for tests that walk them all).
std::span<const DialogTemplate* const> allDialogTemplates();

}  // namespace orvane
