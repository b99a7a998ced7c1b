#include "platform/keyboard.hpp"

#include <array>
#include <span>

#include "res/ids.hpp"
#include "res/menu.hpp"

namespace orvane {

namespace {

struct KeyName {
    const char* name;
    Key key;
};

constexpr std::array kKeyNames = {
    KeyName{"enter", Key::Enter}, KeyName{"escape", Key::Escape},
    KeyName{"tab", Key::Tab},     KeyName{"shift+tab", Key::BackTab},
    KeyName{"space", Key::Space}, KeyName{"alt+f", Key::AltF},
    KeyName{"alt+t", Key::AltT},  KeyName{"f10", Key::F10},
    KeyName{"up", Key::Up},       KeyName{"down", Key::Down},
    KeyName{"left", Key::Left},   KeyName{"right", Key::Right},
};

// Names of the controls whose layout names nothing: the position entry of the great circle and
// sunrise dialogs (a format hint over three bare fields and a hemisphere letter), and results
// whose label repeats in two frames.
struct ExplicitName {
    int dialog;
    int control;
    const char* name;
};

namespace gc = ctl::great_circle;
namespace sun = ctl::sunrise_sunset;

constexpr ExplicitName kExplicitNames[] = {
    {dlg::kGreatCircle, gc::kFromLatitudeHemisphere, "From latitude hemisphere"},
    {dlg::kGreatCircle, gc::kFromLatitudeDegrees, "From latitude degrees"},
    {dlg::kGreatCircle, gc::kFromLatitudeMinutes, "From latitude minutes"},
    {dlg::kGreatCircle, gc::kFromLatitudeHundredths, "From latitude hundredths of a minute"},
    {dlg::kGreatCircle, gc::kFromLongitudeHemisphere, "From longitude hemisphere"},
    {dlg::kGreatCircle, gc::kFromLongitudeDegrees, "From longitude degrees"},
    {dlg::kGreatCircle, gc::kFromLongitudeMinutes, "From longitude minutes"},
    {dlg::kGreatCircle, gc::kFromLongitudeHundredths, "From longitude hundredths of a minute"},
    {dlg::kGreatCircle, gc::kToLatitudeHemisphere, "To latitude hemisphere"},
    {dlg::kGreatCircle, gc::kToLatitudeDegrees, "To latitude degrees"},
    {dlg::kGreatCircle, gc::kToLatitudeMinutes, "To latitude minutes"},
    {dlg::kGreatCircle, gc::kToLatitudeHundredths, "To latitude hundredths of a minute"},
    {dlg::kGreatCircle, gc::kToLongitudeHemisphere, "To longitude hemisphere"},
    {dlg::kGreatCircle, gc::kToLongitudeDegrees, "To longitude degrees"},
    {dlg::kGreatCircle, gc::kToLongitudeMinutes, "To longitude minutes"},
    {dlg::kGreatCircle, gc::kToLongitudeHundredths, "To longitude hundredths of a minute"},
    {dlg::kGreatCircle, gc::kInitialCourse, "Great circle initial course"},
    {dlg::kGreatCircle, gc::kGreatCircleDistance, "Great circle distance"},
    {dlg::kGreatCircle, gc::kRhumbCourse, "Rhumb line course"},
    {dlg::kGreatCircle, gc::kRhumbDistance, "Rhumb line distance"},
    {dlg::kStopwatch, ctl::stopwatch::kElapsed, "Elapsed time"},
    {dlg::kAircraft, ctl::aircraft::kList, "Aircraft"},
    {dlg::kSunriseSunset, sun::kLatitudeHemisphere, "Latitude hemisphere"},
    {dlg::kSunriseSunset, sun::kLatitudeDegrees, "Latitude degrees"},
    {dlg::kSunriseSunset, sun::kLatitudeMinutes, "Latitude minutes"},
    {dlg::kSunriseSunset, sun::kLatitudeHundredths, "Latitude hundredths of a minute"},
    {dlg::kSunriseSunset, sun::kLongitudeHemisphere, "Longitude hemisphere"},
    {dlg::kSunriseSunset, sun::kLongitudeDegrees, "Longitude degrees"},
    {dlg::kSunriseSunset, sun::kLongitudeMinutes, "Longitude minutes"},
    {dlg::kSunriseSunset, sun::kLongitudeHundredths, "Longitude hundredths of a minute"},
};

// How far apart (dialog units) a label's edge and its field's may be and still belong together.
constexpr int kLabelGap = 4;

bool isButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::RadioButton;
}

bool overlapsHorizontally(const ControlTemplate& a, const ControlTemplate& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width;
}

// Whether the static s stands on the same line as the field f (its middle within f's height).
bool sameLine(const ControlTemplate& s, const ControlTemplate& f) {
    const int middle = s.y + s.height / 2;
    return middle >= f.y && middle <= f.y + f.height;
}

bool contains(const ControlTemplate& box, const ControlTemplate& c) {
    return c.x >= box.x && c.y >= box.y && c.x + c.width <= box.x + box.width &&
           c.y + c.height <= box.y + box.height;
}

// Among the statics that fit, the visible one nearest by distance; -1 when none.
template <typename Fits, typename Distance>
int nearestStatic(std::span<const ControlTemplate> controls, const ControlState& now, Fits fits,
                  Distance distance) {
    int best = -1;
    int bestDistance = 0;
    bool bestVisible = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& s = controls[i];
        if (s.kind != ControlKind::Static || !fits(s)) {
            continue;
        }
        const int d = distance(s);
        const bool visible = now.visible(i);
        if (best < 0 || (visible && !bestVisible) || (visible == bestVisible && d < bestDistance)) {
            best = static_cast<int>(i);
            bestDistance = d;
            bestVisible = visible;
        }
    }
    return best;
}

