#include <gtest/gtest.h>

#include "platform/headless/headless_host.hpp"
#include "tests/support/keyboard_walk.hpp"

namespace orvane {
namespace {

// Tab visits every field, button (the hemisphere letters too) and radio button of every dialog in
// the template's screen order, round to where it started, and Escape closes each dialog.
TEST(KeyboardWalk, TabVisitsEveryControlOfEveryDialogInScreenOrder) {
    HeadlessHost host;
    const std::vector<TabWalk> walks = walkTabThroughEveryDialog(host);
    ASSERT_EQ(walks.size(), dialogCommands().size());
    for (const TabWalk& walk : walks) {
        EXPECT_NE(walk.dialog, 0) << "command " << walk.command << " opened no dialog";
        EXPECT_EQ(walk.visited, walk.expected()) << "command " << walk.command;
        if (walk.command == 40013) {
            // The great circle dialog: the hemisphere letters are stops before their degrees.
            const std::vector<int> route = {1038, 1039, 1048, 1040, 1041, 1042, 1046, 1033, 1035,
                                            1036, 1045, 1043, 1029, 1030, 1034, 1047, 1037};
            EXPECT_EQ(walk.visited, route);
        }
    }
    EXPECT_FALSE(host.programRunning());
}

}  // namespace
}  // namespace orvane
