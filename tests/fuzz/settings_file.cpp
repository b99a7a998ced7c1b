// Fuzzes the settings file: read it, load the settings and the aircraft profiles from it as the
// program does at start, save them as it does at exit, write the file, and read it again.
//
// What must hold for every input:
//  * a text the reader accepts is written back byte for byte when nothing changed;
//  * after the save, the written file is accepted again and holds exactly what the store held:
//    every key and value the reader understood (the same text, to the byte, for values of other
//    types), the program's own values as saved, and every section of another hive; nothing the
//    save wrote became part of what was there (a value cut off at the end of the file, a
//    carriage return left at its very end);
//  * when the save changed none of the values that were there, every byte of the first file is
//    in the written one, in its order (the save only added lines);
//  * no line the program did not understand is lost: the comments, blank lines and other hives'
//    lines of the first file are all in the second, in their order;
//  * the settings loaded from the second file are the ones that were saved, and a
//    second save changes nothing more (the file is a fixed point).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_registry.hpp"
#include "platform/memory_registry.hpp"
#include "shell/aircraft_store.hpp"
#include "shell/run_state.hpp"
#include "shell/settings_store.hpp"
#include "tests/fuzz/fuzz_support.hpp"
#include "tests/unit/message_window.hpp"

using namespace orvane;

namespace {

bool sameValue(const RegistryValue& a, const RegistryValue& b) {
    if (a.type != b.type || !sameRegistryName(a.name, b.name)) {
        return false;
    }
    switch (a.type) {
        case RegistryValue::Type::Dword:
            return a.dword == b.dword;
        case RegistryValue::Type::String:
        case RegistryValue::Type::Other:
            return a.text == b.text;
    }
    return false;
}

// Every value of one store is in the other with the same content, they hold as many keys, and
// the same sections of other hives.
bool sameData(const RegistryData& a, const RegistryData& b) {
    if (a.keys().size() != b.keys().size() || a.foreignSections() != b.foreignSections()) {
        return false;
    }
    for (const RegistryKey& k : a.keys()) {
        const RegistryKey* other = b.findKey(k.path);
        if (other == nullptr || other->values.size() != k.values.size()) {
            return false;
        }
        for (const RegistryValue& v : k.values) {
            const RegistryValue* w = b.findValue(k.path, v.name);
            if (w == nullptr || !sameValue(v, *w)) {
                return false;
            }
        }
    }
    return true;
}

// Every value of before is in after with the same content (after may hold more).
bool valuesKept(const RegistryData& before, const RegistryData& after) {
    for (const RegistryKey& k : before.keys()) {
        for (const RegistryValue& v : k.values) {
            const RegistryValue* w = after.findValue(k.path, v.name);
            if (w == nullptr || !sameValue(v, *w)) {
                return false;
            }
        }
    }
    return true;
}

// Every byte of part is in whole, in its order.
bool bytesKept(std::string_view part, std::string_view whole) {
    std::size_t j = 0;
    for (char c : part) {
        while (j < whole.size() && whole[j] != c) {
            ++j;
        }
        if (j == whole.size()) {
            return false;
        }
        ++j;
    }
    return true;
}

std::string withoutLineEnd(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) {
        s.pop_back();
    }
    return s;
}

// The lines of text items of before appear among those of after, in order.
bool textLinesKept(const RegistryDocument& before, const RegistryDocument& after) {
    std::size_t j = 0;
    for (const auto& item : before.items) {
        if (item.kind != RegistryDocument::Item::Kind::Text) {
            continue;
        }
        const std::string want = withoutLineEnd(item.raw);
        while (j < after.items.size() &&
               (after.items[j].kind != RegistryDocument::Item::Kind::Text ||
                withoutLineEnd(after.items[j].raw) != want)) {
            ++j;
        }
        if (j == after.items.size()) {
            return false;
        }
        ++j;
    }
    return true;
}

struct Settings {
    PreferenceData preferences;
    DefaultData defaults;
};

// The stored fields of the settings, in record order. recordFields gives one table at a time,
// so the values are copied out.
std::vector<double> storedFields(const Settings& s) {
    RunState state;
    state.preferences = s.preferences;
    state.defaults = s.defaults;
    std::vector<double> values;
    for (const NamedRecordField& f : recordFields(state)) {
        if (const auto* d = std::get_if<double*>(&f.field)) {
            values.push_back(**d);
        } else {
            values.push_back(*std::get<std::int32_t*>(f.field));
        }
    }
    return values;
}

// Equal numbers: a home position of zero with its hemisphere flag set loads as -0 and is saved
// as plain 0, the same place.
bool sameSettings(const Settings& a, const Settings& b) {
    const std::vector<double> x = storedFields(a);
    const std::vector<double> y = storedFields(b);
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] != y[i]) {
            return false;
        }
    }
    return true;
}

// Loads the settings and the aircraft profiles from data and saves them back, as one run of the
// program does.
Settings loadAndSave(MemoryRegistry& store) {
    testkit::MessageWindow owner;
    Settings s;
    const UnreadSettings unread = loadSettings(owner, store, s.preferences, s.defaults);
    AircraftFleet fleet = loadAircraft(store, s.defaults, unread);
    saveSettings(owner, store, s.preferences, s.defaults);
    saveAircraft(store, fleet, s.defaults);
    fuzz::require(store.openKeyCount() == 0, "the settings store left a key open");
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    RegistryData first;
    RegistryDocument document;
    if (!parseRegistryFile(text, first, document)) {
        fuzz::require(first.keys().empty() && document.items.empty(),
                      "a refused file left something behind");
        return 0;
    }
    fuzz::require(renderRegistryFile(first, document) == text,
                  "an unchanged file is not written back byte for byte");

    MemoryRegistry store;
    store.data() = first;
    Settings saved = loadAndSave(store);
    const std::string written = renderRegistryFile(store.data(), document);

    RegistryData second;
    RegistryDocument secondDocument;
    fuzz::require(parseRegistryFile(written, second, secondDocument),
                  "the written file is not accepted again");
    fuzz::require(sameData(store.data(), second), "the written file lost or changed a value");
    fuzz::require(textLinesKept(document, secondDocument), "a line of the file was lost");
    fuzz::require(!valuesKept(first, store.data()) || bytesKept(text, written),
                  "a save that only added values lost a byte of the file");

    MemoryRegistry again;
    again.data() = second;
    Settings reloaded = loadAndSave(again);
    fuzz::require(sameSettings(saved, reloaded), "the saved settings did not load back");
    fuzz::require(renderRegistryFile(again.data(), secondDocument) == written,
                  "a second save without changes changed the file");
    return 0;
}
