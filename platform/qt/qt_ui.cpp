#include "platform/qt/qt_ui.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <QWidgetAction>
#include <algorithm>
#include <cmath>
#include <span>

#include "platform/control_kinds.hpp"
#include "platform/qt/data_paths.hpp"
#include "platform/qt/qt_painter.hpp"
#include "platform/scripted_clock.hpp"
#include "res/menu.hpp"

namespace orvane {

namespace {

constexpr int kNoControl = -2;  // template ids are -1 (not addressed) or positive
const QColor kCaptionColour(20, 55, 130);
const QColor kMenuBarColour(222, 222, 222);
const QColor kReadOnlyColour(236, 236, 236);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The top-level widget of the main window: a close request goes to the procedure.
class MainFrame : public QWidget {
  public:
    explicit MainFrame(QtWindow& window) : window_(window) {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QtWindow& window_;
};

// A dialog: Escape and the window manager's close box are the caption's close box (command 2).
class DialogFrame : public QDialog {
  public:
    DialogFrame(QtWindow& window, QWidget* owner, Qt::WindowFlags flags)
        : QDialog(owner, flags), window_(window) {}
    void reject() override { window_.frameCommand(kCommandCancel, 0); }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->modifiers() == Qt::NoModifier &&
            (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            window_.enterPressed();
            return;
        }
        QDialog::keyPressEvent(event);
    }

  private:
    QtWindow& window_;
};

// The client area of a window: taps on it outside the controls, and its painting.
class ClientArea : public QWidget {
  public:
    ClientArea(QtWindow& window, QWidget* parent) : QWidget(parent), window_(window) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            window_.tapped();
        }
    }
    void paintEvent(QPaintEvent*) override { window_.paintClient(*this); }

  private:
    QtWindow& window_;
};

// A strip in one colour: the caption strip on top and the menu bar at the bottom.
class Strip : public QWidget {
  public:
    Strip(QWidget* parent, QColor colour, bool lineOnTop)
        : QWidget(parent), colour_(colour), lineOnTop_(lineOnTop) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colour_);
        if (lineOnTop_) {
            painter.setPen(QColor(150, 150, 150));
            painter.drawLine(0, 0, width() - 1, 0);
        }
    }

  private:
    QColor colour_;
    bool lineOnTop_;
};

// An automatic radio button: a tap checks it and clears the rest of its group, never unchecks.
class RadioButton : public QRadioButton {
  public:
    RadioButton(const QString& text, QWidget* parent, std::function<void()> check)
        : QRadioButton(text, parent), check_(std::move(check)) {}

  protected:
    void nextCheckState() override { check_(); }

  private:
    std::function<void()> check_;
};

// An edit field without automatic scrolling takes typed text only while it fits the field.
class FitsFieldValidator : public QValidator {
  public:
    explicit FitsFieldValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int&) const override {
        QStyleOptionFrame option;
        option.initFrom(edit_);
        option.lineWidth = edit_->hasFrame() ? edit_->style()->pixelMetric(
                                                   QStyle::PM_DefaultFrameWidth, &option, edit_)
                                             : 0;
        const QRect contents =
            edit_->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit_);
        const QMargins margins = edit_->textMargins();
        const int room = contents.width() - margins.left() - margins.right() - 4;
        return edit_->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
    }

  private:
    QLineEdit* edit_;
};

// A group box as the classic window system drew it: a frame whose top line runs through the
// middle of its title. It lets taps through to the dialog.
class GroupFrame : public QWidget {
  public:
    GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QString& title() const { return title_; }
    void setTitle(const QString& title) {
        title_ = title;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
        if (!title_.isEmpty()) {
            const QString shown =
                metrics.elidedText(title_, Qt::ElideRight, std::max(0, width() - 16));
            const QRect cell(6, 0, metrics.horizontalAdvance(shown) + 4, metrics.height());
            painter.fillRect(cell, palette().color(QPalette::Window));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(cell, Qt::AlignCenter, shown);
        }
    }

  private:
    QString title_;
};

// A text too long for its one-line box is drawn a little smaller, down to three pixels below
// the dialog's font, rather than cut off.
void fitOneLine(QWidget* widget, const QString& text, int room) {
    const QFont base = widget->parentWidget()->font();
    QFont font = base;
    int size = base.pixelSize();
    while (size > base.pixelSize() - 3 && size > 6 &&
           QFontMetrics(font).horizontalAdvance(text) > room) {
        font.setPixelSize(--size);
    }
    widget->setFont(font);
}

