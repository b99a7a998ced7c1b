// Keys struck by the script driver on the Qt host, delivered the way the window system delivers a
// real keyboard's, so that the program answers them as it answers a pilot's keys. Plain Qt GUI
// and Widgets: the driver loads no library that the program itself does not load.
#pragma once

#include <QString>
#include <Qt>

class QEvent;
class QWidget;

namespace orvane {

// Marks an input event as coming from the window system, as a real keyboard's, finger's or
// mouse's events do: Qt then gives the focus on a press and takes the state of the modifier keys
// from it.
void markFromWindowSystem(QEvent& event);

// One stroke of `key` on `target` with `modifiers` held: the modifier keys go down (Shift,
// Control, Alt, Meta in that order), the key goes down and comes up, the modifier keys come up
// in the reverse order. Each press is offered to the shortcuts first, as Qt does for a real
// keyboard: an accelerator or a shortcut takes it unless the widget with the focus claims the
// key. `text` is what the key types, keyText(key) when none is given. Stops as soon as `target`
// is gone (a key that closes a dialog can delete the widget it was struck on).
void strikeKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void strikeKey(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers);

// The text a struck key carries when the script gives none: letters in lower case (also with
// Ctrl or Alt held), the other printable ASCII keys themselves, the control characters of Tab
// (HT), Backtab (VT), Return and Enter (CR), Backspace (BS) and Escape (ESC); nothing for the
// function, cursor, editing and modifier keys.
QString keyText(Qt::Key key);

}  // namespace orvane
