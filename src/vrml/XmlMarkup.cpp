#include "XmlMarkup.h"

#include "VrmlString.h"

#include <array>
#include <cstdint>

namespace norvane {

namespace {

// The replacement of each byte that an attribute cannot hold as it is; "" for the others.
constexpr std::array<std::string_view, 256> kReplacements = [] {
    std::array<std::string_view, 256> table{};
    table[std::uint8_t('&')] = "&amp;";
    table[std::uint8_t('<')] = "&lt;";
    table[std::uint8_t('>')] = "&gt;";
    table[std::uint8_t('\'')] = "&apos;";
    table[std::uint8_t('"')] = "&quot;";
    table[std::uint8_t('\t')] = "&#9;";
    return table;
}();

} // namespace

void appendXmlAttributeText(std::string& out, std::string_view text) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view replacement = kReplacements[std::uint8_t(text[i])];
        if (replacement.empty())
            continue;
        out.append(text, plain, i - plain).append(replacement);
        plain = i + 1;
    }
    out.append(text, plain);
}

std::string xmlAttribute(std::string_view name, std::string_view value) {
    if (value.empty())
        return {};
    return " " + std::string(name) + "='" + std::string(value) + "'";
}

void appendXmlMfString(std::string& out, std::string_view text) {
    std::string escaped = "\"";
    appendEscapedVrmlString(escaped, text);
    escaped += '"';
    appendXmlAttributeText(out, escaped);
}

} // namespace norvane
