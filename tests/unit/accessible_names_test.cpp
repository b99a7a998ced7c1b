#include <gtest/gtest.h>

#include "platform/keyboard.hpp"

namespace orvane {
namespace {

// Every field, result and button of every template has a name as it opens (the labels' template
// texts), so that no control is announced without one.
TEST(AccessibleNames, NoControlOfAnyTemplateGoesUnnamed) {
    for (const DialogTemplate* dialog : allDialogTemplates()) {
        const ControlState asBuilt{
            [&](std::size_t i) { return (dialog->controls[i].style & cs::kHidden) == 0; },
            [&](std::size_t i) { return std::string(dialog->controls[i].text); }};
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            const ControlTemplate& c = dialog->controls[i];
            if (c.kind == ControlKind::Edit || c.kind == ControlKind::Combo ||
                tabStop(c.kind, c.style)) {
                EXPECT_FALSE(accessibleName(*dialog, i, asBuilt).empty())
                    << "dialog " << dialog->id << " control " << c.id;
            }
        }
    }
}

// The rules that name a field, each on a dialog that uses it.
TEST(AccessibleNames, ComeFromTheLabelsAroundAField) {
    struct Case {
        int dialog;
        int control;
        const char* name;
    };
    const Case cases[] = {
        {106, 1039, "Wind Speed (kt)"},          // the label over it
        {106, 1007, "Crosswind"},                // a result's label over it
        {148, 1055, "Altitude (ft)"},            // the label on its left
        {150, 1076, "Fuel Arm"},                 // its row's label and its column's heading
        {119, 1005, "Imp Galls (img)"},          // the unit on its right
        {149, 1022, "Wind speed (kt)"},          // the title of its frame
        {154, 1045, "To longitude hemisphere"},  // named where the layout says nothing
        {152, 1112, "Celsius  \u00b0C"},         // a button is its text
    };
    for (const Case& c : cases) {
        const DialogTemplate* dialog = findDialogTemplate(c.dialog);
        ASSERT_NE(dialog, nullptr);
        const ControlState asBuilt{
            [](std::size_t) { return true; },
            [&](std::size_t i) { return std::string(dialog->controls[i].text); }};
        std::size_t index = 0;
        while (dialog->controls[index].id != c.control) {
            ++index;
        }
        EXPECT_EQ(accessibleName(*dialog, index, asBuilt), c.name) << c.dialog << " " << c.control;
    }
}

}  // namespace
}  // namespace orvane
