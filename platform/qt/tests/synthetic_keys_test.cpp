// Keys the driver strikes on the Qt host reach the widgets as a real keyboard's do: the shortcuts
// hear a press before the field unless the field claims the key, the modifier keys go down and
// come up around the key, and every press and release is the window system's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

#include <ostream>
#include <utility>
#include <vector>

#include "platform/qt/synthetic_keys.hpp"

namespace orvane {
namespace {

// What a widget heard of the keyboard.
class KeyLog : public QObject {
  public:
    struct Heard {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool fromWindowSystem;
        bool operator==(const Heard&) const = default;
    };
    std::vector<Heard> heard;

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            const auto* k = static_cast<QKeyEvent*>(e);
            heard.push_back({e->type(), k->key(), k->modifiers(), e->spontaneous()});
        }
        return false;
    }
};

void PrintTo(const KeyLog::Heard& h, std::ostream* out) {
    *out << (h.type == QEvent::KeyPress ? "press" : "release") << " of key 0x" << std::hex << h.key
         << " with modifiers 0x" << h.modifiers.toInt() << std::dec
         << (h.fromWindowSystem ? " from the window system" : " from the program");
}

// A window with one field holding "12.5", active and the field focused, as the driver finds a
// dialog; Ctrl+N and Ctrl+A are the window's shortcuts, counted.
class FieldWindow : public testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        field = new QLineEdit(QStringLiteral("12.5"));
        layout->addWidget(field);
        for (const std::pair<QKeyCombination, int*>& s :
             {std::pair(Qt::CTRL | Qt::Key_N, &ctrlN), std::pair(Qt::CTRL | Qt::Key_A, &ctrlA)}) {
            auto* shortcut = new QShortcut(QKeySequence(s.first), &window);
            QObject::connect(shortcut, &QShortcut::activated, [count = s.second] { ++*count; });
        }
        field->installEventFilter(&log);
        window.show();
        window.activateWindow();
        field->setFocus();
        QElapsedTimer clock;
        clock.start();
        while (!(window.isActiveWindow() && field->hasFocus()) && clock.elapsed() < 2000) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        ASSERT_TRUE(window.isActiveWindow() && field->hasFocus());
    }

    QWidget window;
    QLineEdit* field = nullptr;
    KeyLog log;
    int ctrlN = 0;
    int ctrlA = 0;
};

TEST_F(FieldWindow, AnAcceleratorTakesItsKeyFromTheField) {
    strikeKey(field, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ctrlN, 1);
    EXPECT_EQ(field->text(), QStringLiteral("12.5"));
    // The field hears Ctrl go down and come up and N come up, each as the window system's (as a
    // keyboard reports a modifier key: held from its press, no longer at its release); N's
    // press went to the shortcut.
    const std::vector<KeyLog::Heard> expected = {
        {QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, true},
        {QEvent::KeyRelease, Qt::Key_N, Qt::ControlModifier, true},
        {QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, true}};
    EXPECT_EQ(log.heard, expected);
}

TEST_F(FieldWindow, TheFieldKeepsTheKeysItEditsWithAndTheTypedText) {
    strikeKey(field, Qt::Key_A, Qt::ControlModifier);  // select all, not the window's Ctrl+A
    EXPECT_EQ(ctrlA, 0);
    EXPECT_EQ(field->selectedText(), QStringLiteral("12.5"));
    strikeKey(field, Qt::Key_7, QStringLiteral("7"), Qt::NoModifier);
    strikeKey(field, Qt::Key_Period);
    EXPECT_EQ(field->text(), QStringLiteral("7."));
    strikeKey(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    // Shift goes down before Backtab and comes up after it.
    log.heard.clear();
    strikeKey(field, Qt::Key_Backtab, Qt::ShiftModifier);
    const std::vector<KeyLog::Heard> backtab = {
        {QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, true},
        {QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier, true},
        {QEvent::KeyRelease, Qt::Key_Backtab, Qt::ShiftModifier, true},
        {QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, true}};
    EXPECT_EQ(log.heard, backtab);
}

}  // namespace
}  // namespace orvane
