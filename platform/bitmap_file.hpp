// Device-independent bitmap files (.bmp), as the program's pictures are kept: the splash, the
// About box's picture. Read here rather than through an image library, since a library's general
// reader first asks every image format it knows whether it is the one (loading each format's
// plugin at start-up) and converts pixel by pixel through its general path; the program's own
// pictures need none of that.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
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

// The same picture read from the file at path, no longer than maxBytes. The file's rows are read
// straight into the picture's own memory and decoded there, so the file is not held in memory of
// its own beside the picture (the splash: 216 KB of fresh memory less at start). Nothing for a
// file that cannot be read, has changed size while read, or whose headers and colour table do
// not lie in its first 4 KB; the caller may then try a general image reader.
std::optional<BitmapPixels> readBitmapFileAt(const std::string& path, std::size_t maxBytes);

}  // namespace orvane
