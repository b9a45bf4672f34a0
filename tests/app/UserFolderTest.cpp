// The per-user folder of an install the user cannot write to, found by the real QStandardPaths
// lookup under a scratch home: the preview writes there, and the files that earlier versions
// kept in Norvane/norvane below it move in once.
#include "EditorHarness.h"
#include "app/EarlierFiles.h"
#include "app/ProgramFolder.h"
#include "app/ProgramIdentity.h"
#include "scene/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

struct Home {
    const char* name;
    const char* dataHome; // XDG_DATA_HOME below the home, or nullptr to leave it unset
    const char* expected; // the user folder below the home
};

const Home kHomes[] = {
    {"default", nullptr, ".local/share/norvane"},
    {"XDG_DATA_HOME", "data", "data/norvane"},
};

// Sets an environment variable (unsets it for nullptr) until the returned guard goes.
auto environmentValue(const char* name, const QByteArray* value) {
    const bool had = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value ? qputenv(name, *value) : qunsetenv(name);
    return qScopeGuard([=] { had ? qputenv(name, old) : qunsetenv(name); });
}

void setModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) &&
            file.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class UserFolderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setProgramIdentity(); }

    void previewGoesToTheDocumentedFolder_data() { addCases(kHomes); }
    void previewGoesToTheDocumentedFolder() {
        const Home& c = fetchCase<Home>();
        QTemporaryDir home;
        const QDir root(home.path());
        const QByteArray homePath = home.path().toLocal8Bit();
        const QByteArray dataHome = root.filePath(c.dataHome ? c.dataHome : "").toLocal8Bit();
        const auto homeVariable = environmentValue("HOME", &homePath);
        const auto dataVariable =
            environmentValue("XDG_DATA_HOME", c.dataHome ? &dataHome : nullptr);

        const ProgramFolderPlaces places = installedPlaces();
        const QString expected = root.filePath(c.expected);
        QCOMPARE(places.userFolder, expected);
        QCOMPARE(places.earlierFolder,
                 QFileInfo(expected).absolutePath() + QStringLiteral("/Norvane/norvane"));
        QVERIFY(root.mkpath(places.earlierFolder));
        writeFile(places.earlierFolder + "/song.wav", "kept music");

        const QString folder = prepareProgramFolder(places, [](const QString&) { return false; });
        QCOMPARE(folder, expected);
        QCOMPARE(fileBytes(expected + "/song.wav"), QByteArray("kept music"));
        QVERIFY(!QFileInfo::exists(QFileInfo(places.earlierFolder).absolutePath()));

        EditorHarness harness(folder);
        harness.run("Command7");
        QCOMPARE(harness.scripted.log.last(), "opened " + expected + "/tester.wrl");
        QVERIFY(fileBytes(expected + "/tester.wrl").startsWith("#VRML V2.0 utf8"));
    }

    // A file of the same name already in the new folder stays when it is newer, and gives way to
    // an earlier folder's newer one; subfolders come along and the emptied folders go. A file
    // that cannot be moved stays and is named in the one message; the folder is still prepared.
    void movesEarlierFilesOnce() {
        QTemporaryDir scratch;
        const QDir root(scratch.path());
        const QString from = root.filePath("Norvane/norvane"), to = root.filePath("norvane");
        QVERIFY(root.mkpath("Norvane/norvane/site") && root.mkpath("Norvane/norvane/song.wav") &&
                root.mkpath("norvane"));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const char* name :
             {"tester.wrl", "site/index.html", "new.wav", "old.wav", "song.wav/take.wav"})
            writeFile(from + "/" + name, QByteArray("earlier ") + name);
        writeFile(to + "/new.wav", "newer new.wav");
        writeFile(to + "/old.wav", "older old.wav");
        writeFile(to + "/song.wav", "a file where the folder would go");
        setModified(from + "/new.wav", now.addDays(-1));
        setModified(to + "/old.wav", now.addDays(-2));

        QCOMPARE(moveEarlierFiles(from, to), QStringList{from + "/song.wav/take.wav"});
        QCOMPARE(fileBytes(to + "/tester.wrl"), QByteArray("earlier tester.wrl"));
        QCOMPARE(fileBytes(to + "/site/index.html"), QByteArray("earlier site/index.html"));
        QCOMPARE(fileBytes(to + "/new.wav"), QByteArray("newer new.wav"));
        QCOMPARE(fileBytes(to + "/old.wav"), QByteArray("earlier old.wav"));
        // Only the file that lost to a newer one and the one that cannot move are left behind.
        QCOMPARE(QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"new.wav", "song.wav"}));
        QCOMPARE(moveEarlierFiles(root.filePath("missing"), to), QStringList());
        try {
            prepareProgramFolder({root.filePath("bin"), {}, to, from}, [](auto&) { return false; });
            QFAIL("no error");
        } catch (const norvane::Error& e) {
            QCOMPARE(QString(e.what()), "Cannot move " + from + "/song.wav/take.wav into " + to);
        }
    }
};

QTEST_MAIN(UserFolderTest)
#include "UserFolderTest.moc"
