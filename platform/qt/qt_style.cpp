#include "platform/qt/qt_style.hpp"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace orvane {

namespace {

// Draws with the shared palette of the option's colours for as long as it lasts, then gives the
// option back its own. The options the style is handed are the callers' own, made for the one
// drawing.
class SharedPaletteFor {
  public:
    SharedPaletteFor(const ProgramStyle& style, const QStyleOption* option)
        : option_(const_cast<QStyleOption*>(option)) {
        if (option_ != nullptr) {
            own_ = option_->palette;
            option_->palette = style.shared(own_);
        }
    }
    ~SharedPaletteFor() {
        if (option_ != nullptr) {
            option_->palette = own_;
        }
    }
    SharedPaletteFor(const SharedPaletteFor&) = delete;
    SharedPaletteFor& operator=(const SharedPaletteFor&) = delete;

  private:
    QStyleOption* option_;
    QPalette own_;
};

// Fusion outlines a radio button's or check box's mark in a shade darker than the window behind
// it: on Night's and a dark desktop's near-black windows that outline cannot be seen, and an
// unchosen radio button is not there at all. There the mark gets a dim outline of the text's
// colour (red in Night, so no green or blue comes in).
void outlineMarkOnDarkWindow(QStyle::PrimitiveElement element, const QStyleOption& option,
                             QPainter& painter) {
    if (option.palette.color(QPalette::Window).lightness() >= 128) {
        return;
    }
    QColor ink = option.palette.color(QPalette::WindowText);
    ink.setAlpha(150);
    const QRectF box = QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal side = qMin(box.width(), box.height());
    QRectF mark(0, 0, side, side);
    mark.moveCenter(box.center());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    if (element == QStyle::PE_IndicatorRadioButton) {
        painter.drawEllipse(mark);
    } else {
        painter.drawRect(mark);
    }
    painter.restore();
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (metric == PM_TextCursorWidth && qApp->property(kOwnCaret).toBool()) {
        return 0;
    }
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing: {
            // A mark of 14 pixels beside text three times the size is a hard target for a finger.
            const double zoom =
                qApp->property(kZoom).isValid() ? qApp->property(kZoom).toDouble() : 1.0;
            return zoom > 1.0 ? qRound(base * zoom) : base;
        }
        default:
            return base;
    }
}

QPalette ProgramStyle::shared(const QPalette& palette) const {
    for (const QPalette& kept : palettes_) {
        if (kept.cacheKey() == palette.cacheKey() || kept == palette) {
            // The colours of the group the widget is drawn in (active, inactive, disabled).
            QPalette drawn = kept;
            drawn.setCurrentColorGroup(palette.currentColorGroup());
            return drawn;
        }
    }
    // A program of a few windows draws with a few sets of colours; should there ever be more,
    // the oldest goes, and the names it drew under with it.
    if (palettes_.size() >= kMostPalettes) {
        palettes_.erase(palettes_.begin());
    }
    palettes_.push_back(palette);
    return palette;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const SharedPaletteFor shared(*this, option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if ((element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox) &&
        option != nullptr && painter != nullptr) {
        outlineMarkOnDarkWindow(element, *option, *painter);
    }
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const SharedPaletteFor shared(*this, option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const SharedPaletteFor shared(*this, option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace orvane
