#include "VrmlString.h"

#include <array>

namespace norvane {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// A range of UTF-8 lead bytes, the length of their sequences and the range of the second byte.
struct LeadRule {
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

constexpr std::array<LeadRule, 8> kLeadRules{{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, // no UTF-16 surrogates
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F}, // nothing beyond U+10FFFF
}};

unsigned char byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// A non-ASCII sequence at the start of `text`: how many bytes it takes and whether they form
// one character. An invalid sequence takes its longest valid beginning, or one byte.
struct Sequence {
    std::size_t length;
    bool valid;
};

Sequence sequenceAt(std::string_view text) {
    const unsigned char lead = byteAt(text, 0);
    for (const LeadRule& rule : kLeadRules) {
        if (lead < rule.first || lead > rule.last)
            continue;
        std::size_t length = 1;
        while (length < rule.length && length < text.size()) {
            const unsigned char next = byteAt(text, length);
            const bool second = length == 1;
            if (next < (second ? rule.secondLow : 0x80) || next > (second ? rule.secondHigh : 0xBF))
                break;
            ++length;
        }
        return {length, length == rule.length};
    }
    return {1, false};
}

// C0 controls other than tab, DEL, and the C1 controls U+0080..U+009F (C2 80..C2 9F).
bool isDroppedControl(std::string_view character) {
    const unsigned char first = byteAt(character, 0);
    if (character.size() == 1)
        return (first < 0x20 && first != '\t') || first == 0x7f;
    return first == 0xC2 && byteAt(character, 1) < 0xA0;
}

// Hands on what a world keeps of `text`: `ascii` each ASCII byte that is no dropped control,
// `other` each valid sequence that is none, and kReplacementCharacter for each invalid one.
template <typename Ascii, typename Other>
void forEachKept(std::string_view text, const Ascii& ascii, const Other& other) {
    while (!text.empty()) {
        if (byteAt(text, 0) < 0x80) {
            if (!isDroppedControl(text.substr(0, 1)))
                ascii(text.front());
            text.remove_prefix(1);
            continue;
        }
        const Sequence sequence = sequenceAt(text);
        const std::string_view character = text.substr(0, sequence.length);
        if (!sequence.valid)
            other(kReplacementCharacter);
        else if (!isDroppedControl(character))
            other(character);
        text.remove_prefix(sequence.length);
    }
}

} // namespace

void appendEscapedVrmlString(std::string& out, std::string_view text) {
    forEachKept(
        text,
        [&out](char c) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        },
        [&out](std::string_view character) { out += character; });
}

std::string shownVrmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachKept(
        text, [&out](char c) { out += c; },
        [&out](std::string_view character) { out += character; });
    return out;
}

std::string escapeVrmlString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscapedVrmlString(out, text);
    return out;
}

} // namespace norvane
