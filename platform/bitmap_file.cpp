#include "platform/bitmap_file.hpp"

#include "platform/data_files.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orvane {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

std::uint32_t le32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t le16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t opaque(unsigned char r, unsigned char g, unsigned char b) {
    return 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
           b;
}

// The first bytes of a file read for its headers and colour table (14 + at most 124 + 1024).
constexpr std::size_t kHeadBytes = 4096;

// Where a bitmap's pixels are and how they are laid out, from its headers.
struct Layout {
    int width = 0;
    std::size_t rows = 0;
    bool topDown = false;
    std::size_t bytesPerPixel = 0;
    std::size_t rowBytes = 0;  // a row in the file, padded to four bytes
    std::size_t pixelOffset = 0;
    std::vector<std::uint32_t> table;  // 8 bits a pixel: the colours, 0xFFRRGGBB
};

// The layout from `head`, the file's first bytes (the headers and the colour table at least),
// for a file of fileSize bytes whose pixels must all be in it.
std::optional<Layout> layoutOf(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < kFileHeaderSize + kInfoHeaderSize || head[0] != 'B' || head[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t pixelOffset = le32(head, 10);
    const std::uint32_t infoSize = le32(head, kFileHeaderSize);
    const auto width = static_cast<std::int32_t>(le32(head, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(head, 22));
    const std::uint16_t planes = le16(head, 26);
    const std::uint16_t depth = le16(head, 28);
    const std::uint32_t compression = le32(head, 30);
    std::uint32_t coloursUsed = le32(head, 46);
    if (infoSize < kInfoHeaderSize || infoSize > head.size() - kFileHeaderSize || planes != 1 ||
        compression != kUncompressed || (depth != 8 && depth != 24 && depth != 32)) {
        return std::nullopt;
    }
    const bool topDown = rawHeight < 0;
    // The height's magnitude, taken without negating the most negative 32-bit number.
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || width > kBitmapMaxSide || height <= 0 || height > kBitmapMaxSide) {
        return std::nullopt;
    }

    Layout layout;
    // The colour table follows the information header: blue, green, red, unused.
    if (depth == 8) {
        if (coloursUsed == 0 || coloursUsed > 256) {
            coloursUsed = 256;
        }
        const std::size_t tableAt = kFileHeaderSize + infoSize;
        if (tableAt + 4 * std::size_t{coloursUsed} > head.size()) {
            return std::nullopt;
        }
        layout.table.reserve(coloursUsed);
        for (std::uint32_t i = 0; i < coloursUsed; ++i) {
            const std::size_t at = tableAt + 4 * std::size_t{i};
            layout.table.push_back(opaque(static_cast<unsigned char>(head[at + 2]),
                                          static_cast<unsigned char>(head[at + 1]),
                                          static_cast<unsigned char>(head[at])));
        }
    }
    layout.width = width;
    layout.rows = static_cast<std::size_t>(height);
    layout.topDown = topDown;
    layout.bytesPerPixel = depth / 8;
    layout.rowBytes = (static_cast<std::size_t>(width) * layout.bytesPerPixel + 3) / 4 * 4;
    layout.pixelOffset = pixelOffset;
    if (pixelOffset > fileSize || layout.rowBytes * layout.rows > fileSize - pixelOffset) {
        return std::nullopt;
    }
    return layout;
}

// A picture whose pixels are yet to be decoded, and where in its memory the file's rows go.
//
// The rows are read (or copied) to the end of the picture's own memory and decoded from there
// towards its start, in place: the picture needs no second buffer for the file. Decoding pixel
// by pixel from the first row on, each four-byte pixel written ends before the next file byte
// still to be read, given one word more than the picture: a row of the file is never longer
// than the picture's row (three or fewer bytes a pixel against four) but by its padding, at
// most three bytes.
struct Decoding {
    BitmapPixels picture;
    unsigned char* fileRows = nullptr;
};

// Asks the kernel for all the pages of a new buffer at once. A buffer as large as a picture comes
// straight from the kernel, untouched, and writing it would otherwise take one page fault per
// page: for the splash's 288 KB, 72 faults and about 0.8 ms on a virtual machine, against 0.1 ms
// for the one call. Nothing happens where the kernel cannot do it; the faults then come as before.
void prefault(void* buffer, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(pageSize);
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer);
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = (begin + bytes) / page * page;
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
    }