void fitLabel(QLabel* label) {
    if (!label->wordWrap()) {
        fitOneLine(label, label->text(), label->contentsRect().width());
    }
}

void fitRadio(QRadioButton* radio) {
    const int indicator =
        radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
        radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
    fitOneLine(radio, radio->text(), radio->width() - indicator - 2);
}

QToolButton* stripButton(QWidget* strip, const QString& text, QColor textColour) {
    auto* button = new QToolButton(strip);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, textColour);
    button->setPalette(palette);
    return button;
}

// An item of a menu laid out in columns, drawn as a menu draws its items.
class MenuCell : public QAbstractButton {
  public:
    MenuCell(const QString& text, QWidget* parent) : QAbstractButton(parent) {
        setText(text);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return QSize(metrics.horizontalAdvance(text()) + kIndent + 12, metrics.height() + 9);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const bool lit = underMouse() || isDown();
        if (lit) {
            painter.fillRect(rect(), palette().color(QPalette::Highlight));
        }
        painter.setPen(palette().color(lit ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect().adjusted(kIndent, 0, -6, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    }
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }

  private:
    static constexpr int kIndent = 26;  // where a menu's item texts start
};

void closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

// The items of menu 102 below one popup: [first, last) at level.
struct MenuRange {
    std::size_t first;
    std::size_t last;
    int level;
};

std::size_t endOfItem(std::span<const MenuItem> items, std::size_t index, std::size_t last) {
    std::size_t end = index + 1;
    while (end < last && items[end].level > items[index].level) {
        ++end;
    }
    return end;
}

}  // namespace

void MainFrame::closeEvent(QCloseEvent* event) {
    event->ignore();  // the procedure decides; by default it destroys the window
    window_.closeRequested();
}

// ---------------------------------------------------------------------------------------------
// QtControl

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
// QtWindow

QtWindow::QtWindow(QtUi& ui, WindowProc& procedure, const DialogTemplate* dialog, std::string title,
                   QWidget* owner)
    : ui_(ui), proc_(procedure), template_(dialog), title_(std::move(title)) {
    if (template_ == nullptr) {
        buildMainWindow();
    } else {
        buildDialog(owner);
    }
}

QtWindow::~QtWindow() {
    // The widgets go first; nothing they do on the way reaches the procedure.
    ended_ = true;
    ++silent_;
    for (const QtControl& c : controls_) {
        c.widget->removeEventFilter(this);
    }
    delete frame_;
}

QDialog* QtWindow::dialog() const {
    return template_ != nullptr ? static_cast<QDialog*>(frame_) : nullptr;
}

void QtWindow::buildMainWindow() {
    auto* frame = new MainFrame(*this);
    frame_ = frame;
    frame->setWindowTitle(fromUtf8(title_));
    frame->setFixedSize(kScreenWidth, kScreenHeight);
    buildCaption(frame, kScreenWidth);

    auto* panel = new ClientArea(*this, frame);
    panel->setGeometry(0, kCaptionHeight, kScreenWidth, kMainClientHeight);
    panel->setFont(panelFont());
    panel->setAttribute(Qt::WA_OpaquePaintEvent);
    client_ = panel;

    auto* bar = new Strip(frame, kMenuBarColour, true);
    bar->setGeometry(0, kCaptionHeight + kMainClientHeight, kScreenWidth, kMenuBarHeight);
    buildMenus(bar);

    for (const Accelerator& a : accelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(a.letter)),
                                       frame, nullptr, nullptr, Qt::WindowShortcut);
        const int command = a.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            frameCommand(command, 1);  // an accelerator's command carries 1
        });
    }
    addHelpKey();
}

void QtWindow::addHelpKey() {
    // F1 asks the active window for help.
    auto* help =
        new QShortcut(QKeySequence(Qt::Key_F1), frame_, nullptr, nullptr, Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { helpRequested(); });
}

