#pragma once

#include "KindLooks.h"
#include "ModelParts.h"
#include "RowNumbers.h"
#include "scene/Catalogue.h"
#include "scene/RowFields.h"
#include "scene/Scene.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// Appends the X3D XML elements of scene objects to a text owned by the caller: the same nodes
// and values as the VRML world. The first object of each furnished kind defines its model group
// (DEF), later ones reuse it (USE); every anchor carries the target frame's parameter, if any.
class X3dObjectWriter {
public:
    // `out` must outlive the writer; `targetFrame` is the frame every hyperlink opens in ("" for
    // none).
    X3dObjectWriter(std::string& out, std::string_view targetFrame);

    // Appends the elements of rows [first, last) in order. Throws Error as ObjectNodeWriter does,
    // leaving `out` part-written.
    void writeRows(const SceneRows& rows, std::size_t first, std::size_t last);

private:
    void writeRow(const SceneRow& object, std::size_t row);
    void openAnchor(std::string_view url);
    void writePointObject(const SceneRow& object, std::size_t row);
    void writeModel(const KindInfo& kind);
    void writeText(const TextLook& look, std::string_view text);
    void writeAreaObject(const SceneRow& object, const AreaLook& look, std::size_t row);
    void openCentredTransform(const AreaRect& rect, const SlabLook& look);
    void writeSlab(const AreaRect& rect, const SlabLook& look);
    void writeEllipsoid(const AreaRect& rect, const SlabLook& look);
    void number(double value);

    std::string& m_out;
    std::string m_parameter; // the Anchor's parameter attribute, "" for none
    std::array<bool, kModelCount> m_defined{};
};

} // namespace norvane