#else
    (void)buffer;
    (void)bytes;
#endif
}

Decoding prepare(const Layout& layout) {
    Decoding d;
    d.picture.width = layout.width;
    d.picture.height = static_cast<int>(layout.rows);
    const std::size_t pixels = static_cast<std::size_t>(layout.width) * layout.rows;
    d.picture.pixels.reserve(pixels + 1);
    prefault(d.picture.pixels.data(), (pixels + 1) * sizeof(std::uint32_t));
    d.picture.pixels.resize(pixels + 1);
    d.fileRows = reinterpret_cast<unsigned char*>(d.picture.pixels.data() + pixels + 1) -
                 layout.rowBytes * layout.rows;
    return d;
}

// Decodes the file's rows, in place at d.fileRows, into d.picture. False for a colour index
// beyond the table.
bool decode(const Layout& layout, Decoding& d) {
    unsigned char* const rows = d.fileRows;
    const std::size_t rowBytes = layout.rowBytes;
    if (!layout.topDown) {
        // Bottom-up in the file: the rows are turned where they lie, so that the first row to
        // decode is the picture's top one.
        std::vector<unsigned char> spare(rowBytes);
        for (std::size_t r = 0; r < layout.rows / 2; ++r) {
            unsigned char* top = rows + r * rowBytes;
            unsigned char* bottom = rows + (layout.rows - 1 - r) * rowBytes;
            std::memcpy(spare.data(), top, rowBytes);
            std::memcpy(top, bottom, rowBytes);
            std::memcpy(bottom, spare.data(), rowBytes);
        }
    }
    const auto columns = static_cast<std::size_t>(layout.width);
    std::uint32_t* out = d.picture.pixels.data();
    for (std::size_t row = 0; row < layout.rows; ++row) {
        const unsigned char* in = rows + row * rowBytes;
        if (layout.bytesPerPixel == 1) {
            for (std::size_t x = 0; x < columns; ++x) {
                if (in[x] >= layout.table.size()) {
                    return false;
                }
                *out++ = layout.table[in[x]];
            }
        } else {
            const std::size_t step = layout.bytesPerPixel;
            std::size_t x = 0;
            if constexpr (std::endian::native == std::endian::little) {
                // Blue, green, red and the next byte read as one little-endian word are
                // 0x??RRGGBB; the row's last pixel is read byte by byte, so that no read
                // passes the end of the rows.
                for (; x + 1 < columns; ++x, in += step) {
                    std::uint32_t word = 0;
                    std::memcpy(&word, in, sizeof word);
                    *out++ = word | 0xFF000000u;
                }
            }
            for (; x < columns; ++x, in += step) {
                const std::uint32_t pixel = opaque(in[2], in[1], in[0]);
                *out++ = pixel;
            }
        }
    }
    d.picture.pixels.pop_back();
    return true;
}

}  // namespace

std::optional<BitmapPixels> readBitmapFile(std::string_view bytes) {
    const std::optional<Layout> layout = layoutOf(bytes, bytes.size());
    if (!layout) {
        return std::nullopt;
    }
    Decoding d = prepare(*layout);
    std::memcpy(d.fileRows, bytes.data() + layout->pixelOffset, layout->rowBytes * layout->rows);
    if (!decode(*layout, d)) {
        return std::nullopt;
    }
    return std::move(d.picture);
}

std::optional<BitmapPixels> readBitmapFileAt(const std::string& path, std::size_t maxBytes) {
    const ReadOnlyFile file(path);
    const std::optional<std::uint64_t> fileSize = file.regularSize();
    if (!fileSize || *fileSize > maxBytes) {
        return std::nullopt;
    }
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(*fileSize, kHeadBytes)),
                     '\0');
    if (!file.readAt(head.data(), head.size(), 0)) {
        return std::nullopt;
    }
    const std::optional<Layout> layout = layoutOf(head, *fileSize);
    if (!layout) {
        return std::nullopt;
    }
    Decoding d = prepare(*layout);
    if (!file.readAt(d.fileRows, layout->rowBytes * layout->rows, layout->pixelOffset) ||
        !decode(*layout, d)) {
        return std::nullopt;
    }
    return std::move(d.picture);
}

}  // namespace orvane
