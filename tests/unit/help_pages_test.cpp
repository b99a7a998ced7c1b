// The files Orvane ships beside the program: the help pages the help viewer shows, the splash
// picture, the About picture, the icons and the desktop entry. They are read from the
// repository's res/ folder, found from this file's own place in the tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// The repository: three levels above this file. When the compiler was given a relative path
// for it, the folders from the current one upwards are tried instead.
fs::path findRepository() {
    const fs::path fromSource = fs::path(__FILE__).parent_path().parent_path().parent_path();
    if (fromSource.is_absolute()) {
        return fromSource;
    }
    std::error_code ec;
    for (fs::path dir = fs::current_path(ec); !dir.empty(); dir = dir.parent_path()) {
        if (fs::exists(dir / "tests" / "unit" / "help_pages_test.cpp", ec)) {
            return dir;
        }
        if (dir == dir.parent_path()) {
            break;
        }
    }
    return fromSource;
}

const fs::path kRepository = findRepository();
const fs::path kResources = kRepository / "res";
const fs::path kHelp = kResources / "help";

// Every help file a menu command or a dialog of the program asks the viewer for.
const std::vector<std::string> kHelpTopics = {
    "orvane.htc", "hold.htp", "truealt.htp", "logbook.htp",     "latlon.htp",  "airspeed.htp",
    "critp.htp",  "pnr.htp",  "wbal.htp",    "conversions.htp", "aircraft.htp"};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b.at(at)) | static_cast<std::uint8_t>(b.at(at + 1)) << 8;
}
std::uint32_t le32(const std::string& b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}
std::int32_t le32signed(const std::string& b, std::size_t at) {
    return static_cast<std::int32_t>(le32(b, at));
}
std::uint32_t be32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v = v << 8 | static_cast<std::uint8_t>(b.at(at + i));
    }
    return v;
}

// ---- Help pages -----------------------------------------------------------------------------

// The targets of every href in a page, as written.
std::vector<std::string> linksOf(const std::string& html) {
    static const std::regex href(R"re(href\s*=\s*"([^"]*)")re", std::regex::icase);
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href);
         it != std::sregex_iterator(); ++it) {
        out.push_back((*it)[1].str());
    }
    return out;
}

