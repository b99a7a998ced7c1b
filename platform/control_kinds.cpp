#include "platform/control_kinds.hpp"

#include "platform/platform.hpp"

namespace orvane {

int setFocusNotification(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return notify::kEditSetFocus;
        case ControlKind::Combo:
            return notify::kComboSetFocus;
        default:
            return kNoNotification;
    }
}

int killFocusNotification(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return notify::kEditKillFocus;
        case ControlKind::Combo:
            return notify::kComboKillFocus;
        default:
            return kNoNotification;
    }
}

int changeNotification(ControlKind kind) {
    return kind == ControlKind::Edit ? notify::kEditChange : notify::kComboEditChange;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::Combo ||
           kind == ControlKind::PushButton || kind == ControlKind::RadioButton;
}

const char* controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static:
            return "static";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Combo:
            return "combo";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::RadioButton:
            return "radio";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::Picture:
            return "picture";
    }
    return "?";
}

}  // namespace orvane
