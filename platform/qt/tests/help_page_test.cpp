#include "tools/help/help_page.hpp"

#include <gtest/gtest.h>

#include "platform/qt/qt_platform.hpp"

namespace orvane {
namespace {

TEST(HelpViewer, TakesThePageNameFromTheDevicesForm) {
    struct Case {
        const char* argument;
        const char* page;  // empty: refused
    } cases[] = {
        {"file:\\windows\\hold.htp", "hold.htp"},
        {"FILE:\\Windows\\orvane.htc", "orvane.htc"},  // the prefix in any case
        {"file:\\windows\\wbal-2_b.htp", "wbal-2_b.htp"},
        {"file:\\windows\\", ""},  // no page
        {"hold.htp", ""},          // no prefix
        {"file:/windows/hold.htp", ""},
        {"file:\\windows\\..\\etc\\passwd", ""},  // nothing outside the help folder
        {"file:\\windows\\../secret", ""},
        {"file:\\windows\\.hidden", ""},
        {"file:\\windows\\sub/page.htp", ""},
        {"file:\\windows\\page one.htp", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpPageName(QString::fromUtf8(c.argument)).toStdString(), c.page) << c.argument;
    }
    EXPECT_TRUE(
        helpPageName(QStringLiteral("file:\\windows\\") + QString(65, QLatin1Char('a'))).isEmpty());
}

TEST(HelpViewer, LinksLeadToPagesByNameOrByTheDevicesForm) {
    EXPECT_EQ(linkedPageName(QStringLiteral("pnr.htp")), QStringLiteral("pnr.htp"));
    EXPECT_EQ(linkedPageName(QStringLiteral("file:\\windows\\pnr.htp")), QStringLiteral("pnr.htp"));
    EXPECT_TRUE(linkedPageName(QStringLiteral("../pnr.htp")).isEmpty());
    EXPECT_TRUE(linkedPageName(QStringLiteral("/etc/hosts")).isEmpty());
}

TEST(HelpViewer, FindsNoPageOutsideTheHelpFolder) {
    EXPECT_TRUE(findHelpPage(QStringLiteral("../CMakeLists.txt")).isEmpty());
    EXPECT_TRUE(findHelpPage(QStringLiteral("no-such-page.htp")).isEmpty());
}

TEST(QtPlatform, ShortDateOrderFollowsTheLocalesFormat) {
    struct Case {
        const char* format;
        const char* order;
    } cases[] = {
        {"M/d/yy", "0"},    {"dd.MM.yyyy", "1"}, {"yyyy-MM-dd", "2"},
        {"d/M/yyyy", "1"},  {"yy/M/d", "2"},     {"dddd M/d", "0"},  // a day's name
        {"'d' M/d/y", "0"}, {"", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dateOrderOf(QString::fromUtf8(c.format)), c.order) << c.format;
    }
}

}  // namespace
}  // namespace orvane
