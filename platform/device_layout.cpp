#include "platform/device_layout.hpp"

#include "platform/control_kinds.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {

// The dialog fonts by point size: pixels at 96 dots to the inch and the base units the device
// measured for them. Sizes between two rows take the smaller row.
constexpr BaseUnits kBaseUnits[] = {
    {11, 6, 13},   // 8 points
    {13, 7, 15},   // 10 points
    {16, 9, 19},   // 12 points
    {19, 11, 22},  // 14 points
};

bool overlap(PixelRect a, PixelRect b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool inside(PixelRect inner, PixelRect outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// The room inside a group box's frame lines; the top line runs through the middle of the
// title's line, titleLine pixels high.
PixelRect groupInside(PixelRect group, int titleLine) {
    const int top = titleLine / 2 + 1;
    return {group.x + 1, group.y + top, group.width - 2, group.height - top - 1};
}

std::string name(const LayoutControl& c) {
    return std::string(controlKindName(c.kind)) + " " + std::to_string(c.id) + " " +
           describeRect(c.rect);
}

// Fields and buttons drawn with a frame.
bool framed(const LayoutControl& c) {
    return c.kind == ControlKind::Edit || c.kind == ControlKind::Combo ||
           c.kind == ControlKind::PushButton;
}

// Two framed controls side by side whose frames lie on each other by at most a few pixels: one
// line between them, as the templates draw rows of fields.
bool shareBorder(PixelRect a, PixelRect b, int border) {
    const int across = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const int down = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return std::min(across, down) <= border;
}

}  // namespace

BaseUnits dialogBaseUnits(int pointSize) {
    const int pixels = static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
    BaseUnits found = kBaseUnits[0];
    for (const BaseUnits& b : kBaseUnits) {
        if (b.pixelSize <= pixels) {
            found = b;
        }
    }
    return found;
}

int mulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long divisor = denominator;
    const bool negative = (product < 0) != (divisor < 0);
    const long long quotient =
        (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    return static_cast<int>(negative ? -quotient : quotient);
}

PixelRect dialogRect(const BaseUnits& base, int x, int y, int width, int height) {
    const int left = mulDiv(x, base.x, 4);
    const int right = mulDiv(x + width, base.x, 4);
    const int top = mulDiv(y, base.y, 8);
    const int bottom = mulDiv(y + height, base.y, 8);
    return {left, top, right - left, bottom - top};
}

PixelRect comboLine(const BaseUnits& base, PixelRect rect) {
    rect.height = std::min(rect.height, base.y + 8);
    return rect;
}

PixelRect controlRect(const BaseUnits& base, const ControlTemplate& control) {
    const PixelRect rect = dialogRect(base, control.x, control.y, control.width, control.height);
    return control.kind == ControlKind::Combo ? comboLine(base, rect) : rect;
}

double firstStartZoom(int availableHeight) {
    const double half = availableHeight / 2.0 / kScreenHeight;
    const double stepped = std::floor(half / kZoomStep + 0.5) * kZoomStep;
    return std::clamp(stepped, kSmallestZoom, kLargestZoom);
}

double stepZoom(double zoom, int direction) {
    const double step = std::floor(zoom / kZoomStep + 0.5) + direction;
    return std::clamp(step * kZoomStep, kSmallestZoom, kLargestZoom);
}

double zoomFromStore(std::uint32_t hundredths) {
    const double zoom = hundredths / 100.0;
    return zoom >= kSmallestZoom && zoom <= kLargestZoom ? zoom : 0.0;
}

DialogPlace dialogPlace(const DialogTemplate& dialog) {
    const BaseUnits base = dialogBaseUnits(dialog.pointSize);
    PixelRect client{0, 0, mulDiv(dialog.width, base.x, 4), mulDiv(dialog.height, base.y, 8)};
    if ((dialog.style & ds::kCaption) != 0) {
        client.y = kCaptionHeight;
        client.width = std::max(client.width, kScreenWidth);
        if ((dialog.style & (ds::kDoneButton | ds::kFullScreen)) != 0) {
            client.height = std::max(client.height, kScreenHeight - kCaptionHeight);
        }
        return {{0, 0, client.width, kCaptionHeight + client.height}, kCaptionHeight, client};
    }
    if ((dialog.style & ds::kModalFrame) == 0) {
        // The splash: its picture from x 0, y 24 down to the foot of the screen.
        constexpr int kSplashTop = 24;
        client.width = kScreenWidth;
        client.height = kScreenHeight - kSplashTop;
        return {{0, kSplashTop, client.width, client.height}, 0, client};
    }
    return {{(kScreenWidth - client.width) / 2, kCaptionHeight, client.width, client.height},
            0,
            client};
}

PixelRect dialogClientRect(const DialogTemplate& dialog) {
    const PixelRect client = dialogPlace(dialog).client;
    return {0, 0, client.width, client.height};
}

std::string describeRect(PixelRect r) {
    return "(" + std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height) + ")";
}

std::vector<std::string> geometryFaults(PixelRect client, std::span<const LayoutControl> controls,
                                        int sharedBorder, int titleLine) {
    std::vector<std::string> faults;
    for (const LayoutControl& c : controls) {
        if (!inside(c.rect, client)) {
            faults.push_back(name(c) + " is not inside the client area " + describeRect(client));
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const LayoutControl& a = controls[i];
            const LayoutControl& b = controls[j];
            if (!overlap(a.rect, b.rect)) {
                continue;
            }
            const bool aGroup = a.kind == ControlKind::GroupBox;
            const bool bGroup = b.kind == ControlKind::GroupBox;
            if (aGroup && bGroup &&
                (inside(a.rect, groupInside(b.rect, titleLine)) ||
                 inside(b.rect, groupInside(a.rect, titleLine)))) {
                continue;  // a group within a group
            }
            if (aGroup != bGroup) {
                const LayoutControl& group = aGroup ? a : b;
                const LayoutControl& other = aGroup ? b : a;
                if (!inside(other.rect, groupInside(group.rect, titleLine))) {
                    faults.push_back(name(other) + " lies across the frame of " + name(group));
                }
                continue;
            }
            if (framed(a) && framed(b) && shareBorder(a.rect, b.rect, sharedBorder)) {
                continue;
            }
            faults.push_back(name(a) + " overlaps " + name(b));
        }
    }
    // A result field is at least as tall as the label right above it.
    for (const LayoutControl& result : controls) {
        if (result.kind != ControlKind::Edit || (result.style & cs::kReadOnly) == 0) {
            continue;
        }
        const LayoutControl* label = nullptr;
        for (const LayoutControl& c : controls) {
            const bool above = c.kind == ControlKind::Static &&
                               c.rect.x < result.rect.x + result.rect.width &&
                               result.rect.x < c.rect.x + c.rect.width &&
                               c.rect.y + c.rect.height <= result.rect.y + 2 &&
                               result.rect.y - (c.rect.y + c.rect.height) <= c.rect.height;
            if (above && (label == nullptr || c.rect.y > label->rect.y)) {
                label = &c;
            }
        }
        if (label != nullptr && result.rect.height < label->rect.height) {
            faults.push_back(name(result) + " is lower than its label " + name(*label));
        }
    }
    return faults;
}

}  // namespace orvane
