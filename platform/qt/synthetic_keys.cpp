#include "platform/qt/synthetic_keys.hpp"

#include <iterator>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

// QSpontaneKeyEvent is a header-only class (no library behind it, the driver links none) that Qt
// lets mark an event as the window system's; it is the only way to set that mark from outside Qt.
#include <QtTest/qtestspontaneevent.h>

QT_BEGIN_NAMESPACE
// Qt GUI's own entry for a key press that did not come through the window system: sends the
// widget the key is struck on a ShortcutOverride event (a line edit claims the keys it edits
// with there) and, unless it is claimed, gives the key to the application's shortcuts. Returns true
// when a shortcut took the key, which the widget then never sees. QApplication calls it for key
// presses sent by the program itself; it is exported by Qt GUI for exactly this use and declared
// here because no public header does.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);
QT_END_NAMESPACE

namespace orvane {

namespace {

// One key going down or coming up on `target`, as the window system delivers it.
void sendKey(QWidget* target, bool press, int key, Qt::KeyboardModifiers modifiers,
             const QString& text) {
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, text);
    // From the window system: Qt keeps the state of the modifier keys from it, as from a real
    // keyboard's events, and does not offer the press to the shortcuts itself (the step below
    // does, once).
    markFromWindowSystem(event);
    // A real key press reaches the shortcuts before the widget: Ctrl+N reaches the window's
    // accelerator whichever widget has the focus, while a field keeps Delete, a typed digit or
    // its own Ctrl+A.
    if (press &&
        qt_sendShortcutOverrideEvent(target, event.timestamp(), key, modifiers, text, false, 1)) {
        return;
    }
    // notify(), not sendEvent(): sendEvent would take the window system's mark off again.
    QApplication::instance()->notify(target, &event);
}

// The modifier keys in the order they go down; they come up in the reverse order.
struct ModifierKey {
    Qt::KeyboardModifier modifier;
    Qt::Key key;
};
constexpr ModifierKey kModifierKeys[] = {{Qt::ShiftModifier, Qt::Key_Shift},
                                         {Qt::ControlModifier, Qt::Key_Control},
                                         {Qt::AltModifier, Qt::Key_Alt},
                                         {Qt::MetaModifier, Qt::Key_Meta}};

}  // namespace

void markFromWindowSystem(QEvent& event) {
    QSpontaneKeyEvent::setSpontaneous(&event);
}

void strikeKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    strikeKey(target, key, keyText(key), modifiers);
}

void strikeKey(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> alive(target);
    // As a keyboard reports them, each modifier key goes down with the state before it (Qt adds
    // the key's own modifier when the program asks), and the key itself with all of them held.
    Qt::KeyboardModifiers held = Qt::NoModifier;
    for (const ModifierKey& m : kModifierKeys) {
        if (modifiers.testFlag(m.modifier) && alive) {
            sendKey(alive, true, m.key, held, QString());
            held |= m.modifier;
        }
    }
    if (alive) {
        sendKey(alive, true, key, modifiers, text);
    }
    if (alive) {
        sendKey(alive, false, key, modifiers, text);
    }
    // Each modifier key comes up with the state before its release, itself still held (Qt takes
    // it off when the program asks).
    for (auto m = std::rbegin(kModifierKeys); m != std::rend(kModifierKeys); ++m) {
        if (modifiers.testFlag(m->modifier) && alive) {
            sendKey(alive, false, m->key, held, QString());
            held &= ~m->modifier;
        }
    }
}

QString keyText(Qt::Key key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 'a')));
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        return QString(QChar(static_cast<char16_t>(key)));
    }
    switch (key) {
        case Qt::Key_Backspace:
            return QStringLiteral("\b");
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        case Qt::Key_Backtab:
            return QStringLiteral("\v");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QStringLiteral("\r");
        case Qt::Key_Escape:
            return QStringLiteral("\x1b");
        default:
            return QString();
    }
}

}  // namespace orvane
