#include "platform/qt/qt_scripted_host.hpp"

#include "platform/qt/data_paths.hpp"

#include <cstdlib>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "platform/control_kinds.hpp"
#include "platform/qt/qt_colour_check.hpp"
#include "platform/qt/qt_layout_check.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/single_instance.hpp"
#include "platform/qt/synthetic_keys.hpp"
#include "platform/scripted_clock.hpp"
#include "res/menu.hpp"

namespace orvane {

namespace {

// How long the driver waits for the window it is about to act on to become active: a few
// passes of the event loop at once, then a little longer, then it acts anyway.
constexpr int kQuickActivationPasses = 20;
constexpr int kActivationPasses = 520;
constexpr int kActivationPassMs = 2;

std::string number(int id) {
    return std::to_string(id);
}

// A mouse event as the window system delivers it: spontaneous, so that a press gives the focus
// to the widget as a real tap does.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const bool press = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton,
                      press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    markFromWindowSystem(event);
    QApplication::instance()->notify(widget, &event);
}

void tapWidget(QWidget* widget, QPoint at) {
    QPointer<QWidget> target(widget);
    sendMouse(widget, QEvent::MouseButtonPress, at);
    if (target) {
        sendMouse(target, QEvent::MouseButtonRelease, at);
    }
}

// A desktop with a dark theme, as a dark desktop hands Qt its palette: light text on dark greys.
QPalette darkDesktopPalette() {
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor text(240, 240, 240);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(45, 45, 45));
    p.setColor(QPalette::Dark, QColor(30, 30, 30));
    p.setColor(QPalette::Shadow, QColor(10, 10, 10));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    }
    return p;
}

// The key a character is typed with, as a keyboard reports it.
Qt::Key keyOf(QChar ch) {
    const char16_t code = ch.toUpper().unicode();
    return code >= 0x20 && code < 0x100 ? static_cast<Qt::Key>(code) : Qt::Key_unknown;
}

class QtScriptedHost final : public ScriptedHost, private QtUi::Hooks, private QtUi::Timers {
  public:
    QtScriptedHost(std::shared_ptr<QApplication> application, QString runtimeFolder)
        : application_(std::move(application)),
          ui_(*this, static_cast<QtUi::Timers*>(this)),
          runtimeFolder_(std::move(runtimeFolder)) {
        pump_.setSingleShot(true);
        QObject::connect(&pump_, &QTimer::timeout, [this] { pumpFired(); });
    }
    ~QtScriptedHost() override {
        if (desktopDark_) {
            setDesktopDark(false);  // the next script's host finds a light desktop
        }
        pump_.stop();
        ui_.forget();
        instance_.reset();
    }

    // Platform
    bool bringRunningCopyForward() override {
        auto attempt = std::make_unique<SingleInstance>(
            runtimeFolder_, [this] { ui_.guard([this] { ui_.bringForward(); }); });
        // The running copy may be this very process, which answers only once we return.
        if (attempt->claim(false) == SingleInstance::Outcome::Forwarded) {
            return true;
        }
        instance_ = std::move(attempt);
        return false;
    }
    Window* createMainWindow(std::string_view title, WindowProc& procedure) override {
        return ui_.createMainWindow(title, procedure);
    }
    int runMessageLoop() override { return ui_.runMessageLoop(); }
    // The world
    void setActionSource(ActionSource* source) override { source_ = source; }
    void elapse(double seconds) override { timers_.elapse(seconds, fireTimer); }
    void tick(int timerId, int count) override { timers_.tick(timerId, count, fireTimer); }
    void setZoom(double zoom) override { ui_.setZoom(zoom); }  // zoomChanged follows
    void setDesktopDark(bool dark) override {
        desktopDark_ = dark;
        QApplication::setPalette(dark ? darkDesktopPalette()
                                      : QApplication::style()->standardPalette());
    }
    void setAppearance(Appearance choice) override { ui_.setAppearance(choice); }
    Shade shade() override { return ui_.shade(); }

