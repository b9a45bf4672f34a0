<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Top view of the scene. Choose an object in Objects Available, then click the map to place it, or drag out a rectangle for a street, sidewalk, shrubbery, floor or wall.</source>
        <translation>Draufsicht der Szene. Wählen Sie ein Objekt unter „Verfügbare Objekte“ und klicken Sie dann auf die Karte, um es zu platzieren, oder ziehen Sie ein Rechteck für eine Straße, einen Gehweg, Gebüsch, einen Boden oder eine Wand auf.</translation>
    </message>
    <message>
        <source>Map horizontal scroll bar</source>
        <translation>Waagrechte Bildlaufleiste der Karte</translation>
    </message>
    <message>
        <source>Moves the enlarged map left and right</source>
        <translation>Verschiebt die vergrößerte Karte nach links und rechts</translation>
    </message>
    <message>
        <source>Map vertical scroll bar</source>
        <translation>Senkrechte Bildlaufleiste der Karte</translation>
    </message>
    <message>
        <source>Moves the enlarged map up and down</source>
        <translation>Verschiebt die vergrößerte Karte nach oben und unten</translation>
    </message>
    <message>
        <source>Objects Available</source>
        <translation>Verfügbare Objekte</translation>
    </message>
    <message>
        <source>Face backward</source>
        <translation>Nach hinten ausrichten</translation>
    </message>
    <message>
        <source>Face left</source>
        <translation>Nach links ausrichten</translation>
    </message>
    <message>
        <source>Face right</source>
        <translation>Nach rechts ausrichten</translation>
    </message>
    <message>
        <source>Face forward</source>
        <translation>Nach vorn ausrichten</translation>
    </message>
    <message>
        <source>Objects in Scene</source>
        <translation>Objekte in der Szene</translation>
    </message>
    <message>
        <source>Map view</source>
        <translation>Kartenansicht</translation>
    </message>
    <message>
        <source>Shows the part of the map that the scroll bars choose</source>
        <translation>Zeigt den Teil der Karte, den die Bildlaufleisten wählen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>The sky of the world</source>
        <translation>Der Himmel der Welt</translation>
    </message>
    <message>
        <source>Anchor Target Frame</source>
        <translation>Zielframe der Anker</translation>
    </message>
    <message>
        <source>Plays a music file from the list in a loop in the world</source>
        <translation>Spielt eine Musikdatei aus der Liste in der Welt in Endlosschleife</translation>
    </message>
    <message>
        <source>Music Files</source>
        <translation>Musikdateien</translation>
    </message>
    <message>
        <source>Asks where to save the world and saves it with these properties</source>
        <translation>Fragt, wohin die Welt gespeichert werden soll, und speichert sie mit diesen Eigenschaften</translation>
    </message>
    <message>
        <source>Closes without saving a world</source>
        <translation>Schließt, ohne eine Welt zu speichern</translation>
    </message>
