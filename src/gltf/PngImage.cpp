#include "PngImage.h"

#include <zlib.h>

#include <cstdint>
#include <string_view>

namespace norvane {

namespace {

void putBigEndian(std::string& out, std::uint32_t word) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((word >> shift) & 0xff);
}

void appendChunk(std::string& out, std::string_view type, std::string_view data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + std::string(data);
    out += typed;
    putBigEndian(out,
                 static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                  static_cast<uInt>(typed.size()))));
}

// Grey-and-alpha rows, each after its filter byte (0, none).
std::string filteredRows(int width, int height, const std::vector<unsigned char>& alpha) {
    std::string rows;
    rows.reserve(static_cast<std::size_t>(height) * (1 + 2 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        rows += '\0';
        for (int x = 0; x < width; ++x)
            rows += '\xff',
                rows +=
                static_cast<char>(alpha[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
    }
    return rows;
}

std::string compressed(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
              Z_BEST_COMPRESSION);
    out.resize(size);
    return out;
}

} // namespace

std::string whitePngWithAlpha(int width, int height, const std::vector<unsigned char>& alpha) {
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x04\x00\x00\x00", 5); // 8 bits, grey and alpha, no interlace
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", compressed(filteredRows(width, height, alpha)));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace norvane