// The items of a menu level: the bar's drop-down menus (parent none), or the items of a popup.
std::vector<std::size_t> menuChildren(std::optional<std::size_t> parent) {
    const std::span<const MenuItem> items = mainMenu();
    std::vector<std::size_t> out;
    const int level = parent ? items[*parent].level + 1 : 0;
    for (std::size_t i = parent ? *parent + 1 : 0; i < items.size(); ++i) {
        if (items[i].level < level) {
            break;
        }
        if (items[i].level == level && (items[i].flags & menu::kSeparator) == 0) {
            out.push_back(i);
        }
    }
    return out;
}

// The column of each item in a level (a new-column item starts the next).
std::vector<int> menuColumns(const std::vector<std::size_t>& level) {
    std::vector<int> out;
    int column = 0;
    for (std::size_t i = 0; i < level.size(); ++i) {
        if (i > 0 && (mainMenu()[level[i]].flags & menu::kNewColumn) != 0) {
            ++column;
        }
        out.push_back(column);
    }
    return out;
}

}  // namespace

std::optional<Key> keyNamed(std::string_view name) {
    for (const KeyName& k : kKeyNames) {
        if (name == k.name) {
            return k.key;
        }
    }
    return std::nullopt;
}

bool tabStop(ControlKind kind, unsigned style) {
    switch (kind) {
        case ControlKind::Edit:
            return (style & cs::kReadOnly) == 0;
        case ControlKind::Combo:
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
            return true;
        default:
            return false;
    }
}

int nextTabStop(const DialogTemplate& dialog, int focusId, bool forward, const ControlState& now) {
    std::vector<std::size_t> stops;
    std::optional<std::size_t> focus;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlTemplate& c = dialog.controls[i];
        if (tabStop(c.kind, c.style) && now.visible(i)) {
            stops.push_back(i);
        }
        if (c.id == focusId && !focus) {
            focus = i;
        }
    }
    if (stops.empty()) {
        return 0;
    }
    std::size_t next = forward ? stops.front() : stops.back();
    if (focus) {
        // Template order is screen order; from the focus (even a hidden one) to the next stop.
        if (forward) {
            for (std::size_t i : stops) {
                if (i > *focus) {
                    next = i;
                    break;
                }
            }
        } else {
            for (std::size_t i : stops) {
                if (i < *focus) {
                    next = i;
                }
            }
        }
    }
    return dialog.controls[next].id;
}

