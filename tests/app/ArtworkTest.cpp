#include "app/Artwork.h"

#include <QDir>
#include <QImage>
#include <QTest>

// The pictures the program carries, and the textures the build places beside the executable
// (NORVANE_PROGRAM_DIR, set by CTest) for the worlds saved there.
class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void texturesLieBesideTheProgram() {
        const QString programDir = qEnvironmentVariable("NORVANE_PROGRAM_DIR");
        if (programDir.isEmpty())
            QSKIP("NORVANE_PROGRAM_DIR is not set");
        for (const char* name : {"source1", "source2", "source3", "source4", "source5"}) {
            const QImage texture(QDir(programDir).filePath(name + QString(".jpg")), "JPEG");
            QVERIFY2(texture.size() == QSize(256, 256), name);
        }
    }

    void iconAndSplashPictureLoad() {
        QCOMPARE(programIcon().size(), QSize(256, 256));
        QVERIFY(programIcon().hasAlpha());
        QCOMPARE(splashPicture().size(), QSize(431, 284));
    }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
