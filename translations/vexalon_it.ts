<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>vexalon::BoardView</name>
    <message>
        <source>Board, %1 by %1</source>
        <translation>Tabellone, %1 per %1</translation>
    </message>
</context>
<context>
    <name>vexalon::GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;uono</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;Clear the high score</source>
        <translation>Azzera il &amp;record</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Suono attivo</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Suono spento</translation>
    </message>
</context>
<context>
    <name>vexalon::GameWindow</name>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>[Clear]</source>
        <translation>[Azzera]</translation>
    </message>
    <message>
        <source>Clear the high score</source>
        <translation>Azzera il record</translation>
    </message>
    <message>
        <source>Combo x</source>
        <translation>Combo x</translation>
    </message>
    <message>
        <source>Erasers:</source>
        <translation>Gomme:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Vexalon - by Oskel</source>
        <translation>Vexalon - di Oskel</translation>
    </message>
</context>
<context>
    <name>vexalon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;The goal&lt;/h2&gt;&lt;p&gt;Make lines of three squares of one colour, in a row or a column, and score as much as you can.&lt;/p&gt;&lt;h2&gt;A step&lt;/h2&gt;&lt;p&gt;Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a square with both arrows, the half you click chooses). Each step scores 1. One second after your last step the board is scanned.&lt;/p&gt;&lt;h2&gt;Reactions and chains&lt;/h2&gt;&lt;p&gt;Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows &quot;Combo x&quot; with its length.&lt;/p&gt;&lt;h2&gt;Full lines and erasers&lt;/h2&gt;&lt;p&gt;A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. Click a plain square (no arrow) to spend an eraser on it.&lt;/p&gt;&lt;h2&gt;The trial&lt;/h2&gt;&lt;p&gt;Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep the first that reacts.&lt;/p&gt;&lt;h2&gt;The multi-colour square&lt;/h2&gt;&lt;p&gt;It counts as every colour.&lt;/p&gt;&lt;h2&gt;Levels and difficulty&lt;/h2&gt;&lt;p&gt;After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the next new game starts at.&lt;/p&gt;&lt;h2&gt;The end&lt;/h2&gt;&lt;p&gt;The game is over when nothing reacts and no arrow square is left. The best score is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Lo scopo&lt;/h2&gt;&lt;p&gt;Forma linee di tre caselle dello stesso colore, in una riga o in una colonna, e fai più punti che puoi.&lt;/p&gt;&lt;h2&gt;Un passo&lt;/h2&gt;&lt;p&gt;Fai clic su una casella con una freccia: il suo colore avanza di un passo (una freccia in su conta in avanti, una freccia in giù all’indietro; su una casella con entrambe le frecce decide la metà su cui fai clic). Ogni passo vale 1 punto. Un secondo dopo il tuo ultimo passo il tabellone viene esaminato.&lt;/p&gt;&lt;h2&gt;Reazioni e catene&lt;/h2&gt;&lt;p&gt;Ogni linea di tre dello stesso colore reagisce: viene segnata, sparisce, le caselle intorno chiudono il vuoto e nuove caselle riempiono il tabellone, che può reagire ancora. Ogni reazione vale 10 punti. Una catena di due o più mostra «Combo x» con la sua lunghezza.&lt;/p&gt;&lt;h2&gt;Linee intere e gomme&lt;/h2&gt;&lt;p&gt;Una riga o una colonna intera segnata in un colpo solo fa guadagnare una gomma (fino a tre) e spazza via il suo colore da tutto il tabellone. Fai clic su una casella semplice (senza freccia) per usarci una gomma.&lt;/p&gt;&lt;h2&gt;La prova&lt;/h2&gt;&lt;p&gt;Fai clic destro su una casella con freccia (oppure Maiusc, Ctrl o Alt e clic) per provare ogni colore che può raggiungere e tenere il primo che reagisce.&lt;/p&gt;&lt;h2&gt;La casella multicolore&lt;/h2&gt;&lt;p&gt;Vale come qualsiasi colore.&lt;/p&gt;&lt;h2&gt;Livelli e difficoltà&lt;/h2&gt;&lt;p&gt;Ogni 21 reazioni il livello sale e arrivano meno frecce. La barra della difficoltà sceglie il livello da cui parte la prossima partita.&lt;/p&gt;&lt;h2&gt;La fine&lt;/h2&gt;&lt;p&gt;La partita finisce quando niente reagisce e non resta alcuna casella con freccia. Il punteggio migliore resta come record.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>step a square, or spend an eraser on a plain one</source>
        <translation>far avanzare una casella di un passo, o usare una gomma su una casella semplice</translation>
    </message>
    <message>
        <source>Right click, or Shift, Ctrl or Alt and click</source>
        <translation>Clic destro, oppure Maiusc, Ctrl o Alt e clic</translation>
    </message>
    <message>
        <source>a trial; outside the board, the menu</source>
        <translation>una prova; fuori dal tabellone, il menu</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maiusc+Tab</translation>
    </message>
    <message>
        <source>go round New game, the difficulty bar, [Clear] and the board</source>
        <translation>passare in giro tra Ricomincia, la barra della difficoltà, [Azzera] e il tabellone</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Ctrl+Home, Ctrl+End</source>
        <translation>Frecce, Home, Fine, Ctrl+Home, Ctrl+Fine</translation>
    </message>
    <message>
        <source>move over the board</source>
        <translation>muoversi sul tabellone</translation>
    </message>
    <message>
        <source>Space, Enter, Page Up</source>
        <translation>Spazio, Invio, Pag su</translation>
    </message>
    <message>
        <source>a click on the square&apos;s upper half</source>
        <translation>un clic sulla metà superiore della casella</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>a click on the lower half: a square with both arrows steps down</source>
        <translation>un clic sulla metà inferiore: una casella con entrambe le frecce scende di un passo</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, or Shift, Ctrl or Alt with those keys</source>
        <translation>Menu, Maiusc+F10, oppure Maiusc, Ctrl o Alt con quei tasti</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>a hint</source>
        <translation>un suggerimento</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>sound on or off</source>
        <translation>suono sì o no</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>hear the score, level, erasers and high score</source>
        <translation>sentire punti, livello, gomme e record</translation>
    </message>
    <message>
        <source>Ctrl+N, F2</source>
        <translation>Ctrl+N, F2</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nuova partita</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>questo aiuto</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; the high score is kept</source>
        <translation>uscire; il record resta salvato</translation>
    </message>
    <message>
        <source>Mouse and keys</source>
        <translation>Mouse e tasti</translation>
    </message>
    <message>
        <source>The squares</source>
        <translation>Le caselle</translation>
    </message>
    <message>
        <source>How to play Vexalon</source>
        <translation>Come si gioca a Vexalon</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
