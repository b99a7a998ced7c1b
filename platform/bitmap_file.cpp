#include "platform/bitmap_file.hpp"

#include <bit>
#include <cstddef>
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

}  // namespace

std::optional<BitmapPixels> readBitmapFile(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t pixelOffset = le32(bytes, 10);
    const std::uint32_t infoSize = le32(bytes, kFileHeaderSize);
    const auto width = static_cast<std::int32_t>(le32(bytes, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(bytes, 22));
    const std::uint16_t planes = le16(bytes, 26);
    const std::uint16_t depth = le16(bytes, 28);
    const std::uint32_t compression = le32(bytes, 30);
    std::uint32_t coloursUsed = le32(bytes, 46);
    if (infoSize < kInfoHeaderSize || infoSize > bytes.size() - kFileHeaderSize || planes != 1 ||
        compression != kUncompressed || (depth != 8 && depth != 24 && depth != 32)) {
        return std::nullopt;
    }
    const bool topDown = rawHeight < 0;
    // The height's magnitude, taken without negating the most negative 32-bit number.
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || width > kBitmapMaxSide || height <= 0 || height > kBitmapMaxSide) {
        return std::nullopt;
    }

    // The colour table follows the information header: blue, green, red, unused.
    std::vector<std::uint32_t> table;
    if (depth == 8) {
        if (coloursUsed == 0 || coloursUsed > 256) {
            coloursUsed = 256;
        }
        const std::size_t tableAt = kFileHeaderSize + infoSize;
        if (tableAt + 4 * std::size_t{coloursUsed} > bytes.size()) {
            return std::nullopt;
        }
        table.reserve(coloursUsed);
        for (std::uint32_t i = 0; i < coloursUsed; ++i) {
            const std::size_t at = tableAt + 4 * std::size_t{i};
            table.push_back(opaque(static_cast<unsigned char>(bytes[at + 2]),
                                   static_cast<unsigned char>(bytes[at + 1]),
                                   static_cast<unsigned char>(bytes[at])));
        }
    }

    const std::size_t bytesPerPixel = depth / 8;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    const auto rows = static_cast<std::size_t>(height);
    if (pixelOffset > bytes.size() || rowBytes * rows > bytes.size() - pixelOffset) {
        return std::nullopt;
    }

    BitmapPixels picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<std::size_t>(width) * rows);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data()) + pixelOffset;
    const auto columns = static_cast<std::size_t>(width);
    for (std::size_t row = 0; row < rows; ++row) {
        const unsigned char* in = data + (topDown ? row : rows - 1 - row) * rowBytes;
        std::uint32_t* out = picture.pixels.data() + row * columns;
        if (depth == 8) {
            for (std::size_t x = 0; x < columns; ++x) {
                if (in[x] >= table.size()) {
                    return std::nullopt;
                }
                out[x] = table[in[x]];
            }
        } else {
            std::size_t x = 0;
            if constexpr (std::endian::native == std::endian::little) {
                // Blue, green, red and the next byte read as one little-endian word are
                // 0x??RRGGBB; the row's last pixel is read byte by byte, so that no read
                // passes the end of the file.
                for (; x + 1 < columns; ++x, in += bytesPerPixel) {
                    std::uint32_t word = 0;
                    std::memcpy(&word, in, sizeof word);
                    out[x] = word | 0xFF000000u;
                }
            }
            for (; x < columns; ++x, in += bytesPerPixel) {
                out[x] = opaque(in[2], in[1], in[0]);
            }
        }
    }
    return picture;
}

}  // namespace orvane
