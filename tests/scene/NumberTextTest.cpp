#include "scene/NumberText.h"

#include "TextDiff.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <vector>

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

// decimalText takes a short way for texts without an exponent; it must give what the exact
// general conversion gives for every value: exponents, ties, carries and the export's sums.
TEST(NumberText, DecimalTextMatchesTheExactConversion) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<float> coordinate(0.0f, 100.0f);
    std::vector<double> values{0.0,
                               -0.0,
                               0.5,
                               1e-4,
                               0.00009999999999999995,
                               1e15,
                               1e15 - 1,
                               999999999999999.5,
                               9.999999999999995,
                               -1e-5,
                               0.125,
                               2.5e-16,
                               123456789012345.6,
                               1e300,
                               5e-324};
    for (int i = 0; i < 200'000; ++i) {
        const double x = *parseNumber(pointForm(coordinate(random)));
        const double y = *parseNumber(plainForm(coordinate(random)));
        values.insert(values.end(),
                      {x - 50, y - x, x + (y - x) / 2 - 50, (y - x) * 3.0,
                       std::ldexp(double(random() >> 11), int(random() % 120) - 110)});
    }
    for (const double value : values) {
        std::array<char, 64> exact{};
        const auto end = std::to_chars(exact.data(), exact.data() + exact.size(),
                                       value == 0.0 ? 0.0 : value, std::chars_format::general, 15);
        ASSERT_EQ(decimalText(value), std::string(exact.data(), end.ptr)) << value;
    }
}

// Number texts read as the exact conversion reads them, bit for bit: odd texts, and random
// decimals of up to 18 digits with spaces and signs around them (the editor's own forms take a
// short way).
TEST(NumberText, ReadsAsTheExactConversion) {
    std::vector<std::string> texts{"",
                                   " ",
                                   "-",
                                   "5.",
                                   ".5",
                                   "-.5",
                                   "-0",
                                   ".",
                                   "-.",
                                   "1e3",
                                   "nan",
                                   "7 5",
                                   "1.2.3",
                                   "0012.5",
                                   "3.4e38",
                                   "-99999999999999.9",
                                   "1e39",
                                   "2.675",
                                   "0.1234567890123456",
                                   "123456789012345.6"};
    std::mt19937 random(99);
    const auto digits = [&random](int most) {
        std::string text(1 + random() % most, '0');
        for (char& digit : text)
            digit = static_cast<char>('0' + random() % 10);
        return text;
    };
    for (int i = 0; i < 100'000; ++i)
        texts.push_back(std::string(random() % 2, ' ') + (random() % 3 ? "" : "-") +
                        (random() % 8 ? digits(9) : "") + (random() % 4 ? "." + digits(9) : "") +
                        std::string(random() % 2, ' '));
    for (const std::string& text : texts) {
        std::string_view exact = text;
        while (exact.starts_with(' '))
            exact.remove_prefix(1);
        while (exact.ends_with(' '))
            exact.remove_suffix(1);
        double expected = 0.0;
        const auto [end, error] =
            std::from_chars(exact.data(), exact.data() + exact.size(), expected);
        const bool valid = !exact.empty() && error == std::errc{} &&
                           end == exact.data() + exact.size() && std::isfinite(expected);
        const std::optional<double> read = parseNumber(text);
        ASSERT_EQ(read.has_value(), valid) << '"' << text << '"';
        ASSERT_EQ(std::bit_cast<std::uint64_t>(read.value_or(0.0)),
                  std::bit_cast<std::uint64_t>(valid ? expected : 0.0))
            << '"' << text << '"';
    }
}
