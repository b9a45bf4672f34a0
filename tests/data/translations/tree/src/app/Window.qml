// A window whose German translation misses or spoils a text of each kind.
import QtQuick

Column {
    Text { text: qsTr("&Open") }        // translated
    Text { text: qsTr("&Close") }       // not in the translation at all
    Text { text: qsTr("&Quit") }        // left unfinished
    Text { text: qsTr("Save %1 as %2").arg("a").arg("b") } // translated without %2
    Text { text: qsTr("%n file(s)", "", 2) }               // one plural form missing
}