    // The program and the user
    bool programRunning() const override { return ui_.mainWindow() != nullptr; }
    void programEnded() override {
        ui_.forget();
        instance_.reset();
    }
    void tap() override;
    void menu(int command) override;
    void accelerator(char letter) override;
    void closeWindow() override;
    void repaint() override {
        top();
        ui_.paintMain();
    }
    void focus(int id) override;
    void type(int id, const std::string& text) override;
    void click(int id) override;
    void pick(int id, const std::string& entry) override;
    void command(int id, int code) override;
    void help() override;
    void key(Key key) override;

    // For measurements.
    QWidget* controlWidget(int id) const {
        const QtControl* c = ui_.mainWindow() != nullptr ? top().control(id) : nullptr;
        return c != nullptr ? c->widget : nullptr;
    }
    QWidget* topFrame() const { return ui_.mainWindow() != nullptr ? top().frame() : nullptr; }

    // What can be seen
    int topTemplate() const override { return ui_.mainWindow() ? top().templateId() : -1; }
    std::string topTitle() const override { return top().title(); }
    bool hasControl(int id) const override {
        return ui_.mainWindow() != nullptr && top().control(id) != nullptr;
    }
    std::string controlText(int id) const override { return top().text(id); }
    bool controlVisible(int id) const override { return top().visible(id); }
    bool controlChecked(int id) const override { return top().checked(id); }
    bool controlEnabled(int id) const override;
    int focusedControl() const override { return top().focus(); }
    std::vector<std::string> listEntries(int id) const override;
    std::string describeTop() const override;
    std::vector<DrawCall> lastMainPaint() const override { return ui_.lastMainPaint(); }
    bool shot(const std::string& file, int control) override;
    std::string accessibleName(int id) const override;
    std::vector<std::string> panelText() const override;
    std::vector<std::string> layoutFaults(bool& textChecked) override {
        textChecked = true;
        std::vector<std::string> faults = std::exchange(boxFaults_, {});
        if (ui_.mainWindow() != nullptr) {
            for (std::string& f : qtWindowLayoutFaults(ui_, top())) {
                faults.push_back(std::move(f));
            }
        }
        return faults;
    }

    std::vector<std::string> contrastFaults(bool& measured) override {
        measured = true;
        std::vector<std::string> faults = std::exchange(boxContrastFaults_, {});
        for (std::string& f : qtContrastFaults(ui_)) {
            faults.push_back(std::move(f));
        }
        return faults;
    }
    std::vector<std::string> nightFaults(bool& measured) override {
        measured = true;
        std::vector<std::string> faults = std::exchange(boxNightFaults_, {});
        for (std::string& f : qtNightFaults(ui_)) {
            faults.push_back(std::move(f));
        }
        return faults;
    }

  private:
    // The windows' timers run on the scripted clock.
    double scriptedNow() const override { return timers_.now(); }
    void start(QtWindow& window, int id, int periodMs) override {
        timers_.start(window, id, periodMs);
    }
    void stop(QtWindow& window, int id) override { timers_.stop(window, id); }
    void forget(const QtWindow& window) override { timers_.forget(window); }
    void clear() override { timers_.clear(); }
    static void fireTimer(QtWindow& window, int id) { window.proc().onTimer(window, id); }

    void zoomChanged(double zoom) override { ScriptedHost::zoomChanged(zoom); }
    void loopStarting() override { pump_.start(0); }
    void messageBoxShown(QMessageBox& box, const std::string& text) override {
        for (std::string& f : qtMessageBoxLayoutFaults(ui_, box)) {
            boxFaults_.push_back("message box " + text + ": " + f);
        }
        boxText_ = text;
        if (box.button(QMessageBox::Yes) != nullptr) {
            answerYes_ = onQuestion ? onQuestion(text) : true;
        } else if (onMessageBox) {
            onMessageBox(text);
        }
        pump_.start(0);
    }
    void pumpFired();
    QtWindow& top() const;
    QtControl& userControl(int id, QtWindow*& window) const;
    bool pressTakingFocus(QtWindow& window, int id, QWidget* target, QPoint at);

    std::shared_ptr<QApplication> application_;  // first: it outlives the windows
    ScriptedTimers<QtWindow> timers_;            // before the windows, which it fires
    QtUi ui_;
    QTimer pump_;
    QString runtimeFolder_;
    std::unique_ptr<SingleInstance> instance_;
    ActionSource* source_ = nullptr;
    int activationPasses_ = 0;
    bool answerYes_ = true;               // the answer to the question on screen
    std::vector<std::string> boxFaults_;  // of the message boxes shown since the last look
    std::vector<std::string> boxContrastFaults_;
    std::vector<std::string> boxNightFaults_;
    bool desktopDark_ = false;
    std::string boxText_;  // the text of the message box on screen
};

