<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GameFiles</name>
    <message>
        <source>What is the name of the game?</source>
        <translation>Qual é o nome do jogo?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Game</source>
        <translation>Quillmere - Salvando jogo</translation>
    </message>
    <message>
        <source>Quillmere - Saving</source>
        <translation>Quillmere - Salvando</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed without saving?</source>
        <translation>Tem certeza de que quer continuar sem salvar?</translation>
    </message>
    <message>
        <source>Name too long.
Please limit the name to 32 characters.</source>
        <translation>Nome longo demais.
Use no máximo 32 caracteres.</translation>
    </message>
    <message>
        <source>Illegal characters found in the name.</source>
        <translation>O nome tem caracteres não permitidos.</translation>
    </message>
    <message>
        <source>File already exists. Overwrite it?</source>
        <translation>O arquivo já existe. Substituir?</translation>
    </message>
    <message>
        <source>Quillmere - Saving Error</source>
        <translation>Quillmere - Erro ao salvar</translation>
    </message>
    <message>
        <source>An error occurred while attempting saving game data
%1
Game not saved.</source>
        <translation>Ocorreu um erro ao salvar os dados do jogo
%1
O jogo não foi salvo.</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Erro</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading saved game
%1
%2</source>
        <translation>Ocorreu um erro ao carregar o jogo salvo
%1
%2</translation>
    </message>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progresso</translation>
    </message>
    <message>
        <source>Your record of progress could not be read, and it is left as it was:</source>
        <translation>Não foi possível ler o seu registro de progresso, que ficou como estava:</translation>
    </message>
    <message>
        <source>This win could not be kept in your record of progress, which is left as it was:</source>
        <translation>Esta vitória não pôde ser guardada no seu registro de progresso, que ficou como estava:</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Random: %1</source>
        <translation>Aleatória: %1</translation>
    </message>
    <message>
        <source>Level: %1 - %2</source>
        <translation>Fase: %1 - %2</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Jogadas: %1</translation>
    </message>
    <message>
        <source>Steps: %1 (fewest %2)</source>
        <translation>Jogadas: %1 (mínimo %2)</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>Quillmere - Help</source>
        <translation>Quillmere - Ajuda</translation>
    </message>
    <message>
        <source>Unable to open %1 automatically.
Please open the file manually.</source>
        <translation>Não foi possível abrir %1 automaticamente.
Abra o arquivo por conta própria.</translation>
    </message>
</context>
<context>
    <name>LevelCode</name>
    <message>
        <source>&quot;%1&quot; is in no level code: codes are made of the digits 2 to 9 and of the letters other than I, L, O, S and Z.</source>
        <translation>“%1” não existe em códigos de fase: os códigos usam os algarismos de 2 a 9 e as letras, menos I, L, O, S e Z.</translation>
    </message>
    <message>
        <source>No level code was typed.</source>
        <translation>Nenhum código de fase foi digitado.</translation>
    </message>
    <message>
        <source>A level code has %1 letters and digits; this one has %2.</source>
        <translation>Um código de fase tem %1 letras e algarismos; este tem %2.</translation>
    </message>
    <message>
        <source>This level code has a typing mistake: a wrong character or two characters swapped. Please check it.</source>
        <translation>Este código de fase tem um erro de digitação: um caractere errado ou dois caracteres trocados. Confira, por favor.</translation>
    </message>
    <message>
        <source>No level has this code. Please check it.</source>
        <translation>Nenhuma fase tem este código. Confira, por favor.</translation>
    </message>
    <message>
        <source>This code is of a position that is solved already, not of a level.</source>
        <translation>Este código é de uma posição já resolvida, não de uma fase.</translation>
    </message>
    <message>
        <source>This code is of a position that cannot be solved, not of a level.</source>
        <translation>Este código é de uma posição sem solução, não de uma fase.</translation>
    </message>
