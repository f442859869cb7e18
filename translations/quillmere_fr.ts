<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GameFiles</name>
    <message>
        <source>What is the name of the game?</source>
        <translation>Quel est le nom de la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Game</source>
        <translation>Quillmere - Enregistrer la partie</translation>
    </message>
    <message>
        <source>Quillmere - Saving</source>
        <translation>Quillmere - Enregistrement</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed without saving?</source>
        <translation>Voulez-vous vraiment continuer sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Name too long.
Please limit the name to 32 characters.</source>
        <translation>Nom trop long.
Le nom doit avoir 32 caractères au plus.</translation>
    </message>
    <message>
        <source>Illegal characters found in the name.</source>
        <translation>Le nom contient des caractères interdits.</translation>
    </message>
    <message>
        <source>File already exists. Overwrite it?</source>
        <translation>Ce fichier existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Error</source>
        <translation>Quillmere - Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>An error occurred while attempting saving game data
%1
Game not saved.</source>
        <translation>Une erreur s’est produite à l’enregistrement de la partie
%1
Partie non enregistrée.</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Erreur</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading saved game
%1
%2</source>
        <translation>Une erreur s’est produite au chargement de la partie enregistrée
%1
%2</translation>
    </message>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progression</translation>
    </message>
    <message>
        <source>Your record of progress could not be read, and it is left as it was:</source>
        <translation>Votre progression n’a pas pu être lue ; elle reste telle qu’elle était :</translation>
    </message>
    <message>
        <source>This win could not be kept in your record of progress, which is left as it was:</source>
        <translation>Cette victoire n’a pas pu être notée dans votre progression, qui reste telle qu’elle était&#xa0;:</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Random: %1</source>
        <translation>Hasard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Level: %1 - %2</source>
        <translation>Niveau&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>Steps: %1 (fewest %2)</source>
        <translation>Coups&#xa0;: %1 (minimum %2)</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>Quillmere - Help</source>
        <translation>Quillmere - Aide</translation>
    </message>
    <message>
        <source>Unable to open %1 automatically.
Please open the file manually.</source>
        <translation>Impossible d’ouvrir %1 automatiquement.
Veuillez ouvrir le fichier vous-même.</translation>
    </message>
</context>
<context>
    <name>LevelCode</name>
    <message>
        <source>&quot;%1&quot; is in no level code: codes are made of the digits 2 to 9 and of the letters other than I, L, O, S and Z.</source>
        <translation>«&#xa0;%1&#xa0;» n’entre dans aucun code de niveau&#xa0;: les codes sont faits des chiffres 2 à 9 et des lettres autres que I, L, O, S et Z.</translation>
    </message>
    <message>
        <source>No level code was typed.</source>
        <translation>Aucun code de niveau n’a été tapé.</translation>
    </message>
    <message>
        <source>A level code has %1 letters and digits; this one has %2.</source>
        <translation>Un code de niveau a %1 lettres et chiffres&#xa0;; celui-ci en a %2.</translation>
    </message>
    <message>
        <source>This level code has a typing mistake: a wrong character or two characters swapped. Please check it.</source>
        <translation>Ce code de niveau a une faute de frappe&#xa0;: un caractère faux ou deux caractères inversés. Veuillez le vérifier.</translation>
    </message>
    <message>
        <source>No level has this code. Please check it.</source>
        <translation>Aucun niveau n’a ce code. Veuillez le vérifier.</translation>
    </message>
    <message>
        <source>This code is of a position that is solved already, not of a level.</source>
        <translation>Ce code est celui d’une position déjà résolue, pas d’un niveau.</translation>
    </message>
    <message>
        <source>This code is of a position that cannot be solved, not of a level.</source>
        <translation>Ce code est celui d’une position impossible à résoudre, pas d’un niveau.</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Already solved</source>
        <translation>Déjà résolu</translation>
    </message>
    <message>
        <source>Fewest steps: %1</source>
        <translation>Coups au minimum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot be solved</source>
        <translation>Impossible à résoudre</translation>
    </message>
