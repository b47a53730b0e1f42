<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 pr. %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Diagrammet kan ikke vises: Quoxas diagrammodul mangler.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>»%1« hører ikke til en terningkodes bogstaver og cifre.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Skriv terningkoden for det spil, du vil spille.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>En terningkode har otte bogstaver og cifre; denne har %n.</numerusform>
            <numerusform>En terningkode har otte bogstaver og cifre; denne har %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Det sidste tegn passer ikke med de andre: et af dem er skrevet forkert.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objekt påkrævet</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indeks uden for grænserne</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariabel eller With-blokvariabel er ikke angivet</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overløb</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks uden for området</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typerne stemmer ikke overens</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Fejl ved adgang til sti/fil: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressourcen med id&apos;et »%1« blev ikke fundet</translation>
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
        <translation>%1 vinder med %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 deler sejren med %2.</translation>
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
        <translation>det kan ikke læses</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>det beskadigede spil</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Det igangværende spil kunne ikke genskabes: %1. Det bliver liggende urørt som %2, og et nyt spil begynder.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Det igangværende spil kunne ikke genskabes: %1. Det gemmes som %2, og et nyt spil begynder.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>det igangværende spil</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>det uafsluttede spil</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>det afsluttede spil</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>den ryddede statistik</translation>
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
        <translation>%1 spiller på niveau %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>det har %1 ture</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>tur %1 har %2 kast</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>tur %1 kaster terninger, som spillernes terningandele ikke giver</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>tur %1 kaster en terning, der ikke må kastes</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>tur %1 kaster terninger, som %2 ikke giver</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>tur %1 skriver ingenting</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>tur %1 skriver i %2 for anden gang</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>tur %1 skriver %2 i %3, hvad terningerne ikke giver</translation>
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
        <translation>Ingen kast tilbage.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Ét kast tilbage.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>To kast tilbage.</translation>
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
        <translation>Totalsum for %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 får den øvre bonus på %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Dagens spil for %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Terningkode %1 godkendt.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Begynder</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Motionist</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klub</translation>
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
        <translation>kast alle fem igen</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>hold %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tip: kast terningerne. Forventet totalsum: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tip: skriv %2 i %1. Forventet totalsum: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tip: skriv 0 i %1 (det koster mindst). Forventet totalsum: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tip: kast alle fem igen. Forventet totalsum: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tip: hold %1 og kast igen. Forventet totalsum: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 kaster terningerne.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 kaster alle fem igen.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 holder %2 og kaster igen.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>unøjagtighed</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>fejl</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>brøler</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tur %1, kast %2: %3 havde %4 (terningerne tog %5) og kunne forvente %6 til sidst med bedste spil.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tur %1, kast %2: %3 havde %4 (terningerne gav %5) og kunne forvente %6 til sidst med bedste spil.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Valgt: %1 (forventet %2). Bedst: %3. Tabte point: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Valgt: %1 (forventet %2). Bedst: %3. Tabte point: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, som er vært for spillet, har forladt det: spillet er slut.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 har forladt spillet.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Terningandelen fra %1 passer ikke med det, kopien hos %1 lovede: spillet kan ikke fortsætte.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Spillet i kopien hos %1 afviger fra dette efter tur %2: kopierne er ude af trit, og spillet kan ikke fortsætte.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Kopien hos %1 sendte et træk, som dette spil ikke tillader (%2): kopierne er ude af trit, og spillet kan ikke fortsætte.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>et kast</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>at holde terning %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>at slippe terning %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>at skrive i %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>at fortryde det sidste point</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>at give turen videre</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>En computer spiller for %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 spiller selv igen.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Denne kopi har ikke længere sine terningandele til spillet og kan derfor ikke vende tilbage til det.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 er fraværende: spillet venter på %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 er tilbage.</translation>
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
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nyt spil</translation>
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
        <translation>Delsum</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tre ens</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Fire ens</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Fuldt hus</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Lille straight</translation>
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
        <translation>Chance</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Totalsum</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Øvre delsum</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Nedre delsum</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>En anden kopi af %1 bruger lageret: %2 gemmes, når det er ledigt.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>En anden kopi af %1 bruger stadig lageret: %2 kunne ikke gemmes.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Fejl nr.: </translation>
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
        <translation>indstillingerne</translation>
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
        <translation>Quoxa, et terningspil for en til fire spillere, der deler et vindue.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indhold</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Frem</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Et terningspil for en til fire spillere.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxas udviklere.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Spørgsmål, idéer, ros:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licens</translation>
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
        <translation>Kast terningerne.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Kast tilbage: %1</translation>
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
        <translation>Point</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Hold terninger og kast igen, eller vælg kategori.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Vælg kategori.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Tryk på »Fortsæt« eller på »Fortryd« for at fortryde sidste point.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Spillet er slut.</translation>
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
            <numerusform>%1: %n point</numerusform>
            <numerusform>%1: %n point</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n point</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 spiller på en anden kopi af spillet.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spil</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nyt</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Start nyt spil</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Dagens spil</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Spil terning&amp;kode…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Spil &amp;online…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>To&amp;pliste…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Vis toplisten</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analysér spillet…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fslut</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Afslut spillet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>R&amp;ediger</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Fortryd sidste point</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Fortryd sidste point</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farver</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Ændr terningernes farver</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spillere</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Ændr spillere</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Lyd</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Computerspillere…</translation>
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
        <translation>&amp;Værktøjslinje</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>Score&amp;kort</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Vis scorekortet</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;ind</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;ud</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Faktisk størrelse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Indhold</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;deks</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licensaftale</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Om Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Vis information om programmet</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Lyd til/fra</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tip: regner…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>»%1« er ikke en terningkode. En terningkode er otte bogstaver og cifre, sådan som scorekortet viser den (for eksempel K7QX-93R1); kontrollér den, og prøv igen.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Spil terningkode</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Terningkoden for det spil, du vil spille, sådan som dets scorekort viser den (for eksempel K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Brættet i %1&#xa0;% ville ikke kunne være på skærmen: det vises i %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farver</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spillere</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Lyd</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Computer</translation>
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
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: rød %2, grøn %3, blå %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: tilbage til standardværdierne.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Terninger</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Øjne</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farve</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Antal spillere:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Antal spillere</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Antal spillere, op og ned</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>En spiller mere</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>En spiller færre</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Spillernavne:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Navn på spiller %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Niveau for %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Computeren spiller for:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pause mellem træk:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pause mellem træk</translation>
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
        <translation>Spilanalyse</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spiller</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Tabt</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Held</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Unøjagtigheder</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Brølere</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, held og tabte point</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Vis:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Beslutninger</translation>
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
        <translation>Valgt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bedst</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Fejltrin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Regner bedste spil ud…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Forventet totalsum efter hver beslutning</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Ingen beslutninger endnu: diagrammet begynder med den første.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Alle beslutninger</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Kun fejltrin</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 held − %3 tabt = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 held − %3 tabt = %4 forventet</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Beslutninger truffet af %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Ingen beslutninger endnu: analysen vokser, efterhånden som spillet spilles.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Scorekort</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Træk</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Spil &amp;igen</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analysér</translation>
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
        <translation>%1, senest udfyldt</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopiér resultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopieret</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Dagens spil for %1, terningkode %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Terningkode: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Højst mulige med disse terninger: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Perfekt computer med disse terninger: regner…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Perfekt computer med disse terninger: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 under Perfekt computer</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 over Perfekt computer</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, samme som Perfekt computer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, dagens spil %1: %2, Perfekt %3, maks. %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 til %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plads</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 når plads %2 med %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Vil du virkelig nulstille toplisten?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>den nulstillede topliste</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Sejre</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Snit</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bedst</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Std.afv.</translation>
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
        <translation>Dagens spil</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Under Perfekt</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Under maks.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spil:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analysér</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Ryd</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
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
        <translation>%1 (dagens spil)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (uafsluttet)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (computer, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 af %2</translation>
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
        <translation>Ingen afsluttede spil endnu.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Ryd statistikken</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Vil du virkelig rydde de afsluttede spil?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Serveren afviste login: kontrollér adressen og adgangskoden.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Serveren kan ikke nås: kontrollér adressen og netværksforbindelsen.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Serverens certifikat er ikke betroet, så Quoxa forbinder ikke til serveren.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Spillets rum findes ikke længere.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Nogen i spillets rum bruger allerede dette navn.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Spillets rum lukker dig ikke ind.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Forbindelsen til serveren blev afbrudt.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Det er ikke muligt at spille online: Quoxas onlinemodul mangler.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>onlinemodulet mangler</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>den godtog ikke adgangskoden</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Spil online</translation>
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
        <translation>Adgangs&amp;kode:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>Vær &amp;vært for et spil</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Deltag</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Invitation:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Invi&amp;tér</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>V&amp;en:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Pladser</translation>
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
        <translation>Tilføj &amp;computer</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Computeren spiller &amp;for dem</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Adgangskoden kan ikke gemmes: skrivebordets nøglering svarer ikke (%1). Skriv den igen næste gang.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Spillets rum indeholder ikke længere spillet, så Quoxa kan ikke vende tilbage til det.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Skriv din adresse, for eksempel ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Indsæt invitationen, for eksempel xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Et spil online er i gang på brættet: start et nyt spil der for at forlade det.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Forbinder til %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Åbner spillets rum %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Deltager i %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa blev lukket under et spil online: tryk på Deltag for at vende tilbage til det.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Vender tilbage til spillet…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Rummet til dit spil er åbent, og invitationen er kopieret: send den til dine venner, eller invitér dem her.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Venter på, at værten starter spillet.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(et træk i et Quoxa-spil)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Spillet er i gang.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Skriv din vens adresse, for eksempel bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 inviterer dig til et Quoxa-spil.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 er inviteret.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 inviterer dig til et spil. Deltag?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Alle pladser er taget.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Menneske</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Forladt</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Fraværende</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Venter på, at alle kopier er klar…</translation>
    </message>
</context>
</TS>