</context>
<context>
    <name>LevelDraft</name>
    <message>
        <source>Already solved</source>
        <translation>Já resolvida</translation>
    </message>
    <message>
        <source>Fewest steps: %1</source>
        <translation>Mínimo de jogadas: %1</translation>
    </message>
    <message>
        <source>Cannot be solved</source>
        <translation>Não tem solução</translation>
    </message>
</context>
<context>
    <name>LevelFaults</name>
    <message>
        <source>%1 has no place on the board at position value %2.</source>
        <translation>%1 não cabe no tabuleiro com o valor de posição %2.</translation>
    </message>
    <message>
        <source>%1 and %2 share the cell in %3.</source>
        <translation>%1 e %2 ocupam a mesma casa: %3.</translation>
    </message>
    <message>
        <source>Level %1 cannot be played because %2</source>
        <translation>A fase %1 não pode ser jogada porque %2</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 não está no tabuleiro.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>The file is larger than %1 MB, more than a record ever grows to; it is left as it is.</source>
        <translation>O arquivo tem mais de %1 MB, mais do que um registro chega a ter; ele foi deixado como está.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file holds %1 bytes; a saved game has %2.</source>
        <translation>O arquivo tem %1 bytes; um jogo salvo tem %2.</translation>
    </message>
    <message>
        <source>The game is of a random level, but its name &quot;%1&quot; is not the code of a level that can be played.</source>
        <translation>O jogo é de uma fase aleatória, mas o nome “%1” não é o código de uma fase que possa ser jogada.</translation>
    </message>
    <message>
        <source>The game is of the random level %1, but its board cannot be reached from that level&apos;s start by sliding pieces.</source>
        <translation>O jogo é da fase aleatória %1, mas o tabuleiro dele não pode ser alcançado deslizando peças a partir do início dessa fase.</translation>
    </message>
    <message>
        <source>The level number %1 is not one of the levels 1 to %2.</source>
        <translation>A fase número %1 não é uma das fases de 1 a %2.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1 (error %2).</source>
        <translation>Não foi possível ler o arquivo: %1 (erro %2).</translation>
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
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>colunas %1 a %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>linhas %1 a %2</translation>
    </message>
    <message>
        <source>principal piece</source>
        <translation>peça principal</translation>
    </message>
    <message>
        <source>Principal piece</source>
        <translation>Peça principal</translation>
    </message>
    <message>
        <source>wide piece</source>
        <translation>peça larga</translation>
    </message>
    <message>
        <source>Wide piece</source>
        <translation>Peça larga</translation>
    </message>
    <message>
        <source>tall piece %1</source>
        <translation>peça alta %1</translation>
    </message>
    <message>
        <source>Tall piece %1</source>
        <translation>Peça alta %1</translation>
    </message>
    <message>
        <source>small piece %1</source>
        <translation>peça pequena %1</translation>
    </message>
    <message>
        <source>Small piece %1</source>
        <translation>Peça pequena %1</translation>
    </message>
    <message>
        <source>left</source>
        <comment>direction of a slide</comment>
        <translation>para a esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <comment>direction of a slide</comment>
        <translation>para a direita</translation>
    </message>
    <message>
        <source>up</source>
        <comment>direction of a slide</comment>
        <translation>para cima</translation>
    </message>
    <message>
        <source>down</source>
        <comment>direction of a slide</comment>
        <translation>para baixo</translation>
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
        <translation>Ela não pode deslizar.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of several directions</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>It can slide %1.</source>
        <translation>Ela pode deslizar %1.</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>coluna %1, linha %2</translation>
    </message>
    <message>
        <source>No sequence of slides finishes the level from here.</source>
        <translation>Daqui, nenhuma sequência de movimentos conclui a fase.</translation>
    </message>
    <message>
        <source>Slide the marked piece to the marked cells. The level can be finished in 1 more step.</source>
        <translation>Deslize a peça marcada até as casas marcadas. A fase pode ser concluída com mais 1 jogada.</translation>
    </message>
    <message numerus="yes">
        <source>Slide the marked piece to the marked cells. The level can be finished in %n more steps.</source>
        <translation>
            <numerusform>Deslize a peça marcada até as casas marcadas. A fase pode ser concluída com mais %n jogada.</numerusform>
            <numerusform>Deslize a peça marcada até as casas marcadas. A fase pode ser concluída com mais %n jogadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1 %2 by 1 cell, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>a %1 1 casa %2, até %3</translation>
    </message>
    <message numerus="yes">
        <source>the %1 %2 by %n cells, to %3</source>
        <comment>piece, direction, place</comment>
        <translation>
            <numerusform>a %1 %n casa %2, até %3</numerusform>
            <numerusform>a %1 %n casas %2, até %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys choose a piece, Space or Enter picks it up, arrow keys slide it, Space or Enter puts it down, Esc puts it back.</source>
        <translation>As setas escolhem uma peça, Espaço ou Enter pega a peça, as setas a deslizam, Espaço ou Enter a solta, Esc a devolve ao lugar.</translation>
    </message>
    <message>
        <source>Board: the level is finished</source>
        <translation>Tabuleiro: a fase foi concluída</translation>
    </message>
    <message>
        <source>Board: %1, held</source>
        <translation>Tabuleiro: %1, segurada</translation>
    </message>
    <message>
        <source>Board: %1, selected</source>
        <translation>Tabuleiro: %1, selecionada</translation>
    </message>
    <message>
        <source>Hint: let go of the %1 where it stands, at %2.</source>
        <translation>Dica: solte a %1 onde ela está, em %2.</translation>
    </message>
    <message>
        <source>Hint: slide %1.</source>
        <translation>Dica: deslize %1.</translation>
    </message>
    <message>
        <source>Solution, step %1 of %2: slide %3.</source>
        <translation>Solução, jogada %1 de %2: deslize %3.</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Erro</translation>
    </message>
    <message>
        <source>An error has occurred while attempting creating folder</source>
        <translation>Ocorreu um erro ao criar a pasta</translation>
    </message>
