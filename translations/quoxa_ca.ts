<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 per %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>No es pot mostrar el gràfic: falta el mòdul de gràfics de Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>«%1» no és cap de les lletres ni de les xifres d&apos;un codi de daus.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Escriviu el codi de daus de la partida que voleu jugar.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Un codi de daus té vuit lletres i xifres; aquest en té %n.</numerusform>
            <numerusform>Un codi de daus té vuit lletres i xifres; aquest en té %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>L&apos;últim caràcter no concorda amb els altres: n&apos;hi ha un d&apos;escrit malament.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Cal un objecte</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Índex fora dels límits</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable d&apos;objecte o variable de bloc With no definida</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordament</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndex fora de l&apos;interval</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Els tipus no coincideixen</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Error d&apos;accés al camí o al fitxer: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>No s&apos;ha trobat el recurs amb l&apos;identificador «%1»</translation>
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
        <translation>%1 guanya amb %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 comparteixen la victòria amb %2.</translation>
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
        <translation>no es pot llegir</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>la partida malmesa</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>No s&apos;ha pogut recuperar la partida en curs: %1. Es queda intacta com a %2 i comença una partida nova.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>No s&apos;ha pogut recuperar la partida en curs: %1. Es conserva com a %2 i comença una partida nova.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>la partida en curs</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>la partida inacabada</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>la partida acabada</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>el buidatge de les estadístiques</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>té %1 jugadors</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 juga al nivell %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>té %1 torns</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>el torn %1 té %2 tirades</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>el torn %1 tira daus que les parts de daus dels jugadors no donen</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>el torn %1 tira un dau que no pot tirar</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>el torn %1 tira daus que %2 no dona</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>el torn %1 no anota res</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>el torn %1 anota a %2 per segona vegada</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>el torn %1 anota %2 a %3, cosa que els seus daus no fan</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 anota %2 a %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>No queda cap tirada.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Queda una tirada.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Queden dues tirades.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, lliure</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dau %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, guardat</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Total general %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 treu %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1 suma un total de %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 guanya el bonus superior de %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Partida del dia %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Codi de daus %1 acceptat.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiant</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Aficionat</translation>
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
        <translation>Perfecte</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>anotar a %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>tornar a tirar els cinc</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>guardar %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Pista: tireu els daus. Total final esperat: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Pista: anoteu %2 a %1. Total final esperat: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Pista: anoteu 0 a %1 (és el que menys costa). Total final esperat: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Pista: torneu a tirar els cinc. Total final esperat: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Pista: guardeu %1 i torneu a tirar. Total final esperat: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 tira els daus.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 torna a tirar els cinc daus.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 guarda %2 i torna a tirar.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>imprecisió</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>error</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>pífia</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Torn %1, tirada %2: %3 tenia %4 (els daus li han pres %5) i, jugant al millor possible, esperava %6 al final.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Torn %1, tirada %2: %3 tenia %4 (els daus li han donat %5) i, jugant al millor possible, esperava %6 al final.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Jugada: %1 (esperat %2). Millor: %3. Punts perduts: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Jugada: %1 (esperat %2). Millor: %3. Punts perduts: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, l&apos;amfitrió de la partida, l&apos;ha deixada: la partida s&apos;ha acabat.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 ha deixat la partida.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>La part de daus que ha enviat %1 no coincideix amb el que havia promès la seva còpia: la partida no pot continuar.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>La partida de la còpia que fa servir %1 difereix d&apos;aquesta després del torn %2: les còpies s&apos;han desincronitzat i la partida no pot continuar.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>La còpia que fa servir %1 ha enviat una jugada que aquesta partida no permet (%2): les còpies s&apos;han desincronitzat i la partida no pot continuar.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>una tirada</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>guardar el dau %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>deixar anar el dau %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>anotar a %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>desfer la darrera puntuació</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>passar el torn</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Un ordinador juga per %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 torna a jugar.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Aquesta còpia ja no té les seves parts de daus per a la partida, així que no hi pot tornar.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 no hi és: la partida espera %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ha tornat.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nova</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Uns</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dosos</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Tresos</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatres</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincs</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sisos</translation>
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
        <translation>Trio</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Pòquer</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Escala petita</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Escala gran</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Atzar</translation>
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
        <translation>Una altra còpia de %1 està fent servir les dades: %2 es desarà quan quedin lliures.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Una altra còpia de %1 encara fa servir les dades: no s&apos;ha pogut desar %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Error núm.: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>la configuració</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quoxa, a dice game for one to four players sharing one window.</source>
        <translation>Quoxa, un joc de daus d&apos;un a quatre jugadors que comparteixen una sola finestra.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Enllaç: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contingut</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índex</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Endavant</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Un joc de daus d&apos;un a quatre jugadors.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 l&apos;equip de Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Preguntes, idees, elogis:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Llicència</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Quant a %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Tireu els daus.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Tirades restants: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadors</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Guardeu daus i torneu a tirar, o trieu una categoria.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Trieu una categoria.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Premeu «Continua» o bé «Desfés» per desfer la darrera puntuació.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Fi de la partida.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>sense tirar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>buida</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n punt</numerusform>
            <numerusform>%1: %n punts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punts</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 juga en una altra còpia del joc.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Partida &amp;nova</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Comença una partida nova</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partida del &amp;dia</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Juga amb un &amp;codi de daus…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Juga en &amp;línia…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Rècords…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Mostra els rècords</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Anàlisi de la partida…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadístiques…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Surt del joc</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edita</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Desfés la darrera puntuació</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Desfés la darrera puntuació</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcions</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colors</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Canvia els colors dels daus</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadors</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Canvia els jugadors</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Ordinador…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualitza</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra d&apos;es&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra d&apos;&amp;eines</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Full de puntuació</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Mostra el full de puntuació</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Amplia</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Redueix</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Mida real</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contingut</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndex</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>Contracte de &amp;llicència</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Quant a Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Mostra informació del programa</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Activa o desactiva els sons</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Pista: s&apos;està calculant…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» no és un codi de daus. Un codi de daus té vuit lletres i xifres, tal com el mostra el full de puntuació (per exemple, K7QX-93R1); comproveu-lo i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Juga amb un codi de daus</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>El codi de daus de la partida que voleu jugar, tal com el mostra el seu full de puntuació (per exemple, K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>El tauler al %1&#xa0;% no cabria a la pantalla: es mostra al %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcions</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colors</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadors</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Ordinador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Restaura</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: vermell %2, verd %3, blau %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: valors per defecte restaurats.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Daus</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Jugadors:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Nombre de jugadors</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Nombre de jugadors, amunt i avall</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Un jugador més</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Un jugador menys</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Noms dels jugadors:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nom del jugador %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Nivell per a %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activats</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivats</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>L&apos;ordinador juga per:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pausa entre jugades:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pausa entre jugades</translation>
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
        <translation>Anàlisi de la partida</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resum</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Punts perduts</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Imprecisions</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Pífies</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Inici, sort i punts perduts</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisions</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Torn</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Daus</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Millor</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Relliscada</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>S&apos;està calculant la millor jugada…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total final esperat després de cada decisió</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Encara no hi ha decisions: el gràfic comença amb la primera.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Totes les decisions</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Només les relliscades</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 de sort − %3 perduts = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 de sort − %3 perduts = %4 esperats</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Decisions: %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Encara no hi ha decisions: l&apos;anàlisi creix a mesura que es juga la partida.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Full de puntuació</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugades</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Torna a jugar</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analitza</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>buida</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, darrera puntuació</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copia el resultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiat</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Partida del dia %1, codi de daus %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Codi de daus: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>El màxim que permeten aquests daus: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Ordinador Perfecte amb aquests daus: s&apos;està calculant…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Ordinador Perfecte amb aquests daus: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 menys que l&apos;ordinador Perfecte</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 més que l&apos;ordinador Perfecte</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, igual que l&apos;ordinador Perfecte</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, partida del dia %1: %2, Perfecte %3, màxim %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>la puntuació %2 (%1)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rècords</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Buida la taula</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punts</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posició</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 arriba a la posició %2 amb %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Segur que voleu buidar la taula de rècords?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>el buidatge dels rècords</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadístiques</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partides</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victòries</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mitjana</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Millor</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Desv. típ.</translation>
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
        <translation>Del dia</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Sota Perf.</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Sota màx.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partida:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analitza</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Buida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
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
        <translation>%1 (del dia)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (inacabada)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (ordinador, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sobre %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totals: %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Encara no hi ha cap partida acabada.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Buida les estadístiques</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Segur que voleu esborrar les partides acabades?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>El servidor ha rebutjat l&apos;inici de sessió: comproveu l&apos;adreça i la contrasenya.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>No es pot accedir al servidor: comproveu l&apos;adreça i la connexió a la xarxa.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>El certificat del servidor no és de confiança, així que Quoxa no s&apos;hi connecta.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>La sala de la partida ja no existeix.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Algú de la sala de la partida ja fa servir aquest nom.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>La sala de la partida no us deixa entrar.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>S&apos;ha perdut la connexió amb el servidor.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>No es pot jugar en línia: falta el mòdul en línia de Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>falta el mòdul en línia</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>no ha acceptat la contrasenya</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Juga en línia</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Recorda</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dreça:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Contra&amp;senya:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Obre una partida</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Entra</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Invitació:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Con&amp;vida</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>A&amp;mic:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Afegeix un ordi&amp;nador</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Comença</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Que hi &amp;jugui l&apos;ordinador</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>No es pot guardar la contrasenya: l&apos;anell de claus de l&apos;escriptori no respon (%1). Torneu-la a escriure la propera vegada.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>La sala de la partida ja no conté la partida, així que Quoxa no hi pot tornar.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Escriviu la vostra adreça, com ara ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Enganxeu la invitació, com ara xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Hi ha una partida en línia en curs al tauler: per deixar-la, comenceu-hi una partida nova.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>S&apos;està connectant a %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>S&apos;està obrint la sala de la partida %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>S&apos;està entrant a %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa s&apos;ha tancat durant una partida en línia: premeu «Entra» per tornar-hi.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>S&apos;està tornant a la partida…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>La sala de la vostra partida és oberta i la invitació s&apos;ha copiat: envieu-la als vostres amics o convideu-los des d&apos;aquí.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>S&apos;espera que l&apos;amfitrió comenci la partida.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(una jugada en una partida de Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>La partida ha començat.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Escriviu l&apos;adreça del vostre amic, com ara bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 us convida a una partida de Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>S&apos;ha convidat %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 us convida a una partida. Hi voleu entrar?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Totes les places estan ocupades.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordinador: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ha marxat</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Ordinador %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>S&apos;espera que totes les còpies estiguin a punt…</translation>
    </message>
</context>
</TS>