</context>
<context>
    <name>LevelFaults</name>
    <message>
        <source>%1 has no place on the board at position value %2.</source>
        <translation>%1 n’a pas de place sur le plateau à la valeur de position %2.</translation>
    </message>
    <message>
        <source>%1 and %2 share the cell in %3.</source>
        <translation>%1 et %2 occupent la même case en %3.</translation>
    </message>
    <message>
        <source>Level %1 cannot be played because %2</source>
        <translation>Le niveau %1 ne peut pas être joué car %2</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 n’est pas sur le plateau.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file is larger than %1 MB, more than a record ever grows to; it is left as it is.</source>
        <translation>Le fichier dépasse %1 Mo, plus qu’une progression n’atteint jamais&#xa0;; il est laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file holds %1 bytes; a saved game has %2.</source>
        <translation>Le fichier contient %1 octets&#xa0;; une partie enregistrée en a %2.</translation>
    </message>
    <message>
        <source>The game is of a random level, but its name &quot;%1&quot; is not the code of a level that can be played.</source>
        <translation>La partie est d’un niveau au hasard, mais son nom «&#xa0;%1&#xa0;» n’est pas le code d’un niveau jouable.</translation>
    </message>
    <message>
        <source>The game is of the random level %1, but its board cannot be reached from that level&apos;s start by sliding pieces.</source>
        <translation>La partie est du niveau au hasard %1, mais sa position ne peut pas être atteinte depuis le départ de ce niveau en faisant glisser les pièces.</translation>
    </message>
    <message>
        <source>The level number %1 is not one of the levels 1 to %2.</source>
        <translation>Le numéro de niveau %1 ne fait pas partie des niveaux 1 à %2.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1 (error %2).</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1 (erreur %2).</translation>
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
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>colonnes %1 à %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>principal piece</source>
        <translation>pièce principale</translation>
    </message>
    <message>
        <source>Principal piece</source>
        <translation>Pièce principale</translation>
    </message>
    <message>
        <source>wide piece</source>
        <translation>pièce large</translation>
    </message>
    <message>
        <source>Wide piece</source>
        <translation>Pièce large</translation>
    </message>
    <message>
        <source>tall piece %1</source>
        <translation>pièce haute %1</translation>
    </message>
    <message>
        <source>Tall piece %1</source>
        <translation>Pièce haute %1</translation>
    </message>
    <message>
        <source>small piece %1</source>
        <translation>petite pièce %1</translation>
    </message>
    <message>
        <source>Small piece %1</source>
        <translation>Petite pièce %1</translation>
    </message>
    <message>
        <source>left</source>
        <comment>direction of a slide</comment>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>right</source>
        <comment>direction of a slide</comment>
        <translation>à droite</translation>
    </message>
    <message>
        <source>up</source>
        <comment>direction of a slide</comment>
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>down</source>
        <comment>direction of a slide</comment>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>columns, rows</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 by %3, %4</source>
        <comment>piece, width by height, place</comment>
        <translation>%1, %2 sur %3, %4</translation>
    </message>
    <message>
        <source>It cannot slide.</source>
        <translation>Elle ne peut pas glisser.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of several directions</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>It can slide %1.</source>
        <translation>Elle peut glisser %1.</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>No sequence of slides finishes the level from here.</source>
        <translation>D’ici, aucune suite de glissements ne permet de finir le niveau.</translation>
    </message>
    <message>
        <source>Slide the marked piece to the marked cells. The level can be finished in 1 more step.</source>
        <translation>Faites glisser la pièce marquée vers les cases marquées. Le niveau peut être fini en 1 coup de plus.</translation>
    </message>
    <message numerus="yes">
        <source>Slide the marked piece to the marked cells. The level can be finished in %n more steps.</source>
        <translation>
            <numerusform>Faites glisser la pièce marquée vers les cases marquées. Le niveau peut être fini en %n coup de plus.</numerusform>
            <numerusform>Faites glisser la pièce marquée vers les cases marquées. Le niveau peut être fini en %n coups de plus.</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2 by 1 cell, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>la %1 d’une case %2, jusqu’en %3</translation>
    </message>
    <message numerus="yes">
        <source>the %1 %2 by %n cells, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>
            <numerusform>la %1 de %n case %2, jusqu’en %3</numerusform>
            <numerusform>la %1 de %n cases %2, jusqu’en %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Arrow keys choose a piece, Space or Enter picks it up, arrow keys slide it, Space or Enter puts it down, Esc puts it back.</source>
        <translation>Les flèches choisissent une pièce, Espace ou Entrée la prend, les flèches la font glisser, Espace ou Entrée la pose, Échap la remet en place.</translation>
    </message>
    <message>
        <source>Board: the level is finished</source>
        <translation>Plateau&#xa0;: le niveau est fini</translation>
    </message>
    <message>
        <source>Board: %1, held</source>
        <translation>Plateau&#xa0;: %1, prise</translation>
    </message>
    <message>
        <source>Board: %1, selected</source>
        <translation>Plateau&#xa0;: %1, choisie</translation>
    </message>
    <message>
        <source>Hint: let go of the %1 where it stands, at %2.</source>
        <translation>Indice&#xa0;: lâchez la %1 là où elle est, en %2.</translation>
    </message>
    <message>
        <source>Hint: slide %1.</source>
        <translation>Indice&#xa0;: faites glisser %1.</translation>
    </message>
    <message>
        <source>Solution, step %1 of %2: slide %3.</source>
        <translation>Solution, coup %1 sur %2&#xa0;: faites glisser %3.</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Erreur</translation>
    </message>
    <message>
        <source>An error has occurred while attempting creating folder</source>
        <translation>Une erreur s’est produite à la création du dossier</translation>
    </message>
