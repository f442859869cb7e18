<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GameFiles</name>
    <message>
        <source>What is the name of the game?</source>
        <translation>Wie soll das Spiel heißen?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Game</source>
        <translation>Quillmere - Spiel speichern</translation>
    </message>
    <message>
        <source>Quillmere - Saving</source>
        <translation>Quillmere - Speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed without saving?</source>
        <translation>Möchtest du wirklich ohne Speichern weitermachen?</translation>
    </message>
    <message>
        <source>Name too long.
Please limit the name to 32 characters.</source>
        <translation>Name zu lang.
Bitte nimm höchstens 32 Zeichen.</translation>
    </message>
    <message>
        <source>Illegal characters found in the name.</source>
        <translation>Der Name enthält unerlaubte Zeichen.</translation>
    </message>
    <message>
        <source>File already exists. Overwrite it?</source>
        <translation>Die Datei gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Error</source>
        <translation>Quillmere - Fehler beim Speichern</translation>
    </message>
    <message>
        <source>An error occurred while attempting saving game data
%1
Game not saved.</source>
        <translation>Beim Speichern des Spiels ist ein Fehler aufgetreten
%1
Spiel nicht gespeichert.</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Fehler</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading saved game
%1
%2</source>
        <translation>Beim Laden des gespeicherten Spiels ist ein Fehler aufgetreten
%1
%2</translation>
    </message>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Fortschritt</translation>
    </message>
    <message>
        <source>Your record of progress could not be read, and it is left as it was:</source>
        <translation>Dein Fortschritt konnte nicht gelesen werden; er bleibt, wie er war:</translation>
    </message>
    <message>
        <source>This win could not be kept in your record of progress, which is left as it was:</source>
        <translation>Dieser Sieg konnte nicht in deinem Fortschritt vermerkt werden; der Fortschritt bleibt, wie er war:</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Random: %1</source>
        <translation>Zufall: %1</translation>
    </message>
    <message>
        <source>Level: %1 - %2</source>
        <translation>Level: %1 - %2</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Steps: %1 (fewest %2)</source>
        <translation>Züge: %1 (mindestens %2)</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>Quillmere - Help</source>
        <translation>Quillmere - Hilfe</translation>
    </message>
    <message>
        <source>Unable to open %1 automatically.
Please open the file manually.</source>
        <translation>%1 ließ sich nicht automatisch öffnen.
Bitte öffne die Datei selbst.</translation>
    </message>
</context>
<context>
    <name>LevelCode</name>
    <message>
        <source>&quot;%1&quot; is in no level code: codes are made of the digits 2 to 9 and of the letters other than I, L, O, S and Z.</source>
        <translation>„%1“ kommt in keinem Level-Code vor: Codes bestehen aus den Ziffern 2 bis 9 und allen Buchstaben außer I, L, O, S und Z.</translation>
    </message>
    <message>
        <source>No level code was typed.</source>
        <translation>Es wurde kein Level-Code eingegeben.</translation>
    </message>
    <message>
        <source>A level code has %1 letters and digits; this one has %2.</source>
        <translation>Ein Level-Code hat %1 Buchstaben und Ziffern, dieser hat %2.</translation>
    </message>
    <message>
        <source>This level code has a typing mistake: a wrong character or two characters swapped. Please check it.</source>
        <translation>Dieser Level-Code hat einen Tippfehler: ein falsches Zeichen oder zwei vertauschte Zeichen. Bitte prüfe ihn.</translation>
    </message>
    <message>
        <source>No level has this code. Please check it.</source>
        <translation>Kein Level hat diesen Code. Bitte prüfe ihn.</translation>
    </message>
    <message>
        <source>This code is of a position that is solved already, not of a level.</source>
        <translation>Dieser Code gehört zu einer schon gelösten Stellung, nicht zu einem Level.</translation>
    </message>
    <message>
        <source>This code is of a position that cannot be solved, not of a level.</source>
        <translation>Dieser Code gehört zu einer unlösbaren Stellung, nicht zu einem Level.</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Already solved</source>
        <translation>Schon gelöst</translation>
    </message>
    <message>
        <source>Fewest steps: %1</source>
        <translation>Kürzeste Lösung: %1 Züge</translation>
    </message>
    <message>
        <source>Cannot be solved</source>
        <translation>Nicht lösbar</translation>
    </message>
