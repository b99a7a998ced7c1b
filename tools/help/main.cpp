// orvane-help [--beside X,Y,W,H] [--zoom Z] [--listen] file:\windows\NAME
//
// Shows one of Orvane's help pages. The program starts it without waiting: a page that is not
// there, or an argument of another form, ends the viewer at once without a window (exit code 1
// or 2), so that the pilot simply sees no help.
//
// --beside gives the program's main window (its frame on screen): the viewer opens beside it
// and as tall as it. --zoom is the main window's zoom, which the text follows. With --listen the
// program keeps talking to the viewer on its standard input, one line a request:
//   page file:\windows\NAME   show that page and come to the front
//   zoom Z                    the main window's zoom changed
//   where                     answer "PAGE X Y WIDTH HEIGHT ZOOM" on the same channel
// When the program ends, the channel closes and the viewer stays open on its own.
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSocketNotifier>
#include <cstdio>
#include <memory>

#include "tools/help/help_colours.hpp"
#include "tools/help/help_page.hpp"
#include "tools/help/help_window.hpp"

namespace {

constexpr int kDeviceWidth = 240;  // the screen the pages were written for
constexpr int kDeviceHeight = 320;
constexpr qsizetype kLongestRequest = 256;

// "X,Y,W,H" as a rectangle; an empty one when it is not four whole numbers, a positive size.
QRect rectangleOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return {};
    }
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts.at(i).toInt(&ok);
        if (!ok) {
            return {};
        }
    }
    return v[2] > 0 && v[3] > 0 ? QRect(v[0], v[1], v[2], v[3]) : QRect();
}

// A zoom the program could have: 0.25 to 8; anything else is 1.
double zoomOf(const QString& text) {
    bool ok = false;
    const double zoom = text.toDouble(&ok);  // always with '.', whatever the locale
    return ok && zoom >= 0.25 && zoom <= 8.0 ? zoom : 1.0;
}

// Reads the program's requests from standard input.
class Listener {
  public:
    explicit Listener(orvane::HelpWindow& window)
        : window_(window), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { readRequests(); });
    }

  private:
    void readRequests() {
        char chunk[512];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            notifier_.setEnabled(false);  // the program ended: the viewer stays on its own
            return;
        }
        pending_.append(chunk, static_cast<qsizetype>(got));
        qsizetype end = 0;
        while ((end = pending_.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending_.left(end));
            pending_.remove(0, end + 1);
            handle(line);
        }
        if (pending_.size() > kLongestRequest) {
            pending_.clear();  // no request is that long
        }
    }

    void handle(const QString& line) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString verb = space < 0 ? line : line.left(space);
        const QString rest = space < 0 ? QString() : line.mid(space + 1);
        if (verb == QLatin1String("page")) {
            const QString name = orvane::helpPageName(rest);
            if (!name.isEmpty()) {
                window_.open(name);
            }
            window_.bringForward();
        } else if (verb == QLatin1String("zoom")) {
            window_.setZoom(zoomOf(rest));
        } else if (verb == QLatin1String("where")) {
            const QRect g = window_.frameGeometry();
            const QByteArray answer =
                (QFileInfo(window_.page()).fileName() + QStringLiteral(" %1 %2 %3 %4 %5\n")
                                                            .arg(g.x())
                                                            .arg(g.y())
                                                            .arg(g.width())
                                                            .arg(g.height())
                                                            .arg(window_.zoom()))
                    .toUtf8();
            (void)!::write(STDIN_FILENO, answer.constData(), static_cast<size_t>(answer.size()));
        }
    }

    orvane::HelpWindow& window_;
    QSocketNotifier notifier_;
    QByteArray pending_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvane::applyShade(orvane::requestedShade());
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    QRect beside;
    double zoom = 1.0;
    bool listen = false;
    while (arguments.size() > 1) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--listen")) {
            listen = true;
        } else if (option == QLatin1String("--beside") && arguments.size() > 1) {
            beside = rectangleOf(arguments.takeFirst());
        } else if (option == QLatin1String("--zoom") && arguments.size() > 1) {
            zoom = zoomOf(arguments.takeFirst());
        } else {
            arguments.clear();
        }
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr,
                     "usage: orvane-help [--beside X,Y,W,H] [--zoom Z] [--listen] "
                     "file:\\windows\\PAGE\n");
        return 2;
    }
    const QString name = orvane::helpPageName(arguments.at(0));
    if (name.isEmpty()) {
        std::fprintf(stderr, "orvane-help: not a help page: %s\n", qPrintable(arguments.at(0)));
        return 2;
    }
    const QString page = orvane::findHelpPage(name);
    if (page.isEmpty()) {
        std::fprintf(stderr, "orvane-help: no help page %s\n", qPrintable(name));
        return 1;
    }
    orvane::HelpWindow window(page, zoom);
    QRect place(0, 0, static_cast<int>(kDeviceWidth * 2 * zoom),
                static_cast<int>(kDeviceHeight * zoom));
    if (!beside.isEmpty()) {
        const QScreen* screen = QGuiApplication::screenAt(beside.center());
        if (screen == nullptr) {
            screen = QGuiApplication::primaryScreen();
        }
        place = orvane::helpViewerPlace(beside, screen->availableGeometry());
        window.move(place.topLeft());
    }
    window.resize(place.size());
    window.show();
    // The frame the window system adds counts in the height: as tall as the main window's frame.
    const QSize frame = window.frameGeometry().size() - window.size();
    if (frame.width() > 0 || frame.height() > 0) {
        window.resize(place.size() - frame);
    }
    std::unique_ptr<Listener> listener;
    if (listen) {
        listener = std::make_unique<Listener>(window);
    }
    return app.exec();
}
