#include "platform/qt/qt_colour_check.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <cmath>
#include <map>

#include "platform/appearance.hpp"
#include "platform/control_kinds.hpp"
#include "platform/qt/dialog_units.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/qt_widgets.hpp"

namespace orvane {

namespace {

// A text on the picture: what it is, and the rectangle its letters are painted in.
struct TextPlace {
    std::string what;
    QRect rect;
};

Rgb rgbOf(QRgb p) {
    return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
            static_cast<std::uint8_t>(qBlue(p))};
}

std::string quoted(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

// The contrast of a text as painted: its background is the colour most of the rectangle has, its
// colour the pixel that stands out most from that (the core of a letter's stroke). A text drawn
// in its background's colour measures 1:1.
std::optional<std::string> contrastFault(const QImage& picture, const TextPlace& place) {
    const QRect r = place.rect & picture.rect();
    if (r.isEmpty()) {
        return std::nullopt;
    }
    std::map<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            ++counts[picture.pixel(x, y) | 0xff000000u];
        }
    }
    QRgb background = counts.begin()->first;
    for (const auto& [colour, count] : counts) {
        if (count > counts[background]) {
            background = colour;
        }
    }
    Rgb text = rgbOf(background);
    double best = 1.0;
    for (const auto& [colour, count] : counts) {
        const double ratio = contrastRatio(rgbOf(colour), rgbOf(background));
        if (ratio > best) {
            best = ratio;
            text = rgbOf(colour);
        }
    }
    if (best >= kMinimumTextContrast) {
        return std::nullopt;
    }
    return place.what + ": contrast " + describeContrast(text, rgbOf(background));
}

// Where a widget's rectangle is on the picture of top.
QRect on(const QWidget* top, const QWidget* w, const QRect& r) {
    return QRect(w->mapTo(top, r.topLeft()), r.size());
}

// The rectangle a line or a few lines of text take in a box, aligned there.
QRect textIn(const QFont& font, const QRect& box, int flags, const QString& text) {
    return QFontMetrics(font).boundingRect(box, flags, text) & box;
}

void addButton(const QWidget* top, const QAbstractButton* b, const std::string& name,
               std::vector<TextPlace>& places) {
    const QString text = QString(b->text()).remove(QLatin1Char('&'));
    if (text.isEmpty()) {
        return;
    }
    QRect box = b->rect();
    int flags = Qt::AlignCenter;
    if (qobject_cast<const QRadioButton*>(b) != nullptr) {
        QStyleOptionButton option;
        option.initFrom(b);
        box = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b);
        flags = Qt::AlignLeft | Qt::AlignVCenter;
    }
    places.push_back({name + " " + quoted(text), on(top, b, textIn(b->font(), box, flags, text))});
}

void addLabel(const QWidget* top, const QLabel* l, const std::string& name,
              std::vector<TextPlace>& places) {
    if (l->text().isEmpty()) {
        return;
    }
    const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    places.push_back({name + " " + quoted(l->text()),
                      on(top, l, textIn(l->font(), l->contentsRect(), flags, l->text()))});
}

void addEdit(const QWidget* top, const QLineEdit* edit, const std::string& name,
             std::vector<TextPlace>& places) {
    if (edit->text().isEmpty()) {
        return;
    }
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const int flags = static_cast<int>(edit->alignment());
    places.push_back(
        {name + " " + quoted(edit->text()),
         on(top, edit, textIn(edit->font(), contents.adjusted(2, 0, -2, 0), flags, edit->text()))});
}

// The texts of a dialog's controls and caption.
void addWindowTexts(const QtWindow& window, const QWidget* top, std::vector<TextPlace>& places) {
    for (const QtControl& c : window.controls()) {
        if (!window.visibleOf(c) || !c.widget->isEnabled() || (c.style & cs::kOwnerDraw) != 0) {
            continue;  // a disabled control's text is greyed out on purpose
        }
        const std::string name = std::string(controlKindName(c.kind)) + " " + std::to_string(c.id);
        switch (c.kind) {
            case ControlKind::Static:
                addLabel(top, static_cast<const QLabel*>(c.widget), name, places);
                break;
            case ControlKind::Edit:
            case ControlKind::Combo:
                addEdit(top, c.edit(), name, places);
                break;
            case ControlKind::PushButton:
            case ControlKind::RadioButton:
                addButton(top, static_cast<const QAbstractButton*>(c.widget), name, places);
                break;
            case ControlKind::GroupBox: {
                const auto* g = static_cast<const GroupFrame*>(c.widget);
                if (!g->title().isEmpty()) {
                    const QFontMetrics metrics(g->font());
                    const QRect cell(6, 0, metrics.horizontalAdvance(g->title()), metrics.height());
                    places.push_back({name + " " + quoted(g->title()), on(top, g, cell)});
                }
                break;
            }
            case ControlKind::Picture:
                break;
        }
    }
    for (const QLabel* title : window.frame()->findChildren<QLabel*>(QStringLiteral("caption"))) {
        addLabel(top, title, "the caption", places);
    }
    for (const QToolButton* b : window.frame()->findChildren<QToolButton*>()) {
        if (b->isVisible()) {
            addButton(top, b, "the button", places);
        }
    }
}

