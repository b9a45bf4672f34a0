#include "scene/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

using namespace norvane;

namespace {

struct FormCase {
    float value;
    const char* point;
    const char* plain;
};

const FormCase kForms[] = {
    {37.5f, " 37.5", "37.5"},
    {100.0f, " 100", "100"},
    {0.25f, " .25", "0.25"},
    {-3.5f, "-3.5", "-3.5"},
    {12.345678f, " 12.34568", "12.34568"},
    {-0.25f, "-.25", "-0.25"},
    {0.0f, " 0", "0"},
    {-0.0f, " 0", "0"},
    {99.99999f, " 99.99999", "99.99999"},
};

// Switches the C and C++ global locales to a comma-decimal one for the life of the object.
class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            try {
                m_previous = std::locale::global(std::locale(name));
                std::setlocale(LC_ALL, name);
                m_active = true;
                return;
            } catch (const std::runtime_error&) {
            }
        }
    }
    ~CommaLocale() {
        if (m_active) {
            std::locale::global(m_previous);
            std::setlocale(LC_ALL, "C");
        }
    }
    bool active() const { return m_active; }

private:
    std::locale m_previous;
    bool m_active = false;
};

// Both forms of every value, and each read back as the same float.
void expectAllForms() {
    for (const FormCase& c : kForms) {
        EXPECT_EQ(pointForm(c.value), c.point) << c.value;
        EXPECT_EQ(plainForm(c.value), c.plain) << c.value;
        EXPECT_FLOAT_EQ(static_cast<float>(parseNumber(c.point).value_or(-1e9)), c.value);
        EXPECT_FLOAT_EQ(static_cast<float>(parseNumber(c.plain).value_or(-1e9)), c.value);
    }
    EXPECT_EQ(decimalText(-29.75), "-29.75");
    EXPECT_EQ(decimalText(0.5), "0.5");
}

} // namespace

TEST(NumberText, PointAndPlainForms) {
    expectAllForms();
}

TEST(NumberText, FormsIgnoreCommaDecimalLocale) {
    CommaLocale locale;
    if (!locale.active())
        GTEST_FAIL() << "no comma-decimal locale installed (run locale-gen de_DE.UTF-8)";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    ASSERT_STREQ(buffer, "0,5") << "the locale switch did not take effect";
    expectAllForms();
}

TEST(NumberText, DecimalTextOfComputedValues) {
    const std::pair<double, const char*> cases[] = {
        {-30.0, "-30"}, {12.5, "12.5"}, {0.5, "0.5"},       {-0.25, "-0.25"},
        {-0.0, "0"},    {20.5, "20.5"}, {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(decimalText(value), text) << value;
}

TEST(NumberText, ParseRejectsWhatIsNotANumber) {
    for (const char* text :
         {"", " ", "abc", "1.5x", "1,5", "--1", "+-1", "++1", "+ 1", "nan", "inf", "1e999", "."})
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
    EXPECT_EQ(parseNumber("  -3.5 "), -3.5);
    EXPECT_EQ(parseNumber("+2"), 2.0);
    EXPECT_EQ(parseNumber("1e2"), 100.0);
}

// Export and check tell a value the world cannot hold from a text that is no number at all.
TEST(NumberText, ReadingTellsTooLongAndOutOfRangeFromNotANumber) {
    using norvane::NumberFault;
    const std::string longest = " 0." + std::string(30, '0') + " ";
    const std::pair<std::string, NumberFault> cases[] = {
        {" 37.5", NumberFault::None},           {longest, NumberFault::None},
        {" 0" + longest, NumberFault::TooLong}, {std::string(300, '9'), NumberFault::TooLong},
        {"1e309", NumberFault::OutOfRange},     {"-1e39", NumberFault::OutOfRange},
        {"3.4e38", NumberFault::None},          {"1e309x", NumberFault::NotANumber},
        {"inf", NumberFault::NotANumber},       {"", NumberFault::NotANumber},
    };
    for (const auto& [text, fault] : cases)
        EXPECT_EQ(norvane::readNumberText(text).fault, fault) << '"' << text << '"';
    EXPECT_EQ(norvane::readNumberText(longest).value, 0.0);
}