</context>
<context>
    <name>LevelFaults</name>
    <message>
        <source>%1 has no place on the board at position value %2.</source>
        <translation>%1 hat beim Positionswert %2 keinen Platz auf dem Brett.</translation>
    </message>
    <message>
        <source>%1 and %2 share the cell in %3.</source>
        <translation>%1 und %2 teilen sich das Feld in %3.</translation>
    </message>
    <message>
        <source>Level %1 cannot be played because %2</source>
        <translation>Level %1 ist nicht spielbar, denn %2</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 steht nicht auf dem Brett.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file is larger than %1 MB, more than a record ever grows to; it is left as it is.</source>
        <translation>Die Datei ist größer als %1 MB, größer als ein Fortschritt je wird; sie bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file holds %1 bytes; a saved game has %2.</source>
        <translation>Die Datei hat %1 Bytes, ein gespeichertes Spiel hat %2.</translation>
    </message>
    <message>
        <source>The game is of a random level, but its name &quot;%1&quot; is not the code of a level that can be played.</source>
        <translation>Das Spiel gehört zu einem Zufallslevel, aber sein Name „%1“ ist nicht der Code eines spielbaren Levels.</translation>
    </message>
    <message>
        <source>The game is of the random level %1, but its board cannot be reached from that level&apos;s start by sliding pieces.</source>
        <translation>Das Spiel gehört zum Zufallslevel %1, aber seine Stellung lässt sich vom Start dieses Levels aus nicht durch Schieben erreichen.</translation>
    </message>
    <message>
        <source>The level number %1 is not one of the levels 1 to %2.</source>
        <translation>Die Levelnummer %1 gehört nicht zu den Levels 1 bis %2.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1 (error %2).</source>
        <translation>Die Datei lässt sich nicht lesen: %1 (Fehler %2).</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Ordrane</source>
        <translation>Ordrane</translation>
    </message>
    <message>
        <source>Belvik</source>
        <translation>Belvik</translation>
    </message>
    <message>
        <source>Tessamor</source>
        <translation>Tessamor</translation>
    </message>
    <message>
        <source>Kirrow</source>
        <translation>Kirrow</translation>
    </message>
    <message>
        <source>Dunmale</source>
        <translation>Dunmale</translation>
    </message>
    <message>
        <source>Pellick</source>
        <translation>Pellick</translation>
    </message>
    <message>
        <source>Soldier A</source>
        <translation>Soldat A</translation>
    </message>
    <message>
        <source>Soldier B</source>
        <translation>Soldat B</translation>
    </message>
    <message>
        <source>Soldier C</source>
        <translation>Soldat C</translation>
    </message>
    <message>
        <source>Soldier D</source>
        <translation>Soldat D</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>Spalten %1 bis %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>principal piece</source>
        <translation>Hauptstein</translation>
    </message>
    <message>
        <source>Principal piece</source>
        <translation>Hauptstein</translation>
    </message>
    <message>
        <source>wide piece</source>
        <translation>breiten Stein</translation>
    </message>
    <message>
        <source>Wide piece</source>
        <translation>Breiter Stein</translation>
    </message>
    <message>
        <source>tall piece %1</source>
        <translation>hohen Stein %1</translation>
    </message>
    <message>
        <source>Tall piece %1</source>
        <translation>Hoher Stein %1</translation>
    </message>
    <message>
        <source>small piece %1</source>
        <translation>kleinen Stein %1</translation>
    </message>
    <message>
        <source>Small piece %1</source>
        <translation>Kleiner Stein %1</translation>
    </message>
    <message>
        <source>left</source>
        <comment>direction of a slide</comment>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <comment>direction of a slide</comment>
        <translation>rechts</translation>
    </message>
    <message>
        <source>up</source>
        <comment>direction of a slide</comment>
        <translation>oben</translation>
    </message>
    <message>
        <source>down</source>
        <comment>direction of a slide</comment>
        <translation>unten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>columns, rows</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 by %3, %4</source>
        <comment>piece, width by height, place</comment>
        <translation>%1, %2 mal %3, %4</translation>
    </message>
    <message>
        <source>It cannot slide.</source>
        <translation>Er lässt sich nicht schieben.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of several directions</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>It can slide %1.</source>
        <translation>Er lässt sich nach %1 schieben.</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>No sequence of slides finishes the level from here.</source>
        <translation>Von hier aus lässt sich das Level nicht mehr lösen.</translation>
    </message>
    <message>
        <source>Slide the marked piece to the marked cells. The level can be finished in 1 more step.</source>
        <translation>Schiebe den markierten Stein auf die markierten Felder. Das Level ist in 1 weiteren Zug zu schaffen.</translation>
    </message>
    <message numerus="yes">
        <source>Slide the marked piece to the marked cells. The level can be finished in %n more steps.</source>
        <translation>
            <numerusform>Schiebe den markierten Stein auf die markierten Felder. Das Level ist in %n weiteren Zug zu schaffen.</numerusform>
            <numerusform>Schiebe den markierten Stein auf die markierten Felder. Das Level ist in %n weiteren Zügen zu schaffen.</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2 by 1 cell, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>den %1 um 1 Feld nach %2, auf %3</translation>
    </message>
    <message numerus="yes">
        <source>the %1 %2 by %n cells, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>
            <numerusform>den %1 um %n Feld nach %2, auf %3</numerusform>
            <numerusform>den %1 um %n Felder nach %2, auf %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Arrow keys choose a piece, Space or Enter picks it up, arrow keys slide it, Space or Enter puts it down, Esc puts it back.</source>
        <translation>Pfeiltasten wählen einen Stein, Leertaste oder Eingabe nimmt ihn auf, Pfeiltasten schieben ihn, Leertaste oder Eingabe setzt ihn ab, Esc legt ihn zurück.</translation>
    </message>
    <message>
        <source>Board: the level is finished</source>
        <translation>Spielbrett: Level geschafft</translation>
    </message>
    <message>
        <source>Board: %1, held</source>
        <translation>Spielbrett: %1, aufgenommen</translation>
    </message>
    <message>
        <source>Board: %1, selected</source>
        <translation>Spielbrett: %1, ausgewählt</translation>
    </message>
    <message>
        <source>Hint: let go of the %1 where it stands, at %2.</source>
        <translation>Tipp: Lass den %1 los, wo er steht, auf %2.</translation>
    </message>
    <message>
        <source>Hint: slide %1.</source>
        <translation>Tipp: Schiebe %1.</translation>
    </message>
    <message>
        <source>Solution, step %1 of %2: slide %3.</source>
        <translation>Lösung, Zug %1 von %2: Schiebe %3.</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Fehler</translation>
    </message>
    <message>
        <source>An error has occurred while attempting creating folder</source>
        <translation>Beim Anlegen des Ordners ist ein Fehler aufgetreten</translation>
    </message>
