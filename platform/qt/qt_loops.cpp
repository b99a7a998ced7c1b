// The Qt host's loops: the main message loop, modal dialogs' and message boxes' nested loops,
// the timers (real or on the virtual clock), and unwinding every loop when a call fails.
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "platform/qt/qt_painter.hpp"
#include "platform/qt/qt_style.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"

namespace orvane {

namespace {

constexpr const char* kZoomKey = "software\\Kelbrin Software\\kq7d";
constexpr const char* kZoomValue = "Zoom";

// A message box inside the main window's screen, with a frame of its own in the shade's border
// colour.
class FramedBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    void setBorder(QColor colour) {
        border_ = colour;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QMessageBox::paintEvent(event);
        QPainter painter(this);
        painter.setPen(border_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

  private:
    QColor border_;
};

double loadZoom(Registry& store) {
    Registry::Key key = 0;
    std::uint32_t hundredths = 0;
    double zoom = 0.0;
    if (store.open(kZoomKey, key)) {
        if (store.readDword(key, kZoomValue, hundredths)) {
            zoom = zoomFromStore(hundredths);
        }
        store.close(key);
    }
    if (zoom == 0.0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        zoom = firstStartZoom(screen != nullptr ? screen->availableGeometry().height() : 0);
    }
    return zoom;
}

void saveZoom(Registry& store, double zoom) {
    Registry::Key key = 0;
    if (store.create(kZoomKey, key)) {
        store.writeDword(key, kZoomValue, static_cast<std::uint32_t>(std::lround(zoom * 100.0)));
        store.close(key);
    }
}

}  // namespace

// Tells the interface when the desktop's palette changes (a dark theme chosen while the program
// runs), so that Auto follows it.
class DesktopWatch : public QObject {
  public:
    explicit DesktopWatch(std::function<void()> changed) : changed_(std::move(changed)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            changed_();
        }
        return false;
    }

  private:
    std::function<void()> changed_;
};

// The program's timers: one QTimer a window timer, its message delivered from the event loop.
class QtUi::RealTimers final : public QtUi::Timers {
  public:
    explicit RealTimers(QtUi& ui) : ui_(ui) {}
    ~RealTimers() override { clear(); }
    void start(QtWindow& window, int id, int periodMs) override {
        stop(window, id);
        auto* timer = new QTimer(&window);
        QObject::connect(timer, &QTimer::timeout, &window, [this, w = &window, id] {
            ui_.guard([&] { w->proc().onTimer(*w, id); });
        });
        timer->start(std::max(periodMs, 1));
        timers_.push_back({&window, id, timer});
    }
    void stop(QtWindow& window, int id) override {
        drop([&](const Timer& t) { return t.window == &window && t.id == id; });
    }
    void forget(const QtWindow& window) override {
        drop([&](const Timer& t) { return t.window == &window; });
    }
    void clear() override {
        for (Timer& t : timers_) {
            delete t.timer;
        }
        timers_.clear();
    }

  private:
    struct Timer {
        QtWindow* window;
        int id;
        QTimer* timer;
    };
    template <class Which>
    void drop(Which which) {
        std::erase_if(timers_, [&](const Timer& t) {
            if (!which(t)) {
                return false;
            }
            t.timer->stop();
            t.timer->deleteLater();  // it may be the timer whose message is being handled
            return true;
        });
    }
    QtUi& ui_;
    std::vector<Timer> timers_;
};

QtUi::QtUi(Hooks& hooks, Timers* timers)
    : hooks_(hooks),
      realTimers_(timers == nullptr ? std::make_unique<RealTimers>(*this) : nullptr),
      timers_(timers != nullptr ? *timers : *realTimers_),
      desktopWatch_(std::make_unique<DesktopWatch>([this] { showShade(); })) {}

QtUi::~QtUi() {
    forget();
}

Window* QtUi::createMainWindow(std::string_view title, WindowProc& procedure) {
    main_.reset();
    shown_ = shade();
    qApp->setProperty(ProgramStyle::kOwnCaret, shown_ == Shade::Night);
    main_ = std::make_unique<QtWindow>(*this, procedure, nullptr, std::string(title), nullptr);
    mainDestroyed_ = false;
    procedure.onOpen(*main_);
    rethrowPending();
    if (zoomStore_ != nullptr) {
        setZoom(loadZoom(*zoomStore_));
    }
    if (!mainDestroyed_) {
        // Created visible: the panel paints while the splash and the disclaimer are open.
        main_->frame()->show();
        paintMain();
    }
    return main_.get();
}

int QtUi::runMessageLoop() {
    rethrowPending();
    if (!main_ || mainDestroyed_) {
        return 0;
    }
    if (endingFromOutside_) {
        destroyMain();  // asked to end before the window was ever shown
        return 0;
    }
    QWidget* frame = main_->frame();
    frame->show();
    raise(frame);
    activate(frame);
    paintMain();
    QEventLoop loop;
    mainLoop_ = &loop;
    loops_.push_back({LoopKind::Main, main_.get()});
    struct Leave {
        QtUi& ui;
        ~Leave() {
            ui.loops_.pop_back();
            ui.mainLoop_ = nullptr;
        }
    } leave{*this};
    hooks_.loopStarting();
    loop.exec();
    rethrowPending();
    return 0;
}

void QtUi::destroyMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    mainDestroyed_ = true;
    if (zoomStore_ != nullptr) {
        saveZoom(*zoomStore_, zoom_);
    }
    main_->proc().onDestroy(*main_);
    timers_.forget(*main_);
    main_->frame()->hide();
    if (mainLoop_ != nullptr) {
        mainLoop_->exit(0);
    }
}