void QtScriptedHost::pumpFired() {
    if (ui_.unwinding()) {
        return;
    }
    if (QMessageBox* box = ui_.messageBox()) {
        // Message boxes are confirmed with OK as they appear, questions answered as the
        // script said.
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok == nullptr) {
            ok = box->button(answerYes_ ? QMessageBox::Yes : QMessageBox::No);
        }
        if (!box->isVisible() || ok == nullptr) {
            pump_.start(kActivationPassMs);
            return;
        }
        pump_.start(0);
        // Its colours as the pilot sees them, on screen, before OK takes it away.
        for (std::string& f : qtMessageBoxContrastFaults(*box)) {
            boxContrastFaults_.push_back("message box " + boxText_ + ": " + f);
        }
        for (std::string& f : qtMessageBoxNightFaults(*box)) {
            boxNightFaults_.push_back("message box " + boxText_ + ": " + f);
        }
        tapWidget(ok, ok->rect().center());
        return;
    }
    pump_.start(0);
    if (!ui_.waitingForUser()) {
        return;  // the loop that runs is ending: the next line plays in the one it returns to
    }
    // The window acted on must be the active one, or Qt holds its focus changes back.
    QWidget* frame = ui_.topWindow()->frame();
    if (!frame->isActiveWindow() && activationPasses_ < kActivationPasses) {
        if (activationPasses_ % 100 == 0) {
            frame->activateWindow();
        }
        ++activationPasses_;
        pump_.start(activationPasses_ < kQuickActivationPasses ? 0 : kActivationPassMs);
        return;
    }
    activationPasses_ = 0;
    // Armed again before the line plays: a line that opens a modal dialog plays the next one
    // inside the dialog's loop.
    ui_.guard([this] {
        if (source_ == nullptr) {
            throw ScriptEnded{};
        }
        source_->playNext();
    });
}

QtWindow& QtScriptedHost::top() const {
    if (ui_.mainWindow() == nullptr) {
        throw ScriptError("the program is not running");
    }
    return *ui_.topWindow();
}

QtControl& QtScriptedHost::userControl(int id, QtWindow*& window) const {
    window = &top();
    QtControl* c = window->control(id);
    if (c == nullptr) {
        throw ScriptError("no control " + number(id) + " in the top window");
    }
    if (!window->visible(id)) {
        throw ScriptError("control " + number(id) + " is hidden");
    }
    if (!c->widget->isEnabled()) {
        throw ScriptError("control " + number(id) + " is disabled");
    }
    return *c;
}

// Presses on a control (or on part of it); the press gives the control the focus first, as a
// tap does. Returns false when a message box came up during the focus change: on a real screen
// such a tap is lost.
bool QtScriptedHost::pressTakingFocus(QtWindow& window, int id, QWidget* target, QPoint at) {
    const int shown = ui_.messagesShown();
    const int changes = window.userFocusChanges();
    sendMouse(target, QEvent::MouseButtonPress, at);
    if (ui_.messagesShown() != shown) {
        return false;
    }
    if (window.userFocusChanges() == changes && window.focus() != id && !window.ended() &&
        !ui_.unwinding()) {
        // Qt keeps a focus change for a window that is not active until it is; the tap has
        // moved the focus all the same.
        window.moveFocus(id);
    }
    return ui_.messagesShown() == shown;
}

void QtScriptedHost::tap() {
    QtWindow& window = top();
    QWidget* area = window.client();
    // A tap on the window itself, away from its controls.
    QPoint at = area->rect().center();
    if (area->childAt(at) != nullptr) {
        bool found = false;
        for (int y = 1; y < area->height() && !found; y += 3) {
            for (int x = 1; x < area->width() && !found; x += 3) {
                if (area->childAt(x, y) == nullptr) {
                    at = QPoint(x, y);
                    found = true;
                }
            }
        }
        if (!found) {
            window.tapped();
            return;
        }
    }
    tapWidget(area, at);
}