</context>
<context>
    <name>quill::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>quill::BoardZoom</name>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <comment>View menu</comment>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <comment>View menu</comment>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Usual Size</source>
        <comment>View menu</comment>
        <translation>Taille &amp;normale</translation>
    </message>
</context>
<context>
    <name>quill::EditorSize</name>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Usual Size</source>
        <translation>Taille normale</translation>
    </message>
</context>
<context>
    <name>quill::Metafile</name>
    <message>
        <source>The file is not an enhanced metafile.</source>
        <translation>Le fichier n’est pas un métafichier amélioré (EMF).</translation>
    </message>
    <message>
        <source>The metafile header is damaged.</source>
        <translation>L’en-tête du métafichier est abîmé.</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture size is empty or too large.</source>
        <translation>La taille d’image du métafichier est nulle ou trop grande.</translation>
    </message>
    <message>
        <source>The metafile&apos;s reference device is damaged.</source>
        <translation>Le périphérique de référence du métafichier est abîmé.</translation>
    </message>
    <message>
        <source>The metafile ends before its last record.</source>
        <translation>Le métafichier s’arrête avant son dernier enregistrement.</translation>
    </message>
    <message>
        <source>The metafile has a damaged record.</source>
        <translation>Le métafichier a un enregistrement abîmé.</translation>
    </message>
    <message>
        <source>The metafile could not be converted.</source>
        <translation>Le métafichier n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation>Pas assez de mémoire pour l’image.</translation>
    </message>
    <message>
        <source>The Windows metafile has no placeable header, so its size is unknown.</source>
        <translation>Le métafichier Windows n’a pas d’en-tête «&#xa0;placeable&#xa0;», sa taille est donc inconnue.</translation>
    </message>
    <message>
        <source>The metafile reader could not start.</source>
        <translation>Le lecteur de métafichiers n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The metafile reader is not available.</source>
        <translation>Le lecteur de métafichiers n’est pas disponible.</translation>
    </message>
    <message>
        <source>The metafile could not be read.</source>
        <translation>Le métafichier n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The metafile draws far outside its picture or is too costly to draw.</source>
        <translation>Le métafichier dessine loin hors de son image ou est trop coûteux à dessiner.</translation>
    </message>
    <message>
        <source>The metafile could not be drawn.</source>
        <translation>Le métafichier n’a pas pu être dessiné.</translation>
    </message>
</context>
<context>
    <name>quill::Picture</name>
    <message>
        <source>The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture.</source>
        <translation>Le fichier n’est pas une image BMP, DIB, GIF, JPEG, WMF ou EMF.</translation>
    </message>
    <message>
        <source>The picture is cut short or damaged.</source>
        <translation>L’image est tronquée ou abîmée.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is too large for a picture.</source>
        <translation>Le fichier est trop grand pour une image.</translation>
    </message>
</context>
<context>
    <name>quill::PictureClip</name>
    <message>
        <source>The skin is %1 x %2 pixels; it must be at least %3 x %4.</source>
        <translation>Le thème fait %1 x %2 pixels&#xa0;; il doit faire au moins %3 x %4.</translation>
    </message>
</context>
<context>
    <name>quill::SolutionShow</name>
    <message>
        <source>Quillmere - Show Solution</source>
        <translation>Quillmere - Montrer la solution</translation>
    </message>
</context>
<context>
    <name>quill::frmAbout</name>
    <message>
        <source>About</source>
        <comment>About dialog title</comment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <comment>About dialog</comment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>Updates:  %1</source>
        <translation>Mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Quillmere Version %1.%2%3

%4</source>
        <translation>Quillmere version %1.%2%3

