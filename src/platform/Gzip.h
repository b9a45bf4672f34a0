#pragma once

#include <functional>
#include <memory>
#include <string_view>

namespace norvane {

// Compresses what it is given into the gzip format (RFC 1952), handing the compressed bytes on
// piece by piece as they are made.
class GzipWriter {
public:
    explicit GzipWriter(std::function<void(std::string_view bytes)> out);
    ~GzipWriter();
    GzipWriter(const GzipWriter&) = delete;
    GzipWriter& operator=(const GzipWriter&) = delete;

    void write(std::string_view bytes);
    // Hands on the rest and the gzip trailer; nothing may be written after.
    void finish();

private:
    struct Stream;
    void pump(std::string_view bytes, int flush);

    std::function<void(std::string_view bytes)> m_out;
    std::unique_ptr<Stream> m_stream;
};

} // namespace norvane