</context>
<context>
    <name>CommandName</name>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 duplizieren</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>%1 platzieren</translation>
    </message>
    <message>
        <source>Move %n Objects</source>
        <translation>%n Objekte verschieben</translation>
    </message>
    <message>
        <source>Remove %n Objects</source>
        <translation>%n Objekte entfernen</translation>
    </message>
    <message>
        <source>Cut %n Objects</source>
        <translation>%n Objekte ausschneiden</translation>
    </message>
    <message>
        <source>Paste %n Objects</source>
        <translation>%n Objekte einfügen</translation>
    </message>
    <message>
        <source>Duplicate %n Objects</source>
        <translation>%n Objekte duplizieren</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>%1 drehen</translation>
    </message>
    <message>
        <source>Turn %n Objects</source>
        <translation>%n Objekte drehen</translation>
    </message>
    <message>
        <source>Change %n Objects</source>
        <translation>%n Objekte ändern</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Click to insert the object</source>
        <translation>Klicken Sie, um das Objekt einzufügen</translation>
    </message>
    <message>
        <source>Drag out a rectangle to insert the object.</source>
        <translation>Ziehen Sie ein Rechteck auf, um das Objekt einzufügen.</translation>
    </message>
    <message>
        <source>Enter URL</source>
        <translation>URL eingeben</translation>
    </message>
    <message>
        <source>VRML Anchor</source>
        <translation>VRML-Anker</translation>
    </message>
    <message>
        <source>Enter Text String</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is not a Norvane scene file</source>
        <translation>es ist keine Szenendatei von Norvane</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot start compressing: out of memory</source>
        <translation>Das Komprimieren kann nicht beginnen: kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>Cannot read the font %1</source>
        <translation>Die Schrift %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot encode the map picture as PNG</source>
        <translation>Das Kartenbild kann nicht als PNG gespeichert werden</translation>
    </message>
    <message>
        <source>The scene file ends in the middle of an object: 1 line is not a multiple of 6%1</source>
        <translation>Die Szenendatei endet mitten in einem Objekt: 1 Zeile ist kein Vielfaches von 6%1</translation>
    </message>
    <message>
        <source>The scene file ends in the middle of an object: %1 lines is not a multiple of 6%2</source>
        <translation>Die Szenendatei endet mitten in einem Objekt: %1 Zeilen sind kein Vielfaches von 6%2</translation>
    </message>
    <message>
        <source> (lines ended by CR alone are not supported; use CR LF or LF)</source>
        <translation> (Zeilen, die nur mit CR enden, werden nicht unterstützt; verwenden Sie CR LF oder LF)</translation>
    </message>
    <message>
        <source>An object&apos;s texts are too long to keep</source>
        <translation>Die Texte eines Objekts sind zu lang, um sie zu behalten</translation>
    </message>
    <message>
        <source>Cannot save the scene: object %1 holds a line break in one of its texts</source>
        <translation>Die Szene kann nicht gespeichert werden: Objekt %1 enthält in einem seiner Texte einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>Row %1 (line %2), column %3 is not a number.</source>
        <translation>Zeile %1 (Dateizeile %2), Spalte %3 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Row %1 (line %2), column %3 is longer than 32 characters.</source>
        <translation>Zeile %1 (Dateizeile %2), Spalte %3 ist länger als 32 Zeichen.</translation>
    </message>
    <message>
        <source>Row %1 (line %2), column %3 is out of range.</source>
        <translation>Zeile %1 (Dateizeile %2), Spalte %3 liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>line %1, row %2: %3</source>
        <translation>Dateizeile %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Unknown object kind %1</source>
        <translation>Unbekannte Objektart %1</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 ist keine Zahl: %2</translation>
    </message>
    <message>
        <source>%1 is longer than 32 characters: %2</source>
        <translation>%1 ist länger als 32 Zeichen: %2</translation>
    </message>
    <message>
        <source>%1 is out of range: %2</source>
        <translation>%1 liegt außerhalb des Bereichs: %2</translation>
    </message>
    <message>
        <source>Orientation is not one of 0, 3.14, 1.57, -1.57: %1</source>
        <translation>Die Ausrichtung ist nicht 0, 3.14, 1.57 oder -1.57: %1</translation>
    </message>
    <message>
        <source>X2 is less than X1: %1 &lt; %2</source>
        <translation>X2 ist kleiner als X1: %1 &lt; %2</translation>
    </message>
    <message>
        <source>Y2 is less than Y1: %1 &lt; %2</source>
        <translation>Y2 ist kleiner als Y1: %1 &lt; %2</translation>
    </message>
    <message>
        <source>Incomplete object at the end of the file: %1 of %2 lines</source>
        <translation>Unvollständiges Objekt am Ende der Datei: %1 von %2 Zeilen</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>The page name &quot;%1&quot; is not a plain file name ending in .html</source>
        <translation>Der Seitenname „%1“ ist kein einfacher Dateiname, der auf .html endet</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; cannot lie beside the page: the page needs that name</source>
        <translation>Die Musikdatei „%1“ kann nicht neben der Seite liegen: Die Seite braucht diesen Namen</translation>
    </message>
    <message>
        <source>A page cannot show a world of the format &quot;%1&quot; (choose wrl, wrz, x3d or glb)</source>
        <translation>Eine Seite kann keine Welt im Format „%1“ zeigen (wählen Sie wrl, wrz, x3d oder glb)</translation>
    </message>
    <message>
        <source>The page cannot be called embed.html: the snippet takes that name</source>
        <translation>Die Seite kann nicht embed.html heißen: Der Ausschnitt trägt diesen Namen</translation>
    </message>
    <message>
        <source>VRML 2.0, compressed</source>
        <translation>VRML 2.0, komprimiert</translation>
    </message>
    <message>
        <source>VRML 2.0 Files (*.wrl)</source>
        <translation>VRML-2.0-Dateien (*.wrl)</translation>
    </message>
    <message>
        <source>X3D Files (*.x3d)</source>
        <translation>X3D-Dateien (*.x3d)</translation>
    </message>
    <message>
        <source>X3D ClassicVRML Files (*.x3dv)</source>
        <translation>X3D-ClassicVRML-Dateien (*.x3dv)</translation>
    </message>
    <message>
        <source>glTF 2.0 Binary Files (*.glb)</source>
        <translation>Binäre glTF-2.0-Dateien (*.glb)</translation>
    </message>
    <message>
        <source>Compressed VRML 2.0 Files (*.wrz)</source>
        <translation>Komprimierte VRML-2.0-Dateien (*.wrz)</translation>
    </message>
    <message>
        <source>%1 kept as node data (three.js pages can use them; model-viewer ignores them)</source>
        <translation>%1 als Knotendaten erhalten (Seiten mit three.js können sie nutzen; model-viewer übergeht sie)</translation>
    </message>
    <message>
        <source>1 hyperlink</source>
        <translation>1 Hyperlink</translation>
    </message>
    <message>
        <source>%1 hyperlinks</source>
        <translation>%1 Hyperlinks</translation>
    </message>
    <message>
        <source>the hyperlinks&apos; target frame kept as node data</source>
        <translation>der Zielframe der Hyperlinks als Knotendaten erhalten</translation>
    </message>
    <message>
        <source>background music not played by glTF viewers (named in the scene&apos;s data)</source>
        <translation>Hintergrundmusik wird von glTF-Betrachtern nicht abgespielt (in den Daten der Szene genannt)</translation>
    </message>
    <message>
        <source>sky kept as data only</source>
        <translation>Himmel nur als Daten erhalten</translation>
    </message>
    <message>
        <source>background music played by X_ITE and view3dscene; X3DOM&apos;s sound is experimental</source>
        <translation>Hintergrundmusik wird von X_ITE und view3dscene abgespielt; der Ton von X3DOM ist experimentell</translation>
    </message>
    <message>
        <source>%1 files, %2 MB</source>
        <translation>%1 Dateien, %2 MB</translation>
    </message>
    <message>
        <source>the 3D view from the start point</source>
        <translation>die 3D-Ansicht vom Startpunkt</translation>
    </message>
    <message>
        <source>the map (no OpenGL here for the 3D view)</source>
        <translation>die Karte (hier gibt es kein OpenGL für die 3D-Ansicht)</translation>
    </message>
    <message>
        <source>A %1 stays aligned with the map: areas change by their corners only.</source>
        <translation>„%1“ bleibt an der Karte ausgerichtet: Flächen ändern sich nur über ihre Ecken.</translation>
    </message>