%4</translation>
    </message>
    <message>
        <source>Quillmere - Easter Egg</source>
        <translation>Quillmere - Œuf de Pâques</translation>
    </message>
    <message>
        <source>You have found the Easter Egg!</source>
        <translation>Vous avez trouvé l’œuf de Pâques&#xa0;!</translation>
    </message>
    <message>
        <source>Quillmere - Email</source>
        <translation>Quillmere - E-mail</translation>
    </message>
    <message>
        <source>Unable to start your Email agent automatically.
Please send an Email to %1 manually.</source>
        <translation>Impossible d’ouvrir votre messagerie automatiquement.
Veuillez envoyer vous-même un e-mail à %1.</translation>
    </message>
    <message>
        <source>Quillmere - Updates</source>
        <translation>Quillmere - Mises à jour</translation>
    </message>
    <message>
        <source>Unable to start your web browser automatically.
Please goto the site %1 manually.</source>
        <translation>Impossible d’ouvrir votre navigateur automatiquement.
Veuillez aller vous-même sur le site %1.</translation>
    </message>
</context>
<context>
    <name>quill::frmFile</name>
    <message>
        <source>File</source>
        <comment>file chooser title</comment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>file chooser button</comment>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>file chooser</comment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quill::frmLevel</name>
    <message>
        <source>Choose Level</source>
        <translation>Choisir un niveau</translation>
    </message>
    <message>
        <source>Level %1 - %2</source>
        <translation>Niveau %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Set Level</source>
        <comment>Choose Level dialog</comment>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Choose Level dialog</comment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quill::frmLevelEd</name>
    <message>
        <source>Quillmere Level Editor</source>
        <translation>Éditeur de niveaux Quillmere</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space places the chosen piece there, or with Blank chosen takes off the piece that covers the cell.</source>
        <translation>Les flèches déplacent le curseur de case&#xa0;; Espace y pose la pièce choisie ou, si Vide est choisi, enlève la pièce qui couvre la case.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>Choisir %1</translation>
    </message>
    <message>
        <source>Choose Blank</source>
        <translation>Choisir Vide</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Error</source>
        <translation>Éditeur de niveaux Quillmere - Erreur</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Une erreur s’est produite au chargement du fichier de données</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Saving Error</source>
        <translation>Éditeur de niveaux Quillmere - Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>An error has occurred while attempting saving data file</source>
        <translation>Une erreur s’est produite à l’enregistrement du fichier de données</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Exit</source>
        <translation>Éditeur de niveaux Quillmere - Quitter</translation>
    </message>
    <message>
        <source>Save the changes to the levels before closing?</source>
        <translation>Enregistrer les modifications des niveaux avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Grid, %1</source>
        <translation>Grille, %1</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <comment>File menu</comment>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <comment>File menu</comment>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>Set S&amp;kin</source>
        <comment>File menu</comment>
        <translation>Choisir le &amp;thème</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Re&amp;start Level</source>
        <comment>Game menu</comment>
        <translation>Re&amp;commencer le niveau</translation>
    </message>
    <message>
        <source>Ra&amp;ndom Level...</source>
        <comment>Game menu</comment>
        <translation>Niveau au &amp;hasard...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Show So&amp;lution</source>
        <comment>Game menu</comment>
        <translation>Montrer la &amp;solution</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Game menu</comment>
        <translation>&amp;Progression...</translation>
    </message>
    <message>
        <source>&amp;Animate Slides</source>
        <comment>Game menu</comment>
        <translation>&amp;Glissements animés</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>H&amp;ow to Play</source>
        <comment>Help menu</comment>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Erreur</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Une erreur s’est produite au chargement du fichier de données</translation>
    </message>
    <message>
        <source>Quillmere - ERROR</source>
        <translation>Quillmere - ERREUR</translation>
    </message>
    <message>
        <source>An error has occurred while attempting to load picture 
%1
Make sure the picture exists and is of a correct format.</source>
        <translation>Une erreur s’est produite au chargement de l’image
%1
Vérifiez que l’image existe et que son format est correct.</translation>
    </message>
    <message>
        <source>Quillmere - New Game</source>
        <translation>Quillmere - Nouvelle partie</translation>
    </message>
    <message>
        <source>Quillmere - Load game</source>
        <translation>Quillmere - Charger une partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser title</comment>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser button</comment>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Load Skin</source>
        <comment>file chooser title</comment>
        <translation>Charger un thème</translation>
    </message>
    <message>
        <source>Set Skin</source>
        <comment>file chooser button</comment>
        <translation>Choisir le thème</translation>
    </message>
    <message>
        <source>Quillmere - Set Skin</source>
        <translation>Quillmere - Choisir le thème</translation>
    </message>
    <message>
        <source>The skin %1 is in use now, but it cannot be remembered for the next start: its name has characters that the settings file cannot hold.
