#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// A user text to be written between double quotes, escaped for a VRML string.
struct Quoted {
    std::string_view text;
};

// A computed number, written as its decimal text (decimalText).
struct Number {
    double value;
};

// Appends CR LF terminated lines to a text owned by the caller, in amortised linear time.
// A line is made of pieces: plain texts, Quoted user texts and Numbers.
class LineWriter {
public:
    explicit LineWriter(std::string& out) : m_out(out) {}

    template <typename... Pieces> void line(const Pieces&... pieces) {
        (put(pieces), ...);
        m_out.append("\r\n");
    }
    // Appends text that brings its own line ends (model bodies, the anchor target line).
    void raw(std::string_view text) { m_out.append(text); }

private:
    void put(std::string_view text) { m_out.append(text); }
    void put(Quoted quoted);
    void put(Number number);

    std::string& m_out;
};

} // namespace norvane