</context>
<context>
    <name>MainEditor</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Begins a new Norvane scene</source>
        <translation>Beginnt eine neue Szene</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens a Norvane file</source>
        <translation>Öffnet eine Datei von Norvane</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <source>Saves scene to a Norvane file</source>
        <translation>Speichert die Szene in einer Datei von Norvane</translation>
    </message>
    <message>
        <source>Save File to VRM&amp;L</source>
        <translation>Als VRM&amp;L speichern</translation>
    </message>
    <message>
        <source>Saves the scene to a VRML 2.0 file.</source>
        <translation>Speichert die Szene als VRML-2.0-Datei.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exits the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;Preview Scene</source>
        <translation>Szenen&amp;vorschau</translation>
    </message>
    <message>
        <source>Previews the 3D scene.</source>
        <translation>Zeigt eine Vorschau der 3D-Szene.</translation>
    </message>
    <message>
        <source>Makes the object face backward</source>
        <translation>Richtet das Objekt nach hinten aus</translation>
    </message>
    <message>
        <source>Makes the object face left</source>
        <translation>Richtet das Objekt nach links aus</translation>
    </message>
    <message>
        <source>Makes the object face right</source>
        <translation>Richtet das Objekt nach rechts aus</translation>
    </message>
    <message>
        <source>Makes the object face forward</source>
        <translation>Richtet das Objekt nach vorn aus</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Save to VRM&amp;L</source>
        <translation>Als VRM&amp;L speichern</translation>
    </message>
    <message>
        <source>Export &amp;As…</source>
        <translation>Exportieren &amp;als …</translation>
    </message>
    <message>
        <source>Export &amp;Web Page…</source>
        <translation>Als &amp;Webseite exportieren …</translation>
    </message>
    <message>
        <source>Preview in &amp;Browser</source>
        <translation>Vorschau im B&amp;rowser</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Norvane</translation>
    </message>
    <message>
        <source>Create Object</source>
        <translation>Objekt erstellen</translation>
    </message>
    <message>
        <source>Objects Available</source>
        <translation>Verfügbare Objekte</translation>
    </message>
    <message>
        <source>Objects that can be inserted in the scene</source>
        <translation>Objekte, die in die Szene eingefügt werden können</translation>
    </message>
    <message>
        <source>With &amp;Anchor</source>
        <translation>Mit A&amp;nker</translation>
    </message>
    <message>
        <source>Links the object to a web page or file</source>
        <translation>Verknüpft das Objekt mit einer Webseite oder Datei</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Objects in Scene</source>
        <translation>Objekte in der Szene</translation>
    </message>
    <message>
        <source>Selects an object currently in scene.</source>
        <translation>Wählt ein Objekt der Szene aus.</translation>
    </message>
    <message>
        <source>&amp;Remove Object</source>
        <translation>Objekt &amp;entfernen</translation>
    </message>
    <message>
        <source>Removes the currently selected object from the scene</source>
        <translation>Entfernt das ausgewählte Objekt aus der Szene</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Maßstab</translation>
    </message>
    <message>
        <source>&amp;%1%</source>
        <translation>&amp;%1 %</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>P&amp;roperties…</source>
        <translation>E&amp;igenschaften …</translation>
    </message>
    <message>
        <source>&amp;Select on Map</source>
        <translation>Auf der Karte aus&amp;wählen</translation>
    </message>
    <message>
        <source>Cannot paste: %1</source>
        <translation>Einfügen nicht möglich: %1</translation>
    </message>
    <message>
        <source>Cannot paste: the clipboard holds no scene object</source>
        <translation>Einfügen nicht möglich: Die Zwischenablage enthält kein Objekt einer Szene</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot tell the format of %1: name it with one of %2.</source>
        <translation>Das Format von %1 ist nicht zu erkennen: Geben Sie der Datei eine dieser Endungen: %2.</translation>
    </message>
    <message>
        <source>What the format keeps</source>
        <translation>Was das Format erhält</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n problem(s); its objects are kept as read:</source>
        <translation>
            <numerusform>%1 hat %n Problem; ihre Objekte bleiben, wie sie gelesen wurden:</numerusform>
            <numerusform>%1 hat %n Probleme; ihre Objekte bleiben, wie sie gelesen wurden:</numerusform>
        </translation>
    </message>
    <message>
        <source>(and %1 more; norvane-cli check lists them all)</source>
        <translation>(und %1 weitere; norvane-cli check listet alle auf)</translation>
    </message>
    <message>
        <source>Erase unsaved data?</source>
        <translation>Nicht gespeicherte Daten verwerfen?</translation>
    </message>
    <message>
        <source>Norvane (New)</source>
        <translation>Norvane (Neu)</translation>
    </message>
    <message>
        <source>Click an object to select it, drag it to move it</source>
        <translation>Klicken Sie auf ein Objekt, um es auszuwählen, ziehen Sie es, um es zu verschieben</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>Neu aus &amp;Vorlage</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>It is taken off the Open Recent list.</source>
        <translation>Sie wird von der Liste „Zuletzt geöffnet“ genommen.</translation>
    </message>
    <message>
        <source>Cannot open %1: the desktop has no application for this file.</source>
        <translation>%1 kann nicht geöffnet werden: Die Arbeitsumgebung hat kein Programm für diese Datei.</translation>
    </message>
    <message>
        <source>3D View</source>
        <translation>3D-Ansicht</translation>
    </message>
    <message>
        <source>&amp;3D View</source>
        <translation>&amp;3D-Ansicht</translation>
    </message>
    <message>
        <source>The world as a visitor sees it. Arrow keys or W, A, S, D walk and turn; drag to look around; Page Up and Page Down rise and fall; Home returns to the start.</source>
        <translation>Die Welt, wie ein Besucher sie sieht. Pfeiltasten oder W, A, S, D gehen und drehen; Ziehen schaut umher; Bild auf und Bild ab steigen und sinken; Pos1 kehrt zum Start zurück.</translation>
    </message>
    <message>
        <source>The 3D view needs OpenGL, which this display does not offer.</source>
        <translation>Die 3D-Ansicht braucht OpenGL, das diese Anzeige nicht bietet.</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>Cannot open %1 in a browser.</source>
        <translation>%1 kann nicht in einem Browser geöffnet werden.</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>S&amp;nap to Grid</source>
        <translation>Am Raster &amp;einrasten</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Street with Sidewalks</source>
        <translation>&amp;Straße mit Gehwegen</translation>
    </message>
    <message>
        <source>&amp;Hedge Maze</source>
        <translation>&amp;Heckenlabyrinth</translation>
    </message>
    <message>
        <source>&amp;Office Floor</source>
        <translation>&amp;Büroetage</translation>
    </message>
    <message>
        <source>Published %1: %2; the poster is %3</source>
        <translation>%1 veröffentlicht: %2; das Vorschaubild zeigt %3</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>%1 selected, %2</source>
        <translation>%1 ausgewählt, %2</translation>
    </message>
    <message>
        <source>Turn &amp;Left by 15°</source>
        <translation>Um 15° nach &amp;links drehen</translation>
    </message>
    <message>
        <source>Turn &amp;Right by 15°</source>
        <translation>Um 15° nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>Turn Left by &amp;1°</source>
        <translation>Um &amp;1° nach links drehen</translation>
    </message>
    <message>
        <source>Turn Right by 1°</source>
        <translation>Um 1° nach rechts drehen</translation>
    </message>
    <message>
        <source>Turn to the Next &amp;Quarter</source>
        <translation>Zur nächsten &amp;Vierteldrehung</translation>
    </message>
    <message>
        <source>Tur&amp;n</source>
        <translation>Dre&amp;hen</translation>
    </message>
</context>
<context>
    <name>ManualPage</name>
    <message>
        <source>Norvane Manual</source>
        <translation>Norvane-Handbuch</translation>
    </message>
    <message>
        <source>&lt;H2&gt;Contents&lt;/H2&gt;</source>
        <translation>&lt;H2&gt;Inhalt&lt;/H2&gt;</translation>
    </message>
    <message>
        <source>&lt;OL&gt;
