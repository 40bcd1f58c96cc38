<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Поле, %1 на %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>&amp;Сбросить рекорд</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Звук выключен</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Сброс]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Сбросить рекорд</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Комбо x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Ластики:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Сложн.:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Сложность</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Ластики</translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation>Vexalon - автор: Oskel</translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Цель&lt;/h2&gt;&lt;p&gt;Составляйте линии из трёх клеток одного цвета, в строке или в столбце, и наберите как можно больше очков.&lt;/p&gt;&lt;h2&gt;Шаг&lt;/h2&gt;&lt;p&gt;Щёлкните клетку со стрелкой: её цвет сменится на один шаг (стрелка вверх считает вперёд, стрелка вниз — назад; на клетке с обеими стрелками решает половина, по которой вы щёлкнули). Каждый шаг приносит 1 очко. Через секунду после последнего шага поле проверяется.&lt;/p&gt;&lt;h2&gt;Реакции и цепочки&lt;/h2&gt;&lt;p&gt;Каждая линия из трёх клеток одного цвета реагирует: она отмечается и исчезает, соседние клетки закрывают пустоту, а новые клетки заполняют поле, которое может снова отреагировать. Каждая реакция приносит 10 очков. Цепочка из двух и более реакций показывает «Комбо x» с её длиной.&lt;/p&gt;&lt;h2&gt;Полные линии и ластики&lt;/h2&gt;&lt;p&gt;Целая строка или столбец, отмеченные разом, приносят ластик (не больше трёх) и сметают свой цвет со всего поля. Щёлкните простую клетку (без стрелки), чтобы потратить на неё ластик.&lt;/p&gt;&lt;h2&gt;Проба&lt;/h2&gt;&lt;p&gt;Щёлкните правой кнопкой клетку со стрелкой (или с Shift, Ctrl или Alt), чтобы перебрать все цвета, до которых она может дойти, и оставить первый, который реагирует.&lt;/p&gt;&lt;h2&gt;Разноцветная клетка&lt;/h2&gt;&lt;p&gt;Она считается любым цветом.&lt;/p&gt;&lt;h2&gt;Уровни и сложность&lt;/h2&gt;&lt;p&gt;Каждые 21 реакцию уровень растёт, и стрелок становится меньше. Полоса сложности задаёт уровень, с которого начнётся следующая игра.&lt;/p&gt;&lt;h2&gt;Конец&lt;/h2&gt;&lt;p&gt;Игра окончена, когда ничего не реагирует и не осталось ни одной клетки со стрелкой. Лучший результат сохраняется как рекорд.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>шаг клетки или ластик на простую клетку</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Правый щелчок или Shift, Ctrl или Alt со щелчком</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>проба; вне поля — меню</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>по кругу: Новая игра, полоса сложности, [Сброс] и поле</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Стрелки, Home, End, Ctrl+Home, Ctrl+End</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>ходить по полю</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Пробел, Enter, Page Up</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>щелчок по верхней половине клетки</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>щелчок по нижней половине: клетка с обеими стрелками делает шаг вниз</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menu, Shift+F10 или Shift, Ctrl или Alt с этими клавишами</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>подсказка</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>включить или выключить звук</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>услышать очки, уровень, ластики и рекорд</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Ctrl+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>новая игра</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>эта справка</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>выход; рекорд сохраняется</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Мышь и клавиши</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>Клетки</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>Как играть в Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Подсказка: строка %1, столбец %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 переводит её в %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Проба (правая кнопка или клавиша Menu) переводит её в %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>Поле ещё движется; спросите снова, когда оно успокоится.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Конец игры: Ctrl+N или F2 начинает новую игру.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Сейчас ничего не реагирует. Остался ластик: щёлкните по простой клетке, чтобы убрать её.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Сейчас ничего не реагирует. Новая игра (F2) раздаёт новое поле.</translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation>Фиолетовая</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Зелёная</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Жёлтая</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Красная</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Все цвета</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пустая</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, отмеченная</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, стрелки вверх и вниз</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, стрелка вверх</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, стрелка вниз</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Пробел тратит на неё ластик</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Пробел здесь ничего не делает</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>вверх: %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>вниз: %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Пробел или Page Down — шаг %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Пробел — шаг %1; Page Down — шаг %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Очки %1, уровень %2, ластики %3, рекорд %4, сложность %5 для следующей игры.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Конец игры. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Убрано, остался %n ластик</numerusform>
            <numerusform>Убрано, осталось %n ластика</numerusform>
            <numerusform>Убрано, осталось %n ластиков</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Убрано, ластиков не осталось</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>Ластиков не осталось</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>У клетки «Все цвета» нет стрелки</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Ни один цвет не реагирует</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Конец игры: Ctrl+N или F2 начинает новую игру.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Новая игра, уровень %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>поле готово</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Комбо x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n реакция</numerusform>
            <numerusform>%n реакции</numerusform>
            <numerusform>%n реакций</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n очко, всего %1</numerusform>
            <numerusform>%n очка, всего %1</numerusform>
            <numerusform>%n очков, всего %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>получен %n ластик</numerusform>
            <numerusform>получено %n ластика</numerusform>
            <numerusform>получено %n ластиков</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>уровень %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>нет реакции</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Конец игры. Очки: %1, новый рекорд. Ctrl+N или F2 начинает новую игру.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Конец игры. Очки: %1, рекорд %2. Ctrl+N или F2 начинает новую игру.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Действительно сбросить рекорд?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Сбросить рекорд</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, строка %1, столбец %2</translation>
    </message>
</context>
</TS>
