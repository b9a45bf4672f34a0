#pragma once

#include "KindLooks.h"
#include "LineWriter.h"
#include "ModelLibrary.h"
#include "RowNumbers.h"
#include "scene/Catalogue.h"
#include "scene/Scene.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// Appends the VRML nodes of scene objects, one after the other, to a text owned by the caller.
// The first object of each furnished kind defines its model group (DEF); later objects of that
// kind in the same writer reuse it (USE). Every anchor carries the anchor target line, if any.
class ObjectNodeWriter {
public:
    // `out` and `anchorTarget` must outlive the writer.
    ObjectNodeWriter(std::string& out, std::string_view anchorTarget);

    // Appends the nodes of every row in order. Throws Error naming the first row with a
    // coordinate (or orientation code) that readPointPlace or readAreaRect refuses; `out` is then
    // left part-written.
    void writeScene(const Scene& scene);

private:
    void writeRow(const SceneObject& object, std::size_t row);
    void writeAnchorOpening(std::string_view url);
    void writeClosePair();

    void writePointObject(const SceneObject& object, std::size_t row);
    void writePointHeader(const SceneObject& object, PointPlace place);
    void writeFurnishedBody(const KindInfo& kind);
    void writeTextBody(const TextLook& look, std::string_view text);

    void writeAreaObject(const SceneObject& object, const AreaLook& look, std::size_t row);
    void writeSlab(const AreaRect& rect, const SlabLook& look);
    void writeEllipsoid(const AreaRect& rect, const SlabLook& look);

    LineWriter m_out;
    std::string_view m_anchorTarget;
    std::array<bool, kModelCount> m_defined{}; // model groups already written with DEF
};

} // namespace norvane