</context>
<context>
    <name>quill::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
</context>
<context>
    <name>quill::BoardZoom</name>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <comment>View menu</comment>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <comment>View menu</comment>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Usual Size</source>
        <comment>View menu</comment>
        <translation>&amp;Normalgröße</translation>
    </message>
</context>
<context>
    <name>quill::EditorSize</name>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Usual Size</source>
        <translation>Normalgröße</translation>
    </message>
</context>
<context>
    <name>quill::Metafile</name>
    <message>
        <source>The file is not an enhanced metafile.</source>
        <translation>Die Datei ist keine Enhanced-Metafile-Grafik (EMF).</translation>
    </message>
    <message>
        <source>The metafile header is damaged.</source>
        <translation>Der Kopf der Metafile-Grafik ist beschädigt.</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture size is empty or too large.</source>
        <translation>Die Bildgröße der Metafile-Grafik ist leer oder zu groß.</translation>
    </message>
    <message>
        <source>The metafile&apos;s reference device is damaged.</source>
        <translation>Das Referenzgerät der Metafile-Grafik ist beschädigt.</translation>
    </message>
    <message>
        <source>The metafile ends before its last record.</source>
        <translation>Die Metafile-Grafik endet vor ihrem letzten Eintrag.</translation>
    </message>
    <message>
        <source>The metafile has a damaged record.</source>
        <translation>Die Metafile-Grafik hat einen beschädigten Eintrag.</translation>
    </message>
    <message>
        <source>The metafile could not be converted.</source>
        <translation>Die Metafile-Grafik ließ sich nicht umwandeln.</translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation>Nicht genug Speicher für das Bild.</translation>
    </message>
    <message>
        <source>The Windows metafile has no placeable header, so its size is unknown.</source>
        <translation>Die Windows-Metafile-Grafik hat keinen Placeable-Kopf, daher ist ihre Größe unbekannt.</translation>
    </message>
    <message>
        <source>The metafile reader could not start.</source>
        <translation>Das Leseprogramm für Metafile-Grafiken ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>The metafile reader is not available.</source>
        <translation>Das Leseprogramm für Metafile-Grafiken ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The metafile could not be read.</source>
        <translation>Die Metafile-Grafik ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>The metafile draws far outside its picture or is too costly to draw.</source>
        <translation>Die Metafile-Grafik zeichnet weit außerhalb ihres Bildes oder ist zu aufwendig zu zeichnen.</translation>
    </message>
    <message>
        <source>The metafile could not be drawn.</source>
        <translation>Die Metafile-Grafik ließ sich nicht zeichnen.</translation>
    </message>
