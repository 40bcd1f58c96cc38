<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Plateau, %1 sur %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>&amp;Effacer le record</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Vider]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Effacer le record</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Combo x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Gommes</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie finie</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Gommes</translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation>Vexalon - par Oskel</translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Le but&lt;/h2&gt;&lt;p&gt;Formez des lignes de trois cases d’une même couleur, en ligne ou en colonne, et marquez le plus de points possible.&lt;/p&gt;&lt;h2&gt;Un pas&lt;/h2&gt;&lt;p&gt;Cliquez sur une case fléchée : sa couleur avance d’un pas (une flèche vers le haut compte en montant, une flèche vers le bas en descendant ; sur une case à deux flèches, la moitié sur laquelle vous cliquez décide). Chaque pas rapporte 1 point. Une seconde après votre dernier pas, le plateau est examiné.&lt;/p&gt;&lt;h2&gt;Réactions et chaînes&lt;/h2&gt;&lt;p&gt;Toute ligne de trois cases d’une même couleur réagit : elle est marquée, disparaît, les cases voisines comblent le vide et de nouvelles cases remplissent le plateau, qui peut réagir à nouveau. Chaque réaction rapporte 10 points. Une chaîne de deux réactions ou plus affiche « Combo x » avec sa longueur.&lt;/p&gt;&lt;h2&gt;Lignes pleines et gommes&lt;/h2&gt;&lt;p&gt;Une ligne ou une colonne entière marquée d’un coup rapporte une gomme (jusqu’à trois) et balaie sa couleur de tout le plateau. Cliquez sur une case simple (sans flèche) pour y utiliser une gomme.&lt;/p&gt;&lt;h2&gt;L’essai&lt;/h2&gt;&lt;p&gt;Faites un clic droit sur une case fléchée (ou Maj, Ctrl ou Alt et clic) pour essayer chaque couleur qu’elle peut atteindre et garder la première qui réagit.&lt;/p&gt;&lt;h2&gt;La case multicolore&lt;/h2&gt;&lt;p&gt;Elle compte pour toutes les couleurs.&lt;/p&gt;&lt;h2&gt;Niveaux et difficulté&lt;/h2&gt;&lt;p&gt;Toutes les 21 réactions, le niveau monte et les flèches se font plus rares. La barre de difficulté fixe le niveau de départ de la prochaine partie.&lt;/p&gt;&lt;h2&gt;La fin&lt;/h2&gt;&lt;p&gt;La partie est finie quand plus rien ne réagit et qu’il ne reste aucune case fléchée. Le meilleur score est conservé.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>faire avancer une case d’un pas, ou utiliser une gomme sur une case simple</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Clic droit, ou Maj, Ctrl ou Alt et clic</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>un essai ; hors du plateau, le menu</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>passer tour à tour par Rejouer, la barre de difficulté, [Vider] et le plateau</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Flèches, Début, Fin, Ctrl+Début, Ctrl+Fin</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>se déplacer sur le plateau</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Espace, Entrée, Page précédente</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>un clic sur la moitié haute de la case</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>un clic sur la moitié basse : une case à deux flèches descend d’un pas</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menu, Maj+F10, ou Maj, Ctrl ou Alt avec ces touches</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>un indice</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>activer ou couper le son</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>entendre le score, le niveau, les gommes et le record</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Ctrl+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>quitter ; le record est conservé</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Souris et touches</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>Les cases</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>Comment jouer à Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Règles du jeu</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Indice : ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 la fait passer à %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Un essai (clic droit ou touche Menu) la fait passer à %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>Le plateau bouge encore ; redemandez quand il sera calme.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Partie finie : Ctrl+N ou F2 lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Rien ne réagit pour l’instant. Il reste une gomme : cliquez sur une case simple pour l’enlever.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Rien ne réagit pour l’instant. Nouvelle partie (F2) donne un nouveau plateau.</translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marquée</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, flèches haut et bas</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, flèche vers le haut</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, flèche vers le bas</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Espace y utilise une gomme</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Espace ne fait rien ici</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>en montant à %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>en descendant à %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Espace ou Page suivante passe %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Espace passe %1 ; Page suivante passe %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Score %1, niveau %2, gommes %3, record %4, difficulté %5 pour la prochaine partie.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Partie finie. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Retirée, il reste %n gomme</numerusform>
            <numerusform>Retirée, il reste %n gommes</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Retirée, plus aucune gomme</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>Plus aucune gomme</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>La case Toutes couleurs n’a pas de flèche</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Aucune couleur ne réagit</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Partie finie : Ctrl+N ou F2 lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Nouvelle partie, niveau %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>plateau prêt</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Combo x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n réaction</numerusform>
            <numerusform>%n réactions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n point, score %1</numerusform>
            <numerusform>%n points, score %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>une gomme gagnée</numerusform>
            <numerusform>%n gommes gagnées</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>aucune réaction</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Partie finie. Score %1, un nouveau record. Ctrl+N ou F2 lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Partie finie. Score %1, record %2. Ctrl+N ou F2 lance une nouvelle partie.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Voulez-vous vraiment effacer le record ?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Effacer le record</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, ligne %1, colonne %2</translation>
    </message>
</context>
</TS>
