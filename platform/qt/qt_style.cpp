#include "platform/qt/qt_style.hpp"

#include <QApplication>
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

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (metric == PM_TextCursorWidth && qApp->property(kOwnCaret).toBool()) {
        return 0;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
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
