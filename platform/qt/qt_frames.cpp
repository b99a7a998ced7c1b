// The windows' frames: the main window (caption strip, panel, menu bar) and the dialogs, with
// their caption strip, client area and what the frame itself turns into commands.
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>
#include <algorithm>

#include "platform/control_kinds.hpp"
#include "platform/qt/data_paths.hpp"
#include "platform/qt/qt_painter.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"
#include "res/menu.hpp"

namespace orvane {

namespace {

// The top-level widget of the main window: a close request goes to the procedure.
class MainFrame : public QWidget {
  public:
    explicit MainFrame(QtWindow& window) : window_(window) {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QtWindow& window_;
};

// A dialog: Escape and the window manager's close box are the caption's close box (command 2).
class DialogFrame : public QDialog {
  public:
    DialogFrame(QtWindow& window, QWidget* owner, Qt::WindowFlags flags)
        : QDialog(owner, flags), window_(window) {}
    void reject() override { window_.frameCommand(kCommandCancel, 0); }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->modifiers() == Qt::NoModifier &&
            (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            window_.enterPressed();
            return;
        }
        QDialog::keyPressEvent(event);
    }

  private:
    QtWindow& window_;
};

// The client area of a window: taps on it outside the controls, and its painting.

}  // namespace

void MainFrame::closeEvent(QCloseEvent* event) {
    event->ignore();  // the procedure decides; by default it destroys the window
    window_.closeRequested();
}
// ---------------------------------------------------------------------------------------------
// QtWindow

QtWindow::QtWindow(QtUi& ui, WindowProc& procedure, const DialogTemplate* dialog, std::string title,
                   QWidget* owner)
    : ui_(ui), proc_(procedure), template_(dialog), title_(std::move(title)) {
    if (template_ == nullptr) {
        buildMainWindow();
    } else {
        buildDialog(owner);
    }
}

QtWindow::~QtWindow() {
    // The widgets go first; nothing they do on the way reaches the procedure.
    ended_ = true;
    ++silent_;
    for (const QtControl& c : controls_) {
        c.widget->removeEventFilter(this);
    }
    delete frame_;
}

QDialog* QtWindow::dialog() const {
    return template_ != nullptr ? static_cast<QDialog*>(frame_) : nullptr;
}

void QtWindow::buildMainWindow() {
    auto* frame = new MainFrame(*this);
    frame_ = frame;
    frame->setWindowTitle(fromUtf8(title_));
    frame->setFixedSize(kScreenWidth, kScreenHeight);
    buildCaption(frame, kScreenWidth);

    auto* panel = new ClientArea(*this, frame);
    panel->setGeometry(0, kCaptionHeight, kScreenWidth, kMainClientHeight);
    panel->setFont(panelFont());
    panel->setAttribute(Qt::WA_OpaquePaintEvent);
    client_ = panel;

    auto* bar = new Strip(frame, kMenuBarColour, true);
    bar->setGeometry(0, kCaptionHeight + kMainClientHeight, kScreenWidth, kMenuBarHeight);
    buildMenus(bar);

    for (const Accelerator& a : accelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(a.letter)),
                                       frame, nullptr, nullptr, Qt::WindowShortcut);
        const int command = a.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            frameCommand(command, 1);  // an accelerator's command carries 1
        });
    }
    addHelpKey();
}

void QtWindow::addHelpKey() {
    // F1 asks the active window for help.
    auto* help =
        new QShortcut(QKeySequence(Qt::Key_F1), frame_, nullptr, nullptr, Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { helpRequested(); });
}

