#include "FormatReport.h"

#include "scene/Catalogue.h"

#include <string>

namespace norvane {

namespace {

constexpr FeatureKeeping kKeepings[] = {
    {"glb", WorldFeature::Hyperlinks,
     "{} kept as node data (three.js pages can use them; model-viewer ignores them)"},
    {"glb", WorldFeature::TargetFrame, "the hyperlinks' target frame kept as node data"},
    {"glb", WorldFeature::Music,
     "background music not played by glTF viewers (named in the scene's data)"},
    {"glb", WorldFeature::Sky, "sky kept as data only"},
    {"x3d", WorldFeature::Music,
     "background music played by X_ITE and view3dscene; X3DOM's sound is experimental"},
};

std::size_t countOf(WorldFeature feature, const WorldUse& use) {
    switch (feature) {
    case WorldFeature::Hyperlinks:
        return use.hyperlinks;
    case WorldFeature::Texts:
        return use.texts;
    case WorldFeature::TargetFrame:
        return use.targetFrame ? 1 : 0;
    case WorldFeature::Music:
        return use.music ? 1 : 0;
    case WorldFeature::Sky:
        return 1;
    }
    return 0;
}

// "1 hyperlink", "3 hyperlinks", "2 texts" for the features that are counted.
std::string counted(WorldFeature feature, std::size_t count) {
    const std::string_view noun = feature == WorldFeature::Hyperlinks ? "hyperlink" : "text";
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string noteOf(const FeatureKeeping& cell, std::size_t count) {
    std::string words(cell.words);
    if (const std::size_t at = words.find("{}"); at != std::string::npos)
        words.replace(at, 2, counted(cell.feature, count));
    return words;
}

} // namespace

WorldUse worldUse(const Scene& scene, const WorldOptions& options) {
    WorldUse use;
    for (const SceneRow& row : scene.rows()) {
        use.hyperlinks += anchorUrl(row).empty() ? 0 : 1;
        use.texts += isTextKind(row.kind) ? 1 : 0;
    }
    use.targetFrame = use.hyperlinks > 0 && !options.targetFrame.empty();
    use.music = !options.musicFile.empty();
    return use;
}

std::vector<std::string> compatibilityNotes(std::string_view format, const WorldUse& use) {
    std::vector<std::string> notes;
    for (const FeatureKeeping& cell : kKeepings)
        if (cell.format == format && countOf(cell.feature, use) > 0)
            notes.push_back(noteOf(cell, countOf(cell.feature, use)));
    return notes;
}

std::string compatibilityReport(std::string_view format, std::string_view title,
                                const WorldUse& use) {
    const std::vector<std::string> notes = compatibilityNotes(format, use);
    if (notes.empty())
        return {};
    std::string report = std::string(title) + ": ";
    for (std::size_t i = 0; i < notes.size(); ++i)
        report += (i > 0 ? " \u00b7 " : "") + notes[i];
    return report;
}

} // namespace norvane
