#include "app/ManualPage.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

// True when every piece occurs in `text`, each after the one before.
bool inOrder(const std::string& text, const std::vector<std::string>& pieces,
             std::string& missing) {
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        at = text.find(piece, at);
        if (at == std::string::npos) {
            missing = piece;
            return false;
        }
        at += piece.size();
    }
    return true;
}

using Pieces = std::vector<std::string>;

} // namespace

Q_DECLARE_METATYPE(Pieces)

class ManualPageTest : public QObject {
    Q_OBJECT

private slots:
    void isAnHtml40PageWithCrLfLineEnds();
    void holdsItsPartsInOrder_data();
    void holdsItsPartsInOrder();
};

void ManualPageTest::isAnHtml40PageWithCrLfLineEnds() {
    const std::string& page = txtManual();
    const std::string doctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n";
    QCOMPARE(page.substr(0, doctype.size()), doctype);
    QVERIFY(page.ends_with("\r\n</HTML>\r\n"));
    for (std::size_t i = 0; i < page.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(page[i]);
        QVERIFY2(c < 128, "only ASCII");
        if (c == '\n')
            QVERIFY2(i > 0 && page[i - 1] == '\r', "LF without CR");
        if (c == '\r')
            QVERIFY2(i + 1 < page.size() && page[i + 1] == '\n', "CR without LF");
    }
    QCOMPARE(&txtManual(), &page);
}

void ManualPageTest::holdsItsPartsInOrder_data() {
    QTest::addColumn<Pieces>("pieces");
    QTest::newRow("head and page style") << Pieces{
        "<TITLE>Norvane Manual</TITLE>", "#FBFCC2",  "\"Times New Roman\"", "14pt", "bold", "12pt",
        "<BODY BGCOLOR=\"#FBFCC2\">",    "<CENTER>", "WIDTH=\"70%\""};
    const Pieces divider{"#FF00FF", "#E600FF", "#CD00FF", "#B400FF", "#9B00FF",
                         "#8200FF", "#6900FF", "#5000FF", "#3700FF", "#1E00FF"};
    Pieces banner = divider;
    for (const char* letter :
         {"\"#FF00FF\">N<", "\"#EC00FF\">o<", "\"#DA00FF\">r<", "\"#C700FF\">v<", "\"#B400FF\">a<",
          "\"#A100FF\">n<", "\"#8F00FF\">e<", "\"#7C00FF\">M<", "\"#6900FF\">a<", "\"#5600FF\">n<",
          "\"#4400FF\">u<", "\"#3100FF\">a<", "\"#1E00FF\">l<"})
        banner.push_back(letter);
    banner.insert(banner.end(), divider.begin(), divider.end());
    banner.push_back("Contents");
    QTest::newRow("banner: divider, coloured title, divider") << banner;
    QTest::newRow("contents link the four sections")
        << Pieces{"<A HREF=\"#1\">Letter From the Programmer</A>",
                  "<A HREF=\"#2\">How to Use Norvane</A>",
                  "Creating a VRML 2.0 World",
                  "Removing Objects From the Scene",
                  "Saving Your Progress",
                  "Distributing your VRML World",
                  "<A HREF=\"#3\">Possible Scene Ideas</A>",
                  "<A HREF=\"#4\">Q &amp; A</A>"};
    QTest::newRow("sections with their anchors")
        << Pieces{"</OL>",
                  "<A NAME=\"1\">",
                  "VRML",
                  "<A NAME=\"2\">",
                  "A. Creating a VRML 2.0 World",
                  "Objects Available",
                  "Objects in Scene",
                  "With Anchor",
                  "Save File to VRML",
                  "B. Removing Objects From the Scene",
                  "Remove Object",
                  "C. Saving Your Progress",
                  "D. Distributing your VRML World",
                  "source1.jpg, source2.jpg, source3.jpg, source4.jpg and source5.jpg",
                  "<A NAME=\"3\">",
                  "Site maps",
                  "Wall",
                  "<A NAME=\"4\">",
                  "indoor scene",
                  "Floor/Ceiling",
                  "collisions"};
}

void ManualPageTest::holdsItsPartsInOrder() {
    QFETCH(Pieces, pieces);
    std::string missing;
    QVERIFY2(inOrder(txtManual(), pieces, missing), missing.c_str());
}

QTEST_APPLESS_MAIN(ManualPageTest)
#include "ManualPageTest.moc"
