#include "MapSymbols.h"

#include "scene/Orientation.h"

#include <cstdint>

namespace norvane {

namespace {

constexpr bool followsCatalogue() {
    for (std::size_t i = 0; i < kMapSymbols.size(); ++i) {
        if (kMapSymbols[i].kind != kCatalogue[i].name)
            return false;
    }
    return true;
}
static_assert(followsCatalogue(), "map symbols must list the catalogue kinds in its order");

// The map looks a kind up for every row it draws: a slot from the name's length and first and
// last bytes, then one comparison. The slots of the catalogue's names all differ.
constexpr std::size_t kSlots = 64;

constexpr std::size_t slotOf(std::string_view kind) {
    const auto byte = [](char c) {
        return static_cast<std::size_t>(static_cast<unsigned char>(c));
    };
    return (kind.size() * 6 + byte(kind.front()) + 8 * byte(kind.back())) % kSlots;
}

constexpr std::array<std::int8_t, kSlots> slotTable() {
    std::array<std::int8_t, kSlots> slots{};
    for (auto& slot : slots)
        slot = -1;
    for (std::size_t i = 0; i < kMapSymbols.size(); ++i) {
        if (slots[slotOf(kMapSymbols[i].kind)] != -1)
            throw "two kinds share a slot";
        slots[slotOf(kMapSymbols[i].kind)] = static_cast<std::int8_t>(i);
    }
    return slots;
}

constexpr std::array<std::int8_t, kSlots> kSymbolSlots = slotTable();

} // namespace

const MapSymbol* findSymbol(std::string_view kind) {
    if (kind.empty())
        return nullptr;
    const int index = kSymbolSlots[slotOf(kind)];
    if (index < 0 || kMapSymbols[static_cast<std::size_t>(index)].kind != kind)
        return nullptr;
    return &kMapSymbols[static_cast<std::size_t>(index)];
}

std::optional<TurnedFigure> figureFor(const MapSymbol& symbol, std::string_view code) {
    const auto as = [&symbol](std::string_view quarter) {
        return TurnedFigure{facesAlongX(quarter) ? &symbol.facingX : &symbol.facingY, {}};
    };
    if (!turns(symbol.facingY) || facesAlongY(code) || facesAlongX(code))
        return as(code);
    const std::optional<double> radians = orientationRadians(code);
    if (!radians)
        return symbol.oneFigure ? std::optional(as(kFaceForward)) : std::nullopt;
    if (const std::optional<std::string_view> quarter = quarterCodeOf(*radians))
        return as(*quarter);
    return TurnedFigure{&symbol.facingY, MapTurn::of(*radians)};
}

float lineReach(const Figure& figure, std::string_view text) {
    int count = 0;
    for (const char byte : text) // every byte that does not continue a sequence starts one
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    return figure.size * static_cast<float>(count);
}

} // namespace norvane