&lt;LI&gt;&lt;A HREF=&quot;#1&quot;&gt;Letter From the Programmer&lt;/A&gt;&lt;/LI&gt;
&lt;LI&gt;&lt;A HREF=&quot;#2&quot;&gt;How to Use Norvane&lt;/A&gt;
&lt;OL TYPE=&quot;A&quot;&gt;
&lt;LI&gt;Creating a VRML 2.0 World&lt;/LI&gt;
&lt;LI&gt;Removing Objects From the Scene&lt;/LI&gt;
&lt;LI&gt;Saving Your Progress&lt;/LI&gt;
&lt;LI&gt;Distributing your VRML World&lt;/LI&gt;
&lt;/OL&gt;&lt;/LI&gt;
&lt;LI&gt;&lt;A HREF=&quot;#3&quot;&gt;Possible Scene Ideas&lt;/A&gt;&lt;/LI&gt;
&lt;LI&gt;&lt;A HREF=&quot;#4&quot;&gt;Q &amp;amp; A&lt;/A&gt;&lt;/LI&gt;
&lt;/OL&gt;</source>
        <translation>&lt;OL&gt;
&lt;LI&gt;&lt;A HREF=&quot;#1&quot;&gt;Ein Brief des Programmierers&lt;/A&gt;&lt;/LI&gt;
&lt;LI&gt;&lt;A HREF=&quot;#2&quot;&gt;So arbeiten Sie mit Norvane&lt;/A&gt;
&lt;OL TYPE=&quot;A&quot;&gt;
&lt;LI&gt;Eine VRML-2.0-Welt erstellen&lt;/LI&gt;
&lt;LI&gt;Objekte aus der Szene entfernen&lt;/LI&gt;
&lt;LI&gt;Ihre Arbeit speichern&lt;/LI&gt;
&lt;LI&gt;Ihre VRML-Welt veröffentlichen&lt;/LI&gt;
&lt;/OL&gt;&lt;/LI&gt;
&lt;LI&gt;&lt;A HREF=&quot;#3&quot;&gt;Ideen für Szenen&lt;/A&gt;&lt;/LI&gt;
&lt;LI&gt;&lt;A HREF=&quot;#4&quot;&gt;Fragen und Antworten&lt;/A&gt;&lt;/LI&gt;
&lt;/OL&gt;</translation>
    </message>
    <message>
        <source>&lt;H2&gt;&lt;A NAME=&quot;1&quot;&gt;1. Letter From the Programmer&lt;/A&gt;&lt;/H2&gt;</source>
        <translation>&lt;H2&gt;&lt;A NAME=&quot;1&quot;&gt;1. Ein Brief des Programmierers&lt;/A&gt;&lt;/H2&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Welcome to Norvane. VRML, the Virtual Reality Modeling Language, describes
three-dimensional worlds in plain text, much as HTML describes pages. A visitor with a VRML
browser can walk through such a world and follow its links to other pages and files.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Willkommen bei Norvane. VRML, die Virtual Reality Modeling Language, beschreibt
dreidimensionale Welten in reinem Text, so wie HTML Seiten beschreibt. Wer einen VRML-Browser
hat, kann durch eine solche Welt gehen und ihren Links zu anderen Seiten und Dateien folgen.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Writing VRML by hand is slow work, and 3D modelling tools are large and expensive. Norvane
is meant to be the opposite: a small, easy tool at a low price that lets anyone who builds web
pages lay out a street, a site map or a maze on a map and get a finished VRML 2.0 world in a few
minutes.&lt;/P&gt;</source>
        <translation>&lt;P&gt;VRML von Hand zu schreiben ist mühsam, und 3D-Modellierprogramme sind groß und teuer.
Norvane soll das Gegenteil sein: ein kleines, einfaches und günstiges Werkzeug, mit dem jeder,
der Webseiten baut, eine Straße, einen Lageplan oder ein Labyrinth auf einer Karte anlegen und in
wenigen Minuten eine fertige VRML-2.0-Welt erhalten kann.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;H2&gt;&lt;A NAME=&quot;2&quot;&gt;2. How to Use Norvane&lt;/A&gt;&lt;/H2&gt;</source>
        <translation>&lt;H2&gt;&lt;A NAME=&quot;2&quot;&gt;2. So arbeiten Sie mit Norvane&lt;/A&gt;&lt;/H2&gt;</translation>
    </message>
    <message>
        <source>&lt;H3&gt;A. Creating a VRML 2.0 World&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;A. Eine VRML-2.0-Welt erstellen&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;The Norvane window has three main parts: the green 2D map on the left, which shows your
world from above; the &quot;Objects Available&quot; list, which holds every kind of object you can
place; and the &quot;Objects in Scene&quot; list, which names every object already in your world.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Das Fenster von Norvane hat drei Hauptteile: links die grüne 2D-Karte, die Ihre Welt von
oben zeigt; die Liste „Verfügbare Objekte“, die jede Art von Objekt enthält, die Sie platzieren
können; und die Liste „Objekte in der Szene“, die jedes Objekt nennt, das schon in Ihrer Welt
steht.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;OL&gt;
&lt;LI&gt;Select a kind of object in the &quot;Objects Available&quot; list.&lt;/LI&gt;
&lt;LI&gt;Set its orientation with the four small buttons beside &quot;Orientation&quot;.&lt;/LI&gt;
&lt;LI&gt;Tick &quot;With Anchor&quot; if the object should link to a web page or file; you are asked for
the address when you place it.&lt;/LI&gt;
&lt;LI&gt;Click on the map where the object should stand. Streets, sidewalks, shrubbery,
floors and ceilings, and walls are drawn as rectangles: press the mouse button at one
corner and release it at the opposite corner.&lt;/LI&gt;
&lt;LI&gt;Repeat until your world is complete.&lt;/LI&gt;
&lt;LI&gt;Press &quot;Save File to VRML&quot;, choose the sky and the background sound, and press OK.&lt;/LI&gt;
&lt;/OL&gt;</source>
        <translation>&lt;OL&gt;
