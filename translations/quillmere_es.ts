<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GameFiles</name>
    <message>
        <source>What is the name of the game?</source>
        <translation>¿Qué nombre le pones a la partida?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Game</source>
        <translation>Quillmere - Guardar partida</translation>
    </message>
    <message>
        <source>Quillmere - Saving</source>
        <translation>Quillmere - Guardar</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed without saving?</source>
        <translation>¿Seguro que quieres seguir sin guardar?</translation>
    </message>
    <message>
        <source>Name too long.
Please limit the name to 32 characters.</source>
        <translation>El nombre es demasiado largo.
Usa como máximo 32 caracteres.</translation>
    </message>
    <message>
        <source>Illegal characters found in the name.</source>
        <translation>El nombre tiene caracteres no permitidos.</translation>
    </message>
    <message>
        <source>File already exists. Overwrite it?</source>
        <translation>El archivo ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Error</source>
        <translation>Quillmere - Error al guardar</translation>
    </message>
    <message>
        <source>An error occurred while attempting saving game data
%1
Game not saved.</source>
        <translation>Se produjo un error al guardar la partida
%1
La partida no se ha guardado.</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Error</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading saved game
%1
%2</source>
        <translation>Se produjo un error al cargar la partida guardada
%1
%2</translation>
    </message>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progreso</translation>
    </message>
    <message>
        <source>Your record of progress could not be read, and it is left as it was:</source>
        <translation>No se pudo leer tu registro de progreso, que se queda como estaba:</translation>
    </message>
    <message>
        <source>This win could not be kept in your record of progress, which is left as it was:</source>
        <translation>Esta victoria no se pudo anotar en tu registro de progreso, que se queda como estaba:</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Random: %1</source>
        <translation>Azar: %1</translation>
    </message>
    <message>
        <source>Level: %1 - %2</source>
        <translation>Nivel: %1 - %2</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Pasos: %1</translation>
    </message>
    <message>
        <source>Steps: %1 (fewest %2)</source>
        <translation>Pasos: %1 (mínimo %2)</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>Quillmere - Help</source>
        <translation>Quillmere - Ayuda</translation>
    </message>
    <message>
        <source>Unable to open %1 automatically.
Please open the file manually.</source>
        <translation>No se pudo abrir %1.
Ábrelo tú mismo.</translation>
    </message>
</context>
<context>
    <name>LevelCode</name>
    <message>
        <source>&quot;%1&quot; is in no level code: codes are made of the digits 2 to 9 and of the letters other than I, L, O, S and Z.</source>
        <translation>«%1» no puede ir en un código de nivel: los códigos llevan las cifras del 2 al 9 y las letras, salvo I, L, O, S y Z.</translation>
    </message>
    <message>
        <source>No level code was typed.</source>
        <translation>No has escrito ningún código de nivel.</translation>
    </message>
    <message>
        <source>A level code has %1 letters and digits; this one has %2.</source>
        <translation>Un código de nivel tiene %1 letras y cifras; este tiene %2.</translation>
    </message>
    <message>
        <source>This level code has a typing mistake: a wrong character or two characters swapped. Please check it.</source>
        <translation>Este código de nivel tiene una errata: un carácter equivocado o dos caracteres cambiados de sitio. Revísalo, por favor.</translation>
    </message>
    <message>
        <source>No level has this code. Please check it.</source>
        <translation>Ningún nivel tiene este código. Revísalo, por favor.</translation>
    </message>
    <message>
        <source>This code is of a position that is solved already, not of a level.</source>
        <translation>Este código es de una posición ya resuelta, no de un nivel.</translation>
    </message>
    <message>
        <source>This code is of a position that cannot be solved, not of a level.</source>
        <translation>Este código es de una posición que no tiene solución, no de un nivel.</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Already solved</source>
        <translation>Ya resuelto</translation>
    </message>
    <message>
        <source>Fewest steps: %1</source>
        <translation>Pasos mínimos: %1</translation>
    </message>
    <message>
        <source>Cannot be solved</source>
        <translation>No tiene solución</translation>
    </message>
