<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Spielfeld, %1 mal %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>Rekord &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Reset]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Rekord löschen</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Combo x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Radierer:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation>Vexalon - von Oskel</translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Das Ziel&lt;/h2&gt;&lt;p&gt;Bilde Reihen aus drei Feldern einer Farbe, waagerecht oder senkrecht, und hole so viele Punkte wie möglich.&lt;/p&gt;&lt;h2&gt;Ein Schritt&lt;/h2&gt;&lt;p&gt;Klicke auf ein Feld mit Pfeil: Seine Farbe geht einen Schritt weiter (ein Pfeil nach oben zählt hoch, ein Pfeil nach unten herunter; bei einem Feld mit beiden Pfeilen entscheidet die Hälfte, auf die du klickst). Jeder Schritt bringt 1 Punkt. Eine Sekunde nach deinem letzten Schritt wird das Spielfeld geprüft.&lt;/p&gt;&lt;h2&gt;Reaktionen und Ketten&lt;/h2&gt;&lt;p&gt;Jede Reihe aus drei Feldern einer Farbe reagiert: Sie wird markiert und verschwindet, die Felder ringsum schließen die Lücke, und neue Felder füllen das Spielfeld, die wieder reagieren können. Jede Reaktion bringt 10 Punkte. Eine Kette aus zwei oder mehr Reaktionen zeigt „Combo x“ mit ihrer Länge.&lt;/p&gt;&lt;h2&gt;Volle Reihen und Radierer&lt;/h2&gt;&lt;p&gt;Eine ganze Zeile oder Spalte, die auf einmal markiert wird, bringt einen Radierer (bis zu drei) und fegt ihre Farbe vom ganzen Spielfeld. Klicke auf ein einfaches Feld (ohne Pfeil), um einen Radierer dafür einzusetzen.&lt;/p&gt;&lt;h2&gt;Die Probe&lt;/h2&gt;&lt;p&gt;Klicke mit der rechten Maustaste auf ein Feld mit Pfeil (oder mit Umschalt, Strg oder Alt und Klick), um jede Farbe auszuprobieren, die es erreichen kann; die erste, die reagiert, bleibt.&lt;/p&gt;&lt;h2&gt;Das bunte Feld&lt;/h2&gt;&lt;p&gt;Es zählt als jede Farbe.&lt;/p&gt;&lt;h2&gt;Level und Stärke&lt;/h2&gt;&lt;p&gt;Nach je 21 Reaktionen steigt das Level, und es kommen weniger Pfeile. Die Stärke-Leiste legt fest, mit welchem Level das nächste Spiel beginnt.&lt;/p&gt;&lt;h2&gt;Das Ende&lt;/h2&gt;&lt;p&gt;Das Spiel ist vorbei, wenn nichts mehr reagiert und kein Feld mit Pfeil übrig ist. Der Rekord bleibt gespeichert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>ein Feld einen Schritt weiter, oder einen Radierer auf ein einfaches Feld</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Rechtsklick, oder Umschalt, Strg oder Alt und Klick</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>eine Probe; außerhalb des Spielfelds das Menü</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>reihum Neues Spiel, die Stärke-Leiste, [Reset] und das Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Pfeiltasten, Pos1, Ende, Strg+Pos1, Strg+Ende</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>über das Spielfeld gehen</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Leertaste, Eingabe, Bild auf</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>ein Klick auf die obere Hälfte des Feldes</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>ein Klick auf die untere Hälfte: Ein Feld mit beiden Pfeilen geht abwärts</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menü, Umschalt+F10, oder Umschalt, Strg oder Alt mit diesen Tasten</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>ein Hinweis</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>Ton an oder aus</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>Punkte, Level, Radierer und Rekord hören</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Strg+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>neues Spiel</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>beenden; der Rekord bleibt gespeichert</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Maus und Tasten</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>Die Felder</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>So spielt man Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Tipp: Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 bringt es auf %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Eine Probe (Rechtsklick oder Menütaste) macht es %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>Das Spielfeld bewegt sich noch; frag noch einmal, wenn es ruht.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Spielende: Strg+N oder F2 startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Jetzt reagiert nichts. Ein Radierer ist übrig: Klick auf ein einfaches Feld entfernt es.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Jetzt reagiert nichts. Neues Spiel (F2) gibt ein neues Spielfeld.</translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Alle Farben</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, markiert</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, Pfeile nach oben und unten</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, Pfeil nach oben</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, Pfeil nach unten</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Leertaste setzt einen Radierer darauf ein</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Leertaste bewirkt hier nichts</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>aufwärts zu %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>abwärts zu %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Leertaste oder Bild ab geht %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Leertaste geht %1; Bild ab geht %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Punktestand %1, Level %2, Radierer %3, Rekord %4, Stärke %5 für das nächste Spiel.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Spielende. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Entfernt, %n Radierer übrig</numerusform>
            <numerusform>Entfernt, %n Radierer übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Entfernt, kein Radierer übrig</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>Kein Radierer übrig</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>Das Feld Alle Farben hat keinen Pfeil für einen Schritt</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Keine Farbe reagiert</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Spielende: Strg+N oder F2 startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Neues Spiel, Level %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>Spielfeld bereit</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Combo x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n Reaktion</numerusform>
            <numerusform>%n Reaktionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n Punkt, Punktestand %1</numerusform>
            <numerusform>%n Punkte, Punktestand %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>ein Radierer gewonnen</numerusform>
            <numerusform>%n Radierer gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>keine Reaktion</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Spielende. %1 Punkte, ein neuer Rekord. Strg+N oder F2 startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Spielende. %1 Punkte, Rekord %2. Strg+N oder F2 startet ein neues Spiel.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Möchtest du den Rekord wirklich löschen?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Rekord löschen</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, Zeile %1, Spalte %2</translation>
    </message>
</context>
</TS>
