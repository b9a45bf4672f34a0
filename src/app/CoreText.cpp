#include "CoreText.h"

#include "render/Utf8Text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <vector>

namespace {

// Each entry as the core writes it; "%1" and the like stand for the parts it fills in. Where two
// patterns both fit a text, the first wins, so a pattern comes before the more general ones.
constexpr std::array kTexts{
    // Hints, prompts and the status bar of the map.
    QT_TRANSLATE_NOOP("CoreText", "Click to insert the object"),
    QT_TRANSLATE_NOOP("CoreText", "Drag out a rectangle to insert the object."),
    QT_TRANSLATE_NOOP("CoreText", "Enter URL"),
    QT_TRANSLATE_NOOP("CoreText", "VRML Anchor"),
    QT_TRANSLATE_NOOP("CoreText", "Enter Text String"),
    QT_TRANSLATE_NOOP("CoreText", "Text"),
    QT_TRANSLATE_NOOP("CoreText", "Select"),
    QT_TRANSLATE_NOOP("CoreText",
                      "A %1 stays aligned with the map: areas change by their corners only."),
    // Reading and writing files.
    QT_TRANSLATE_NOOP("CoreText", "Cannot read %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot write %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "not a regular file"),
    QT_TRANSLATE_NOOP("CoreText", "it is not a Norvane scene file"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot create the folder %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot start compressing: out of memory"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot read the font %1"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot encode the map picture as PNG"),
    // Scene files that are not whole objects, and scenes that cannot be saved.
    QT_TRANSLATE_NOOP("CoreText", "The scene file ends in the middle of an object: 1 line is not a "
                                  "multiple of 6%1"),
    QT_TRANSLATE_NOOP("CoreText",
                      "The scene file ends in the middle of an object: %1 lines is not a "
                      "multiple of 6%2"),
    QT_TRANSLATE_NOOP("CoreText", " (lines ended by CR alone are not supported; use CR LF or LF)"),
    QT_TRANSLATE_NOOP("CoreText", "An object's texts are too long to keep"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Cannot save the scene: object %1 holds a line break in one of its texts"),
    // Numbers a world cannot be made of.
    QT_TRANSLATE_NOOP("CoreText", "Row %1 (line %2), column %3 is not a number."),
    QT_TRANSLATE_NOOP("CoreText", "Row %1 (line %2), column %3 is longer than 32 characters."),
    QT_TRANSLATE_NOOP("CoreText", "Row %1 (line %2), column %3 is out of range."),
    // The problems that opening a scene file finds.
    QT_TRANSLATE_NOOP("CoreText", "line %1, row %2: %3"),
    QT_TRANSLATE_NOOP("CoreText", "Unknown object kind %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a number: %2"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is longer than 32 characters: %2"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is out of range: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Orientation is not one of 0, 3.14, 1.57, -1.57: %1"),
    QT_TRANSLATE_NOOP("CoreText", "X2 is less than X1: %1 < %2"),
    QT_TRANSLATE_NOOP("CoreText", "Y2 is less than Y1: %1 < %2"),
    QT_TRANSLATE_NOOP("CoreText", "Incomplete object at the end of the file: %1 of %2 lines"),
    QT_TRANSLATE_NOOP("CoreText", "Orientation"),
    // The web page.
    QT_TRANSLATE_NOOP("CoreText", "The page name \"%1\" is not a plain file name ending in .html"),
    QT_TRANSLATE_NOOP("CoreText",
                      "The music file \"%1\" cannot lie beside the page: the page needs that name"),
    QT_TRANSLATE_NOOP("CoreText",
                      "A page cannot show a world of the format \"%1\" (choose wrl, wrz, x3d or "
                      "glb)"),
    QT_TRANSLATE_NOOP("CoreText",
                      "The page cannot be called embed.html: the snippet takes that name"),
    // What Export Web Page wrote, and what its poster shows.
    QT_TRANSLATE_NOOP("CoreText", "%1 files, %2 MB"),
    QT_TRANSLATE_NOOP("CoreText", "the 3D view from the start point"),
    QT_TRANSLATE_NOOP("CoreText", "the map (no OpenGL here for the 3D view)"),
    // The world formats: their names and the file filters of the Save dialog.
    QT_TRANSLATE_NOOP("CoreText", "VRML 2.0, compressed"),
    QT_TRANSLATE_NOOP("CoreText", "VRML 2.0 Files (*.wrl)"),
    QT_TRANSLATE_NOOP("CoreText", "X3D Files (*.x3d)"),
    QT_TRANSLATE_NOOP("CoreText", "X3D ClassicVRML Files (*.x3dv)"),
    QT_TRANSLATE_NOOP("CoreText", "glTF 2.0 Binary Files (*.glb)"),
    QT_TRANSLATE_NOOP("CoreText", "Compressed VRML 2.0 Files (*.wrz)"),
    // What a world format keeps of the scene.
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 kept as node data (three.js pages can use them; model-viewer ignores "
                      "them)"),
    QT_TRANSLATE_NOOP("CoreText", "1 hyperlink"),
    QT_TRANSLATE_NOOP("CoreText", "%1 hyperlinks"),
    QT_TRANSLATE_NOOP("CoreText", "the hyperlinks' target frame kept as node data"),
    QT_TRANSLATE_NOOP("CoreText",
                      "background music not played by glTF viewers (named in the scene's data)"),
    QT_TRANSLATE_NOOP("CoreText", "sky kept as data only"),
    QT_TRANSLATE_NOOP("CoreText",
                      "background music played by X_ITE and view3dscene; X3DOM's sound is "
                      "experimental"),
};

// A pattern as a regular expression: its literal parts escaped, each placeholder one lazy group.
struct Pattern {
    const char* source;
    QRegularExpression expression;
    std::vector<int> numbers; // the placeholder's number of each group, in order
};

const QRegularExpression& placeholder() {
    static const QRegularExpression expression(QStringLiteral("%(\\d)"));
    return expression;
}

std::vector<Pattern> makePatterns() {
    std::vector<Pattern> patterns;
    for (const char* source : kTexts) {
        const QString text = QString::fromUtf8(source);
        QString regex;
        std::vector<int> numbers;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& match : placeholder().globalMatch(text)) {
            regex += QRegularExpression::escape(text.mid(from, match.capturedStart() - from));
            regex += QStringLiteral("(.*?)");
            numbers.push_back(match.captured(1).toInt());
            from = match.capturedEnd();
        }
        if (numbers.empty())
            continue;
        regex += QRegularExpression::escape(text.mid(from));
        patterns.push_back({source,
                            QRegularExpression(QRegularExpression::anchoredPattern(regex),
                                               QRegularExpression::DotMatchesEverythingOption),
                            std::move(numbers)});
    }
    return patterns;
}

QString translated(const char* source) {
    return QCoreApplication::translate("CoreText", source);
}

// `text` with each "%N" replaced by parts[N] in one pass, so that a part holding "%2" stays as it
// is.
QString filled(const QString& text, const std::array<QString, 10>& parts) {
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : placeholder().globalMatch(text)) {
        result += text.mid(from, match.capturedStart() - from);
        result += parts[std::size_t(match.captured(1).toInt())];
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

QString translatedText(const QString& english) {
    for (const char* source : kTexts)
        if (english == QLatin1String(source))
            return translated(source);
    static const std::vector<Pattern> patterns = makePatterns();
    for (const Pattern& pattern : patterns) {
        const QRegularExpressionMatch match = pattern.expression.match(english);
        if (!match.hasMatch())
            continue;
        std::array<QString, 10> parts;
        for (std::size_t i = 0; i < pattern.numbers.size(); ++i)
            parts[std::size_t(pattern.numbers[i])] = translatedText(match.captured(int(i) + 1));
        return filled(translated(pattern.source), parts);
    }
    return english;
}

} // namespace

QString coreText(std::string_view english) {
    return translatedText(fromUtf8(english));
}
