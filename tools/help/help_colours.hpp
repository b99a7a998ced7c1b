// The help viewer in the program's appearance: the program hands its shade over in the
// environment (kShadeVariable, "day", "dusk" or "night"), and the viewer takes that shade's
// colours for its window and for the pages' own colours (the summary panel's yellow and blue).
#pragma once

#include <QTextBrowser>
#include <optional>

#include "platform/appearance.hpp"
#include "platform/qt/qt_palette.hpp"

namespace orvane {

// The shade the program asked for; nothing when it named none (the viewer keeps the desktop's
// look, as in Day).
std::optional<Shade> requestedShade();
// Gives the application the shade's palette (Dusk and Night; Day keeps the desktop's).
void applyShade(std::optional<Shade> shade);
// A page's text with its Day colours replaced by the shade's.
QString pageInShade(const QString& html, std::optional<Shade> shade);

// A browser that shows every page in the shade.
class ShadedBrowser : public QTextBrowser {
  public:
    ShadedBrowser(std::optional<Shade> shade, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    std::optional<Shade> shade_;
};

}  // namespace orvane
