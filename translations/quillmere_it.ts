<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>GameFiles</name>
    <message>
        <source>What is the name of the game?</source>
        <translation>Che nome vuoi dare alla partita?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Game</source>
        <translation>Quillmere - Salva partita</translation>
    </message>
    <message>
        <source>Quillmere - Saving</source>
        <translation>Quillmere - Salvataggio</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed without saving?</source>
        <translation>Vuoi davvero continuare senza salvare?</translation>
    </message>
    <message>
        <source>Name too long.
Please limit the name to 32 characters.</source>
        <translation>Nome troppo lungo.
Usa al massimo 32 caratteri.</translation>
    </message>
    <message>
        <source>Illegal characters found in the name.</source>
        <translation>Il nome contiene caratteri non ammessi.</translation>
    </message>
    <message>
        <source>File already exists. Overwrite it?</source>
        <translation>Il file esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Error</source>
        <translation>Quillmere - Errore di salvataggio</translation>
    </message>
    <message>
        <source>An error occurred while attempting saving game data
%1
Game not saved.</source>
        <translation>Si è verificato un errore durante il salvataggio della partita
%1
Partita non salvata.</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Errore</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading saved game
%1
%2</source>
        <translation>Si è verificato un errore durante il caricamento della partita salvata
%1
%2</translation>
    </message>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progressi</translation>
    </message>
    <message>
        <source>Your record of progress could not be read, and it is left as it was:</source>
        <translation>Non è stato possibile leggere i tuoi progressi, che restano come erano:</translation>
    </message>
    <message>
        <source>This win could not be kept in your record of progress, which is left as it was:</source>
        <translation>Questa vittoria non si è potuta registrare nei tuoi progressi, che restano come erano:</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Random: %1</source>
        <translation>Casuale: %1</translation>
    </message>
    <message>
        <source>Level: %1 - %2</source>
        <translation>Livello: %1 - %2</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>Steps: %1 (fewest %2)</source>
        <translation>Mosse: %1 (minimo %2)</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>Quillmere - Help</source>
        <translation>Quillmere - Aiuto</translation>
    </message>
    <message>
        <source>Unable to open %1 automatically.
Please open the file manually.</source>
        <translation>Impossibile aprire automaticamente %1.
Apri il file a mano.</translation>
    </message>
</context>
<context>
    <name>LevelCode</name>
    <message>
        <source>&quot;%1&quot; is in no level code: codes are made of the digits 2 to 9 and of the letters other than I, L, O, S and Z.</source>
        <translation>“%1” non compare in nessun codice: i codici sono fatti delle cifre da 2 a 9 e di tutte le lettere tranne I, L, O, S e Z.</translation>
    </message>
    <message>
        <source>No level code was typed.</source>
        <translation>Non hai scritto nessun codice.</translation>
    </message>
    <message>
        <source>A level code has %1 letters and digits; this one has %2.</source>
        <translation>Un codice ha %1 lettere e cifre; questo ne ha %2.</translation>
    </message>
    <message>
        <source>This level code has a typing mistake: a wrong character or two characters swapped. Please check it.</source>
        <translation>Questo codice ha un errore di battitura: un carattere sbagliato o due caratteri scambiati. Controllalo.</translation>
    </message>
    <message>
        <source>No level has this code. Please check it.</source>
        <translation>Nessun livello ha questo codice. Controllalo.</translation>
    </message>
    <message>
        <source>This code is of a position that is solved already, not of a level.</source>
        <translation>Questo codice è di una posizione già risolta, non di un livello.</translation>
    </message>
    <message>
        <source>This code is of a position that cannot be solved, not of a level.</source>
        <translation>Questo codice è di una posizione che non si può risolvere, non di un livello.</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Already solved</source>
        <translation>Già risolto</translation>
    </message>
    <message>
        <source>Fewest steps: %1</source>
        <translation>Mosse minime: %1</translation>
    </message>
    <message>
        <source>Cannot be solved</source>
        <translation>Non risolvibile</translation>
    </message>