void QtUi::forget() {
    timers_.clear();
    dialogs_.clear();
    loops_.clear();
    mainLoop_ = nullptr;
    main_.reset();
    mainDestroyed_ = false;
    unwinding_ = false;
    pending_ = nullptr;
}
int QtUi::runModal(QtWindow& owner, int templateId, WindowProc& procedure) {
    rethrowPending();
    if (unwinding_ || endingFromOutside_) {
        return -1;
    }
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    // Every dialog lies in the main window's screen, over a veil that keeps taps from the
    // windows under it.
    QWidget* screen = main_ ? main_->frame() : owner.frame();
    Veil veil(screen);
    if (main_) {
        main_->enableAccelerators(false);
    }
    auto window = std::make_unique<QtWindow>(*this, procedure, dialogTemplate,
                                             dialogTemplate->caption, screen);
    dialogs_.push_back(window.get());
    struct Close {
        QtUi& ui;
        QtWindow& dialog;
        ~Close() { ui.closeDialog(dialog); }
    } close{*this, *window};
    procedure.onOpen(*window);
    if (!window->ended() && window->focus() == 0) {
        window->focusFirstControl();
    }
    rethrowPending();
    if (!window->ended()) {
        QDialog* dialog = window->dialog();
        dialog->raise();
        loops_.push_back({LoopKind::Dialog, window.get()});
        struct Leave {
            QtUi& ui;
            ~Leave() { ui.loops_.pop_back(); }
        } leave{*this};
        hooks_.loopStarting();
        dialog->exec();
    }
    rethrowPending();
    return window->result();
}

void QtUi::closeDialog(QtWindow& dialog) {
    std::erase(dialogs_, &dialog);
    timers_.forget(dialog);
    if (main_ && dialogs_.empty()) {
        main_->enableAccelerators(true);
    }
    dialog.frame()->hide();
    // The window under the dialog becomes active again (Qt does not always give the activation
    // back by itself), and the main window paints where the dialog covered it.
    if (QtWindow* next = topWindow()) {
        activate(next->frame());
    }
    paintMain();
}

void QtUi::message(QtWindow& owner, std::string_view text) {
    // The text only, no caption of the program's own, one OK button.
    (void)showBox(owner, text, QMessageBox::Ok);
}