&lt;LI&gt;Wählen Sie in der Liste „Verfügbare Objekte“ eine Objektart.&lt;/LI&gt;
&lt;LI&gt;Legen Sie ihre Ausrichtung mit den vier kleinen Knöpfen neben „Ausrichtung“ fest.&lt;/LI&gt;
&lt;LI&gt;Kreuzen Sie „Mit Anker“ an, wenn das Objekt auf eine Webseite oder Datei verweisen soll;
Norvane fragt beim Platzieren nach der Adresse.&lt;/LI&gt;
&lt;LI&gt;Klicken Sie auf die Stelle der Karte, an der das Objekt stehen soll. Straßen, Gehwege,
Gebüsch, Böden und Decken sowie Wände werden als Rechtecke gezeichnet: Drücken Sie die
Maustaste an einer Ecke und lassen Sie sie an der gegenüberliegenden Ecke los.&lt;/LI&gt;
&lt;LI&gt;Wiederholen Sie das, bis Ihre Welt fertig ist.&lt;/LI&gt;
&lt;LI&gt;Drücken Sie „Als VRML speichern“, wählen Sie den Himmel und die Hintergrundmusik und drücken
Sie OK.&lt;/LI&gt;
&lt;/OL&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Save your worlds in the Norvane directory: the texture images the worlds use lie there.
Background sounds must lie in that directory too, or they are not offered.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Speichern Sie Ihre Welten im Ordner von Norvane: Dort liegen die Texturbilder, die die
Welten verwenden. Auch Hintergrundmusik muss in diesem Ordner liegen, sonst wird sie nicht
angeboten.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;The &quot;3D View&quot; beside the map shows your world as a visitor will see it, and changes as
you place and remove objects. Walk with the arrow keys (or W, A, S and D), drag with the mouse
to look around, use Page Up and Page Down to rise and fall, and press Home to go back to the
starting point. Click an object to select it; rest the pointer on an object to see its link.
F3 hides or shows the view. A big scene is built in the background after it is opened, and the
line at the bottom of the view says how far it is. Of a very big scene the view draws only the
objects nearest you, so that it stays quick, and that line says so; it catches up a moment after
you stop walking.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Die „3D-Ansicht“ neben der Karte zeigt Ihre Welt so, wie ein Besucher sie sehen wird, und
ändert sich, während Sie Objekte platzieren und entfernen. Gehen Sie mit den Pfeiltasten (oder W,
A, S und D), ziehen Sie mit der Maus, um sich umzusehen, steigen und sinken Sie mit Bild auf und
Bild ab, und kehren Sie mit Pos1 zum Startpunkt zurück. Ein Klick auf ein Objekt wählt es aus;
ruht der Zeiger auf einem Objekt, erscheint sein Link. F3 blendet die Ansicht aus oder ein. Eine
große Szene wird nach dem Öffnen im Hintergrund aufgebaut, und die Zeile am unteren Rand der
Ansicht sagt, wie weit das ist. Von einer sehr großen Szene zeichnet die Ansicht nur die Objekte,
die Ihnen am nächsten sind, damit sie flüssig bleibt, und jene Zeile sagt das; einen Moment
nachdem Sie stehen bleiben, holt sie auf.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;The window can be resized and maximised; the map takes the extra room. Ctrl+wheel over the
map, or Ctrl++ and Ctrl+-, zooms in and out through 100 %, 200 %, 400 % and 800 % and keeps the
point under the pointer in place; View, Scale, &quot;Fit to Window&quot; shows the whole map. The wheel
scrolls the map up and down, Shift+wheel left and right; dragging with the middle button, or
with the left button while Space is held, moves it. View, &quot;Show Grid&quot; (Ctrl+G) draws a line every
metre, or every ten metres when the lines would be too close. View, &quot;Snap to Grid&quot;
(Ctrl+Shift+G) puts what you place or move on whole metres; hold Alt while clicking to do the
opposite for that click. The status bar shows the position under the pointer as the scene
stores it, the chosen kind (or &quot;Select&quot;) and the number of objects. Norvane remembers the
window, the scale, the grid, snapping and the 3D view for the next time.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Das Fenster lässt sich in der Größe ändern und maximieren; die Karte erhält den
zusätzlichen Platz. Strg+Mausrad über der Karte, oder Strg++ und Strg+-, vergrößert und
verkleinert in den Stufen 100 %, 200 %, 400 % und 800 % und hält den Punkt unter dem Zeiger fest;
Ansicht, Maßstab, „An Fenster anpassen“ zeigt die ganze Karte. Das Mausrad rollt die Karte nach
oben und unten, Umschalt+Mausrad nach links und rechts; Ziehen mit der mittleren Maustaste, oder
mit der linken bei gedrückter Leertaste, verschiebt sie. Ansicht, „Raster anzeigen“ (Strg+G)
zeichnet jeden Meter eine Linie, oder alle zehn Meter, wenn die Linien zu dicht lägen. Ansicht,
„Am Raster einrasten“ (Strg+Umschalt+G) legt, was Sie platzieren oder verschieben, auf ganze
Meter; halten Sie beim Klicken Alt gedrückt, um für diesen Klick das Gegenteil zu tun. Die
Statusleiste zeigt die Position unter dem Zeiger so, wie die Szene sie speichert, die gewählte
Objektart (oder „Auswahl“) und die Zahl der Objekte. Norvane merkt sich das Fenster, den
Maßstab, das Raster, das Einrasten und die 3D-Ansicht für das nächste Mal.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Placing without a mouse: choose a kind in &quot;Objects Available&quot;, then press Tab until the map
has the focus. The arrow keys move the cross-hair by 1 m, with Shift by 0.1 m; Enter places the
object there. For streets, sidewalks, shrubbery, floors and walls the first Enter sets one
corner and the second Enter the opposite corner; Esc abandons the first corner.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Platzieren ohne Maus: Wählen Sie in „Verfügbare Objekte“ eine Objektart und drücken Sie
dann Tab, bis die Karte den Fokus hat. Die Pfeiltasten bewegen das Fadenkreuz um 1 m, mit
Umschalt um 0,1 m; die Eingabetaste platziert das Objekt dort. Bei Straßen, Gehwegen, Gebüsch,
Böden und Wänden setzt die erste Eingabetaste eine Ecke und die zweite die gegenüberliegende
Ecke; Esc verwirft die erste Ecke.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;H3&gt;B. Removing Objects From the Scene&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;B. Objekte aus der Szene entfernen&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Select the object in the &quot;Objects in Scene&quot; list and press &quot;Remove Object&quot;.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Wählen Sie das Objekt in der Liste „Objekte in der Szene“ und drücken Sie „Objekt
entfernen“.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;To edit, press Esc so that no object kind is chosen: a click on the map then selects the
object under the pointer, and dragging it moves it (the arrow keys move it by 1 m, with Shift
by 0.1 m). The Edit menu undoes and redoes every change (Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y), and
cuts, copies, pastes and duplicates the selected object (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+D); Delete
removes it, and a double click on its row (or Alt+Enter) opens its properties.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Zum Bearbeiten drücken Sie Esc, sodass keine Objektart gewählt ist: Ein Klick auf die Karte
wählt dann das Objekt unter dem Zeiger aus, und Ziehen verschiebt es (die Pfeiltasten verschieben
es um 1 m, mit Umschalt um 0,1 m). Das Menü „Bearbeiten“ macht jede Änderung rückgängig und
stellt sie wieder her (Strg+Z, Strg+Umschalt+Z oder Strg+Y), und es schneidet das ausgewählte
Objekt aus, kopiert, fügt ein und dupliziert es (Strg+X, Strg+C, Strg+V, Strg+D); Entf löscht
es, und ein Doppelklick auf seine Zeile (oder Alt+Eingabe) öffnet seine Eigenschaften.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;To work on several objects at once, Shift+click adds an object to the selection or takes it
out, a drag that starts on empty ground selects every object its rectangle touches (with Shift,
the earlier selection stays), Ctrl+A selects every object and Esc selects none; Ctrl+click and
Shift+click in the &quot;Objects in Scene&quot; list do the same. Dragging one of the selected objects
moves them all, and the arrow keys, Delete, Cut, Copy, Paste and Duplicate act on all of them,
each as one step that one undo takes back (&quot;Undo Move 3 Objects&quot;).&lt;/P&gt;</source>
        <translation>&lt;P&gt;Um mit mehreren Objekten zugleich zu arbeiten, fügt Umschalt+Klick ein Objekt der Auswahl hinzu
