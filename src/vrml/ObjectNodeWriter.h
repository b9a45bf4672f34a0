#pragma once

#include "KindLooks.h"
#include "LineWriter.h"
#include "ModelLibrary.h"
#include "RowNumbers.h"
#include "WorldLooks.h"
#include "scene/Catalogue.h"
#include "scene/RowFields.h"
#include "scene/Scene.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// Where a writer put the DEF group of a model: bytes [begin, end) of its text. A later writer's
// first use of a model that an earlier one already defined is turned into a USE group there.
struct ModelDefinition {
    std::size_t begin;
    std::size_t end;
    std::size_t entry; // library entry of the model
};

// Appends the VRML nodes of scene objects, one after the other, to a text owned by the caller.
// The first object of each furnished kind defines its model group (DEF); later objects of that
// kind in the same writer reuse it (USE). Every anchor carries the anchor target line, if any.
class ObjectNodeWriter {
public:
    // `out` and `anchorTarget` must outlive the writer.
    ObjectNodeWriter(std::string& out, std::string_view anchorTarget);

    // Appends the nodes of rows [first, last) in order. Throws Error naming the first row with a
    // coordinate (or orientation code) that readPointPlace or readAreaRect refuses; `out` is then
    // left part-written.
    void writeRows(const SceneRows& rows, std::size_t first, std::size_t last);

    // The DEF groups written so far, in text order.
    const std::vector<ModelDefinition>& definitions() const { return m_definitions; }

private:
    void writeRow(const SceneRow& object, std::size_t row);
    void writeAnchorOpening(std::string_view url);
    void writeClosePair();

    void writePointObject(const SceneRow& object, std::size_t row);
    void writePointHeader(const PointFields& fields, PointPlace place);
    void writeFurnishedBody(const KindInfo& kind);
    void writeTextBody(const TextLook& look, std::string_view text);

    void writeAreaObject(const SceneRow& object, const AreaLook& look, std::size_t row);
    void writeSlab(const AreaRect& rect, const SlabLook& look);
    void writeEllipsoid(const AreaRect& rect, const SlabLook& look);

    std::string& m_text;
    LineWriter m_out;
    std::string_view m_anchorTarget;
    std::array<bool, kModelCount> m_defined{}; // model groups already written with DEF
    std::vector<ModelDefinition> m_definitions;
};

// The group that reuses the model of library entry `entry`, as written after its definition.
std::string_view modelUse(std::size_t entry);

} // namespace norvane
