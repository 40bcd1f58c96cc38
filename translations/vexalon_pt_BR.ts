<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Tabuleiro, %1 por %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>&amp;Apagar o recorde</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Som desligado</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Zerar]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Apagar o recorde</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Combo x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Borracha:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Desafio:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Borrachas</translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation>Vexalon - de Oskel</translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;O objetivo&lt;/h2&gt;&lt;p&gt;Forme linhas de três casas da mesma cor, numa linha ou numa coluna, e faça o máximo de pontos que puder.&lt;/p&gt;&lt;h2&gt;Um passo&lt;/h2&gt;&lt;p&gt;Clique numa casa com seta: a cor dela avança um passo (uma seta para cima conta para cima, uma seta para baixo conta para baixo; numa casa com as duas setas, decide a metade em que você clica). Cada passo vale 1 ponto. Um segundo depois do seu último passo, o tabuleiro é verificado.&lt;/p&gt;&lt;h2&gt;Reações e cadeias&lt;/h2&gt;&lt;p&gt;Toda linha de três da mesma cor reage: é marcada, some, as casas em volta fecham o espaço e casas novas preenchem o tabuleiro, que pode reagir de novo. Cada reação vale 10 pontos. Uma cadeia de duas ou mais mostra “Combo x” com o seu tamanho.&lt;/p&gt;&lt;h2&gt;Linhas completas e borrachas&lt;/h2&gt;&lt;p&gt;Uma linha ou coluna inteira marcada de uma vez dá uma borracha (até três) e varre a cor dela do tabuleiro todo. Clique numa casa simples (sem seta) para gastar uma borracha nela.&lt;/p&gt;&lt;h2&gt;A tentativa&lt;/h2&gt;&lt;p&gt;Clique com o botão direito numa casa com seta (ou Shift, Ctrl ou Alt e clique) para experimentar cada cor que ela alcança e ficar com a primeira que reage.&lt;/p&gt;&lt;h2&gt;A casa multicolorida&lt;/h2&gt;&lt;p&gt;Ela vale por todas as cores.&lt;/p&gt;&lt;h2&gt;Níveis e dificuldade&lt;/h2&gt;&lt;p&gt;A cada 21 reações o nível sobe e aparecem menos setas. A barra de dificuldade define o nível em que o próximo jogo começa.&lt;/p&gt;&lt;h2&gt;O fim&lt;/h2&gt;&lt;p&gt;O jogo acaba quando nada reage e não sobra nenhuma casa com seta. A melhor pontuação fica guardada como recorde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>avançar uma casa um passo, ou gastar uma borracha numa casa simples</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Clique direito, ou Shift, Ctrl ou Alt e clique</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>uma tentativa; fora do tabuleiro, o menu</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>passar por Novo jogo, a barra de dificuldade, [Zerar] e o tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Setas, Home, End, Ctrl+Home, Ctrl+End</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>andar pelo tabuleiro</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Espaço, Enter, Page Up</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>um clique na metade de cima da casa</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>um clique na metade de baixo: uma casa com as duas setas desce um passo</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menu, Shift+F10, ou Shift, Ctrl ou Alt com essas teclas</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>uma dica</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>ligar ou desligar o som</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>ouvir os pontos, o nível, as borrachas e o recorde</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Ctrl+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>novo jogo</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ajuda</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>sair; o recorde fica guardado</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Mouse e teclas</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>As casas</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>Como jogar Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Dica: linha %1, coluna %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 muda a casa para %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Uma tentativa (clique direito ou tecla Menu) muda a casa para %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>O tabuleiro ainda está mexendo; peça de novo quando ele parar.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Fim de jogo: Ctrl+N ou F2 começa um novo jogo.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Nada reage agora. Sobrou uma borracha: clique numa casa simples para tirá-la.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Nada reage agora. Novo jogo (F2) dá um tabuleiro novo.</translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Todas as cores</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marcada</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, setas para cima e para baixo</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, seta para cima</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, seta para baixo</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Espaço gasta uma borracha nela</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Espaço não faz nada aqui</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>para cima, para %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>para baixo, para %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Espaço ou Page Down avança %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Espaço avança %1; Page Down avança %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Pontos %1, nível %2, borrachas %3, recorde %4, dificuldade %5 para o próximo jogo.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Fim de jogo. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Removida, resta %n borracha</numerusform>
            <numerusform>Removida, restam %n borrachas</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Removida, não resta nenhuma borracha</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>Não resta nenhuma borracha</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>A casa Todas as cores não tem seta</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Nenhuma cor reage</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Fim de jogo: Ctrl+N ou F2 começa um novo jogo.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Novo jogo, nível %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>tabuleiro pronto</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Combo x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n reação</numerusform>
            <numerusform>%n reações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n ponto, total %1</numerusform>
            <numerusform>%n pontos, total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>uma borracha ganha</numerusform>
            <numerusform>%n borrachas ganhas</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nível %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>nenhuma reação</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Fim de jogo. Pontos %1, um novo recorde. Ctrl+N ou F2 começa um novo jogo.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Fim de jogo. Pontos %1, recorde %2. Ctrl+N ou F2 começa um novo jogo.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Quer mesmo apagar o recorde?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Apagar o recorde</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, linha %1, coluna %2</translation>
    </message>
</context>
</TS>
