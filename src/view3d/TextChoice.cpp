#include "TextChoice.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace norvane {

double textScale(const TextInstance& text) {
    const auto& m = text.place.linear;
    return std::sqrt(m[0] * m[0] + m[3] * m[3] + m[6] * m[6]);
}

std::vector<std::size_t> readableTexts(const std::vector<TextInstance>& texts, Vec3 eye,
                                       const std::function<bool(int)>& isDrawn) {
    std::vector<std::pair<double, std::size_t>> near; // distance, text
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!isDrawn(texts[i].row))
            continue;
        const Vec3& at = texts[i].place.offset;
        const double d = std::hypot(float(at.x) - float(eye.x), float(at.y) - float(eye.y),
                                    float(at.z) - float(eye.z));
        if (d < kReadingDistance * texts[i].fontSize * textScale(texts[i]))
            near.emplace_back(d, i);
    }
    const std::size_t kept = std::min(near.size(), kMostTexts);
    std::partial_sort(near.begin(), near.begin() + std::ptrdiff_t(kept), near.end());
    std::vector<std::size_t> chosen(kept);
    for (std::size_t i = 0; i < kept; ++i)
        chosen[i] = near[i].second;
    return chosen;
}

} // namespace norvane
