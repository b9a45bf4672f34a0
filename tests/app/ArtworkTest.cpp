#include "app/Artwork.h"

#include <QDir>
#include <QImage>
#include <QTest>

// The pictures the program carries, and the textures the build places beside the executable
// (NORVANE_PROGRAM_DIR, set by CTest) for the worlds saved there.
class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void texturesLieBesideTheProgram_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"source1.jpg", "source2.jpg", "source3.jpg", "source4.jpg", "source5.jpg"})
            QTest::newRow(name) << name;
    }

    void texturesLieBesideTheProgram() {
        QFETCH(QString, name);
        const QString programDir = qEnvironmentVariable("NORVANE_PROGRAM_DIR");
        if (programDir.isEmpty())
            QSKIP("NORVANE_PROGRAM_DIR is not set");
        const QImage texture(QDir(programDir).filePath(name), "JPEG");
        QVERIFY2(!texture.isNull(), qPrintable(name));
        QCOMPARE(texture.size(), QSize(256, 256));
    }

    void iconAndSplashPictureLoad() {
        QCOMPARE(programIcon().size(), QSize(256, 256));
        QVERIFY(programIcon().hasAlpha());
        QCOMPARE(splashPicture().size(), QSize(431, 284));
    }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