</context>
<context>
    <name>LevelFaults</name>
    <message>
        <source>%1 has no place on the board at position value %2.</source>
        <translation>%1 non trova posto sul tabellone con il valore di posizione %2.</translation>
    </message>
    <message>
        <source>%1 and %2 share the cell in %3.</source>
        <translation>%1 e %2 occupano la stessa casella in %3.</translation>
    </message>
    <message>
        <source>Level %1 cannot be played because %2</source>
        <translation>Il livello %1 non si può giocare perché %2</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 non è sul tabellone.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file is larger than %1 MB, more than a record ever grows to; it is left as it is.</source>
        <translation>Il file supera %1 MB, più di quanto possano mai occupare i progressi; resta com&apos;è.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file holds %1 bytes; a saved game has %2.</source>
        <translation>Il file contiene %1 byte; una partita salvata ne ha %2.</translation>
    </message>
    <message>
        <source>The game is of a random level, but its name &quot;%1&quot; is not the code of a level that can be played.</source>
        <translation>La partita è di un livello casuale, ma il suo nome “%1” non è il codice di un livello giocabile.</translation>
    </message>
    <message>
        <source>The game is of the random level %1, but its board cannot be reached from that level&apos;s start by sliding pieces.</source>
        <translation>La partita è del livello casuale %1, ma la sua posizione non si raggiunge spostando i pezzi dall&apos;inizio di quel livello.</translation>
    </message>
    <message>
        <source>The level number %1 is not one of the levels 1 to %2.</source>
        <translation>Il numero di livello %1 non è tra i livelli da 1 a %2.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1 (error %2).</source>
        <translation>Il file non si può leggere: %1 (errore %2).</translation>
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
        <translation>Soldato A</translation>
    </message>
    <message>
        <source>Soldier B</source>
        <translation>Soldato B</translation>
    </message>
    <message>
        <source>Soldier C</source>
        <translation>Soldato C</translation>
    </message>
    <message>
        <source>Soldier D</source>
        <translation>Soldato D</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>colonne da %1 a %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>righe da %1 a %2</translation>
    </message>
    <message>
        <source>principal piece</source>
        <translation>pezzo principale</translation>
    </message>
    <message>
        <source>Principal piece</source>
        <translation>Pezzo principale</translation>
    </message>
    <message>
        <source>wide piece</source>
        <translation>pezzo largo</translation>
    </message>
    <message>
        <source>Wide piece</source>
        <translation>Pezzo largo</translation>
    </message>
    <message>
        <source>tall piece %1</source>
        <translation>pezzo alto %1</translation>
    </message>
    <message>
        <source>Tall piece %1</source>
        <translation>Pezzo alto %1</translation>
    </message>
    <message>
        <source>small piece %1</source>
        <translation>pezzo piccolo %1</translation>
    </message>
    <message>
        <source>Small piece %1</source>
        <translation>Pezzo piccolo %1</translation>
    </message>
    <message>
        <source>left</source>
        <comment>direction of a slide</comment>
        <translation>a sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <comment>direction of a slide</comment>
        <translation>a destra</translation>
    </message>
    <message>
        <source>up</source>
        <comment>direction of a slide</comment>
        <translation>in alto</translation>
    </message>
    <message>
        <source>down</source>
        <comment>direction of a slide</comment>
        <translation>in basso</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>columns, rows</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 by %3, %4</source>
        <comment>piece, width by height, place</comment>
        <translation>%1, %2 per %3, %4</translation>
    </message>
    <message>
        <source>It cannot slide.</source>
        <translation>Non può scorrere.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of several directions</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>It can slide %1.</source>
        <translation>Può scorrere %1.</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>colonna %1, riga %2</translation>
    </message>
    <message>
        <source>No sequence of slides finishes the level from here.</source>
        <translation>Da qui nessuna serie di mosse può finire il livello.</translation>
    </message>
    <message>
        <source>Slide the marked piece to the marked cells. The level can be finished in 1 more step.</source>
        <translation>Sposta il pezzo segnato sulle caselle segnate. Il livello si può finire con ancora 1 mossa.</translation>
    </message>
    <message numerus="yes">
        <source>Slide the marked piece to the marked cells. The level can be finished in %n more steps.</source>
        <translation>
            <numerusform>Sposta il pezzo segnato sulle caselle segnate. Il livello si può finire con ancora %n mossa.</numerusform>
            <numerusform>Sposta il pezzo segnato sulle caselle segnate. Il livello si può finire con ancora %n mosse.</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2 by 1 cell, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>il %1 %2 di 1 casella, fino a %3</translation>
    </message>
    <message numerus="yes">
        <source>the %1 %2 by %n cells, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>
            <numerusform>il %1 %2 di %n casella, fino a %3</numerusform>
            <numerusform>il %1 %2 di %n caselle, fino a %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Arrow keys choose a piece, Space or Enter picks it up, arrow keys slide it, Space or Enter puts it down, Esc puts it back.</source>
        <translation>I tasti freccia scelgono un pezzo, Spazio o Invio lo prendono, i tasti freccia lo fanno scorrere, Spazio o Invio lo posano, Esc lo rimette dov&apos;era.</translation>
    </message>
    <message>
        <source>Board: the level is finished</source>
        <translation>Tabellone: il livello è finito</translation>
    </message>
    <message>
        <source>Board: %1, held</source>
        <translation>Tabellone: %1, preso</translation>
    </message>
    <message>
        <source>Board: %1, selected</source>
        <translation>Tabellone: %1, selezionato</translation>
    </message>
    <message>
        <source>Hint: let go of the %1 where it stands, at %2.</source>
        <translation>Suggerimento: lascia il %1 dove si trova, in %2.</translation>
    </message>
    <message>
        <source>Hint: slide %1.</source>
        <translation>Suggerimento: sposta %1.</translation>
    </message>
    <message>
        <source>Solution, step %1 of %2: slide %3.</source>
        <translation>Soluzione, mossa %1 di %2: sposta %3.</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Errore</translation>
    </message>
    <message>
        <source>An error has occurred while attempting creating folder</source>
        <translation>Si è verificato un errore durante la creazione della cartella</translation>
    </message>
