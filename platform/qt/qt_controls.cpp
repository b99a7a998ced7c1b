// A window's controls: built from the template entries, reached by id, and the focus moves and
// widget events that become the classic notifications.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "platform/control_kinds.hpp"
#include "platform/qt/data_paths.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"

namespace orvane {

namespace {

// The keyboard of a dialog: Tab, Shift+Tab, Enter, Space and Escape go to the window's own rules
// (the same as the headless host's) before Qt's focus chain, default buttons or the dialog's
// reject see them; and the focused control always shows its focus mark, also after a tap.
class DialogKeyboard : public QObject {
  public:
    DialogKeyboard(QtWindow& window, QWidget* frame) : QObject(frame), window_(window) {
        frame->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
                if (watched == window_.frame()) {
                    window_.nameControls();
                    window_.frame()->setAttribute(Qt::WA_KeyboardFocusChange);
                }
                break;
            case QEvent::FocusIn:
                window_.frame()->setAttribute(Qt::WA_KeyboardFocusChange);
                break;
            case QEvent::KeyPress:
                if (const std::optional<Key> key =
                        keyOf(*static_cast<QKeyEvent*>(event), watched)) {
                    window_.keyPressed(*key);
                    return true;
                }
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::optional<Key> keyOf(const QKeyEvent& event, QObject* watched) const {
        const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
        switch (event.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return mods == Qt::NoModifier ? std::optional<Key>(Key::Enter) : std::nullopt;
            case Qt::Key_Escape:
                return mods == Qt::NoModifier ? std::optional<Key>(Key::Escape) : std::nullopt;
            case Qt::Key_Tab:
                return mods == Qt::NoModifier ? std::optional<Key>(Key::Tab) : std::nullopt;
            case Qt::Key_Backtab:
                return Key::BackTab;
            case Qt::Key_Space: {
                // On a button only: in a field a space is typed.
                const bool button = qobject_cast<QAbstractButton*>(watched) != nullptr;
                return mods == Qt::NoModifier && button ? std::optional<Key>(Key::Space)
                                                        : std::nullopt;
            }
            default:
                return std::nullopt;
        }
    }

    QtWindow& window_;
};

// A result field's context menu: Copy puts its whole text (value and unit) on the clipboard.
void offerCopy(QLineEdit* edit) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(edit, &QWidget::customContextMenuRequested, edit, [edit](QPoint at) {
        QMenu menu(edit);
        menu.setPalette(edit->window()->palette());  // a menu is a window: it takes no palette
        QAction* copy = menu.addAction(QStringLiteral("Copy"));
        QObject::connect(copy, &QAction::triggered, edit,
                         [edit] { QApplication::clipboard()->setText(edit->text()); });
        menu.exec(edit->mapToGlobal(at));
    });
}

}  // namespace

QLineEdit* QtControl::edit() const {
    if (kind == ControlKind::Edit) {
        return static_cast<QLineEdit*>(widget);
    }
    if (kind == ControlKind::Combo) {
        return static_cast<QComboBox*>(widget)->lineEdit();
    }
    return nullptr;
}

QComboBox* QtControl::combo() const {
    return kind == ControlKind::Combo ? static_cast<QComboBox*>(widget) : nullptr;
}

// ---------------------------------------------------------------------------------------------
// QtWindow's controls

void QtWindow::placeControl(QtControl& c) {
    c.widget->setGeometry(zoomedRect(c.place, ui_.zoom()));
}

void QtWindow::buildControl(const ControlTemplate& t) {
    const BaseUnits units = dialogBaseUnits(template_->pointSize);
    if (controls_.empty()) {
        new DialogKeyboard(*this, frame_);
    }
    QtControl c;
    c.place = controlRect(units, t);
    c.id = t.id;
    c.kind = t.kind;
    c.style = t.style;
    c.templateText = t.text != nullptr ? t.text : "";
    const QString text = QString::fromUtf8(c.templateText.c_str());
    const int id = t.id;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((t.style & cs::kCentre) != 0) {
        horizontal = Qt::AlignHCenter;
    } else if ((t.style & cs::kRight) != 0) {
        horizontal = Qt::AlignRight;
    }

    switch (t.kind) {
        case ControlKind::Static: {
            auto* label = (t.style & cs::kOwnerDraw) != 0 ? new OwnerDrawnLabel(*this, id, client_)
                                                          : new QLabel(client_);
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            label->setAlignment(horizontal | Qt::AlignTop);
            // Text wraps at word breaks where the box has room for more than one line.
            label->setWordWrap(c.place.height >= 2 * units.y);
            if ((t.style & cs::kBorder) != 0) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
            }
            label->setAttribute(Qt::WA_TransparentForMouseEvents);  // taps go to the dialog
            c.widget = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new FieldEdit(client_);
            edit->setText(text);
            edit->setFrame((t.style & cs::kBorder) != 0);
            edit->setAlignment(horizontal | Qt::AlignVCenter);
            if ((t.style & cs::kReadOnly) != 0) {
                edit->setReadOnly(true);  // its colours: applyColours
            }
            const bool digitsOnly = (t.style & cs::kDigits) != 0;
            const bool mustFit = (t.style & cs::kAutoScroll) == 0;
            if (digitsOnly || mustFit) {
                edit->setValidator(new FieldValidator(edit, digitsOnly, mustFit));
            }
            if ((t.style & cs::kReadOnly) != 0) {
                offerCopy(edit);
            } else {
                edit->setContextMenuPolicy(Qt::NoContextMenu);
            }
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id] { frameCommand(id, notify::kEditChange); });
            c.widget = edit;
            break;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(client_);
            combo->setLineEdit(new FieldEdit(combo));  // editable, with the field's caret
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);  // no completion: the box shows what was typed
            QLineEdit* edit = combo->lineEdit();
            // A list entry is chosen only from the list, never by typing its text and leaving.
            QObject::disconnect(edit, SIGNAL(editingFinished()), combo, nullptr);
            QObject::disconnect(edit, SIGNAL(returnPressed()), combo, nullptr);
            edit->setText(text);
            edit->setContextMenuPolicy(Qt::NoContextMenu);
            // A drop-down list: its box shows the entry chosen and takes no typing.
            edit->setReadOnly((t.style & cs::kReadOnly) != 0);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id] { frameCommand(id, notify::kComboEditChange); });
            connect(combo, qOverload<int>(&QComboBox::activated), this, [this, id](int index) {
                // The box shows the entry chosen, whatever was typed since an earlier choice.
                if (QtControl* chosen = control(id)) {
                    QSignalBlocker quiet(chosen->edit());
                    chosen->edit()->setText(chosen->combo()->itemText(index));
                    chosen->edit()->setCursorPosition(0);
                }
                frameCommand(id, notify::kComboSelChange);
            });
            c.widget = combo;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, client_);
            // Enter is the dialog's business (see enterPressed), not Qt's default buttons'.
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { frameCommand(id, notify::kClicked); });
            c.widget = button;
            break;
        }
        case ControlKind::RadioButton: {
            auto* button = new RadioButton(text, client_, [this, id] { checkRadio(id); });
            button->setAutoExclusive(false);
            connect(button, &QRadioButton::clicked, this,
                    [this, id] { frameCommand(id, notify::kClicked); });
            c.widget = button;
            break;
        }
        case ControlKind::GroupBox: {
            c.widget = new GroupFrame(text, client_);
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(client_);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            const QImage image = readPicture(bitmapResourceFile(c.templateText));
            if (!image.isNull()) {
                // A picture control takes the size of its picture (shown by applyColours).
                const QPixmap pixmap = QPixmap::fromImage(image);
                picture->setScaledContents(true);
                c.place.width = pixmap.width();
                c.place.height = pixmap.height();
            }
            c.widget = picture;
            break;
        }
    }
    if (takesFocus(t.kind)) {
        c.widget->setFocusPolicy(tabStop(t.kind, t.style) ? Qt::StrongFocus : Qt::ClickFocus);
        c.widget->installEventFilter(this);
        if (QObject* keyboard =
                frame_->findChild<DialogKeyboard*>(QString(), Qt::FindDirectChildrenOnly)) {
            c.widget->installEventFilter(keyboard);
            if (QLineEdit* edit = c.edit(); edit != nullptr && edit != c.widget) {
                edit->installEventFilter(keyboard);
            }
        }
    } else {
        c.widget->setFocusPolicy(Qt::NoFocus);
    }
    if ((t.style & cs::kHidden) != 0) {
        c.widget->hide();
    }
    controls_.push_back(std::move(c));
}