</context>
<context>
    <name>quill::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>quill::BoardZoom</name>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <comment>View menu</comment>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <comment>View menu</comment>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Usual Size</source>
        <comment>View menu</comment>
        <translation>&amp;Tamanho normal</translation>
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
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Usual Size</source>
        <translation>Tamanho normal</translation>
    </message>
</context>
<context>
    <name>quill::Metafile</name>
    <message>
        <source>The file is not an enhanced metafile.</source>
        <translation>O arquivo não é um metarquivo avançado (EMF).</translation>
    </message>
    <message>
        <source>The metafile header is damaged.</source>
        <translation>O cabeçalho do metarquivo está danificado.</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture size is empty or too large.</source>
        <translation>O tamanho da imagem do metarquivo é vazio ou grande demais.</translation>
    </message>
    <message>
        <source>The metafile&apos;s reference device is damaged.</source>
        <translation>O dispositivo de referência do metarquivo está danificado.</translation>
    </message>
    <message>
        <source>The metafile ends before its last record.</source>
        <translation>O metarquivo termina antes do seu último registro.</translation>
    </message>
    <message>
        <source>The metafile has a damaged record.</source>
        <translation>O metarquivo tem um registro danificado.</translation>
    </message>
    <message>
        <source>The metafile could not be converted.</source>
        <translation>Não foi possível converter o metarquivo.</translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation>Não há memória suficiente para a imagem.</translation>
    </message>
    <message>
        <source>The Windows metafile has no placeable header, so its size is unknown.</source>
        <translation>O metarquivo do Windows não tem cabeçalho posicionável, por isso o tamanho dele é desconhecido.</translation>
    </message>
    <message>
        <source>The metafile reader could not start.</source>
        <translation>Não foi possível iniciar o leitor de metarquivos.</translation>
    </message>
    <message>
        <source>The metafile reader is not available.</source>
        <translation>O leitor de metarquivos não está disponível.</translation>
    </message>
    <message>
        <source>The metafile could not be read.</source>
        <translation>Não foi possível ler o metarquivo.</translation>
    </message>
    <message>
        <source>The metafile draws far outside its picture or is too costly to draw.</source>
        <translation>O metarquivo desenha muito fora da sua imagem ou é pesado demais para desenhar.</translation>
    </message>
    <message>
        <source>The metafile could not be drawn.</source>
        <translation>Não foi possível desenhar o metarquivo.</translation>
    </message>
