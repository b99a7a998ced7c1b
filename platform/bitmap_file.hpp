// Device-independent bitmap files (.bmp), as the program's pictures are kept: the splash, the
// About box's picture. Read here rather than through an image library, since a library's general
// reader first asks every image format it knows whether it is the one (loading each format's
// plugin at start-up) and converts pixel by pixel through its general path; the program's own
// pictures need none of that.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orvane {

struct BitmapPixels {
    int width = 0;
    int height = 0;
    // 0xFFRRGGBB, the top row first, width * height of them.
    std::vector<std::uint32_t> pixels;
};

// The largest width or height taken: the program's pictures are a screen or smaller.
inline constexpr int kBitmapMaxSide = 4096;

// The picture of a bitmap file held whole in bytes: a file header ("BM"), an information header
// of 40 bytes or more, uncompressed rows of 24 or 32 bits a pixel, or of 8 bits a pixel through
// a colour table; rows bottom-up (a positive height) or top-down (a negative one), each padded to
// four bytes. Nothing for any other file (compressed, other depths, a side of 0 or beyond
// kBitmapMaxSide, headers or pixels cut short, a colour index beyond the table): the caller may
// then try a general image reader.
std::optional<BitmapPixels> readBitmapFile(std::string_view bytes);

}  // namespace orvane
