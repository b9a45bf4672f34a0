// The real Qt dialogs behind the services: what each shows and what each answer returns.
#include "app/QtServices.h"
#include "UiHelpers.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxes() {
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) { // Ok: error
            const bool error = button == QMessageBox::Ok;
            whenModal<QMessageBox>([=](QMessageBox* box) {
                QCOMPARE(box->windowTitle() + "|" + box->text(), "Norvane|Cannot write /x: why");
                QCOMPARE(box->icon(), error ? QMessageBox::Warning : QMessageBox::NoIcon);
                QCOMPARE(box->standardButtons(),
                         error ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No);
                box->button(button)->click();
            });
            QtMessageBoxes boxes;
            if (error)
                boxes.showError(nullptr, "Norvane", "Cannot write /x: why");
            else
                QCOMPARE(boxes.askYesNo(nullptr, "Norvane", "Cannot write /x: why"),
                         button == QMessageBox::Yes);
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    void prompt() {
        for (bool accept : {true, false}) {
            whenModal<QInputDialog>([accept](QInputDialog* dialog) {
                QCOMPARE(dialog->windowTitle() + "|" + dialog->labelText(),
                         "VRML Anchor|Enter URL");
                dialog->setTextValue("http://example.com/");
                accept ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(QtTextPrompt().ask(nullptr, "Enter URL", "VRML Anchor"),
                     accept ? "http://example.com/" : "");
        }
    }

    void fileDialogs_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("accept");
        QTest::newRow("Save, chosen") << true << true;
        QTest::newRow("Save, cancelled") << true << false;
        QTest::newRow("Open, chosen") << false << true;
        QTest::newRow("Open, cancelled") << false << false;
    }
    // They start in the directory with the one filter and add no suffix.
    void fileDialogs() {
        QFETCH(bool, save);
        QFETCH(bool, accept);
        const QString filter = save ? "VRML 2.0 Files (*.wrl)" : "Norvane Files (*.NSC)";
        QTemporaryDir dir;
        // Open wants an existing file; Save gets a new name, so the platform asks nothing more.
        const QString chosen = QDir(dir.path()).filePath(save ? "new world.wrl" : "street.NSC");
        if (!save)
            writeFile(chosen, "");
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
