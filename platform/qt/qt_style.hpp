// The widget style of the Qt host: Fusion, drawing every widget with one shared palette per set
// of colours, without a caret of its own in Night, with radio buttons and check boxes as large as
// the window's zoom makes their text, and outlined where the window behind them is dark.
//
// The style keeps what it drew (a combo box's frame, a button's face) in the pixmap cache under
// a name made of what it drew, its state and size, and the palette's identity. Each widget of a
// window with colours of its own (a dialog's white client area, a read-only field) gets a palette
// with an identity of its own, so every dialog opened drew under names never seen before, and the
// cache keeps the names of what it has dropped until they are asked for again: the memory grew
// with every dialog opened. Drawn with the one palette of those colours, a dialog opened again
// draws under the names it drew under before.
#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <cstddef>
#include <vector>

namespace orvane {

class ProgramStyle : public QProxyStyle {
  public:
    // While the application has this property set, the style draws no text caret (a field
    // draws its own, FieldEdit). A field takes the caret's width when it is made.
    static inline const char* const kOwnCaret = "orvaneOwnCaret";
    // The application's property holding the main window's zoom (1 when unset): the style sizes
    // the marks of radio buttons and check boxes by it, as every font and rectangle is sized.
    static inline const char* const kZoom = "orvaneZoom";

    ProgramStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The palette the style draws with for a palette of these colours, in its colour group (its
    // identity, its cache key, is that of the first palette of these colours drawn with).
    QPalette shared(const QPalette& palette) const;
    // How many palettes the style keeps (at most kMostPalettes).
    std::size_t sharedPalettes() const { return palettes_.size(); }
    static constexpr std::size_t kMostPalettes = 32;

  private:
    // The palettes drawn with, in the order they were first drawn with.
    mutable std::vector<QPalette> palettes_;
};

}  // namespace orvane