// The summary panel's texts, each in the cell the painter fills behind it.
void addPanelTexts(const QtUi& ui, const QWidget* top, std::vector<TextPlace>& places) {
    const QWidget* panel = ui.mainWindow()->client();
    const QFontMetrics metrics(panel->font());
    const double zoom = ui.zoom();
    for (const DrawCall& c : ui.lastMainPaint()) {
        if (c.kind != DrawCall::Kind::Text || c.text.empty()) {
            continue;
        }
        const QString text = QString::fromStdString(c.text);
        const int width = metrics.horizontalAdvance(text);
        int x = c.left;
        if (c.align == Align::Right) {
            x = c.right - width;
        } else if (c.align == Align::Centre) {
            x = (c.left + c.right - width) / 2;
        }
        const int y = (c.top + c.bottom - metrics.height()) / 2;
        const QRect cell = QRect(x, y, width, metrics.height()) &
                           QRect(c.left, c.top, c.right - c.left, c.bottom - c.top);
        const QRect scaled(static_cast<int>(std::ceil(cell.left() * zoom)),
                           static_cast<int>(std::ceil(cell.top() * zoom)),
                           static_cast<int>(std::floor(cell.width() * zoom)),
                           static_cast<int>(std::floor(cell.height() * zoom)));
        places.push_back({"panel text " + quoted(text), on(top, panel, scaled)});
    }
}

std::vector<std::string> faultsOf(const QImage& picture, const std::vector<TextPlace>& places) {
    std::vector<std::string> faults;
    for (const TextPlace& p : places) {
        if (auto fault = contrastFault(picture, p)) {
            faults.push_back(std::move(*fault));
        }
    }
    return faults;
}

// The menu as it drops down, with the rectangle of each item's text.
QImage menuPicture(QMenu* menu, std::vector<TextPlace>* places) {
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    if (places != nullptr) {
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->isVisible() && a->isEnabled() && !a->text().isEmpty()) {
                places->push_back(
                    {"menu item " + quoted(QString(a->text()).remove(QLatin1Char('&'))),
                     menu->actionGeometry(a).adjusted(4, 2, -4, -2)});
            }
        }
    }
    return menu->grab().toImage();
}

// The main window and the windows over it, as they are on screen (dialogs and message boxes lie
// inside the main window).
QImage screenPicture(const QtUi& ui) {
    return ui.mainWindow()->frame()->grab().toImage();
}

std::vector<std::string> brightPixels(const QImage& picture, const std::string& what,
                                      const QWidget* widget) {
    long count = 0;
    QPoint first;
    QRgb firstColour = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (!fitsNight(rgbOf(p))) {
                if (count++ == 0) {
                    first = QPoint(x, y);
                    firstColour = p;
                }
            }
        }
    }
    if (count == 0) {
        return {};
    }
    std::string where;
    if (widget != nullptr) {
        if (const QWidget* under = widget->childAt(first)) {
            where = std::string(" in a ") + under->metaObject()->className();
            if (!under->objectName().isEmpty()) {
                where += " " + under->objectName().toStdString();
            }
        }
    }
    return {what + ": " + std::to_string(count) + " pixels too bright for Night, the first at (" +
            std::to_string(first.x()) + ", " + std::to_string(first.y()) + ")" + where + " in " +
            describeColour(rgbOf(firstColour))};
}

}  // namespace

std::vector<std::string> qtContrastFaults(const QtUi& ui) {
    const QtWindow* main = ui.mainWindow();
    if (main == nullptr) {
        return {};
    }
    const QWidget* top = main->frame();
    const QImage picture = screenPicture(ui);
    std::vector<TextPlace> places;
    const QtWindow* window = ui.topWindow();
    addWindowTexts(*window, top, places);
    std::vector<std::string> faults;
    if (window == main) {
        addPanelTexts(ui, top, places);
        faults = faultsOf(picture, places);
        for (QMenu* menu : main->menus()) {
            std::vector<TextPlace> items;
            const QImage shown = menuPicture(menu, &items);
            for (std::string& f : faultsOf(shown, items)) {
                faults.push_back(std::move(f));
            }
        }
        return faults;
    }
    return faultsOf(picture, places);
}

std::vector<std::string> qtNightFaults(const QtUi& ui) {
    const QtWindow* main = ui.mainWindow();
    if (main == nullptr) {
        return {};
    }
    std::vector<std::string> faults = brightPixels(screenPicture(ui), "the screen", main->frame());
    if (ui.topWindow() == main) {
        for (QMenu* menu : main->menus()) {
            for (std::string& f : brightPixels(menuPicture(menu, nullptr),
                                               "the menu " + quoted(menu->title()), menu)) {
                faults.push_back(std::move(f));
            }
        }
    }
    return faults;
}

std::vector<std::string> qtMessageBoxContrastFaults(QMessageBox& box) {
    std::vector<TextPlace> places;
    for (const QLabel* l : box.findChildren<QLabel*>()) {
        if (!l->isHidden()) {
            addLabel(&box, l, "the message box's text", places);
        }
    }
    for (const QAbstractButton* b : box.buttons()) {
        addButton(&box, b, "the message box's button", places);
    }
    return faultsOf(box.grab().toImage(), places);
}

std::vector<std::string> qtMessageBoxNightFaults(QMessageBox& box) {
    return brightPixels(box.grab().toImage(), "the message box", &box);
}

}  // namespace orvane