Rename the picture to keep it as your skin.</source>
        <translation>Le thème %1 est utilisé, mais il ne pourra pas être retenu pour le prochain démarrage&#xa0;: son nom contient des caractères que le fichier de réglages ne peut pas garder.
Renommez l’image pour le garder comme thème.</translation>
    </message>
    <message>
        <source>Would you like to save the current game?</source>
        <translation>Voulez-vous enregistrer la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Quillmere - Exit</source>
        <translation>Quillmere - Quitter</translation>
    </message>
    <message>
        <source>Quillmere - Restart Level</source>
        <translation>Quillmere - Recommencer le niveau</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Niveau au hasard</translation>
    </message>
    <message>
        <source>Quillmere - Hint</source>
        <translation>Quillmere - Indice</translation>
    </message>
    <message>
        <source>Quillmere - Congratulations</source>
        <translation>Quillmere - Félicitations</translation>
    </message>
    <message numerus="yes">
        <source>Congratulations!! You finished the game in %n steps.</source>
        <translation>
            <numerusform>Félicitations&#xa0;!! Vous avez fini la partie en %n coup.</numerusform>
            <numerusform>Félicitations&#xa0;!! Vous avez fini la partie en %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop So&amp;lution</source>
        <comment>Game menu, instead of Show So&amp;lution</comment>
        <translation>Arrêter la &amp;solution</translation>
    </message>
</context>
<context>
    <name>quill::frmProgress</name>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progression</translation>
    </message>
    <message>
        <source>Progress by level</source>
        <translation>Progression par niveau</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>Progress column</comment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Progress column</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Your best</source>
        <comment>Progress column</comment>
        <translation>Votre record</translation>
    </message>
    <message>
        <source>Fewest possible</source>
        <comment>Progress column</comment>
        <translation>Minimum possible</translation>
    </message>
    <message>
        <source>In the fewest</source>
        <comment>Progress column</comment>
        <translation>Au minimum</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>pas de solution</translation>
    </message>
    <message>
        <source>cannot be played</source>
        <translation>injouable</translation>
    </message>
    <message>
        <source>✓ yes</source>
        <translation>✓ oui</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Progress dialog</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Finished %1 of %2 levels, %3 of them in the fewest steps.</source>
        <translation>Niveaux finis&#xa0;: %1 sur %2, dont %3 en un minimum de coups.</translation>
    </message>
    <message>
        <source>Random levels finished: none yet.</source>
        <translation>Niveaux au hasard finis&#xa0;: aucun pour l’instant.</translation>
    </message>
    <message>
        <source>Random levels finished: %1, %2 of them in the fewest steps.</source>
        <translation>Niveaux au hasard finis&#xa0;: %1, dont %2 en un minimum de coups.</translation>
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
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>Hardes&amp;t</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Très difficile</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Niveau au hasard</translation>
    </message>
    <message>
        <source>Deal a level that takes, at the fewest:</source>
        <translation>Tirer un niveau qui demande au minimum&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n steps</source>
        <comment>Random Level dialog</comment>
        <translation>
            <numerusform>%1&#xa0;: %n coup</numerusform>
            <numerusform>%1&#xa0;: %n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xactly:</source>
        <comment>Random Level dialog</comment>
        <translation>E&amp;xactement&#xa0;:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of steps</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Exact number of fewest steps, %1</source>
        <translation>Nombre exact de coups au minimum, %1</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>range of steps</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Level &amp;code:</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Code du niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Level code to play</source>
        <translation>Code du niveau à jouer</translation>
    </message>
    <message>
        <source>such as GGXT-4AN</source>
        <translation>par ex. GGXT-4AN</translation>
    </message>
    <message>
        <source>Last level:</source>
        <comment>Random Level dialog</comment>
        <translation>Dernier niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Code of the last random level</source>
        <translation>Code du dernier niveau au hasard</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <comment>Random Level dialog</comment>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>Copy the code of the last level</source>
        <translation>Copier le code du dernier niveau</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Random Level dialog</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> step</source>
        <translation> coup</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> coups</translation>
    </message>
    <message>
        <source>Please type a number of steps from %1 to %2.</source>
        <translation>Veuillez taper un nombre de coups de %1 à %2.</translation>
    </message>
</context>
</TS>
