#include "scene/NumberText.h"

#include "TextDiff.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>

using namespace norvane;

namespace {

template <typename T> T numberOf(const std::string& text) {
    T value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// form|FLOAT|POINT FORM|PLAIN FORM (both read back as the float, else a last field "!"),
// decimal|DOUBLE|TEXT, read|TEXT|PARSED NUMBER or -|WHAT READING FINDS WRONG
std::string numberRow(const std::vector<std::string>& f) {
    const float value = numberOf<float>(f[1]);
    const auto back = [value](const std::string& text) {
        return static_cast<float>(parseNumber(text).value_or(-1e9)) == value;
    };
    if (f[0] == "form")
        return "form|" + f[1] + "|" + pointForm(value) + "|" + plainForm(value) +
               (back(pointForm(value)) && back(plainForm(value)) ? "" : "|!");
    if (f[0] == "decimal")
        return "decimal|" + f[1] + "|" + decimalText(numberOf<double>(f[1]));
    char parsed[32] = "-";
    if (const auto number = parseNumber(f[1]))
        *std::to_chars(parsed, parsed + 31, *number).ptr = '\0';
    return "read|" + f[1] + "|" + parsed + "|" +
           std::string(faultWords(readNumberText(f[1]).fault));
}

} // namespace

TEST(NumberText, FormsParsingAndFaultsUnderACommaDecimalLocale) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "run locale-gen de_DE.UTF-8";
    const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
    EXPECT_TRUE(test::sameTable("numbers.txt", numberRow));
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
}