</context>
<context>
    <name>vexalon::HintView</name>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Suggerimento: riga %1, colonna %2.</translation>
    </message>
    <message>
        <source>%1 steps it to %2.</source>
        <translation>%1 la porta a %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>A trial (right-click, or the Menu key) makes it %1.</source>
        <translation>Una prova (clic destro o tasto Menu) la porta a %1.</translation>
    </message>
    <message>
        <source>The board is still moving; ask again once it settles.</source>
        <translation>Il tabellone si sta ancora muovendo; chiedi di nuovo quando si ferma.</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Fine partita: Ctrl+N o F2 avvia una nuova partita.</translation>
    </message>
    <message>
        <source>Nothing reacts now. An eraser is left: click a plain square to take it away.</source>
        <translation>Ora non reagisce niente. Resta una gomma: fai clic su una casella semplice per toglierla.</translation>
    </message>
    <message>
        <source>Nothing reacts now. New game (F2) deals a new board.</source>
        <translation>Ora non reagisce niente. Nuova partita (F2) dà un nuovo tabellone.</translation>
    </message>
</context>
<context>
    <name>vexalon::Narration</name>
    <message>
        <source>violet</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>All colours</source>
        <translation>Tutti i colori</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuota</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, segnata</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, frecce su e giù</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, freccia su</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, freccia giù</translation>
    </message>
    <message>
        <source>Space spends an eraser on it</source>
        <translation>Spazio ci usa una gomma</translation>
    </message>
    <message>
        <source>Space does nothing here</source>
        <translation>Spazio qui non fa niente</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>in su a %1</translation>
    </message>
    <message>
        <source>down to %1</source>
        <translation>in giù a %1</translation>
    </message>
    <message>
        <source>Space or Page Down steps %1</source>
        <translation>Spazio o Pag giù passa %1</translation>
    </message>
    <message>
        <source>Space steps %1; Page Down steps %2</source>
        <translation>Spazio passa %1; Pag giù passa %2</translation>
    </message>
    <message>
        <source>Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.</source>
        <translation>Punti %1, livello %2, gomme %3, record %4, difficoltà %5 per la prossima partita.</translation>
    </message>
    <message>
        <source>Game over. %1</source>
        <translation>Fine partita. %1</translation>
    </message>
    <message numerus="yes">
        <source>Removed, %n erasers left</source>
        <translation>
            <numerusform>Tolta, resta %n gomma</numerusform>
            <numerusform>Tolta, restano %n gomme</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed, no eraser left</source>
        <translation>Tolta, nessuna gomma rimasta</translation>
    </message>
    <message>
        <source>No eraser left</source>
        <translation>Nessuna gomma rimasta</translation>
    </message>
    <message>
        <source>All colours has no arrow to step</source>
        <translation>La casella Tutti i colori non ha frecce</translation>
    </message>
    <message>
        <source>No colour reacts</source>
        <translation>Nessun colore reagisce</translation>
    </message>
    <message>
        <source>Game over: Ctrl+N or F2 starts a new game.</source>
        <translation>Fine partita: Ctrl+N o F2 avvia una nuova partita.</translation>
    </message>
    <message>
        <source>New game, level %1.</source>
        <translation>Nuova partita, livello %1.</translation>
    </message>
    <message>
        <source>board ready</source>
        <translation>tabellone pronto</translation>
    </message>
    <message>
        <source>Combo x %1</source>
        <translation>Combo x %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reactions</source>
        <translation>
            <numerusform>%n reazione</numerusform>
            <numerusform>%n reazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points, score %1</source>
        <translation>
            <numerusform>%n punto, totale %1</numerusform>
            <numerusform>%n punti, totale %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erasers earned</source>
        <translation>
            <numerusform>una gomma guadagnata</numerusform>
            <numerusform>%n gomme guadagnate</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>livello %1</translation>
    </message>
    <message>
        <source>no reaction</source>
        <translation>nessuna reazione</translation>
    </message>
    <message>
        <source>Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.</source>
        <translation>Fine partita. Punti %1, un nuovo record. Ctrl+N o F2 avvia una nuova partita.</translation>
    </message>
    <message>
        <source>Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.</source>
        <translation>Fine partita. Punti %1, record %2. Ctrl+N o F2 avvia una nuova partita.</translation>
    </message>
</context>
<context>
    <name>vexalon::QtPlatform</name>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Vuoi davvero azzerare il record?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Azzera il record</translation>
    </message>
</context>
<context>
    <name>vexalon::SquareCell</name>
    <message>
        <source>, row %1, column %2</source>
        <translation>, riga %1, colonna %2</translation>
    </message>
</context>
</TS>