void QtWindow::buildCaption(QWidget* frame, int width) {
    auto* strip = new Strip(frame, kCaptionColour, false);
    strip->setGeometry(0, 0, width, kCaptionHeight);
    auto* title = new QLabel(strip);
    title->setTextFormat(Qt::PlainText);
    title->setText(fromUtf8(title_));
    title->setFont(programFont(12, true));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(palette);
    captionTitle_ = title;

    const unsigned style = template_ != nullptr ? template_->style : 0;
    int right = width - 2;
    const auto place = [&](QToolButton* button) {
        const int w = std::max(24, button->sizeHint().width());
        right -= w;
        button->setGeometry(right, 2, w, kCaptionHeight - 4);
        right -= 2;
    };
    if ((style & ds::kDoneButton) != 0) {
        // The shell's OK button in the caption: command 1.
        okButton_ = stripButton(strip, QStringLiteral("ok"), Qt::white);
        QFont bold = programFont(12, true);
        okButton_->setFont(bold);
        place(okButton_);
        connect(okButton_, &QToolButton::clicked, this, [this] { frameCommand(kCommandOk, 0); });
    } else if (template_ != nullptr && offersCloseBox(*template_)) {
        // The close box: command 2.
        auto* close = stripButton(strip, QString(QChar(0x00D7)), Qt::white);
        close->setFont(programFont(16, true));
        place(close);
        connect(close, &QToolButton::clicked, this, [this] { frameCommand(kCommandCancel, 0); });
    }
    if ((style & ds::kContextHelp) != 0) {
        auto* help = stripButton(strip, QStringLiteral("?"), Qt::white);
        help->setFont(programFont(12, true));
        place(help);
        connect(help, &QToolButton::clicked, this, [this] { helpRequested(); });
    }
    title->setGeometry(6, 0, std::max(0, right - 6), kCaptionHeight);
}

void QtWindow::buildDialog(QWidget* owner) {
    const DialogTemplate& t = *template_;
    const DialogMetrics metrics = dialogMetrics(t);
    const bool caption = (t.style & ds::kCaption) != 0;
    Qt::WindowFlags flags = Qt::Dialog;
    if (caption) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (offersCloseBox(t)) {
            flags |= Qt::WindowCloseButtonHint;
        }
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    auto* frame = new DialogFrame(*this, owner, flags);
    frame_ = frame;
    frame->setWindowTitle(fromUtf8(title_));
    frame->setModal(true);

    QSize size = dialogClientSize(metrics, t);
    const int top = caption ? kCaptionHeight : 0;
    if ((t.style & ds::kFullScreen) != 0) {
        size = size.expandedTo(QSize(kScreenWidth, kScreenHeight - kMenuBarHeight - top));
    }
    if (caption) {
        buildCaption(frame, size.width());
    }
    auto* area = new ClientArea(*this, frame);
    area->setGeometry(0, top, size.width(), size.height());
    area->setFont(metrics.font);
    area->setAutoFillBackground(true);
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, Qt::white);
    area->setPalette(palette);
    client_ = area;
    frame->setFixedSize(size.width(), top + size.height());
    addHelpKey();

    for (const ControlTemplate& c : t.controls) {
        buildControl(c, metrics);
    }
    // Group boxes are frames drawn behind the controls they surround.
    for (const QtControl& c : controls_) {
        if (c.kind == ControlKind::GroupBox) {
            c.widget->lower();
        }
    }
}

void QtWindow::setTitle(std::string_view title) {
    title_ = std::string(title);
    frame_->setWindowTitle(fromUtf8(title));
    if (captionTitle_ != nullptr) {
        static_cast<QLabel*>(captionTitle_)->setText(fromUtf8(title));
    }
}

void QtWindow::end(int result) {
    if (template_ == nullptr) {
        ui_.destroyMain();
        return;
    }
    ended_ = true;
    result_ = result;
    dialog()->done(result);
}

void QtWindow::message(std::string_view text) {
    ui_.message(*this, text);
}

bool QtWindow::ask(std::string_view text) {
    return ui_.ask(*this, text);
}

void QtWindow::startTimer(int id, int periodMs) {
    ui_.startTimer(*this, id, periodMs);
}

void QtWindow::stopTimer(int id) {
    ui_.stopTimer(*this, id);
}

int QtWindow::runModal(int templateId, WindowProc& procedure) {
    return ui_.runModal(*this, templateId, procedure);
}

