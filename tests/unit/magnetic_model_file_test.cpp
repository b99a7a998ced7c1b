#include "geo/magnetic_model_file.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/data_files.hpp"

namespace orvane {
namespace {

std::string shippedFile() {
    return readSmallFile(ORVANE_MODEL_FILE, kMagneticModelFileLimit).value_or("");
}

// The shipped file with one line (1-based) replaced by another, or removed when empty.
std::string withLine(int number, const std::string& replacement) {
    const std::string text = shippedFile();
    std::string out;
    std::size_t start = 0;
    for (int n = 1; start < text.size(); ++n) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        if (n != number) {
            out += text.substr(start, end - start);
        } else if (!replacement.empty()) {
            out += replacement + "\n";
        }
        start = end;
    }
    return out;
}

TEST(MagneticModelFile, AcceptsNoaasLayoutAndItsHarmlessVariants) {
    ASSERT_TRUE(parseMagneticModel(shippedFile()).has_value());
    std::string crlf;
    for (char c : shippedFile()) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    EXPECT_TRUE(parseMagneticModel(crlf).has_value()) << "CR LF line ends";
    EXPECT_TRUE(parseMagneticModel(withLine(2, "\t1\t0 -29351.8 +0.0 1.2e1 0")).has_value())
        << "tabs, a plus sign and an exponent";
    EXPECT_TRUE(parseMagneticModel(withLine(92, "")).has_value()) << "one line of nines";
    const std::string text = shippedFile();
    EXPECT_TRUE(parseMagneticModel(text.substr(0, text.find("9999"))).has_value())
        << "no line of nines";
    EXPECT_TRUE(parseMagneticModel(shippedFile() + "anything after the end\n").has_value());
    const auto renamed = parseMagneticModel(withLine(1, "2030.0 WMM-2030 12/01/2029"));
    ASSERT_TRUE(renamed.has_value());
    EXPECT_EQ(renamed->name, "WMM-2030");
    EXPECT_EQ(renamed->epoch, 2030.0);
}

TEST(MagneticModelFile, RejectsWhatIsNotACompleteModel) {
    const struct {
        const char* fault;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"blank lines only", "\n  \n\t\n"},
        {"no epoch", withLine(1, "WMM-2025 11/13/2024")},
        {"epoch not a number", withLine(1, "2025,0 WMM-2025 11/13/2024")},
        {"epoch out of range", withLine(1, "25.0 WMM-2025 11/13/2024")},
        {"epoch infinite", withLine(1, "inf WMM-2025 11/13/2024")},
        {"name too long", withLine(1, "2025.0 WMM-2025-WITH-A-VERY-LONG-NAME 11/13/2024")},
        {"extra word in the first line", withLine(1, "2025.0 WMM 2025 11/13/2024")},
        {"coefficient missing", withLine(2, "")},
        {"last coefficient missing", withLine(91, "")},
        {"coefficient twice", withLine(3, "  1  0  -29351.8       0.0       12.0        0.0")},
        {"n zero", withLine(2, "  0  0  -29351.8       0.0       12.0        0.0")},
        {"n thirteen", withLine(91, " 13 12      -0.7       0.2       -0.1       -0.1")},
        {"m above n", withLine(3, "  1  2   -1410.8    4545.4        9.7      -21.5")},
        {"m negative", withLine(3, "  1 -1   -1410.8    4545.4        9.7      -21.5")},
        {"n not whole", withLine(2, "  1.0  0  -29351.8       0.0       12.0        0.0")},
        {"five numbers", withLine(2, "  1  0  -29351.8       0.0       12.0")},
        {"seven numbers", withLine(2, "  1  0  -29351.8       0.0       12.0        0.0  1")},
        {"bad number", withLine(2, "  1  0  -29351.8x      0.0       12.0        0.0")},
        {"hexadecimal", withLine(2, "  1  0  0x10       0.0       12.0        0.0")},
        {"nan", withLine(2, "  1  0  nan       0.0       12.0        0.0")},
        {"huge coefficient", withLine(2, "  1  0  -1e300       0.0       12.0        0.0")},
        {"decimal comma", withLine(2, "  1  0  -29351,8       0.0       12.0        0.0")},
        {"nines too early", withLine(50, "999999999999999999999999999999999999999999999999")},
        {"too long", shippedFile() + std::string(kMagneticModelFileLimit, ' ')},
        {"a NUL in a number", withLine(2, std::string("  1  0  -29351.8\0 0.0 12.0 0.0", 31))},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(parseMagneticModel(c.text).has_value()) << c.fault;
    }
}