</context>
<context>
    <name>quill::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
</context>
<context>
    <name>quill::BoardZoom</name>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <comment>View menu</comment>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <comment>View menu</comment>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Usual Size</source>
        <comment>View menu</comment>
        <translation>Dimensione &amp;normale</translation>
    </message>
</context>
<context>
    <name>quill::EditorSize</name>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Usual Size</source>
        <translation>Dimensione normale</translation>
    </message>
</context>
<context>
    <name>quill::Metafile</name>
    <message>
        <source>The file is not an enhanced metafile.</source>
        <translation>Il file non è un metafile avanzato (EMF).</translation>
    </message>
    <message>
        <source>The metafile header is damaged.</source>
        <translation>L&apos;intestazione del metafile è danneggiata.</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture size is empty or too large.</source>
        <translation>La dimensione dell&apos;immagine del metafile è nulla o troppo grande.</translation>
    </message>
    <message>
        <source>The metafile&apos;s reference device is damaged.</source>
        <translation>Il dispositivo di riferimento del metafile è danneggiato.</translation>
    </message>
    <message>
        <source>The metafile ends before its last record.</source>
        <translation>Il metafile finisce prima del suo ultimo record.</translation>
    </message>
    <message>
        <source>The metafile has a damaged record.</source>
        <translation>Il metafile ha un record danneggiato.</translation>
    </message>
    <message>
        <source>The metafile could not be converted.</source>
        <translation>Non è stato possibile convertire il metafile.</translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation>Memoria insufficiente per l&apos;immagine.</translation>
    </message>
    <message>
        <source>The Windows metafile has no placeable header, so its size is unknown.</source>
        <translation>Il metafile Windows non ha un&apos;intestazione “placeable”, quindi la sua dimensione è sconosciuta.</translation>
    </message>
    <message>
        <source>The metafile reader could not start.</source>
        <translation>Non è stato possibile avviare il lettore di metafile.</translation>
    </message>
    <message>
        <source>The metafile reader is not available.</source>
        <translation>Il lettore di metafile non è disponibile.</translation>
    </message>
    <message>
        <source>The metafile could not be read.</source>
        <translation>Non è stato possibile leggere il metafile.</translation>
    </message>
    <message>
        <source>The metafile draws far outside its picture or is too costly to draw.</source>
        <translation>Il metafile disegna molto al di fuori della sua immagine o è troppo pesante da disegnare.</translation>
    </message>
    <message>
        <source>The metafile could not be drawn.</source>
        <translation>Non è stato possibile disegnare il metafile.</translation>
    </message>
