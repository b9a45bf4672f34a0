#include "NumberList.h"

#include "scene/NumberText.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr std::string_view kSeparators = " ,\t\r\n";

} // namespace

std::vector<double> numberList(std::string_view text) {
    std::vector<double> numbers;
    for (std::size_t start = text.find_first_not_of(kSeparators); start != std::string_view::npos;
         start = text.find_first_not_of(kSeparators, start)) {
        const std::size_t end = std::min(text.find_first_of(kSeparators, start), text.size());
        numbers.push_back(parseNumber(text.substr(start, end - start)).value_or(0.0));
        start = end;
    }
    return numbers;
}

Vec3 vec3Of(std::string_view text, Vec3 fallback) {
    const std::vector<double> n = numberList(text);
    return {n.size() > 0 ? n[0] : fallback.x, n.size() > 1 ? n[1] : fallback.y,
            n.size() > 2 ? n[2] : fallback.z};
}

double numberOf(std::string_view text, double fallback) {
    const std::vector<double> n = numberList(text);
    return n.empty() ? fallback : n.front();
}

} // namespace norvane
