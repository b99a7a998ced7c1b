// orvane-help file:\windows\NAME
//
// Shows one of Orvane's help pages. The program starts it without waiting and does not hear
// back: a page that is not there, or an argument of another form, ends the viewer at once
// without a window (exit code 1 or 2), so that the pilot simply sees no help.
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

#include "tools/help/help_page.hpp"

namespace {

constexpr int kWidth = 240;  // the screen the pages were written for
constexpr int kHeight = 320;

class HelpWindow : public QWidget {
  public:
    explicit HelpWindow(const QString& page) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* bar = new QToolBar(this);
        QAction* back = bar->addAction(QStringLiteral("Back"));
        QAction* contents = bar->addAction(QStringLiteral("Contents"));
        browser_ = new QTextBrowser(this);
        browser_->setOpenLinks(false);
        browser_->setSearchPaths({QFileInfo(page).absolutePath()});
        layout->addWidget(bar);
        layout->addWidget(browser_);

        back->setEnabled(false);
        connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        connect(contents, &QAction::triggered, this,
                [this] { open(QStringLiteral("orvane.htc"), {}); });
        connect(browser_, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& url) { follow(url); });
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = browser_->documentTitle();
            setWindowTitle(title.isEmpty() ? QStringLiteral("Orvane help") : title);
        });

        resize(kWidth, kHeight);
        load(page, {});
    }

  private:
    void load(const QString& file, const QString& anchor) {
        QUrl url = QUrl::fromLocalFile(file);
        if (!anchor.isEmpty()) {
            url.setFragment(anchor);
        }
        // The pages are HTML whatever their names end with.
        browser_->setSource(url, QTextDocument::HtmlResource);
    }

    void open(const QString& name, const QString& anchor) {
        const QString file = orvane::findHelpPage(name);
        if (!file.isEmpty()) {
            load(file, anchor);
        }
    }

    void follow(const QUrl& url) {
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
        open(orvane::linkedPageName(link), anchor);
    }

    QTextBrowser* browser_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orvane-help file:\\windows\\PAGE\n");
        return 2;
    }
    const QString name = orvane::helpPageName(arguments.at(1));
    if (name.isEmpty()) {
        std::fprintf(stderr, "orvane-help: not a help page: %s\n", qPrintable(arguments.at(1)));
        return 2;
    }
    const QString page = orvane::findHelpPage(name);
    if (page.isEmpty()) {
        std::fprintf(stderr, "orvane-help: no help page %s\n", qPrintable(name));
        return 1;
    }
    HelpWindow window(page);
    window.show();
    return app.exec();
}
