#include "platform/qt/qt_painter.hpp"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/qt/dialog_units.hpp"
#include "platform/qt/tests/qt_test_support.hpp"

namespace orvane {
namespace {

constexpr Rgb kYellow{255, 213, 17};
constexpr Rgb kBlue{0, 0, 255};
const QRgb kWhite = qRgb(255, 255, 255);

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

template <class Draw>
QImage paint(int width, int height, Draw draw) {
    QImage image = blank(width, height);
    QPainter qp(&image);
    qp.setFont(panelFont());
    QtPainter painter(qp, {}, coloursOf(Shade::Day));
    draw(painter);
    return image;
}

QRgb rgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

TEST(QtPainter, RectangleIsFilledAndOutlinedInsideItsEdges) {
    const QImage image = paint(20, 20, [](Painter& p) { p.fillRect(2, 3, 12, 9, kYellow); });
    // The outline is on the rectangle's own first and last pixels; right and bottom exclusive.
    EXPECT_EQ(image.pixel(2, 3), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(11, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(12, 8), kWhite);
    EXPECT_EQ(image.pixel(11, 9), kWhite);
    EXPECT_EQ(image.pixel(5, 5), rgb(kYellow));
}

TEST(QtPainter, LineStopsShortOfItsEndPoint) {
    const QImage image = paint(20, 5, [](Painter& p) { p.drawLine(2, 2, 10, 2); });
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(9, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 2), kWhite);
}

// The columns painted in the background colour: the text's cell only, not its whole box.
std::pair<int, int> backgroundColumns(const QImage& image, int y, QRgb colour) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == colour) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

TEST(QtPainter, TextCellIsOpaqueAndAlignedInItsBox) {
    const QFontMetrics metrics(panelFont());
    const int width = metrics.horizontalAdvance(QStringLiteral("Dist:"));
    const int height = metrics.height();
    struct Case {
        const char* name;
        Align align;
        int expectedLeft;
    } cases[] = {
        {"right-aligned label ends at the box's right edge", Align::Right, 175 - width},
        {"left-aligned value starts at the box's left edge", Align::Left, 93},
        {"centred text sits in the middle", Align::Centre, (93 + 175 - width) / 2},
    };
    for (const Case& c : cases) {
        const QImage image = paint(240, 60, [&](Painter& p) {
            p.drawText("Dist:", 93, 20, 175, 60, c.align, kBlue, kYellow);
        });
        // Vertically centred: the cell's top row is painted, the row above it is not.
        const int top = (20 + 60 - height) / 2;
        const auto [left, right] = backgroundColumns(image, top, rgb(kYellow));
        EXPECT_EQ(left, c.expectedLeft) << c.name;
        EXPECT_EQ(right, c.expectedLeft + width - 1) << c.name;
        EXPECT_EQ(backgroundColumns(image, top - 1, rgb(kYellow)).first, -1) << c.name;
    }
}

TEST(QtPainter, TextIsClippedToItsBox) {
    const QImage image = paint(240, 40, [](Painter& p) {
        p.drawText("12345678.9nm", 178, 0, 200, 40, Align::Left, kBlue, kYellow);
    });
    for (int y = 0; y < 40; ++y) {
        for (int x = 200; x < 240; ++x) {
            ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
        }
    }
}

TEST(QtPainter, ReplayPaintsWhatWasRecorded) {
    const auto draw = [](Painter& p) {
        p.fillRect(6, 25, 234, 255, kYellow);
        p.drawText("True course:", 0, 20, 90, 60, Align::Right, kBlue, kYellow);
        p.drawLine(6, 180, 234, 180);
    };
    RecordingPainter recorder;
    draw(recorder);
    ASSERT_EQ(recorder.calls.size(), 3u);
    EXPECT_EQ(recorder.calls[1].text, "True course:");
    const QImage direct = paint(240, 268, draw);
    const QImage replayed = paint(240, 268, [&](Painter& p) { replay(recorder.calls, p); });
    EXPECT_EQ(direct, replayed);
}

TEST(QtPainter, MissingPictureDrawsNothing) {
    const QImage image =
        paint(10, 10, [](Painter& p) { p.drawPictureFile("none.bmp", 0, 0, 10, 10); });
    EXPECT_EQ(image, blank(10, 10));
}

}  // namespace
}  // namespace orvane
