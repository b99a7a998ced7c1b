// The main window's menu bar at the bottom of the screen: its buttons drop the menus of menu 102
// upwards, and a popup whose items start a new column is laid out in columns.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <functional>
#include <map>
#include <span>

#include "platform/keyboard.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"
#include "res/menu.hpp"

namespace orvane {

namespace {

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

// The level-0 popups of menu 102, in order: the drop-down menus the bar's buttons open.
std::vector<MenuRange> dropDownMenus() {
    const std::span<const MenuItem> items = mainMenu();
    std::vector<MenuRange> dropDowns;
    for (std::size_t i = 0; i < items.size(); i = endOfItem(items, i, items.size())) {
        dropDowns.push_back({i + 1, endOfItem(items, i, items.size()), 1});
    }
    return dropDowns;
}

// The menu bar by keyboard: F10 or Alt alone give the bar the focus, Alt+F and Alt+T open File
// and Tools, the arrows walk items, submenus and columns, Enter picks, Escape closes a level, by
// the rules every host follows (MenuKeys); this shows their state on the bar and the menus. A menu
// opened with a tap keeps Qt's own keys.
class MenuKeyboard : public QObject {
  public:
    struct BarButton {
        QToolButton* button;
        QMenu* menu;
    };
    std::vector<BarButton> bar;
    std::map<std::size_t, QAction*> actions;  // menu item index: its action in its menu
    std::map<std::size_t, QMenu*> submenus;   // popup item index: the menu it opens
    std::map<std::size_t, MenuCell*> cells;   // item index: its cell in a menu laid out in columns
    std::map<std::size_t, QMenu*> owners;     // item index: the menu that shows it

    // ensureMenus makes the menus (bar[].menu and the maps above) if they are not made yet.
    MenuKeyboard(QWidget* frame, std::function<void(int)> pick, std::function<void()> ensureMenus)
        : QObject(frame), pick_(std::move(pick)), ensureMenus_(std::move(ensureMenus)) {
        frame->installEventFilter(this);
    }
    void watch(QMenu* menu) { menu->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Alt && altAlone_) {
                altAlone_ = false;
                play(Key::F10);
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::Hide && !showing_ && keys_.active() &&
            qobject_cast<QMenu*>(watched) != nullptr) {
            // A tap elsewhere closed the menus: the keyboard lets go of the bar as well.
            keys_.close();
            for (const BarButton& b : bar) {
                b.button->setDown(false);
            }
            return false;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        altAlone_ = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
        const std::optional<Key> k = keyOf(*key);
        if (!k) {
            return false;
        }
        const bool menuKey = *k == Key::F10 || *k == Key::AltF || *k == Key::AltT;
        if (!menuKey && !keys_.active()) {
            return false;  // a menu opened by a tap, or no menu at all: not ours
        }
        (void)watched;
        play(*k);
        return true;
    }

  private:
    static std::optional<Key> keyOf(const QKeyEvent& event) {
        const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
        if (mods == Qt::AltModifier) {
            if (event.key() == Qt::Key_F) {
                return Key::AltF;
            }
            if (event.key() == Qt::Key_T) {
                return Key::AltT;
            }
            return std::nullopt;
        }
        if (mods != Qt::NoModifier) {
            return std::nullopt;
        }
        switch (event.key()) {
            case Qt::Key_F10:
                return Key::F10;
            case Qt::Key_Up:
                return Key::Up;
            case Qt::Key_Down:
                return Key::Down;
            case Qt::Key_Left:
                return Key::Left;
            case Qt::Key_Right:
                return Key::Right;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return Key::Enter;
            case Qt::Key_Escape:
                return Key::Escape;
            default:
                return std::nullopt;
        }
    }

    void play(Key key) {
        const std::optional<int> command = keys_.press(key);
        ensureMenus_();
        show();
        if (command) {
            closeMenus();
            pick_(*command);
        }
    }

    // Shows the keys' state: the bar button with the focus pressed, the open menus with their
    // chosen items lit, every other menu closed.
    void show() {
        showing_ = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{showing_};
        const std::vector<std::size_t>& path = keys_.path();
        for (std::size_t b = 0; b < bar.size(); ++b) {
            bar[b].button->setDown(path.size() == 1 && path.front() == b);
        }
        std::vector<QMenu*> open;
        if (path.size() >= 2 && path.front() < bar.size()) {
            open.push_back(bar[path.front()].menu);
            for (std::size_t k = 1; k + 1 < path.size(); ++k) {
                auto sub = submenus.find(path[k]);
                if (sub != submenus.end()) {
                    open.push_back(sub->second);
                }
            }
        }
        // Close what is no longer on the path, innermost first.
        std::vector<QMenu*> all;
        for (const BarButton& b : bar) {
            all.push_back(b.menu);
        }
        for (const auto& [index, menu] : submenus) {
            all.push_back(menu);
        }
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            if ((*it)->isVisible() && std::find(open.begin(), open.end(), *it) == open.end()) {
                (*it)->hide();
            }
        }
        for (auto& [index, cell] : cells) {
            cell->setDown(false);
        }
        for (std::size_t k = 0; k < open.size(); ++k) {
            QMenu* menu = open[k];
            if (!menu->isVisible()) {
                if (k == 0) {
                    QToolButton* button = bar[path.front()].button;
                    menu->popup(button->mapToGlobal(QPoint(0, -menu->sizeHint().height())));
                } else {
                    QMenu* parent = open[k - 1];
                    QAction* via = actions[path[k]];
                    const QRect at = parent->actionGeometry(via);
                    menu->popup(parent->mapToGlobal(at.topRight()));
                }
            }
            const std::size_t chosen = path[k + 1];
            if (auto cell = cells.find(chosen); cell != cells.end()) {
                cell->second->setDown(true);
                cell->second->update();
            } else if (auto action = actions.find(chosen); action != actions.end()) {
                menu->setActiveAction(action->second);
            }
        }
    }