</context>
<context>
    <name>LevelFaults</name>
    <message>
        <source>%1 has no place on the board at position value %2.</source>
        <translation>%1 no cabe en el tablero con el valor de posición %2.</translation>
    </message>
    <message>
        <source>%1 and %2 share the cell in %3.</source>
        <translation>%1 y %2 ocupan la misma casilla en %3.</translation>
    </message>
    <message>
        <source>Level %1 cannot be played because %2</source>
        <translation>El nivel %1 no se puede jugar porque %2</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 no está en el tablero.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file is larger than %1 MB, more than a record ever grows to; it is left as it is.</source>
        <translation>El archivo ocupa más de %1 MB, más de lo que llega a ocupar un registro; se deja como está.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file holds %1 bytes; a saved game has %2.</source>
        <translation>El archivo tiene %1 bytes; una partida guardada tiene %2.</translation>
    </message>
    <message>
        <source>The game is of a random level, but its name &quot;%1&quot; is not the code of a level that can be played.</source>
        <translation>La partida es de un nivel al azar, pero su nombre «%1» no es el código de un nivel que se pueda jugar.</translation>
    </message>
    <message>
        <source>The game is of the random level %1, but its board cannot be reached from that level&apos;s start by sliding pieces.</source>
        <translation>La partida es del nivel al azar %1, pero a su tablero no se puede llegar deslizando piezas desde el inicio de ese nivel.</translation>
    </message>
    <message>
        <source>The level number %1 is not one of the levels 1 to %2.</source>
        <translation>El número de nivel %1 no es ninguno de los niveles del 1 al %2.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1 (error %2).</source>
        <translation>No se puede leer el archivo: %1 (error %2).</translation>
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
        <translation>Soldado A</translation>
    </message>
    <message>
        <source>Soldier B</source>
        <translation>Soldado B</translation>
    </message>
    <message>
        <source>Soldier C</source>
        <translation>Soldado C</translation>
    </message>
    <message>
        <source>Soldier D</source>
        <translation>Soldado D</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>columnas %1 a %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>filas %1 a %2</translation>
    </message>
    <message>
        <source>principal piece</source>
        <translation>pieza principal</translation>
    </message>
    <message>
        <source>Principal piece</source>
        <translation>Pieza principal</translation>
    </message>
    <message>
        <source>wide piece</source>
        <translation>pieza ancha</translation>
    </message>
    <message>
        <source>Wide piece</source>
        <translation>Pieza ancha</translation>
    </message>
    <message>
        <source>tall piece %1</source>
        <translation>pieza alta %1</translation>
    </message>
    <message>
        <source>Tall piece %1</source>
        <translation>Pieza alta %1</translation>
    </message>
    <message>
        <source>small piece %1</source>
        <translation>pieza pequeña %1</translation>
    </message>
    <message>
        <source>Small piece %1</source>
        <translation>Pieza pequeña %1</translation>
    </message>
    <message>
        <source>left</source>
        <comment>direction of a slide</comment>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <comment>direction of a slide</comment>
        <translation>derecha</translation>
    </message>
    <message>
        <source>up</source>
        <comment>direction of a slide</comment>
        <translation>arriba</translation>
    </message>
    <message>
        <source>down</source>
        <comment>direction of a slide</comment>
        <translation>abajo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>columns, rows</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 by %3, %4</source>
        <comment>piece, width by height, place</comment>
        <translation>%1, %2 por %3, %4</translation>
    </message>
    <message>
        <source>It cannot slide.</source>
        <translation>No se puede mover.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of several directions</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>It can slide %1.</source>
        <translation>Se puede mover hacia: %1.</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>No sequence of slides finishes the level from here.</source>
        <translation>Desde aquí ya no se puede terminar el nivel.</translation>
    </message>
    <message>
        <source>Slide the marked piece to the marked cells. The level can be finished in 1 more step.</source>
        <translation>Desliza la pieza marcada hasta las casillas marcadas. Puedes terminar el nivel en 1 paso más.</translation>
    </message>
    <message numerus="yes">
        <source>Slide the marked piece to the marked cells. The level can be finished in %n more steps.</source>
        <translation>
            <numerusform>Desliza la pieza marcada hasta las casillas marcadas. Puedes terminar el nivel en %n paso más.</numerusform>
            <numerusform>Desliza la pieza marcada hasta las casillas marcadas. Puedes terminar el nivel en %n pasos más.</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2 by 1 cell, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>la %1 hacia %2, 1 casilla, hasta %3</translation>
    </message>
    <message numerus="yes">
        <source>the %1 %2 by %n cells, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>
            <numerusform>la %1 hacia %2, %n casilla, hasta %3</numerusform>
            <numerusform>la %1 hacia %2, %n casillas, hasta %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys choose a piece, Space or Enter picks it up, arrow keys slide it, Space or Enter puts it down, Esc puts it back.</source>
        <translation>Las flechas eligen una pieza, Espacio o Intro la levantan, las flechas la deslizan, Espacio o Intro la sueltan y Esc la devuelve a su sitio.</translation>
    </message>
    <message>
        <source>Board: the level is finished</source>
        <translation>Tablero: nivel terminado</translation>
    </message>
    <message>
        <source>Board: %1, held</source>
        <translation>Tablero: %1, levantada</translation>
    </message>
    <message>
        <source>Board: %1, selected</source>
        <translation>Tablero: %1, seleccionada</translation>
    </message>
    <message>
        <source>Hint: let go of the %1 where it stands, at %2.</source>
        <translation>Pista: suelta la %1 donde está, en %2.</translation>
    </message>
    <message>
        <source>Hint: slide %1.</source>
        <translation>Pista: desliza %1.</translation>
    </message>
    <message>
        <source>Solution, step %1 of %2: slide %3.</source>
        <translation>Solución, paso %1 de %2: desliza %3.</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Error</translation>
    </message>
    <message>
        <source>An error has occurred while attempting creating folder</source>
        <translation>Se produjo un error al crear la carpeta</translation>
    </message>
