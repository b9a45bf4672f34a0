#include "ManualPage.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>
#include <string_view>

namespace {

// The page with LF line ends as it reads in this file; page() turns them into CR LF.
// The banner sits between two identical colour dividers.
constexpr std::string_view kTop = R"HTML(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN">
<HTML>
<HEAD>
<TITLE>)HTML";

constexpr const char* kTitle = QT_TRANSLATE_NOOP("ManualPage", "Norvane Manual");

constexpr std::string_view kHead = R"HTML(</TITLE>
<STYLE TYPE="text/css">
BODY { background-color: #FBFCC2 }
H2, H3 { font-family: "Times New Roman", serif; font-size: 14pt; font-weight: bold }
P, LI, TD { font-family: "Times New Roman", serif; font-size: 12pt }
TABLE.divider TD { height: 8px; font-size: 1pt }
</STYLE>
</HEAD>
<BODY BGCOLOR="#FBFCC2">
<CENTER>
<TABLE WIDTH="70%" BORDER="0" CELLPADDING="4">
<TR><TD>

)HTML";

constexpr std::string_view kDivider =
    R"HTML(<TABLE CLASS="divider" WIDTH="100%" BORDER="0" CELLSPACING="0" CELLPADDING="0">
<TR>
<TD BGCOLOR="#FF00FF">&nbsp;</TD><TD BGCOLOR="#E600FF">&nbsp;</TD>
<TD BGCOLOR="#CD00FF">&nbsp;</TD><TD BGCOLOR="#B400FF">&nbsp;</TD>
<TD BGCOLOR="#9B00FF">&nbsp;</TD><TD BGCOLOR="#8200FF">&nbsp;</TD>
<TD BGCOLOR="#6900FF">&nbsp;</TD><TD BGCOLOR="#5000FF">&nbsp;</TD>
<TD BGCOLOR="#3700FF">&nbsp;</TD><TD BGCOLOR="#1E00FF">&nbsp;</TD>
</TR>
</TABLE>
)HTML";

constexpr std::string_view kBanner = R"HTML(
<H1 ALIGN="center"><FONT FACE="Times New Roman" SIZE="7"><B>
<FONT COLOR="#FF00FF">N</FONT><FONT COLOR="#EC00FF">o</FONT><FONT COLOR="#DA00FF">r</FONT><FONT
COLOR="#C700FF">v</FONT><FONT COLOR="#B400FF">a</FONT><FONT COLOR="#A100FF">n</FONT><FONT
COLOR="#8F00FF">e</FONT>
<FONT COLOR="#7C00FF">M</FONT><FONT COLOR="#6900FF">a</FONT><FONT COLOR="#5600FF">n</FONT><FONT
COLOR="#4400FF">u</FONT><FONT COLOR="#3100FF">a</FONT><FONT COLOR="#1E00FF">l</FONT>
</B></FONT></H1>

)HTML";