void QtWindow::notify(int id, int code) {
    proc_.onCommand(*this, id, code);
}

void QtWindow::frameCommand(int id, int code) {
    if (ended_ || (template_ == nullptr && ui_.mainDestroyed())) {
        return;
    }
    ui_.guard([&] { notify(id, code); });
}

void QtWindow::closeRequested() {
    if (!ended_ && !(template_ == nullptr && ui_.mainDestroyed())) {
        ui_.guard([&] { proc_.onCloseRequest(*this); });
    }
}

void QtWindow::enterPressed() {
    // As the classic dialog manager: Enter taps the push button that has the focus, else the
    // default push button, else it is the OK command.
    const QtControl* focused = control(focus_.focus());
    if (focused == nullptr || focused->kind != ControlKind::PushButton) {
        focused = nullptr;
        for (const QtControl& c : controls_) {
            if (c.kind == ControlKind::PushButton && (c.style & cs::kDefault) != 0 &&
                visibleOf(c)) {
                focused = &c;
                break;
            }
        }
    }
    if (focused != nullptr) {
        static_cast<QAbstractButton*>(focused->widget)->click();
    } else {
        frameCommand(kCommandOk, 0);
    }
}

void QtWindow::tapped() {
    if (!ended_) {
        ui_.guard([&] { proc_.onTap(*this); });
    }
}

void QtWindow::helpRequested() {
    if (!ended_) {
        ui_.guard([&] { (void)proc_.onHelp(*this); });
    }
}

void QtWindow::paintItem(QWidget& item, int id) {
    QPainter qp(&item);
    qp.setFont(item.font());
    QtPainter painter(qp, [](std::string_view file) { return findPictureFile(file); });
    ui_.guard([&] { proc_.onDrawItem(*this, id, painter, item.width(), item.height()); });
}

void QtWindow::paintClient(QWidget& area) {
    QPainter qp(&area);
    qp.setFont(area.font());
    QtPainter painter(qp, [](std::string_view file) { return findPictureFile(file); });
    if (template_ == nullptr) {
        // The main window shows what its procedure drew when it was last asked to paint.
        qp.fillRect(area.rect(), Qt::white);
        replay(ui_.lastMainPaint(), painter);
        return;
    }
    ui_.guard([&] { proc_.onPaint(*this, painter); });
    if ((template_->style & (ds::kCaption | ds::kModalFrame)) == ds::kModalFrame) {
        // A modal frame without a caption: a plain border around the dialog.
        qp.setPen(QPen(Qt::black, 1));
        qp.setBrush(Qt::NoBrush);
        qp.drawRect(area.rect().adjusted(0, 0, -1, -1));
    }
}

QPoint QtUi::dialogPosition(const QtWindow& dialog) const {
    QPoint origin(0, 0);
    QSize area(kScreenWidth, kScreenHeight - kMenuBarHeight);
    if (main_) {
        origin = main_->frame()->geometry().topLeft();
    }
    const unsigned style = dialog.dialogTemplate()->style;
    const QSize size = dialog.frame()->size();
    if ((style & ds::kCentred) != 0) {
        return origin +
               QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    }
    // A captioned dialog covers the main window's caption with its own; the others open just
    // below it.
    return origin + QPoint(0, (style & ds::kCaption) != 0 ? 0 : kCaptionHeight);
}

void setUpApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The style keeps what it drew in the pixmap cache under keys that change from one dialog
    // opened to the next; with the default limit (10 MB) the cache grew with every dialog opened.
    // What the program's small windows draw again fits in far less.
    constexpr int kPixmapCacheKilobytes = 512;
    QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(programFont(12));
    QApplication::setQuitOnLastWindowClosed(false);
    // The icon installed in the desktop's icon theme, else the copy beside the program.
    const QString file = findPictureFile("orvane.png");
    const QIcon copy = file.isEmpty() ? QIcon() : QIcon(QPixmap::fromImage(readPicture(file)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orvane"), copy));
}

}  // namespace orvane
