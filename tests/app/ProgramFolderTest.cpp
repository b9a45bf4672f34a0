// The program's folder: the executable's when it is writable, otherwise a per-user folder that
// is created and filled with the textures. Whether a folder is writable is decided by the test,
// since as root every folder is.
#include "app/ProgramFolder.h"
#include "UiHelpers.h"
#include "app/SceneTemplates.h"

#include "scene/Error.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

struct Start {
    const char* name;
    bool writable, installed; // installed: the data folder holds the textures
    QString userFolder;       // relative to the scratch folder
    QString expected;         // "bin", "user", or "" for the error
    QStringList textures;     // the files in the expected folder afterwards
};

const QStringList kAll{"source1.jpg", "source2.jpg", "source3.jpg", "source4.jpg", "source5.jpg"};

const Start kStarts[] = {
    {"build tree", true, false, "home/.local/share/norvane", "bin", {"source1.jpg"}},
    {"prefix the user owns", true, true, "home/.local/share/norvane", "bin", kAll},
    {"read-only prefix", false, true, "home/.local/share/norvane", "user", kAll},
    {"read-only prefix, user folder exists", false, true, "home", "user", kAll},
    {"user folder cannot be made", false, true, "file/norvane", "", {}},
};

} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void choosesAndFillsTheFolder_data() { addCases(kStarts); }
    void choosesAndFillsTheFolder() {
        const Start& c = fetchCase<Start>();
        QTemporaryDir scratch;
        const QDir root(scratch.path());
        QVERIFY(root.mkpath("prefix/bin") && root.mkpath("prefix/share/norvane") &&
                root.mkpath("home"));
        writeFile(root.filePath("prefix/bin/source1.jpg"), "bin texture");
        writeFile(root.filePath("file"), "");
        for (const QString& name : c.installed ? kAll : QStringList())
            writeFile(root.filePath("prefix/share/norvane/" + name), "installed " + name.toUtf8());
        const ProgramFolderPlaces places{root.filePath("prefix/bin"),
                                         root.filePath("prefix/share/norvane"),
                                         root.filePath(c.userFolder),
                                         {}};
        QStringList asked;
        QString folder;
        try {
            folder = prepareProgramFolder(places, [&](const QString& f) {
                asked << f;
                return c.writable;
            });
        } catch (const norvane::Error& e) {
            QVERIFY2(QString(e.what()).contains(places.userFolder), e.what());
        }

        QCOMPARE(asked, QStringList{places.executableFolder});
        QCOMPARE(folder, c.expected == "bin"    ? places.executableFolder
                         : c.expected == "user" ? places.userFolder
                                                : QString());
        if (folder.isEmpty())
            return;
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), c.textures);
        // A texture already there is kept; the others are the installed ones.
        QCOMPARE(fileBytes(QDir(folder).filePath("source5.jpg")),
                 c.installed ? QByteArray("installed source5.jpg") : QByteArray("<missing>"));
        if (c.expected == "bin")
            QCOMPARE(fileBytes(QDir(folder).filePath("source1.jpg")), QByteArray("bin texture"));
    }

    // Templates beside the executable (a build tree) come before the installed ones.
    void findsTheTemplates() {
        QTemporaryDir scratch;
        const QDir root(scratch.path());
        const ProgramFolderPlaces places{
            root.filePath("bin"), root.filePath("share/norvane"), {}, {}};
        QCOMPARE(templateFolder(places), root.filePath("share/norvane/templates"));
        QVERIFY(root.mkpath("bin/templates"));
        QCOMPARE(templateFolder(places), root.filePath("bin/templates"));
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
