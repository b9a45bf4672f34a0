#include "MapSymbols.h"

#include "scene/Orientation.h"

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

} // namespace

const MapSymbol* findSymbol(std::string_view kind) {
    const KindInfo* info = findKind(kind);
    return info ? &kMapSymbols[static_cast<std::size_t>(info - kCatalogue.data())] : nullptr;
}

const Figure* figureFor(const MapSymbol& symbol, std::string_view code) {
    if (symbol.oneFigure || facesAlongY(code))
        return &symbol.facingY;
    if (facesAlongX(code))
        return &symbol.facingX;
    return nullptr;
}

float lineReach(const Figure& figure, std::string_view text) {
    int count = 0;
    for (const char byte : text) // every byte that does not continue a sequence starts one
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    return figure.size * static_cast<float>(count);
}

} // namespace norvane
