#include "Catalogue.h"

#include <algorithm>

namespace norvane {

const KindInfo* findKind(std::string_view name) {
    // The table is sorted by name, so a binary search finds the entry.
    auto it =
        std::lower_bound(kCatalogue.begin(), kCatalogue.end(), name,
                         [](const KindInfo& kind, std::string_view n) { return kind.name < n; });
    return (it != kCatalogue.end() && it->name == name) ? &*it : nullptr;
}

bool isAreaKind(std::string_view name) {
    const KindInfo* kind = findKind(name);
    return kind && kind->shape == Shape::Area;
}

bool isTextKind(std::string_view name) {
    const KindInfo* kind = findKind(name);
    return kind && kind->isText;
}

std::string_view placementHint(std::string_view name) {
    return isAreaKind(name) ? kDragHint : kClickHint;
}

std::string_view modelName(std::string_view name) {
    const KindInfo* kind = findKind(name);
    return kind ? kind->modelName : std::string_view{};
}

} // namespace norvane