</context>
<context>
    <name>quill::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>quill::BoardZoom</name>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <comment>View menu</comment>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <comment>View menu</comment>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Usual Size</source>
        <comment>View menu</comment>
        <translation>Tamaño &amp;normal</translation>
    </message>
</context>
<context>
    <name>quill::EditorSize</name>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Usual Size</source>
        <translation>Tamaño normal</translation>
    </message>
</context>
<context>
    <name>quill::Metafile</name>
    <message>
        <source>The file is not an enhanced metafile.</source>
        <translation>El archivo no es un metarchivo mejorado (EMF).</translation>
    </message>
    <message>
        <source>The metafile header is damaged.</source>
        <translation>La cabecera del metarchivo está dañada.</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture size is empty or too large.</source>
        <translation>El tamaño de la imagen del metarchivo es nulo o demasiado grande.</translation>
    </message>
    <message>
        <source>The metafile&apos;s reference device is damaged.</source>
        <translation>El dispositivo de referencia del metarchivo está dañado.</translation>
    </message>
    <message>
        <source>The metafile ends before its last record.</source>
        <translation>El metarchivo termina antes de su último registro.</translation>
    </message>
    <message>
        <source>The metafile has a damaged record.</source>
        <translation>El metarchivo tiene un registro dañado.</translation>
    </message>
    <message>
        <source>The metafile could not be converted.</source>
        <translation>No se pudo convertir el metarchivo.</translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation>No hay memoria suficiente para la imagen.</translation>
    </message>
    <message>
        <source>The Windows metafile has no placeable header, so its size is unknown.</source>
        <translation>El metarchivo de Windows no tiene cabecera «placeable», así que no se sabe su tamaño.</translation>
    </message>
    <message>
        <source>The metafile reader could not start.</source>
        <translation>No se pudo iniciar el lector de metarchivos.</translation>
    </message>
    <message>
        <source>The metafile reader is not available.</source>
        <translation>El lector de metarchivos no está disponible.</translation>
    </message>
    <message>
        <source>The metafile could not be read.</source>
        <translation>No se pudo leer el metarchivo.</translation>
    </message>
    <message>
        <source>The metafile draws far outside its picture or is too costly to draw.</source>
        <translation>El metarchivo dibuja muy fuera de su imagen o cuesta demasiado dibujarlo.</translation>
    </message>
    <message>
        <source>The metafile could not be drawn.</source>
        <translation>No se pudo dibujar el metarchivo.</translation>
    </message>
</context>
<context>
    <name>quill::Picture</name>
    <message>
        <source>The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture.</source>
        <translation>El archivo no es una imagen BMP, DIB, GIF, JPEG, WMF ni EMF.</translation>
    </message>
    <message>
        <source>The picture is cut short or damaged.</source>
        <translation>La imagen está incompleta o dañada.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large for a picture.</source>
        <translation>El archivo es demasiado grande para ser una imagen.</translation>
    </message>
</context>
<context>
    <name>quill::PictureClip</name>
    <message>
        <source>The skin is %1 x %2 pixels; it must be at least %3 x %4.</source>
        <translation>El aspecto mide %1 x %2 píxeles; debe medir al menos %3 x %4.</translation>
    </message>
</context>
<context>
    <name>quill::SolutionShow</name>
    <message>
        <source>Quillmere - Show Solution</source>
        <translation>Quillmere - Mostrar solución</translation>
    </message>
</context>
<context>
    <name>quill::frmAbout</name>
    <message>
        <source>About</source>
        <comment>About dialog title</comment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>About dialog</comment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>Updates:  %1</source>
        <translation>Novedades:  %1</translation>
    </message>
    <message>
        <source>Quillmere Version %1.%2%3

%4</source>
        <translation>Quillmere versión %1.%2%3