</context>
<context>
    <name>quill::Picture</name>
    <message>
        <source>The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture.</source>
        <translation>Il file non è un&apos;immagine BMP, DIB, GIF, JPEG, WMF o EMF.</translation>
    </message>
    <message>
        <source>The picture is cut short or damaged.</source>
        <translation>L&apos;immagine è incompleta o danneggiata.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is too large for a picture.</source>
        <translation>Il file è troppo grande per un&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>quill::PictureClip</name>
    <message>
        <source>The skin is %1 x %2 pixels; it must be at least %3 x %4.</source>
        <translation>Il tema è di %1 x %2 pixel; deve essere almeno %3 x %4.</translation>
    </message>
</context>
<context>
    <name>quill::SolutionShow</name>
    <message>
        <source>Quillmere - Show Solution</source>
        <translation>Quillmere - Mostra soluzione</translation>
    </message>
</context>
<context>
    <name>quill::frmAbout</name>
    <message>
        <source>About</source>
        <comment>About dialog title</comment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>About dialog</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Updates:  %1</source>
        <translation>Aggiornamenti:  %1</translation>
    </message>
    <message>
        <source>Quillmere Version %1.%2%3

%4</source>
        <translation>Quillmere versione %1.%2%3

%4</translation>
    </message>
    <message>
        <source>Quillmere - Easter Egg</source>
        <translation>Quillmere - Sorpresa</translation>
    </message>
    <message>
        <source>You have found the Easter Egg!</source>
        <translation>Hai trovato la sorpresa nascosta!</translation>
    </message>
    <message>
        <source>Quillmere - Email</source>
        <translation>Quillmere - E-mail</translation>
    </message>
    <message>
        <source>Unable to start your Email agent automatically.
Please send an Email to %1 manually.</source>
        <translation>Impossibile avviare automaticamente il programma di posta.
Invia un&apos;e-mail a %1 a mano.</translation>
    </message>
    <message>
        <source>Quillmere - Updates</source>
        <translation>Quillmere - Aggiornamenti</translation>
    </message>
    <message>
        <source>Unable to start your web browser automatically.
Please goto the site %1 manually.</source>
        <translation>Impossibile avviare automaticamente il browser.
Apri a mano il sito %1.</translation>
    </message>
