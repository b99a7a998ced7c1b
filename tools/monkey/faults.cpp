#include "tools/monkey/faults.hpp"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <tuple>

#include "platform/file_registry.hpp"
#include "platform/headless/headless_host.hpp"
#include "shell/aircraft.hpp"
#include "shell/aircraft_store.hpp"
#include "shell/settings_store.hpp"
#include "tools/drive/driver.hpp"

namespace orvane::monkey {

namespace {

namespace fs = std::filesystem;

const std::string kPrefs = kPreferencesKey;
const std::string kDefs = kDefaultsKey;
const std::string kFleet = kAircraftKey;
// The one aircraft profile a file from before profiles becomes.
const std::string kFirstProfile = kFleet + "\\" + kFirstAircraftName;

constexpr const char* kRead = "Could not read Key";
constexpr const char* kOpen = "Could not open Key";
constexpr const char* kClose = "Could not close Key";
constexpr const char* kCreate = "Could not create Key";
constexpr const char* kSet = "Could not set value Key";

// The settings file every fault starts from: the program's values (none of them zero), and
// what it does not own: a comment, another hive's key and a value of its own key it does not use.
const char kSeedFile[] =
    "REGEDIT4\n"
    "; kept by the pilot\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\n"
    "\"x\"=\"y\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\software\\Kelbrin Software\\kq7d]\n"
    "@=\"Preference data\"\n"
    "\"Temp\"=dword:00000001\n"
    "\"Press\"=dword:00000001\n"
    "\"VarModel\"=dword:00000000\n"
    "\"Extra\"=\"kept\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\software\\Kelbrin Software\\kq7d\\def]\n"
    "@=\"Default data\"\n"
    "\"Lat\"=dword:0004b681\n"
    "\"NS\"=dword:00000001\n"
    "\"Lon\"=dword:00000032\n"
    "\"EW\"=dword:00000001\n"
    "\"BasicW\"=dword:000005aa\n"
    "\"BasicA\"=dword:00000357\n"
    "\"Fuel\"=dword:00000384\n"
    "\"Row1\"=dword:00000370\n"
    "\"Row2\"=dword:000004b0\n"
    "\"Row3\"=dword:000005dc\n"
    "\"Bags1\"=dword:00000708\n"
    "\"Bags2\"=dword:00000834\n"
    "\"Aux\"=dword:00000258\n"
    "\"Tas\"=dword:000004b5\n"
    "\"Cons\"=dword:00000064\n"
    "\"Hrcost\"=dword:00000052\n";

// Lines of the seed file the program does not own: each must be in the file after any fault.
const char* const kForeignLines[] = {"; kept by the pilot", "[HKEY_CURRENT_USER\\Software\\Other]",
                                     "\"x\"=\"y\"", "\"Extra\"=\"kept\""};

// The run every fault plays: Fahrenheit instead of Celsius in Preferences, then Exit. Its
// intended change to the file is "Temp" from 1 to 0.
const char kSession[] =
    "tap\n"
    "click 1\n"
    "menu 40038\n"
    "click 1111\n"
    "cancel\n"
    "menu 40002\n";

// One registry operation of the settings store, with what a failure of it shows.
struct Step {
    RegistryOperation op;
    const std::string* key;
    const char* name;     // "" for the key itself, or the unnamed value when writing
    const char* message;  // null: a failure says nothing
};

// The load and the save, step by step, as the settings store makes them.
const Step kLoadSteps[] = {
    {RegistryOperation::Open, &kPrefs, "",
     nullptr},  // the first run: nothing to say, and the load stops
    {RegistryOperation::Read, &kPrefs, "Temp", kRead},
    {RegistryOperation::Read, &kPrefs, "Press", kRead},
    {RegistryOperation::Read, &kPrefs, "VarModel", nullptr},
    {RegistryOperation::Read, &kPrefs, "Display", nullptr},
    {RegistryOperation::Close, &kPrefs, "", kClose},
    {RegistryOperation::Open, &kDefs, "", kOpen},
    {RegistryOperation::Read, &kDefs, "Lat", kRead},
    {RegistryOperation::Read, &kDefs, "NS", nullptr},
    {RegistryOperation::Read, &kDefs, "Lon", kRead},
    {RegistryOperation::Read, &kDefs, "EW", nullptr},
    {RegistryOperation::Read, &kDefs, "BasicW", kRead},
    {RegistryOperation::Read, &kDefs, "BasicA", kRead},
    {RegistryOperation::Read, &kDefs, "Fuel", kRead},
    {RegistryOperation::Read, &kDefs, "Row1", kRead},
    {RegistryOperation::Read, &kDefs, "Row2", kRead},
    {RegistryOperation::Read, &kDefs, "Row3", kRead},
    {RegistryOperation::Read, &kDefs, "Bags1", kRead},
    {RegistryOperation::Read, &kDefs, "Bags2", kRead},
    {RegistryOperation::Read, &kDefs, "Aux", kRead},
    {RegistryOperation::Read, &kDefs, "Tas", kRead},
    {RegistryOperation::Read, &kDefs, "Cons", kRead},
    {RegistryOperation::Read, &kDefs, "Hrcost", kRead},
    {RegistryOperation::Close, &kDefs, "", kClose},
    // The aircraft profiles, read without a word: the current name (the profiles are found
    // without opening a key).
    {RegistryOperation::Open, &kPrefs, "", nullptr},
    {RegistryOperation::Close, &kPrefs, "", nullptr},
};
const Step kSaveSteps[] = {
    {RegistryOperation::Create, &kPrefs, "", kCreate},
    {RegistryOperation::Write, &kPrefs, "", kSet},
    {RegistryOperation::Write, &kPrefs, "Temp", kSet},
    {RegistryOperation::Write, &kPrefs, "Press", kSet},
    {RegistryOperation::Write, &kPrefs, "VarModel", nullptr},
    {RegistryOperation::Write, &kPrefs, "Display", nullptr},
    {RegistryOperation::Close, &kPrefs, "", kClose},
    {RegistryOperation::Create, &kDefs, "", kCreate},
    {RegistryOperation::Write, &kDefs, "", kSet},
    {RegistryOperation::Write, &kDefs, "Lat", kSet},
    {RegistryOperation::Write, &kDefs, "NS", nullptr},
    {RegistryOperation::Write, &kDefs, "Lon", kSet},
    {RegistryOperation::Write, &kDefs, "EW", nullptr},
    {RegistryOperation::Write, &kDefs, "BasicW", kSet},
    {RegistryOperation::Write, &kDefs, "BasicA", kSet},
    {RegistryOperation::Write, &kDefs, "Fuel", kSet},
    {RegistryOperation::Write, &kDefs, "Row1", kSet},
    {RegistryOperation::Write, &kDefs, "Row2", kSet},
    {RegistryOperation::Write, &kDefs, "Row3", kSet},
    {RegistryOperation::Write, &kDefs, "Bags1", kSet},
    {RegistryOperation::Write, &kDefs, "Bags2", kSet},
    {RegistryOperation::Write, &kDefs, "Aux", kSet},
    {RegistryOperation::Write, &kDefs, "Tas", kSet},
    {RegistryOperation::Write, &kDefs, "Cons", kSet},
    {RegistryOperation::Write, &kDefs, "Hrcost", kSet},
    {RegistryOperation::Close, &kDefs, "", kClose},
    // The aircraft profiles, written without a word: "My aircraft", then the current name.
    {RegistryOperation::Create, &kFirstProfile, "", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "BasicW", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "BasicA", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Fuel", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Row1", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Row2", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Row3", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Bags1", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Bags2", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Aux", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Tas", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Cons", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Hrcost", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Mtow", nullptr},
    {RegistryOperation::Write, &kFirstProfile, "Envelope", nullptr},
    {RegistryOperation::Close, &kFirstProfile, "", nullptr},
    {RegistryOperation::Create, &kPrefs, "", nullptr},
    {RegistryOperation::Write, &kPrefs, "Aircraft", nullptr},
    {RegistryOperation::Close, &kPrefs, "", nullptr},
};

struct Fault {
    RegistryOperation op;
    std::string key;
    std::string name;  // "" matches every value of the key, as store-fail does
    bool operator<(const Fault& o) const {
        return std::tie(op, key, name) < std::tie(o.op, o.key, o.name);
    }
    bool operator==(const Fault& o) const {
        return std::tie(op, key, name) == std::tie(o.op, o.key, o.name);
    }
};

bool matches(const Fault& f, const Step& s) {
    return f.op == s.op && f.key == *s.key && (f.name.empty() || f.name == s.name);
}

// What a phase shows with the fault, and which values its failed reads leave unread.
struct Expected {
    std::vector<std::string> messages;
    std::set<std::string> unread;
    bool stopped = false;  // the load stopped at the preferences key
};

template <std::size_t N>
void playSteps(const Step (&steps)[N], const Fault& fault, bool load, Expected& e) {
    std::set<std::string> keysNotOpen;
    for (const Step& s : steps) {
        bool fails = matches(fault, s);
        if ((s.op == RegistryOperation::Read || s.op == RegistryOperation::Write ||
             s.op == RegistryOperation::Close) &&
            keysNotOpen.count(*s.key) != 0) {
            fails = true;
        }
        if (!fails) {
            continue;
        }
        if (load && s.op == RegistryOperation::Open && *s.key == kPrefs) {
            e.stopped = true;
            return;
        }
        if (s.op == RegistryOperation::Open || s.op == RegistryOperation::Create) {
            keysNotOpen.insert(*s.key);
        }
        if (s.op == RegistryOperation::Read) {
            e.unread.insert(s.name);
        }
        if (s.message != nullptr) {
            e.messages.push_back(s.message);
        }
    }
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

bool writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

std::set<std::string> folderNames(const std::string& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A file store that notes every operation the program makes on it, with the key's path.
class RecordingRegistry : public FileRegistry {
  public:
    using FileRegistry::FileRegistry;
    std::vector<Fault> seen;

    bool open(std::string_view path, Key& key) override {
        seen.push_back({RegistryOperation::Open, std::string(path), ""});
        const bool ok = FileRegistry::open(path, key);
        return noted(ok, key, path);
    }
    bool create(std::string_view path, Key& key) override {
        seen.push_back({RegistryOperation::Create, std::string(path), ""});
        const bool ok = FileRegistry::create(path, key);
        return noted(ok, key, path);
    }
    bool readDword(Key key, std::string_view name, std::uint32_t& value) override {
        seen.push_back({RegistryOperation::Read, paths_[key], std::string(name)});
        return FileRegistry::readDword(key, name, value);
    }
    bool writeDword(Key key, std::string_view name, std::uint32_t value) override {
        seen.push_back({RegistryOperation::Write, paths_[key], std::string(name)});
        return FileRegistry::writeDword(key, name, value);
    }
    bool writeString(Key key, std::string_view name, std::string_view value) override {
        seen.push_back({RegistryOperation::Write, paths_[key], std::string(name)});
        return FileRegistry::writeString(key, name, value);
    }
    bool close(Key key) override {
        seen.push_back({RegistryOperation::Close, paths_[key], ""});
        return FileRegistry::close(key);
    }

  private:
    bool noted(bool ok, Key key, std::string_view path) {
        if (ok) {
            paths_[key] = std::string(path);
        }
        return ok;
    }
    std::map<Key, std::string> paths_;
};

// Plays a drive script on the headless host with the file store at path.
bool playScript(const std::string& name, const std::string& script, MemoryRegistry& store,
                std::ostream& out) {
    HeadlessHost host;
    Driver driver(host, store, out);
    const bool finished = driver.run(name, script);
    out << driver.passed() << " passed, " << driver.failed() << " failed\n";
    return finished && driver.failed() == 0;
}

struct Checker {
    FaultOutcome& outcome;
    std::ostream& out;
    void operator()(bool ok, const std::string& what) {
        if (ok) {
            ++outcome.checks;
        } else {
            outcome.failures.push_back(what);
            out << "faults: FAILED: " << what << "\n";
        }
    }
};

}  // namespace

FaultOutcome runStoreFaults(const std::string& folder, std::ostream& out, bool verbose) {
    FaultOutcome outcome;
    Checker check{outcome, out};
    fs::create_directories(folder);
    const std::string path = (fs::path(folder) / "registry.reg").string();

    // The operations a load and a save really make, in a run without faults.
    writeBytes(path, kSeedFile);
    std::vector<Fault> faults;
    {
        RecordingRegistry log(path);
        std::ostringstream played;
        const bool ok = playScript("clean", "start\n" + std::string(kSession) + "expect exited 0\n",
                                   log, played);
        check(ok, "the run without faults failed:\n" + played.str());
        std::set<Fault> unique;
        for (const Fault& f : log.seen) {
            if (unique.insert(f).second) {
                faults.push_back(f);
            }
        }
        std::set<Fault> described;
        for (const Step& s : kLoadSteps) {
            described.insert({s.op, *s.key, s.name});
        }
        for (const Step& s : kSaveSteps) {
            described.insert({s.op, *s.key, s.name});
        }
        check(unique == described,
              "the settings store made other operations than its load and save describe");
    }

    const std::map<std::string, std::uint32_t> original = [] {
        RegistryData data;
        RegistryDocument document;
        parseRegistryFile(kSeedFile, data, document);
        std::map<std::string, std::uint32_t> values;
        for (const RegistryKey& k : data.keys()) {
            for (const RegistryValue& v : k.values) {
                if (v.type == RegistryValue::Type::Dword) {
                    values[k.path + "|" + v.name] = v.dword;
                }
            }
        }
        return values;
    }();

    for (const Fault& fault : faults) {
        ++outcome.injected;
        const std::string label =
            std::string(registryOperationName(fault.op)) + " " + quoteArgument(fault.key) + " " +
            (fault.op == RegistryOperation::Write && fault.name.empty() ? std::string("@")
                                                                        : fault.name);
        Expected load, save;
        playSteps(kLoadSteps, fault, true, load);
        playSteps(kSaveSteps, fault, false, save);

        std::string script = "# store-fail at " + label + "\nstore-fail " + label + "\nstart\n";
        for (const std::string& m : load.messages) {
            script += "expect message " + quoteArgument(m) + "\n";
        }
        script += "expect no-message\n";
        script += kSession;
        for (const std::string& m : save.messages) {
            script += "expect message " + quoteArgument(m) + "\n";
        }
        script += "expect no-message\nexpect exited 0\n";

        writeBytes(path, kSeedFile);
        std::ostringstream played;
        bool ok = false;
        {
            FileRegistry store(path);
            ok = playScript("store-fail " + label, script, store, played);
        }
        if (verbose) {
            out << script << played.str();
        }
        check(ok, "store-fail " + label + ": the drive script failed:\n" + script + played.str());

        // What is on disk now.
        const std::string after = readBytes(path);
        for (const char* line : kForeignLines) {
            check(after.find(std::string(line) + "\n") != std::string::npos,
                  "store-fail " + label + ": the line " + line + " was lost");
        }
        check(!fs::exists(path + ".tmp"), "store-fail " + label + ": a temporary file was left");
        RegistryData data;
        RegistryDocument document;
        check(parseRegistryFile(after, data, document),
              "store-fail " + label + ": the file cannot be read any more");

        // Unread values hold what the program had before the load: zero on a fresh start. A
        // position that was not read takes its sign flag with it.
        std::set<std::string> unread = load.unread;
        if (load.stopped) {
            for (const auto& [id, value] : original) {
                unread.insert(id.substr(id.find('|') + 1));
            }
        }
        if (unread.count("Lat") != 0) {
            unread.insert("NS");
        }
        if (unread.count("Lon") != 0) {
            unread.insert("EW");
        }
        for (const auto& [id, was] : original) {
            const std::string key = id.substr(0, id.find('|'));
            const std::string name = id.substr(id.find('|') + 1);
            const RegistryValue* now = data.findValue(key, name);
            check(now != nullptr && now->type == RegistryValue::Type::Dword,
                  "store-fail " + label + ": the value " + name + " is gone from the file");
            if (now == nullptr) {
                continue;
            }
            const std::uint32_t intended = name == "Temp" ? 0u : was;
            const bool fine = now->dword == was || now->dword == intended;
            if (!fine && unread.count(name) != 0 && now->dword == 0) {
                outcome.overwritten.push_back("store-fail " + label + ": " + name + " " +
                                              std::to_string(was) + " became 0");
                continue;
            }
            check(fine, "store-fail " + label + ": " + name + " is " + std::to_string(now->dword) +
                            ", neither the stored " + std::to_string(was) + " nor the saved " +
                            std::to_string(intended));
        }
    }
    std::error_code ignored;
    fs::remove(path, ignored);
    return outcome;
}

namespace {

// A disk fault: how the folder is prepared and what the child that plays the run may do.
struct DiskFault {
    std::string name;
    bool damaged = false;  // start from a file that cannot be understood
    std::function<bool(const std::string& folder, std::string& why)> prepare;
    std::function<bool()> inChild;  // restrictions the run is played under
    std::function<void(const std::string& folder)> cleanUp;
};

bool canMount(const std::string& folder) {
    const std::string probe = folder + "/mount-probe";
    fs::create_directories(probe);
    const bool ok = ::mount("tmpfs", probe.c_str(), "tmpfs", 0, "size=64k") == 0;
    if (ok) {
        ::umount2(probe.c_str(), MNT_DETACH);
    }
    fs::remove(probe);
    return ok;
}

// Plays the run in a child process (its output comes back through a pipe, so that a file-size
// limit cannot cut it); returns whether every check of the script held.
bool playInChild(const std::string& path, const std::string& script,
                 const std::function<bool()>& inChild, std::string& output) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        output = "no pipe";
        return false;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::ostringstream played;
        bool ok = inChild();
        if (!ok) {
            played << "the restriction could not be set up: " << std::strerror(errno) << "\n";
        } else {
            FileRegistry store(path);
            ok = playScript("disk fault", script, store, played);
        }
        const std::string text = played.str();
        (void)!::write(pipeEnds[1], text.data(), text.size());
        ::_exit(ok ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool dropPrivileges() {
    if (::geteuid() != 0) {
        return true;
    }
    const gid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
        return false;
    }
    // Sanitizer tools need the process to stay inspectable after the change of account.
    ::prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
    return true;
}

}  // namespace

FaultOutcome runDiskFaults(const std::string& base, std::ostream& out, bool verbose) {
    FaultOutcome outcome;
    Checker check{outcome, out};
    fs::create_directories(base);
    ::chmod(base.c_str(), 0755);
    const bool mounting = canMount(base);
    if (!mounting) {
        out << "faults: note: no tmpfs can be mounted here; the read-only folder is one without "
               "write permission and the full disk a file-size limit\n";
    }

    auto mountTmpfs = [](const std::string& folder, const char* size, std::string& why) {
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, size) != 0) {
            why = std::strerror(errno);
            return false;
        }
        return true;
    };
    auto unmount = [](const std::string& folder) { ::umount2(folder.c_str(), MNT_DETACH); };
    auto makeReadOnly = [](const std::string& folder, std::string& why) {
        if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            why = std::strerror(errno);
            return false;
        }
        return true;
    };
    auto fill = [](const std::string& folder, std::string& why) {
        const std::string filler = folder + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) {
            why = std::strerror(errno);
            return false;
        }
        char block[512] = {};
        while (::write(fd, block, sizeof block) > 0) {
        }
        while (::write(fd, block, 1) > 0) {
        }
        ::close(fd);
        return true;
    };
    auto nothing = [] { return true; };