bool hasAnchor(const std::string& html, const std::string& name) {
    return html.find("name=\"" + name + "\"") != std::string::npos ||
           html.find("id=\"" + name + "\"") != std::string::npos;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(HelpPages, everyTopicTheProgramAsksForIsAnHtmlPageWithContent) {
    for (const std::string& topic : kHelpTopics) {
        SCOPED_TRACE(topic);
        const std::string html = readFile(kHelp / topic);
        ASSERT_FALSE(html.empty()) << "missing or empty";
        EXPECT_GT(html.size(), 1500u) << "too short to explain a calculator";
        EXPECT_TRUE(contains(html, "<html>") && contains(html, "</html>"));
        EXPECT_TRUE(contains(html, "<title>") && contains(html, "</title>"));
        EXPECT_TRUE(contains(html, "<body>") && contains(html, "</body>"));
        EXPECT_TRUE(contains(html, "<h2"));
        EXPECT_TRUE(contains(html, "charset=utf-8"));
    }
}

// A dialog that names a help file with no page behind it would open an empty viewer: every
// ".htp" or ".htc" file named in the program's sources must be one of the pages.
TEST(HelpPages, everyHelpFileNamedInTheSourcesHasAPage) {
    static const std::regex literal(R"re("([A-Za-z0-9_]+\.ht[cp])")re");
    std::set<std::string> named;
    for (const char* folder : {"calc", "geo", "perf", "shell", "res"}) {
        if (!fs::exists(kRepository / folder)) {
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(kRepository / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".hpp") {
                continue;
            }
            const std::string source = readFile(entry.path());
            for (auto it = std::sregex_iterator(source.begin(), source.end(), literal);
                 it != std::sregex_iterator(); ++it) {
                named.insert((*it)[1].str());
            }
        }
    }
    EXPECT_TRUE(named.count("orvane.htc")) << "the main topic should be named somewhere";
    for (const std::string& file : named) {
        EXPECT_TRUE(fs::exists(kHelp / file)) << file << " is asked for but has no page";
    }
}

// Follows every link from the contents page, page to page: each one must lead to a page that
// exists (and to an anchor that exists), and every page must be reachable.
TEST(HelpPages, followingEveryLinkFromTheContentsReachesEveryPageAndNothingMissing) {
    std::set<std::string> seen{"orvane.htc"};
    std::deque<std::string> queue{"orvane.htc"};
    while (!queue.empty()) {
        const std::string page = queue.front();
        queue.pop_front();
        const std::string html = readFile(kHelp / page);
        for (const std::string& link : linksOf(html)) {
            SCOPED_TRACE(page + " -> " + link);
            ASSERT_FALSE(link.empty());
            EXPECT_EQ(link.find(':'), std::string::npos) << "links must be relative";
            EXPECT_NE(link.front(), '/') << "links must be relative";
            const std::size_t hash = link.find('#');
            const std::string target = hash == std::string::npos ? link : link.substr(0, hash);
            const std::string targetPage = target.empty() ? page : target;
            const std::string targetHtml = readFile(kHelp / targetPage);
            ASSERT_FALSE(targetHtml.empty()) << "the link leads nowhere";
            if (hash != std::string::npos) {
                EXPECT_TRUE(hasAnchor(targetHtml, link.substr(hash + 1)))
                    << "the anchor does not exist";
            }
            if (seen.insert(targetPage).second) {
                queue.push_back(targetPage);
            }
        }
    }
    for (const std::string& topic : kHelpTopics) {
        EXPECT_TRUE(seen.count(topic)) << topic << " cannot be reached from the contents";
    }
    for (const auto& entry : fs::directory_iterator(kHelp)) {
        EXPECT_TRUE(seen.count(entry.path().filename().string()))
            << entry.path().filename() << " cannot be reached from the contents";
    }
}

TEST(HelpPages, everyTopicPageLeadsBackToTheContents) {
    for (const std::string& topic : kHelpTopics) {
        if (topic == "orvane.htc") {
            continue;
        }
        const std::vector<std::string> links = linksOf(readFile(kHelp / topic));
        EXPECT_NE(std::find(links.begin(), links.end(), "orvane.htc"), links.end()) << topic;
    }
}

// The viewer is a plain HTML browser on a screen 240 pixels wide: no scripts, no style sheets
// from elsewhere, nothing of a fixed width that would need scrolling sideways.
TEST(HelpPages, pagesSuitAPlainViewerOnANarrowScreen) {
    static const std::regex fixedWidth(R"re(width\s*[:=])re", std::regex::icase);
    for (const std::string& topic : kHelpTopics) {
        SCOPED_TRACE(topic);
        const std::string html = readFile(kHelp / topic);
        EXPECT_FALSE(contains(html, "<script"));
        EXPECT_FALSE(contains(html, "<link"));
        EXPECT_FALSE(contains(html, "<img"));
        EXPECT_FALSE(std::regex_search(html, fixedWidth));
        EXPECT_FALSE(contains(html, "<pre"));
        // Tables hold at most two columns.
        for (std::size_t at = html.find("<tr>"); at != std::string::npos;
             at = html.find("<tr>", at + 1)) {
            const std::size_t end = html.find("</tr>", at);
            ASSERT_NE(end, std::string::npos);
            const std::string row = html.substr(at, end - at);
            std::size_t cells = 0;
            for (std::size_t c = row.find("<td"); c != std::string::npos;
                 c = row.find("<td", c + 1)) {
                ++cells;
            }
            EXPECT_LE(cells, 2u) << row;
        }
    }
}

// ---- Pictures -------------------------------------------------------------------------------

struct Bitmap {
    std::int32_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0, offset = 0;
};

// Reads a bitmap file's BITMAPFILEHEADER and BITMAPINFOHEADER, checking that they agree with
// the file's size as a loader would rely on them.
Bitmap readBitmapHeaders(const std::string& b) {
    Bitmap bmp;
    EXPECT_GE(b.size(), 54u);
    if (b.size() < 54) {
        return bmp;
    }
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(le32(b, 2), b.size()) << "the file size in the header";
    EXPECT_EQ(le32(b, 6), 0u) << "reserved";
    bmp.offset = le32(b, 10);
    EXPECT_EQ(le32(b, 14), 40u) << "a BITMAPINFOHEADER";
    bmp.width = le32signed(b, 18);
    bmp.height = le32signed(b, 22);
    EXPECT_EQ(le16(b, 26), 1u) << "planes";
    bmp.bits = le16(b, 28);
    bmp.compression = le32(b, 30);
    if (bmp.width > 0 && bmp.height > 0) {
        const std::uint64_t stride =
            (static_cast<std::uint64_t>(bmp.width) * bmp.bits + 31) / 32 * 4;
        EXPECT_GE(b.size(), bmp.offset + stride * static_cast<std::uint64_t>(bmp.height))
            << "the pixels fit in the file";
    }
    return bmp;
}

TEST(Pictures, splashIsAnUncompressed24BitBottomUpBitmapOfAtLeast240By300) {
    const std::string b = readFile(kResources / "Orvane_splash.bmp");
    const Bitmap bmp = readBitmapHeaders(b);
    EXPECT_GE(bmp.width, 240);
    EXPECT_GE(bmp.height, 300) << "a positive height: rows stored bottom-up";
    EXPECT_EQ(bmp.bits, 24u);
    EXPECT_EQ(bmp.compression, 0u);
    EXPECT_EQ(bmp.offset, 54u);
    // It is a picture, not a blank: it holds the summary panel's yellow and its blue.
    bool yellow = false, blue = false;
    for (std::size_t at = bmp.offset; at + 2 < b.size(); at += 3) {
        const auto px = [&](std::size_t i) { return static_cast<std::uint8_t>(b[at + i]); };
        yellow = yellow || (px(2) == 255 && px(1) == 213 && px(0) == 17);
        blue = blue || (px(2) == 0 && px(1) == 0 && px(0) == 255);
    }
    EXPECT_TRUE(yellow);
    EXPECT_TRUE(blue);
}

TEST(Pictures, aboutPictureIsA32By32Bitmap) {
    const Bitmap bmp = readBitmapHeaders(readFile(kResources / "about.bmp"));
    EXPECT_EQ(bmp.width, 32);
    EXPECT_EQ(bmp.height, 32);
    EXPECT_EQ(bmp.compression, 0u);
}

TEST(Pictures, iconHoldsA32And16PixelImage) {
    const std::string b = readFile(kResources / "orvane.ico");
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u) << "an icon, not a cursor";
    const std::uint32_t count = le16(b, 4);
    ASSERT_GE(b.size(), 6u + 16u * count);
    std::set<int> sizes;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * i;
        const int w = static_cast<std::uint8_t>(b[e]);
        const int h = static_cast<std::uint8_t>(b[e + 1]);
        const std::uint32_t bytes = le32(b, e + 8);
        const std::uint32_t offset = le32(b, e + 12);
        SCOPED_TRACE(w);
        EXPECT_EQ(w, h);
        ASSERT_LE(static_cast<std::uint64_t>(offset) + bytes, b.size()) << "image inside the file";
        ASSERT_GE(bytes, 40u);
        // Each image is a BITMAPINFOHEADER with the picture and its mask: twice the height.
        EXPECT_EQ(le32(b, offset), 40u);
        EXPECT_EQ(le32signed(b, offset + 4), w);
        EXPECT_EQ(le32signed(b, offset + 8), 2 * h);
        const std::uint32_t bits = le16(b, offset + 14);
        EXPECT_EQ(bits, le16(b, e + 6));
        const std::uint32_t picture = static_cast<std::uint32_t>(w * h) * bits / 8;
        const std::uint32_t mask = (static_cast<std::uint32_t>(w) + 31) / 32 * 4 * h;
        EXPECT_EQ(bytes, 40 + picture + mask);
        sizes.insert(w);
    }
    EXPECT_TRUE(sizes.count(32));
    EXPECT_TRUE(sizes.count(16));
}