void QtScriptedHost::menu(int command) {
    top();
    if (!ui_.dialogs().empty()) {
        throw ScriptError("a dialog is open: the menu cannot be reached");
    }
    ui_.mainWindow()->chooseMenuCommand(command);
}

void QtScriptedHost::accelerator(char letter) {
    top();
    if (!ui_.dialogs().empty()) {
        throw ScriptError("a dialog is open: the accelerator goes to the dialog");
    }
    QtWindow& main = *ui_.mainWindow();
    if (main.frame()->isActiveWindow()) {
        strikeKey(main.frame(), static_cast<Qt::Key>(letter), Qt::ControlModifier);
        return;
    }
    for (const Accelerator& a : accelerators()) {
        if (a.letter == letter) {
            main.frameCommand(a.command, 1);
        }
    }
}

void QtScriptedHost::closeWindow() {
    top();
    if (!ui_.dialogs().empty()) {
        throw ScriptError("a dialog is open: close it first");
    }
    ui_.mainWindow()->frame()->close();
}

void QtScriptedHost::focus(int id) {
    QtWindow* window = nullptr;
    QtControl& c = userControl(id, window);
    if (!takesFocus(c.kind)) {
        throw ScriptError("control " + number(id) + " cannot take the focus");
    }
    const int changes = window->userFocusChanges();
    c.widget->setFocus(Qt::TabFocusReason);
    if (window->userFocusChanges() == changes && window->focus() != id && !window->ended() &&
        !ui_.unwinding()) {
        window->moveFocus(id);
    }
}

void QtScriptedHost::type(int id, const std::string& text) {
    QtWindow* window = nullptr;
    QtControl& c = userControl(id, window);
    if (c.kind != ControlKind::Edit && c.kind != ControlKind::Combo) {
        throw ScriptError("control " + number(id) + " takes no typing");
    }
    if ((c.style & cs::kReadOnly) != 0) {
        throw ScriptError("control " + number(id) + " is read-only");
    }
    QPointer<QLineEdit> edit(c.edit());
    if (window->focus() != id) {
        const QPoint at = edit->rect().center();
        const bool kept = pressTakingFocus(*window, id, edit, at);
        if (edit) {
            sendMouse(edit, QEvent::MouseButtonRelease, at);
        }
        if (!kept || window->focus() != id) {
            return;  // a message box took the keystrokes
        }
    }
    if (!edit) {
        return;
    }
    // Typing replaces the whole text, selected first.
    edit->selectAll();
    if (text.empty()) {
        if (!edit->text().isEmpty()) {
            strikeKey(edit.data(), Qt::Key_Delete, QString(), Qt::NoModifier);
        }
        return;
    }
    const QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (window->ended() || ui_.topWindow() != window || ui_.unwinding() || !edit) {
            return;
        }
        QString character(typed.at(i));
        if (typed.at(i).isHighSurrogate() && i + 1 < typed.size()) {
            character += typed.at(++i);
        }
        strikeKey(edit.data(), keyOf(character.at(0)), character, Qt::NoModifier);
    }
}

void QtScriptedHost::click(int id) {
    QtWindow* window = nullptr;
    QtControl& c = userControl(id, window);
    if (c.kind != ControlKind::PushButton && c.kind != ControlKind::RadioButton) {
        throw ScriptError("control " + number(id) + " is not a button");
    }
    QPointer<QAbstractButton> button(static_cast<QAbstractButton*>(c.widget));
    const QPoint at = button->rect().center();
    if (window->focus() == id) {
        tapWidget(button, at);
        return;
    }
    if (!pressTakingFocus(*window, id, button, at)) {
        // The tap is lost: the finger comes up away from the button, which does not stay down.
        if (button) {
            sendMouse(button, QEvent::MouseButtonRelease, QPoint(-10, -10));
            button->setDown(false);
        }
        return;
    }
    if (button) {
        sendMouse(button, QEvent::MouseButtonRelease, at);
    }
}

