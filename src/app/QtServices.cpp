#include "QtServices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

QString QtTextPrompt::ask(QWidget* parent, const QString& prompt, const QString& title) {
    bool accepted = false;
    QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &accepted);
    return accepted ? text : QString();
}

namespace {

std::optional<QString> runFileDialog(QWidget* parent, const QString& directory,
                                     const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, {}, directory, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtFileDialogs::askOpen(QWidget* parent, const QString& directory,
                                              const QString& filter) {
    return runFileDialog(parent, directory, filter, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::askSave(QWidget* parent, const QString& directory,
                                              const QString& filter) {
    return runFileDialog(parent, directory, filter, QFileDialog::AcceptSave);
}

bool QtMessageBoxes::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::showError(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDesktopOpener::open(const QString& path) {
    const bool web = path.startsWith(QStringLiteral("http://"));
    return QDesktopServices::openUrl(web ? QUrl(path) : QUrl::fromLocalFile(path));
}
