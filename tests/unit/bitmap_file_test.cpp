#include "platform/bitmap_file.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orvane {
namespace {

void put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
    }
}

void put16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

// A bitmap file's headers (and colour table) for rows that follow, as a paint program writes it.
std::string headers(int width, int height, int depth, const std::vector<std::uint32_t>& table = {},
                    std::uint32_t compression = 0) {
    std::string b(54 + 4 * table.size(), '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, static_cast<std::uint32_t>(b.size()));
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<std::uint16_t>(depth));
    put32(b, 30, compression);
    put32(b, 46, static_cast<std::uint32_t>(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
        put32(b, 54 + 4 * i, table[i]);  // blue, green, red, unused: 0x00RRGGBB little-endian
    }
    return b;
}

// A 24-bit row: blue, green, red for each pixel, padded to four bytes.
std::string row24(const std::vector<std::uint32_t>& rgb) {
    std::string r;
    for (std::uint32_t c : rgb) {
        r += static_cast<char>(c & 0xFF);
        r += static_cast<char>(c >> 8 & 0xFF);
        r += static_cast<char>(c >> 16 & 0xFF);
    }
    r.resize((r.size() + 3) / 4 * 4, '\0');
    return r;
}

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080;

TEST(BitmapFile, ReadsTheRowsTopRowFirstWhicheverWayTheFileStoresThem) {
    // Bottom-up (positive height): the file's first row is the picture's last. Three pixels of
    // three bytes make a row of nine bytes, padded to twelve.
    const std::string bottomUp =
        headers(3, 2, 24) + row24({kGrey, kGrey, kBlue}) + row24({kRed, kGreen, kBlue});
    const auto picture = readBitmapFile(bottomUp);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                                           0xFF808080, 0xFF808080, 0xFF0000FF}));
    // Top-down (negative height): rows in reading order.
    const std::string topDown =
        headers(3, -2, 24) + row24({kRed, kGreen, kBlue}) + row24({kGrey, kGrey, kBlue});
    const auto same = readBitmapFile(topDown);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->pixels, picture->pixels);
}

TEST(BitmapFile, ReadsPalettedAndThirtyTwoBitPicturesOpaque) {
    std::string paletted = headers(2, 1, 8, {kRed, kBlue});
    paletted += std::string{'\1', '\0', '\0', '\0'};
    const auto p = readBitmapFile(paletted);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->pixels, (std::vector<std::uint32_t>{0xFF0000FF, 0xFFFF0000}));

    // The fourth byte of a 32-bit pixel is not an alpha channel: every pixel is opaque.
    std::string wide = headers(1, 1, 32);
    wide += std::string{'\x11', '\x22', '\x33', '\0'};
    const auto w = readBitmapFile(wide);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->pixels, std::vector<std::uint32_t>{0xFF332211});
}

// Every width from one pixel to a few rows' padding, each depth, both row orders: the rows
// decoded where the file's rows were read, in the picture's own memory, must give what a
// straightforward decoding gives; the last pixels of each row and the last row are where a
// decoding in place would overwrite file bytes it has yet to read.
std::vector<std::uint32_t> expectedPixels(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x * 37 + y * 101) *
                                               2654435761u % 0xFFFFFFu);
        }
    }
    return pixels;
}

std::string fileOf(int width, int height, int depth, bool topDown) {
    const std::vector<std::uint32_t> pixels = expectedPixels(width, height);
    std::vector<std::uint32_t> table;
    if (depth == 8) {
        table.assign(pixels.begin(), pixels.end());  // one colour per pixel, index = position
        for (std::uint32_t& c : table) {
            c &= 0xFFFFFF;
        }
    }
    std::string file = headers(width, topDown ? -height : height, depth, table);
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        std::string row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixels[static_cast<std::size_t>(y * width + x)];
            if (depth == 8) {
                row += static_cast<char>(y * width + x);
            } else {
                row += static_cast<char>(c & 0xFF);
                row += static_cast<char>(c >> 8 & 0xFF);
                row += static_cast<char>(c >> 16 & 0xFF);
                if (depth == 32) {
                    row += '\0';
                }
            }
        }
        row.resize((row.size() + 3) / 4 * 4, '\0');
        file += row;
    }
    return file;
}

