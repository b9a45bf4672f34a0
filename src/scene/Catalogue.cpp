#include "Catalogue.h"

#include <algorithm>
#include <cstdint>

namespace norvane {

namespace {

// Every name of the catalogue lands in a slot of its own under this hash of its length and
// three of its bytes, so a lookup compares one name at most.
constexpr std::size_t kSlots = 64;
constexpr std::size_t slotOf(std::string_view name) {
    const auto byte = [name](std::size_t i) { return static_cast<unsigned char>(name[i]); };
    return (name.size() + 2 * byte(0) + 10 * byte(1) + 3 * byte(name.size() - 1)) % kSlots;
}

constexpr std::array<std::int8_t, kSlots> kindSlots() {
    std::array<std::int8_t, kSlots> slots{};
    slots.fill(-1);
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::int8_t& slot = slots[slotOf(kCatalogue[i].name)];
        slot = slot < 0 ? static_cast<std::int8_t>(i) : std::int8_t{-2};
    }
    return slots;
}

constexpr std::array<std::int8_t, kSlots> kKindSlots = kindSlots();
static_assert(std::ranges::none_of(kKindSlots, [](std::int8_t slot) { return slot == -2; }),
              "two kind names share a slot: change slotOf");

} // namespace

const KindInfo* findKind(std::string_view name) {
    if (name.size() < 2)
        return nullptr;
    const std::int8_t slot = kKindSlots[slotOf(name)];
    if (slot < 0 || kCatalogue[std::size_t(slot)].name != name)
        return nullptr;
    return &kCatalogue[std::size_t(slot)];
}

bool isAreaKind(std::string_view name) {
    const KindInfo* kind = findKind(name);
    return kind && kind->shape == Shape::Area;
}

bool isTurnable(std::string_view name) {
    return !isAreaKind(name);
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