</context>
<context>
    <name>quill::Picture</name>
    <message>
        <source>The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture.</source>
        <translation>Die Datei ist kein BMP-, DIB-, GIF-, JPEG-, WMF- oder EMF-Bild.</translation>
    </message>
    <message>
        <source>The picture is cut short or damaged.</source>
        <translation>Das Bild ist unvollständig oder beschädigt.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is too large for a picture.</source>
        <translation>Die Datei ist zu groß für ein Bild.</translation>
    </message>
</context>
<context>
    <name>quill::PictureClip</name>
    <message>
        <source>The skin is %1 x %2 pixels; it must be at least %3 x %4.</source>
        <translation>Der Skin ist %1 x %2 Pixel groß; er muss mindestens %3 x %4 groß sein.</translation>
    </message>
</context>
<context>
    <name>quill::SolutionShow</name>
    <message>
        <source>Quillmere - Show Solution</source>
        <translation>Quillmere - Lösung zeigen</translation>
    </message>
</context>
<context>
    <name>quill::frmAbout</name>
    <message>
        <source>About</source>
        <comment>About dialog title</comment>
        <translation>Über Quillmere</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>About dialog</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Updates:  %1</source>
        <translation>Updates:  %1</translation>
    </message>
    <message>
        <source>Quillmere Version %1.%2%3

%4</source>
        <translation>Quillmere Version %1.%2%3

%4</translation>
    </message>
    <message>
        <source>Quillmere - Easter Egg</source>
        <translation>Quillmere - Osterei</translation>
    </message>
    <message>
        <source>You have found the Easter Egg!</source>
        <translation>Du hast das Osterei gefunden!</translation>
    </message>
    <message>
        <source>Quillmere - Email</source>
        <translation>Quillmere - E-Mail</translation>
    </message>
    <message>
        <source>Unable to start your Email agent automatically.
Please send an Email to %1 manually.</source>
        <translation>Dein E-Mail-Programm ließ sich nicht automatisch starten.
Bitte schreib selbst eine E-Mail an %1.</translation>
    </message>
    <message>
        <source>Quillmere - Updates</source>
        <translation>Quillmere - Updates</translation>
    </message>
    <message>
        <source>Unable to start your web browser automatically.
Please goto the site %1 manually.</source>
        <translation>Dein Webbrowser ließ sich nicht automatisch starten.
Bitte öffne die Seite %1 selbst.</translation>
    </message>
