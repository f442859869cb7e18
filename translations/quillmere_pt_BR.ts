<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GameFiles</name>
    <message>
        <source>What is the name of the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Saving Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to proceed without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name too long.
Please limit the name to 32 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal characters found in the name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Saving Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occurred while attempting saving game data
%1
Game not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading saved game
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Random: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level: %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps: %1 (fewest %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>Quillmere - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open %1 automatically.
Please open the file manually.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelCode</name>
    <message>
        <source>&quot;%1&quot; is in no level code: codes are made of the digits 2 to 9 and of the letters other than I, L, O, S and Z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No level code was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A level code has %1 letters and digits; this one has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This level code has a typing mistake: a wrong character or two characters swapped. Please check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No level has this code. Please check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This code is of a position that is solved already, not of a level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This code is of a position that cannot be solved, not of a level.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Already solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest steps: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be solved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelFaults</name>
    <message>
        <source>%1 has no place on the board at position value %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 share the cell in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 cannot be played because %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file is larger than %1 MB, more than a record ever grows to; it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file holds %1 bytes; a saved game has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is of a random level, but its name &quot;%1&quot; is not the code of a level that can be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is of the random level %1, but its board cannot be reached from that level&apos;s start by sliding pieces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level number %1 is not one of the levels 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1 (error %2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>principal piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tall piece %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tall piece %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small piece %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small piece %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <comment>direction of a slide</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <comment>direction of a slide</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <comment>direction of a slide</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <comment>direction of a slide</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>columns, rows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 by %3, %4</source>
        <comment>piece, width by height, place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot slide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of several directions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It can slide %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sequence of slides finishes the level from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide the marked piece to the marked cells. The level can be finished in 1 more step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Slide the marked piece to the marked cells. The level can be finished in %n more steps.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2 by 1 cell, to %3</source>
        <comment>piece, direction, place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the %1 %2 by %n cells, to %3</source>
        <comment>piece, direction, place</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys choose a piece, Space or Enter picks it up, arrow keys slide it, Space or Enter puts it down, Esc puts it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board: the level is finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board: %1, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board: %1, selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: let go of the %1 where it stands, at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: slide %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution, step %1 of %2: slide %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Quillmere - Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while attempting creating folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::BoardView</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::BoardZoom</name>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <comment>View menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <comment>View menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Usual Size</source>
        <comment>View menu</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::EditorSize</name>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usual Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::Metafile</name>
    <message>
        <source>The file is not an enhanced metafile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile header is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile&apos;s picture size is empty or too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile&apos;s reference device is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile ends before its last record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile has a damaged record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Windows metafile has no placeable header, so its size is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile reader could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile reader is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile draws far outside its picture or is too costly to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The metafile could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::Picture</name>
    <message>
        <source>The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is cut short or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large for a picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::PictureClip</name>
    <message>
        <source>The skin is %1 x %2 pixels; it must be at least %3 x %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::SolutionShow</name>
    <message>
        <source>Quillmere - Show Solution</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmAbout</name>
    <message>
        <source>About</source>
        <comment>About dialog title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>About dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere Version %1.%2%3

%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Easter Egg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have found the Easter Egg!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start your Email agent automatically.
Please send an Email to %1 manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start your web browser automatically.
Please goto the site %1 manually.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmFile</name>
    <message>
        <source>File</source>
        <comment>file chooser title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <comment>file chooser button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>file chooser</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmLevel</name>
    <message>
        <source>Choose Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Level</source>
        <comment>Choose Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Choose Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmLevelEd</name>
    <message>
        <source>Quillmere Level Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space places the chosen piece there, or with Blank chosen takes off the piece that covers the cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Saving Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while attempting saving data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to the levels before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmMain</name>
    <message>
        <source>Quillmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set S&amp;kin</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;start Level</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ra&amp;ndom Level...</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show So&amp;lution</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animate Slides</source>
        <comment>Game menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ow to Play</source>
        <comment>Help menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while attempting to load picture 
%1
Make sure the picture exists and is of a correct format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Load game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Skin</source>
        <comment>file chooser title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Skin</source>
        <comment>file chooser button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Set Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin %1 is in use now, but it cannot be remembered for the next start: its name has characters that the settings file cannot hold.
Rename the picture to keep it as your skin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to save the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Restart Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Congratulations!! You finished the game in %n steps.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Quillmere - Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This win could not be kept in your record of progress, which is left as it was:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop So&amp;lution</source>
        <comment>Game menu, instead of Show So&amp;lution</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmProgress</name>
    <message>
        <source>Quillmere - Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress by level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <comment>Progress column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Progress column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your best</source>
        <comment>Progress column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest possible</source>
        <comment>Progress column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the fewest</source>
        <comment>Progress column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Progress dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished %1 of %2 levels, %3 of them in the fewest steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random levels finished: none yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random levels finished: %1, %2 of them in the fewest steps.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quill::frmRandom</name>
    <message>
        <source>&amp;Easy</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardes&amp;t</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal a level that takes, at the fewest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n steps</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xactly:</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of steps</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact number of fewest steps, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>range of steps</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level &amp;code:</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level code to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>such as GGXT-4AN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last level:</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code of the last random level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the code of the last level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Random Level dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a number of steps from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