KeyAction spaceAction(const DialogTemplate& dialog, int focusId) {
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == focusId && isButton(c.kind)) {
            return {KeyAction::Kind::Tap, c.id};
        }
    }
    return {};
}

KeyAction enterAction(const DialogTemplate& dialog, int focusId, const ControlState& now) {
    if (KeyAction onButton = spaceAction(dialog, focusId);
        onButton.kind != KeyAction::Kind::Nothing) {
        return onButton;
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlTemplate& c = dialog.controls[i];
        if (c.kind == ControlKind::PushButton && (c.style & cs::kDefault) != 0 && now.visible(i)) {
            return {KeyAction::Kind::Tap, c.id};
        }
    }
    return {KeyAction::Kind::Command, 1};
}

int escapeCommand(const DialogTemplate& dialog) {
    return (dialog.style & ds::kDoneButton) != 0 ? 1 : 2;
}

std::string accessibleName(const DialogTemplate& dialog, std::size_t index,
                           const ControlState& now) {
    const std::span<const ControlTemplate> controls = dialog.controls;
    const ControlTemplate& f = controls[index];
    for (const ExplicitName& n : kExplicitNames) {
        if (n.dialog == dialog.id && n.control == f.id) {
            return n.name;
        }
    }
    if (isButton(f.kind)) {
        return now.text(index);
    }
    if (f.kind != ControlKind::Edit && f.kind != ControlKind::Combo) {
        return {};
    }
    const auto textOf = [&](int i) { return i >= 0 ? now.text(static_cast<std::size_t>(i)) : ""; };
    // The label on its left, on the same line.
    const int left = nearestStatic(
        controls, now,
        [&](const ControlTemplate& s) {
            return sameLine(s, f) && s.x + s.width <= f.x + kLabelGap;
        },
        [&](const ControlTemplate& s) { return f.x - (s.x + s.width); });
    // The label just over it, or else over the column of fields of its width it stands in.
    const auto labelOver = [&](const ControlTemplate& top) {
        return nearestStatic(
            controls, now,
            [&](const ControlTemplate& s) {
                const int bottom = s.y + s.height;
                return overlapsHorizontally(s, top) && bottom >= top.y - kLabelGap &&
                       bottom <= top.y + kLabelGap && s.y < top.y;
            },
            [&](const ControlTemplate& s) { return top.y - (s.y + s.height); });
    };
    int over = labelOver(f);
    if (over < 0) {
        const ControlTemplate* top = &f;
        for (bool climbed = true; climbed;) {
            climbed = false;
            for (const ControlTemplate& c : controls) {
                if (&c != top && c.kind == f.kind && c.x == top->x && c.width == top->width &&
                    c.y < top->y && c.y + c.height >= top->y - kLabelGap) {
                    top = &c;
                    climbed = true;
                    break;
                }
            }
        }
        over = top != &f ? labelOver(*top) : -1;
    }
    std::string name = textOf(left);
    if (over >= 0) {
        name += (name.empty() ? "" : " ") + textOf(over);
    }
    if (!name.empty()) {
        return name;
    }
    // The unit on its right.
    const int right = nearestStatic(
        controls, now,
        [&](const ControlTemplate& s) {
            return sameLine(s, f) && s.x >= f.x + f.width - kLabelGap;
        },
        [&](const ControlTemplate& s) { return s.x - (f.x + f.width); });
    if (right >= 0) {
        return textOf(right);
    }
    // The title of the smallest frame around it.
    int frame = -1;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& g = controls[i];
        if (g.kind == ControlKind::GroupBox && contains(g, f) && !now.text(i).empty() &&
            (frame < 0 ||
             g.width * g.height < controls[static_cast<std::size_t>(frame)].width *
                                      controls[static_cast<std::size_t>(frame)].height)) {
            frame = static_cast<int>(i);
        }
    }
    return textOf(frame);
}

std::vector<std::string> panelLines(const std::vector<PanelText>& drawn) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        if (drawn[i].label && i + 1 < drawn.size() && !drawn[i + 1].label) {
            lines.push_back(drawn[i].text + " " + drawn[i + 1].text);
            ++i;
        } else if (!drawn[i].label) {
            lines.push_back(drawn[i].text);
        }
    }
    return lines;
}

