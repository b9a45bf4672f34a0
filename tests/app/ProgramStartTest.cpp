// Starts the real norvane executable (NORVANE_PROGRAM, set by CTest) offscreen with
// NORVANE_EXIT_AFTER_START=1, which makes it print its title and object count after start-up.
// The scene file's name is in UTF-8, as the desktop hands it over.
#include "UiHelpers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Starts `program` offscreen in the mode that reports its start and quits.
void startUnattended(QProcess& process, const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("NORVANE_EXIT_AFTER_START", "1");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
}

} // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT

private slots:
    void loadsTheSceneFileNamedOnTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments"); // %1 is a scratch folder
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("objects");
        QTest::addColumn<QString>("error");
        QTest::newRow("no argument") << QStringList{} << "Norvane (New)" << 0 << "";
        QTest::newRow("scene file")
            << QStringList{"%1/my str\u00e9et.nsc"} << "Norvane (%1/my str\u00e9et.nsc)" << 2 << "";
        QTest::newRow("path split at its space") << QStringList{"%1/my", "str\u00e9et.nsc"}
                                                 << "Norvane (%1/my str\u00e9et.nsc)" << 2 << "";
        QTest::newRow("quoted path") << QStringList{"\"%1/my str\u00e9et.nsc\""}
                                     << "Norvane (%1/my str\u00e9et.nsc)" << 2 << "";
        QTest::newRow("not a scene file")
            << QStringList{"%1/notes.txt"} << "Norvane (New)" << 0 << "";
        QTest::newRow("missing scene file")
            << QStringList{"%1/gone.NSC"} << "Norvane (New)" << 0
            << "Norvane: Cannot read %1/gone.NSC: No such file or directory";
    }

    void loadsTheSceneFileNamedOnTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, title);
        QFETCH(int, objects);
        QFETCH(QString, error);
        const QString program = qEnvironmentVariable("NORVANE_PROGRAM");
        if (program.isEmpty())
            QSKIP("NORVANE_PROGRAM is not set");
        QTemporaryDir dir;
        writeFile(QDir(dir.path()).filePath("my str\u00e9et.nsc"),
                  "Tree\r\n 40.5\r\n 62.25\r\n0\r\n\r\n\r\nStreet\r\n10\r\n10\r\n30\r\n20\r\n\r\n");
        for (QString& argument : arguments)
            argument = argument.arg(dir.path());

        QProcess process;
        startUnattended(process, program, arguments);

        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(
            QString::fromUtf8(process.readAllStandardOutput()),
            QStringLiteral("title: %1\nobjects: %2\n").arg(title.arg(dir.path())).arg(objects));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        if (!error.isEmpty())
            QVERIFY2(errors.contains(error.arg(dir.path())), qPrintable(errors));
        else
            QVERIFY2(!errors.contains("Norvane:"), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