void QtWindow::buildCaption(QWidget* frame, int width) {
    auto* strip = new Strip(frame, kCaptionColour, false);
    strip->setGeometry(0, 0, width, kCaptionHeight);
    auto* title = new QLabel(strip);
    title->setTextFormat(Qt::PlainText);
    title->setText(fromUtf8(title_));
    title->setFont(programFont(12, true));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(palette);
    captionTitle_ = title;

    const unsigned style = template_ != nullptr ? template_->style : 0;
    int right = width - 2;
    const auto place = [&](QToolButton* button) {
        const int w = std::max(24, button->sizeHint().width());
        right -= w;
        button->setGeometry(right, 2, w, kCaptionHeight - 4);
        right -= 2;
    };
    if ((style & ds::kDoneButton) != 0) {
        // The shell's OK button in the caption: command 1.
        okButton_ = stripButton(strip, QStringLiteral("ok"), Qt::white);
        QFont bold = programFont(12, true);
        okButton_->setFont(bold);
        place(okButton_);
        connect(okButton_, &QToolButton::clicked, this, [this] { frameCommand(kCommandOk, 0); });
    } else if (template_ != nullptr && offersCloseBox(*template_)) {
        // The close box: command 2.
        auto* close = stripButton(strip, QString(QChar(0x00D7)), Qt::white);
        close->setFont(programFont(16, true));
        place(close);
        connect(close, &QToolButton::clicked, this, [this] { frameCommand(kCommandCancel, 0); });
    }
    if ((style & ds::kContextHelp) != 0) {
        auto* help = stripButton(strip, QStringLiteral("?"), Qt::white);
        help->setFont(programFont(12, true));
        place(help);
        connect(help, &QToolButton::clicked, this, [this] { helpRequested(); });
    }
    title->setGeometry(6, 0, std::max(0, right - 6), kCaptionHeight);
}

void QtWindow::buildMenus(QWidget* bar) {
    const std::span<const MenuItem> items = mainMenu();
    // The level-0 popups, in order: the drop-down menus the bar's buttons open.
    std::vector<MenuRange> dropDowns;
    for (std::size_t i = 0; i < items.size(); i = endOfItem(items, i, items.size())) {
        dropDowns.push_back({i + 1, endOfItem(items, i, items.size()), 1});
    }

    // Fills a menu with the items of a range. A popup whose items start a new column is laid
    // out as columns of buttons, since a menu has no column breaks of its own.
    std::function<void(QMenu*, MenuRange)> fill = [&](QMenu* menu, MenuRange range) {
        bool columns = false;
        for (std::size_t i = range.first; i < range.last; ++i) {
            columns = columns ||
                      (items[i].level == range.level && (items[i].flags & menu::kNewColumn) != 0);
        }
        if (columns) {
            auto* panel = new QWidget(menu);
            auto* row = new QHBoxLayout(panel);
            row->setContentsMargins(2, 2, 2, 2);
            row->setSpacing(0);
            QVBoxLayout* column = nullptr;
            for (std::size_t i = range.first; i < range.last; i = endOfItem(items, i, range.last)) {
                const MenuItem& item = items[i];
                if (column == nullptr || (item.flags & menu::kNewColumn) != 0) {
                    if (column != nullptr) {
                        auto* rule = new QFrame(panel);
                        rule->setFrameShape(QFrame::VLine);
                        rule->setFrameShadow(QFrame::Sunken);
                        row->addWidget(rule);
                    }
                    column = new QVBoxLayout();
                    column->setSpacing(0);
                    row->addLayout(column);
                }
                if ((item.flags & menu::kSeparator) != 0) {
                    auto* rule = new QFrame(panel);
                    rule->setFrameShape(QFrame::HLine);
                    rule->setFrameShadow(QFrame::Sunken);
                    column->addWidget(rule);
                    continue;
                }
                QAction* action = commandAction(item.command, QString::fromUtf8(item.text));
                auto* button = new MenuCell(action->text(), panel);
                connect(button, &MenuCell::clicked, action, [action] {
                    closeMenus();
                    action->trigger();
                });
                column->addWidget(button);
            }
            for (int c = 0; c < row->count(); ++c) {
                if (QLayout* l = row->itemAt(c)->layout()) {
                    static_cast<QVBoxLayout*>(l)->addStretch(1);
                }
            }
            auto* holder = new QWidgetAction(menu);
            holder->setDefaultWidget(panel);
            menu->addAction(holder);
            return;
        }
        for (std::size_t i = range.first; i < range.last; i = endOfItem(items, i, range.last)) {
            const MenuItem& item = items[i];
            if ((item.flags & menu::kSeparator) != 0) {
                menu->addSeparator();
            } else if ((item.flags & menu::kPopup) != 0) {
                QMenu* sub = menu->addMenu(QString::fromUtf8(item.text));
                fill(sub, {i + 1, endOfItem(items, i, range.last), item.level + 1});
            } else {
                menu->addAction(commandAction(item.command, QString::fromUtf8(item.text)));
            }
        }
    };

    int x = 2;
    for (const MenuBarButton& b : menuBarButtons()) {
        if (b.menuIndex < 0 || static_cast<std::size_t>(b.menuIndex) >= dropDowns.size()) {
            continue;
        }
        auto* menu = new QMenu(frame_);
        fill(menu, dropDowns[static_cast<std::size_t>(b.menuIndex)]);
        auto* button = stripButton(bar, QString::fromUtf8(loadString(b.stringId)), Qt::black);
        const int w = button->sizeHint().width() + 10;
        button->setGeometry(x, 2, w, kMenuBarHeight - 4);
        x += w + 2;
        // The menus drop upwards from the bar at the bottom of the screen.
        connect(button, &QToolButton::clicked, menu, [menu, button] {
            const QSize size = menu->sizeHint();
            menu->popup(button->mapToGlobal(QPoint(0, -size.height())));
        });
    }
}

