// The layouts of the weight-and-balance sheet (template 150), the conversions calculator
// (template 119) and the Aircraft dialog (template 160): every control inside the dialog, nothing
// on top of anything else, and the controls the dialog procedures address present with the right
// kind, style and label.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "perf/conversions_dialog.hpp"
#include "perf/weight_balance_dialog.hpp"
#include "res/ids.hpp"
#include "res/templates.hpp"

namespace orvane {
namespace {

const ControlTemplate* findControl(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

// The static control whose text is exactly text, or null.
const ControlTemplate* findStatic(const DialogTemplate& t, const std::string& text) {
    for (const ControlTemplate& c : t.controls) {
        if (c.kind == ControlKind::Static && text == c.text) {
            return &c;
        }
    }
    return nullptr;
}

bool overlaps(const ControlTemplate& a, const ControlTemplate& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool contains(const ControlTemplate& outer, const ControlTemplate& inner) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// On the same line: the label's rectangle lies within the field's height.
// The label's middle lies on its field's line (a label of two lines straddles it).
bool sameLine(const ControlTemplate& label, const ControlTemplate& field) {
    const int middle = label.y + label.height / 2;
    return middle >= field.y && middle <= field.y + field.height;
}

bool editable(const ControlTemplate* c) {
    return c != nullptr && c->kind == ControlKind::Edit && (c->style & cs::kReadOnly) == 0 &&
           (c->style & cs::kTabStop) != 0;
}

bool readOnly(const ControlTemplate* c) {
    return c != nullptr && c->kind == ControlKind::Edit && (c->style & cs::kReadOnly) != 0;
}

class LayoutTest : public ::testing::TestWithParam<int> {};

TEST_P(LayoutTest, EveryControlLiesInsideTheDialogAndNoneCoversAnother) {
    const DialogTemplate* t = findDialogTemplate(GetParam());
    ASSERT_NE(t, nullptr);
    ASSERT_FALSE(t->controls.empty());
    std::vector<int> ids;
    for (const ControlTemplate& c : t->controls) {
        EXPECT_GT(c.width, 0) << c.text;
        EXPECT_GT(c.height, 0) << c.text;
        EXPECT_GE(c.x, 0) << c.id << " " << c.text;
        EXPECT_GE(c.y, 0) << c.id << " " << c.text;
        EXPECT_LE(c.x + c.width, t->width) << c.id << " " << c.text;
        EXPECT_LE(c.y + c.height, t->height) << c.id << " " << c.text;
        if (c.id != -1) {
            EXPECT_EQ(std::count(ids.begin(), ids.end(), c.id), 0) << "id " << c.id << " twice";
            ids.push_back(c.id);
        }
    }
    for (const ControlTemplate& a : t->controls) {
        for (const ControlTemplate& b : t->controls) {
            if (&a >= &b) {
                continue;
            }
            const bool frame = a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox;
            if (frame) {
                const ControlTemplate& box = a.kind == ControlKind::GroupBox ? a : b;
                const ControlTemplate& other = &box == &a ? b : a;
                EXPECT_TRUE(contains(box, other) || !overlaps(box, other))
                    << "the frame cuts across " << other.id << " " << other.text;
            } else {
                EXPECT_FALSE(overlaps(a, b))
                    << a.id << " " << a.text << " covers " << b.id << " " << b.text;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WeightBalanceConversionsAndAircraft, LayoutTest,
                         ::testing::Values(150, 119, 160));

// The device's dialog area below the caption: 157 by 169 units in Tahoma 8 (about 235 by 236
// pixels), the size of the sheet before it gained its status line.
TEST(WeightBalanceLayout, SheetAndAircraftDialogKeepToTheDialogArea) {
    for (int id : {150, 160}) {
        const DialogTemplate* t = findDialogTemplate(id);
        ASSERT_NE(t, nullptr);
        EXPECT_LE(t->width, 157) << id;
        EXPECT_LE(t->height, 169) << id;
    }
}

TEST(WeightBalanceLayout, StatusLineStandsUnderTheTotalsWithRoomForBothFaults) {
    const DialogTemplate* t = findDialogTemplate(150);
    ASSERT_NE(t, nullptr);
    const ControlTemplate* status = findControl(*t, ctl::weight_balance::kLoadingStatus);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->kind, ControlKind::Static);
    for (const ControlTemplate& c : t->controls) {
        if (c.kind == ControlKind::GroupBox) {
            EXPECT_GE(status->y, c.y + c.height);
            EXPECT_GE(status->width, c.width);
        }
    }
    // Two lines: "Over max weight by 35.0, C of G outside envelope" does not fit one.
    EXPECT_GE(status->height, 16);
}

TEST(AircraftLayout, ListButtonsFieldsAndPictureFromTopToBottom) {
    const DialogTemplate* t = findDialogTemplate(160);
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->caption, "Aircraft");
    const ControlTemplate* list = findControl(*t, ctl::aircraft::kList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->kind, ControlKind::Combo);
    EXPECT_NE(list->style & cs::kSorted, 0u);
    EXPECT_NE(list->style & cs::kReadOnly, 0u);  // a drop-down list, not a box to type in
    const struct {
        int id;
        const char* text;
    } buttons[] = {{ctl::aircraft::kNew, "New"},
                   {ctl::aircraft::kRename, "Rename"},
                   {ctl::aircraft::kDelete, "Delete"}};
    int right = 0;
    for (const auto& b : buttons) {
        const ControlTemplate* button = findControl(*t, b.id);
        ASSERT_NE(button, nullptr) << b.text;
        EXPECT_EQ(button->kind, ControlKind::PushButton);
        EXPECT_STREQ(button->text, b.text);
        EXPECT_GE(button->y, list->y + list->height);
        EXPECT_GE(button->x, right) << b.text;
        right = button->x + button->width;
    }
    const struct {
        const char* label;
        int field;
    } rows[] = {{"Name", ctl::aircraft::kName},
                {"Max take-off wt", ctl::aircraft::kMaxTakeOffWeight}};
    for (const auto& row : rows) {
        const ControlTemplate* label = findStatic(*t, row.label);
        const ControlTemplate* field = findControl(*t, row.field);
        ASSERT_NE(label, nullptr) << row.label;
        ASSERT_TRUE(editable(field)) << row.label;
        EXPECT_TRUE(sameLine(*label, *field)) << row.label;
        EXPECT_LE(label->x + label->width, field->x) << row.label;
    }
    const ControlTemplate* envelope = findControl(*t, ctl::aircraft::kEnvelope);
    ASSERT_TRUE(editable(envelope));
    EXPECT_NE(envelope->style & cs::kAutoScroll, 0u);  // sixteen points are longer than the field
    const ControlTemplate* picture = findControl(*t, ctl::aircraft::kEnvelopePicture);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->kind, ControlKind::Static);
    EXPECT_NE(picture->style & cs::kOwnerDraw, 0u);
    EXPECT_GE(picture->y, envelope->y + envelope->height);
    EXPECT_GE(picture->height, 60);
}

TEST(WeightBalanceLayout, EachStationRowHasItsLabelWeightArmAndReadOnlyMoment) {
    const DialogTemplate* t = findDialogTemplate(150);
    ASSERT_NE(t, nullptr);
    for (const WeightBalanceStation& s : weightBalanceStations) {
        SCOPED_TRACE(s.label);
        const ControlTemplate* weight = findControl(*t, s.weightId);
        const ControlTemplate* arm = findControl(*t, s.armId);
        const ControlTemplate* moment = findControl(*t, s.momentId);
        const ControlTemplate* label = findStatic(*t, s.label);
        ASSERT_TRUE(editable(weight));
        ASSERT_TRUE(editable(arm));
        ASSERT_TRUE(readOnly(moment));
        ASSERT_NE(label, nullptr);
        // Label, weight, arm and moment from left to right on one line.
        EXPECT_TRUE(sameLine(*label, *weight));
        EXPECT_EQ(arm->y, weight->y);
        EXPECT_EQ(moment->y, weight->y);
        EXPECT_LE(label->x + label->width, weight->x);
        EXPECT_LE(weight->x + weight->width, arm->x);
        EXPECT_LE(arm->x + arm->width, moment->x);
    }
}

TEST(WeightBalanceLayout, ColumnHeadingsStandAboveTheirColumnsAndTotalsSitInTheFrame) {
    const DialogTemplate* t = findDialogTemplate(150);
    ASSERT_NE(t, nullptr);
    const WeightBalanceStation& first = weightBalanceStations.front();
    const struct {
        const char* heading;
        int column;
    } headings[] = {{"Weight", first.weightId}, {"Arm", first.armId}, {"Moment", first.momentId}};
    for (const auto& h : headings) {
        const ControlTemplate* heading = findStatic(*t, h.heading);
        const ControlTemplate* column = findControl(*t, h.column);
        ASSERT_NE(heading, nullptr) << h.heading;
        EXPECT_LE(heading->y + heading->height, column->y) << h.heading;
        EXPECT_EQ(heading->x, column->x) << h.heading;
        EXPECT_EQ(heading->width, column->width) << h.heading;
    }

    const ControlTemplate* frame = nullptr;
    for (const ControlTemplate& c : t->controls) {
        if (c.kind == ControlKind::GroupBox) {
            frame = &c;
        }
    }
    ASSERT_NE(frame, nullptr);
    EXPECT_STREQ(frame->text, "");
    const struct {
        const char* label;
        int field;
    } totals[] = {{"Total Weight", ctl::weight_balance::kTotalWeight},
                  {"Total Moment", ctl::weight_balance::kTotalMoment},
                  {"Center of Gravity", ctl::weight_balance::kCentreOfGravity}};
    for (const auto& total : totals) {
        const ControlTemplate* label = findStatic(*t, total.label);
        const ControlTemplate* field = findControl(*t, total.field);
        ASSERT_NE(label, nullptr) << total.label;
        ASSERT_TRUE(readOnly(field)) << total.label;
        EXPECT_TRUE(contains(*frame, *label)) << total.label;
        EXPECT_TRUE(contains(*frame, *field)) << total.label;
        EXPECT_TRUE(sameLine(*label, *field)) << total.label;
        EXPECT_LE(label->x + label->width, field->x) << total.label;
    }
}

TEST(ConversionsLayout, RadioButtonsFormOneGroupInCategoryOrder) {
    const DialogTemplate* t = findDialogTemplate(119);
    ASSERT_NE(t, nullptr);
    std::vector<const ControlTemplate*> radios;
    for (const ControlTemplate& c : t->controls) {
        if (c.kind == ControlKind::RadioButton) {
            radios.push_back(&c);
        }
    }
    ASSERT_EQ(radios.size(), conversionCategories.size());
    for (std::size_t i = 0; i < radios.size(); ++i) {
        EXPECT_EQ(radios[i]->id, conversionCategories[i].radioId);
        EXPECT_STREQ(radios[i]->text, conversionCategories[i].radioText);
        EXPECT_EQ((radios[i]->style & cs::kGroup) != 0, i == 0) << radios[i]->text;
        // Every radio button stands above the value rows.
        EXPECT_LT(radios[i]->y + radios[i]->height,
                  findControl(*t, conversionRowControls[0].fieldId)->y);
    }
    // The radio buttons come first in the template, so their group ends where they end.
    EXPECT_EQ(&t->controls.front(), radios.front());
}

TEST(ConversionsLayout, TheTemplateShowsVolumeAndHidesTheFuelRows) {
    const DialogTemplate* t = findDialogTemplate(119);
    ASSERT_NE(t, nullptr);
    const ConversionCategoryInfo& volume = conversionCategories[0];
    const ConversionCategoryInfo& fuel = conversionCategories[6];
    ASSERT_EQ(volume.category, ConversionCategory::Volume);
    ASSERT_EQ(fuel.category, ConversionCategory::VolumeToWeight);
    for (std::size_t i = 0; i < conversionRowControls.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        SCOPED_TRACE(row);
        const ControlTemplate* field = findControl(*t, conversionRowControls[i].fieldId);
        const ControlTemplate* label = findControl(*t, conversionRowControls[i].labelId);
        ASSERT_TRUE(editable(field));
        ASSERT_NE(label, nullptr);
        ASSERT_EQ(label->kind, ControlKind::Static);
        // The unit label to the right of its field, on the same line.
        EXPECT_TRUE(sameLine(*label, *field));
        EXPECT_LE(field->x + field->width, label->x);
        const bool shown = row <= volume.rowCount;
        EXPECT_EQ((field->style & cs::kHidden) == 0, shown);
        EXPECT_EQ((label->style & cs::kHidden) == 0, shown);
        EXPECT_STREQ(label->text, shown ? volume.rowLabels[i] : fuel.rowLabels[i]);
    }
}

}  // namespace
}  // namespace orvane
