<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Diagrammet kan ikke vises: diagrammodulen til Quoxa mangler.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>«%1» er ikke blant bokstavene og sifrene i en terningkode.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Skriv inn terningkoden til spillet du vil spille.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>En terningkode har åtte bokstaver og sifre; denne har %n.</numerusform>
            <numerusform>En terningkode har åtte bokstaver og sifre; denne har %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Det siste tegnet passer ikke med de andre: ett av dem er skrevet feil.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objekt kreves</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indeks utenfor grensene</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariabel eller With-blokkvariabel er ikke angitt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks utenfor område</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typene samsvarer ikke</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Feil ved tilgang til bane/fil: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Finner ikke ressursen med identifikatoren «%1»</translation>
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
        <translation>%1 vinner med %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 deler seieren med %2.</translation>
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
        <translation>det kan ikke leses</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>det skadde spillet</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Spillet som pågikk, kunne ikke hentes tilbake: %1. Det ligger urørt som %2, og et nytt spill begynner.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Spillet som pågikk, kunne ikke hentes tilbake: %1. Det er tatt vare på som %2, og et nytt spill begynner.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>spillet som pågår</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>det uferdige spillet</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>det ferdige spillet</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>den tømte statistikken</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>det har %1 spillere</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 spiller på nivå %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>det har %1 turer</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>tur %1 har %2 kast</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>tur %1 kaster terninger som spillernes terningandeler ikke gir</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>tur %1 kaster en terning den ikke kan kaste</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>tur %1 kaster terninger som %2 ikke gir</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>tur %1 skriver ingen poeng</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>tur %1 skriver i %2 for andre gang</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>tur %1 skriver %2 i %3, som terningene ikke gir</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 skriver %2 i %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Ingen kast igjen.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Ett kast igjen.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>To kast igjen.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, fri</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Terning %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, holdt</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Totalsum %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 kaster %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1 har totalsum %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 får den øvre bonusen på %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Dagens spill for %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Terningkode %1 godtatt.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Nybegynner</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Hobby</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubb</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>skriv i %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>kast alle fem på nytt</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>behold %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tips: kast terningene. Forventet totalsum: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tips: skriv %2 i %1. Forventet totalsum: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tips: skriv 0 i %1 (det koster minst). Forventet totalsum: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tips: kast alle fem på nytt. Forventet totalsum: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tips: behold %1 og kast på nytt. Forventet totalsum: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 kaster terningene.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 kaster alle fem på nytt.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 beholder %2 og kaster på nytt.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>unøyaktighet</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>feil</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>bukk</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tur %1, kast %2: %3 hadde %4 (terningene tok %5) og kunne forvente %6 til slutt med beste spill.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tur %1, kast %2: %3 hadde %4 (terningene ga %5) og kunne forvente %6 til slutt med beste spill.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Spilt: %1 (forventet %2). Best: %3. Tapte poeng: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Spilt: %1 (forventet %2). Best: %3. Tapte poeng: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, som er vert for spillet, har forlatt det: spillet er over.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 har forlatt spillet.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Terningandelen til %1 stemmer ikke med det kopien til %1 lovet: spillet kan ikke fortsette.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Spillet på kopien til %1 avviker fra dette etter tur %2: kopiene er ute av takt, og spillet kan ikke fortsette.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Kopien til %1 sendte et trekk som dette spillet ikke tillater (%2): kopiene er ute av takt, og spillet kan ikke fortsette.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>et kast</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>holde terning %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>slippe terning %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>skrive i %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>angre siste poeng</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>gi turen videre</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>En datamaskin spiller for %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 spiller selv igjen.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Denne kopien har ikke lenger terningandelene sine for spillet, så den kan ikke gå tilbake til det.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 er borte: spillet venter på %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 er tilbake.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Kast</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spill</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Enere</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Toere</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treere</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Firere</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Femmere</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seksere</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tre like</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Fire like</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Liten straight</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Stor straight</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Sjanse</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Totalsum</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Sum øvre del</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Sum nedre del</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>En annen kopi av %1 bruker lageret: %2 lagres når det blir ledig.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>En annen kopi av %1 bruker fortsatt lageret: %2 kunne ikke lagres.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Feil nr.: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 og %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Spiller %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>innstillingene</translation>
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
        <translation>Quoxa, et terningspill for én til fire spillere som deler ett vindu.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Lenke: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Innhold</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fram</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Et terningspill for én til fire spillere.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxa-utviklerne.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Spørsmål, ideer, ros:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lisens</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Kast terningene.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Kast igjen: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spillere</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Hold terninger og kast på nytt, eller velg en rute.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Velg en rute.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Trykk «Fortsett», eller trykk «Angre» for å angre siste poeng.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Spillet er over.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>ikke kastet</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n poeng</numerusform>
            <numerusform>%1: %n poeng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n poeng</numerusform>
            <numerusform>%n poeng</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 spiller på en annen kopi av spillet.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spill</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Start nytt spill</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Dagens spill</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Spill terning&amp;kode…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Spill &amp;på nett…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>T&amp;oppliste…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Vis topplisten</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Gjennomgå spillet…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistikk…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Avslutt spillet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Angre siste poeng</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Angre siste poeng</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Innstillinger</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farger</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Endre terningfargene</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spillere</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Endre spillerne</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Lyder</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Datamaskinspillere…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statuslinje</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktøylinje</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Poengskjema</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Vis poengskjemaet</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;inn</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Faktisk størrelse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innhold</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;deks</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Lisensavtale</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Om Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Vis informasjon om programmet</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Slå lyder av/på</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tips: regner ut…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» er ikke en terningkode. En terningkode er åtte bokstaver og sifre, slik poengskjemaet viser den (for eksempel K7QX-93R1); sjekk den og prøv igjen.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Spill terningkode</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Terningkoden til spillet du vil spille, slik poengskjemaet viser den (for eksempel K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Brettet får ikke plass på skjermen med %1&#xa0;%: det vises med %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farger</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spillere</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Lyder</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Datamaskin</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: rød %2, grønn %3, blå %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: tilbake til standard.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Terninger</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Øyne</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Antall spillere:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Antall spillere</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Antall spillere, opp og ned</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Én spiller til</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Én spiller færre</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Spillernavn:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Navn på spiller %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Nivå for %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Datamaskinen spiller for:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pause mellom trekk:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pause mellom trekk</translation>
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
        <translation>Gjennomgang av spillet</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spiller</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Tapte poeng</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Flaks</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Unøyaktigheter</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Bukker</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, flaks og tapte poeng</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Vis:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Kast</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Terninger</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Spilt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Feilgrep</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Regner ut beste spill…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Forventet totalsum etter hvert valg</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Ingen valg ennå: diagrammet begynner med det første.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Alle valg</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Bare feilgrep</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 flaks − %3 tapt = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 flaks − %3 tapt = %4 forventet</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Valgene til %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Ingen valg ennå: gjennomgangen fylles ut etter hvert som spillet spilles.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Poengskjema</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Trekk</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Spill &amp;igjen</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Gjennomgå spillet</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, skrevet sist</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopier resultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Dagens spill for %1, terningkode %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Terningkode: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Det høyeste disse terningene gir: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Datamaskin (Perfekt) med disse terningene: regner ut…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Datamaskin (Perfekt) med disse terningene: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 under datamaskinen (Perfekt)</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 over datamaskinen (Perfekt)</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, likt med datamaskinen (Perfekt)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, dagens spill %1: %2, Perfekt %3, maks %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 poeng for %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Toppliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plass</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 når plass %2 med %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Er du sikker på at du vil nullstille topplisten?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>den nullstilte topplisten</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistikk</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Seire</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Snitt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Std.avvik</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Øvre bonus</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagens</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Under Perfekt</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Under maks</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spill:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Gjennomgå spillet</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Tøm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
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
        <translation>%1 (dagens)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (ikke fullført)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (datamaskin, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totalsummer for %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Totalsum</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Ingen fullførte spill ennå.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Tøm statistikken</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Er du sikker på at du vil slette de fullførte spillene?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Serveren avviste innloggingen: sjekk adressen og passordet.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Serveren kan ikke nås: sjekk adressen og nettverkstilkoblingen.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Sertifikatet til serveren er ikke klarert, så Quoxa kobler seg ikke til den.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Rommet til spillet finnes ikke lenger.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Noen i rommet til spillet bruker allerede dette navnet.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Rommet til spillet slipper deg ikke inn.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Tilkoblingen til serveren ble brutt.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Spill på nett kan ikke starte: nettmodulen til Quoxa mangler.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>nettmodulen mangler</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>den godtok ikke passordet</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Spill på nett</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Husk</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passord:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Vær vert</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Bli med</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Invitasjon:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Invit&amp;er</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>Ve&amp;nn:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plasser</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spiller</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Legg til &amp;datamaskin</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>La datamaskinen &amp;ta over</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Passordet ditt kan ikke lagres: nøkkelringen på skrivebordet svarer ikke (%1). Skriv det inn igjen neste gang.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Rommet til spillet har ikke lenger spillet, så Quoxa kan ikke gå tilbake til det.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Skriv inn adressen din, for eksempel ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Lim inn invitasjonen, for eksempel xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Et spill på nett pågår på brettet: start et nytt spill der for å forlate det.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Kobler til %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Åpner rommet til spillet, %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Blir med i %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa ble lukket under et spill på nett: trykk «Bli med» for å gå tilbake til det.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Går tilbake til spillet…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Rommet til spillet ditt er åpent, og invitasjonen er kopiert: send den til vennene dine, eller inviter dem her.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Venter på at verten skal starte spillet.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(et trekk i et Quoxa-spill)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Spillet er i gang.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Skriv inn adressen til vennen din, for eksempel bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 inviterer deg til et Quoxa-spill.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 er invitert.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 inviterer deg til et spill. Vil du bli med?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Alle plassene er tatt.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Menneske</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Datamaskin: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Har gått</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Borte</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Datamaskin %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Venter på at alle kopiene skal bli klare…</translation>
    </message>
</context>
</TS>
