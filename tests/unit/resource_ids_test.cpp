// The resource-id header against the tables that use its names: the menu, the accelerators, the
// string table, the command table, the calculator's modes and the templates. A name without its
// control, a control without a name, a command without an entry or two names for one number in
// one kind is caught here rather than by a pilot tapping a menu item that does nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "res/ids.hpp"
#include "res/menu.hpp"
#include "res/templates.hpp"
#include "shell/command_table.hpp"
#include "shell/dialogs.hpp"

namespace orvane {
namespace {

// Accept and EXIT end the disclaimer as Enter and Escape do.
static_assert(ctl::disclaimer::kAccept == kCommandOk);
static_assert(ctl::disclaimer::kExit == kCommandCancel);

struct Name {
    std::string name;
    int value;
};

// The header's names by kind ("cmd", "dlg", "str", "ctl::calculator", ...), read from its text
// so that a name added to the header is checked without being listed here.
std::map<std::string, std::vector<Name>> readIdsHeader() {
    std::ifstream in(ORVANE_IDS_HEADER);
    EXPECT_TRUE(in) << ORVANE_IDS_HEADER;
    const std::regex open(R"(^namespace (\w+) \{)");
    const std::regex close(R"(^\}  // namespace (\w+))");
    const std::regex constant(R"(inline constexpr int (k\w+) = (-?\d+);)");
    std::map<std::string, std::vector<Name>> kinds;
    std::vector<std::string> path;
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, open) && m[1] != "orvane") {
            path.push_back(m[1]);
        } else if (std::regex_search(line, m, close) && m[1] != "orvane") {
            EXPECT_FALSE(path.empty() || path.back() != m[1]) << line;
            if (!path.empty()) {
                path.pop_back();
            }
        } else if (std::regex_search(line, m, constant)) {
            std::string kind;
            for (const std::string& p : path) {
                kind += (kind.empty() ? "" : "::") + p;
            }
            kinds[kind].push_back({m[1], std::stoi(m[2])});
        }
    }
    return kinds;
}

const std::map<std::string, std::vector<Name>>& idsHeader() {
    static const std::map<std::string, std::vector<Name>> kinds = readIdsHeader();
    return kinds;
}

// Each template's control names.
const std::map<std::string, int> kControlKinds = {
    {"ctl::calculator", dlg::kCalculator},
    {"ctl::conversions", dlg::kConversions},
    {"ctl::stopwatch", dlg::kStopwatch},
    {"ctl::airspeed", dlg::kAirspeed},
    {"ctl::critical_point", dlg::kCriticalPoint},
    {"ctl::weight_balance", dlg::kWeightBalance},
    {"ctl::point_of_no_return", dlg::kPointOfNoReturn},
    {"ctl::preferences", dlg::kPreferences},
    {"ctl::sunrise_sunset", dlg::kSunriseSunset},
    {"ctl::great_circle", dlg::kGreatCircle},
    {"ctl::disclaimer", dlg::kDisclaimer},
    {"ctl::aircraft", dlg::kAircraft},
};

std::set<int> valuesOf(const std::string& kind) {
    std::set<int> values;
    for (const Name& n : idsHeader().at(kind)) {
        values.insert(n.value);
    }
    return values;
}

TEST(ResourceIds, EveryKindIsKnownAndNoTwoNamesOfOneKindShareANumber) {
    ASSERT_FALSE(idsHeader().empty());
    for (const auto& [kind, names] : idsHeader()) {
        const bool known =
            kind == "cmd" || kind == "dlg" || kind == "str" || kControlKinds.count(kind) == 1;
        EXPECT_TRUE(known) << kind << " is neither a kind nor a template's controls";
        std::map<int, std::string> seen;
        for (const Name& n : names) {
            const auto [at, added] = seen.emplace(n.value, n.name);
            EXPECT_TRUE(added) << kind << ": " << n.name << " and " << at->second << " are both "
                               << n.value;
        }
    }
}

TEST(ResourceIds, TemplateNamesAndTemplatesMatchOneForOne) {
    const std::set<int> named = valuesOf("dlg");
    for (int id : named) {
        EXPECT_NE(findDialogTemplate(id), nullptr) << "no template " << id;
    }
    for (const DialogTemplate* t : allDialogTemplates()) {
        EXPECT_EQ(named.count(t->id), 1u) << "template " << t->id << " has no name";
    }
}