</context>
<context>
    <name>quill::Picture</name>
    <message>
        <source>The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture.</source>
        <translation>O arquivo não é uma imagem BMP, DIB, GIF, JPEG, WMF ou EMF.</translation>
    </message>
    <message>
        <source>The picture is cut short or damaged.</source>
        <translation>A imagem está incompleta ou danificada.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is too large for a picture.</source>
        <translation>O arquivo é grande demais para uma imagem.</translation>
    </message>
</context>
<context>
    <name>quill::PictureClip</name>
    <message>
        <source>The skin is %1 x %2 pixels; it must be at least %3 x %4.</source>
        <translation>O tema tem %1 x %2 pixels; ele precisa ter pelo menos %3 x %4.</translation>
    </message>
</context>
<context>
    <name>quill::SolutionShow</name>
    <message>
        <source>Quillmere - Show Solution</source>
        <translation>Quillmere - Mostrar solução</translation>
    </message>
</context>
<context>
    <name>quill::frmAbout</name>
    <message>
        <source>About</source>
        <comment>About dialog title</comment>
        <translation>Sobre</translation>
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
        <translation>Atualizações:  %1</translation>
    </message>
    <message>
        <source>Quillmere Version %1.%2%3

%4</source>
        <translation>Quillmere versão %1.%2%3

%4</translation>
    </message>
    <message>
        <source>Quillmere - Easter Egg</source>
        <translation>Quillmere - Surpresa</translation>
    </message>
    <message>
        <source>You have found the Easter Egg!</source>
        <translation>Você achou a surpresa escondida!</translation>
    </message>
    <message>
        <source>Quillmere - Email</source>
        <translation>Quillmere - E-mail</translation>
    </message>
    <message>
        <source>Unable to start your Email agent automatically.
Please send an Email to %1 manually.</source>
        <translation>Não foi possível abrir seu programa de e-mail automaticamente.
Envie um e-mail para %1 por conta própria.</translation>
    </message>
    <message>
        <source>Quillmere - Updates</source>
        <translation>Quillmere - Atualizações</translation>
    </message>
    <message>
        <source>Unable to start your web browser automatically.
Please goto the site %1 manually.</source>
        <translation>Não foi possível abrir seu navegador automaticamente.
Acesse o site %1 por conta própria.</translation>
    </message>
