<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Tablero, %1 por %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>&amp;Borrar el récord</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Borrar]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Borrar el récord</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Combo x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Gomas:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Otra partida</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Reto:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de juego</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Gomas</translation>
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
        <translation>&lt;h2&gt;El objetivo&lt;/h2&gt;&lt;p&gt;Forma líneas de tres casillas de un mismo color, en una fila o una columna, y consigue todos los puntos que puedas.&lt;/p&gt;&lt;h2&gt;Un paso&lt;/h2&gt;&lt;p&gt;Haz clic en una casilla con flecha: su color avanza un paso (una flecha hacia arriba cuenta hacia arriba, una hacia abajo, hacia abajo; en una casilla con las dos flechas, decide la mitad en la que haces clic). Cada paso da 1 punto. Un segundo después de tu último paso se revisa el tablero.&lt;/p&gt;&lt;h2&gt;Reacciones y cadenas&lt;/h2&gt;&lt;p&gt;Toda línea de tres de un mismo color reacciona: se marca, desaparece, las casillas de alrededor cierran el hueco y casillas nuevas llenan el tablero, que puede volver a reaccionar. Cada reacción da 10 puntos. Una cadena de dos o más muestra «Combo x» con su longitud.&lt;/p&gt;&lt;h2&gt;Líneas completas y gomas&lt;/h2&gt;&lt;p&gt;Una fila o columna entera marcada de una vez da una goma (hasta tres) y barre su color de todo el tablero. Haz clic en una casilla lisa (sin flecha) para gastar una goma en ella.&lt;/p&gt;&lt;h2&gt;La prueba&lt;/h2&gt;&lt;p&gt;Haz clic derecho en una casilla con flecha (o Mayús, Ctrl o Alt y clic) para probar cada color que puede alcanzar y quedarte con el primero que reacciona.&lt;/p&gt;&lt;h2&gt;La casilla multicolor&lt;/h2&gt;&lt;p&gt;Cuenta como cualquier color.&lt;/p&gt;&lt;h2&gt;Niveles y dificultad&lt;/h2&gt;&lt;p&gt;Cada 21 reacciones sube el nivel y llegan menos flechas. La barra de dificultad fija el nivel con el que empieza la próxima partida.&lt;/p&gt;&lt;h2&gt;El final&lt;/h2&gt;&lt;p&gt;La partida termina cuando nada reacciona y no queda ninguna casilla con flecha. El mejor resultado se guarda como récord.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>avanzar una casilla un paso, o gastar una goma en una casilla lisa</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Clic derecho, o Mayús, Ctrl o Alt y clic</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>una prueba; fuera del tablero, el menú</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>recorrer Otra partida, la barra de dificultad, [Borrar] y el tablero</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Flechas, Inicio, Fin, Ctrl+Inicio, Ctrl+Fin</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>moverse por el tablero</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Espacio, Intro, Re Pág</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>un clic en la mitad superior de la casilla</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>un clic en la mitad inferior: una casilla con las dos flechas baja un paso</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menú, Mayús+F10, o Mayús, Ctrl o Alt con esas teclas</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>una pista</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>activar o quitar el sonido</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>oír los puntos, el nivel, las gomas y el récord</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Ctrl+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nueva partida</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>salir; el récord se guarda</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Ratón y teclas</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>Las casillas</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>Cómo se juega a Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Pista: fila %1, columna %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 la cambia a %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Una prueba (clic derecho o tecla Menú) la cambia a %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>El tablero aún se mueve; pregunta otra vez cuando se detenga.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Fin de la partida: Ctrl+N o F2 empieza una nueva.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Ahora no reacciona nada. Queda una goma: haz clic en una casilla lisa para quitarla.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Ahora no reacciona nada. Nueva partida (F2) reparte un tablero nuevo.</translation>
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
        <translation>amarillo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Todos los colores</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marcada</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, flechas arriba y abajo</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, flecha arriba</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, flecha abajo</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Espacio gasta una goma en ella</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Espacio no hace nada aquí</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>arriba a %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>abajo a %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Espacio o Av Pág avanza %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Espacio avanza %1; Av Pág avanza %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Puntos %1, nivel %2, gomas %3, récord %4, dificultad %5 para la próxima partida.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Fin de la partida. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Quitada, queda %n goma</numerusform>
            <numerusform>Quitada, quedan %n gomas</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Quitada, no queda ninguna goma</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>No queda ninguna goma</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>La casilla Todos los colores no tiene flecha</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Ningún color reacciona</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Fin de la partida: Ctrl+N o F2 empieza una nueva.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Nueva partida, nivel %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>tablero listo</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Combo x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n reacción</numerusform>
            <numerusform>%n reacciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n punto, total %1</numerusform>
            <numerusform>%n puntos, total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>una goma ganada</numerusform>
            <numerusform>%n gomas ganadas</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nivel %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>ninguna reacción</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Fin de la partida. Puntos %1, un nuevo récord. Ctrl+N o F2 empieza una nueva.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Fin de la partida. Puntos %1, récord %2. Ctrl+N o F2 empieza una nueva.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>¿Seguro que quieres borrar el récord?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Borrar el récord</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, fila %1, columna %2</translation>
    </message>
</context>
</TS>
