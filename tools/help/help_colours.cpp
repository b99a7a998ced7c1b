#include "tools/help/help_colours.hpp"

#include <QApplication>
#include <QStyleFactory>
#include <QTextDocument>

#include "platform/qt/qt_palette.hpp"

namespace orvane {

std::optional<Shade> requestedShade() {
    const QByteArray name = qgetenv(kShadeVariable);
    return shadeNamed(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
}

void applyShade(std::optional<Shade> shade) {
    if (!shade || *shade == Shade::Day) {
        return;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(paletteOf(coloursOf(*shade)));
}

QString pageInShade(const QString& html, std::optional<Shade> shade) {
    if (!shade || *shade == Shade::Day) {
        return html;
    }
    const Colours& day = coloursOf(Shade::Day);
    const Colours& now = coloursOf(*shade);
    const struct {
        Rgb from, to;
    } swaps[] = {{day.panel, now.panel}, {day.panelLabel, now.panelLabel}};
    QString out = html;
    for (const auto& s : swaps) {
        out.replace(toQColor(s.from).name(), toQColor(s.to).name(), Qt::CaseInsensitive);
    }
    return out;
}

ShadedBrowser::ShadedBrowser(std::optional<Shade> shade, QWidget* parent)
    : QTextBrowser(parent), shade_(shade) {
    if (shade_ && *shade_ != Shade::Day) {
        // Links take the document's colour, not the widget's palette.
        document()->setDefaultStyleSheet(
            QStringLiteral("a { color: %1; }").arg(toQColor(coloursOf(*shade_).link).name()));
    }
}

QVariant ShadedBrowser::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || !shade_) {
        return resource;
    }
    const QString html = resource.typeId() == QMetaType::QByteArray
                             ? QString::fromUtf8(resource.toByteArray())
                             : resource.toString();
    return pageInShade(html, shade_);
}

}  // namespace orvane
