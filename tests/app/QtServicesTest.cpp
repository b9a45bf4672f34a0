#include "app/QtServices.h"
#include "UiHelpers.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void yesNoQuestion_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("No") << int(QMessageBox::No) << false;
    }

    void yesNoQuestion() {
        QFETCH(int, button);
        QFETCH(bool, answer);
        whenModal<QMessageBox>([button](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QString("Norvane"));
            QCOMPARE(box->text(), QString("Erase unsaved data?"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(QMessageBox::StandardButton(button))->click();
        });
        QtMessageBoxes boxes;
        QCOMPARE(boxes.askYesNo(nullptr, "Norvane", "Erase unsaved data?"), answer);
    }

    void errorBoxShowsTheReason() {
        bool seen = false;
        whenModal<QMessageBox>([&seen](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QString("Norvane"));
            QCOMPARE(box->text(), QString("Cannot write /x/y.wrl: No such file or directory"));
            QCOMPARE(box->icon(), QMessageBox::Warning);
            seen = true;
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageBoxes().showError(nullptr, "Norvane",
                                   "Cannot write /x/y.wrl: No such file or directory");
        QVERIFY(seen);
    }

    void promptReturnsTheTextOrEmpty_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed and accepted") << true << "http://example.com/";
        QTest::newRow("cancelled") << false << "";
    }

    void promptReturnsTheTextOrEmpty() {
        QFETCH(bool, accept);
        QFETCH(QString, expected);
        whenModal<QInputDialog>([accept](QInputDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("VRML Anchor"));
            QCOMPARE(dialog->labelText(), QString("Enter URL"));
            dialog->setTextValue("http://example.com/");
            accept ? dialog->accept() : dialog->reject();
        });
        QCOMPARE(QtTextPrompt().ask(nullptr, "Enter URL", "VRML Anchor"), expected);
    }

    void fileDialogStartsInTheDirectoryWithTheFilter_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("filter");
        QTest::newRow("Save, chosen") << true << true << "VRML 2.0 Files (*.wrl)";
        QTest::newRow("Save, cancelled") << true << false << "VRML 2.0 Files (*.wrl)";
        QTest::newRow("Open, chosen") << false << true << "Norvane Files (*.NSC)";
        QTest::newRow("Open, cancelled") << false << false << "Norvane Files (*.NSC)";
    }

    void fileDialogStartsInTheDirectoryWithTheFilter() {
        QFETCH(bool, save);
        QFETCH(bool, accept);
        QFETCH(QString, filter);
        QTemporaryDir dir;
        // Open wants an existing file; Save gets a new name, so the platform asks nothing more.
        const QString chosen = QDir(dir.path()).filePath(save ? "new world.wrl" : "street.NSC");
        if (!save) {
            QFile file(chosen);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
            QCOMPARE(dialog->nameFilters(), QStringList{filter});
            QCOMPARE(dialog->acceptMode(),
                     save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(dialog->defaultSuffix(), QString());
            if (!accept)
                return dialog->reject();
            dialog->selectFile(chosen);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept() is protected
        });
        QtFileDialogs dialogs;
        const std::optional<QString> path = save ? dialogs.askSave(nullptr, dir.path(), filter)
                                                 : dialogs.askOpen(nullptr, dir.path(), filter);
        QCOMPARE(path.has_value(), accept);
        if (accept)
            QCOMPARE(QFileInfo(*path).absoluteFilePath(), QFileInfo(chosen).absoluteFilePath());
    }
};

QTEST_MAIN(QtServicesTest)
#include "QtServicesTest.moc"
