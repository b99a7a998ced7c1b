// The windows' frames: the main window (caption strip, panel, menu bar) and the dialogs, with
// their caption strip, client area and what the frame itself turns into commands.
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmapCache>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "platform/control_kinds.hpp"
#include "platform/qt/data_paths.hpp"
#include "platform/qt/qt_painter.hpp"
#include "platform/qt/qt_style.hpp"
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
    // The pilot resizing the window zooms it: the device's screen fills it, its shape kept.
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        window_.frameResized(size());
    }

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

// The program's icon, looked up and read only when the window system first asks for it. Looking
// it up in the desktop's icon theme walks the theme's folders, and reading the picture loads the
// image reader and the list of its plugins: about 2 ms of start-up (of some 50) on a 2-core
// machine, spent before the first paint although nothing shows the icon by then. A window system
// that shows icons asks as the window is shown; the offscreen one never asks.
class DeferredIcon : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // The program has an icon (looking would be the work put off); a missing one draws nothing.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("orvane-deferred"); }
    QIconEngine* clone() const override { return new DeferredIcon; }

  private:
    const QIcon& icon() {
        if (!loaded_) {
            loaded_ = true;
            // The icon installed in the desktop's icon theme, else the copy beside the program.
            const QString file = findPictureFile("orvane.png");
            const QIcon copy =
                file.isEmpty() ? QIcon() : QIcon(QPixmap::fromImage(readPicture(file)));
            icon_ = QIcon::fromTheme(QStringLiteral("orvane"), copy);
        }
        return icon_;
    }
    bool loaded_ = false;
    QIcon icon_;
};

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
    buildCaption(frame);

    auto* panel = new ClientArea(*this, frame);
    panel->setAttribute(Qt::WA_OpaquePaintEvent);
    client_ = panel;

    auto* bar = new Strip(frame, true);
    menuBar_ = bar;
    buildMenus(bar);

    for (const Accelerator& a : accelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(a.letter)),
                                       frame, nullptr, nullptr, Qt::WindowShortcut);
        const int command = a.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            frameCommand(command, 1);  // an accelerator's command carries 1
        });
        accelerators_.push_back(shortcut);
    }
    // Ctrl++ (or Ctrl+=), Ctrl+- and Ctrl+0 zoom in, out and back to 1, dialogs open or not.
    const struct {
        QKeySequence keys;
        int direction;
    } zoomKeys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
                    {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
                    {QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
                    {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
    for (const auto& k : zoomKeys) {
        auto* shortcut = new QShortcut(k.keys, frame, nullptr, nullptr, Qt::WindowShortcut);
        const int direction = k.direction;
        connect(shortcut, &QShortcut::activated, this, [this, direction] {
            ui_.setZoom(direction == 0 ? kSmallestZoom : stepZoom(ui_.zoom(), direction));
        });
    }
    addHelpKey();
    layOut();
    applyColours(ui_.colours());
}

void QtWindow::frameResized(QSize size) {
    if (layingOut_ || template_ != nullptr) {
        return;
    }
    const double zoom =
        std::min(size.width() / double(kScreenWidth), size.height() / double(kScreenHeight));
    ui_.setZoom(std::clamp(zoom, kSmallestZoom, kLargestZoom));
}

void QtWindow::enableAccelerators(bool enabled) {
    for (QShortcut* s : accelerators_) {
        s->setEnabled(enabled);
    }
}

void QtWindow::addHelpKey() {
    // F1 asks the window for help: the main window's while no dialog is open, else the dialog's
    // (which has the focus).
    auto* help =
        new QShortcut(QKeySequence(Qt::Key_F1), frame_, nullptr, nullptr,
                      template_ == nullptr ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, [this] { helpRequested(); });
    if (template_ == nullptr) {
        accelerators_.push_back(help);
    }
}

void QtWindow::buildCaption(QWidget* frame) {
    auto* strip = new Strip(frame, false);
    captionStrip_ = strip;
    auto* title = new QLabel(strip);
    title->setObjectName(QStringLiteral("caption"));
    title->setTextFormat(Qt::PlainText);
    title->setText(fromUtf8(title_));
    captionTitle_ = title;

    const unsigned style = template_ != nullptr ? template_->style : 0;
    if ((style & ds::kDoneButton) != 0) {
        // The shell's OK button in the caption: command 1.
        okButton_ = stripButton(strip, QStringLiteral("ok"));
        captionButtons_.emplace_back(okButton_, 12);
        connect(okButton_, &QToolButton::clicked, this, [this] { frameCommand(kCommandOk, 0); });
    } else if (template_ != nullptr && offersCloseBox(*template_)) {
        // The close box: command 2.
        auto* close = stripButton(strip, QString(QChar(0x00D7)));
        captionButtons_.emplace_back(close, 16);
        connect(close, &QToolButton::clicked, this, [this] { frameCommand(kCommandCancel, 0); });
    }
    if ((style & ds::kContextHelp) != 0) {
        auto* help = stripButton(strip, QStringLiteral("?"));
        captionButtons_.emplace_back(help, 12);
        connect(help, &QToolButton::clicked, this, [this] { helpRequested(); });
    }
}

void QtWindow::buildDialog(QWidget* owner) {
    const DialogTemplate& t = *template_;
    place_ = dialogPlace(t);
    // The dialog lies inside the main window's screen, as on the device: a child of the main
    // window's frame, not a window of its own.
    auto* frame = new DialogFrame(*this, owner, Qt::Dialog);
    frame->setWindowFlags(Qt::Widget);
    frame->setParent(owner);
    frame_ = frame;
    frame->setAutoFillBackground(true);
    if (place_.caption > 0) {
        buildCaption(frame);
    }
    auto* area = new ClientArea(*this, frame);
    area->setAutoFillBackground(true);
    client_ = area;
    addHelpKey();

    for (const ControlTemplate& c : t.controls) {
        buildControl(c);
    }
    // Group boxes are frames drawn behind the controls they surround.
    for (const QtControl& c : controls_) {
        if (c.kind == ControlKind::GroupBox) {
            c.widget->lower();
        }
    }
    layOut();
    applyColours(ui_.colours());
}

void QtWindow::applyColours(const Colours& colours) {
    const QPalette palette = paletteOf(colours);
    frame_->setPalette(palette);
    if (captionStrip_ != nullptr) {
        static_cast<Strip*>(captionStrip_)->setColours(toQColor(colours.caption), QColor());
        setTextColour(captionTitle_, palette, QPalette::WindowText, colours.captionText);
        for (auto [button, pixels] : captionButtons_) {
            setTextColour(button, palette, QPalette::ButtonText, colours.captionText);
        }
    }
    if (menuBar_ != nullptr) {
        static_cast<Strip*>(menuBar_)->setColours(toQColor(colours.menuBar),
                                                  toQColor(colours.menuBarLine));
        for (QToolButton* button : menuButtons_) {
            setTextColour(button, palette, QPalette::ButtonText, colours.menuBarText);
        }
    }
    for (QMenu* menu : menus_) {
        menu->setPalette(palette);  // a menu is a window of its own: it takes no palette
    }
    if (template_ != nullptr) {
        QPalette client = palette;
        client.setColor(QPalette::Window, toQColor(colours.client));
        client_->setPalette(client);
    }
    for (QtControl& c : controls_) {
        if (QLineEdit* edit = c.edit();
            edit != nullptr && (c.style & cs::kReadOnly) != 0 && c.kind == ControlKind::Edit) {
            QPalette field = client_->palette();
            field.setColor(QPalette::Active, QPalette::Base, toQColor(colours.readOnlyBase));
            field.setColor(QPalette::Inactive, QPalette::Base, toQColor(colours.readOnlyBase));
            edit->setPalette(field);
        } else if (c.kind == ControlKind::GroupBox) {
            static_cast<GroupFrame*>(c.widget)->setFrameColour(toQColor(colours.frame));
        } else if (c.kind == ControlKind::Picture) {
            const QImage image = readPicture(bitmapResourceFile(c.templateText));
            if (!image.isNull()) {
                static_cast<QLabel*>(c.widget)->setPixmap(
                    QPixmap::fromImage(inShade(image, colours)));
            }
        }
    }
    frame_->update();
}

void QtWindow::layOut() {
    const double zoom = ui_.zoom();
    const int width = zoomed(kScreenWidth, zoom);
    const int caption = zoomed(kCaptionHeight, zoom);
    layingOut_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{layingOut_};
    if (template_ == nullptr) {
        frame_->setMinimumSize(kScreenWidth, kScreenHeight);
        frame_->resize(width, zoomed(kScreenHeight, zoom));
        captionStrip_->setGeometry(0, 0, width, caption);
        client_->setGeometry(0, caption, width,
                             zoomed(kCaptionHeight + kMainClientHeight, zoom) - caption);
        client_->setFont(panelFont());
        const int barTop = zoomed(kCaptionHeight + kMainClientHeight, zoom);
        menuBar_->setGeometry(0, barTop, width, zoomed(kScreenHeight, zoom) - barTop);
        const QFont buttonFont = menuFont(zoom);
        int x = zoomed(2, zoom);
        for (QToolButton* button : menuButtons_) {
            button->setFont(buttonFont);
            const int w = button->sizeHint().width() + zoomed(10, zoom);
            button->setGeometry(x, zoomed(2, zoom), w, menuBar_->height() - zoomed(4, zoom));
            x += w + zoomed(2, zoom);
        }
        fontMenus();
    } else {
        const QRect frame = zoomedRect(place_.frame, zoom);
        frame_->setFixedSize(frame.size());
        if (frame_->parentWidget() != nullptr) {
            frame_->move(frame.topLeft());
        }
        if (captionStrip_ != nullptr) {
            captionStrip_->setGeometry(0, 0, frame.width(), caption);
        }
        client_->setGeometry(zoomedRect(place_.client, zoom) & QRect(QPoint(0, 0), frame.size()));
        client_->setFont(templateFont(*template_, zoom));
        for (QtControl& c : controls_) {
            c.widget->setFont(client_->font());
            placeControl(c);
        }
    }
    if (captionStrip_ != nullptr) {
        static_cast<QLabel*>(captionTitle_)->setFont(programFont(zoomed(12, zoom), true));
        int right = captionStrip_->width() - zoomed(2, zoom);
        for (auto [button, pixels] : captionButtons_) {
            button->setFont(programFont(zoomed(pixels, zoom), true));
            const int w = std::max(zoomed(24, zoom), button->sizeHint().width());
            right -= w;
            button->setGeometry(right, zoomed(2, zoom), w, caption - zoomed(4, zoom));
            right -= zoomed(2, zoom);
        }
        const int left = zoomed(6, zoom);
        captionTitle_->setGeometry(left, 0, std::max(0, right - left), caption);
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
    // The procedure draws in the device's pixels, as it does on the panel, and the painter scales
    // the drawing to the zoom: margins made for a line of text keep their room for it at every
    // zoom, and the text is drawn at the zoomed size, crisp.
    const double zoom = ui_.zoom();
    QPainter qp(&item);
    const Colours& colours = ui_.colours();
    QFont font = item.font();
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() / zoom))));
    }
    qp.setFont(font);
    qp.scale(zoom, zoom);
    QtPainter painter(
        qp, [](std::string_view file) { return findPictureFile(file); }, colours);
    const int width = static_cast<int>(std::lround(item.width() / zoom));
    const int height = static_cast<int>(std::lround(item.height() / zoom));
    ui_.guard([&] { proc_.onDrawItem(*this, id, painter, width, height); });
}

