#include "QtServices.h"

#include "PageOptionsDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
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

// The extension of a filter's one pattern ("X3D Files (*.x3d)" gives "x3d").
QString suffixOf(const QString& filter) {
    const qsizetype dot = filter.lastIndexOf(QStringLiteral("*."));
    return dot < 0 ? QString() : filter.mid(dot + 2).chopped(1);
}

// With several filters (";;" between them) a name typed without an extension gets the chosen
// filter's; a dialog of one filter takes the name as typed.
void followChosenFilter(QFileDialog& dialog, const QString& filter) {
    if (!filter.contains(QStringLiteral(";;")))
        return;
    dialog.setDefaultSuffix(suffixOf(filter.section(QStringLiteral(";;"), 0, 0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
}

std::optional<QString> runFileDialog(QWidget* parent, const QString& directory,
                                     const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, {}, directory, filter);
    dialog.setAcceptMode(mode);
    followChosenFilter(dialog, filter);
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

bool QtMessageBoxes::showNote(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    auto* hide =
        new QCheckBox(QCoreApplication::translate("QtMessageBoxes", "Don't show again"), &box);
    box.setCheckBox(hide);
    box.exec();
    return hide->isChecked();
}

bool QtDesktopOpener::open(const QString& path) {
    const bool web = path.startsWith(QStringLiteral("http://"));
    return QDesktopServices::openUrl(web ? QUrl(path) : QUrl::fromLocalFile(path));
}

std::optional<norvane::PageOptions> QtPageOptionsPrompt::ask(QWidget* parent,
                                                             const norvane::PageOptions& shown,
                                                             const QString& described) {
    PageOptionsDialog dialog(parent, shown, described);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}
