// Painting for the Qt host: the platform's painter on a QPainter, a painter that only records
// the calls, and the replay of recorded calls.
#pragma once

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/appearance.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_host.hpp"

class QPainter;

namespace orvane {

// Finds a picture file by the name the program gives; empty when there is none.
using PictureFinder = std::function<QString(std::string_view)>;

// Draws on a QPainter the way the classic window system drew: a black pen one pixel wide,
// rectangles filled and outlined inside [left, right) x [top, bottom), one line of text centred
// vertically in its box and clipped to it with only the text's own cell painted in the
// background colour, lines without their last point.
class QtPainter : public Painter {
  public:
    // The pen takes the shade's border colour (black in Day), and pictures its tint.
    QtPainter(QPainter& painter, PictureFinder pictures, const Colours& colours);

    void fillRect(int left, int top, int right, int bottom, Rgb fill) override;
    void drawText(std::string_view text, int left, int top, int right, int bottom, Align align,
                  Rgb foreground, Rgb background) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawPictureFile(std::string_view file, int x, int y, int width, int height) override;

  private:
    QPainter& painter_;
    PictureFinder pictures_;
    const Colours& colours_;
};

// Keeps the calls, for the main window's panel (painted again from them) and the driver's checks.
class RecordingPainter : public Painter {
  public:
    std::vector<DrawCall> calls;

    void fillRect(int left, int top, int right, int bottom, Rgb fill) override;
    void drawText(std::string_view text, int left, int top, int right, int bottom, Align align,
                  Rgb foreground, Rgb background) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawPictureFile(std::string_view file, int x, int y, int width, int height) override;
};

// Makes the recorded calls again, in order, on another painter.
void replay(const std::vector<DrawCall>& calls, Painter& painter);

}  // namespace orvane
