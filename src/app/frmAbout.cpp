#include "frmAbout.h"

#include "Artwork.h"
#include "Twips.h"

#include "scene/ProgramVersion.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString aboutVersion() {
    return frmAbout::tr("Version %1")
        .arg(QString::fromLatin1(norvane::kProgramVersion.data(),
                                 qsizetype(norvane::kProgramVersion.size())));
}

const char* const kDisclaimer = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Norvane is provided \"as is\", without warranty of any kind, express or implied, "
    "including but not limited to the warranties of merchantability, fitness for a "
    "particular purpose and noninfringement. In no event shall the author be liable for any "
    "claim, damages or other liability arising from the use of this program or of the worlds "
    "and files it writes. Keep copies of your scenes.");

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("About Norvane"));
    setFixedSize(sizeFromTwips(5730, 3735));
    Image1 = placeControl(new QLabel(this), "Image1", 120, 240, 1215, 1215);
    Image1->setScaledContents(true);
    Image1->setPixmap(programIcon());
    lblTitle =
        placeControl(new QLabel(QStringLiteral("Norvane"), this), "lblTitle", 1560, 240, 3885, 360);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblVersion = placeControl(new QLabel(aboutVersion(), this), "lblVersion", 1560, 720, 3885, 345);
    Text1 = placeControl(new QPlainTextEdit(tr(kDisclaimer), this), "Text1", 120, 1560, 5535, 1335);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(tr("Disclaimer"));
    Text1->setAccessibleDescription(tr("Disclaimer of warranty for Norvane"));
    addEtchedLine(this, 0, 5730, 3120, norvane::kTwipsPerPixel);
    cmdOK = placeControl(new QPushButton(tr("OK"), this), "cmdOK", 4200, 3240, 1260, 345);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::cmdOK_Click() {
    accept();
}
