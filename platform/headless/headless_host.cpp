#include "platform/headless/headless_host.hpp"

#include "platform/device_layout.hpp"

#include <algorithm>
#include <cmath>

#include "platform/appearance.hpp"
#include "platform/control_kinds.hpp"
#include "platform/scripted_clock.hpp"
#include "res/menu.hpp"

namespace orvane {

namespace {

bool takesFocus(const HeadlessControl& c) {
    return takesFocus(c.kind);
}

// Splits UTF-8 text into its characters (each a short string).
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t n = 1;
        if (c >= 0xF0) {
            n = 4;
        } else if (c >= 0xE0) {
            n = 3;
        } else if (c >= 0xC0) {
            n = 2;
        }
        n = std::min(n, text.size() - i);
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

class RecordingPainter : public Painter {
  public:
    std::vector<DrawCall> calls;
    void fillRect(int left, int top, int right, int bottom, Rgb fill) override {
        calls.push_back(
            {DrawCall::Kind::Rect, {}, left, top, right, bottom, Align::Left, {}, fill});
    }
    void drawText(std::string_view text, int left, int top, int right, int bottom, Align align,
                  Rgb foreground, Rgb background) override {
        calls.push_back({DrawCall::Kind::Text, std::string(text), left, top, right, bottom, align,
                         foreground, background});
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        calls.push_back({DrawCall::Kind::Line, {}, x1, y1, x2, y2, Align::Left, {}, {}});
    }
    void drawPictureFile(std::string_view file, int x, int y, int width, int height) override {
        calls.push_back({DrawCall::Kind::Picture,
                         std::string(file),
                         x,
                         y,
                         x + width,
                         y + height,
                         Align::Left,
                         {},
                         {}});
    }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// HeadlessWindow

HeadlessWindow::HeadlessWindow(HeadlessHost& host, WindowProc& proc, const DialogTemplate* tmpl,
                               std::string title)
    : host_(host), proc_(proc), template_(tmpl), title_(std::move(title)) {
    if (tmpl == nullptr) {
        return;
    }
    const BaseUnits base = dialogBaseUnits(tmpl->pointSize);
    for (const ControlTemplate& t : tmpl->controls) {
        HeadlessControl c;
        c.id = t.id;
        c.kind = t.kind;
        c.style = t.style;
        c.text = t.text;
        c.visible = (t.style & cs::kHidden) == 0;
        c.rect = controlRect(base, t);
        controls_.push_back(std::move(c));
    }
}

HeadlessControl* HeadlessWindow::control(int id) {
    for (HeadlessControl& c : controls_) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

const HeadlessControl* HeadlessWindow::control(int id) const {
    return const_cast<HeadlessWindow*>(this)->control(id);
}

std::string HeadlessWindow::text(int id) const {
    const HeadlessControl* c = control(id);
    return c ? c->text : std::string();
}

void HeadlessWindow::setText(int id, std::string_view text) {
    HeadlessControl* c = control(id);
    if (c == nullptr) {
        return;
    }
    c->text = std::string(text);
    if (c->kind == ControlKind::Edit) {
        notify(id, notify::kEditChange);  // a program write into an edit raises its change
    }
}

void HeadlessWindow::show(int id, bool visible) {
    if (HeadlessControl* c = control(id)) {
        c->visible = visible;
    }
}

bool HeadlessWindow::visible(int id) const {
    const HeadlessControl* c = control(id);
    return c != nullptr && c->visible;
}

void HeadlessWindow::move(int id, PixelRect rect) {
    if (HeadlessControl* c = control(id)) {
        c->rect = c->kind == ControlKind::Combo && template_ != nullptr
                      ? comboLine(dialogBaseUnits(template_->pointSize), rect)
                      : rect;
    }
}

void HeadlessWindow::setChecked(int id, bool checked) {
    if (HeadlessControl* c = control(id)) {
        c->checked = checked;
    }
}

bool HeadlessWindow::checked(int id) const {
    const HeadlessControl* c = control(id);
    return c != nullptr && c->checked;
}

void HeadlessWindow::setEnabled(int id, bool enabled) {
    if (HeadlessControl* c = control(id)) {
        c->enabled = enabled;
    }
}

void HeadlessWindow::setFocus(int id) {
    moveFocus(id);
}

void HeadlessWindow::moveFocus(int id) {
    if (id != 0 && control(id) == nullptr) {
        return;
    }
    focus_.move(
        id,
        [this](int c) -> std::optional<ControlKind> {
            const HeadlessControl* x = control(c);
            return x ? std::optional<ControlKind>(x->kind) : std::nullopt;
        },
        [] {}, [this](int c, int code) { notify(c, code); });
}

void HeadlessWindow::focusFirstControl() {
    if (const HeadlessControl* c = firstFocusControl(
            controls_, [](const HeadlessControl& x) { return x.visible && x.enabled; })) {
        moveFocus(c->id);
    }
}

ControlState HeadlessWindow::controlState() const {
    return {[this](std::size_t i) {
                return i < controls_.size() && controls_[i].visible && controls_[i].enabled;
            },
            [this](std::size_t i) { return i < controls_.size() ? controls_[i].text : ""; }};
}

void HeadlessWindow::addListEntry(int id, std::string_view entry) {
    HeadlessControl* c = control(id);
    if (c == nullptr) {
        return;
    }
    c->list.emplace_back(entry);
    if ((c->style & cs::kSorted) != 0) {
        std::stable_sort(c->list.begin(), c->list.end());
    }
}

void HeadlessWindow::clearList(int id) {
    if (HeadlessControl* c = control(id)) {
        c->list.clear();
    }
}

void HeadlessWindow::redraw(int id) {
    HeadlessControl* c = control(id);
    if (c == nullptr || (c->style & cs::kOwnerDraw) == 0) {
        return;
    }
    RecordingPainter painter;
    proc_.onDrawItem(*this, id, painter, c->rect.width, c->rect.height);
    c->drawn = std::move(painter.calls);
}

void HeadlessWindow::end(int result) {
    if (template_ == nullptr) {
        host_.destroyMain();
        return;
    }
    ended_ = true;
    result_ = result;
}

void HeadlessWindow::message(std::string_view text) {
    host_.showMessage(text);
}

bool HeadlessWindow::ask(std::string_view text) {
    return host_.showQuestion(text);
}

void HeadlessWindow::startTimer(int id, int periodMs) {
    host_.startTimer(this, id, periodMs);
}

void HeadlessWindow::stopTimer(int id) {
    host_.stopTimer(this, id);
}

int HeadlessWindow::runModal(int templateId, WindowProc& procedure) {
    const DialogTemplate* tmpl = findDialogTemplate(templateId);
    if (tmpl == nullptr) {
        return -1;
    }
    HeadlessWindow dialog(host_, procedure, tmpl, tmpl->caption);
    host_.pushModal(&dialog);
    struct Pop {
        HeadlessHost& host;
        ~Pop() { host.popModal(); }
    } pop{host_};
    procedure.onOpen(dialog);
    if (!dialog.ended() && dialog.focus() == 0) {
        dialog.focusFirstControl();
    }
    if (!dialog.ended()) {
        host_.paintWindow(dialog);
    }
    while (!dialog.ended()) {
        host_.waitForUser();
    }
    return dialog.result();
}

// ---------------------------------------------------------------------------------------------
// HeadlessHost

HeadlessHost::HeadlessHost() = default;
HeadlessHost::~HeadlessHost() = default;

bool HeadlessHost::bringRunningCopyForward() {
    return main_ != nullptr;
}

Window* HeadlessHost::createMainWindow(std::string_view title, WindowProc& procedure) {
    main_ = std::make_unique<HeadlessWindow>(*this, procedure, nullptr, std::string(title));
    mainDestroyed_ = false;
    procedure.onOpen(*main_);
    paintMain();
    return main_.get();
}

int HeadlessHost::runMessageLoop() {
    mainShown_ = true;
    paintMain();
    while (main_ && !mainDestroyed_) {
        waitForUser();
    }
    return 0;
}

void HeadlessHost::programEnded() {
    stack_.clear();
    timers_.clear();
    main_.reset();
    mainDestroyed_ = false;
    mainShown_ = false;
}

void HeadlessHost::waitForUser() {
    if (source_ == nullptr) {
        throw ScriptEnded{};
    }
    source_->playNext();
}

void HeadlessHost::popModal() {
    if (stack_.empty()) {
        return;
    }
    HeadlessWindow* w = stack_.back();
    stack_.pop_back();
    timers_.forget(*w);
    // The window that the dialog covered is painted again.
    paintMain();
}

void HeadlessHost::destroyMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    mainDestroyed_ = true;
    main_->proc().onDestroy(*main_);
    timers_.forget(*main_);
}

void HeadlessHost::showMessage(std::string_view text) {
    ++messagesShown_;
    if (onMessageBox) {
        onMessageBox(std::string(text));
    }
}

bool HeadlessHost::showQuestion(std::string_view text) {
    ++messagesShown_;
    return onQuestion ? onQuestion(std::string(text)) : true;
}

void HeadlessHost::startTimer(HeadlessWindow* window, int id, int periodMs) {
    timers_.start(*window, id, periodMs);
}

void HeadlessHost::stopTimer(HeadlessWindow* window, int id) {
    timers_.stop(*window, id);
}

void HeadlessHost::elapse(double seconds) {
    timers_.elapse(seconds, [](HeadlessWindow& w, int id) { w.proc().onTimer(w, id); });
}

void HeadlessHost::tick(int timerId, int count) {
    timers_.tick(timerId, count, [](HeadlessWindow& w, int id) { w.proc().onTimer(w, id); });
}

void HeadlessHost::paintMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    RecordingPainter painter;
    main_->proc().onPaint(*main_, painter);
    lastPaint_ = std::move(painter.calls);
}

void HeadlessHost::paintWindow(HeadlessWindow& window) {
    RecordingPainter painter;
    window.proc().onPaint(window, painter);
    for (const HeadlessControl& c : window.controls()) {
        window.redraw(c.id);
    }
}

HeadlessWindow& HeadlessHost::top() const {
    if (!main_) {
        throw ScriptError("the program is not running");
    }
    return stack_.empty() ? *main_ : *stack_.back();
}

HeadlessWindow& HeadlessHost::userControlWindow(int id, HeadlessControl*& control) const {
    HeadlessWindow& w = top();
    control = w.control(id);
    if (control == nullptr) {
        throw ScriptError("no control " + std::to_string(id) + " in the top window");
    }
    if (!control->visible) {
        throw ScriptError("control " + std::to_string(id) + " is hidden");
    }
    if (!control->enabled) {
        throw ScriptError("control " + std::to_string(id) + " is disabled");
    }
    return w;
}

void HeadlessHost::tap() {
    HeadlessWindow& w = top();
    w.proc().onTap(w);
}

void HeadlessHost::menu(int command) {
    top();
    if (!stack_.empty()) {
        throw ScriptError("a dialog is open: the menu cannot be reached");
    }
    main_->notify(command, 0);
}

void HeadlessHost::accelerator(char letter) {
    top();
    if (!stack_.empty()) {
        throw ScriptError("a dialog is open: the accelerator goes to the dialog");
    }
    for (const Accelerator& a : accelerators()) {
        if (a.letter == letter) {
            main_->notify(a.command, 1);
            return;
        }
    }
}

void HeadlessHost::closeWindow() {
    top();
    if (!stack_.empty()) {
        throw ScriptError("a dialog is open: close it first");
    }
    main_->proc().onCloseRequest(*main_);
}

void HeadlessHost::repaint() {
    top();
    paintMain();
}

void HeadlessHost::focus(int id) {
    HeadlessControl* c = nullptr;
    HeadlessWindow& w = userControlWindow(id, c);
    if (!takesFocus(*c)) {
        throw ScriptError("control " + std::to_string(id) + " cannot take the focus");
    }
    w.moveFocus(id);
}

void HeadlessHost::type(int id, const std::string& text) {
    HeadlessControl* c = nullptr;
    HeadlessWindow& w = userControlWindow(id, c);
    if (c->kind != ControlKind::Edit && c->kind != ControlKind::Combo) {
        throw ScriptError("control " + std::to_string(id) + " takes no typing");
    }
    if ((c->style & cs::kReadOnly) != 0) {
        throw ScriptError("control " + std::to_string(id) + " is read-only");
    }
    if (w.focus() != id) {
        const int shown = messagesShown_;
        w.moveFocus(id);
        if (messagesShown_ != shown || w.focus() != id) {
            return;  // a message box took the keystrokes
        }
    }
    const ControlKind kind = c->kind;
    const bool digitsOnly = (c->style & cs::kDigits) != 0;
    if (text.empty()) {
        if (!c->text.empty()) {
            c->text.clear();
            w.notify(id, changeNotification(kind));
        }
        return;
    }
    bool selected = true;  // typing replaces the whole text, selected first
    for (const std::string& ch : characters(text)) {
        if (w.ended() || &top() != &w) {
            return;
        }
        HeadlessControl* now = w.control(id);
        if (digitsOnly && !(ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9')) {
            continue;  // the field refuses anything but digits
        }
        if (selected) {
            now->text = ch;
            selected = false;
        } else {
            now->text += ch;
        }
        w.notify(id, changeNotification(kind));
    }
}

void HeadlessHost::click(int id) {
    HeadlessControl* c = nullptr;
    HeadlessWindow& w = userControlWindow(id, c);
    if (c->kind != ControlKind::PushButton && c->kind != ControlKind::RadioButton) {
        throw ScriptError("control " + std::to_string(id) + " is not a button");
    }
    if (w.focus() != id) {
        const int shown = messagesShown_;
        w.moveFocus(id);
        if (messagesShown_ != shown) {
            return;  // a message box came up during the focus change: the tap is lost
        }
    }
    if (c->kind == ControlKind::RadioButton) {
        // An automatic radio button checks itself and clears the rest of its group.
        auto& all = w.controls();
        const auto self = static_cast<std::size_t>(c - all.data());
        const auto [first, last] = radioGroup(all, self);
        for (std::size_t i = first; i < last; ++i) {
            all[i].checked = i == self;
        }
    }
    w.notify(id, notify::kClicked);
}

void HeadlessHost::pick(int id, const std::string& entry) {
    HeadlessControl* c = nullptr;
    HeadlessWindow& w = userControlWindow(id, c);
    if (c->kind != ControlKind::Combo) {
        throw ScriptError("control " + std::to_string(id) + " has no drop-down list");
    }
    if (std::find(c->list.begin(), c->list.end(), entry) == c->list.end()) {
        throw ScriptError("the list of " + std::to_string(id) + " has no entry " + entry);
    }
    if (w.focus() != id) {
        const int shown = messagesShown_;
        w.moveFocus(id);
        if (messagesShown_ != shown) {
            return;
        }
    }
    w.control(id)->text = entry;
    w.notify(id, notify::kComboSelChange);
}

void HeadlessHost::command(int id, int code) {
    top().notify(id, code);
}

void HeadlessHost::help() {
    HeadlessWindow& w = top();
    w.proc().onHelp(w);
}

void HeadlessHost::key(Key key) {
    HeadlessWindow& w = top();
    if (stack_.empty()) {
        // On the main window the keys walk the menu; what they pick is the menu's command.
        if (const std::optional<int> command = menuKeys_.press(key)) {
            main_->notify(*command, 0);
        }
        return;
    }
    menuKeys_.close();
    const DialogTemplate* dialog = findDialogTemplate(w.templateId());
    if (dialog == nullptr) {
        return;
    }
    const ControlState now = w.controlState();
    KeyAction action;
    switch (key) {
        case Key::Tab:
        case Key::BackTab:
            if (const int next = nextTabStop(*dialog, w.focus(), key == Key::Tab, now)) {
                w.moveFocus(next);
            }
            return;
        case Key::Escape:
            w.notify(escapeCommand(*dialog), 0);
            return;
        case Key::Enter:
            action = enterAction(*dialog, w.focus(), now);
            break;
        case Key::Space:
            action = spaceAction(*dialog, w.focus());
            if (action.kind == KeyAction::Kind::Nothing) {
                throw ScriptError("space types into a field: type it instead");
            }
            break;
        default:
            return;  // the arrows and the menu keys do nothing in a dialog
    }
    if (action.kind == KeyAction::Kind::Tap) {
        click(action.id);  // as a tap: the focus moves to the button first
    } else if (action.kind == KeyAction::Kind::Command) {
        w.notify(action.id, 0);
    }
}

std::string HeadlessHost::accessibleName(int id) const {
    const HeadlessWindow& w = top();
    const DialogTemplate* dialog = findDialogTemplate(w.templateId());
    if (dialog != nullptr) {
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            if (dialog->controls[i].id == id) {
                return orvane::accessibleName(*dialog, i, w.controlState());
            }
        }
    }
    throw ScriptError("no control " + std::to_string(id) + " in the top window");
}

int HeadlessHost::topTemplate() const {
    return main_ ? top().templateId() : -1;
}

std::string HeadlessHost::topTitle() const {
    return top().title();
}

bool HeadlessHost::hasControl(int id) const {
    return main_ && top().control(id) != nullptr;
}

std::string HeadlessHost::controlText(int id) const {
    return top().text(id);
}

bool HeadlessHost::controlVisible(int id) const {
    return top().visible(id);
}

bool HeadlessHost::controlChecked(int id) const {
    return top().checked(id);
}

bool HeadlessHost::controlEnabled(int id) const {
    const HeadlessControl* c = top().control(id);
    return c != nullptr && c->enabled;
}

int HeadlessHost::focusedControl() const {
    return top().focus();
}

std::vector<std::string> HeadlessHost::listEntries(int id) const {
    const HeadlessControl* c = top().control(id);
    return c ? c->list : std::vector<std::string>{};
}

std::vector<std::string> HeadlessHost::layoutFaults(bool& textChecked) {
    textChecked = false;
    HeadlessWindow& w = top();
    const DialogTemplate* t = w.dialogTemplate();
    if (t == nullptr) {
        return panelBoxFaults(lastPaint_);  // the main window: its panel as painted
    }
    std::vector<LayoutControl> shown;
    for (const HeadlessControl& c : w.controls()) {
        if (c.visible) {
            shown.push_back({c.id, c.kind, c.style, c.rect});
        }
    }
    return geometryFaults(dialogClientRect(*t), shown, 2, dialogBaseUnits(t->pointSize).y);
}

void HeadlessHost::setAppearance(Appearance choice) {
    const Shade before = shade();
    appearance_ = choice;
    if (shade() != before) {
        paintMain();  // the panel in the new colours
    }
}

Shade HeadlessHost::shade() {
    return shadeOf(appearance_, desktopDark_);
}

void HeadlessHost::setDesktopDark(bool dark) {
    const Shade before = shade();
    desktopDark_ = dark;
    if (shade() != before) {
        paintMain();
    }
}

// Without a picture, what the colours of the summary panel's last paint say: its texts against
// their own backgrounds, and every colour for Night. A dialog's colours are the Qt host's.
std::vector<std::string> HeadlessHost::contrastFaults(bool& measured) {
    measured = false;
    std::vector<std::string> faults;
    if (top().dialogTemplate() != nullptr) {
        return faults;
    }
    for (const DrawCall& c : lastPaint_) {
        if (c.kind == DrawCall::Kind::Text && !c.text.empty() &&
            contrastRatio(c.foreground, c.background) < kMinimumTextContrast) {
            faults.push_back("panel text \"" + c.text + "\": contrast " +
                             describeContrast(c.foreground, c.background));
        }
    }
    return faults;
}

std::vector<std::string> HeadlessHost::nightFaults(bool& measured) {
    measured = false;
    std::vector<std::string> faults;
    if (top().dialogTemplate() != nullptr) {
        return faults;
    }
    for (const DrawCall& c : lastPaint_) {
        for (const Rgb colour : {c.foreground, c.background}) {
            if ((c.kind == DrawCall::Kind::Text || c.kind == DrawCall::Kind::Rect) &&
                !fitsNight(colour)) {
                faults.push_back("panel " +
                                 std::string(c.kind == DrawCall::Kind::Text
                                                 ? "text \"" + c.text + "\""
                                                 : "fill") +
                                 " in " + describeColour(colour));
                break;
            }
        }
    }
    return faults;
}

std::string HeadlessHost::describeTop() const {
    const HeadlessWindow& w = top();
    std::string out = "title: " + w.title() + "\n";
    for (const HeadlessControl& c : const_cast<HeadlessWindow&>(w).controls()) {
        out += "  " + std::to_string(c.id) + " " + controlKindName(c.kind) +
               (c.visible ? " visible" : " hidden") + (c.checked ? " checked" : "") +
               (c.enabled ? "" : " disabled") + " \"" + c.text + "\"\n";
    }
    return out;
}

}  // namespace orvane
