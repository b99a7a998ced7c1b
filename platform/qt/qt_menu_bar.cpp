// The main window's menu bar at the bottom of the screen: its buttons drop the menus of menu 102
// upwards, and a popup whose items start a new column is laid out in columns.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <functional>
#include <span>

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

}  // namespace

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

    for (const MenuBarButton& b : menuBarButtons()) {
        if (b.menuIndex < 0 || static_cast<std::size_t>(b.menuIndex) >= dropDowns.size()) {
            continue;
        }
        auto* menu = new QMenu(frame_);
        fill(menu, dropDowns[static_cast<std::size_t>(b.menuIndex)]);
        auto* button = stripButton(bar, QString::fromUtf8(loadString(b.stringId)), Qt::black);
        menuButtons_.push_back(button);  // placed by layOut
        menus_.push_back(menu);
        for (QMenu* sub : menu->findChildren<QMenu*>()) {
            menus_.push_back(sub);
        }
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

}  // namespace orvane