TEST(DataFiles, TheUsersFolderComesFirst) {
    const struct {
        const char* name;
        const char* xdgDataHome;
        const char* home;
        const char* folder;
    } cases[] = {
        {"XDG_DATA_HOME wins", "/data", "/home/p", "/data/orvane"},
        {"a relative XDG_DATA_HOME is ignored", "data", "/home/p", "/home/p/.local/share/orvane"},
        {"empty XDG_DATA_HOME", "", "/home/p", "/home/p/.local/share/orvane"},
        {"neither", nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(userDataFolderFrom(c.xdgDataHome, c.home), c.folder) << c.name;
    }
}

TEST(DataFiles, TheFirstFolderHoldingTheFileIsTheOneRead) {
    const std::string base = ::testing::TempDir() + "orvane_data_files";
    const std::string user = base + "/user";
    const std::string installed = base + "/installed";
    std::system(("rm -rf '" + base + "' && mkdir -p '" + user + "' '" + installed + "'").c_str());
    auto write = [](const std::string& path, const std::string& text) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    };
    write(installed + "/WMM.COF", "installed");
    const std::vector<std::string> folders{"", user, installed};
    EXPECT_EQ(readDataFile(folders, "WMM.COF", 100), "installed");
    write(user + "/WMM.COF", "the pilot's");
    EXPECT_EQ(readDataFile(folders, "WMM.COF", 100), "the pilot's");
    // The pilot's file counts even when it is too long: no quiet fallback to another model.
    EXPECT_EQ(readDataFile(folders, "WMM.COF", 5), std::nullopt);
    EXPECT_EQ(readDataFile(folders, "OTHER.COF", 100), std::nullopt);
    EXPECT_EQ(readDataFile(folders, "../installed/WMM.COF", 100), std::nullopt);
    EXPECT_EQ(readDataFile(folders, "..", 100), std::nullopt);
    // A folder of that name is not a file.
    std::system(("mkdir -p '" + user + "/DIR.COF' '" + installed + "/DIR.COF'").c_str());
    EXPECT_EQ(readDataFile(folders, "DIR.COF", 100), std::nullopt);
    std::system(("rm -rf '" + base + "'").c_str());
}

TEST(DataFiles, AFileIsReadWholeUpToItsLimitWhateverSizeItReports) {
    const std::string path = ::testing::TempDir() + "orvane_small_file";
    struct Case {
        const char* what;
        std::size_t bytes;
        std::size_t limit;
        bool read;
    };
    const Case cases[] = {
        {"empty", 0, 10, true},
        {"exactly the limit", 10, 10, true},
        {"one byte over the limit", 11, 10, false},
        {"larger than one read's chunk", 70'000, 100'000, true},
    };
    for (const Case& c : cases) {
        std::string text(c.bytes, 'x');
        for (std::size_t i = 0; i < text.size(); ++i) {
            text[i] = static_cast<char>('a' + i % 26);
        }
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        const auto got = readSmallFile(path, c.limit);
        EXPECT_EQ(got.has_value(), c.read) << c.what;
        if (got && c.read) {
            EXPECT_EQ(*got, text) << c.what;
        }
    }
    std::remove(path.c_str());
    EXPECT_EQ(readSmallFile(path, 10), std::nullopt) << "a missing file";
    // A file whose size the kernel reports as 0 is still read to its end, and held to the limit.
    const auto status = readSmallFile("/proc/self/status", 1'000'000);
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(status->find("Name:"), std::string::npos);
    EXPECT_EQ(readSmallFile("/proc/self/status", 16), std::nullopt);
}

}  // namespace
}  // namespace orvane
