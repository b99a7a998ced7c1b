#include "tools/help/help_window.hpp"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "tools/help/help_colours.hpp"
#include "tools/help/help_page.hpp"

namespace orvane {

namespace {

constexpr int kGap = 8;          // between the main window and the viewer
constexpr int kWidthFactor = 2;  // the viewer's width in main window widths

}  // namespace

QRect helpViewerPlace(const QRect& mainWindow, const QRect& available) {
    const int width = std::min(kWidthFactor * mainWindow.width(), available.width());
    const int height = std::min(mainWindow.height(), available.height());
    int x = mainWindow.right() + 1 + kGap;
    if (x + width - 1 > available.right()) {
        x = mainWindow.left() - kGap - width;
        if (x < available.left()) {
            x = available.right() + 1 - width;
        }
    }
    const int y = std::clamp(mainWindow.top(), available.top(), available.bottom() + 1 - height);
    return QRect(x, y, width, height);
}

HelpWindow::HelpWindow(const QString& page, double zoom) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar_ = bar;
    QAction* back = bar->addAction(QStringLiteral("Back"));
    QAction* contents = bar->addAction(QStringLiteral("Contents"));
    browser_ = new ShadedBrowser(requestedShade(), this);
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({QFileInfo(page).absolutePath()});
    layout->addWidget(bar);
    layout->addWidget(browser_);
    baseSize_ = QApplication::font().pointSizeF();
    if (baseSize_ <= 0) {
        baseSize_ = 9.0;
    }

    back->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(contents, &QAction::triggered, this, [this] { open(QStringLiteral("orvane.htc")); });
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { follow(url); });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Orvane help") : title);
    });

    setZoom(zoom);
    load(page, {});
}

void HelpWindow::setZoom(double zoom) {
    zoom_ = zoom > 0 ? zoom : 1.0;
    // The pages' headings are sized relative to the document's font: they grow with it.
    QFont font = this->font();
    font.setPointSizeF(baseSize_ * zoom_);
    setFont(font);
    browser_->setFont(font);
    bar_->setFont(font);
}

QString HelpWindow::page() const {
    return browser_->source().toLocalFile();
}

void HelpWindow::bringForward() {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void HelpWindow::load(const QString& file, const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(file);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    // The pages are HTML whatever their names end with.
    browser_->setSource(url, QTextDocument::HtmlResource);
}

bool HelpWindow::open(const QString& name, const QString& anchor) {
    const QString file = findHelpPage(name);
    if (file.isEmpty()) {
        return false;
    }
    load(file, anchor);
    return true;
}

void HelpWindow::follow(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    QString link = url.toString(QUrl::FullyDecoded);
    QString anchor;
    const qsizetype hash = link.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        anchor = link.mid(hash + 1);
        link.truncate(hash);
    }
    if (link.isEmpty()) {
        browser_->scrollToAnchor(anchor);  // a place on the same page
        return;
    }
    open(linkedPageName(link), anchor);
}

}  // namespace orvane
