#include <gtest/gtest.h>

#include "platform/qt/tests/qt_test_support.hpp"
#include "tests/support/keyboard_walk.hpp"

namespace orvane {
namespace {

// Tab visits every field, button (the hemisphere letters too) and radio button of every dialog in
// the template's screen order, round to where it started, and Escape closes each dialog.
TEST(QtKeyboardWalk, TabVisitsEveryControlOfEveryDialogInScreenOrder) {
    std::unique_ptr<ScriptedHost> qt = newQtHost();
    ScriptedHost& host = *qt;
    const std::vector<TabWalk> walks = walkTabThroughEveryDialog(host);
    ASSERT_EQ(walks.size(), dialogCommands().size());
    for (const TabWalk& walk : walks) {
        EXPECT_NE(walk.dialog, 0) << "command " << walk.command << " opened no dialog";
        EXPECT_EQ(walk.visited, walk.expected()) << "command " << walk.command;
    }
    EXPECT_FALSE(host.programRunning());
}

}  // namespace
}  // namespace orvane