QAction* QtWindow::commandAction(int command, const QString& text) {
    auto found = commands_.find(command);
    if (found != commands_.end()) {
        return found->second;
    }
    auto* action = new QAction(text, frame_);
    connect(action, &QAction::triggered, this, [this, command] { frameCommand(command, 0); });
    commands_[command] = action;
    return action;
}

void QtWindow::chooseMenuCommand(int command) {
    auto found = commands_.find(command);
    if (found != commands_.end()) {
        found->second->trigger();
    } else {
        frameCommand(command, 0);
    }
}

void QtWindow::buildDialog(QWidget* owner) {
    const DialogTemplate& t = *template_;
    const DialogMetrics metrics = dialogMetrics(t);
    const bool caption = (t.style & ds::kCaption) != 0;
    Qt::WindowFlags flags = Qt::Dialog;
    if (caption) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (offersCloseBox(t)) {
            flags |= Qt::WindowCloseButtonHint;
        }
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    auto* frame = new DialogFrame(*this, owner, flags);
    frame_ = frame;
    frame->setWindowTitle(fromUtf8(title_));
    frame->setModal(true);

    QSize size = dialogClientSize(metrics, t);
    const int top = caption ? kCaptionHeight : 0;
    if ((t.style & ds::kFullScreen) != 0) {
        size = size.expandedTo(QSize(kScreenWidth, kScreenHeight - kMenuBarHeight - top));
    }
    if (caption) {
        buildCaption(frame, size.width());
    }
    auto* area = new ClientArea(*this, frame);
    area->setGeometry(0, top, size.width(), size.height());
    area->setFont(metrics.font);
    area->setAutoFillBackground(true);
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, Qt::white);
    area->setPalette(palette);
    client_ = area;
    frame->setFixedSize(size.width(), top + size.height());
    addHelpKey();

    for (const ControlTemplate& c : t.controls) {
        buildControl(c, metrics);
    }
    // Group boxes are frames drawn behind the controls they surround.
    for (const QtControl& c : controls_) {
        if (c.kind == ControlKind::GroupBox) {
            c.widget->lower();
        }
    }
}

QRect QtWindow::comboRect(const QRect& rect) const {
    // A combo box's rectangle includes its dropped-down list; on screen it is one line high.
    const int line = QFontMetrics(client_->font()).height() + 8;
    return QRect(rect.x(), rect.y(), rect.width(), std::min(rect.height(), line));
}