TEST(BitmapFile, ReadFromItsFileTheSamePictureAsFromItsBytes) {
    const std::string path = ::testing::TempDir() + "orvane_bitmap_file.bmp";
    for (const int depth : {8, 24, 32}) {
        for (int width = 1; width <= 9; ++width) {
            for (const int height : {1, 2, 3}) {
                if (depth == 8 && width * height > 256) {
                    continue;
                }
                for (const bool topDown : {false, true}) {
                    const std::string bytes = fileOf(width, height, depth, topDown);
                    std::FILE* f = std::fopen(path.c_str(), "wb");
                    ASSERT_NE(f, nullptr);
                    std::fwrite(bytes.data(), 1, bytes.size(), f);
                    std::fclose(f);
                    const std::string what = std::to_string(depth) + " bits, " +
                                             std::to_string(width) + "x" + std::to_string(height) +
                                             (topDown ? " top-down" : " bottom-up");
                    const auto fromBytes = readBitmapFile(bytes);
                    const auto fromFile = readBitmapFileAt(path, bytes.size());
                    ASSERT_TRUE(fromBytes) << what;
                    ASSERT_TRUE(fromFile) << what;
                    EXPECT_EQ(fromBytes->pixels, expectedPixels(width, height)) << what;
                    EXPECT_EQ(fromFile->pixels, fromBytes->pixels) << what;
                    EXPECT_EQ(fromFile->width, width) << what;
                    EXPECT_EQ(fromFile->height, height) << what;
                }
            }
        }
    }
    // A file it cannot take whole: longer than the limit, cut short, gone, a folder.
    const std::string good = fileOf(5, 3, 24, false);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(good.data(), 1, good.size() - 1, f);
    std::fclose(f);
    EXPECT_FALSE(readBitmapFileAt(path, good.size())) << "last row cut short";
    EXPECT_FALSE(readBitmapFileAt(path, good.size() - 2)) << "longer than the limit";
    std::remove(path.c_str());
    EXPECT_FALSE(readBitmapFileAt(path, good.size())) << "no file";
    EXPECT_FALSE(readBitmapFileAt(::testing::TempDir(), good.size())) << "a folder";
}

TEST(BitmapFile, TakesNoFileItCannotReadWhole) {
    const std::string good = headers(3, 2, 24) + row24({kRed, kRed, kRed}) + row24({0, 0, 0});
    ASSERT_TRUE(readBitmapFile(good));
    std::string paletteOverrun = headers(1, 1, 8, {kRed});
    paletteOverrun += std::string{'\5', '\0', '\0', '\0'};  // index 5 of a table of one

    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"not a bitmap", "PNG" + good.substr(3)},
        {"headers cut short", good.substr(0, 40)},
        {"last row cut short", good.substr(0, good.size() - 1)},
        {"compressed", headers(3, 2, 24, {}, 1) + good.substr(54)},
        {"16 bits a pixel", headers(3, 2, 16) + good.substr(54)},
        {"no width", headers(0, 2, 24) + good.substr(54)},
        {"no height", headers(3, 0, 24) + good.substr(54)},
        {"wider than any screen", headers(kBitmapMaxSide + 1, 1, 24) + good.substr(54)},
        {"the most negative height", headers(3, INT32_MIN, 24) + good.substr(54)},
        {"colour index beyond the table", paletteOverrun},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(readBitmapFile(c.bytes)) << c.what;
    }
    // Pixels said to start beyond the end of the file.
    std::string farPixels = good;
    put32(farPixels, 10, 0xFFFFFFF0u);
    EXPECT_FALSE(readBitmapFile(farPixels));
}

}  // namespace
}  // namespace orvane