QtControl* QtWindow::control(int id) {
    for (QtControl& c : controls_) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

const QtControl* QtWindow::control(int id) const {
    return const_cast<QtWindow*>(this)->control(id);
}

const QtControl* QtWindow::controlOf(const QObject* widget) const {
    for (const QtControl& c : controls_) {
        if (c.widget == widget) {
            return &c;
        }
    }
    return nullptr;
}

std::string QtWindow::text(int id) const {
    const QtControl* c = control(id);
    return c != nullptr ? textOf(*c) : std::string();
}

std::string QtWindow::textOf(const QtControl& c) const {
    switch (c.kind) {
        case ControlKind::Static:
            return static_cast<QLabel*>(c.widget)->text().toStdString();
        case ControlKind::Edit:
        case ControlKind::Combo:
            return c.edit()->text().toStdString();
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
            return static_cast<QAbstractButton*>(c.widget)->text().toStdString();
        case ControlKind::GroupBox:
            return static_cast<GroupFrame*>(c.widget)->title().toStdString();
        case ControlKind::Picture:
            return c.templateText;
    }
    return {};
}

bool QtWindow::visibleOf(const QtControl& c) const {
    return c.widget->isVisibleTo(client_);
}

bool QtWindow::checkedOf(const QtControl& c) const {
    return c.kind == ControlKind::RadioButton &&
           static_cast<QAbstractButton*>(c.widget)->isChecked();
}

void QtWindow::setText(int id, std::string_view text) {
    QtControl* c = control(id);
    if (c == nullptr) {
        return;
    }
    const QString value = fromUtf8(text);
    switch (c->kind) {
        case ControlKind::Static:
            static_cast<QLabel*>(c->widget)->setText(value);
            nameControls();  // a label names its field
            break;
        // After a program write the caret is at the end of the text, so that what the pilot
        // types next goes after it.
        case ControlKind::Edit:
            c->edit()->setText(value);
            c->edit()->setCursorPosition(static_cast<int>(value.size()));
            notify(id, notify::kEditChange);  // a program write into an edit raises its change
            break;
        case ControlKind::Combo:
            c->edit()->setText(value);
            c->edit()->setCursorPosition(static_cast<int>(value.size()));
            break;
        case ControlKind::PushButton:
            static_cast<QAbstractButton*>(c->widget)->setText(value);
            break;
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(c->widget)->setText(value);
            break;
        case ControlKind::GroupBox:
            static_cast<GroupFrame*>(c->widget)->setTitle(value);
            break;
        case ControlKind::Picture:
            break;
    }
}

void QtWindow::show(int id, bool visible) {
    QtControl* c = control(id);
    if (c == nullptr) {
        return;
    }
    ++silent_;  // hiding the focused control moves Qt's focus on; that is no user's doing
    c->widget->setVisible(visible);
    --silent_;
    if (!visible) {
        syncQtFocus();
    }
}

bool QtWindow::visible(int id) const {
    const QtControl* c = control(id);
    return c != nullptr && visibleOf(*c);
}

void QtWindow::move(int id, PixelRect rect) {
    QtControl* c = control(id);
    if (c == nullptr) {
        return;
    }
    c->place = c->kind == ControlKind::Combo
                   ? comboLine(dialogBaseUnits(template_->pointSize), rect)
                   : rect;
    placeControl(*c);
}

void QtWindow::setChecked(int id, bool checked) {
    QtControl* c = control(id);
    if (c != nullptr && c->kind == ControlKind::RadioButton) {
        static_cast<QAbstractButton*>(c->widget)->setChecked(checked);
    }
}

bool QtWindow::checked(int id) const {
    const QtControl* c = control(id);
    return c != nullptr && checkedOf(*c);
}

void QtWindow::setEnabled(int id, bool enabled) {
    QtControl* c = control(id);
    if (c == nullptr) {
        return;
    }
    ++silent_;  // disabling the focused control moves Qt's focus on; that is no user's doing
    c->widget->setEnabled(enabled);
    --silent_;
    if (!enabled) {
        syncQtFocus();
    }
}

void QtWindow::checkRadio(int id) {
    const QtControl* self = control(id);
    if (self == nullptr) {
        return;
    }
    const auto at = static_cast<std::size_t>(self - controls_.data());
    const auto [first, last] = radioGroup(controls_, at);
    for (std::size_t i = first; i < last; ++i) {
        static_cast<QAbstractButton*>(controls_[i].widget)->setChecked(i == at);
    }
}

void QtWindow::setFocus(int id) {
    moveFocus(id);
}

void QtWindow::moveFocus(int id) {
    if (id != 0 && control(id) == nullptr) {
        return;
    }
    focus_.move(
        id,
        [this](int c) -> std::optional<ControlKind> {
            const QtControl* x = control(c);
            return x ? std::optional<ControlKind>(x->kind) : std::nullopt;
        },
        [this] { syncQtFocus(); }, [this](int c, int code) { notify(c, code); });
}

void QtWindow::focusFirstControl() {
    if (const QtControl* c = firstFocusControl(controls_, [this](const QtControl& x) {
            return x.widget->isVisibleTo(client_) && x.widget->isEnabled();
        })) {
        moveFocus(c->id);
    }
}

void QtWindow::syncQtFocus() {
    if (client_ == nullptr || controls_.empty()) {
        return;
    }
    ++silent_;
    QWidget* want = nullptr;
    if (const QtControl* c = control(focus_.focus())) {
        if (c->widget->isVisibleTo(client_) && c->widget->isEnabled()) {
            want = c->widget;
        }
    }
    QWidget* current = frame_->focusWidget();
    if (want != nullptr) {
        if (current != want) {
            want->setFocus(Qt::OtherFocusReason);
        }
    } else if (current != nullptr && controlOf(current) != nullptr) {
        // The focus is on a control Qt cannot show focused (hidden): the window keeps it.
        client_->setFocus(Qt::OtherFocusReason);
    }
    --silent_;
}

void QtWindow::qtFocusArrived(int id, int reason) {
    if (silent_ > 0 || ended_ || ui_.unwinding()) {
        return;
    }
    const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                        reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (!byUser) {
        // The window became active again, a pop-up closed, Qt chose a default button: the
        // focus stays where the program and the user left it.
        if (id != focus_.focus()) {
            syncQtFocus();
        }
        return;
    }
    ++userFocusChanges_;
    if (id == focus_.focus()) {
        return;
    }
    const int shown = ui_.messagesShown();
    ui_.guard([&] { moveFocus(id); });
    if (reason == Qt::MouseFocusReason && ui_.messagesShown() != shown) {
        // A message box came up while the tap moved the focus: the tap itself is lost. Its
        // press is still on its way to the control (Qt moves the focus first); it is dropped
        // there, so that a button neither clicks nor stays down.
        lostTap_ = id;
        QTimer::singleShot(0, this, [this] { lostTap_ = kNoControl; });
    }
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (const QtControl* c = controlOf(watched)) {
            qtFocusArrived(c->id, static_cast<QFocusEvent*>(event)->reason());
        }
    } else if (event->type() == QEvent::MouseButtonPress ||
               event->type() == QEvent::MouseButtonDblClick) {
        const QtControl* c = controlOf(watched);
        if (c != nullptr && lostTap_ != kNoControl && c->id == lostTap_) {
            lostTap_ = kNoControl;
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const QtControl* c = controlOf(watched);
        if (c != nullptr && c->kind == ControlKind::Edit && (c->style & cs::kDigits) != 0) {
            // A digits-only field refuses any other character typed: every unit of the text is
            // looked at (an emoji is two), and only editing keys (control characters) pass.
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            const bool refused = std::any_of(typed.begin(), typed.end(), [](QChar ch) {
                const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
                const bool editing = ch.unicode() < 0x20 || ch.unicode() == 0x7F;
                return !digit && !editing;
            });
            if (refused) {
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

ControlState QtWindow::controlState() const {
    return {[this](std::size_t i) {
                return i < controls_.size() && visibleOf(controls_[i]) &&
                       controls_[i].widget->isEnabled();
            },
            [this](std::size_t i) { return i < controls_.size() ? textOf(controls_[i]) : ""; }};
}

void QtWindow::nameControls() {
    if (template_ == nullptr || controls_.size() != template_->controls.size()) {
        return;  // still being built
    }
    const ControlState now = controlState();
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const std::string name = accessibleName(*template_, i, now);
        if (!name.empty()) {
            controls_[i].widget->setAccessibleName(fromUtf8(name));
            if (QLineEdit* edit = controls_[i].edit();
                edit != nullptr && edit != controls_[i].widget) {
                edit->setAccessibleName(fromUtf8(name));
            }
        }
    }
}

void QtWindow::keyPressed(Key key) {
    if (template_ == nullptr || ended_ || ui_.unwinding()) {
        return;
    }
    const ControlState now = controlState();
    // The focus moves as the user moves it, with the notifications of a tap; where Qt holds a
    // focus change back for a window that is not active, it moves all the same.
    const auto focusOn = [this](int id) {
        QtControl* c = control(id);
        const int changes = userFocusChanges_;
        c->widget->setFocus(Qt::TabFocusReason);
        if (userFocusChanges_ == changes && focus_.focus() != id && !ended_ && !ui_.unwinding()) {
            ui_.guard([&] { moveFocus(id); });
        }
    };
    KeyAction action;
    switch (key) {
        case Key::Tab:
        case Key::BackTab:
            if (const int next = nextTabStop(*template_, focus_.focus(), key == Key::Tab, now)) {
                focusOn(next);
            }
            return;
        case Key::Escape:
            frameCommand(escapeCommand(*template_), 0);
            return;
        case Key::Enter:
            action = enterAction(*template_, focus_.focus(), now);
            break;
        case Key::Space:
            action = spaceAction(*template_, focus_.focus());
            break;
        default:
            return;
    }
    if (action.kind == KeyAction::Kind::Command) {
        frameCommand(action.id, 0);
        return;
    }
    if (action.kind != KeyAction::Kind::Tap) {
        return;
    }
    // A tap by key: the focus goes to the button first; a message box that comes up on the way
    // (a field's limit) takes the tap, as on the screen.
    QPointer<QWidget> button = control(action.id)->widget;
    if (focus_.focus() != action.id) {
        const int shown = ui_.messagesShown();
        focusOn(action.id);
        if (ui_.messagesShown() != shown || ended_ || focus_.focus() != action.id) {
            return;
        }
    }
    if (button && !ended_ && !ui_.unwinding()) {
        static_cast<QAbstractButton*>(button.data())->click();
    }
}

void QtWindow::addListEntry(int id, std::string_view entry) {
    QtControl* c = control(id);
    if (c == nullptr || c->kind != ControlKind::Combo) {
        return;
    }
    QComboBox* combo = c->combo();
    QLineEdit* edit = c->edit();
    const std::string value(entry);
    int index = combo->count();
    if ((c->style & cs::kSorted) != 0) {
        // After every entry that does not sort after it, as a stable sort of the byte strings.
        index = 0;
        while (index < combo->count() && !(value < combo->itemText(index).toStdString())) {
            ++index;
        }
    }
    // Adding to the list leaves the box's own text alone (Qt would show the first entry).
    QSignalBlocker quietCombo(combo);
    QSignalBlocker quietEdit(edit);
    const QString shown = edit->text();
    const int current = combo->currentIndex();
    combo->insertItem(index, fromUtf8(entry));
    if (current < 0 && combo->currentIndex() >= 0) {
        combo->setCurrentIndex(-1);
    }
    if (edit->text() != shown) {
        edit->setText(shown);
        edit->setCursorPosition(0);
    }
}

void QtWindow::clearList(int id) {
    QtControl* c = control(id);
    if (c == nullptr || c->kind != ControlKind::Combo) {
        return;
    }
    // Emptying the list leaves the box's own text alone.
    QSignalBlocker quietCombo(c->combo());
    QSignalBlocker quietEdit(c->edit());
    const QString shown = c->edit()->text();
    c->combo()->clear();
    c->edit()->setText(shown);
    c->edit()->setCursorPosition(0);
}

void QtWindow::redraw(int id) {
    if (QtControl* c = control(id)) {
        c->widget->update();
    }
}

}  // namespace orvane
