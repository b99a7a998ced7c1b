// Faults of the settings store, played against the whole program on the headless host with a
// real settings file.
//
//  * Store faults: every registry operation that a load and a save make (open, read, close,
//    create, write, for each key and value) is made to fail in turn with the script driver's
//    store-fail, in a drive script of its own: start, change a preference, exit. Each script
//    checks the messages the program shows, and afterwards the file must still hold every line
//    that the program does not own, and each of its own values either as it was or as the run
//    meant to save it. A value whose reading failed at start is written back at exit as the
//    program then holds it (zero): those are listed, as the one way a fault loses a stored value.
//  * Disk faults: a read-only folder and a full disk, real ones where the machine allows (a small
//    tmpfs, mounted read-only or filled up) and else a folder without write permission (for root,
//    played by an account without privileges) and a file-size limit. Each shows the program's
//    messages, and the file's bytes must be the same before and after.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::monkey {

struct FaultOutcome {
    int injected = 0;  // faults injected (store operations made to fail, disk faults played)
    int checks = 0;    // checks that held
    std::vector<std::string> failures;
    // Stored values that a fault made the program overwrite (not failures: see above).
    std::vector<std::string> overwritten;
};

FaultOutcome runStoreFaults(const std::string& folder, std::ostream& out, bool verbose);
FaultOutcome runDiskFaults(const std::string& folder, std::ostream& out, bool verbose);

}  // namespace orvane::monkey