oder nimmt es heraus, Ziehen auf leerem Boden wählt jedes Objekt aus, das sein Rechteck berührt
(mit Umschalt bleibt die bisherige Auswahl), Strg+A wählt alle Objekte und Esc keines; Strg+Klick
und Umschalt+Klick in der Liste „Objekte in der Szene“ tun dasselbe. Ziehen eines der ausgewählten
Objekte verschiebt alle, und die Pfeiltasten, Entf, Ausschneiden, Kopieren, Einfügen und
Duplizieren wirken auf alle, jeweils als ein Schritt, den ein Rückgängig zurücknimmt.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;H3&gt;C. Saving Your Progress&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;C. Ihre Arbeit speichern&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&quot;Save&quot; writes your scene in Norvane&apos;s own scene file format, and &quot;Open&quot; brings it back
later so that you can go on working. &quot;Save&quot; does not write a VRML world; only &quot;Save File to
VRML&quot; does.&lt;/P&gt;</source>
        <translation>&lt;P&gt;„Sichern“ schreibt Ihre Szene in Norvanes eigenem Szenendateiformat, und „Öffnen“ holt
sie später zurück, damit Sie weiterarbeiten können. „Sichern“ schreibt keine VRML-Welt; das tut
nur „Als VRML speichern“.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&quot;Open Recent&quot; in the File menu lists the last eight scene files you opened or saved, newest
first; &quot;Clear List&quot; empties it. A file that can no longer be opened is taken off the list. You
can also drop a scene file (.NSC) from your file manager onto the Norvane window to open it.&lt;/P&gt;</source>
        <translation>&lt;P&gt;„Zuletzt geöffnet“ im Menü „Datei“ nennt die acht Szenendateien, die Sie zuletzt geöffnet
oder gespeichert haben, die neueste zuerst; „Liste leeren“ leert sie. Eine Datei, die sich nicht
mehr öffnen lässt, wird von der Liste genommen. Sie können eine Szenendatei (.NSC) auch aus Ihrer
Dateiverwaltung auf das Fenster von Norvane ziehen, um sie zu öffnen.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&quot;New from Template&quot; in the File menu starts from a ready-made scene: a street with sidewalks,
cars and lamps, a hedge maze, or a small office floor. It opens as a new scene, so &quot;Save&quot; asks
for a file name and the template stays as it was.&lt;/P&gt;</source>
        <translation>&lt;P&gt;„Neu aus Vorlage“ im Menü „Datei“ beginnt mit einer fertigen Szene: einer Straße mit
Gehwegen, Autos und Laternen, einem Heckenlabyrinth oder einer kleinen Büroetage. Sie öffnet
sich als neue Szene, daher fragt „Sichern“ nach einem Dateinamen, und die Vorlage bleibt, wie
sie war.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;H3&gt;D. Distributing your VRML World&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;D. Ihre VRML-Welt veröffentlichen&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;To put your world on a web site, copy the world file together with the five texture files
source1.jpg, source2.jpg, source3.jpg, source4.jpg and source5.jpg into the site&apos;s directory.
Every world that Norvane exports needs them. Copy the background sound as well, if you chose
one.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Um Ihre Welt auf eine Website zu stellen, kopieren Sie die Weltdatei zusammen mit den fünf
Texturdateien source1.jpg, source2.jpg, source3.jpg, source4.jpg und source5.jpg in den Ordner der
Website. Jede Welt, die Norvane exportiert, braucht sie. Kopieren Sie auch die Hintergrundmusik,
falls Sie eine gewählt haben.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&quot;Export As&quot; in the File menu writes your world for other programs as well. After the
World Properties dialog, the Save dialog offers every format; the file&apos;s extension chooses
it, and a name typed without one gets the extension of the chosen &quot;Files of type&quot;:&lt;/P&gt;</source>
        <translation>&lt;P&gt;„Exportieren als“ im Menü „Datei“ schreibt Ihre Welt auch für andere Programme. Nach dem
Dialog „Welteigenschaften“ bietet der Speichern-Dialog jedes Format an; die Endung der Datei
wählt es, und ein Name ohne Endung erhält die Endung des gewählten Dateityps:&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;UL&gt;
&lt;LI&gt;VRML 2.0 (.wrl), the same world as &quot;Save File to VRML&quot;;&lt;/LI&gt;
&lt;LI&gt;X3D (.x3d), the successor of VRML in XML, read by X_ITE, X3DOM and view3dscene;&lt;/LI&gt;
&lt;LI&gt;X3D ClassicVRML (.x3dv), the successor of VRML written like VRML, read by X_ITE and
view3dscene;&lt;/LI&gt;
&lt;LI&gt;glTF 2.0 binary (.glb), one file with the textures inside, read by three.js, Babylon.js,
model-viewer, Blender, Godot and the 3D viewers of Windows and GNOME. Texts are drawn as
pictures; hyperlinks, the sky and the music are kept as data that web pages can use, not played
or shown by the viewers.&lt;/LI&gt;
&lt;LI&gt;compressed VRML 2.0 (.wrz), the same world packed with gzip, a tenth of the size.&lt;/LI&gt;
&lt;/UL&gt;</source>
        <translation>&lt;UL&gt;
