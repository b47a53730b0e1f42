<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Impossibile mostrare il grafico: manca il modulo dei grafici di Quoxa.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 per %2: %3</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>«%1» non è tra le lettere e le cifre di un codice dadi.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Scrivi il codice dadi della partita da giocare.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Un codice dadi ha otto lettere e cifre; questo ne ha %n.</numerusform>
            <numerusform>Un codice dadi ha otto lettere e cifre; questo ne ha %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>L’ultimo carattere non va d’accordo con gli altri: uno di essi è scritto male.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Oggetto richiesto</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indice fuori dai limiti</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variabile oggetto o variabile del blocco With non impostata</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell’intervallo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Errore di accesso al percorso o al file: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Risorsa con identificatore «%1» non trovata</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 vince con %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 vincono a pari merito con %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1. %2 %3</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Impossibile riprendere la partita in corso: %1. È conservata come %2 e inizia una nuova partita.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>la partita in corso</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>la partita lasciata a metà</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>la partita finita</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>le statistiche svuotate</translation>
    </message>
    <message>
        <source>the damaged game</source>
        <translation>la partita danneggiata</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Impossibile riprendere la partita in corso: %1. Resta intatta come %2 e inizia una nuova partita.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>ha %1 giocatori</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 gioca al livello %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>ha %1 turni</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>il turno %1 ha %2 lanci</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>il turno %1 lancia un dado che non può lanciare</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>il turno %1 non segna nulla</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>il turno %1 segna %2 una seconda volta</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>il turno %1 segna %2 in %3, che i suoi dadi non danno</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>il turno %1 lancia dadi diversi da quelli di «%2»</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>il turno %1 lancia dadi diversi da quelli delle quote dei dadi dei giocatori</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>score %1 (%2)</source>
        <translation>segna %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>rilancia tutti i dadi</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>tieni %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Consiglio: lancia i dadi. Totale atteso: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Consiglio: segna %2 in %1. Totale atteso: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Consiglio: segna 0 in %1 (costa il minimo). Totale atteso: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Consiglio: rilancia tutti i dadi. Totale atteso: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Consiglio: tieni %1 e rilancia. Totale atteso: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 lancia i dadi.</translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 segna %2 in %3.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 rilancia tutti i dadi.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 tiene %2 e rilancia.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Novizio</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Amatore</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfetto</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>imprecisione</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>svarione</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Turno %1, lancio %2: %3 aveva %4 (i dadi hanno tolto %5), con un totale atteso di %6 giocando al meglio.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Turno %1, lancio %2: %3 aveva %4 (i dadi hanno dato %5), con un totale atteso di %6 giocando al meglio.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Giocata: %1 (atteso %2). Migliore: %3. Punti persi: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Giocata: %1 (atteso %2). Migliore: %3. Punti persi: %4 (%5).</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Nessun lancio rimasto.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Un lancio rimasto.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Due lanci rimasti.</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, tenuto</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, libero</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Totale partita %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 ottiene %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Totale di %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 guadagna il bonus superiore di %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Partita del giorno %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Codice dadi %1 accettato.</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>La quota dei dadi di %1 non corrisponde a quanto promesso dalla copia di %1: la partita non può continuare.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>La partita sulla copia di %1 differisce da questa dopo il turno %2: le copie non sono più allineate e la partita non può continuare.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>La copia di %1 ha inviato una mossa che questa partita non consente (%2): le copie non sono più allineate e la partita non può continuare.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>un lancio</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>tenere il dado %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>lasciare il dado %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>segnare %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>togliere l’ultimo punteggio</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>passare il turno</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Un computer gioca per %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 torna a giocare.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Questa copia non ha più le sue quote dei dadi per la partita, quindi non può tornarci.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 ha lasciato la partita.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 non c’è: la partita aspetta %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 è di nuovo qui.</translation>
    </message>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, che ospita la partita, l’ha lasciata: la partita è finita.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Lancia</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Assi</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Tot. sezione</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Scala piccola</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Scala grande</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Tot. partita</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Totale sezione superiore</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Totale sezione inferiore</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Un’altra copia di %1 sta usando l’archivio: per salvare %2 si attende che sia libero.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Un’altra copia di %1 sta ancora usando l’archivio: impossibile salvare %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Errore n. </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation>le impostazioni</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quoxa, a dice game for one to four players sharing one window.</source>
        <translation>Quoxa, un gioco di dadi da uno a quattro giocatori in una sola finestra.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Collegamento: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Un gioco di dadi da uno a quattro giocatori.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 gli autori di Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Domande, idee, elogi:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Lancia i dadi.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Lanci rimasti: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Tieni dei dadi e rilancia, o scegli una categoria.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Scegli una categoria.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Fine partita.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>non lanciato</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>C&amp;onsiglio</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Classifica...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Mostra la classifica</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analisi...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiche...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Annulla l’ultimo punteggio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Cambia i colori dei dadi</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Giocatori</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Cambia i giocatori</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Co&amp;mputer...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra di stato</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli s&amp;trumenti</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Segnapunti</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Mostra il segnapunti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licenza</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>Informazioni su &amp;Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Mostra le informazioni sul programma</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Attiva o disattiva i suoni</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Consiglio: calcolo in corso...</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Premi «Continua» o «Annulla» per togliere il punteggio.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n punto</numerusform>
            <numerusform>%1: %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partita del &amp;giorno</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Gioca con un co&amp;dice dadi...</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Gioca con un codice dadi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» non è un codice dadi. Un codice dadi è fatto di otto lettere e cifre, come appare sul segnapunti (per esempio K7QX-93R1); controllalo e riprova.</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Il codice dadi della partita da giocare, come appare sul suo segnapunti (per esempio K7QX-93R1):</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 gioca su un’altra copia della partita.</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Gioca &amp;online...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Dimensioni &amp;effettive</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Il tavolo al %1% non entrerebbe nello schermo: è mostrato al %2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Giocatori</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Co&amp;mputer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Pallini</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Numero giocatori:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Numero di giocatori</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Numero di giocatori, su e giù</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Nomi dei giocatori:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nome del giocatore %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivati</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivati</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Il computer gioca per:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pausa tra le mosse:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pausa tra le mosse</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: rosso %2, verde %3, blu %4</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Un giocatore in più</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Un giocatore in meno</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Livello di %1: %2</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: valori predefiniti ripristinati.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Analisi della partita</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Punti persi</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Imprecisioni</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Svarioni</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Inizio, fortuna e punti persi</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisioni</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Lancio</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocata</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Calcolo del gioco migliore in corso...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Totale atteso dopo ogni decisione</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Tutte le decisioni</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Solo le sviste</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 fortuna − %3 persi = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 fortuna − %3 persi = %4 atteso</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Decisioni di %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Ancora nessuna decisione: l’analisi cresce man mano che si gioca.</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Svista</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Ancora nessuna decisione: il grafico inizia con la prima.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Segnapunti</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Rivincita</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analisi</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, ultimo punteggio</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copia risultato</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Partita del giorno %1, codice dadi %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Codice dadi: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Il massimo che questi dadi consentono: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Computer Perfetto su questi dadi: calcolo in corso...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Computer Perfetto su questi dadi: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 meno del computer Perfetto</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 più del computer Perfetto</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, pari al computer Perfetto</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, partita del giorno %1: %2, Perfetto %3, massimo %4</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>i %2 punti di %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Vuoi davvero azzerare tutti i punteggi?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>la classifica azzerata</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 raggiunge il %2° posto con %3.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Dev. std.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Bonus sup.</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partita:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analisi</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Svuota</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Ancora nessuna partita finita.</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totali di %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Totale partita</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Svuota le statistiche</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Vuoi davvero cancellare le partite finite?</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (non finita)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (computer, %2)</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Del giorno</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1 (del giorno)</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Sotto Perfetto</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Sotto il massimo</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Il server ha rifiutato l’accesso: controlla l’indirizzo e la password.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Il server non è raggiungibile: controlla l’indirizzo e la connessione di rete.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Il certificato del server non è attendibile, quindi Quoxa non vi si collega.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>La stanza della partita non esiste più.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Qualcuno nella stanza della partita usa già questo nome.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>La stanza della partita non ti lascia entrare.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>La connessione al server si è interrotta.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Impossibile giocare online: manca il modulo online di Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>manca il modulo online</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>non ha accettato la password</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Gioca online</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Ricorda</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Ospita una partita</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unisciti</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>In&amp;vito:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>In&amp;vita</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>A&amp;mico:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Posti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Aggiungi &amp;computer</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>I&amp;nizia</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>La password non può essere conservata: il portachiavi del desktop non risponde (%1). Scrivila di nuovo la prossima volta.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Scrivi il tuo indirizzo, come ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Incolla l’invito, come xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Sul tavolo è in corso una partita online: iniziane lì una nuova per lasciarla.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Apertura della stanza della partita %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Ingresso in %1...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>La stanza della tua partita è aperta e il suo invito copiato: mandalo ai tuoi amici, o invitali da qui.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>In attesa che chi ospita inizi la partita.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(una mossa in una partita di Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>La partita è in corso.</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Tutti i posti sono occupati.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Scrivi l’indirizzo del tuo amico, come bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 ti invita a una partita di Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 è invitato.</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>In attesa che ogni copia sia pronta...</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 ti invita a una partita. Unirti?</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>La stanza della partita non contiene più la partita, quindi Quoxa non può tornarci.</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa è stato chiuso durante una partita online: premi «Unisciti» per tornarci.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Ritorno alla partita...</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ha lasciato</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Assente</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>&amp;Sostituisci con il computer</translation>
    </message>
</context>
</TS>
