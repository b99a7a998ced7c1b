// The help viewer's window: one page at a time with Back and Contents, placed beside the
// program's main window and as tall as it, its text at the main window's zoom.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace orvane {

// Where the viewer goes beside the main window (its frame, in screen pixels) on a screen's
// available area: as tall as the main window and at its height on screen, twice its width (so
// that the pages read at the width they were written for, whatever the zoom), to the right of
// it, else to the left, else at the screen's right edge; always wholly on the screen, smaller if
// the screen is.
QRect helpViewerPlace(const QRect& mainWindow, const QRect& available);

class HelpWindow : public QWidget {
  public:
    // page: the file of the first page; zoom: the main window's zoom (1 for the device's pixels).
    HelpWindow(const QString& page, double zoom);

    // Shows a page by name ("hold.htp"); false when there is no such page.
    bool open(const QString& name, const QString& anchor = {});
    // The text's size follows the main window's zoom.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // The file of the page on display.
    QString page() const;
    // Brings the window to the front, out of a minimised state.
    void bringForward();

  private:
    void load(const QString& file, const QString& anchor);
    void follow(const class QUrl& url);

    QTextBrowser* browser_;
    QWidget* bar_;
    double baseSize_;  // the text's point size at zoom 1
    double zoom_ = 1.0;
};

}  // namespace orvane
