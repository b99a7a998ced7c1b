#include "tools/drive/driver.hpp"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <utility>

#include "calc/numbers.hpp"
#include "platform/appearance.hpp"
#include "shell/display.hpp"
#include "shell/main_window.hpp"

namespace orvane {

namespace {

int toInt(const std::string& word) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        return static_cast<int>(std::stol(word.substr(2), nullptr, 16));
    }
    std::size_t used = 0;
    const long value = std::stol(word, &used, 10);
    if (used != word.size()) {
        throw ScriptError("not a whole number: " + word);
    }
    return static_cast<int>(value);
}

// The program's own reader, not strtod: the Qt host sets the process locale from the
// environment, and a German one would stop "120.0" at the point.
double toReal(const std::string& word) {
    const std::optional<double> value = readWholeReal(word);
    if (!value) {
        throw ScriptError("not a number: " + word);
    }
    return *value;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string full(double value) {
    return formatC("%.17g", value);
}

void need(const std::vector<std::string>& w, std::size_t count, const char* usage) {
    if (w.size() < count) {
        throw ScriptError(std::string("usage: ") + usage);
    }
}

RegistryOperation toOperation(const std::string& word) {
    for (RegistryOperation op :
         {RegistryOperation::Open, RegistryOperation::Create, RegistryOperation::Read,
          RegistryOperation::Write, RegistryOperation::Close}) {
        if (word == registryOperationName(op)) {
            return op;
        }
    }
    throw ScriptError("unknown store operation " + word);
}

}  // namespace

