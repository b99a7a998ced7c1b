// A dialog template's layout as the pilot sees it: every control inside the dialog, no two
// controls on top of each other, frames around what they frame.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "res/templates.hpp"

namespace orvane::testkit {

inline bool overlap(const ControlTemplate& a, const ControlTemplate& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

inline bool inside(const ControlTemplate& inner, const ControlTemplate& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Controls inside the dialog; no two controls overlap (except pairs that share a place and are
// never shown together); a control that touches a frame lies wholly inside it; frames nest.
inline void expectTidyLayout(const DialogTemplate& t,
                             std::vector<std::pair<int, int>> sharedPlaces) {
    std::vector<int> ids;
    for (const ControlTemplate& c : t.controls) {
        EXPECT_GE(c.x, 0) << c.id;
        EXPECT_GE(c.y, 0) << c.id;
        EXPECT_LE(c.x + c.width, t.width) << c.id;
        EXPECT_LE(c.y + c.height, t.height) << c.id;
        EXPECT_EQ(c.style & cs::kHidden, 0u) << c.id << ": the dialog sets visibility itself";
        if (c.id != -1) {
            for (int seen : ids) {
                EXPECT_NE(seen, c.id) << "id used twice";
            }
            ids.push_back(c.id);
        }
    }
    auto shared = [&](int a, int b) {
        for (auto [x, y] : sharedPlaces) {
            if ((x == a && y == b) || (x == b && y == a)) {
                return true;
            }
        }
        return false;
    };
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        for (std::size_t j = i + 1; j < t.controls.size(); ++j) {
            const ControlTemplate& a = t.controls[i];
            const ControlTemplate& b = t.controls[j];
            if (!overlap(a, b)) {
                continue;
            }
            const bool aFrame = a.kind == ControlKind::GroupBox;
            const bool bFrame = b.kind == ControlKind::GroupBox;
            if (aFrame || bFrame) {
                EXPECT_TRUE(inside(a, b) || inside(b, a))
                    << a.id << " and " << b.id << " cross a frame's edge";
            } else {
                EXPECT_TRUE(shared(a.id, b.id)) << a.id << " overlaps " << b.id;
            }
        }
    }
}

}  // namespace orvane::testkit
