#include "platform/qt/dialog_units.hpp"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace orvane {

namespace {

// The summary panel's labels ("Mag variation:") must fit their 90-pixel boxes and stay inside
// the panel's edge at x 6. The size of the smaller dialogs' font, so that the first screens
// (panel, menu bar, disclaimer) share one face at one size.
constexpr int kPanelPixelSize = 11;

}  // namespace

QFont programFont(int pixelSize, bool bold) {
    QFont font;
    // DejaVu Sans where it is installed, so that pictures come out the same on every machine;
    // otherwise whatever sans-serif face fontconfig offers.
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

QFont dialogFont(int pixelSize) {
    QFont font = programFont(pixelSize);
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans Condensed"),
                                 QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    return font;
}

int averageCharWidth(const QFont& font) {
    const QFontMetrics metrics(font);
    const int extent = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (extent / 26 + 1) / 2;
}

int zoomed(int pixels, double zoom) {
    return static_cast<int>(std::lround(pixels * zoom));
}

QRect zoomedRect(const PixelRect& r, double zoom) {
    const int left = zoomed(r.x, zoom);
    const int top = zoomed(r.y, zoom);
    return QRect(left, top, zoomed(r.x + r.width, zoom) - left, zoomed(r.y + r.height, zoom) - top);
}

QFont templateFont(const DialogTemplate& dialog, double zoom) {
    // Rounded down, and so that a line is no taller than the template's line at this zoom: a
    // font a fraction of a pixel larger than the zoomed controls would no longer fit the line
    // heights the template gave its texts.
    const BaseUnits units = dialogBaseUnits(dialog.pointSize);
    const int line = static_cast<int>(std::floor(units.y * zoom + 1e-9));
    int pixels = static_cast<int>(std::floor(units.pixelSize * zoom + 1e-9));
    QFont font = dialogFont(pixels);
    while (pixels > units.pixelSize && QFontMetrics(font).height() > line) {
        font = dialogFont(--pixels);
    }
    return font;
}

QFont panelFont() {
    return dialogFont(kPanelPixelSize);
}

QFont menuFont(double zoom) {
    return dialogFont(zoomed(kPanelPixelSize, zoom));
}

}  // namespace orvane
