#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About box: icon, name, version and the disclaimer. "OK", Enter and Escape close it.
// The caller shows it modal and discards it afterwards.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent);

private slots:
    void cmdOK_Click();

private:
    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdOK = nullptr;
};