bool QtUi::ask(QtWindow& owner, std::string_view text) {
    return showBox(owner, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int QtUi::showBox(QtWindow& owner, std::string_view text, int buttons) {
    rethrowPending();
    if (unwinding_) {
        return QMessageBox::NoButton;
    }
    if (endingFromOutside_) {
        // Nobody is there to answer: the text goes to the error output, a question is a no.
        std::fprintf(stderr, "orvane: %.*s\n", static_cast<int>(text.size()), text.data());
        return QMessageBox::NoButton;
    }
    ++messagesShown_;
    QWidget* screen = main_ ? main_->frame() : owner.frame();
    Veil veil(screen);
    FramedBox box(QMessageBox::NoIcon, QString(), fromUtf8(text),
                  static_cast<QMessageBox::StandardButtons>(buttons), screen);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(fromUtf8(text));  // announced with its text
    // Inside the main window's screen, centred on it, with a frame of its own.
    box.setParent(screen);
    box.setObjectName(QStringLiteral("messageBox"));
    styleBox(box);
    box.setAutoFillBackground(true);
    box.setFont(programFont(zoomed(12, zoom_)));
    box.adjustSize();
    QRect place(QPoint(0, 0), box.sizeHint().boundedTo(screen->size()));
    place.moveCenter(screen->rect().center());
    box.move(place.topLeft());
    box_ = &box;
    loops_.push_back({LoopKind::Box, &owner});
    struct Leave {
        QtUi& ui;
        ~Leave() {
            ui.loops_.pop_back();
            ui.box_ = nullptr;
        }
    } leave{*this};
    hooks_.messageBoxShown(box, std::string(text));
    const int answer = box.exec();
    activate(owner.frame());
    rethrowPending();
    return answer;
}

void QtUi::raise(QWidget* widget) {
    // Windows drawn off screen have no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        widget->raise();
    }
}

void QtUi::activate(QWidget* widget) {
    if (widget != nullptr && widget->isVisible()) {
        widget->activateWindow();
    }
}

void QtUi::startTimer(QtWindow& window, int id, int periodMs) {
    timers_.start(window, id, periodMs);
}

void QtUi::stopTimer(QtWindow& window, int id) {
    timers_.stop(window, id);
}

void QtUi::setZoom(double zoom) {
    zoom_ = zoom;
    qApp->setProperty(ProgramStyle::kZoom, zoom);
    hooks_.zoomChanged(zoom);
    if (!main_) {
        return;
    }
    main_->layOut();
    for (QtWindow* d : dialogs_) {
        d->layOut();
    }
    for (QWidget* veil : main_->frame()->findChildren<QWidget*>(Veil::kName)) {
        veil->setGeometry(main_->frame()->rect());
    }
    if (box_) {
        box_->setFont(programFont(zoomed(12, zoom_)));
        box_->adjustSize();
        QRect place(QPoint(0, 0), box_->size());
        place.moveCenter(main_->frame()->rect().center());
        box_->move(place.topLeft());
    }
}

bool desktopIsDark() {
    // A dark desktop's palette has its text lighter than the windows it is written on.
    const QPalette desktop = QApplication::palette();
    return desktop.color(QPalette::Window).lightness() <
           desktop.color(QPalette::WindowText).lightness();
}

void QtUi::setAppearance(Appearance choice) {
    appearance_ = choice;
    showShade();
}

void QtUi::showShade() {
    if (!main_ || mainDestroyed_ || shown_ == shade()) {
        return;
    }
    shown_ = shade();
    // Fields made from now on draw their own caret in Night (see FieldEdit).
    qApp->setProperty(ProgramStyle::kOwnCaret, shown_ == Shade::Night);
    main_->applyColours(colours());
    for (QtWindow* d : dialogs_) {
        d->applyColours(colours());
    }
    if (box_) {
        styleBox(*box_);
    }
    paintMain();  // the panel in the new colours
}

void QtUi::styleBox(QMessageBox& box) const {
    // On the windows' client colour, as its text is (the frame colour is for outlines).
    QPalette palette = paletteOf(colours());
    if (shade() != Shade::Day) {
        palette.setColor(QPalette::Window, toQColor(colours().client));
    }
    box.setPalette(palette);
    static_cast<FramedBox&>(box).setBorder(toQColor(colours().border));
}

Shade QtUi::shade() const {
    return shadeOf(appearance_, desktopIsDark());
}

const Colours& QtUi::colours() const {
    return coloursOf(shade());
}

void QtUi::paintMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    RecordingPainter recorder;
    guard([&] { main_->proc().onPaint(*main_, recorder); });
    lastPaint_ = std::move(recorder.calls);
    main_->client()->update();
    // Assistive technology reads the panel as its lines of text.
    QStringList lines;
    for (const std::string& line : panelLines(lastPaint_)) {
        lines.push_back(fromUtf8(line));
    }
    main_->client()->setAccessibleName(QStringLiteral("Flight summary"));
    main_->client()->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

void QtUi::fail(std::exception_ptr error) {
    if (!pending_) {
        pending_ = error;
    }
    unwind();
}

void QtUi::unwind() {
    unwinding_ = true;
    if (box_) {
        box_->done(0);
    }
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        (*it)->dialog()->done(-1);
    }
    if (mainLoop_ != nullptr) {
        mainLoop_->exit(0);
    }
}

void QtUi::endFromOutside() {
    if (endingFromOutside_) {
        return;
    }
    endingFromOutside_ = true;
    if (box_) {
        box_->done(0);
    }
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        (*it)->dialog()->done(-1);
    }
    QTimer::singleShot(0, [this] { finishEnding(); });
}

void QtUi::finishEnding() {
    // The main window goes once every dialog's loop has returned to the message loop; before
    // the message loop runs, runMessageLoop does it.
    if (!loops_.empty() && loops_.back().kind != LoopKind::Main) {
        QTimer::singleShot(10, [this] { finishEnding(); });
        return;
    }
    if (mainLoop_ != nullptr) {
        destroyMain();
    }
}

void QtUi::rethrowPending() {
    if (pending_) {
        std::exception_ptr error = std::exchange(pending_, nullptr);
        std::rethrow_exception(error);
    }
}

QMessageBox* QtUi::messageBox() const {
    return box_.data();
}

QtWindow* QtUi::topWindow() const {
    if (!dialogs_.empty()) {
        return dialogs_.back();
    }
    return main_.get();
}

bool QtUi::waitingForUser() const {
    if (loops_.empty() || unwinding_) {
        return false;
    }
    const Loop& loop = loops_.back();
    switch (loop.kind) {
        case LoopKind::Main:
            return !mainDestroyed_;
        case LoopKind::Dialog:
            return !loop.window->ended();
        case LoopKind::Box:
            return false;
    }
    return false;
}

void QtUi::bringForward() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    QWidget* mainFrame = main_->frame();
    if (mainFrame->isMinimized()) {
        mainFrame->showNormal();
    }
    raise(mainFrame);
    QWidget* front = box_ ? static_cast<QWidget*>(box_.data()) : topWindow()->frame();
    raise(front);
    activate(front);
}

}  // namespace orvane
