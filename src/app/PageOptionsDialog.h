#pragma once

#include "webpage/WebPageExport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Page Options": how Export Web Page presents the world: what screen readers announce for it,
// the world's format, "Enter VR", and the snippet for other pages with the shape of its box.
class PageOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Shows `shown`; an empty description shows `described` as what the page will say.
    PageOptionsDialog(QWidget* parent, const norvane::PageOptions& shown, const QString& described);

    norvane::PageOptions options() const;

private:
    QLineEdit* m_description;
    QComboBox* m_format;
    QCheckBox* m_vr;
    QCheckBox* m_embed;
    QComboBox* m_aspect;
};
