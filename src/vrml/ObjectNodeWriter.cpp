#include "ObjectNodeWriter.h"

namespace norvane {

namespace {

// A generous guess of the text one row adds, so that big scenes grow the text rarely.
constexpr std::size_t kBytesPerRow = 192;

} // namespace

ObjectNodeWriter::ObjectNodeWriter(std::string& out, std::string_view anchorTarget)
    : m_out(out), m_anchorTarget(anchorTarget) {}

void ObjectNodeWriter::writeScene(const Scene& scene) {
    m_out.reserveMore(scene.count() * kBytesPerRow);
    const auto rows = scene.rows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        writeRow(rows[row], row);
}

void ObjectNodeWriter::writeRow(const SceneObject& object, std::size_t row) {
    if (const AreaLook* look = findAreaLook(object.kind))
        writeAreaObject(object, *look, row);
    else
        writePointObject(object, row);
}

void ObjectNodeWriter::writeAnchorOpening(std::string_view url) {
    m_out.line("Anchor {");
    m_out.line("url ", Quoted{url});
    m_out.raw(m_anchorTarget);
    m_out.line("children [");
}

void ObjectNodeWriter::writeClosePair() {
    m_out.line("]");
    m_out.line("}");
}

void ObjectNodeWriter::writePointObject(const SceneObject& object, std::size_t row) {
    writePointHeader(object, readPointPlace(object, row));
    const KindInfo* kind = findKind(object.kind);
    if (kind && kind->libraryEntry >= 0)
        writeFurnishedBody(*kind);
    else if (const TextLook* look = findTextLook(object.kind))
        writeTextBody(*look, object.list7);
    writeClosePair();
    if (!object.list6.empty())
        writeClosePair();
}

void ObjectNodeWriter::writePointHeader(const SceneObject& object, PointPlace place) {
    if (!object.list6.empty())
        writeAnchorOpening(object.list6);
    m_out.line("Transform {");
    m_out.line("translation ", Number{place.x - 50}, " 0.03 ", Number{place.y - 50});
    m_out.line("rotation 0 1 0 ", object.list5);
    m_out.line("children [");
}

void ObjectNodeWriter::writeFurnishedBody(const KindInfo& kind) {
    const auto entry = static_cast<std::size_t>(kind.libraryEntry);
    if (m_defined[entry]) {
        m_out.line("Group {");
        m_out.line("children USE ", kind.modelName);
        m_out.line("}");
        return;
    }
    m_defined[entry] = true;
    m_out.line("DEF ", kind.modelName, " Group {");
    m_out.line("children [");
    m_out.raw(modelBody(entry));
    m_out.line();
    writeClosePair();
}

void ObjectNodeWriter::writeTextBody(const TextLook& look, std::string_view text) {
    m_out.line("Transform {");
    m_out.line("translation ", look.lift);
    m_out.line("children [");
    m_out.line("Shape {");
    m_out.line("geometry Text {");
    m_out.line("string ", Quoted{text});
    m_out.line("fontStyle FontStyle {");
    m_out.line("size ", look.size);
    m_out.line("justify \"MIDDLE\"");
    m_out.line("}");
    m_out.line("}");
    m_out.line("}");
    writeClosePair();
}

} // namespace norvane