std::optional<std::size_t> MenuKeys::barButton() const {
    return path_.empty() ? std::nullopt : std::optional<std::size_t>(path_.front());
}

std::optional<int> MenuKeys::press(Key key) {
    const std::vector<std::size_t> bar = menuChildren(std::nullopt);
    if (bar.empty()) {
        return std::nullopt;
    }
    const auto openFirst = [&](std::size_t button, bool last) {
        path_ = {button};
        const std::vector<std::size_t> items = menuChildren(bar[button]);
        if (!items.empty()) {
            path_.push_back(last ? items.back() : items.front());
        }
    };
    switch (key) {
        case Key::F10:
            if (active()) {
                close();
            } else {
                path_ = {0};
            }
            return std::nullopt;
        case Key::AltF:
        case Key::AltT:
            openFirst(key == Key::AltF ? 0 : std::min<std::size_t>(1, bar.size() - 1), false);
            return std::nullopt;
        default:
            break;
    }
    if (!active()) {
        return std::nullopt;
    }
    const std::size_t button = path_.front();
    if (path_.size() == 1) {
        // The bar has the focus, no menu is open.
        switch (key) {
            case Key::Left:
                path_ = {(button + bar.size() - 1) % bar.size()};
                break;
            case Key::Right:
                path_ = {(button + 1) % bar.size()};
                break;
            case Key::Down:
            case Key::Enter:
                openFirst(button, false);
                break;
            case Key::Up:
                openFirst(button, true);
                break;
            case Key::Escape:
                close();
                break;
            default:
                break;
        }
        return std::nullopt;
    }
    const std::optional<std::size_t> parent =
        path_.size() == 2 ? std::optional<std::size_t>(bar[button]) : path_[path_.size() - 2];
    const std::vector<std::size_t> level = menuChildren(parent);
    const std::vector<int> columns = menuColumns(level);
    std::size_t at = 0;
    while (at < level.size() && level[at] != path_.back()) {
        ++at;
    }
    if (at == level.size()) {
        close();
        return std::nullopt;
    }
    const MenuItem& item = mainMenu()[level[at]];
    const bool popup = (item.flags & menu::kPopup) != 0;
    // The items of the chosen item's column, and the row it stands on.
    const auto columnItems = [&](int column) {
        std::vector<std::size_t> out;
        for (std::size_t i = 0; i < level.size(); ++i) {
            if (columns[i] == column) {
                out.push_back(i);
            }
        }
        return out;
    };
    const std::vector<std::size_t> column = columnItems(columns[at]);
    std::size_t row = 0;
    while (column[row] != at) {
        ++row;
    }
    const auto toColumn = [&](int target) {
        const std::vector<std::size_t> other = columnItems(target);
        path_.back() = level[other[std::min(row, other.size() - 1)]];
    };
    switch (key) {
        case Key::Up:
            path_.back() = level[column[(row + column.size() - 1) % column.size()]];
            break;
        case Key::Down:
            path_.back() = level[column[(row + 1) % column.size()]];
            break;
        case Key::Right:
            if (popup) {
                const std::vector<std::size_t> items = menuChildren(level[at]);
                if (!items.empty()) {
                    path_.push_back(items.front());
                }
            } else if (columns[at] < columns.back()) {
                toColumn(columns[at] + 1);
            } else if (path_.size() == 2) {
                openFirst((button + 1) % bar.size(), false);
            }
            break;
        case Key::Left:
            if (columns[at] > 0) {
                toColumn(columns[at] - 1);
            } else if (path_.size() > 2) {
                path_.pop_back();
            } else {
                openFirst((button + bar.size() - 1) % bar.size(), false);
            }
            break;
        case Key::Enter:
            if (popup) {
                const std::vector<std::size_t> items = menuChildren(level[at]);
                if (!items.empty()) {
                    path_.push_back(items.front());
                }
                break;
            }
            close();
            return item.command;
        case Key::Escape:
            path_.pop_back();
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace orvane