</context>
<context>
    <name>quill::frmFile</name>
    <message>
        <source>File</source>
        <comment>file chooser title</comment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>file chooser button</comment>
        <translation>Usar</translation>
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
        <translation>Escolher fase</translation>
    </message>
    <message>
        <source>Level %1 - %2</source>
        <translation>Fase %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Set Level</source>
        <comment>Choose Level dialog</comment>
        <translation>&amp;Escolher</translation>
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
        <translation>Editor de fases do Quillmere</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space places the chosen piece there, or with Blank chosen takes off the piece that covers the cell.</source>
        <translation>As setas movem o cursor de casa; Espaço põe ali a peça escolhida ou, com Vazio escolhido, tira a peça que cobre a casa.</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>Escolher %1</translation>
    </message>
    <message>
        <source>Choose Blank</source>
        <translation>Escolher Vazio</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Error</source>
        <translation>Editor de fases do Quillmere - Erro</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Ocorreu um erro ao carregar o arquivo de dados</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Saving Error</source>
        <translation>Editor de fases do Quillmere - Erro ao salvar</translation>
    </message>
    <message>
        <source>An error has occurred while attempting saving data file</source>
        <translation>Ocorreu um erro ao salvar o arquivo de dados</translation>
    </message>
    <message>
        <source>Quillmere Level Editor - Exit</source>
        <translation>Editor de fases do Quillmere - Sair</translation>
    </message>
    <message>
        <source>Save the changes to the levels before closing?</source>
        <translation>Salvar as alterações nas fases antes de fechar?</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Fase: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Grid, %1</source>
        <translation>Grade, %1</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <comment>File menu</comment>
        <translation>&amp;Carregar jogo</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <comment>File menu</comment>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>Set S&amp;kin</source>
        <comment>File menu</comment>
        <translation>Escolher &amp;tema</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Re&amp;start Level</source>
        <comment>Game menu</comment>
        <translation>Reiniciar &amp;fase</translation>
    </message>
    <message>
        <source>Ra&amp;ndom Level...</source>
        <comment>Game menu</comment>
        <translation>Fase &amp;aleatória...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>Show So&amp;lution</source>
        <comment>Game menu</comment>
        <translation>Mostrar &amp;solução</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Game menu</comment>
        <translation>&amp;Progresso...</translation>
    </message>
    <message>
        <source>&amp;Animate Slides</source>
        <comment>Game menu</comment>
        <translation>Animar &amp;movimentos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>H&amp;ow to Play</source>
        <comment>Help menu</comment>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Quillmere - Error</source>
        <translation>Quillmere - Erro</translation>
    </message>
    <message>
        <source>An error has occurred while attempting loading data file</source>
        <translation>Ocorreu um erro ao carregar o arquivo de dados</translation>
    </message>
    <message>
        <source>Quillmere - ERROR</source>
        <translation>Quillmere - ERRO</translation>
    </message>
    <message>
        <source>An error has occurred while attempting to load picture 
%1
Make sure the picture exists and is of a correct format.</source>
        <translation>Ocorreu um erro ao carregar a imagem 
%1
Verifique se a imagem existe e está num formato correto.</translation>
    </message>
    <message>
        <source>Quillmere - New Game</source>
        <translation>Quillmere - Novo jogo</translation>
    </message>
    <message>
        <source>Quillmere - Load game</source>
        <translation>Quillmere - Carregar jogo</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser title</comment>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Load Game</source>
        <comment>file chooser button</comment>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Load Skin</source>
        <comment>file chooser title</comment>
        <translation>Carregar tema</translation>
    </message>
    <message>
        <source>Set Skin</source>
        <comment>file chooser button</comment>
        <translation>Escolher tema</translation>
    </message>
    <message>
        <source>Quillmere - Set Skin</source>
        <translation>Quillmere - Escolher tema</translation>
    </message>
    <message>
        <source>The skin %1 is in use now, but it cannot be remembered for the next start: its name has characters that the settings file cannot hold.
Rename the picture to keep it as your skin.</source>
        <translation>O tema %1 já está em uso, mas não poderá ser lembrado na próxima vez: o nome dele tem caracteres que o arquivo de configurações não aceita.
Renomeie a imagem para ficar com este tema.</translation>
    </message>
    <message>
        <source>Would you like to save the current game?</source>
        <translation>Deseja salvar o jogo atual?</translation>
    </message>
    <message>
        <source>Quillmere - Exit</source>
        <translation>Quillmere - Sair</translation>
    </message>
    <message>
        <source>Quillmere - Restart Level</source>
        <translation>Quillmere - Reiniciar fase</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Fase aleatória</translation>
    </message>
    <message>
        <source>Quillmere - Hint</source>
        <translation>Quillmere - Dica</translation>
    </message>
    <message>
        <source>Quillmere - Congratulations</source>
        <translation>Quillmere - Parabéns</translation>
    </message>
    <message numerus="yes">
        <source>Congratulations!! You finished the game in %n steps.</source>
        <translation>
            <numerusform>Parabéns!! Você terminou o jogo em %n jogada.</numerusform>
            <numerusform>Parabéns!! Você terminou o jogo em %n jogadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop So&amp;lution</source>
        <comment>Game menu, instead of Show So&amp;lution</comment>
        <translation>Parar &amp;solução</translation>
    </message>
