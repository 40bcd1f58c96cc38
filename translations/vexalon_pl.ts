<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Plansza, %1 na %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>&amp;Wyzeruj rekord</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Dźwięk wyłączony</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Zeruj]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Wyzeruj rekord</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Combo x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Gumki:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Stopień:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Trudność</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Gumki</translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation>Vexalon - autor: Oskel</translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Cel&lt;/h2&gt;&lt;p&gt;Układaj linie z trzech pól jednego koloru, w wierszu lub w kolumnie, i zdobądź jak najwięcej punktów.&lt;/p&gt;&lt;h2&gt;Krok&lt;/h2&gt;&lt;p&gt;Kliknij pole ze strzałką: jego kolor zmienia się o jeden krok (strzałka w górę liczy w górę, strzałka w dół w dół; na polu z obiema strzałkami decyduje połowa, którą klikniesz). Każdy krok daje 1 punkt. Sekundę po ostatnim kroku plansza jest sprawdzana.&lt;/p&gt;&lt;h2&gt;Reakcje i łańcuchy&lt;/h2&gt;&lt;p&gt;Każda linia z trzech pól jednego koloru reaguje: zostaje zaznaczona i znika, pola wokół zamykają lukę, a nowe pola wypełniają planszę, która może zareagować znowu. Każda reakcja daje 10 punktów. Łańcuch z dwóch lub więcej reakcji pokazuje „Combo x” z jego długością.&lt;/p&gt;&lt;h2&gt;Pełne linie i gumki&lt;/h2&gt;&lt;p&gt;Cały wiersz lub cała kolumna zaznaczona naraz daje gumkę (najwyżej trzy) i zmiata swój kolor z całej planszy. Kliknij zwykłe pole (bez strzałki), aby zużyć na nie gumkę.&lt;/p&gt;&lt;h2&gt;Próba&lt;/h2&gt;&lt;p&gt;Kliknij prawym przyciskiem pole ze strzałką (albo z Shift, Ctrl lub Alt), aby wypróbować każdy kolor, do którego może dojść, i zostawić pierwszy, który reaguje.&lt;/p&gt;&lt;h2&gt;Pole wielobarwne&lt;/h2&gt;&lt;p&gt;Liczy się jako każdy kolor.&lt;/p&gt;&lt;h2&gt;Poziomy i trudność&lt;/h2&gt;&lt;p&gt;Co 21 reakcji poziom rośnie i pojawia się mniej strzałek. Pasek trudności ustala poziom, od którego zacznie się następna gra.&lt;/p&gt;&lt;h2&gt;Koniec&lt;/h2&gt;&lt;p&gt;Gra kończy się, gdy nic już nie reaguje i nie zostało żadne pole ze strzałką. Najlepszy wynik zostaje zapisany jako rekord.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>krok na polu albo gumka na zwykłym polu</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Prawy przycisk albo Shift, Ctrl lub Alt z kliknięciem</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>próba; poza planszą menu</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>po kolei Nowa gra, pasek trudności, [Zeruj] i plansza</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Strzałki, Home, End, Ctrl+Home, Ctrl+End</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>ruch po planszy</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Spacja, Enter, Page Up</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>kliknięcie górnej połowy pola</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>kliknięcie dolnej połowy: pole z obiema strzałkami robi krok w dół</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menu, Shift+F10 albo Shift, Ctrl lub Alt z tymi klawiszami</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>podpowiedź</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>dźwięk włączony lub wyłączony</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>usłysz wynik, poziom, gumki i rekord</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Ctrl+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nowa gra</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>ta pomoc</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>wyjście; rekord zostaje zapisany</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Mysz i klawisze</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>Jak grać w Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Podpowiedź: wiersz %1, kolumna %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 zmienia je na %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Próba (prawy przycisk lub klawisz Menu) zmienia je na %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>Plansza jeszcze się rusza; zapytaj ponownie, gdy się uspokoi.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Koniec gry: Ctrl+N lub F2 zaczyna nową grę.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Teraz nic nie reaguje. Została gumka: kliknij zwykłe pole, aby je usunąć.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Teraz nic nie reaguje. Nowa gra (F2) rozdaje nową planszę.</translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation>Fioletowe</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Zielone</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Żółte</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Niebieskie</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Wszystkie kolory</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Puste</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, zaznaczone</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, strzałki w górę i w dół</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, strzałka w górę</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, strzałka w dół</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Spacja zużywa na nie gumkę</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Spacja nic tu nie robi</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>w górę na %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>w dół na %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Spacja lub Page Down zmienia %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Spacja zmienia %1; Page Down zmienia %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Wynik %1, poziom %2, gumki %3, rekord %4, trudność %5 w następnej grze.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Koniec gry. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Usunięte, została %n gumka</numerusform>
            <numerusform>Usunięte, zostały %n gumki</numerusform>
            <numerusform>Usunięte, zostało %n gumek</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Usunięte, nie została żadna gumka</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>Nie została żadna gumka</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>Pole Wszystkie kolory nie ma strzałki</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Żaden kolor nie reaguje</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Koniec gry: Ctrl+N lub F2 zaczyna nową grę.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Nowa gra, poziom %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>plansza gotowa</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Combo x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n reakcja</numerusform>
            <numerusform>%n reakcje</numerusform>
            <numerusform>%n reakcji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n punkt, wynik %1</numerusform>
            <numerusform>%n punkty, wynik %1</numerusform>
            <numerusform>%n punktów, wynik %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>zdobyta gumka</numerusform>
            <numerusform>zdobyte %n gumki</numerusform>
            <numerusform>zdobyte %n gumek</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>poziom %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>brak reakcji</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Koniec gry. Wynik %1, nowy rekord. Ctrl+N lub F2 zaczyna nową grę.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Koniec gry. Wynik %1, rekord %2. Ctrl+N lub F2 zaczyna nową grę.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Czy na pewno wyzerować rekord?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Wyzeruj rekord</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, wiersz %1, kolumna %2</translation>
    </message>
</context>
</TS>
