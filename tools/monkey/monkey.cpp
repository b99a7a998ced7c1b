#include "tools/monkey/monkey.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <sstream>

#include "calc/numbers.hpp"
#include "platform/file_registry.hpp"
#include "platform/headless/headless_host.hpp"
#include "res/ids.hpp"
#include "res/templates.hpp"
#include "shell/command_table.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"
#include "shell/settings_store.hpp"
#include "tools/drive/driver.hpp"

namespace orvane::monkey {

namespace {

constexpr int kMainWindow = 0;
constexpr std::size_t kActionsKept = 40;  // shown before a failure

// The settings store's own messages: with a sound disk none may appear.
const char* const kStoreMessages[] = {"Could not read Key", "Could not open Key",
                                      "Could not close Key", "Could not create Key",
                                      "Could not set value Key"};

// Texts a pilot might type, or paste, into any field: numbers at and past every limit, signs,
// exponents, what other readers accept ("inf", "0x1A", "1,5"), clock times, letters and
// characters outside ASCII.
const char* const kTexts[] = {
    "1e308",
    "1e999",
    "-1e999",
    "1e-999",
    "1.7976931348623157e308",
    "-1.7976931348623157e308",
    "4.9e-324",
    "1e308e308",
    "0",
    "-0",
    "00",
    "0.0",
    ".",
    "-",
    "+",
    "--5",
    "1.2.3",
    "1e",
    "e5",
    "0x1A",
    "1,5",
    "inf",
    "-inf",
    "nan",
    "-nan",
    "NaN",
    "INF",
    "99999999999999",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "4294967295",
    "4294967296",
    "360",
    "361",
    "-5",
    "59",
    "60",
    "90",
    "180",
    "-90",
    "-180",
    "1:30",
    "9:59",
    "10:30",
    "12:3",
    ":",
    "1:-5",
    "\u00e9:30",
    "9e9:",
    "\u00b0",
    "abc",
    " ",
    "  12  ",
    "1e-5",
    "0.0001",
    "300",
    "301",
    "-1",
};

const char* const kUtf8[] = {"\u00e9", "\u00b0", "\u00df", "\u20ac", "\u65e5"};

std::string readFileBytes(const std::string& path, bool& exists) {
    std::ifstream in(path, std::ios::binary);
    exists = static_cast<bool>(in);
    std::stringstream all;
    if (in) {
        all << in.rdbuf();
    }
    return all.str();
}

struct StoredValue {
    const char* key;
    const char* name;
};

// Every number the program saves, in the order it saves them.
const StoredValue kStoredValues[] = {
    {kPreferencesKey, "Temp"}, {kPreferencesKey, "Press"}, {kPreferencesKey, "VarModel"},
    {kDefaultsKey, "Lat"},     {kDefaultsKey, "NS"},       {kDefaultsKey, "Lon"},
    {kDefaultsKey, "EW"},      {kDefaultsKey, "BasicW"},   {kDefaultsKey, "BasicA"},
    {kDefaultsKey, "Fuel"},    {kDefaultsKey, "Row1"},     {kDefaultsKey, "Row2"},
    {kDefaultsKey, "Row3"},    {kDefaultsKey, "Bags1"},    {kDefaultsKey, "Bags2"},
    {kDefaultsKey, "Aux"},     {kDefaultsKey, "Tas"},      {kDefaultsKey, "Cons"},
    {kDefaultsKey, "Hrcost"},
};
constexpr std::size_t kStoredCount = std::size(kStoredValues);

// The arms in the order they are stored after "BasicW".
double DefaultData::*const kArms[] = {
    &DefaultData::basicArm, &DefaultData::fuelArm,  &DefaultData::row1Arm,  &DefaultData::row2Arm,
    &DefaultData::row3Arm,  &DefaultData::bags1Arm, &DefaultData::bags2Arm, &DefaultData::auxArm};
double DefaultData::*const kTenths[] = {&DefaultData::tas, &DefaultData::fuelFlow,
                                        &DefaultData::hourlyCost};

// The numbers the settings file must hold for these records.
std::vector<std::uint32_t> storedNumbers(const PreferenceData& p, const DefaultData& d) {
    std::vector<std::uint32_t> n;
    n.push_back(static_cast<std::uint32_t>(p.tempCelsius));
    n.push_back(static_cast<std::uint32_t>(p.pressureMillibars));
    n.push_back(static_cast<std::uint32_t>(p.varModel));
    n.push_back(encodeHundredths(d.latitude));
    n.push_back(d.latitude < 0.0 ? 1u : 0u);
    n.push_back(encodeHundredths(d.longitude));
    n.push_back(d.longitude < 0.0 ? 1u : 0u);
    n.push_back(static_cast<std::uint32_t>(d.basicWeight));
    for (auto arm : kArms) {
        n.push_back(encodeTruncated(d.*arm));
    }
    for (auto field : kTenths) {
        n.push_back(encodeTenths(d.*field));
    }
    return n;
}

// The records that loading those numbers gives.
void loadedFrom(const std::vector<std::uint32_t>& n, PreferenceData& p, DefaultData& d) {
    p.tempCelsius = static_cast<std::int32_t>(n[0]);
    p.pressureMillibars = static_cast<std::int32_t>(n[1]);
    p.varModel = n[2] == 1 ? kVarModelWorld : kVarModelRegional;
    d.latitude = decodeHundredths(n[3]) * (n[4] == 1 ? -1.0 : 1.0);
    d.longitude = decodeHundredths(n[5]) * (n[6] == 1 ? -1.0 : 1.0);
    d.basicWeight = static_cast<std::int32_t>(n[7]);
    std::size_t i = 8;
    for (auto arm : kArms) {
        d.*arm = decodeTruncated(n[i++]);
    }
    for (auto field : kTenths) {
        d.*field = decodeTenths(n[i++]);
    }
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Thrown through the program to end the session at the first failure.
struct Stop {};

class Monkey : public ActionSource {
  public:
    Monkey(const Options& options, std::ostream& out)
        : options_(options), out_(out), random_(options.seed) {}

    Outcome run();
    void playNext() override;

  private:
    enum class Ending { None, Saving, WithoutSaving };

    // Playing.
    void act();
    void actOnMain();
    void actInDialog(int templateId);
    void windDown(int top);
    void play(const std::string& line);
    void typeInto(int id, const std::string& text);
    std::string randomText();
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // Checking.
    void fail(const std::string& what);
    void check(bool ok, const std::string& what);
    void checkScreen();
    void checkRecords();
    void checkLoaded();
    void checkSaved();

    const Options& options_;
    std::ostream& out_;
    std::mt19937_64 random_;
    HeadlessHost host_;
    std::unique_ptr<FileRegistry> store_;
    std::string path_;
    std::ofstream trace_;
    RunState state_;
    Outcome outcome_;
    std::deque<std::string> recent_;
    Ending ending_ = Ending::None;
    bool loadPending_ = false;
    bool finalRun_ = false;
    int windDownTries_ = 0;
    int lastTop_ = -1;
    // The numbers of the last save, and the records as they were saved.
    std::vector<std::uint32_t> saved_ = storedNumbers(PreferenceData{}, DefaultData{});
    PreferenceData savedPreferences_;
    DefaultData savedDefaults_;
    // What the monkey itself typed into each control of the top window since it opened.
    std::map<int, std::vector<std::string>> typed_;
    std::vector<std::string> newMessages_;
};

void Monkey::play(const std::string& line) {
    ++outcome_.actions;
    recent_.push_back(line);
    if (recent_.size() > kActionsKept) {
        recent_.pop_front();
    }
    if (trace_) {
        trace_ << line << "\n" << std::flush;
    }
    if (options_.verbose) {
        out_ << line << "\n";
    }
}

void Monkey::fail(const std::string& what) {
    std::ostringstream report;
    report << "seed " << options_.seed << ", action " << outcome_.actions << ": " << what;
    outcome_.failures.push_back(report.str());
    out_ << "monkey: FAILED: " << report.str() << "\n";
    out_ << "monkey: the last actions before it:\n";
    for (const std::string& line : recent_) {
        out_ << "    " << line << "\n";
    }
    throw Stop{};
}

void Monkey::check(bool ok, const std::string& what) {
    if (!ok) {
        fail(what);
    }
    ++outcome_.checks;
}

Outcome Monkey::run() {
    std::string folder = options_.folder;
    bool removeFolder = false;
    if (folder.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-monkey-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            outcome_.failures.push_back("cannot make a folder for the settings file");
            return outcome_;
        }
        folder = pattern;
        removeFolder = true;
    }
    std::filesystem::create_directories(folder);
    path_ = (std::filesystem::path(folder) / "registry.reg").string();
    std::filesystem::remove(path_);
    if (!options_.trace.empty()) {
        trace_.open(options_.trace, std::ios::trunc);
        trace_ << "# orvane-monkey --seed " << options_.seed << " --actions " << options_.actions
               << "\n# Replay: orvane-drive --store FILE THIS_SCRIPT (FILE new or missing)\n";
    }

    host_.setActionSource(this);
#ifdef ORVANE_MODEL_FILE
    host_.setDataFile("WMM.COF", std::string(ORVANE_MODEL_FILE));
#endif
    host_.onMessageBox = [this](const std::string& text) {
        ++outcome_.messages;
        newMessages_.push_back(text);
        if (options_.verbose) {
            out_ << "message: " << text << "\n";
        }
    };

    try {
        for (;;) {
            bool existed = false;
            const std::string before = readFileBytes(path_, existed);
            store_ = std::make_unique<FileRegistry>(path_);
            host_.setStore(store_.get());
            loadPending_ = true;
            ending_ = Ending::None;
            lastTop_ = -1;
            windDownTries_ = 0;
            play("start");
            int exitCode = 0;
            try {
                exitCode = runOrvane(host_, state_);
            } catch (const ScriptError& e) {
                host_.programEnded();
                fail(std::string("an action the host refused: ") + e.what());
            } catch (const Stop&) {
                host_.programEnded();
                throw;
            } catch (const std::exception& e) {
                host_.programEnded();
                fail(std::string("the program threw ") + e.what());
            }
            host_.programEnded();
            ++outcome_.runs;
            check(ending_ != Ending::None, "the program ended by itself");
            check(exitCode == 0, "the program ended with code " + std::to_string(exitCode));
            if (ending_ == Ending::WithoutSaving) {
                bool exists = false;
                const std::string after = readFileBytes(path_, exists);
                check(exists == existed && after == before,
                      "EXIT in the disclaimer changed the settings file");
            } else {
                checkSaved();
            }
            if (finalRun_) {
                break;
            }
            if (outcome_.actions >= options_.actions) {
                // One more start, to see the last save load back; it ends at once.
                finalRun_ = true;
            }
        }
    } catch (const Stop&) {
    }
    host_.setStore(nullptr);
    store_.reset();
    if (removeFolder) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    return outcome_;
}

void Monkey::playNext() {
    if (loadPending_) {
        loadPending_ = false;
        checkLoaded();
    }
    checkScreen();
    checkRecords();
    act();
}

void Monkey::act() {
    const int top = host_.topTemplate();
    if (top != lastTop_) {
        typed_.clear();
        lastTop_ = top;
    }
    newMessages_.clear();
    try {
        if (finalRun_ || outcome_.actions >= options_.actions) {
            windDown(top);
        } else if (top == kMainWindow) {
            actOnMain();
        } else {
            actInDialog(top);
        }
    } catch (const ScriptError& e) {
        fail(std::string("an action the host refused: ") + e.what());
    }
    for (const std::string& m : newMessages_) {
        for (const char* storeMessage : kStoreMessages) {
            check(m != storeMessage, "the settings store said \"" + m + "\" on a sound disk");
        }
    }
}

void Monkey::windDown(int top) {
    if (top == dlg::kSplash) {
        play("tap");
        host_.tap();
    } else if (top == dlg::kDisclaimer) {
        play("click 1");
        host_.click(ctl::disclaimer::kAccept);
    } else if (top == kMainWindow) {
        play("menu " + std::to_string(cmd::kExit));
        ending_ = Ending::Saving;
        host_.menu(cmd::kExit);
    } else {
        check(++windDownTries_ <= 6,
              "dialog " + std::to_string(top) + " does not close with Done or the close box");
        const bool done = windDownTries_ % 2 == 1;
        play(done ? "ok" : "cancel");
        host_.command(done ? kCommandOk : kCommandCancel, 0);
    }
}

void Monkey::actOnMain() {
    windDownTries_ = 0;
    const int roll = below(100);
    if (roll < 80) {
        std::vector<int> dialogs;
        for (const CommandEntry& e : commandTable()) {
            if (e.action == CommandAction::OpenDialog) {
                dialogs.push_back(e.command);
            }
        }
        const int command =
            dialogs[static_cast<std::size_t>(below(static_cast<int>(dialogs.size())))];
        play("menu " + std::to_string(command));
        host_.menu(command);
    } else if (roll < 84) {
        play("menu " + std::to_string(cmd::kHelp));
        host_.menu(cmd::kHelp);
    } else if (roll < 87) {
        play("repaint");
        host_.repaint();
    } else if (roll < 89) {
        play("elapse 61");
        host_.elapse(61.0);
    } else if (roll < 90) {
        // A second copy of the program: it brings the first forward and ends.
        play("start");
        RunState second;
        (void)runOrvane(host_, second);
    } else if (roll < 91) {
        play("tap");
        host_.tap();
    } else if (roll < 95) {
        play("menu " + std::to_string(cmd::kExit));
        ending_ = Ending::Saving;
        host_.menu(cmd::kExit);
    } else if (roll < 98) {
        play("key ctrl+q");
        ending_ = Ending::Saving;
        host_.accelerator('Q');
    } else {
        play("close-window");
        ending_ = Ending::Saving;
        host_.closeWindow();
    }
}

void Monkey::typeInto(int id, const std::string& text) {
    play("type " + std::to_string(id) + " " + quoteArgument(text));
    typed_[id].push_back(text);
    host_.type(id, text);
}

void Monkey::actInDialog(int templateId) {
    if (templateId == dlg::kSplash) {
        if (chance(80)) {
            play("tap");
            host_.tap();
        } else {
            play("elapse 5");
            host_.elapse(5.0);
        }
        return;
    }
    if (templateId == dlg::kDisclaimer) {
        if (chance(4)) {
            play("click 2");
            ending_ = Ending::WithoutSaving;
            host_.click(ctl::disclaimer::kExit);
        } else {
            play("click 1");
            host_.click(ctl::disclaimer::kAccept);
        }
        return;
    }

    const DialogTemplate* tmpl = findDialogTemplate(templateId);
    std::vector<int> fields, buttons, lists;
    if (tmpl != nullptr) {
        for (const ControlTemplate& c : tmpl->controls) {
            if (c.id < 0 || !host_.hasControl(c.id) || !host_.controlVisible(c.id) ||
                !host_.controlEnabled(c.id)) {
                continue;
            }
            const bool editable = (c.kind == ControlKind::Edit || c.kind == ControlKind::Combo) &&
                                  (c.style & cs::kReadOnly) == 0;
            if (editable) {
                fields.push_back(c.id);
            }
            if (c.kind == ControlKind::PushButton || c.kind == ControlKind::RadioButton) {
                buttons.push_back(c.id);
            }
            if (c.kind == ControlKind::Combo && !host_.listEntries(c.id).empty()) {
                lists.push_back(c.id);
            }
        }
    }
    auto any = [this](const std::vector<int>& ids) {
        return ids[static_cast<std::size_t>(below(static_cast<int>(ids.size())))];
    };

    const int roll = below(100);
    if (roll < 50 && !fields.empty()) {
        typeInto(any(fields), randomText());
    } else if (roll < 75 && !buttons.empty()) {
        const int id = any(buttons);
        play("click " + std::to_string(id));
        host_.click(id);
    } else if (roll < 83 && !lists.empty()) {
        const int id = any(lists);
        const auto entries = host_.listEntries(id);
        const std::string& entry =
            entries[static_cast<std::size_t>(below(static_cast<int>(entries.size())))];
        play("pick " + std::to_string(id) + " " + quoteArgument(entry));
        host_.pick(id, entry);
    } else if (roll < 88 && !(fields.empty() && buttons.empty())) {
        std::vector<int> focusable = fields;
        focusable.insert(focusable.end(), buttons.begin(), buttons.end());
        const int id = any(focusable);
        play("focus " + std::to_string(id));
        host_.focus(id);
    } else if (roll < 90) {
        play("help");
        host_.help();
    } else if (roll < 92) {
        const int seconds = 1 + below(120);
        play("elapse " + std::to_string(seconds));
        host_.elapse(seconds);
    } else if (roll < 96) {
        play("ok");
        host_.command(kCommandOk, 0);
    } else {
        play("cancel");
        host_.command(kCommandCancel, 0);
    }
}

std::string Monkey::randomText() {
    const int kind = below(100);
    if (kind < 30) {
        return kTexts[below(static_cast<int>(std::size(kTexts)))];
    }
    if (kind < 55) {
        std::string digits;
        const int n = 1 + below(8);
        for (int i = 0; i < n; ++i) {
            digits += static_cast<char>('0' + below(10));
        }
        return digits;
    }
    if (kind < 70) {
        std::string number = chance(30) ? "-" : "";
        number += std::to_string(below(100000));
        if (chance(60)) {
            number += "." + std::to_string(below(1000));
        }
        return number;
    }
    if (kind < 80) {
        return std::to_string(1 + below(9)) + "e" + std::to_string(below(801) - 400);
    }
    if (kind < 90) {
        std::string text;
        const int n = 15 + below(186);
        for (int i = 0; i < n; ++i) {
            if (chance(5)) {
                text += kUtf8[below(static_cast<int>(std::size(kUtf8)))];
            } else {
                text += static_cast<char>(' ' + below(95));  // printable ASCII
            }
        }
        return text;
    }
    if (kind < 95) {
        return "";
    }
    return std::string(1, static_cast<char>(' ' + below(95)));
}

void Monkey::checkScreen() {
    if (!host_.programRunning()) {
        return;
    }
    const int top = host_.topTemplate();
    const std::string where =
        top == kMainWindow ? "the main window" : "dialog " + std::to_string(top);
    check(!showsNotANumber(host_.topTitle()), where + " has the title " + host_.topTitle());
    if (top == kMainWindow) {
        for (const DrawCall& call : host_.lastMainPaint()) {
            if (call.kind == DrawCall::Kind::Text) {
                check(!showsNotANumber(call.text), "the summary panel shows \"" + call.text + "\"");
            }
        }
        return;
    }
    const DialogTemplate* tmpl = findDialogTemplate(top);
    if (tmpl == nullptr) {
        return;
    }
    for (const ControlTemplate& c : tmpl->controls) {
        if (c.id < 0 || !host_.hasControl(c.id)) {
            continue;
        }
        const std::string text = host_.controlText(c.id);
        // What the monkey typed is the pilot's text, not the program's: all of it, or the part
        // typed before a message box took the rest of the keystrokes.
        bool typedHere = false;
        if (const auto mine = typed_.find(c.id); mine != typed_.end() && !text.empty()) {
            for (const std::string& t : mine->second) {
                typedHere = typedHere || t.compare(0, text.size(), text) == 0;
            }
        }
        // The aircraft's name, in the list and the name field, is the pilot's text from an
        // earlier opening.
        const bool aircraftName =
            top == dlg::kAircraft && (c.id == ctl::aircraft::kList || c.id == ctl::aircraft::kName);
        if (typedHere || aircraftName) {
            continue;
        }
        check(!showsNotANumber(text),
              where + " control " + std::to_string(c.id) + " shows \"" + text + "\"");
    }
}

void Monkey::checkRecords() {
    for (const NamedRecordField& f : recordFields(state_)) {
        if (const auto* d = std::get_if<double*>(&f.field)) {
            check(std::isfinite(**d),
                  "the record " + std::string(f.name) + " holds " + formatC("%g", **d));
        }
    }
}

void Monkey::checkLoaded() {
    PreferenceData p;
    DefaultData d;
    loadedFrom(saved_, p, d);
    RunState want;
    want.preferences = p;
    want.defaults = d;
    // recordFields gives one table at a time: read the wanted values first.
    std::vector<double> wanted;
    for (const NamedRecordField& f : recordFields(want)) {
        if (const auto* v = std::get_if<double*>(&f.field)) {
            wanted.push_back(**v);
        } else {
            wanted.push_back(*std::get<std::int32_t*>(f.field));
        }
    }
    // The fields the settings file keeps.
    static const std::set<std::string> kStored = {
        "tempCelsius", "pressureMillibars", "varModel", "latitude", "longitude",
        "basicWeight", "basicArm",          "fuelArm",  "row1Arm",  "row2Arm",
        "row3Arm",     "bags1Arm",          "bags2Arm", "auxArm",   "tas",
        "fuelFlow",    "hourlyCost"};
    std::size_t i = 0;
    for (const NamedRecordField& f : recordFields(state_)) {
        const std::string name(f.name);
        if (kStored.count(name) != 0) {
            double got = 0.0;
            if (const auto* v = std::get_if<double*>(&f.field)) {
                got = **v;
            } else {
                got = *std::get<std::int32_t*>(f.field);
            }
            check(sameBits(got, wanted[i]), "after a restart " + name + " is " +
                                                formatC("%.17g", got) + ", saved as " +
                                                formatC("%.17g", wanted[i]));
        }
        ++i;
    }

    // The stored form keeps what the pilot can see: a hundredth of a minute of the position,
    // whole tenths of an arm, a tenth of a knot, of a flow, of a cost.
    const DefaultData& s = savedDefaults_;
    const DefaultData& now = state_.defaults;
    auto near = [&](const char* name, double was, double is, double step) {
        if (!(std::fabs(was) / step < 2147483647.0)) {
            return;  // not representable: stored as 0
        }
        check(std::fabs(is - was) <= step * (1.0 + 1e-9) + 1e-9 * std::fabs(was),
              std::string("after a restart ") + name + " is " + formatC("%.17g", is) +
                  ", far from the saved " + formatC("%.17g", was));
    };
    near("latitude", s.latitude, now.latitude, 0.01);
    near("longitude", s.longitude, now.longitude, 0.01);
    for (auto arm : kArms) {
        near("an arm", s.*arm, now.*arm, 1.0);
    }
    for (auto field : kTenths) {
        near("tas, fuel flow or hourly cost", s.*field, now.*field, 0.1);
    }
}

void Monkey::checkSaved() {
    const std::vector<std::uint32_t> want = storedNumbers(state_.preferences, state_.defaults);
    FileRegistry reread(path_);
    check(reread.loadResult() == FileRegistry::LoadResult::Loaded,
          "the settings file written at exit cannot be read back");
    for (std::size_t i = 0; i < kStoredCount; ++i) {
        const StoredValue& v = kStoredValues[i];
        for (const MemoryRegistry* store : {static_cast<const MemoryRegistry*>(store_.get()),
                                            static_cast<const MemoryRegistry*>(&reread)}) {
            const RegistryValue* got = store->data().findValue(v.key, v.name);
            const std::string where = store == store_.get() ? "the store" : "the settings file";
            check(
                got != nullptr && got->type == RegistryValue::Type::Dword && got->dword == want[i],
                where + " holds " + v.name + " = " +
                    (got == nullptr ? std::string("nothing")
                                    : formatInt(static_cast<std::int32_t>(got->dword))) +
                    " after exit, saved as " + formatInt(static_cast<std::int32_t>(want[i])));
        }
    }
    saved_ = want;
    savedPreferences_ = state_.preferences;
    savedDefaults_ = state_.defaults;
    ++outcome_.saves;
}

}  // namespace

bool showsNotANumber(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    auto letter = [](char c) { return c >= 'a' && c <= 'z'; };
    for (const char* word : {"nan", "inf"}) {
        for (std::size_t at = lower.find(word); at != std::string::npos;
             at = lower.find(word, at + 1)) {
            const bool startsWord = at == 0 || !letter(lower[at - 1]);
            const std::size_t end = at + 3;
            const bool endsWord =
                end == lower.size() || !letter(lower[end]) || lower.compare(end, 5, "inity") == 0;
            if (startsWord && endsWord) {
                return true;
            }
        }
    }
    return false;
}

Outcome runMonkey(const Options& options, std::ostream& out) {
    Monkey monkey(options, out);
    return monkey.run();
}

}  // namespace orvane::monkey