    MenuKeys keys_;
    std::function<void(int)> pick_;
    std::function<void()> ensureMenus_;
    bool altAlone_ = false;
    bool showing_ = false;  // the menus open and close for the keys, not for a tap elsewhere
};

}  // namespace

void QtWindow::buildMenus(QWidget* bar) {
    auto* keyboard = new MenuKeyboard(
        frame_, [this](int command) { chooseMenuCommand(command); }, [this] { ensureMenus(); });
    menuKeyboard_ = keyboard;
    // The panel's context menu copies its lines as text.
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        QMenu menu(client_);
        menu.setPalette(frame_->palette());  // a menu is a window: it takes no palette
        QAction* copy = menu.addAction(QStringLiteral("Copy summary"));
        connect(copy, &QAction::triggered, this, [this] {
            QStringList lines;
            for (const std::string& line : panelLines(ui_.lastMainPaint())) {
                lines.push_back(fromUtf8(line));
            }
            QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
        });
        menu.exec(client_->mapToGlobal(at));
    });
    const std::size_t dropDowns = dropDownMenus().size();
    for (const MenuBarButton& b : menuBarButtons()) {
        if (b.menuIndex < 0 || static_cast<std::size_t>(b.menuIndex) >= dropDowns) {
            continue;
        }
        // The first letter is underlined: Alt with it opens the menu (played by the keyboard
        // above, not by the button's own shortcut).
        auto* button =
            stripButton(bar, QStringLiteral("&") + QString::fromUtf8(loadString(b.stringId)));
        button->setShortcut(QKeySequence());
        const std::size_t index = keyboard->bar.size();
        keyboard->bar.push_back({button, nullptr});  // the menu is made when first needed
        menuButtons_.push_back(button);              // placed by layOut
        // The menus drop upwards from the bar at the bottom of the screen.
        connect(button, &QToolButton::clicked, this, [this, keyboard, index, button] {
            ensureMenus();
            QMenu* menu = keyboard->bar[index].menu;
            const QSize size = menu->sizeHint();
            menu->popup(button->mapToGlobal(QPoint(0, -size.height())));
        });
    }
}

void QtWindow::ensureMenus() {
    // The menus (some forty actions, a menu laid out in columns of buttons, their fonts) are made
    // when the pilot first opens one, not at start-up: about 1.1 million instructions and their
    // widgets' memory that the first painted window does without.
    auto* keyboard = static_cast<MenuKeyboard*>(menuKeyboard_);
    if (keyboard == nullptr || !menus_.empty()) {
        return;
    }
    const std::span<const MenuItem> items = mainMenu();
    const std::vector<MenuRange> dropDowns = dropDownMenus();
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
                keyboard->cells[i] = button;
                keyboard->actions[i] = action;
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
                keyboard->watch(sub);
                keyboard->submenus[i] = sub;
                keyboard->actions[i] = sub->menuAction();
                fill(sub, {i + 1, endOfItem(items, i, range.last), item.level + 1});
            } else {
                QAction* action = commandAction(item.command, QString::fromUtf8(item.text));
                menu->addAction(action);
                keyboard->actions[i] = action;
            }
        }
    };

    std::size_t index = 0;
    for (const MenuBarButton& b : menuBarButtons()) {
        if (b.menuIndex < 0 || static_cast<std::size_t>(b.menuIndex) >= dropDowns.size()) {
            continue;
        }
        auto* menu = new QMenu(frame_);
        keyboard->watch(menu);
        fill(menu, dropDowns[static_cast<std::size_t>(b.menuIndex)]);
        keyboard->bar[index++].menu = menu;
        menus_.push_back(menu);
        for (QMenu* sub : menu->findChildren<QMenu*>()) {
            menus_.push_back(sub);
        }
    }
    for (QMenu* menu : menus_) {
        menu->setPalette(frame_->palette());  // a menu is a window of its own: it takes no palette
    }
    fontMenus();
}

void QtWindow::fontMenus() {
    const QFont font = menuFont(ui_.zoom());
    for (QMenu* menu : menus_) {
        menu->setFont(font);
        for (QWidget* child : menu->findChildren<QWidget*>()) {
            child->setFont(font);
        }
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

}  // namespace orvane
