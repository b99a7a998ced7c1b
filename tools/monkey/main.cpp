// orvane-monkey: random sessions over every dialog, and faults of the settings store.
//
//   orvane-monkey [--seed N] [--actions N] [--folder DIR] [--trace FILE] [--verbose]
//   orvane-monkey --store-faults [--folder DIR] [--verbose]
//   orvane-monkey --disk-faults [--folder DIR] [--verbose]
//
// A session plays N random actions from seed N (the same seed plays the same session) and stops
// at the first broken invariant, showing the last actions before it; --trace writes the whole
// session as a drive script as it plays, for orvane-drive to replay. The last line is
// "N passed, M failed" (checks); the exit code is 0 only when nothing failed.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "tools/monkey/faults.hpp"
#include "tools/monkey/monkey.hpp"

namespace {

int usage() {
    std::cerr << "usage: orvane-monkey [--seed N] [--actions N] [--folder DIR] [--trace FILE] "
                 "[--verbose]\n"
                 "       orvane-monkey --store-faults|--disk-faults [--folder DIR] [--verbose]\n";
    return 2;
}

bool number(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

std::string scratchFolder(const std::string& given, const char* name) {
    if (!given.empty()) {
        return given;
    }
    return (std::filesystem::temp_directory_path() /
            (std::string(name) + "-" + std::to_string(::getpid())))
        .string();
}

int report(const std::string& what, const orvane::monkey::FaultOutcome& o) {
    for (const std::string& line : o.overwritten) {
        std::cout << "faults: overwritten at exit: " << line << "\n";
    }
    std::cout << what << ": " << o.injected << " faults injected, " << o.overwritten.size()
              << " stored values overwritten after a failed read\n";
    // A value that could not be read at the start of a run must still be on disk after it.
    const std::size_t failed = o.failures.size() + o.overwritten.size();
    std::cout << o.checks << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    orvane::monkey::Options options;
    enum class Mode { Session, StoreFaults, DiskFaults } mode = Mode::Session;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        long value = 0;
        if (arg == "--seed" && i + 1 < argc && number(argv[i + 1], value)) {
            options.seed = static_cast<std::uint64_t>(value);
            ++i;
        } else if (arg == "--actions" && i + 1 < argc && number(argv[i + 1], value)) {
            options.actions = value;
            ++i;
        } else if (arg == "--folder" && i + 1 < argc) {
            options.folder = argv[++i];
        } else if (arg == "--trace" && i + 1 < argc) {
            options.trace = argv[++i];
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--store-faults") {
            mode = Mode::StoreFaults;
        } else if (arg == "--disk-faults") {
            mode = Mode::DiskFaults;
        } else {
            return usage();
        }
    }

    if (mode == Mode::StoreFaults) {
        const std::string folder = scratchFolder(options.folder, "orvane-store-faults");
        const auto outcome = orvane::monkey::runStoreFaults(folder, std::cout, options.verbose);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return report("store faults", outcome);
    }
    if (mode == Mode::DiskFaults) {
        const std::string folder = scratchFolder(options.folder, "orvane-disk-faults");
        const auto outcome = orvane::monkey::runDiskFaults(folder, std::cout, options.verbose);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return report("disk faults", outcome);
    }

    const auto outcome = orvane::monkey::runMonkey(options, std::cout);
    std::cout << "monkey: seed " << options.seed << ": " << outcome.actions << " actions played, "
              << outcome.runs << " runs, " << outcome.saves << " saves compared, "
              << outcome.messages << " message boxes\n";
    std::cout << outcome.checks << " passed, " << outcome.failures.size() << " failed\n";
    return outcome.failures.empty() ? 0 : 1;
}
