#include "platform/qt/qt_layout_check.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <cmath>

#include "platform/control_kinds.hpp"
#include "platform/device_layout.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"

namespace orvane {

namespace {

PixelRect toPixels(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect globalRect(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

std::string label(const QtControl& c, const QWidget* w) {
    return std::string(controlKindName(c.kind)) + " " + std::to_string(c.id) + " " +
           describeRect(toPixels(w->geometry()));
}

std::string quoted(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

// The width an edit field has for its text.
int editRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 4;  // the cursor's margin
}

// Whether a text fits a box of width x height in a font, on one line or wrapped at words.
bool textFits(const QFont& font, const QString& text, int width, int height, bool wrap) {
    const QFontMetrics metrics(font);
    if (text.isEmpty()) {
        return true;
    }
    if (!wrap) {
        return metrics.horizontalAdvance(text) <= width && metrics.height() <= height;
    }
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, width, 100000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return needed.width() <= width && needed.height() <= height;
}

void checkText(const QtWindow& window, const QtControl& c, int fontPixels,
               std::vector<std::string>& faults) {
    const QWidget* w = c.widget;
    const QString text = QString::fromStdString(window.textOf(c));
    if (w->font().pixelSize() < fontPixels) {
        faults.push_back(label(c, w) + " draws its text at " +
                         std::to_string(w->font().pixelSize()) +
                         " pixels, smaller than the dialog's " + std::to_string(fontPixels));
    }
    bool fits = true;
    switch (c.kind) {
        case ControlKind::Static: {
            const auto* l = static_cast<const QLabel*>(w);
            const QRect room = l->contentsRect();
            fits = textFits(l->font(), text, room.width(), room.height(), l->wordWrap());
            break;
        }
        case ControlKind::Edit:
        case ControlKind::Combo: {
            const QLineEdit* edit = c.edit();
            fits = QFontMetrics(edit->font()).horizontalAdvance(text) <= editRoom(edit) &&
                   QFontMetrics(edit->font()).height() <= edit->height();
            break;
        }
        case ControlKind::PushButton: {
            const QFontMetrics metrics(w->font());
            // The text is drawn centred inside the button's two-pixel bevel.
            fits = metrics.horizontalAdvance(text) + 4 <= w->width() &&
                   metrics.height() <= w->height();
            break;
        }
        case ControlKind::RadioButton: {
            const QFontMetrics metrics(w->font());
            const int indicator =
                w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            fits = indicator + metrics.horizontalAdvance(text) + 2 <= w->width() &&
                   metrics.height() <= w->height();
            break;
        }
        case ControlKind::GroupBox: {
            const QFontMetrics metrics(w->font());
            fits = text.isEmpty() || metrics.horizontalAdvance(text) + 10 <= w->width();
            break;
        }
        case ControlKind::Picture:
            break;
    }
    if (!fits) {
        faults.push_back(label(c, w) + " cannot show its text " + quoted(text) + " in full");
    }
}

// The part of a window on the device's screen, in global coordinates.
QRect screenArea(const QtUi& ui) {
    const QtWindow* main = ui.mainWindow();
    return main != nullptr ? globalRect(main->frame()) : QRect();
}

// The main window's summary panel as last painted, in the device's pixels its procedure draws in:
// every text whole inside its box (the painter clips it there) and every box on the panel.
void checkPanel(const QtUi& ui, const QWidget* panel, std::vector<std::string>& faults) {
    const QFontMetrics metrics(panel->font());  // drawn scaled by the zoom
    for (std::string& f : panelBoxFaults(ui.lastMainPaint())) {
        faults.push_back(std::move(f));
    }
    for (const DrawCall& c : ui.lastMainPaint()) {
        if (c.kind != DrawCall::Kind::Text || c.text.empty()) {
            continue;
        }
        const QRect box(c.left, c.top, c.right - c.left, c.bottom - c.top);
        const QString text = QString::fromStdString(c.text);
        const std::string where = "panel text " + quoted(text) + " " + describeRect(toPixels(box));
        if (metrics.horizontalAdvance(text) > box.width() || metrics.height() > box.height()) {
            faults.push_back(where + " cannot be shown in full in its box");
        }
    }
}

// The menu bar: inside the window below the panel, every button inside it with its text whole.
void checkMenuBar(const QtWindow& window, std::vector<std::string>& faults) {
    const QWidget* bar = window.menuBar();
    if (bar == nullptr) {
        return;
    }
    const QRect barPlace = bar->geometry();
    if (!window.frame()->rect().contains(barPlace)) {
        faults.push_back("the menu bar " + describeRect(toPixels(barPlace)) +
                         " is not inside the window");
    }
    if (barPlace.intersects(window.client()->geometry())) {
        faults.push_back("the menu bar " + describeRect(toPixels(barPlace)) +
                         " lies over the panel " +
                         describeRect(toPixels(window.client()->geometry())));
    }
    for (const QToolButton* button : window.menuButtons()) {
        const std::string name = "menu " + quoted(button->text().remove(QLatin1Char('&'))) + " " +
                                 describeRect(toPixels(button->geometry()));
        if (!bar->rect().contains(button->geometry())) {
            faults.push_back(name + " is not inside the menu bar");
        }
        const QSize needed = button->sizeHint();
        if (needed.width() > button->width() ||
            QFontMetrics(button->font()).height() > button->height()) {
            faults.push_back(name + " cannot show its text in full");
        }
    }
}

}  // namespace

std::vector<std::string> qtWindowLayoutFaults(const QtUi& ui, const QtWindow& window) {
    std::vector<std::string> faults;
    const QWidget* client = window.client();
    const QRect screen = screenArea(ui);
    const QRect frame = globalRect(window.frame());
    if (window.dialogTemplate() != nullptr && !screen.contains(frame)) {
        faults.push_back("the dialog " +
                         describeRect(toPixels(frame.translated(-screen.topLeft()))) +
                         " is not inside the main window's screen " +
                         describeRect(toPixels(QRect(QPoint(0, 0), screen.size()))));
    }
    // The client area as far as it is on the screen, in its own coordinates.
    const QRect clientGlobal = globalRect(client) & frame & screen;
    const QRect visible = clientGlobal.translated(-client->mapToGlobal(QPoint(0, 0)));

    std::vector<LayoutControl> shown;
    for (const QtControl& c : window.controls()) {
        if (window.visibleOf(c)) {
            shown.push_back({c.id, c.kind, c.style, toPixels(c.widget->geometry())});
        }
    }
    const int shared = static_cast<int>(std::lround(2 * ui.zoom()));
    const int titleLine = QFontMetrics(client->font()).height();
    for (std::string& f : geometryFaults(toPixels(visible), shown, shared, titleLine)) {
        faults.push_back(std::move(f));
    }
    const int fontPixels = client->font().pixelSize();
    for (const QtControl& c : window.controls()) {
        if (window.visibleOf(c)) {
            checkText(window, c, fontPixels, faults);
        }
    }
    if (window.dialogTemplate() == nullptr) {
        checkPanel(ui, client, faults);
        checkMenuBar(window, faults);
    }
    // The caption's title.
    for (const QLabel* title : window.frame()->findChildren<QLabel*>(QStringLiteral("caption"))) {
        if (!textFits(title->font(), title->text(), title->width(), title->height(), false)) {
            faults.push_back("the caption cannot show its title " + quoted(title->text()) +
                             " in full");
        }
    }
    return faults;
}

std::vector<std::string> qtMessageBoxLayoutFaults(const QtUi& ui, QMessageBox& box) {
    std::vector<std::string> faults;
    box.ensurePolished();
    box.adjustSize();
    const QRect screen = screenArea(ui);
    QRect frame = box.geometry();
    if (box.isWindow()) {
        // Where the box opens: centred over its owner.
        if (const QWidget* owner = box.parentWidget()) {
            frame.moveCenter(globalRect(owner->window()).center());
        }
    } else {
        frame = globalRect(&box);
    }
    if (!screen.contains(frame)) {
        faults.push_back("the message box " +
                         describeRect(toPixels(frame.translated(-screen.topLeft()))) +
                         " is not inside the main window's screen " +
                         describeRect(toPixels(QRect(QPoint(0, 0), screen.size()))));
    }
    return faults;
}

}  // namespace orvane
