<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 după %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Graficul nu poate fi afișat: lipsește modulul de grafice al programului Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>„%1” nu se numără printre literele și cifrele unui cod de zaruri.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Introduceți codul de zaruri al partidei pe care doriți să o jucați.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Un cod de zaruri are opt litere și cifre; acesta are %n.</numerusform>
            <numerusform>Un cod de zaruri are opt litere și cifre; acesta are %n.</numerusform>
            <numerusform>Un cod de zaruri are opt litere și cifre; acesta are %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Ultimul caracter nu se potrivește cu celelalte: unul dintre ele este scris greșit.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Este necesar un obiect</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index în afara limitelor</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variabila de obiect sau variabila blocului With nu este setată</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Depășire</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice în afara intervalului</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipuri nepotrivite</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Eroare de acces la cale sau fișier: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Resursa cu identificatorul „%1” nu a fost găsită</translation>
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
        <translation>%1 câștigă cu %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 împart victoria cu %2.</translation>
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
        <translation>nu poate fi citită</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>partida deteriorată</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Partida în curs nu a putut fi recuperată: %1. Rămâne neatinsă ca %2 și începe o partidă nouă.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Partida în curs nu a putut fi recuperată: %1. Este păstrată ca %2 și începe o partidă nouă.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>partida în curs</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>partida neterminată</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>partida terminată</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>golirea statisticilor</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>numărul de jucători este %1</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 joacă la nivelul %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>numărul de ture este %1</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>numărul de aruncări din tura %1 este %2</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>tura %1 aruncă zaruri pe care părțile de zaruri ale jucătorilor nu le dau</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>tura %1 aruncă un zar pe care nu îl poate arunca</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>tura %1 aruncă zaruri pe care %2 nu le dă</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>tura %1 nu înscrie nimic</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>tura %1 înscrie a doua oară la %2</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>tura %1 înscrie %2 la %3, ceea ce zarurile ei nu fac</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 înscrie %2 la %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Nu mai este nicio aruncare.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Mai este o aruncare.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Mai sunt două aruncări.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, liber</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Zarul %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, păstrat</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Total general %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 obține %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1 are în total %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 primește bonusul superior de %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Partida zilei din %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Codul de zaruri %1 a fost acceptat.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Începător</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Amator</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>înscrie la %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>aruncă toate</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>păstrează %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Sugestie: aruncați zarurile. Total final așteptat: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Sugestie: înscrieți %2 la %1. Total final așteptat: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Sugestie: înscrieți 0 la %1 (costă cel mai puțin). Total final așteptat: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Sugestie: aruncați din nou toate cele cinci zaruri. Total final așteptat: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Sugestie: păstrați %1 și aruncați din nou. Total final așteptat: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 aruncă zarurile.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 aruncă din nou toate cele cinci zaruri.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 păstrează %2 și aruncă din nou.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>imprecizie</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>greșeală</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>gafă</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tura %1, aruncarea %2: %3 avea %4 (zarurile i-au luat %5) și, jucând cât mai bine, putea aștepta %6 la final.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tura %1, aruncarea %2: %3 avea %4 (zarurile i-au dat %5) și, jucând cât mai bine, putea aștepta %6 la final.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Jucat: %1 (așteptat %2). Optim: %3. Puncte pierdute: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Jucat: %1 (așteptat %2). Optim: %3. Puncte pierdute: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, gazda partidei, a părăsit-o: partida s-a încheiat.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 a părăsit partida.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Partea de zaruri trimisă de %1 nu corespunde cu ce promisese copia sa: partida nu poate continua.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Partida de pe copia folosită de %1 diferă de aceasta după tura %2: copiile nu mai sunt sincronizate, iar partida nu poate continua.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Copia folosită de %1 a trimis o mutare pe care această partidă nu o permite (%2): copiile nu mai sunt sincronizate, iar partida nu poate continua.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>o aruncare</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>păstrarea zarului %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>eliberarea zarului %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>înscrierea la %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>anularea ultimului scor</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>predarea rândului</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Calculatorul joacă pentru %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 joacă din nou.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Această copie nu mai are părțile sale de zaruri pentru partidă, așa că nu se poate întoarce la ea.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 lipsește: partida așteaptă până revine %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 a revenit.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Aruncă</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuă</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Joc nou</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Unu</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doi</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trei</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Patru</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinci</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Șase</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trei la fel</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Careu</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Chintă mică</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Chintă mare</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Șansă</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Subtotal superior</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Subtotal inferior</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>O altă copie a programului %1 folosește datele: se va salva %2 când acestea se eliberează.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>O altă copie a programului %1 încă folosește datele: nu s-a putut salva %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Eroarea nr.: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 și %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Jucătorul %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>configurația</translation>
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
        <translation>Quoxa, un joc cu zaruri pentru unul până la patru jucători care împart aceeași fereastră.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Legătură: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Cuprins</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Un joc cu zaruri pentru 1–4 jucători.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Dezvoltatorii Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Întrebări, idei, laude:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licență</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Despre %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Aruncați zarurile.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Aruncări rămase: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jucători</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puncte</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Păstrați zaruri și aruncați din nou sau alegeți o categorie.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Alegeți o categorie.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Apăsați „Continuă” sau „Anulează” pentru a anula ultimul scor.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Partida s-a încheiat.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nearuncat</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>goală</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n punct</numerusform>
            <numerusform>%1: %n puncte</numerusform>
            <numerusform>%1: %n de puncte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punct</numerusform>
            <numerusform>%n puncte</numerusform>
            <numerusform>%n de puncte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 joacă pe o altă copie a jocului.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Joc &amp;nou</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Începe un joc nou</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partida &amp;zilei</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Joacă cu un &amp;cod de zaruri…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Joacă &amp;online…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Sugestie</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Recorduri…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Afișează recordurile</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analiza partidei…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistici…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Ieșire din joc</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Anulează ultimul scor</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Anulează ultimul scor</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opțiuni</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Culori</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Schimbă culorile zarurilor</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jucători</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Schimbă jucătorii</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sunete</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Jucători calcula&amp;tor…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vizualizare</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Bara de &amp;stare</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Bara de &amp;unelte</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Fișa de punctaj</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Arată fișa de punctaj</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Mărește</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Mi&amp;cșorează</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Mărime &amp;reală</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Cuprins</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>Acordul de &amp;licență</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Despre Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Afișează informații despre program</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Activează sau dezactivează sunetele</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Sugestie: se calculează…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>„%1” nu este un cod de zaruri. Un cod de zaruri are opt litere și cifre, așa cum îl arată fișa de punctaj (de exemplu K7QX-93R1); verificați-l și încercați din nou.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Joacă cu un cod de zaruri</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Codul de zaruri al partidei de jucat, așa cum îl arată fișa ei de punctaj (de exemplu K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Tabla la %1% nu ar încăpea pe ecran: este afișată la %2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Culori</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jucători</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sunete</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Calcula&amp;tor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Implicit</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: roșu %2, verde %3, albastru %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: valorile implicite au fost restabilite.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zaruri</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Puncte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Culoare</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Număr de jucători:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Număr de jucători</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Număr de jucători, mai mulți sau mai puțini</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Un jucător în plus</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Un jucător în minus</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Numele jucătorilor:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Numele jucătorului %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Nivelul pentru %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Dezactivate</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Calculatorul joacă pentru:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pauză între mutări:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pauză între mutări</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Analiza partidei</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Rezumat</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Puncte pierdute</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Noroc</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Imprecizii</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Greșeli</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Gafe</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Început, noroc și puncte pierdute</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Arată:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decizii</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tură</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Aruncare</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zaruri</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jucat</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Optim</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Scăpare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Se calculează jocul optim…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total final așteptat după fiecare decizie</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puncte</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Nicio decizie încă: graficul începe cu prima.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Toate deciziile</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Doar scăpările</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 noroc − %3 pierdute = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 noroc − %3 pierdute = %4 așteptate</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Decizii: %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Nicio decizie încă: analiza crește pe măsură ce se joacă partida.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Fișa de punctaj</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mutări</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Joacă din &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analizează</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>goală</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, ultimul scor</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copiază rezultatul</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiat</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Partida zilei din %1, cod de zaruri %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Cod de zaruri: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Maximul permis de aceste zaruri: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Calculatorul Perfect cu aceste zaruri: se calculează…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Calculatorul Perfect cu aceste zaruri: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, cu %3 sub calculatorul Perfect</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, cu %3 peste calculatorul Perfect</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, la egalitate cu calculatorul Perfect</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, partida zilei din %1: %2, Perfect %3, maxim %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>scorul %2 (%1)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recorduri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Golește tabelul</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puncte</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Loc</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 ajunge pe locul %2 cu %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Sigur doriți să goliți tabelul de recorduri?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>golirea recordurilor</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistici</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partide</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorii</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Medie</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Abat. std.</translation>
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
        <source>Daily</source>
        <translation>Zilnice</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Sub Perfect</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Sub max.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partida:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analizează</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Golește</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
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
        <source>%1 (daily)</source>
        <translation>%1 (a zilei)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (neterminată)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (calculator, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 din %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totaluri: %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Nicio partidă terminată încă.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Golește statisticile</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Sigur doriți să ștergeți partidele terminate?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Serverul a refuzat autentificarea: verificați adresa și parola.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Serverul nu poate fi contactat: verificați adresa și conexiunea la rețea.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Certificatul serverului nu este de încredere, așa că Quoxa nu se conectează la el.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Camera partidei nu mai există.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Cineva din camera partidei folosește deja acest nume.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Camera partidei nu vă permite să intrați.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Conexiunea la server s-a întrerupt.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Jocul online nu poate începe: lipsește modulul online al programului Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>lipsește modulul online</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>nu a acceptat parola</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Joacă online</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Reține</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresă:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Parolă:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Găzduiește o partidă</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Intră</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>In&amp;vitație:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Invi&amp;tă</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>Pri&amp;eten:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Locuri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Adaugă &amp;calculator</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Î&amp;ncepe</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Înlocuiește cu calcu&amp;latorul</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Parola nu poate fi păstrată: portcheiul desktopului nu răspunde (%1). Introduceți-o din nou data viitoare.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Camera partidei nu mai conține partida, așa că Quoxa nu se poate întoarce la ea.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Introduceți adresa dumneavoastră, de exemplu ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Lipiți invitația, de exemplu xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Pe tablă este în curs o partidă online: începeți acolo o partidă nouă pentru a o părăsi.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectare la %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Se deschide camera partidei %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Intrare în %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa a fost închis în timpul unei partide online: apăsați „Intră” pentru a reveni la ea.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Revenire la partidă…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Camera partidei dumneavoastră este deschisă, iar invitația a fost copiată: trimiteți-o prietenilor sau invitați-i de aici.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Se așteaptă ca gazda să înceapă partida.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(o mutare într-o partidă de Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Partida a început.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Introduceți adresa prietenului, de exemplu bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 vă invită la o partidă de Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>Invitație trimisă: %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 vă invită la o partidă. Intrați?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Toate locurile sunt ocupate.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persoană</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Calculator: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>A plecat</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Lipsește</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Calculator %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Se așteaptă ca toate copiile să fie pregătite…</translation>
    </message>
</context>
</TS>
