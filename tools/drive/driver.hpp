// The script driver: plays a script of user actions and checks against the whole program on a
// host. Each line is one verb with its arguments; see the README for the language.
//
// Message boxes are confirmed with OK and printed as "message: TEXT". Questions (message boxes
// with Yes and No) are answered Yes and printed as "question: TEXT (Yes)"; the verb `answer no`
// makes the next question alone be answered No. Both count for `expect message` and
// `expect no-message`.
//
// Keys: `key ctrl+a` and `key ctrl+q` are the accelerators; `key enter`, `key escape`,
// `key space`, `key tab` and `key shift+tab` act in the top dialog by the rules of
// platform/keyboard.hpp (Enter taps the focused button or Calculate, Escape is Done, Tab walks the
// fields and buttons in screen order); `key f10`, `key alt+f`, `key alt+t` and the arrows
// (`key up|down|left|right`, with `key enter` and `key escape`) walk the main window's menu bar,
// and what they pick is the menu command. `key space` on a field is a script error (type it).
// `expect accessible ID TEXT` checks a control's accessible name; `expect accessible panel LINE`
// that the summary panel reads LINE ("True course: 230°") among its lines.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/appearance.hpp"
#include "platform/scripted_host.hpp"
#include "shell/run_state.hpp"

namespace orvane {

struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;
};

// Splits a script into lines of words: spaces separate, double quotes group (with \" and \\),
// '#' outside quotes starts a comment. Throws ScriptError for an unclosed quote.
std::vector<ScriptLine> parseScript(const std::string& text);

// A text as one drive-script argument: in double quotes, with \ and " escaped, so that
// parseScript reads it back as it was.
std::string quoteArgument(const std::string& text);

class Driver : public ActionSource {
  public:
    Driver(ScriptedHost& host, MemoryRegistry& store, std::ostream& out);

    // Plays a whole script; returns false when it ended with a script error.
    bool run(const std::string& name, const std::string& text);
    void playNext() override;

    int passed() const { return passed_; }
    int failed() const { return failed_; }

  private:
    void execute(const ScriptLine& line);
    void check(bool ok, const std::string& expected, const std::string& got);
    void expect(const std::vector<std::string>& w);
    void startProgram();
    std::string where() const;
    void applyPendingAppearance();
    void pixelCheck(bool measured, const std::vector<std::string>& faults,
                    const std::string& expected);
    Appearance shownAppearance() const;

    ScriptedHost& host_;
    MemoryRegistry& store_;
    std::ostream& out_;
    std::string file_;
    std::vector<ScriptLine> lines_;
    std::size_t next_ = 0;
    const ScriptLine* current_ = nullptr;
    RunState state_;
    int exitCode_ = -1;
    bool everExited_ = false;
    bool textNoteShown_ = false;
    bool pixelNoteShown_ = false;
    std::optional<Appearance> pendingAppearance_;  // the appearance verb's, before a start
    std::vector<std::string> messages_;
    std::size_t messagesChecked_ = 0;
    bool answerNo_ = false;  // the next question is answered No (else Yes)
    int passed_ = 0;
    int failed_ = 0;
};

}  // namespace orvane