</context>
<context>
    <name>quill::frmProgress</name>
    <message>
        <source>Quillmere - Progress</source>
        <translation>Quillmere - Progresso</translation>
    </message>
    <message>
        <source>Progress by level</source>
        <translation>Progresso por fase</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>Progress column</comment>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Progress column</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Your best</source>
        <comment>Progress column</comment>
        <translation>Seu melhor</translation>
    </message>
    <message>
        <source>Fewest possible</source>
        <comment>Progress column</comment>
        <translation>Mínimo possível</translation>
    </message>
    <message>
        <source>In the fewest</source>
        <comment>Progress column</comment>
        <translation>Fez o mínimo</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>sem solução</translation>
    </message>
    <message>
        <source>cannot be played</source>
        <translation>não pode ser jogada</translation>
    </message>
    <message>
        <source>✓ yes</source>
        <translation>✓ sim</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Progress dialog</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Finished %1 of %2 levels, %3 of them in the fewest steps.</source>
        <translation>%1 de %2 fases concluídas, %3 delas com o mínimo de jogadas.</translation>
    </message>
    <message>
        <source>Random levels finished: none yet.</source>
        <translation>Fases aleatórias concluídas: nenhuma ainda.</translation>
    </message>
    <message>
        <source>Random levels finished: %1, %2 of them in the fewest steps.</source>
        <translation>Fases aleatórias concluídas: %1, %2 delas com o mínimo de jogadas.</translation>
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
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>Hardes&amp;t</source>
        <comment>Random Level dialog</comment>
        <translation>Mu&amp;ito difícil</translation>
    </message>
    <message>
        <source>Quillmere - Random Level</source>
        <translation>Quillmere - Fase aleatória</translation>
    </message>
    <message>
        <source>Deal a level that takes, at the fewest:</source>
        <translation>Sortear uma fase que leve, no mínimo:</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n steps</source>
        <comment>Random Level dialog</comment>
        <translation>
            <numerusform>%1: %n jogada</numerusform>
            <numerusform>%1: %n jogadas</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xactly:</source>
        <comment>Random Level dialog</comment>
        <translation>E&amp;xatamente:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of steps</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Exact number of fewest steps, %1</source>
        <translation>Número exato de jogadas mínimas, %1</translation>
    </message>
    <message>
        <source>(%1)</source>
        <comment>range of steps</comment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Level &amp;code:</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Código da fase:</translation>
    </message>
    <message>
        <source>Level code to play</source>
        <translation>Código da fase a jogar</translation>
    </message>
    <message>
        <source>such as GGXT-4AN</source>
        <translation>por exemplo GGXT-4AN</translation>
    </message>
    <message>
        <source>Last level:</source>
        <comment>Random Level dialog</comment>
        <translation>Última fase:</translation>
    </message>
    <message>
        <source>Code of the last random level</source>
        <translation>Código da última fase aleatória</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nenhuma ainda</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <comment>Random Level dialog</comment>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the code of the last level</source>
        <translation>Copiar o código da última fase</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>Random Level dialog</comment>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Random Level dialog</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> step</source>
        <translation> jogada</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> jogadas</translation>
    </message>
    <message>
        <source>Please type a number of steps from %1 to %2.</source>
        <translation>Digite um número de jogadas de %1 a %2.</translation>
    </message>
</context>
</TS>
