// The help viewer beside the main window: where it goes, its text at the main window's zoom, and
// the real program's viewer process kept one at a time.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QTextBrowser>
#include <QThread>
#include <sstream>

#include "platform/qt/help_viewer_process.hpp"
#include "tools/help/help_page.hpp"
#include "tools/help/help_window.hpp"

namespace orvane {
namespace {

TEST(HelpViewerPlace, BesideTheMainWindowAsTallAsItAndKeptOnScreen) {
    const QRect screen(0, 0, 1920, 1080);
    struct Case {
        const char* what;
        QRect main, available, place;
    } cases[] = {
        {"room on the right: to the right, twice as wide", QRect(100, 50, 240, 344), screen,
         QRect(348, 50, 480, 344)},
        {"at zoom 2", QRect(100, 50, 480, 664), screen, QRect(588, 50, 960, 664)},
        {"no room on the right: to the left", QRect(1400, 50, 480, 664), screen,
         QRect(432, 50, 960, 664)},
        {"room on neither side: at the screen's right edge", QRect(700, 0, 480, 664), screen,
         QRect(960, 0, 960, 664)},
        {"a main window partly off the top: the viewer on screen", QRect(100, -30, 240, 344),
         screen, QRect(348, 0, 480, 344)},
        {"partly off the bottom", QRect(100, 900, 240, 344), screen, QRect(348, 736, 480, 344)},
        {"a screen smaller than the viewer", QRect(0, 0, 960, 1328), QRect(0, 0, 800, 600),
         QRect(0, 0, 800, 600)},
        {"a second screen to the right", QRect(2000, 100, 240, 344), QRect(1920, 0, 1280, 1024),
         QRect(2248, 100, 480, 344)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpViewerPlace(c.main, c.available), c.place) << c.what;
        EXPECT_TRUE(c.available.contains(helpViewerPlace(c.main, c.available))) << c.what;
    }
}

TEST(HelpWindow, TextFollowsTheZoomAlsoWhileOpen) {
    const QString page = findHelpPage(QStringLiteral("hold.htp"));
    ASSERT_FALSE(page.isEmpty());
    HelpWindow atOne(page, 1.0);
    HelpWindow atTwo(page, 2.0);
    const double one = atOne.font().pointSizeF();
    EXPECT_DOUBLE_EQ(atTwo.font().pointSizeF(), 2 * one);
    atOne.setZoom(3.0);
    EXPECT_DOUBLE_EQ(atOne.font().pointSizeF(), 3 * one);
    // The page's own text grows, not only the window's.
    const auto* text = atOne.findChild<QTextBrowser*>();
    ASSERT_NE(text, nullptr);
    EXPECT_DOUBLE_EQ(text->document()->defaultFont().pointSizeF(), 3 * one);
}

// The viewer's answer to "where", read into its parts.
struct Where {
    std::string page;
    QRect frame;
    double zoom = 0;
};

Where whereOf(HelpViewerProcess& viewer) {
    Where w;
    // The viewer answers once its window is up and its requests before this one are done.
    std::istringstream answer(viewer.where(10000));
    int x = 0, y = 0, width = 0, height = 0;
    if (answer >> w.page >> x >> y >> width >> height >> w.zoom) {
        w.frame = QRect(x, y, width, height);
    }
    return w;
}

TEST(HelpViewerProcess, OneViewerBesideTheMainWindowShowsEachPageAndFollowsTheZoom) {
    HelpViewerProcess* current = nullptr;
    int started = 0;
    const QRect main(0, 0, 240, 344);
    double zoom = 1.5;
    OneHelpViewer viewers([&](std::string_view argument) -> std::unique_ptr<HelpViewer> {
        auto viewer =
            HelpViewerProcess::start(QStringLiteral(ORVANE_HELP_VIEWER), argument, main, zoom);
        current = viewer.get();
        ++started;
        return viewer;
    });

    ASSERT_TRUE(viewers.request("file:\\windows\\orvane.htc"));
    ASSERT_NE(current, nullptr);
    Where first = whereOf(*current);
    EXPECT_EQ(first.page, "orvane.htc");
    EXPECT_EQ(first.frame, QRect(248, 0, 480, 344));  // beside, as tall, twice as wide
    EXPECT_DOUBLE_EQ(first.zoom, 1.5);

    // A second request: the same viewer shows the new page; the zoom follows the main window.
    const pid_t pid = current->pid();
    ASSERT_TRUE(viewers.request("file:\\windows\\hold.htp"));
    viewers.setZoom(2.0);
    Where second = whereOf(*current);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(current->pid(), pid);
    EXPECT_EQ(second.page, "hold.htp");
    EXPECT_DOUBLE_EQ(second.zoom, 2.0);

    // The pilot closes it: the next request starts a new one, at the zoom of the day.
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 100 && current->running(); ++i) {
        QThread::msleep(20);
    }
    zoom = 2.0;
    ASSERT_TRUE(viewers.request("file:\\windows\\pnr.htp"));
    EXPECT_EQ(started, 2);
    EXPECT_NE(current->pid(), pid);
    const Where third = whereOf(*current);
    EXPECT_EQ(third.page, "pnr.htp");
    EXPECT_DOUBLE_EQ(third.zoom, 2.0);
    ::kill(current->pid(), SIGTERM);
}

TEST(HelpViewerProcess, AViewerThatCannotBeStartedIsNone) {
    EXPECT_EQ(HelpViewerProcess::start(QStringLiteral("/nonexistent/orvane-help"),
                                       "file:\\windows\\orvane.htc", QRect(), 1.0),
              nullptr);
}

}  // namespace
}  // namespace orvane