&lt;LI&gt;VRML 2.0 (.wrl), dieselbe Welt wie mit „Als VRML speichern“;&lt;/LI&gt;
&lt;LI&gt;X3D (.x3d), der Nachfolger von VRML in XML, lesbar mit X_ITE, X3DOM und view3dscene;&lt;/LI&gt;
&lt;LI&gt;X3D ClassicVRML (.x3dv), der Nachfolger von VRML in der Schreibweise von VRML, lesbar mit
X_ITE und view3dscene;&lt;/LI&gt;
&lt;LI&gt;glTF 2.0 binär (.glb), eine Datei mit den Texturen darin, lesbar mit three.js, Babylon.js,
model-viewer, Blender, Godot und den 3D-Betrachtern von Windows und GNOME. Texte werden als
Bilder gezeichnet; Hyperlinks, der Himmel und die Musik bleiben als Daten erhalten, die Webseiten
nutzen können, die Betrachter aber weder abspielen noch zeigen.&lt;/LI&gt;
&lt;LI&gt;komprimiertes VRML 2.0 (.wrz), dieselbe Welt mit gzip gepackt, ein Zehntel so groß.&lt;/LI&gt;
&lt;/UL&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;After the export a note says what the chosen format loses of your scene, for example that a
viewer does not play the background music. Tick &quot;Don&apos;t show again&quot; to see no more notes.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Nach dem Export sagt ein Hinweis, was das gewählte Format von Ihrer Szene verliert, zum
Beispiel, dass ein Betrachter die Hintergrundmusik nicht abspielt. Kreuzen Sie „Nicht mehr
anzeigen“ an, um keine Hinweise mehr zu sehen.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;H2&gt;&lt;A NAME=&quot;3&quot;&gt;3. Possible Scene Ideas&lt;/A&gt;&lt;/H2&gt;</source>
        <translation>&lt;H2&gt;&lt;A NAME=&quot;3&quot;&gt;3. Ideen für Szenen&lt;/A&gt;&lt;/H2&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Site maps: place objects whose anchors link to the pages of your site, so that visitors
walk to what they want to read. A business district of office buildings, each linked to one
department&apos;s page, makes a good front door for a company.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Lagepläne: Platzieren Sie Objekte, deren Anker auf die Seiten Ihrer Website verweisen,
sodass Besucher zu dem gehen, was sie lesen wollen. Ein Geschäftsviertel aus Bürogebäuden, jedes
mit der Seite einer Abteilung verknüpft, ist ein guter Eingang für eine Firma.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Mazes: build corridors out of Wall objects and let your visitors find the way out.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Labyrinthe: Bauen Sie Gänge aus Wall-Objekten (Wänden) und lassen Sie Ihre Besucher den
Ausgang suchen.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;H2&gt;&lt;A NAME=&quot;4&quot;&gt;4. Q &amp;amp; A&lt;/A&gt;&lt;/H2&gt;</source>
        <translation>&lt;H2&gt;&lt;A NAME=&quot;4&quot;&gt;4. Fragen und Antworten&lt;/A&gt;&lt;/H2&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&lt;B&gt;Q: How do I make an indoor scene?&lt;/B&gt;&lt;/P&gt;</source>
        <translation>&lt;P&gt;&lt;B&gt;F: Wie baue ich eine Szene in einem Gebäude?&lt;/B&gt;&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;A: Place Floor/Ceiling objects to make the floor and the ceiling, and put Wall objects
around the starting position. Walls are as high as the ceiling of a Floor/Ceiling object, so
the two meet.&lt;/P&gt;</source>
        <translation>&lt;P&gt;A: Platzieren Sie Floor/Ceiling-Objekte für Boden und Decke und stellen Sie Wall-Objekte
rund um die Startposition. Wände sind so hoch wie die Decke eines Floor/Ceiling-Objekts, sodass
beide aneinanderstoßen.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&lt;B&gt;Q: How do I keep a visitor in one part of the world?&lt;/B&gt;&lt;/P&gt;</source>
        <translation>&lt;P&gt;&lt;B&gt;F: Wie halte ich einen Besucher in einem Teil der Welt?&lt;/B&gt;&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;A: Surround that part with walls. Walls only hold visitors back when their VRML browser
prevents collisions; with collisions switched off, visitors walk through them.&lt;/P&gt;</source>
        <translation>&lt;P&gt;A: Umgeben Sie diesen Teil mit Wänden. Wände halten Besucher nur auf, wenn ihr VRML-Browser
Kollisionen verhindert; bei ausgeschalteten Kollisionen gehen Besucher durch sie hindurch.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;&quot;Export Web Page&quot; in the File menu writes a web page that shows your world in any current
browser, into a folder you upload as it is: the page, the world, the textures, poster.png, your
music and the files of X_ITE, the X3D browser the page uses. After World Properties, &quot;Page
Options&quot; asks how the page presents the world: the page description that screen readers
announce (left empty, a count of what the world holds), the world&apos;s format (VRML .wrl, the
compressed .wrz that makes the smallest folder, X3D or glTF), whether visitors with a VR headset
may &quot;Enter VR&quot;, and embed.html, a snippet that you paste into a page of your own to show the
world between your text, in a box of the shape you choose. The poster, a picture of the world
from the starting point (or of the map, where the computer cannot draw 3D), shows while the
world loads and in browsers that cannot show 3D, with a sentence and a link to the world. The
status bar then says how many files the folder holds and how big they are. Preview in Browser
shows the page with the choices you last confirmed.&lt;/P&gt;</source>
        <translation>&lt;P&gt;„Als Webseite exportieren“ im Menü „Datei“ schreibt eine Webseite, die Ihre Welt in jedem
aktuellen Browser zeigt, in einen Ordner, den Sie so, wie er ist, hochladen: die Seite, die Welt,
die Texturen, poster.png, Ihre Musik und die Dateien von X_ITE, dem X3D-Browser, den die Seite
verwendet. Nach den Welteigenschaften fragen die „Seitenoptionen“, wie die Seite die Welt zeigt:
die Seitenbeschreibung, die Bildschirmleser vorlesen (leer gelassen, eine Aufzählung dessen, was
die Welt enthält), das Format der Welt (VRML .wrl, das komprimierte .wrz, das den kleinsten
Ordner ergibt, X3D oder glTF), ob Besucher mit einer VR-Brille „Enter VR“ wählen dürfen, und
embed.html, einen Ausschnitt, den Sie in eine eigene Seite einfügen, um die Welt zwischen Ihrem
Text zu zeigen, in einem Kasten der Form, die Sie wählen. Das Vorschaubild, ein Bild der Welt vom
Startpunkt aus (oder der Karte, wo der Computer kein 3D zeichnen kann), erscheint, während die
Welt lädt, und in Browsern, die kein 3D zeigen können, mit einem Satz und einem Link auf die
Welt. Die Statusleiste sagt danach, wie viele Dateien der Ordner enthält und wie groß sie sind.
„Vorschau im Browser“ zeigt die Seite mit den Angaben, die Sie zuletzt bestätigt haben.&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;An object can face any angle. ] turns the selected objects by 15 degrees clockwise on the
map and [ counterclockwise, with Shift by 1 degree; Ctrl+R turns each to the next quarter turn.
Each object turns about its own point, and each press is one step that undo takes back. Streets,
sidewalks, walls, shrubbery and floors stay aligned with the map. The properties show the angle
in degrees; the scene file keeps it in radians, 0.7854 for 45 degrees. With several objects
selected, the properties change the angle and the URL of all of them at once; a field that
differs among them is blank, and left blank it changes nothing.&lt;/P&gt;</source>
        <translation>&lt;P&gt;Ein Objekt kann in jedem Winkel stehen. ] dreht die ausgewählten Objekte um 15 Grad im