// The manual's text, a paragraph, heading or list at a time, with the line breaks between them.
// Each text is translated as a whole; the line breaks and the page's frame are the same in every
// language.
constexpr std::array kBody{
    "\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H2>Contents</H2>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<OL>
<LI><A HREF="#1">Letter From the Programmer</A></LI>
<LI><A HREF="#2">How to Use Norvane</A>
<OL TYPE="A">
<LI>Creating a VRML 2.0 World</LI>
<LI>Removing Objects From the Scene</LI>
<LI>Saving Your Progress</LI>
<LI>Distributing your VRML World</LI>
</OL></LI>
<LI><A HREF="#3">Possible Scene Ideas</A></LI>
<LI><A HREF="#4">Q &amp; A</A></LI>
</OL>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage",
                      R"HTML(<H2><A NAME="1">1. Letter From the Programmer</A></H2>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Welcome to Norvane. VRML, the Virtual Reality Modeling Language, describes
three-dimensional worlds in plain text, much as HTML describes pages. A visitor with a VRML
browser can walk through such a world and follow its links to other pages and files.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Writing VRML by hand is slow work, and 3D modelling tools are large and expensive. Norvane
is meant to be the opposite: a small, easy tool at a low price that lets anyone who builds web
pages lay out a street, a site map or a maze on a map and get a finished VRML 2.0 world in a few
minutes.</P>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H2><A NAME="2">2. How to Use Norvane</A></H2>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H3>A. Creating a VRML 2.0 World</H3>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>The Norvane window has three main parts: the green 2D map on the left, which shows your
world from above; the "Objects Available" list, which holds every kind of object you can
place; and the "Objects in Scene" list, which names every object already in your world.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<OL>
<LI>Select a kind of object in the "Objects Available" list.</LI>
<LI>Set its orientation with the four small buttons beside "Orientation".</LI>
<LI>Tick "With Anchor" if the object should link to a web page or file; you are asked for
the address when you place it.</LI>
<LI>Click on the map where the object should stand. Streets, sidewalks, shrubbery,
floors and ceilings, and walls are drawn as rectangles: press the mouse button at one
corner and release it at the opposite corner.</LI>
<LI>Repeat until your world is complete.</LI>
<LI>Press "Save File to VRML", choose the sky and the background sound, and press OK.</LI>
</OL>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Save your worlds in the Norvane directory: the texture images the worlds use lie there.
Background sounds must lie in that directory too, or they are not offered.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>The "3D View" beside the map shows your world as a visitor will see it, and changes as
you place and remove objects. Walk with the arrow keys (or W, A, S and D), drag with the mouse
to look around, use Page Up and Page Down to rise and fall, and press Home to go back to the
starting point. Click an object to select it; rest the pointer on an object to see its link.
F3 hides or shows the view. A big scene is built in the background after it is opened, and the
line at the bottom of the view says how far it is. Of a very big scene the view draws only the
objects nearest you, so that it stays quick, and that line says so; it catches up a moment after
you stop walking.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>The window can be resized and maximised; the map takes the extra room. Ctrl+wheel over the
map, or Ctrl++ and Ctrl+-, zooms in and out through 100 %, 200 %, 400 % and 800 % and keeps the
point under the pointer in place; View, Scale, "Fit to Window" shows the whole map. The wheel
scrolls the map up and down, Shift+wheel left and right; dragging with the middle button, or
with the left button while Space is held, moves it. View, "Show Grid" (Ctrl+G) draws a line every
metre, or every ten metres when the lines would be too close. View, "Snap to Grid"
(Ctrl+Shift+G) puts what you place or move on whole metres; hold Alt while clicking to do the
opposite for that click. The status bar shows the position under the pointer as the scene
stores it, the chosen kind (or "Select") and the number of objects. Norvane remembers the
window, the scale, the grid, snapping and the 3D view for the next time.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Placing without a mouse: choose a kind in "Objects Available", then press Tab until the map
has the focus. The arrow keys move the cross-hair by 1 m, with Shift by 0.1 m; Enter places the
object there. For streets, sidewalks, shrubbery, floors and walls the first Enter sets one
corner and the second Enter the opposite corner; Esc abandons the first corner.</P>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H3>B. Removing Objects From the Scene</H3>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Select the object in the "Objects in Scene" list and press "Remove Object".</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>To edit, press Esc so that no object kind is chosen: a click on the map then selects the
object under the pointer, and dragging it moves it (the arrow keys move it by 1 m, with Shift
by 0.1 m). The Edit menu undoes and redoes every change (Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y), and
cuts, copies, pastes and duplicates the selected object (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+D); Delete
removes it, and a double click on its row (or Alt+Enter) opens its properties.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>To work on several objects at once, Shift+click adds an object to the selection or takes it
out, a drag that starts on empty ground selects every object its rectangle touches (with Shift,
the earlier selection stays), Ctrl+A selects every object and Esc selects none; Ctrl+click and
Shift+click in the "Objects in Scene" list do the same. Dragging one of the selected objects
moves them all, and the arrow keys, Delete, Cut, Copy, Paste and Duplicate act on all of them,
each as one step that one undo takes back ("Undo Move 3 Objects").</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>An object can face any angle. ] turns the selected objects by 15 degrees clockwise on the
map and [ counterclockwise, with Shift by 1 degree; Ctrl+R turns each to the next quarter turn.
Each object turns about its own point, and each press is one step that undo takes back. Streets,
sidewalks, walls, shrubbery and floors stay aligned with the map. The properties show the angle
in degrees; the scene file keeps it in radians, 0.7854 for 45 degrees. With several objects
selected, the properties change the angle and the URL of all of them at once; a field that
differs among them is blank, and left blank it changes nothing.</P>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H3>C. Saving Your Progress</H3>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>"Save" writes your scene in Norvane's own scene file format, and "Open" brings it back
later so that you can go on working. "Save" does not write a VRML world; only "Save File to
VRML" does.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>"Open Recent" in the File menu lists the last eight scene files you opened or saved, newest
first; "Clear List" empties it. A file that can no longer be opened is taken off the list. You
can also drop a scene file (.NSC) from your file manager onto the Norvane window to open it.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>"New from Template" in the File menu starts from a ready-made scene: a street with sidewalks,
cars and lamps, a hedge maze, or a small office floor. It opens as a new scene, so "Save" asks
for a file name and the template stays as it was.</P>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H3>D. Distributing your VRML World</H3>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>To put your world on a web site, copy the world file together with the five texture files
source1.jpg, source2.jpg, source3.jpg, source4.jpg and source5.jpg into the site's directory.
Every world that Norvane exports needs them. Copy the background sound as well, if you chose
one.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>"Export As" in the File menu writes your world for other programs as well. After the
World Properties dialog, the Save dialog offers every format; the file's extension chooses
it, and a name typed without one gets the extension of the chosen "Files of type":</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<UL>
<LI>VRML 2.0 (.wrl), the same world as "Save File to VRML";</LI>
<LI>X3D (.x3d), the successor of VRML in XML, read by X_ITE, X3DOM and view3dscene;</LI>
<LI>X3D ClassicVRML (.x3dv), the successor of VRML written like VRML, read by X_ITE and
view3dscene;</LI>
<LI>glTF 2.0 binary (.glb), one file with the textures inside, read by three.js, Babylon.js,
model-viewer, Blender, Godot and the 3D viewers of Windows and GNOME. Texts are drawn as
pictures; hyperlinks, the sky and the music are kept as data that web pages can use, not played
or shown by the viewers.</LI>
<LI>compressed VRML 2.0 (.wrz), the same world packed with gzip, a tenth of the size.</LI>
</UL>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>After the export a note says what the chosen format loses of your scene, for example that a
viewer does not play the background music. Tick "Don't show again" to see no more notes.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>"Export Web Page" in the File menu writes a web page that shows your world in any current
browser, into a folder you upload as it is: the page, the world, the textures, poster.png, your
music and the files of X_ITE, the X3D browser the page uses. After World Properties, "Page
Options" asks how the page presents the world: the page description that screen readers
announce (left empty, a count of what the world holds), the world's format (VRML .wrl, the
compressed .wrz that makes the smallest folder, X3D or glTF), whether visitors with a VR headset
may "Enter VR", and embed.html, a snippet that you paste into a page of your own to show the
world between your text, in a box of the shape you choose. The poster, a picture of the world
from the starting point (or of the map, where the computer cannot draw 3D), shows while the
world loads and in browsers that cannot show 3D, with a sentence and a link to the world. The
status bar then says how many files the folder holds and how big they are. Preview in Browser
shows the page with the choices you last confirmed.</P>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H2><A NAME="3">3. Possible Scene Ideas</A></H2>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Site maps: place objects whose anchors link to the pages of your site, so that visitors
walk to what they want to read. A business district of office buildings, each linked to one
department's page, makes a good front door for a company.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>Mazes: build corridors out of Wall objects and let your visitors find the way out.</P>)HTML"),
    "\n\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<H2><A NAME="4">4. Q &amp; A</A></H2>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP("ManualPage", R"HTML(<P><B>Q: How do I make an indoor scene?</B></P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>A: Place Floor/Ceiling objects to make the floor and the ceiling, and put Wall objects
around the starting position. Walls are as high as the ceiling of a Floor/Ceiling object, so
the two meet.</P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P><B>Q: How do I keep a visitor in one part of the world?</B></P>)HTML"),
    "\n",
    QT_TRANSLATE_NOOP(
        "ManualPage",
        R"HTML(<P>A: Surround that part with walls. Walls only hold visitors back when their VRML browser
prevents collisions; with collisions switched off, visitors walk through them.</P>)HTML"),
    "\n\n",
};

constexpr std::string_view kBottom = R"HTML(</TD></TR>
</TABLE>
</CENTER>
</BODY>
</HTML>
)HTML";

// `text` as ASCII for the page's HTML 4.0: each other character as a numeric reference.
std::string asAscii(const QString& text) {
    std::string result;
    result.reserve(std::size_t(text.size()));
    for (const char32_t c : text.toUcs4())
        result += c < 0x80 ? std::string(1, char(c)) : "&#" + std::to_string(c) + ";";
    return result;
}

std::string withCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

// The whole page with each text of the title and the body given by `text`.
std::string page(const std::function<std::string(const char*)>& text) {
    std::string body;
    for (const char* part : kBody)
        body += text(part);
    return withCrLf(std::string(kTop) + text(kTitle) + std::string(kHead) + std::string(kDivider) +
                    std::string(kBanner) + std::string(kDivider) + body + std::string(kBottom));
}

} // namespace

const std::string& txtManual() {
    static const std::string english = page([](const char* part) { return std::string(part); });
    return english;
}

std::string shownManual() {
    return page(
        [](const char* part) { return asAscii(QCoreApplication::translate("ManualPage", part)); });
}