void QtScriptedHost::pick(int id, const std::string& entry) {
    QtWindow* window = nullptr;
    QtControl& c = userControl(id, window);
    if (c.kind != ControlKind::Combo) {
        throw ScriptError("control " + number(id) + " has no drop-down list");
    }
    QPointer<QComboBox> combo(c.combo());
    const int index =
        combo->findText(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())),
                        Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        throw ScriptError("the list of " + number(id) + " has no entry " + entry);
    }
    if (window->focus() != id) {
        QPointer<QLineEdit> edit(c.edit());
        const QPoint at = edit->rect().center();
        const bool kept = pressTakingFocus(*window, id, edit, at);
        if (edit) {
            sendMouse(edit, QEvent::MouseButtonRelease, at);
        }
        if (!kept) {
            return;
        }
    }
    if (!combo || window->ended() || ui_.unwinding()) {
        return;
    }
    // Open the list and tap the entry.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item =
        combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(item);
    tapWidget(view->viewport(), view->visualRect(item).center());
    if (combo && combo->view()->isVisible()) {
        combo->hidePopup();
        throw ScriptError("the list of " + number(id) + " did not take the tap on " + entry);
    }
}

void QtScriptedHost::command(int id, int code) {
    QtWindow& window = top();
    QToolButton* ok = window.okButton();
    if (id == kCommandOk && code == 0 && ok != nullptr && ok->isVisible()) {
        tapWidget(ok, ok->rect().center());  // the caption's OK button
        return;
    }
    window.notify(id, code);
}

void QtScriptedHost::help() {
    QtWindow& window = top();
    if (window.frame()->isActiveWindow()) {
        // F1 goes where the keys go: the control that has the focus.
        QWidget* focused = QApplication::focusWidget();
        strikeKey(focused != nullptr ? focused : window.frame(), Qt::Key_F1);
    } else {
        window.helpRequested();
    }
}

void QtScriptedHost::key(Key key) {
    QtWindow& window = top();
    if (key == Key::Space && ui_.dialogs().empty() == false) {
        const QtControl* c = window.control(window.focus());
        if (c == nullptr ||
            (c->kind != ControlKind::PushButton && c->kind != ControlKind::RadioButton)) {
            throw ScriptError("space types into a field: type it instead");
        }
    }
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    Press press{Qt::Key_unknown, Qt::NoModifier};
    switch (key) {
        case Key::Enter:
            press = {Qt::Key_Return, Qt::NoModifier};
            break;
        case Key::Escape:
            press = {Qt::Key_Escape, Qt::NoModifier};
            break;
        case Key::Tab:
            press = {Qt::Key_Tab, Qt::NoModifier};
            break;
        case Key::BackTab:
            press = {Qt::Key_Backtab, Qt::ShiftModifier};
            break;
        case Key::Space:
            press = {Qt::Key_Space, Qt::NoModifier};
            break;
        case Key::AltF:
            press = {Qt::Key_F, Qt::AltModifier};
            break;
        case Key::AltT:
            press = {Qt::Key_T, Qt::AltModifier};
            break;
        case Key::F10:
            press = {Qt::Key_F10, Qt::NoModifier};
            break;
        case Key::Up:
            press = {Qt::Key_Up, Qt::NoModifier};
            break;
        case Key::Down:
            press = {Qt::Key_Down, Qt::NoModifier};
            break;
        case Key::Left:
            press = {Qt::Key_Left, Qt::NoModifier};
            break;
        case Key::Right:
            press = {Qt::Key_Right, Qt::NoModifier};
            break;
    }
    // The key goes where the keyboard goes: an open menu, else the focused widget.
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) {
        target = window.frame()->focusWidget();
    }
    if (target == nullptr) {
        target = window.frame();
    }
    strikeKey(target, press.key, press.modifiers);
}

std::string QtScriptedHost::accessibleName(int id) const {
    const QtControl* c = top().control(id);
    if (c == nullptr) {
        throw ScriptError("no control " + number(id) + " in the top window");
    }
    // A combo box's field is its line edit, which carries the name (Qt names the box itself after
    // its text on this platform, and links its label through a relation).
    QWidget* field = c->edit() != nullptr ? c->edit() : c->widget;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    return face != nullptr ? face->text(QAccessible::Name).toStdString() : std::string();
}

std::vector<std::string> QtScriptedHost::panelText() const {
    top();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(ui_.mainWindow()->client());
    std::vector<std::string> lines;
    if (face != nullptr) {
        const QStringList all = face->text(QAccessible::Description).split(QLatin1Char('\n'));
        for (const QString& line : all) {
            if (!line.isEmpty()) {
                lines.push_back(line.toStdString());
            }
        }
    }
    return lines;
}