</context>
<context>
    <name>quill::frmFile</name>
    <message>
        <source>File</source>
        <comment>file chooser title</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>file chooser button</comment>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>file chooser</comment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quill::frmLevel</name>
    <message>
        <source>Choose Level</source>
        <translation>Level wählen</translation>
    </message>
    <message>
        <source>Level %1 - %2</source>
        <translation>Level %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Set Level</source>
        <comment>Choose Level dialog</comment>
        <translation>Level &amp;wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Choose Level dialog</comment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quill::frmLevelEd</name>
    <message>
        <source>Quillmere Level Editor</source>
        <translation>Quillmere Level-Editor</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space places the chosen piece there, or with Blank chosen takes off the piece that covers the cell.</source>
        <translation>Pfeiltasten bewegen den Feldcursor; die Leertaste setzt den gewählten Stein dorthin oder nimmt, wenn Leer gewählt ist, den Stein von diesem Feld.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>%1 wählen</translation>
    </message>
    <message>
        <source>Choose Blank</source>
        <translation>Leer wählen</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Error</source>
        <translation>Quillmere Level-Editor - Fehler</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Beim Laden der Datendatei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Saving Error</source>
        <translation>Quillmere Level-Editor - Fehler beim Speichern</translation>
    </message>
    <message>
        <source>An error has occurred while attempting saving data file</source>
        <translation>Beim Speichern der Datendatei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Exit</source>
        <translation>Quillmere Level-Editor - Beenden</translation>
    </message>
    <message>
        <source>Save the changes to the levels before closing?</source>
        <translation>Änderungen an den Levels vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Grid, %1</source>
        <translation>Raster, %1</translation>
    </message>
</context>
<context>
    <name>quill::frmMain</name>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <comment>File menu</comment>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <comment>File menu</comment>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>Set S&amp;kin</source>
        <comment>File menu</comment>
        <translation>S&amp;kin wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Re&amp;start Level</source>
        <comment>Game menu</comment>
        <translation>Level neu &amp;starten</translation>
    </message>
    <message>
        <source>Ra&amp;ndom Level...</source>
        <comment>Game menu</comment>
        <translation>&amp;Zufallslevel...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show So&amp;lution</source>
        <comment>Game menu</comment>
        <translation>&amp;Lösung zeigen</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Game menu</comment>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>&amp;Animate Slides</source>
        <comment>Game menu</comment>
        <translation>&amp;Animierte Züge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>H&amp;ow to Play</source>
        <comment>Help menu</comment>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>Ü&amp;ber Quillmere</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Fehler</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Beim Laden der Datendatei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Quillmere - ERROR</source>
        <translation>Quillmere - FEHLER</translation>
    </message>
    <message>
        <source>An error has occurred while attempting to load picture 
%1
Make sure the picture exists and is of a correct format.</source>
        <translation>Beim Laden des Bildes ist ein Fehler aufgetreten 
%1
Prüfe, ob das Bild vorhanden ist und ein passendes Format hat.</translation>
    </message>
    <message>
        <source>Quillmere - New Game</source>
        <translation>Quillmere - Neues Spiel</translation>
    </message>
    <message>
        <source>Quillmere - Load game</source>
        <translation>Quillmere - Spiel laden</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser title</comment>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser button</comment>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Load Skin</source>
        <comment>file chooser title</comment>
        <translation>Skin laden</translation>
    </message>
    <message>
        <source>Set Skin</source>
        <comment>file chooser button</comment>
        <translation>Skin wählen</translation>
    </message>
    <message>
        <source>Quillmere - Set Skin</source>
        <translation>Quillmere - Skin wählen</translation>
    </message>
    <message>
        <source>The skin %1 is in use now, but it cannot be remembered for the next start: its name has characters that the settings file cannot hold.
Rename the picture to keep it as your skin.</source>
        <translation>Der Skin %1 ist jetzt in Gebrauch, kann aber für den nächsten Start nicht gemerkt werden: Sein Name enthält Zeichen, die die Einstellungsdatei nicht speichern kann.