%4</translation>
    </message>
    <message>
        <source>Quillmere - Easter Egg</source>
        <translation>Quillmere - Huevo de Pascua</translation>
    </message>
    <message>
        <source>You have found the Easter Egg!</source>
        <translation>¡Has encontrado el huevo de Pascua!</translation>
    </message>
    <message>
        <source>Quillmere - Email</source>
        <translation>Quillmere - Correo</translation>
    </message>
    <message>
        <source>Unable to start your Email agent automatically.
Please send an Email to %1 manually.</source>
        <translation>No se pudo abrir tu programa de correo.
Escribe tú mismo un correo a %1.</translation>
    </message>
    <message>
        <source>Quillmere - Updates</source>
        <translation>Quillmere - Novedades</translation>
    </message>
    <message>
        <source>Unable to start your web browser automatically.
Please goto the site %1 manually.</source>
        <translation>No se pudo abrir tu navegador.
Abre tú mismo la página %1.</translation>
    </message>
</context>
<context>
    <name>quill::frmFile</name>
    <message>
        <source>File</source>
        <comment>file chooser title</comment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>file chooser button</comment>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>file chooser</comment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quill::frmLevel</name>
    <message>
        <source>Choose Level</source>
        <translation>Elegir nivel</translation>
    </message>
    <message>
        <source>Level %1 - %2</source>
        <translation>Nivel %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Set Level</source>
        <comment>Choose Level dialog</comment>
        <translation>&amp;Jugar nivel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Choose Level dialog</comment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quill::frmLevelEd</name>
    <message>
        <source>Quillmere Level Editor</source>
        <translation>Editor de niveles de Quillmere</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space places the chosen piece there, or with Blank chosen takes off the piece that covers the cell.</source>
        <translation>Las flechas mueven el cursor de casilla; Espacio pone ahí la pieza elegida o, con Vacío elegido, quita la pieza que ocupa la casilla.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>Elegir %1</translation>
    </message>
    <message>
        <source>Choose Blank</source>
        <translation>Elegir Vacío</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Error</source>
        <translation>Editor de niveles de Quillmere - Error</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Se produjo un error al cargar el archivo de datos</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Saving Error</source>
        <translation>Editor de niveles de Quillmere - Error al guardar</translation>
    </message>
    <message>
        <source>An error has occurred while attempting saving data file</source>
        <translation>Se produjo un error al guardar el archivo de datos</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Exit</source>
        <translation>Editor de niveles de Quillmere - Salir</translation>
    </message>
    <message>
        <source>Save the changes to the levels before closing?</source>
        <translation>¿Guardar los cambios de los niveles antes de cerrar?</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Grid, %1</source>
        <translation>Cuadrícula, %1</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <comment>File menu</comment>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <comment>File menu</comment>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>Set S&amp;kin</source>
        <comment>File menu</comment>
        <translation>Elegir &amp;aspecto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Re&amp;start Level</source>
        <comment>Game menu</comment>
        <translation>Re&amp;iniciar nivel</translation>
    </message>
    <message>
        <source>Ra&amp;ndom Level...</source>
        <comment>Game menu</comment>
        <translation>Nivel al a&amp;zar...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Show So&amp;lution</source>
        <comment>Game menu</comment>
        <translation>Mostrar &amp;solución</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Game menu</comment>
        <translation>Pr&amp;ogreso...</translation>
    </message>
    <message>
        <source>&amp;Animate Slides</source>
        <comment>Game menu</comment>
        <translation>&amp;Animar movimientos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>H&amp;ow to Play</source>
        <comment>Help menu</comment>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Error</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Se produjo un error al cargar el archivo de datos</translation>
    </message>
    <message>
        <source>Quillmere - ERROR</source>
        <translation>Quillmere - ERROR</translation>
    </message>
    <message>
        <source>An error has occurred while attempting to load picture 
%1
Make sure the picture exists and is of a correct format.</source>
        <translation>Se produjo un error al cargar la imagen 
%1
Comprueba que la imagen existe y que su formato es correcto.</translation>
    </message>
    <message>
        <source>Quillmere - New Game</source>
        <translation>Quillmere - Nueva partida</translation>
    </message>
    <message>
        <source>Quillmere - Load game</source>
        <translation>Quillmere - Cargar partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser title</comment>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser button</comment>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Load Skin</source>
        <comment>file chooser title</comment>
        <translation>Cargar aspecto</translation>
    </message>
    <message>
        <source>Set Skin</source>
        <comment>file chooser button</comment>
        <translation>Elegir aspecto</translation>
    </message>
    <message>
        <source>Quillmere - Set Skin</source>
        <translation>Quillmere - Elegir aspecto</translation>
    </message>
    <message>
        <source>The skin %1 is in use now, but it cannot be remembered for the next start: its name has characters that the settings file cannot hold.