std::vector<std::string> QtScriptedHost::listEntries(int id) const {
    std::vector<std::string> entries;
    if (const QtControl* c = top().control(id); c != nullptr && c->combo() != nullptr) {
        for (int i = 0; i < c->combo()->count(); ++i) {
            entries.push_back(c->combo()->itemText(i).toStdString());
        }
    }
    return entries;
}

bool QtScriptedHost::controlEnabled(int id) const {
    const QtControl* c = top().control(id);
    return c != nullptr && c->widget->isEnabled();
}

std::string QtScriptedHost::describeTop() const {
    const QtWindow& window = top();
    std::string out = "title: " + window.title() + "\n";
    for (const QtControl& c : window.controls()) {
        out += "  " + number(c.id) + " " + controlKindName(c.kind) +
               (window.visibleOf(c) ? " visible" : " hidden") +
               (window.checkedOf(c) ? " checked" : "") +
               (c.widget->isEnabled() ? "" : " disabled") + " \"" + window.textOf(c) + "\"\n";
    }
    return out;
}

bool QtScriptedHost::shot(const std::string& file, int control) {
    // The dialogs and message boxes lie inside the main window: one picture holds them all.
    QWidget* screen = ui_.mainWindow() != nullptr ? ui_.mainWindow()->frame() : nullptr;
    if (screen == nullptr || !screen->isVisible()) {
        return false;
    }
    QImage picture = screen->grab().toImage();
    if (control != 0 && !picture.isNull()) {
        // The control's rectangle on the screen, in the picture's own pixels (QT_SCALE_FACTOR).
        const QtControl* c = top().control(control);
        if (c == nullptr) {
            return false;
        }
        const QRect area(c->widget->mapTo(screen, QPoint(0, 0)), c->widget->size());
        const qreal ratio = picture.devicePixelRatio();
        picture = picture.copy(QRect(qRound(area.x() * ratio), qRound(area.y() * ratio),
                                     qRound(area.width() * ratio), qRound(area.height() * ratio)));
    }
    return !picture.isNull() &&
           picture.save(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())), "PNG");
}

QtMessageHandler qtMessages = nullptr;

// The off-screen platform says so whenever a window asks for something only a window manager
// does (stacking, size hints); that is no news to the driver.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (qtMessages != nullptr) {
        qtMessages(type, context, text);
    }
}

}  // namespace

QWidget* qtControlWidget(ScriptedHost& host, int id) {
    auto* qt = dynamic_cast<QtScriptedHost*>(&host);
    return qt != nullptr ? qt->controlWidget(id) : nullptr;
}

QWidget* qtTopFrame(ScriptedHost& host) {
    auto* qt = dynamic_cast<QtScriptedHost*>(&host);
    return qt != nullptr ? qt->topFrame() : nullptr;
}

std::unique_ptr<ScriptedHost> makeQtScriptedHost(int& argc, char** argv) {
    static QTemporaryDir* runtime = nullptr;  // removed with its contents at exit
    if (runtime == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // The single-instance lock and socket of the programs this driver starts live in a
        // folder of its own, so that drivers running side by side do not meet.
        runtime = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/orvane-drive-XXXXXX"));
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime->isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
        qtMessages = qInstallMessageHandler(quietOffscreenNotices);
        addDataFolder(QStringLiteral(ORVANE_BUILD_DATA_DIR));
        std::atexit([] { delete runtime; });
    }
    // The hosts share one application: made with the first, ended with the last, so that it goes
    // while main() still runs (the driver makes a host for each script). An application made by
    // the caller is used as it is.
    static std::weak_ptr<QApplication> shared;
    std::shared_ptr<QApplication> application = shared.lock();
    if (!application) {
        if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
            application = std::shared_ptr<QApplication>(existing, [](QApplication*) {});
        } else {
            application = std::make_shared<QApplication>(argc, argv);
            setUpApplication();
        }
        shared = application;
    }
    return std::make_unique<QtScriptedHost>(std::move(application),
                                            runtime->isValid() ? runtime->path() : QString());
}

}  // namespace orvane