    std::vector<DiskFault> faults;
    if (mounting) {
        faults.push_back({"read-only file system", false,
                          [&](const std::string& f, std::string& why) {
                              return mountTmpfs(f, "size=64k,mode=0755", why);
                          },
                          nothing, unmount});
        faults.push_back({"full disk", false,
                          [&](const std::string& f, std::string& why) {
                              return mountTmpfs(f, "size=16k,mode=0755", why);
                          },
                          nothing, unmount});
    }
    faults.push_back({"folder without write permission", false,
                      [](const std::string&, std::string&) { return true; }, dropPrivileges,
                      [](const std::string& f) { ::chmod(f.c_str(), 0755); }});
    faults.push_back({"damaged file in a folder without write permission", true,
                      [](const std::string&, std::string&) { return true; }, dropPrivileges,
                      [](const std::string& f) { ::chmod(f.c_str(), 0755); }});
    faults.push_back({"file-size limit", false,
                      [](const std::string&, std::string&) { return true; },
                      [] {
                          ::signal(SIGXFSZ, SIG_IGN);
                          const rlimit limit{64, 64};
                          return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
                      },
                      [](const std::string&) {}});

    int index = 0;
    for (const DiskFault& fault : faults) {
        ++outcome.injected;
        const std::string folder = base + "/disk-fault-" + std::to_string(++index);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        fs::create_directories(folder);
        ::chmod(folder.c_str(), 0755);
        std::string why;
        if (!fault.prepare(folder, why)) {
            check(false, fault.name + ": could not be set up: " + why);
            continue;
        }
        const std::string path = folder + "/registry.reg";
        const std::string seed = fault.damaged ? std::string("not a settings file\n") : kSeedFile;
        writeBytes(path, seed);
        ::chmod(path.c_str(), 0644);
        // Then the fault itself.
        bool ready = true;
        if (fault.name == "read-only file system") {
            ready = makeReadOnly(folder, why);
        } else if (fault.name == "full disk") {
            ready = fill(folder, why);
        } else if (fault.name.find("without write permission") != std::string::npos) {
            ready = ::chmod(folder.c_str(), 0555) == 0;
        }
        if (!ready) {
            check(false, fault.name + ": could not be set up: " + why);
            fault.cleanUp(folder);
            continue;
        }
        const std::string before = readBytes(path);
        const std::set<std::string> namesBefore = folderNames(folder);

        // The run: settings load (a damaged file loads as a first run, and the pilot is told
        // that it stays where it is, since nothing can be put beside it), a preference changes,
        // and the save at exit cannot replace the file: each key's close says so.
        std::string script = "start\n";
        if (fault.damaged) {
            script +=
                "expect message \"Settings were damaged; the old file is kept as "
                "registry.reg\"\n";
        }
        script += "expect no-message\n";
        script += kSession;
        script +=
            "expect message \"Could not close Key\"\n"
            "expect message \"Could not close Key\"\n"
            "expect no-message\n"
            "expect exited 0\n";
        std::string output;
        const bool ok = playInChild(path, script, fault.inChild, output);
        if (verbose) {
            out << "== " << fault.name << "\n" << output;
        }
        check(ok, fault.name + ": the run failed:\n" + output);
        check(readBytes(path) == before, fault.name + ": the settings file changed");
        check(folderNames(folder) == namesBefore,
              fault.name + ": files appeared in or went from the folder");
        fault.cleanUp(folder);
        fs::remove_all(folder, ignored);
    }
    return outcome;
}

}  // namespace orvane::monkey
