// The Qt host's loops: the main message loop, modal dialogs' and message boxes' nested loops,
// the timers (real or on the virtual clock), and unwinding every loop when a call fails.
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "platform/qt/qt_painter.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"
#include "platform/scripted_clock.hpp"

namespace orvane {

QtUi::QtUi(Hooks& hooks, bool virtualClock) : hooks_(hooks), virtualClock_(virtualClock) {}

QtUi::~QtUi() {
    forget();
}

Window* QtUi::createMainWindow(std::string_view title, WindowProc& procedure) {
    main_.reset();
    main_ = std::make_unique<QtWindow>(*this, procedure, nullptr, std::string(title), nullptr);
    mainDestroyed_ = false;
    procedure.onOpen(*main_);
    rethrowPending();
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
    main_->proc().onDestroy(*main_);
    forgetTimers(*main_);
    main_->frame()->hide();
    if (mainLoop_ != nullptr) {
        mainLoop_->exit(0);
    }
}

void QtUi::forget() {
    for (Timer& t : timers_) {
        delete t.real;
    }
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
    auto window = std::make_unique<QtWindow>(*this, procedure, dialogTemplate,
                                             dialogTemplate->caption, owner.frame());
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
        dialog->move(dialogPosition(*window));
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
    forgetTimers(dialog);
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
    QMessageBox box(QMessageBox::NoIcon, QString(), fromUtf8(text),
                    static_cast<QMessageBox::StandardButtons>(buttons), owner.frame());
    box.setTextFormat(Qt::PlainText);
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
    stopTimer(window, id);
    const int period = std::max(periodMs, 1);
    Timer timer{&window, id, period, now_ + period / 1000.0, timerOrder_++, nullptr};
    if (!virtualClock_) {
        timer.real = new QTimer(&window);
        QObject::connect(timer.real, &QTimer::timeout, &window,
                         [this, w = &window, id] { guard([&] { deliverTimer(*w, id); }); });
        timer.real->start(period);
    }
    timers_.push_back(timer);
}

void QtUi::stopTimer(QtWindow& window, int id) {
    std::erase_if(timers_, [&](const Timer& t) {
        if (t.window != &window || t.id != id) {
            return false;
        }
        if (t.real != nullptr) {
            t.real->stop();
            t.real->deleteLater();  // it may be the timer whose message is being handled
        }
        return true;
    });
}

void QtUi::forgetTimers(const QtWindow& window) {
    std::erase_if(timers_, [&](const Timer& t) {
        if (t.window != &window) {
            return false;
        }
        if (t.real != nullptr) {
            t.real->stop();
            t.real->deleteLater();
        }
        return true;
    });
}

void QtUi::deliverTimer(QtWindow& window, int id) {
    window.proc().onTimer(window, id);
}

void QtUi::elapse(double seconds) {
    elapseTimers(timers_, now_, seconds, [this](const Timer& t) { deliverTimer(*t.window, t.id); });
}

void QtUi::tick(int timerId, int count) {
    for (int i = 0; i < count; ++i) {
        auto it = std::find_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.id == timerId; });
        if (it == timers_.end()) {
            if (i == 0) {
                throw ScriptError("timer " + std::to_string(timerId) + " is not running");
            }
            return;
        }
        deliverTimer(*it->window, it->id);
    }
}

void QtUi::paintMain() {
    if (!main_ || mainDestroyed_) {
        return;
    }
    RecordingPainter recorder;
    guard([&] { main_->proc().onPaint(*main_, recorder); });
    lastPaint_ = std::move(recorder.calls);
    main_->client()->update();
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

QImage QtUi::screenShot() const {
    std::vector<QWidget*> windows;
    if (main_ && main_->frame()->isVisible()) {
        windows.push_back(main_->frame());
    }
    for (QtWindow* d : dialogs_) {
        if (d->frame()->isVisible()) {
            windows.push_back(d->frame());
        }
    }
    if (box_ && box_->isVisible()) {
        windows.push_back(box_.data());
    }
    if (windows.empty()) {
        return {};
    }
    const QPoint origin = windows.front()->geometry().topLeft();
    QRect area(0, 0, kScreenWidth, kScreenHeight);
    qreal ratio = 1.0;
    std::vector<QPixmap> pictures;
    for (QWidget* w : windows) {
        area |= w->geometry().translated(-origin);
        pictures.push_back(w->grab());
        ratio = std::max(ratio, pictures.back().devicePixelRatio());
    }
    QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(64, 64, 64));
    QPainter painter(&image);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        painter.drawPixmap(windows[i]->geometry().topLeft() - origin - area.topLeft(), pictures[i]);
    }
    return image;
}
}  // namespace orvane