std::string quoteArgument(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::vector<ScriptLine> parseScript(const std::string& text) {
    std::vector<ScriptLine> lines;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') {
            raw.pop_back();
        }
        ScriptLine line;
        line.number = number;
        std::size_t i = 0;
        while (i < raw.size()) {
            const char c = raw[i];
            if (c == ' ' || c == '\t') {
                ++i;
                continue;
            }
            if (c == '#') {
                break;
            }
            std::string word;
            if (c == '"') {
                ++i;
                bool closed = false;
                while (i < raw.size()) {
                    if (raw[i] == '\\' && i + 1 < raw.size() &&
                        (raw[i + 1] == '"' || raw[i + 1] == '\\')) {
                        word += raw[i + 1];
                        i += 2;
                    } else if (raw[i] == '"') {
                        closed = true;
                        ++i;
                        break;
                    } else {
                        word += raw[i++];
                    }
                }
                if (!closed) {
                    throw ScriptError("line " + std::to_string(number) + ": unclosed quote");
                }
            } else {
                while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t') {
                    word += raw[i++];
                }
            }
            line.words.push_back(std::move(word));
        }
        if (!line.words.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

Driver::Driver(ScriptedHost& host, MemoryRegistry& store, std::ostream& out)
    : host_(host), store_(store), out_(out) {
    host_.setActionSource(this);
    host_.setStore(&store_);
    host_.onMessageBox = [this](const std::string& text) {
        messages_.push_back(text);
        out_ << "message: " << text << "\n";
    };
    host_.onQuestion = [this](const std::string& text) {
        const bool yes = !answerNo_;
        answerNo_ = false;
        messages_.push_back(text);
        out_ << "question: " << text << (yes ? " (Yes)" : " (No)") << "\n";
        return yes;
    };
}

std::string Driver::where() const {
    return file_ + ":" + std::to_string(current_ ? current_->number : 0);
}

bool Driver::run(const std::string& name, const std::string& text) {
    file_ = name;
    try {
        lines_ = parseScript(text);
    } catch (const ScriptError& e) {
        out_ << file_ << ": error: " << e.what() << "\n";
        return false;
    }
    next_ = 0;
    try {
        while (next_ < lines_.size()) {
            playNext();
        }
    } catch (const ScriptError& e) {
        out_ << where() << ": error: " << e.what() << "\n";
        return false;
    } catch (const ScriptEnded&) {
        // The script ended while the program was running: it is simply not run any further.
    } catch (const std::exception& e) {
        out_ << where() << ": error: " << e.what() << "\n";
        return false;
    }
    return true;
}

void Driver::playNext() {
    if (next_ >= lines_.size()) {
        throw ScriptEnded{};
    }
    applyPendingAppearance();
    current_ = &lines_[next_++];
    try {
        execute(*current_);
    } catch (const std::invalid_argument&) {
        throw ScriptError("a number was expected");
    } catch (const std::out_of_range&) {
        throw ScriptError("a number is out of range");
    }
}

void Driver::applyPendingAppearance() {
    if (pendingAppearance_ && host_.programRunning()) {
        chooseDisplay(state_, host_, *std::exchange(pendingAppearance_, std::nullopt));
    }
}

void Driver::pixelCheck(bool measured, const std::vector<std::string>& faults,
                        const std::string& expected) {
    std::string got;
    for (const std::string& f : faults) {
        got += "\n  " + f;
    }
    check(faults.empty(), expected, got);
    if (!measured && !pixelNoteShown_) {
        out_ << where() << ": note: the appearance is " << appearanceName(shownAppearance())
             << "; contrast and Night are measured on the picture on the Qt host only (here: "
                "the summary panel's colours)\n";
        pixelNoteShown_ = true;
    }
}

Appearance Driver::shownAppearance() const {
    return appearanceFromStore(static_cast<std::uint32_t>(state_.preferences.display));
}

void Driver::check(bool ok, const std::string& expected, const std::string& got) {
    if (ok) {
        ++passed_;
        return;
    }
    ++failed_;
    out_ << where() << ": expected " << expected << ", got " << got << "\n";
}

void Driver::startProgram() {
    if (host_.programRunning()) {
        // A second copy: the single-instance rule brings the first forward and ends it.
        RunState second;
        (void)runOrvane(host_, second);
        return;
    }
    messages_.clear();
    messagesChecked_ = 0;
    struct Ended {
        ScriptedHost& host;
        ~Ended() { host.programEnded(); }
    } ended{host_};
    exitCode_ = runOrvane(host_, state_);
    everExited_ = true;
}

void Driver::execute(const ScriptLine& line) {
    const auto& w = line.words;
    const std::string& verb = w[0];
    if (verb == "clock") {
        need(w, 2, "clock YYYY-MM-DD");
        Date d;
        if (std::sscanf(w[1].c_str(), "%d-%d-%d", &d.year, &d.month, &d.day) != 3) {
            throw ScriptError("clock takes YYYY-MM-DD");
        }
        host_.setDate(d);
    } else if (verb == "locale") {
        need(w, 3, "locale currency TEXT | locale date-order N");
        if (w[1] == "currency") {
            host_.setCurrency(w[2]);
        } else if (w[1] == "date-order") {
            host_.setDateOrder(w[2]);
        } else {
            throw ScriptError("unknown locale setting " + w[1]);
        }
    } else if (verb == "store-set") {
        need(w, 5, "store-set KEY NAME dword N | sz TEXT");
        RegistryValue v;
        v.name = w[2] == "@" ? "" : w[2];
        if (w[3] == "dword") {
            v.type = RegistryValue::Type::Dword;
            v.dword = static_cast<std::uint32_t>(std::stoll(w[4], nullptr, 0));
        } else if (w[3] == "sz") {
            v.type = RegistryValue::Type::String;
            v.text = w[4];
        } else {
            throw ScriptError("store-set takes dword or sz");
        }
        store_.data().setValue(w[1], std::move(v));
    } else if (verb == "store-fail") {
        need(w, 2, "store-fail OPERATION [KEY [NAME]]");
        store_.failFromNow(toOperation(w[1]), w.size() > 2 ? w[2] : "",
                           w.size() > 3 ? (w[3] == "@" ? "" : w[3]) : "");
    } else if (verb == "store-dump") {
        out_ << store_.data().toText();
    } else if (verb == "data-file") {
        need(w, 3, "data-file NAME FILE | data-file NAME missing");
        if (w[2] == "missing") {
            host_.setDataFile(w[1], std::nullopt);
        } else {
            // A relative FILE is taken from the script's folder.
            const std::size_t slash = file_.rfind('/');
            const bool relative = w[2].empty() || w[2][0] != '/';
            host_.setDataFile(w[1], relative && slash != std::string::npos
                                        ? file_.substr(0, slash + 1) + w[2]
                                        : w[2]);
        }
    } else if (verb == "help-viewer") {
        need(w, 2, "help-viewer missing|close");
        if (w[1] == "missing") {
            host_.setHelpViewerMissing(true);
        } else if (w[1] == "close") {
            host_.closeHelpViewer();
        } else {
            throw ScriptError("help-viewer missing|close");
        }
    } else if (verb == "set") {
        need(w, 3, "set NAME VALUE");
        RecordField field;
        if (!findRecordField(state_, w[1], field)) {
            throw ScriptError("no record field " + w[1]);
        }
        if (auto* d = std::get_if<double*>(&field)) {
            **d = toReal(w[2]);
        } else {
            *std::get<std::int32_t*>(field) = toInt(w[2]);
        }
    } else if (verb == "start") {
        startProgram();
    } else if (verb == "tap") {
        host_.tap();
    } else if (verb == "elapse") {
        need(w, 2, "elapse SECONDS");
        host_.elapse(toReal(w[1]));
    } else if (verb == "tick") {
        need(w, 2, "tick ID [COUNT]");
        host_.tick(toInt(w[1]), w.size() > 2 ? toInt(w[2]) : 1);
    } else if (verb == "zoom") {
        need(w, 2, "zoom Z");
        const double zoom = toReal(w[1]);
        if (!(zoom >= 1.0 && zoom <= 8.0)) {
            throw ScriptError("zoom takes a number from 1 to 8");
        }
        host_.setZoom(zoom);
    } else if (verb == "appearance") {
        need(w, 2, "appearance auto|day|night");
        const std::optional<Appearance> choice = appearanceNamed(w[1]);
        if (!choice) {
            throw ScriptError("appearance takes auto, day or night");
        }
        // The pilot's choice, as Preferences makes it: at once, or as soon as the next start
        // has loaded the settings (and before its first window waits for the pilot).
        pendingAppearance_ = choice;
        applyPendingAppearance();
    } else if (verb == "desktop") {
        need(w, 2, "desktop light|dark");
        if (w[1] != "light" && w[1] != "dark") {
            throw ScriptError("desktop takes light or dark");
        }
        host_.setDesktopDark(w[1] == "dark");
    } else if (verb == "repaint") {
        host_.repaint();
    } else if (verb == "menu") {
        need(w, 2, "menu ID");
        host_.menu(toInt(w[1]));
    } else if (verb == "key") {
        need(w, 2,
             "key ctrl+a | ctrl+q | enter | escape | tab | shift+tab | space | alt+f | alt+t | f10 "
             "| up | down | left | right");
        if (const std::optional<Key> key = keyNamed(w[1])) {
            host_.key(*key);
        } else if (w[1].size() == 6 && w[1].compare(0, 5, "ctrl+") == 0) {
            char letter = w[1][5];
            if (letter >= 'a' && letter <= 'z') {
                letter = static_cast<char>(letter - 'a' + 'A');
            }
            host_.accelerator(letter);
        } else {
            throw ScriptError("unknown key " + w[1]);
        }
    } else if (verb == "close-window") {
        host_.closeWindow();
    } else if (verb == "focus") {
        need(w, 2, "focus ID");
        host_.focus(toInt(w[1]));
    } else if (verb == "type") {
        need(w, 3, "type ID TEXT");
        host_.type(toInt(w[1]), w[2]);
    } else if (verb == "click") {
        need(w, 2, "click ID");
        host_.click(toInt(w[1]));
    } else if (verb == "pick") {
        need(w, 3, "pick ID TEXT");
        host_.pick(toInt(w[1]), w[2]);
    } else if (verb == "ok") {
        host_.command(kCommandOk, 0);
    } else if (verb == "cancel") {
        host_.command(kCommandCancel, 0);
    } else if (verb == "command") {
        need(w, 2, "command ID [CODE]");
        host_.command(toInt(w[1]), w.size() > 2 ? toInt(w[2]) : 0);
    } else if (verb == "help") {
        host_.help();
    } else if (verb == "answer") {
        need(w, 2, "answer no | yes");
        if (w[1] != "no" && w[1] != "yes") {
            throw ScriptError("answer takes no or yes");
        }
        answerNo_ = w[1] == "no";
    } else if (verb == "expect") {
        expect(w);
    } else if (verb == "show") {
        need(w, 2, "show ID");
        out_ << w[1] << ": " << quoted(host_.controlText(toInt(w[1]))) << "\n";
    } else if (verb == "dump") {
        out_ << host_.describeTop();
    } else if (verb == "summary") {
        for (const DrawCall& c : host_.lastMainPaint()) {
            if (c.kind == DrawCall::Kind::Text) {
                out_ << quoted(c.text) << " ";
            }
        }
        out_ << "\n";
    } else if (verb == "state") {
        for (const auto& f : recordFields(state_)) {
            out_ << f.name << " = ";
            if (auto* d = std::get_if<double*>(&f.field)) {
                out_ << full(**d);
            } else {
                out_ << *std::get<std::int32_t*>(f.field);
            }
            out_ << "\n";
        }
    } else if (verb == "shot") {
        need(w, 2, "shot FILE.png [ID]");
        const int control = w.size() > 2 ? toInt(w[2]) : 0;
        if (control != 0 && !host_.hasControl(control)) {
            throw ScriptError("no control " + w[2] + " in the top window");
        }
        if (!host_.shot(w[1], control)) {
            out_ << where() << ": note: this host takes no pictures (" << w[1] << ")\n";
        }
    } else {
        throw ScriptError("unknown verb " + verb);
    }
}

void Driver::expect(const std::vector<std::string>& w) {
    need(w, 2, "expect WHAT ...");
    const std::string& what = w[1];
    if (what == "text") {
        need(w, 4, "expect text ID TEXT");
        const int id = toInt(w[2]);
        if (!host_.hasControl(id)) {
            throw ScriptError("no control " + w[2] + " in the top window");
        }
        const std::string got = host_.controlText(id);
        check(got == w[3], "text of " + w[2] + " " + quoted(w[3]), quoted(got));
    } else if (what == "title") {
        need(w, 3, "expect title TEXT");
        const std::string got = host_.topTitle();
        check(got == w[2], "title " + quoted(w[2]), quoted(got));
    } else if (what == "dialog") {
        need(w, 3, "expect dialog N");
        const int got = host_.programRunning() ? host_.topTemplate() : -1;
        check(got == toInt(w[2]), "dialog " + w[2], std::to_string(got));
    } else if (what == "visible" || what == "hidden" || what == "checked" || what == "unchecked" ||
               what == "focus" || what == "enabled" || what == "disabled") {
        need(w, 3, "expect visible|hidden|checked|unchecked|enabled|disabled|focus ID");
        const int id = toInt(w[2]);
        if (!host_.hasControl(id)) {
            throw ScriptError("no control " + w[2] + " in the top window");
        }
        bool ok = false;
        std::string got;
        if (what == "visible" || what == "hidden") {
            const bool v = host_.controlVisible(id);
            ok = v == (what == "visible");
            got = v ? "visible" : "hidden";
        } else if (what == "enabled" || what == "disabled") {
            const bool e = host_.controlEnabled(id);
            ok = e == (what == "enabled");
            got = e ? "enabled" : "disabled";
        } else if (what == "focus") {
            const int f = host_.focusedControl();
            ok = f == id;
            got = "focus on " + std::to_string(f);
        } else {
            const bool c = host_.controlChecked(id);
            ok = c == (what == "checked");
            got = c ? "checked" : "unchecked";
        }
        check(ok, w[2] + " " + what, got);
    } else if (what == "list") {
        // With nothing after the id, the list must be empty.
        if (w.size() != 3) {
            need(w, 6, "expect list ID [COUNT FIRST LAST]");
        }
        const auto list = host_.listEntries(toInt(w[2]));
        const std::string got = std::to_string(list.size()) + " " +
                                (list.empty() ? "-" : quoted(list.front())) + " " +
                                (list.empty() ? "-" : quoted(list.back()));
        if (w.size() == 3) {
            check(list.empty(), "an empty list", got);
        } else {
            const bool ok = static_cast<int>(list.size()) == toInt(w[3]) && !list.empty() &&
                            list.front() == w[4] && list.back() == w[5];
            check(ok, "list " + w[3] + " " + quoted(w[4]) + " " + quoted(w[5]), got);
        }
    } else if (what == "message") {
        need(w, 3, "expect message TEXT");
        if (messagesChecked_ >= messages_.size()) {
            check(false, "message " + quoted(w[2]), "no message");
        } else {
            const std::string& got = messages_[messagesChecked_++];
            check(got == w[2], "message " + quoted(w[2]), quoted(got));
        }
    } else if (what == "no-message") {
        const bool ok = messagesChecked_ >= messages_.size();
        check(ok, "no message", ok ? "none" : "message " + quoted(messages_[messagesChecked_]));
        messagesChecked_ = messages_.size();
    } else if (what == "help") {
        need(w, 3, "expect help ARGUMENT");
        const ScriptedHost::HelpWindow& viewer = host_.helpWindow();
        const std::string got = viewer.open ? quoted(viewer.page) : "no help viewer";
        check(viewer.open && viewer.page == w[2], "help " + quoted(w[2]), got);
    } else if (what == "help-viewers") {
        need(w, 3, "expect help-viewers COUNT");
        const int started = host_.helpViewersStarted();
        check(started == toInt(w[2]), "help-viewers " + w[2], std::to_string(started) + " started");
    } else if (what == "panel") {
        need(w, 4, "expect panel LABEL TEXT");
        std::vector<std::string> texts;
        for (const DrawCall& c : host_.lastMainPaint()) {
            if (c.kind == DrawCall::Kind::Text) {
                texts.push_back(c.text);
            }
        }
        std::string got = "no label " + quoted(w[2]);
        bool found = false;
        if (w[2] == "cost") {
            if (!texts.empty()) {
                got = quoted(texts.back());
                found = texts.back() == w[3];
            }
        } else {
            for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
                if (texts[i] == w[2]) {
                    got = quoted(texts[i + 1]);
                    found = texts[i + 1] == w[3];
                    break;
                }
            }
        }
        check(found, "panel " + w[2] + " " + quoted(w[3]), got);
    } else if (what == "record") {
        need(w, 4, "expect record NAME VALUE [TOLERANCE]");
        RecordField field;
        if (!findRecordField(state_, w[2], field)) {
            throw ScriptError("no record field " + w[2]);
        }
        if (auto* d = std::get_if<double*>(&field)) {
            const double want = toReal(w[3]);
            const double tolerance = w.size() > 4 ? toReal(w[4]) : 0.0;
            const double got = **d;
            const bool ok = tolerance > 0.0 ? std::fabs(got - want) <= tolerance : got == want;
            check(ok, w[2] + " " + w[3] + (tolerance > 0.0 ? " within " + w[4] : ""), full(got));
        } else {
            const int got = *std::get<std::int32_t*>(field);
            check(got == toInt(w[3]), w[2] + " " + w[3], std::to_string(got));
        }
    } else if (what == "store") {
        need(w, 5, "expect store KEY NAME dword N | sz TEXT | none");
        const std::string name = w[3] == "@" ? "" : w[3];
        const RegistryValue* v = store_.data().findValue(w[2], name);
        std::string got = "none";
        if (v != nullptr) {
            if (v->type == RegistryValue::Type::Dword) {
                got = "dword " + std::to_string(v->dword);
            } else if (v->type == RegistryValue::Type::String) {
                got = "sz " + quoted(v->text);
            } else {
                got = "other " + v->text;
            }
        }
        std::string want;
        if (w[4] == "none") {
            want = "none";
        } else {
            need(w, 6, "expect store KEY NAME dword N | sz TEXT");
            if (w[4] == "dword") {
                want = "dword " +
                       std::to_string(static_cast<std::uint32_t>(std::stoll(w[5], nullptr, 0)));
            } else {
                want = "sz " + quoted(w[5]);
            }
        }
        check(got == want, "store " + w[2] + " " + w[3] + " " + want, got);
    } else if (what == "accessible") {
        need(w, 4, "expect accessible ID TEXT | expect accessible panel LINE");
        if (w[2] == "panel") {
            const std::vector<std::string> lines = host_.panelText();
            bool found = false;
            std::string got;
            for (const std::string& line : lines) {
                found = found || line == w[3];
                got += (got.empty() ? "" : " / ") + quoted(line);
            }
            check(found, "a panel line " + quoted(w[3]), got.empty() ? "no lines" : got);
        } else {
            const int id = toInt(w[2]);
            if (!host_.hasControl(id)) {
                throw ScriptError("no control " + w[2] + " in the top window");
            }
            const std::string got = host_.accessibleName(id);
            check(got == w[3], "accessible name of " + w[2] + " " + quoted(w[3]), quoted(got));
        }
    } else if (what == "running") {
        check(host_.programRunning(), "the program running",
              everExited_ ? "exited with " + std::to_string(exitCode_) : "not started");
    } else if (what == "exited") {
        need(w, 3, "expect exited CODE");
        const bool ok = !host_.programRunning() && everExited_ && exitCode_ == toInt(w[2]);
        check(ok, "exited " + w[2],
              host_.programRunning()
                  ? "running"
                  : (everExited_ ? "exited " + std::to_string(exitCode_) : "not started"));
    } else if (what == "contrast") {
        bool measured = false;
        const std::vector<std::string> faults = host_.contrastFaults(measured);
        pixelCheck(measured, faults, "every text at least 4.5:1 against its background");
    } else if (what == "night") {
        bool measured = false;
        const std::vector<std::string> faults = host_.nightFaults(measured);
        pixelCheck(measured, faults, "no green or blue above 48 for Night");
    } else if (what == "shade") {
        need(w, 3, "expect shade day|dusk|night");
        if (!shadeNamed(w[2])) {
            throw ScriptError("expect shade takes day, dusk or night");
        }
        const std::string got(shadeName(host_.shade()));
        check(got == w[2], "shade " + w[2], got);
    } else if (what == "layout") {
        bool textChecked = false;
        const std::vector<std::string> faults = host_.layoutFaults(textChecked);
        std::string got;
        for (const std::string& f : faults) {
            got += "\n  " + f;
        }
        check(faults.empty(), "every control in place and readable", got);
        if (!textChecked && !textNoteShown_) {
            out_ << where() << ": note: text fitting is checked on the Qt host only\n";
            textNoteShown_ = true;
        }
    } else {
        throw ScriptError("unknown check " + what);
    }
}

}  // namespace orvane
