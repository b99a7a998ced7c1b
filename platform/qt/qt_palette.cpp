#include "platform/qt/qt_palette.hpp"

namespace orvane {

QPalette paletteOf(const Colours& c) {
    QPalette p;
    const struct {
        QPalette::ColorRole role;
        Rgb colour;
    } roles[] = {
        {QPalette::Window, c.window},
        {QPalette::WindowText, c.windowText},
        {QPalette::Base, c.base},
        {QPalette::AlternateBase, c.alternateBase},
        {QPalette::Text, c.text},
        {QPalette::Button, c.button},
        {QPalette::ButtonText, c.buttonText},
        {QPalette::BrightText, c.highlightedText},
        {QPalette::Light, c.light},
        {QPalette::Midlight, c.midlight},
        {QPalette::Mid, c.mid},
        {QPalette::Dark, c.dark},
        {QPalette::Shadow, c.shadow},
        {QPalette::Highlight, c.highlight},
        {QPalette::HighlightedText, c.highlightedText},
        {QPalette::Link, c.link},
        {QPalette::LinkVisited, c.link},
        {QPalette::ToolTipBase, c.toolTipBase},
        {QPalette::ToolTipText, c.toolTipText},
    };
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto& r : roles) {
            p.setColor(group, r.role, toQColor(r.colour));
        }
        QColor placeholder = toQColor(c.text);
        placeholder.setAlpha(128);
        p.setColor(group, QPalette::PlaceholderText, placeholder);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, toQColor(c.disabledText));
    }
    p.setColor(QPalette::Disabled, QPalette::Base, toQColor(c.disabledBase));
    p.setColor(QPalette::Disabled, QPalette::Highlight, toQColor(c.disabledHighlight));
    return p;
}

QImage inShade(const QImage& picture, const Colours& colours) {
    if (!colours.pictureTint || picture.isNull()) {
        return picture;
    }
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const Rgb t =
                tinted({static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                        static_cast<std::uint8_t>(qBlue(p))},
                       *colours.pictureTint);
            line[x] = qRgba(t.r, t.g, t.b, qAlpha(p));
        }
    }
    return out;
}

}  // namespace orvane
