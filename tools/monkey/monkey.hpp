// The monkey: long random sessions of user actions over every dialog, played on the headless host
// against the whole program, with the settings in a real settings file.
//
// A session is reproducible from its seed: the same seed and number of actions play the same
// actions. After every action it checks that
//  * the program still runs (it ends only when the monkey chose Exit, Ctrl+Q, a close request or
//    EXIT in the disclaimer);
//  * no control of the top window (visible or not), its title and the summary panel shows "nan"
//    or "inf" (a text the monkey typed itself into a field is the pilot's, not the program's);
//  * no field of the shared records holds a number that is not finite;
//  * no message of the settings store appears (the disk is sound here);
// and after every exit and restart that the settings file holds the records that were saved and
// that the program loads them back (EXIT in the disclaimer saves nothing: the file is unchanged).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::monkey {

struct Options {
    std::uint64_t seed = 1;
    long actions = 3000;
    std::string folder;  // the settings file's folder: made when missing; a fresh one when empty
    std::string trace;   // when set, the session is written there as a drive script as it plays
    bool verbose = false;
};

struct Outcome {
    long actions = 0;   // user actions played, winding down included
    long checks = 0;    // invariant checks that held
    int runs = 0;       // times the program was started and ended
    int saves = 0;      // exits whose settings were compared with the file and the next load
    long messages = 0;  // message boxes the program showed
    std::vector<std::string> failures;
};

// Plays one session and reports on out (a line per failure, the last actions before it).
Outcome runMonkey(const Options& options, std::ostream& out);

// Whether a text shows "nan" or "inf" as a word of its own (any case, with or without a sign):
// what printf writes for a number that is not finite. "Info" or "Infant" do not count.
bool showsNotANumber(const std::string& text);

}  // namespace orvane::monkey
