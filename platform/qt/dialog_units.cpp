#include "platform/qt/dialog_units.hpp"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {

constexpr int kSmallestPixelSize = 6;
// The summary panel's labels ("Mag variation:") must fit their 90-pixel boxes and stay inside
// the panel's edge at x 6.
constexpr int kPanelPixelSize = 11;

}  // namespace

QFont programFont(int pixelSize, bool bold) {
    QFont font;
    // DejaVu Sans where it is installed, so that pictures come out the same on every machine;
    // otherwise whatever sans-serif face fontconfig offers.
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

int averageCharWidth(const QFont& font) {
    const QFontMetrics metrics(font);
    const int extent = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (extent / 26 + 1) / 2;
}

int mulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long divisor = denominator;
    const bool negative = (product < 0) != (divisor < 0);
    const long long quotient =
        (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    return static_cast<int>(negative ? -quotient : quotient);
}

DialogMetrics dialogMetrics(const DialogTemplate& dialog, int screenWidth) {
    // Points at 96 dots to the inch, as the device drew them.
    int pixelSize = static_cast<int>(std::lround(dialog.pointSize * 96.0 / 72.0));
    DialogMetrics metrics;
    for (;; --pixelSize) {
        metrics.font = programFont(pixelSize);
        metrics.baseX = averageCharWidth(metrics.font);
        metrics.baseY = QFontMetrics(metrics.font).height();
        if (pixelSize <= kSmallestPixelSize ||
            mulDiv(dialog.width, metrics.baseX, 4) <= screenWidth) {
            return metrics;
        }
    }
}

QRect mapDialogRect(const DialogMetrics& metrics, int x, int y, int width, int height) {
    const int left = mulDiv(x, metrics.baseX, 4);
    const int right = mulDiv(x + width, metrics.baseX, 4);
    const int top = mulDiv(y, metrics.baseY, 8);
    const int bottom = mulDiv(y + height, metrics.baseY, 8);
    return QRect(left, top, right - left, bottom - top);
}

QSize dialogClientSize(const DialogMetrics& metrics, const DialogTemplate& dialog) {
    return QSize(mulDiv(dialog.width, metrics.baseX, 4), mulDiv(dialog.height, metrics.baseY, 8));
}

QFont panelFont() {
    return programFont(kPanelPixelSize);
}

}  // namespace orvane