</context>
<context>
    <name>quill::frmFile</name>
    <message>
        <source>File</source>
        <comment>file chooser title</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>file chooser button</comment>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>file chooser</comment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>quill::frmLevel</name>
    <message>
        <source>Choose Level</source>
        <translation>Scegli il livello</translation>
    </message>
    <message>
        <source>Level %1 - %2</source>
        <translation>Livello %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Set Level</source>
        <comment>Choose Level dialog</comment>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Choose Level dialog</comment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>quill::frmLevelEd</name>
    <message>
        <source>Quillmere Level Editor</source>
        <translation>Quillmere - Editor di livelli</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space places the chosen piece there, or with Blank chosen takes off the piece that covers the cell.</source>
        <translation>I tasti freccia spostano il cursore; Spazio mette lì il pezzo scelto, oppure, con Vuoto scelto, toglie il pezzo che copre la casella.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>Scegli %1</translation>
    </message>
    <message>
        <source>Choose Blank</source>
        <translation>Scegli Vuoto</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Error</source>
        <translation>Quillmere - Editor di livelli - Errore</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Si è verificato un errore durante il caricamento del file dei livelli</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Saving Error</source>
        <translation>Quillmere - Editor di livelli - Errore di salvataggio</translation>
    </message>
    <message>
        <source>An error has occurred while attempting saving data file</source>
        <translation>Si è verificato un errore durante il salvataggio del file dei livelli</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Exit</source>
        <translation>Quillmere - Editor di livelli - Esci</translation>
    </message>
    <message>
        <source>Save the changes to the levels before closing?</source>
        <translation>Salvare le modifiche ai livelli prima di chiudere?</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Livello: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Grid, %1</source>
        <translation>Griglia, %1</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <comment>File menu</comment>
        <translation>&amp;Carica partita</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <comment>File menu</comment>
        <translation>&amp;Salva partita</translation>
    </message>
    <message>
        <source>Set S&amp;kin</source>
        <comment>File menu</comment>
        <translation>Cambia &amp;tema</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Annulla mossa</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Ripeti mossa</translation>
    </message>
    <message>
        <source>Re&amp;start Level</source>
        <comment>Game menu</comment>
        <translation>Ri&amp;comincia livello</translation>
    </message>
    <message>
        <source>Ra&amp;ndom Level...</source>
        <comment>Game menu</comment>
        <translation>&amp;Livello casuale...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Show So&amp;lution</source>
        <comment>Game menu</comment>
        <translation>Mostra s&amp;oluzione</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Game menu</comment>
        <translation>&amp;Progressi...</translation>
    </message>
    <message>
        <source>&amp;Animate Slides</source>
        <comment>Game menu</comment>
        <translation>&amp;Movimenti animati</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>H&amp;ow to Play</source>
        <comment>Help menu</comment>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Errore</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Si è verificato un errore durante il caricamento del file dei livelli</translation>
    </message>
    <message>
        <source>Quillmere - ERROR</source>
        <translation>Quillmere - ERRORE</translation>
    </message>
    <message>
        <source>An error has occurred while attempting to load picture 
%1
Make sure the picture exists and is of a correct format.</source>
        <translation>Si è verificato un errore durante il caricamento dell&apos;immagine 
%1
Controlla che l&apos;immagine esista e sia in un formato corretto.</translation>
    </message>
    <message>
        <source>Quillmere - New Game</source>
        <translation>Quillmere - Nuova partita</translation>
    </message>
    <message>
        <source>Quillmere - Load game</source>
        <translation>Quillmere - Carica partita</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser title</comment>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser button</comment>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Load Skin</source>
        <comment>file chooser title</comment>
        <translation>Carica tema</translation>
    </message>
    <message>
        <source>Set Skin</source>
        <comment>file chooser button</comment>
        <translation>Cambia tema</translation>
    </message>
    <message>
        <source>Quillmere - Set Skin</source>
        <translation>Quillmere - Cambia tema</translation>
    </message>
    <message>
        <source>The skin %1 is in use now, but it cannot be remembered for the next start: its name has characters that the settings file cannot hold.
Rename the picture to keep it as your skin.</source>
        <translation>Il tema %1 ora è in uso, ma non potrà essere ricordato al prossimo avvio: il suo nome contiene caratteri che il file delle impostazioni non può conservare.
