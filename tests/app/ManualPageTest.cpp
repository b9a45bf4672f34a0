#include "app/ManualPage.h"

#include <QRegularExpression>
#include <QTest>

#include <string>

class ManualPageTest : public QObject {
    Q_OBJECT

private slots:
    void isAnAsciiHtml40PageWithCrLfLineEnds() {
        const std::string& page = txtManual();
        const std::string doctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n";
        QCOMPARE(page.substr(0, doctype.size()), doctype);
        QVERIFY(page.find("<TITLE>Norvane Manual</TITLE>") != std::string::npos);
        QVERIFY(page.ends_with("\r\n</HTML>\r\n"));
        for (std::size_t i = 0; i < page.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(page[i]);
            QVERIFY2(c < 128, "only ASCII");
            if (c == '\n')
                QVERIFY2(i > 0 && page[i - 1] == '\r', "LF without CR");
            if (c == '\r')
                QVERIFY2(i + 1 < page.size() && page[i + 1] == '\n', "CR without LF");
        }
    }

    // The contents list links the four sections, and each link has its anchor further down.
    void contentsLinksReachTheirSections() {
        const QString page = QString::fromStdString(txtManual());
        QStringList links;
        for (const auto& link : QRegularExpression("<A HREF=\"#([^\"]+)\">").globalMatch(page))
            links << link.captured(1);
        QCOMPARE(links, QStringList({"1", "2", "3", "4"}));
        qsizetype after = page.indexOf("<A HREF=\"#4\">");
        for (const QString& link : links) {
            const qsizetype anchor = page.indexOf("<A NAME=\"" + link + "\">");
            QVERIFY2(anchor > after, qPrintable(link));
            after = anchor;
        }
    }

    // Worlds need the five textures beside them; the manual names exactly those files.
    void namesTheTexturesToDistribute() {
        QVERIFY(txtManual().find("source1.jpg, source2.jpg, source3.jpg, source4.jpg and "
                                 "source5.jpg") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(ManualPageTest)
#include "ManualPageTest.moc"
