// orvane-drive [--host headless|qt] [--store FILE] [SCRIPT ...]
//
// Plays drive scripts against the whole program and prints "N passed, M failed" last. The exit
// code is 0 only when every check passed and no script had an error.
#include <clocale>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/headless_host.hpp"
#include "tools/drive/driver.hpp"
#ifdef ORVANE_HAVE_QT
#include "platform/qt/qt_scripted_host.hpp"
#endif
#ifdef ORVANE_HAVE_FILE_STORE
#include "platform/file_registry.hpp"
#endif

namespace {

int usage() {
    std::cerr << "usage: orvane-drive [--host headless|qt] [--store FILE] [SCRIPT ...]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The program runs in the user's locale on both hosts (the Qt host's application sets it up
    // the same way), so that a script shows it reads and writes numbers the same in every one.
    std::setlocale(LC_ALL, "");
    std::string hostName = "headless";
    std::string storeFile;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--host" && i + 1 < argc) {
            hostName = argv[++i];
        } else if (arg == "--store" && i + 1 < argc) {
            storeFile = argv[++i];
        } else if (arg.rfind("--", 0) == 0) {
            return usage();
        } else {
            scripts.push_back(arg);
        }
    }

    std::vector<std::pair<std::string, std::string>> texts;
    if (scripts.empty()) {
        std::stringstream all;
        all << std::cin.rdbuf();
        texts.emplace_back("<stdin>", all.str());
    }
    for (const std::string& name : scripts) {
        std::ifstream in(name, std::ios::binary);
        if (!in) {
            std::cerr << name << ": cannot be read\n";
            return 2;
        }
        std::stringstream all;
        all << in.rdbuf();
        texts.emplace_back(name, all.str());
    }

    int passed = 0;
    int failed = 0;
    bool errors = false;
    for (const auto& [name, text] : texts) {
        std::unique_ptr<orvane::ScriptedHost> host;
        if (hostName == "headless") {
            host = std::make_unique<orvane::HeadlessHost>();
        } else if (hostName == "qt") {
#ifdef ORVANE_HAVE_QT
            host = orvane::makeQtScriptedHost(argc, argv);
#else
            std::cerr << "this orvane-drive was built without the Qt host\n";
            return 2;
#endif
        } else {
            return usage();
        }
        std::unique_ptr<orvane::MemoryRegistry> store;
        if (storeFile.empty()) {
            store = std::make_unique<orvane::MemoryRegistry>();
        } else {
#ifdef ORVANE_HAVE_FILE_STORE
            store = std::make_unique<orvane::FileRegistry>(storeFile);
#else
            std::cerr << "this orvane-drive was built without the file store\n";
            return 2;
#endif
        }
#ifdef ORVANE_MODEL_FILE
        // The magnetic model the program ships with, whatever the user's data folder holds.
        host->setDataFile("WMM.COF", std::string(ORVANE_MODEL_FILE));
#endif
        orvane::Driver driver(*host, *store, std::cout);
        if (!driver.run(name, text)) {
            errors = true;
        }
        passed += driver.passed();
        failed += driver.failed();
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return (failed == 0 && !errors) ? 0 : 1;
}