void QtWindow::buildControl(const ControlTemplate& t, const DialogMetrics& metrics) {
    QRect rect = mapDialogRect(metrics, t.x, t.y, t.width, t.height);
    QtControl c;
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
            auto* label = new QLabel(client_);
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            label->setAlignment(horizontal | Qt::AlignTop);
            // Text wraps at word breaks where the box has room for more than one line.
            label->setWordWrap(rect.height() >= 2 * QFontMetrics(metrics.font).height());
            if ((t.style & cs::kBorder) != 0) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
            }
            label->setAttribute(Qt::WA_TransparentForMouseEvents);  // taps go to the dialog
            c.widget = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(client_);
            edit->setText(text);
            edit->setFrame((t.style & cs::kBorder) != 0);
            edit->setAlignment(horizontal | Qt::AlignVCenter);
            if ((t.style & cs::kReadOnly) != 0) {
                edit->setReadOnly(true);
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Base, kReadOnlyColour);
                edit->setPalette(palette);
            }
            if ((t.style & cs::kAutoScroll) == 0) {
                edit->setValidator(new FitsFieldValidator(edit));
            }
            edit->setContextMenuPolicy(Qt::NoContextMenu);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id] { frameCommand(id, notify::kEditChange); });
            c.widget = edit;
            break;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(client_);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);  // no completion: the box shows what was typed
            QLineEdit* edit = combo->lineEdit();
            // A list entry is chosen only from the list, never by typing its text and leaving.
            QObject::disconnect(edit, SIGNAL(editingFinished()), combo, nullptr);
            QObject::disconnect(edit, SIGNAL(returnPressed()), combo, nullptr);
            edit->setText(text);
            edit->setContextMenuPolicy(Qt::NoContextMenu);
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
            rect = QRect();  // placed below, once the font is known
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
            const QPixmap pixmap =
                QPixmap::fromImage(readPicture(bitmapResourceFile(c.templateText)));
            if (!pixmap.isNull()) {
                // A picture control takes the size of its picture.
                picture->setPixmap(pixmap);
                rect.setSize(pixmap.size());
            }
            c.widget = picture;
            break;
        }
    }
    if (t.kind == ControlKind::Combo) {
        rect = comboRect(mapDialogRect(metrics, t.x, t.y, t.width, t.height));
    }
    c.widget->setGeometry(rect);
    if (t.kind == ControlKind::Static) {
        fitLabel(static_cast<QLabel*>(c.widget));
    } else if (t.kind == ControlKind::RadioButton) {
        fitRadio(static_cast<QRadioButton*>(c.widget));
    }
    if (takesFocus(t.kind)) {
        c.widget->setFocusPolicy((t.style & cs::kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
        c.widget->installEventFilter(this);
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
            fitLabel(static_cast<QLabel*>(c->widget));
            break;
        case ControlKind::Edit:
            c->edit()->setText(value);
            c->edit()->setCursorPosition(0);
            notify(id, notify::kEditChange);  // a program write into an edit raises its change
            break;
        case ControlKind::Combo:
            c->edit()->setText(value);
            c->edit()->setCursorPosition(0);
            break;
        case ControlKind::PushButton:
            static_cast<QAbstractButton*>(c->widget)->setText(value);
            break;
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(c->widget)->setText(value);
            fitRadio(static_cast<QRadioButton*>(c->widget));
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
    const QRect r(rect.x, rect.y, rect.width, rect.height);
    c->widget->setGeometry(c->kind == ControlKind::Combo ? comboRect(r) : r);
    if (c->kind == ControlKind::Static) {
        fitLabel(static_cast<QLabel*>(c->widget));
    } else if (c->kind == ControlKind::RadioButton) {
        fitRadio(static_cast<QRadioButton*>(c->widget));
    }
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

void QtWindow::checkRadio(int id) {
    // The group runs from the radio button with the group style to the next one, among the
    // radio buttons that follow each other in the template.
    auto self = std::find_if(controls_.begin(), controls_.end(),
                             [id](const QtControl& c) { return c.id == id; });
    if (self == controls_.end()) {
        return;
    }
    auto first = self;
    while (first != controls_.begin() && (first->style & cs::kGroup) == 0 &&
           std::prev(first)->kind == ControlKind::RadioButton) {
        --first;
    }
    for (auto it = first; it != controls_.end() && it->kind == ControlKind::RadioButton; ++it) {
        if (it != first && (it->style & cs::kGroup) != 0) {
            break;
        }
        static_cast<QAbstractButton*>(it->widget)->setChecked(false);
    }
    static_cast<QAbstractButton*>(self->widget)->setChecked(true);
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
    for (const QtControl& c : controls_) {
        if ((c.style & cs::kTabStop) != 0 && takesFocus(c.kind) && c.widget->isVisibleTo(client_)) {
            moveFocus(c.id);
            return;
        }
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
            // A digits-only field refuses any other character typed.
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
            const bool digits = std::all_of(typed.begin(), typed.end(), [](QChar ch) {
                return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
            });
            if (printable && !digits) {
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
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

void QtWindow::setTitle(std::string_view title) {
    title_ = std::string(title);
    frame_->setWindowTitle(fromUtf8(title));
    if (captionTitle_ != nullptr) {
        static_cast<QLabel*>(captionTitle_)->setText(fromUtf8(title));
    }
}

void QtWindow::end(int result) {
    if (template_ == nullptr) {
        ui_.destroyMain();
        return;
    }
    ended_ = true;
    result_ = result;
    dialog()->done(result);
}

void QtWindow::message(std::string_view text) {
    ui_.message(*this, text);
}

void QtWindow::startTimer(int id, int periodMs) {
    ui_.startTimer(*this, id, periodMs);
}

void QtWindow::stopTimer(int id) {
    ui_.stopTimer(*this, id);
}

int QtWindow::runModal(int templateId, WindowProc& procedure) {
    return ui_.runModal(*this, templateId, procedure);
}

void QtWindow::notify(int id, int code) {
    proc_.onCommand(*this, id, code);
}

void QtWindow::frameCommand(int id, int code) {
    if (ended_ || (template_ == nullptr && ui_.mainDestroyed())) {
        return;
    }
    ui_.guard([&] { notify(id, code); });
}

void QtWindow::closeRequested() {
    if (!ended_ && !(template_ == nullptr && ui_.mainDestroyed())) {
        ui_.guard([&] { proc_.onCloseRequest(*this); });
    }
}

void QtWindow::enterPressed() {
    // As the classic dialog manager: Enter taps the push button that has the focus, else the
    // default push button, else it is the OK command.
    const QtControl* focused = control(focus_.focus());
    if (focused == nullptr || focused->kind != ControlKind::PushButton) {
        focused = nullptr;
        for (const QtControl& c : controls_) {
            if (c.kind == ControlKind::PushButton && (c.style & cs::kDefault) != 0 &&
                visibleOf(c)) {
                focused = &c;
                break;
            }
        }
    }
    if (focused != nullptr) {
        static_cast<QAbstractButton*>(focused->widget)->click();
    } else {
        frameCommand(kCommandOk, 0);
    }
}

void QtWindow::tapped() {
    if (!ended_) {
        ui_.guard([&] { proc_.onTap(*this); });
    }
}

void QtWindow::helpRequested() {
    if (!ended_) {
        ui_.guard([&] { (void)proc_.onHelp(*this); });
    }
}

void QtWindow::paintClient(QWidget& area) {
    QPainter qp(&area);
    qp.setFont(area.font());
    QtPainter painter(qp, [](std::string_view file) { return findPictureFile(file); });
    if (template_ == nullptr) {
        // The main window shows what its procedure drew when it was last asked to paint.
        qp.fillRect(area.rect(), Qt::white);
        replay(ui_.lastMainPaint(), painter);
        return;
    }
    ui_.guard([&] { proc_.onPaint(*this, painter); });
    if ((template_->style & (ds::kCaption | ds::kModalFrame)) == ds::kModalFrame) {
        // A modal frame without a caption: a plain border around the dialog.
        qp.setPen(QPen(Qt::black, 1));
        qp.setBrush(Qt::NoBrush);
        qp.drawRect(area.rect().adjusted(0, 0, -1, -1));
    }
}

// ---------------------------------------------------------------------------------------------
// QtUi

QtUi::QtUi(Hooks& hooks, bool virtualClock) : hooks_(hooks), virtualClock_(virtualClock) {}

QtUi::~QtUi() {
    forget();
}

Window* QtUi::createMainWindow(std::string_view title, WindowProc& procedure) {
    main_.reset();
    main_ = std::make_unique<QtWindow>(*this, procedure, nullptr, std::string(title), nullptr);
    mainDestroyed_ = false;
    procedure.onOpen(*main_);
    rethrowPending();
    if (!mainDestroyed_) {
        // Created visible: the panel paints while the splash and the disclaimer are open.
        main_->frame()->show();
        paintMain();
    }
    return main_.get();
}

int QtUi::runMessageLoop() {
    rethrowPending();
    if (!main_ || mainDestroyed_) {
        return 0;
    }
    QWidget* frame = main_->frame();
    frame->show();
    raise(frame);
    activate(frame);
    paintMain();
    QEventLoop loop;
    mainLoop_ = &loop;
    loops_.push_back({LoopKind::Main, main_.get()});
    struct Leave {
        QtUi& ui;
        ~Leave() {
            ui.loops_.pop_back();
            ui.mainLoop_ = nullptr;
        }
    } leave{*this};
    hooks_.loopStarting();
    loop.exec();
    rethrowPending();
    return 0;
}

void QtUi::destroyMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    mainDestroyed_ = true;
    main_->proc().onDestroy(*main_);
    forgetTimers(*main_);
    main_->frame()->hide();
    if (mainLoop_ != nullptr) {
        mainLoop_->exit(0);
    }
}

void QtUi::forget() {
    for (Timer& t : timers_) {
        delete t.real;
    }
    timers_.clear();
    dialogs_.clear();
    loops_.clear();
    mainLoop_ = nullptr;
    main_.reset();
    mainDestroyed_ = false;
    unwinding_ = false;
    pending_ = nullptr;
}

QPoint QtUi::dialogPosition(const QtWindow& dialog) const {
    QPoint origin(0, 0);
    QSize area(kScreenWidth, kScreenHeight - kMenuBarHeight);
    if (main_) {
        origin = main_->frame()->geometry().topLeft();
    }
    const unsigned style = dialog.dialogTemplate()->style;
    const QSize size = dialog.frame()->size();
    if ((style & ds::kCentred) != 0) {
        return origin +
               QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    }
    // A captioned dialog covers the main window's caption with its own; the others open just
    // below it.
    return origin + QPoint(0, (style & ds::kCaption) != 0 ? 0 : kCaptionHeight);
}

int QtUi::runModal(QtWindow& owner, int templateId, WindowProc& procedure) {
    rethrowPending();
    if (unwinding_) {
        return -1;
    }
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    auto window = std::make_unique<QtWindow>(*this, procedure, dialogTemplate,
                                             dialogTemplate->caption, owner.frame());
    dialogs_.push_back(window.get());
    struct Close {
        QtUi& ui;
        QtWindow& dialog;
        ~Close() { ui.closeDialog(dialog); }
    } close{*this, *window};
    procedure.onOpen(*window);
    if (!window->ended() && window->focus() == 0) {
        window->focusFirstControl();
    }
    rethrowPending();
    if (!window->ended()) {
        QDialog* dialog = window->dialog();
        dialog->move(dialogPosition(*window));
        loops_.push_back({LoopKind::Dialog, window.get()});
        struct Leave {
            QtUi& ui;
            ~Leave() { ui.loops_.pop_back(); }
        } leave{*this};
        hooks_.loopStarting();
        dialog->exec();
    }
    rethrowPending();
    return window->result();
}

void QtUi::closeDialog(QtWindow& dialog) {
    std::erase(dialogs_, &dialog);
    forgetTimers(dialog);
    dialog.frame()->hide();
    // The window under the dialog becomes active again (Qt does not always give the activation
    // back by itself), and the main window paints where the dialog covered it.
    if (QtWindow* next = topWindow()) {
        activate(next->frame());
    }
    paintMain();
}

void QtUi::message(QtWindow& owner, std::string_view text) {
    rethrowPending();
    if (unwinding_) {
        return;
    }
    ++messagesShown_;
    // The text only, no caption of the program's own, one OK button.
    QMessageBox box(QMessageBox::NoIcon, QString(), fromUtf8(text), QMessageBox::Ok, owner.frame());
    box.setTextFormat(Qt::PlainText);
    box_ = &box;
    loops_.push_back({LoopKind::Box, &owner});
    struct Leave {
        QtUi& ui;
        ~Leave() {
            ui.loops_.pop_back();
            ui.box_ = nullptr;
        }
    } leave{*this};
    hooks_.messageBoxShown(box, std::string(text));
    box.exec();
    activate(owner.frame());
    rethrowPending();
}

void QtUi::raise(QWidget* widget) {
    // Windows drawn off screen have no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        widget->raise();
    }
}

void QtUi::activate(QWidget* widget) {
    if (widget != nullptr && widget->isVisible()) {
        widget->activateWindow();
    }
}

void QtUi::startTimer(QtWindow& window, int id, int periodMs) {
    stopTimer(window, id);
    const int period = std::max(periodMs, 1);
    Timer timer{&window, id, period, now_ + period / 1000.0, timerOrder_++, nullptr};
    if (!virtualClock_) {
        timer.real = new QTimer(&window);
        QObject::connect(timer.real, &QTimer::timeout, &window,
                         [this, w = &window, id] { guard([&] { deliverTimer(*w, id); }); });
        timer.real->start(period);
    }
    timers_.push_back(timer);
}

void QtUi::stopTimer(QtWindow& window, int id) {
    std::erase_if(timers_, [&](const Timer& t) {
        if (t.window != &window || t.id != id) {
            return false;
        }
        if (t.real != nullptr) {
            t.real->stop();
            t.real->deleteLater();  // it may be the timer whose message is being handled
        }
        return true;
    });
}

void QtUi::forgetTimers(const QtWindow& window) {
    std::erase_if(timers_, [&](const Timer& t) {
        if (t.window != &window) {
            return false;
        }
        if (t.real != nullptr) {
            t.real->stop();
            t.real->deleteLater();
        }
        return true;
    });
}

void QtUi::deliverTimer(QtWindow& window, int id) {
    window.proc().onTimer(window, id);
}

void QtUi::elapse(double seconds) {
    elapseTimers(timers_, now_, seconds, [this](const Timer& t) { deliverTimer(*t.window, t.id); });
}

void QtUi::tick(int timerId, int count) {
    for (int i = 0; i < count; ++i) {
        auto it = std::find_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.id == timerId; });
        if (it == timers_.end()) {
            if (i == 0) {
                throw ScriptError("timer " + std::to_string(timerId) + " is not running");
            }
            return;
        }
        deliverTimer(*it->window, it->id);
    }
}

void QtUi::paintMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    RecordingPainter recorder;
    guard([&] { main_->proc().onPaint(*main_, recorder); });
    lastPaint_ = std::move(recorder.calls);
    main_->client()->update();
}

void QtUi::fail(std::exception_ptr error) {
    if (!pending_) {
        pending_ = error;
    }
    unwind();
}

void QtUi::unwind() {
    unwinding_ = true;
    if (box_) {
        box_->done(0);
    }
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        (*it)->dialog()->done(-1);
    }
    if (mainLoop_ != nullptr) {
        mainLoop_->exit(0);
    }
}

