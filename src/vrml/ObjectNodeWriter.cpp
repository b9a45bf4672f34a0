#include "ObjectNodeWriter.h"

namespace norvane {

namespace {

// The texts that define and reuse each model, made once: most rows are one of these.
struct ModelTexts {
    std::array<std::string, kModelCount> definitions;
    std::array<std::string, kModelCount> uses;
};

const ModelTexts& modelTexts() {
    static const ModelTexts texts = [] {
        ModelTexts made;
        for (const KindInfo& kind : kCatalogue) {
            if (kind.libraryEntry < 0)
                continue;
            const auto entry = static_cast<std::size_t>(kind.libraryEntry);
            const std::string name(kind.modelName);
            made.definitions[entry] = "DEF " + name + " Group {\r\nchildren [\r\n" +
                                      std::string(modelBody(entry)) + "\r\n]\r\n}\r\n";
            made.uses[entry] = "Group {\r\nchildren USE " + name + "\r\n}\r\n";
        }
        return made;
    }();
    return texts;
}

} // namespace

std::string_view modelUse(std::size_t entry) {
    return modelTexts().uses.at(entry);
}

ObjectNodeWriter::ObjectNodeWriter(std::string& out, std::string_view anchorTarget)
    : m_text(out), m_out(out), m_anchorTarget(anchorTarget) {}

void ObjectNodeWriter::writeRows(const SceneRows& rows, std::size_t first, std::size_t last) {
    for (std::size_t row = first; row < last; ++row)
        writeRow(rows[row], row);
}

void ObjectNodeWriter::writeRow(const SceneRow& object, std::size_t row) {
    if (const AreaLook* look = findAreaLook(object.kind))
        writeAreaObject(object, *look, row);
    else
        writePointObject(object, row);
}

void ObjectNodeWriter::writeAnchorOpening(std::string_view url) {
    m_out.line("Anchor {\r\nurl ", Quoted{url});
    m_out.raw(m_anchorTarget);
    m_out.raw("children [\r\n");
}

void ObjectNodeWriter::writeClosePair() {
    m_out.raw("]\r\n}\r\n");
}

void ObjectNodeWriter::writePointObject(const SceneRow& object, std::size_t row) {
    const PointFields fields = pointFields(object);
    writePointHeader(fields, readPointPlace(object, row));
    const KindInfo* kind = findKind(object.kind);
    if (kind && kind->libraryEntry >= 0)
        writeFurnishedBody(*kind);
    else if (const TextLook* look = findTextLook(object.kind))
        writeTextBody(*look, fields.text);
    writeClosePair();
    if (!fields.anchor.empty())
        writeClosePair();
}

void ObjectNodeWriter::writePointHeader(const PointFields& fields, PointPlace place) {
    if (!fields.anchor.empty())
        writeAnchorOpening(fields.anchor);
    m_out.line("Transform {\r\ntranslation ", Number{place.x - 50}, kPointLift,
               Number{place.y - 50}, "\r\nrotation 0 1 0 ", fields.orientation, "\r\nchildren [");
}

void ObjectNodeWriter::writeFurnishedBody(const KindInfo& kind) {
    const auto entry = static_cast<std::size_t>(kind.libraryEntry);
    if (m_defined[entry]) {
        m_out.raw(modelUse(entry));
        return;
    }
    m_defined[entry] = true;
    const std::size_t begin = m_text.size();
    m_out.raw(modelTexts().definitions[entry]);
    m_definitions.push_back({begin, m_text.size(), entry});
}

void ObjectNodeWriter::writeTextBody(const TextLook& look, std::string_view text) {
    m_out.line("Transform {\r\ntranslation ", look.lift, "\r\nchildren [\r\nShape {\r\n",
               "geometry Text {\r\nstring ", Quoted{text}, "\r\nfontStyle FontStyle {\r\nsize ",
               look.size, "\r\njustify \"MIDDLE\"\r\n}\r\n}\r\n}");
    writeClosePair();
}

} // namespace norvane
