// Starts the real norvane executable (NORVANE_PROGRAM, set by CTest) offscreen with
// NORVANE_EXIT_AFTER_START=1, which makes it print its title and object count after start-up
// (--version and --help print without starting).
// The scene file's name is in UTF-8, as the desktop hands it over; %1 is a scratch folder.
#include "../support/AppGolden.h"
#include "UiHelpers.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Start {
    const char* name;
    QStringList arguments;
    QString output, error; // error: what standard error must contain
};

const QString kTitled = "title: Norvane (%1/my str\u00e9et.nsc)\nobjects: 2\n";
const QString kNew = "title: Norvane (New)\nobjects: 0\n";
const QString kHelp = QString::fromUtf8(fileBytes(appDataPath("norvane-help.txt")));

const Start kStarts[] = {
    {"no argument", {}, kNew, ""},
    {"scene file", {"%1/my str\u00e9et.nsc"}, kTitled, ""},
    {"path split at its space", {"%1/my", "str\u00e9et.nsc"}, kTitled, ""},
    {"quoted path", {"\"%1/my str\u00e9et.nsc\""}, kTitled, ""},
    {"missing scene file",
     {"%1/gone.NSC"},
     kNew,
     "Norvane: Cannot read %1/gone.NSC: No such file or directory"},
    // Answered before any window opens.
    {"version", {"--version"}, "norvane 1.0\n", ""},
    {"help", {"--help"}, kHelp, ""},
    {"short help", {"-h"}, kHelp, ""},
    {"a scene named like an option", {"--version", "x"}, kNew, ""},
};

} // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT

private slots:
    void loadsTheSceneFileNamedOnTheCommandLine_data() { addCases(kStarts); }
    void loadsTheSceneFileNamedOnTheCommandLine() {
        const Start& c = fetchCase<Start>();
        const QString program = qEnvironmentVariable("NORVANE_PROGRAM");
        if (program.isEmpty())
            QSKIP("NORVANE_PROGRAM is not set");
        QTemporaryDir dir;
        writeFile(QDir(dir.path()).filePath("my str\u00e9et.nsc"),
                  "Tree\r\n 40.5\r\n 62.25\r\n0\r\n\r\n\r\nStreet\r\n10\r\n10\r\n30\r\n20\r\n\r\n");
        QStringList arguments = c.arguments;
        for (QString& argument : arguments)
            argument = argument.arg(dir.path());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("NORVANE_EXIT_AFTER_START", "1");
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config")); // the recent files
        process.setProcessEnvironment(environment);
        process.start(program, arguments);

        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 QString(c.output).replace("%1", dir.path()));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(c.error.isEmpty() ? !errors.contains("Norvane:")
                                   : errors.contains(QString(c.error).replace("%1", dir.path())),
                 qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
