// The menu bar on the Qt host: its menus are made when first needed, and a tap on a bar button
// drops its menu all the same.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>

#include "platform/qt/tests/qt_test_support.hpp"
#include "res/ids.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"
#include "tests/support/keyboard_walk.hpp"

namespace orvane {
namespace {

// The visible bar button that reads text (its first letter underlined).
QToolButton* barButton(const QString& text) {
    for (QWidget* w : QApplication::allWidgets()) {
        auto* button = qobject_cast<QToolButton*>(w);
        if (button != nullptr && button->isVisible() && button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

int menusMade() {
    int count = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        count += qobject_cast<QMenu*>(w) != nullptr ? 1 : 0;
    }
    return count;
}

TEST(QtMenuBar, MenusAreMadeAtTheFirstTapAndDropFromTheirButton) {
    std::unique_ptr<ScriptedHost> host = newQtHost();
    StepQueue queue;
    MemoryRegistry store;
    host->setActionSource(&queue);
    host->setStore(&store);
    int madeAtStart = -1;
    QStringList fileItems;
    queue.steps = {
        [&] { host->tap(); },
        [&] { host->click(ctl::disclaimer::kAccept); },
        [&] {
            // Regression: every menu was built before the main window first painted.
            madeAtStart = menusMade();
            QToolButton* file = barButton(QStringLiteral("&File"));
            ASSERT_NE(file, nullptr);
            file->click();
        },
        [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* a : menu->actions()) {
                fileItems << a->text();
            }
            menu->close();
        },
        [&] { host->menu(cmd::kExit); },
    };
    RunState state;
    try {
        (void)runOrvane(*host, state);
    } catch (const ScriptEnded&) {
    }
    host->programEnded();
    EXPECT_EQ(madeAtStart, 0);
    EXPECT_FALSE(fileItems.isEmpty());
    EXPECT_TRUE(fileItems.contains(QStringLiteral("Exit"))) << fileItems.join(", ").toStdString();
}

}  // namespace
}  // namespace orvane