std::uint32_t crc32(const std::string& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char ch : data) {
        crc ^= static_cast<std::uint8_t>(ch);
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// An icon: an n by n RGBA PNG whose chunks and zlib stream check out (its deflate blocks are
// stored, so the test can read the pixels without a decompressor).
void expectSquarePng(const fs::path& file, std::uint32_t n) {
    SCOPED_TRACE(file.string());
    const std::string b = readFile(file);
    ASSERT_GE(b.size(), 8u);
    EXPECT_EQ(b.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    std::string zlib;
    std::uint32_t width = 0, height = 0;
    bool ended = false;
    for (std::size_t at = 8; at + 12 <= b.size() && !ended;) {
        const std::uint32_t len = be32(b, at);
        ASSERT_LE(at + 12 + len, b.size());
        const std::string type = b.substr(at + 4, 4);
        const std::string data = b.substr(at + 8, len);
        EXPECT_EQ(be32(b, at + 8 + len), crc32(type + data)) << type;
        if (type == "IHDR") {
            width = be32(data, 0);
            height = be32(data, 4);
            EXPECT_EQ(static_cast<int>(data[8]), 8) << "8 bits a channel";
            EXPECT_EQ(static_cast<int>(data[9]), 6) << "RGBA";
        } else if (type == "IDAT") {
            zlib += data;
        } else if (type == "IEND") {
            ended = true;
        }
        at += 12 + len;
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(width, n);
    EXPECT_EQ(height, n);

    ASSERT_GE(zlib.size(), 6u);
    EXPECT_EQ((static_cast<std::uint8_t>(zlib[0]) * 256 + static_cast<std::uint8_t>(zlib[1])) % 31,
              0);
    std::string raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        ASSERT_LT(at + 5, zlib.size());
        const int header = static_cast<std::uint8_t>(zlib[at]);
        last = header & 1;
        ASSERT_EQ(header >> 1, 0) << "stored blocks";
        const std::uint32_t len = le16(zlib, at + 1);
        EXPECT_EQ(len ^ 0xFFFFu, le16(zlib, at + 3));
        raw += zlib.substr(at + 5, len);
        at += 5 + len;
    }
    std::uint32_t s1 = 1, s2 = 0;
    for (char ch : raw) {
        s1 = (s1 + static_cast<std::uint8_t>(ch)) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    EXPECT_EQ(be32(zlib, at), (s2 << 16) | s1) << "Adler-32";
    EXPECT_EQ(raw.size(), n * (1 + n * 4));
}

TEST(Pictures, windowIconIsAValid32By32Png) {
    expectSquarePng(kResources / "orvane.png", 32);
}

// The desktop's icon theme holds the icon at every size a desktop asks for, each as large as its
// folder says, and the scalable drawing; its 32 pixel icon is the window's.
TEST(Pictures, themeIconsHaveTheSizesOfTheirFolders) {
    const fs::path theme = kResources / "icons" / "hicolor";
    for (std::uint32_t n : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
        const std::string size = std::to_string(n) + "x" + std::to_string(n);
        expectSquarePng(theme / size / "apps" / "orvane.png", n);
    }
    EXPECT_EQ(readFile(theme / "32x32" / "apps" / "orvane.png"),
              readFile(kResources / "orvane.png"));
    const std::string svg = readFile(theme / "scalable" / "apps" / "orvane.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(contains(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\"")) << svg;
    EXPECT_TRUE(contains(svg, "viewBox=\"0 0 256 256\"")) << svg;
    EXPECT_TRUE(contains(svg, "</svg>\n")) << svg;
}

TEST(Pictures, desktopEntryStartsOrvaneWithItsIcon) {
    const std::string entry = readFile(kResources / "orvane.desktop");
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    for (const char* line :
         {"\nType=Application\n", "\nName=Orvane\n", "\nExec=orvane\n", "\nIcon=orvane\n"}) {
        EXPECT_TRUE(contains(entry, line)) << line;
    }
}

}  // namespace
}  // namespace orvane
