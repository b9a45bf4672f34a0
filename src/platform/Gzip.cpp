#include "Gzip.h"

#include "scene/Error.h"

#include <zlib.h>

#include <array>

namespace norvane {

struct GzipWriter::Stream {
    z_stream z{};
    std::array<unsigned char, 1 << 16> buffer{};
};

GzipWriter::GzipWriter(std::function<void(std::string_view bytes)> out)
    : m_out(std::move(out)), m_stream(std::make_unique<Stream>()) {
    // 15 bits of window, +16 for a gzip header and trailer.
    if (deflateInit2(&m_stream->z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        throw Error("Cannot start compressing: out of memory");
}

GzipWriter::~GzipWriter() {
    deflateEnd(&m_stream->z);
}

void GzipWriter::pump(std::string_view bytes, int flush) {
    z_stream& z = m_stream->z;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    do {
        z.next_out = m_stream->buffer.data();
        z.avail_out = static_cast<uInt>(m_stream->buffer.size());
        deflate(&z, flush);
        const std::size_t made = m_stream->buffer.size() - z.avail_out;
        if (made)
            m_out({reinterpret_cast<const char*>(m_stream->buffer.data()), made});
    } while (z.avail_out == 0);
}

void GzipWriter::write(std::string_view bytes) {
    // zlib counts in 32 bits: hand it big pieces a gigabyte at a time.
    constexpr std::size_t kMost = std::size_t(1) << 30;
    for (; bytes.size() > kMost; bytes.remove_prefix(kMost))
        pump(bytes.substr(0, kMost), Z_NO_FLUSH);
    pump(bytes, Z_NO_FLUSH);
}

void GzipWriter::finish() {
    pump({}, Z_FINISH);
}

} // namespace norvane