Benenne das Bild um, um es als Skin zu behalten.</translation>
    </message>
    <message>
        <source>Would you like to save the current game?</source>
        <translation>Möchtest du das aktuelle Spiel speichern?</translation>
    </message>
    <message>
        <source>Quillmere - Exit</source>
        <translation>Quillmere - Beenden</translation>
    </message>
    <message>
        <source>Quillmere - Restart Level</source>
        <translation>Quillmere - Level neu starten</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Zufallslevel</translation>
    </message>
    <message>
        <source>Quillmere - Hint</source>
        <translation>Quillmere - Tipp</translation>
    </message>
    <message>
        <source>Quillmere - Congratulations</source>
        <translation>Quillmere - Glückwunsch</translation>
    </message>
    <message numerus="yes">
        <source>Congratulations!! You finished the game in %n steps.</source>
        <translation>
            <numerusform>Glückwunsch!! Du hast das Spiel in %n Zug geschafft.</numerusform>
            <numerusform>Glückwunsch!! Du hast das Spiel in %n Zügen geschafft.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop So&amp;lution</source>
        <comment>Game menu, instead of Show So&amp;lution</comment>
        <translation>&amp;Lösung stoppen</translation>
    </message>
</context>
<context>
    <name>quill::frmProgress</name>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Fortschritt</translation>
    </message>
    <message>
        <source>Progress by level</source>
        <translation>Fortschritt nach Level</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>Progress column</comment>
        <translation>Level</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Progress column</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Your best</source>
        <comment>Progress column</comment>
        <translation>Dein Rekord</translation>
    </message>
    <message>
        <source>Fewest possible</source>
        <comment>Progress column</comment>
        <translation>Bestmöglich</translation>
    </message>
    <message>
        <source>In the fewest</source>
        <comment>Progress column</comment>
        <translation>Bestwert erreicht</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>cannot be played</source>
        <translation>nicht spielbar</translation>
    </message>
    <message>
        <source>✓ yes</source>
        <translation>✓ ja</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Progress dialog</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Finished %1 of %2 levels, %3 of them in the fewest steps.</source>
        <translation>%1 von %2 Levels geschafft, %3 davon mit den wenigsten Zügen.</translation>
    </message>
    <message>
        <source>Random levels finished: none yet.</source>
        <translation>Geschaffte Zufallslevels: noch keins.</translation>
    </message>
    <message>
        <source>Random levels finished: %1, %2 of them in the fewest steps.</source>
        <translation>Geschaffte Zufallslevels: %1, davon %2 mit den wenigsten Zügen.</translation>
    </message>
</context>
<context>
    <name>quill::frmRandom</name>
    <message>
        <source>&amp;Easy</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>Hardes&amp;t</source>
        <comment>Random Level dialog</comment>
        <translation>Schwers&amp;tes</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Zufallslevel</translation>
    </message>
    <message>
        <source>Deal a level that takes, at the fewest:</source>
        <translation>Ein Level, das mindestens so viele Züge braucht:</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n steps</source>
        <comment>Random Level dialog</comment>
        <translation>
            <numerusform>%1: %n Zug</numerusform>
            <numerusform>%1: %n Züge</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xactly:</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Genau:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of steps</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Exact number of fewest steps, %1</source>
        <translation>Genaue Zahl der wenigsten Züge, %1</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>range of steps</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Level &amp;code:</source>
        <comment>Random Level dialog</comment>
        <translation>Level-&amp;Code:</translation>
    </message>
    <message>
        <source>Level code to play</source>
        <translation>Level-Code zum Spielen</translation>
    </message>
    <message>
        <source>such as GGXT-4AN</source>
        <translation>etwa GGXT-4AN</translation>
    </message>
    <message>
        <source>Last level:</source>
        <comment>Random Level dialog</comment>
        <translation>Letztes Level:</translation>
    </message>
    <message>
        <source>Code of the last random level</source>
        <translation>Code des letzten Zufallslevels</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keins</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the code of the last level</source>
        <translation>Code des letzten Levels kopieren</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>Random Level dialog</comment>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Random Level dialog</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> step</source>
        <translation> Zug</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> Züge</translation>
    </message>
    <message>
        <source>Please type a number of steps from %1 to %2.</source>
        <translation>Bitte gib eine Zugzahl von %1 bis %2 ein.</translation>
    </message>
</context>
</TS>
