// Copy on the Qt host: the context menu of a result field copies its text with the unit, the
// panel's "Copy summary" copies its lines.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "platform/qt/tests/qt_test_support.hpp"
#include "tests/support/keyboard_walk.hpp"

namespace orvane {
namespace {

// The widget of the program's windows that assistive technology knows by that name.
QWidget* named(const QString& name) {
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->isVisible() && w->accessibleName() == name) {
            return w;
        }
    }
    return nullptr;
}

// Chooses the entry text of the context menu on screen and returns what the clipboard then holds.
QString choose(const QString& text) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return QStringLiteral("no context menu");
    }
    for (QAction* a : menu->actions()) {
        if (a->text() == text) {
            a->trigger();
        }
    }
    menu->close();
    return QApplication::clipboard()->text();
}

TEST(QtCopy, ResultFieldsAndThePanelCopyWhatThePilotReads) {
    std::unique_ptr<ScriptedHost> host = newQtHost();
    StepQueue queue;
    MemoryRegistry store;
    host->setActionSource(&queue);
    host->setStore(&store);
    QString panel;
    QString result;
    queue.steps = {
        [&] { host->tap(); },
        [&] { host->click(1); },
        // A press and hold on the panel brings up its menu; the next step chooses from it.
        [&] {
            emit named(QStringLiteral("Flight summary"))->customContextMenuRequested({5, 5});
        },
        [&] { panel = choose(QStringLiteral("Copy summary")); },
        [&] { host->menu(40039); },
        [&] { host->type(1016, "30"); },
        [&] { host->type(1038, "200"); },
        [&] { host->type(1039, "120"); },
        [&] { host->click(1004); },
        [&] {
            emit named(QStringLiteral("Fuel required"))->customContextMenuRequested({5, 5});
        },
        [&] { result = choose(QStringLiteral("Copy")); },
        [&] { host->key(Key::Escape); },
        [&] { host->closeWindow(); },
    };
    RunState state;
    try {
        (void)runOrvane(*host, state);
    } catch (const ScriptEnded&) {
    }
    host->programEnded();
    EXPECT_EQ(result, "50.0");
    EXPECT_TRUE(panel.startsWith(QString::fromUtf8("True course: 000°\nDist: 0.0nm\n")))
        << panel.toStdString();
    EXPECT_TRUE(panel.endsWith("$0.00")) << panel.toStdString();
}

}  // namespace
}  // namespace orvane