Uhrzeigersinn auf der Karte und [ gegen den Uhrzeigersinn, mit Umschalt um 1 Grad; Strg+R dreht
jedes zur nächsten Vierteldrehung. Jedes Objekt dreht sich um seinen eigenen Punkt, und jeder
Tastendruck ist ein Schritt, den Rückgängig zurücknimmt. Straßen, Gehwege, Wände, Gebüsch und
Böden bleiben an der Karte ausgerichtet. Die Eigenschaften zeigen den Winkel in Grad; die
Szenendatei speichert ihn im Bogenmaß, 0.7854 für 45 Grad. Sind mehrere Objekte ausgewählt,
ändern die Eigenschaften den Winkel und die URL aller zugleich; ein Feld, das sich unter ihnen
unterscheidet, ist leer und ändert, leer gelassen, nichts.&lt;/P&gt;</translation>
    </message>
</context>
<context>
    <name>ObjectProperties</name>
    <message>
        <source>Forward</source>
        <translation>Nach vorn</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Counterclockwise on the map; 0 faces the map&apos;s bottom edge</source>
        <translation>Gegen den Uhrzeigersinn auf der Karte; 0 blickt zum unteren Kartenrand</translation>
    </message>
</context>
<context>
    <name>PageOptionsDialog</name>
    <message>
        <source>VRML 2.0 (.wrl)</source>
        <translation>VRML 2.0 (.wrl)</translation>
    </message>
    <message>
        <source>VRML 2.0, compressed (.wrz)</source>
        <translation>VRML 2.0, komprimiert (.wrz)</translation>
    </message>
    <message>
        <source>X3D (.x3d)</source>
        <translation>X3D (.x3d)</translation>
    </message>
    <message>
        <source>glTF 2.0 binary (.glb), without music</source>
        <translation>glTF 2.0 binär (.glb), ohne Musik</translation>
    </message>
    <message>
        <source>Offer &quot;Enter &amp;VR&quot; where the browser can</source>
        <translation>„Enter &amp;VR“ anbieten, wo der Browser es kann</translation>
    </message>
    <message>
        <source>Also write a &amp;snippet for other pages (embed.html)</source>
        <translation>Auch einen Aus&amp;schnitt für andere Seiten schreiben (embed.html)</translation>
    </message>
    <message>
        <source>Page Options</source>
        <translation>Seitenoptionen</translation>
    </message>
    <message>
        <source>Page &amp;description:</source>
        <translation>Seiten&amp;beschreibung:</translation>
    </message>
    <message>
        <source>World &amp;format:</source>
        <translation>Format der &amp;Welt:</translation>
    </message>
    <message>
        <source>Snippet &amp;shape (width:height):</source>
        <translation>&amp;Form des Ausschnitts (Breite:Höhe):</translation>
    </message>
</context>
<context>
    <name>PreviewServer</name>
    <message>
        <source>Cannot serve %1 on 127.0.0.1: %2</source>
        <translation>%1 kann nicht auf 127.0.0.1 bereitgestellt werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Cannot create Norvane&apos;s folder %1 for the preview, the manual and the music files</source>
        <translation>Der Ordner %1 von Norvane für die Vorschau, das Handbuch und die Musikdateien kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot move %1 into %2</source>
        <translation>%1 kann nicht nach %2 verschoben werden</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>Saver</name>
    <message>
        <source>Blue Sky</source>
        <translation>Blauer Himmel</translation>
    </message>
    <message>
        <source>Night Sky</source>
        <translation>Nachthimmel</translation>
    </message>
    <message>
        <source>World Properties</source>
        <translation>Welteigenschaften</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Anchor Target Frame</source>
        <translation>Zielframe der Anker</translation>
    </message>
    <message>
        <source>Use to direct anchors to a specific frame.</source>
        <translation>Lenkt die Anker in einen bestimmten Frame.</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <source>Music Files in Application Directory</source>
        <translation>Musikdateien im Programmordner</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>SharedProperties</name>
    <message>
        <source>Properties of %1 Objects</source>
        <translation>Eigenschaften von %1 Objekten</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>(various)</source>
        <translation>(verschieden)</translation>
    </message>
</context>
<context>
    <name>WorldView</name>
    <message>
        <source>,</source>
        <comment>thousands separator</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Building the 3D view… %1 %</source>
        <translation>Die 3D-Ansicht wird aufgebaut … %1 %</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
    <message>
        <source>Showing the %1 objects nearest you of %2</source>
        <translation>Die %1 nächsten von %2 Objekten werden gezeigt</translation>
    </message>
    <message>
        <source>Arrows, W A S D: walk, turn · Drag: look · PgUp/PgDn: rise, fall · Home: start</source>
        <translation>Pfeile, WASD: gehen, drehen · Ziehen: schauen · Bild ↑/↓: auf, ab · Pos1: Start</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Norvane is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the author be liable for any claim, damages or other liability arising from the use of this program or of the worlds and files it writes. Keep copies of your scenes.</source>
        <translation>Norvane wird „wie besehen“ bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, einschließlich, aber nicht beschränkt auf die Gewährleistung der Marktgängigkeit, der Eignung für einen bestimmten Zweck und der Nichtverletzung von Rechten Dritter. In keinem Fall haftet der Autor für Ansprüche, Schäden oder sonstige Haftung, die aus der Nutzung dieses Programms oder der Welten und Dateien, die es schreibt, entstehen. Bewahren Sie Kopien Ihrer Szenen auf.</translation>
    </message>
    <message>
        <source>About Norvane</source>
        <translation>Über Norvane</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Disclaimer of warranty for Norvane</source>
        <translation>Gewährleistungsausschluss für Norvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>VRML 2.0 worlds for your web pages</source>
        <translation>VRML-2.0-Welten für Ihre Webseiten</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