Rename the picture to keep it as your skin.</source>
        <translation>El aspecto %1 ya está puesto, pero no se podrá recordar la próxima vez: su nombre tiene caracteres que el archivo de ajustes no admite.
Cambia el nombre de la imagen para conservarla como tu aspecto.</translation>
    </message>
    <message>
        <source>Would you like to save the current game?</source>
        <translation>¿Quieres guardar la partida actual?</translation>
    </message>
    <message>
        <source>Quillmere - Exit</source>
        <translation>Quillmere - Salir</translation>
    </message>
    <message>
        <source>Quillmere - Restart Level</source>
        <translation>Quillmere - Reiniciar nivel</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Nivel al azar</translation>
    </message>
    <message>
        <source>Quillmere - Hint</source>
        <translation>Quillmere - Pista</translation>
    </message>
    <message>
        <source>Quillmere - Congratulations</source>
        <translation>Quillmere - Enhorabuena</translation>
    </message>
    <message numerus="yes">
        <source>Congratulations!! You finished the game in %n steps.</source>
        <translation>
            <numerusform>¡¡Enhorabuena!! Has terminado la partida en %n paso.</numerusform>
            <numerusform>¡¡Enhorabuena!! Has terminado la partida en %n pasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop So&amp;lution</source>
        <comment>Game menu, instead of Show So&amp;lution</comment>
        <translation>Detener &amp;solución</translation>
    </message>
</context>
<context>
    <name>quill::frmProgress</name>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progreso</translation>
    </message>
    <message>
        <source>Progress by level</source>
        <translation>Progreso por nivel</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>Progress column</comment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Progress column</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Your best</source>
        <comment>Progress column</comment>
        <translation>Tu mejor marca</translation>
    </message>
    <message>
        <source>Fewest possible</source>
        <comment>Progress column</comment>
        <translation>Mínimo posible</translation>
    </message>
    <message>
        <source>In the fewest</source>
        <comment>Progress column</comment>
        <translation>Con el mínimo</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>sin solución</translation>
    </message>
    <message>
        <source>cannot be played</source>
        <translation>no se puede jugar</translation>
    </message>
    <message>
        <source>✓ yes</source>
        <translation>✓ sí</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Progress dialog</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Finished %1 of %2 levels, %3 of them in the fewest steps.</source>
        <translation>Has terminado %1 de %2 niveles, %3 de ellos con los pasos mínimos.</translation>
    </message>
    <message>
        <source>Random levels finished: none yet.</source>
        <translation>Niveles al azar terminados: ninguno aún.</translation>
    </message>
    <message>
        <source>Random levels finished: %1, %2 of them in the fewest steps.</source>
        <translation>Niveles al azar terminados: %1, %2 de ellos con los pasos mínimos.</translation>
    </message>
</context>
<context>
    <name>quill::frmRandom</name>
    <message>
        <source>&amp;Easy</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>Hardes&amp;t</source>
        <comment>Random Level dialog</comment>
        <translation>Muy difíc&amp;il</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Nivel al azar</translation>
    </message>
    <message>
        <source>Deal a level that takes, at the fewest:</source>
        <translation>Dar un nivel que necesite como mínimo:</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n steps</source>
        <comment>Random Level dialog</comment>
        <translation>
            <numerusform>%1: %n paso</numerusform>
            <numerusform>%1: %n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xactly:</source>
        <comment>Random Level dialog</comment>
        <translation>E&amp;xactamente:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of steps</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Exact number of fewest steps, %1</source>
        <translation>Número exacto de pasos mínimos, %1</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>range of steps</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Level &amp;code:</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Código de nivel:</translation>
    </message>
    <message>
        <source>Level code to play</source>
        <translation>Código del nivel que quieres jugar</translation>
    </message>
    <message>
        <source>such as GGXT-4AN</source>
        <translation>por ejemplo GGXT-4AN</translation>
    </message>
    <message>
        <source>Last level:</source>
        <comment>Random Level dialog</comment>
        <translation>Último nivel:</translation>
    </message>
    <message>
        <source>Code of the last random level</source>
        <translation>Código del último nivel al azar</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ninguno aún</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <comment>Random Level dialog</comment>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the code of the last level</source>
        <translation>Copiar el código del último nivel</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Random Level dialog</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> step</source>
        <translation> paso</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> pasos</translation>
    </message>
    <message>
        <source>Please type a number of steps from %1 to %2.</source>
        <translation>Escribe un número de pasos de %1 a %2.</translation>
    </message>
</context>
</TS>