Rinomina l&apos;immagine per tenerla come tema.</translation>
    </message>
    <message>
        <source>Would you like to save the current game?</source>
        <translation>Vuoi salvare la partita in corso?</translation>
    </message>
    <message>
        <source>Quillmere - Exit</source>
        <translation>Quillmere - Esci</translation>
    </message>
    <message>
        <source>Quillmere - Restart Level</source>
        <translation>Quillmere - Ricomincia livello</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Livello casuale</translation>
    </message>
    <message>
        <source>Quillmere - Hint</source>
        <translation>Quillmere - Suggerimento</translation>
    </message>
    <message>
        <source>Quillmere - Congratulations</source>
        <translation>Quillmere - Complimenti</translation>
    </message>
    <message numerus="yes">
        <source>Congratulations!! You finished the game in %n steps.</source>
        <translation>
            <numerusform>Complimenti!! Hai finito la partita in %n mossa.</numerusform>
            <numerusform>Complimenti!! Hai finito la partita in %n mosse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop So&amp;lution</source>
        <comment>Game menu, instead of Show So&amp;lution</comment>
        <translation>Ferma s&amp;oluzione</translation>
    </message>
</context>
<context>
    <name>quill::frmProgress</name>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progressi</translation>
    </message>
    <message>
        <source>Progress by level</source>
        <translation>Progressi per livello</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>Progress column</comment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Progress column</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Your best</source>
        <comment>Progress column</comment>
        <translation>Tuo record</translation>
    </message>
    <message>
        <source>Fewest possible</source>
        <comment>Progress column</comment>
        <translation>Minimo possibile</translation>
    </message>
    <message>
        <source>In the fewest</source>
        <comment>Progress column</comment>
        <translation>Al minimo</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>nessuna soluzione</translation>
    </message>
    <message>
        <source>cannot be played</source>
        <translation>non giocabile</translation>
    </message>
    <message>
        <source>✓ yes</source>
        <translation>✓ sì</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Progress dialog</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Finished %1 of %2 levels, %3 of them in the fewest steps.</source>
        <translation>Finiti %1 livelli su %2, %3 con il minimo di mosse.</translation>
    </message>
    <message>
        <source>Random levels finished: none yet.</source>
        <translation>Livelli casuali finiti: ancora nessuno.</translation>
    </message>
    <message>
        <source>Random levels finished: %1, %2 of them in the fewest steps.</source>
        <translation>Livelli casuali finiti: %1, %2 con il minimo di mosse.</translation>
    </message>
</context>
<context>
    <name>quill::frmRandom</name>
    <message>
        <source>&amp;Easy</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>Hardes&amp;t</source>
        <comment>Random Level dialog</comment>
        <translation>Es&amp;tremo</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Livello casuale</translation>
    </message>
    <message>
        <source>Deal a level that takes, at the fewest:</source>
        <translation>Crea un livello che richieda, come minimo:</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n steps</source>
        <comment>Random Level dialog</comment>
        <translation>
            <numerusform>%1: %n mossa</numerusform>
            <numerusform>%1: %n mosse</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xactly:</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Esattamente:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of steps</comment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Exact number of fewest steps, %1</source>
        <translation>Numero esatto di mosse minime, %1</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>range of steps</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Level &amp;code:</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Codice livello:</translation>
    </message>
    <message>
        <source>Level code to play</source>
        <translation>Codice del livello da giocare</translation>
    </message>
    <message>
        <source>such as GGXT-4AN</source>
        <translation>ad es. GGXT-4AN</translation>
    </message>
    <message>
        <source>Last level:</source>
        <comment>Random Level dialog</comment>
        <translation>Ultimo livello:</translation>
    </message>
    <message>
        <source>Code of the last random level</source>
        <translation>Codice dell&apos;ultimo livello casuale</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ancora nessuno</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <comment>Random Level dialog</comment>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Copy the code of the last level</source>
        <translation>Copia il codice dell&apos;ultimo livello</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Random Level dialog</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source> step</source>
        <translation> mossa</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> mosse</translation>
    </message>
    <message>
        <source>Please type a number of steps from %1 to %2.</source>
        <translation>Scrivi un numero di mosse da %1 a %2.</translation>
    </message>
</context>
</TS>