void QtWindow::paintClient(QWidget& area) {
    QPainter qp(&area);
    qp.setFont(area.font());
    const Colours& colours = ui_.colours();
    QtPainter painter(
        qp, [](std::string_view file) { return findPictureFile(file); }, colours);
    if (template_ == nullptr) {
        // The main window shows what its procedure drew when it was last asked to paint.
        qp.fillRect(area.rect(), toQColor(colours.client));
        qp.scale(ui_.zoom(), ui_.zoom());
        replay(ui_.lastMainPaint(), painter);
        return;
    }
    qp.save();
    qp.scale(ui_.zoom(), ui_.zoom());
    ui_.guard([&] { proc_.onPaint(*this, painter); });
    qp.restore();
    if ((template_->style & (ds::kCaption | ds::kModalFrame)) == ds::kModalFrame) {
        // A modal frame without a caption: a plain border around the dialog.
        qp.setPen(QPen(toQColor(colours.border), 1));
        qp.setBrush(Qt::NoBrush);
        qp.drawRect(area.rect().adjusted(0, 0, -1, -1));
    }
}

void setUpApplication() {
    QApplication::setStyle(new ProgramStyle);
    // What the style keeps of what the program's small windows drew fits in far less than the
    // default limit (10 MB).
    constexpr int kPixmapCacheKilobytes = 512;
    QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
    // The application's palette stays the desktop's: the program's windows take their colours
    // from the appearance, and Auto looks at the desktop's to choose between Day and Dusk.
    QApplication::setFont(programFont(12));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(new DeferredIcon));
}

}  // namespace orvane
