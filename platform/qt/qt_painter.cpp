#include "platform/qt/qt_painter.hpp"

#include "platform/qt/data_paths.hpp"
#include "platform/qt/qt_widgets.hpp"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace orvane {

namespace {

QColor toColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

}  // namespace

QtPainter::QtPainter(QPainter& painter, PictureFinder pictures, const Colours& colours)
    : painter_(painter), pictures_(std::move(pictures)), colours_(colours) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setPen(QPen(toColor(colours_.border), 1));
}

void QtPainter::fillRect(int left, int top, int right, int bottom, Rgb fill) {
    if (right <= left || bottom <= top) {
        return;
    }
    painter_.fillRect(QRect(left, top, right - left, bottom - top), toColor(fill));
    painter_.setPen(QPen(toColor(colours_.border), 1));
    painter_.setBrush(Qt::NoBrush);
    // A one-pixel outline on the rectangle's own edge pixels (QPainter's rectangle of width w
    // covers w + 1 pixels).
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtPainter::drawText(std::string_view text, int left, int top, int right, int bottom,
                         Align align, Rgb foreground, Rgb background) {
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(painter_.font());
    const int width = metrics.horizontalAdvance(line);
    const int height = metrics.height();
    int x = left;
    if (align == Align::Right) {
        x = right - width;
    } else if (align == Align::Centre) {
        x = (left + right - width) / 2;
    }
    const int y = (top + bottom - height) / 2;
    painter_.save();
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
    painter_.fillRect(QRect(x, y, width, height), toColor(background));
    painter_.setPen(toColor(foreground));
    painter_.drawText(QPoint(x, y + metrics.ascent()), line);
    painter_.restore();
}

void QtPainter::drawLine(int x1, int y1, int x2, int y2) {
    // The line stops short of its end point, as the classic line drawing did.
    if (x1 == x2 && y1 == y2) {
        return;
    }
    if (y1 == y2) {
        x2 -= sign(x2 - x1);
    } else if (x1 == x2) {
        y2 -= sign(y2 - y1);
    }
    painter_.setPen(QPen(toColor(colours_.border), 1));
    painter_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

void QtPainter::drawPictureFile(std::string_view file, int x, int y, int width, int height) {
    const QString path = pictures_ ? pictures_(file) : QString();
    if (path.isEmpty()) {
        return;
    }
    // The picture may change while the program runs: it is decoded again when its file has
    // changed, not at every paint (the splash is painted again whenever it is uncovered).
    const QImage picture = inShade(cachedPicture(path), colours_);
    if (picture.isNull()) {
        return;
    }
    painter_.drawImage(QPoint(x, y), picture, QRect(0, 0, width, height));
}

void RecordingPainter::fillRect(int left, int top, int right, int bottom, Rgb fill) {
    calls.push_back({DrawCall::Kind::Rect, {}, left, top, right, bottom, Align::Left, {}, fill});
}

void RecordingPainter::drawText(std::string_view text, int left, int top, int right, int bottom,
                                Align align, Rgb foreground, Rgb background) {
    calls.push_back({DrawCall::Kind::Text, std::string(text), left, top, right, bottom, align,
                     foreground, background});
}

void RecordingPainter::drawLine(int x1, int y1, int x2, int y2) {
    calls.push_back({DrawCall::Kind::Line, {}, x1, y1, x2, y2, Align::Left, {}, {}});
}

void RecordingPainter::drawPictureFile(std::string_view file, int x, int y, int width, int height) {
    calls.push_back({DrawCall::Kind::Picture,
                     std::string(file),
                     x,
                     y,
                     x + width,
                     y + height,
                     Align::Left,
                     {},
                     {}});
}

void replay(const std::vector<DrawCall>& calls, Painter& painter) {
    for (const DrawCall& c : calls) {
        switch (c.kind) {
            case DrawCall::Kind::Rect:
                painter.fillRect(c.left, c.top, c.right, c.bottom, c.background);
                break;
            case DrawCall::Kind::Text:
                painter.drawText(c.text, c.left, c.top, c.right, c.bottom, c.align, c.foreground,
                                 c.background);
                break;
            case DrawCall::Kind::Line:
                painter.drawLine(c.left, c.top, c.right, c.bottom);
                break;
            case DrawCall::Kind::Picture:
                painter.drawPictureFile(c.text, c.left, c.top, c.right - c.left, c.bottom - c.top);
                break;
        }
    }
}

}  // namespace orvane