void QtUi::rethrowPending() {
    if (pending_) {
        std::exception_ptr error = std::exchange(pending_, nullptr);
        std::rethrow_exception(error);
    }
}

QMessageBox* QtUi::messageBox() const {
    return box_.data();
}

QtWindow* QtUi::topWindow() const {
    if (!dialogs_.empty()) {
        return dialogs_.back();
    }
    return main_.get();
}

bool QtUi::waitingForUser() const {
    if (loops_.empty() || unwinding_) {
        return false;
    }
    const Loop& loop = loops_.back();
    switch (loop.kind) {
        case LoopKind::Main:
            return !mainDestroyed_;
        case LoopKind::Dialog:
            return !loop.window->ended();
        case LoopKind::Box:
            return false;
    }
    return false;
}

void QtUi::bringForward() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    QWidget* mainFrame = main_->frame();
    if (mainFrame->isMinimized()) {
        mainFrame->showNormal();
    }
    raise(mainFrame);
    QWidget* front = box_ ? static_cast<QWidget*>(box_.data()) : topWindow()->frame();
    raise(front);
    activate(front);
}

QImage QtUi::screenShot() const {
    std::vector<QWidget*> windows;
    if (main_ && main_->frame()->isVisible()) {
        windows.push_back(main_->frame());
    }
    for (QtWindow* d : dialogs_) {
        if (d->frame()->isVisible()) {
            windows.push_back(d->frame());
        }
    }
    if (box_ && box_->isVisible()) {
        windows.push_back(box_.data());
    }
    if (windows.empty()) {
        return {};
    }
    const QPoint origin = windows.front()->geometry().topLeft();
    QRect area(0, 0, kScreenWidth, kScreenHeight);
    qreal ratio = 1.0;
    std::vector<QPixmap> pictures;
    for (QWidget* w : windows) {
        area |= w->geometry().translated(-origin);
        pictures.push_back(w->grab());
        ratio = std::max(ratio, pictures.back().devicePixelRatio());
    }
    QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(64, 64, 64));
    QPainter painter(&image);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        painter.drawPixmap(windows[i]->geometry().topLeft() - origin - area.topLeft(), pictures[i]);
    }
    return image;
}

void setUpApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(programFont(12));
    QApplication::setQuitOnLastWindowClosed(false);
    // The icon installed in the desktop's icon theme, else the copy beside the program.
    const QString file = findPictureFile("orvane.png");
    const QIcon copy = file.isEmpty() ? QIcon() : QIcon(QPixmap::fromImage(readPicture(file)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orvane"), copy));
}

}  // namespace orvane