// Both ways: a name for a control the template lacks would address nothing, and an addressed
// control without a name is a bare number somewhere.
TEST(ResourceIds, ControlNamesAndEachTemplatesAddressedControlsMatchOneForOne) {
    std::set<int> templatesWithNames;
    for (const auto& [kind, templateId] : kControlKinds) {
        ASSERT_EQ(idsHeader().count(kind), 1u) << kind;
        const DialogTemplate* t = findDialogTemplate(templateId);
        ASSERT_NE(t, nullptr) << kind;
        templatesWithNames.insert(templateId);
        std::set<int> addressed;
        for (const ControlTemplate& c : t->controls) {
            if (c.id != -1) {
                addressed.insert(c.id);
            }
        }
        for (const Name& n : idsHeader().at(kind)) {
            EXPECT_EQ(addressed.count(n.value), 1u)
                << kind << "::" << n.name << " (" << n.value << ") is not in template " << t->id;
        }
        const std::set<int> named = valuesOf(kind);
        for (int id : addressed) {
            EXPECT_EQ(named.count(id), 1u)
                << "control " << id << " of template " << t->id << " has no name in " << kind;
        }
    }
    for (const DialogTemplate* t : allDialogTemplates()) {
        if (templatesWithNames.count(t->id) == 0) {
            for (const ControlTemplate& c : t->controls) {
                EXPECT_EQ(c.id, -1)
                    << "template " << t->id << " addresses " << c.id << " but has no control names";
            }
        }
    }
}

// Every command the pilot can give reaches an entry, every entry can be given, and every command
// name is one of them or a menu-bar button.
TEST(ResourceIds, MenuAcceleratorsAndCommandTableCoverTheSameCommands) {
    std::set<int> given;
    for (const MenuItem& item : mainMenu()) {
        if (item.command != 0) {
            given.insert(item.command);
        }
    }
    for (const Accelerator& a : accelerators()) {
        given.insert(a.command);
    }
    std::set<int> entries;
    for (const CommandEntry& e : commandTable()) {
        EXPECT_TRUE(entries.insert(e.command).second) << "command " << e.command << " twice";
    }
    EXPECT_EQ(given, entries);

    std::set<int> buttons;
    for (const MenuBarButton& b : menuBarButtons()) {
        buttons.insert(b.command);
        EXPECT_STRNE(loadString(b.stringId), "") << "menu-bar button " << b.command;
    }
    for (const Name& n : idsHeader().at("cmd")) {
        EXPECT_TRUE(entries.count(n.value) == 1 || buttons.count(n.value) == 1)
            << "cmd::" << n.name << " is given by no menu item, accelerator or button";
    }
    for (const Name& n : idsHeader().at("str")) {
        EXPECT_STRNE(loadString(n.value), "") << "str::" << n.name;
    }
}

TEST(ResourceIds, EveryDialogCommandOpensATemplateAndTheCalculatorHasAModeForEachOfItsCommands) {
    std::vector<int> calculatorCommands;
    for (const CommandEntry& e : commandTable()) {
        if (e.action != CommandAction::OpenDialog) {
            continue;
        }
        EXPECT_NE(findDialogTemplate(e.templateId), nullptr) << "command " << e.command;
        EXPECT_NE(e.factory, nullptr) << "command " << e.command;
        if (e.templateId == dlg::kCalculator) {
            EXPECT_EQ(e.factory, &makeCalculatorDialog) << "command " << e.command;
            calculatorCommands.push_back(e.command);
        }
    }
    std::vector<int> modes = calculatorModeCommands();
    std::sort(modes.begin(), modes.end());
    EXPECT_EQ(std::adjacent_find(modes.begin(), modes.end()), modes.end()) << "a mode twice";
    std::sort(calculatorCommands.begin(), calculatorCommands.end());
    EXPECT_EQ(modes, calculatorCommands);
    EXPECT_EQ(modes.size(), 14u);
}

}  // namespace
}  // namespace orvane
