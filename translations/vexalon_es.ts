<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>board ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
