// Draws the program's pictures into a folder: the five textures exported worlds name, the
// program icon and the splash picture. Run it through the build's "artwork" target, which
// writes into resources/; the results are committed.
#include "Emblems.h"
#include "Textures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

namespace {

struct Picture {
    const char* name;
    std::function<QImage()> draw;
    int quality; // -1 for the format's default
};

const Picture kPictures[] = {
    {"source1.jpg", drawGrass, 88},        {"source2.jpg", drawBrick, 88},
    {"source3.jpg", drawOfficeFacade, 88}, {"source4.jpg", drawWater, 88},
    {"source5.jpg", drawWood, 88},         {"norvane.png", [] { return drawIcon(256); }, -1},
    {"splash.jpg", drawSplash, 90},
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: norvane_artwork <folder>\n");
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    for (const Picture& picture : kPictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.name));
        if (!picture.draw().save(path, nullptr, picture.quality)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
