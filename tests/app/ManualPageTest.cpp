#include "app/ManualPage.h"
#include "../support/AppGolden.h"

#include <QTest>

#include <algorithm>
#include <string>

class ManualPageTest : public QObject {
    Q_OBJECT

private slots:
    // The page as tests/data/app/manual.html holds it: an HTML 4.0 page whose contents list
    // links the four sections and which names the five textures to distribute with worlds.
    // Whatever it becomes, it stays ASCII with CR LF line ends.
    void isTheStoredAsciiCrLfPage() {
        const std::string& page = txtManual();
        const QString difference = goldenDifference("manual.html", page);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QVERIFY(std::all_of(page.begin(), page.end(), [](unsigned char c) { return c < 128; }));
        const QByteArray unended = QByteArray::fromStdString(page).replace("\r\n", "");
        QVERIFY(!unended.contains('\r') && !unended.contains('\n'));
    }
};

QTEST_APPLESS_MAIN(ManualPageTest)
#include "ManualPageTest.moc"
