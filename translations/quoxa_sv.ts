<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
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
        <translation>Diagrammet kan inte visas: Quoxas diagrammodul saknas.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>”%1” hör inte till en tärningskods bokstäver och siffror.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Skriv tärningskoden för spelet du vill spela.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>En tärningskod har åtta bokstäver och siffror; den här har %n.</numerusform>
            <numerusform>En tärningskod har åtta bokstäver och siffror; den här har %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Det sista tecknet stämmer inte med de andra: något av dem är felskrivet.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objekt krävs</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index utanför gränserna</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariabel eller With-blockvariabel har inte angetts</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indexet är utanför intervallet</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Inkompatibla typer</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Fel vid åtkomst till sökväg/fil: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Resursen med id ”%1” hittades inte</translation>
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
        <translation>%1 delar segern med %2.</translation>
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
        <translation>det går inte att läsa</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>det skadade spelet</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Det pågående spelet kunde inte återställas: %1. Det ligger kvar orört som %2, och ett nytt spel börjar.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Det pågående spelet kunde inte återställas: %1. Det sparas som %2, och ett nytt spel börjar.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>det pågående spelet</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>det oavslutade spelet</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>det avslutade spelet</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>den tömda statistiken</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>det har %1 spelare</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 spelar på nivå %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>det har %1 omgångar</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>omgång %1 har %2 kast</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>omgång %1 kastar tärningar som spelarnas tärningsandelar inte ger</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>omgång %1 kastar en tärning som inte får kastas</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>omgång %1 kastar tärningar som %2 inte ger</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>omgång %1 skriver inget</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>omgång %1 skriver på %2 en andra gång</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>omgång %1 skriver %2 på %3, vilket tärningarna inte ger</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 skriver %2 på %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Inga kast kvar.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Ett kast kvar.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Två kast kvar.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, fri</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Tärning %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, sparad</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Totalsumma %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 kastar %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Totalsumma för %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 får övre bonusen på %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Dagens spel för %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Tärningskod %1 godkänd.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Nybörjare</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Motionär</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubb</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>skriv på %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>kasta alla fem igen</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>spara %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tips: kasta tärningarna. Förväntad totalsumma: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tips: skriv %2 på %1. Förväntad totalsumma: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tips: skriv 0 på %1 (det kostar minst). Förväntad totalsumma: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tips: kasta alla fem igen. Förväntad totalsumma: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tips: spara %1 och kasta igen. Förväntad totalsumma: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 kastar tärningarna.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 kastar alla fem igen.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 sparar %2 och kastar igen.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>onoggrannhet</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>misstag</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>tabbe</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Omgång %1, kast %2: %3 hade %4 (tärningarna tog %5) och kunde vänta sig %6 till slut med bästa spel.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Omgång %1, kast %2: %3 hade %4 (tärningarna gav %5) och kunde vänta sig %6 till slut med bästa spel.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Spelat: %1 (förväntat %2). Bäst: %3. Förlorade poäng: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Spelat: %1 (förväntat %2). Bäst: %3. Förlorade poäng: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, som är värd för spelet, har lämnat det: spelet är slut.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 har lämnat spelet.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Tärningsandelen från %1 stämmer inte med vad kopian hos %1 lovade: spelet kan inte fortsätta.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Spelet i kopian hos %1 skiljer sig från det här efter omgång %2: kopiorna är i otakt, och spelet kan inte fortsätta.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Kopian hos %1 skickade ett drag som det här spelet inte tillåter (%2): kopiorna är i otakt, och spelet kan inte fortsätta.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>ett kast</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>att spara tärning %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>att släppa tärning %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>att skriva på %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>att ångra den senaste poängen</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>att lämna över turen</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>En dator spelar för %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 spelar själv igen.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Den här kopian har inte längre sina tärningsandelar för spelet och kan därför inte återvända till det.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 är borta: spelet väntar på %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 är tillbaka.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Kasta</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Ettor</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tvåor</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treor</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Fyror</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Femmor</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sexor</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Delsumma</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tretal</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Fyrtal</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Kåk</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Liten stege</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Stor stege</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chans</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Totalsumma</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Övre delsumma</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Nedre delsumma</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>En annan kopia av %1 använder lagret: %2 sparas när det är ledigt.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>En annan kopia av %1 använder fortfarande lagret: %2 kunde inte sparas.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Fel nr: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 och %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Spelare %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>inställningarna</translation>
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
        <translation>Quoxa, ett tärningsspel för en till fyra spelare som delar ett fönster.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Länk: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Innehåll</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Ett tärningsspel för en till fyra spelare.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxas utvecklare.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Frågor, idéer, beröm:</translation>
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
        <translation>Kasta tärningarna.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Kast kvar: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Spara tärningar och kasta igen, eller välj kategori.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Välj kategori.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Tryck på ”Fortsätt” eller på ”Ångra” för att ångra senaste poängen.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Spelet är slut.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>inte kastad</translation>
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
            <numerusform>%1: %n poäng</numerusform>
            <numerusform>%1: %n poäng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n poäng</numerusform>
            <numerusform>%n poäng</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 spelar på en annan kopia av spelet.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Starta nytt spel</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Dagens spel</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Spela tärnings&amp;kod…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Spela &amp;online…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>To&amp;pplista…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Visa topplistan</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analysera spelet…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Avsluta spelet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>R&amp;edigera</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Ångra senaste poängen</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Ångra senaste poängen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Färger</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Ändra tärningarnas färger</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spelare</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Ändra spelare</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Ljud</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Datorspelare…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusfält</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktygsfält</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Visa protokollet</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zooma &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zooma &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalstorlek</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licensavtal</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Om Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Visa information om programmet</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Ljud på/av</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tips: räknar…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>”%1” är ingen tärningskod. En tärningskod är åtta bokstäver och siffror, så som protokollet visar den (till exempel K7QX-93R1); kontrollera den och försök igen.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Spela tärningskod</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Tärningskoden för spelet du vill spela, så som dess protokoll visar den (till exempel K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Brädet i %1&#xa0;% skulle inte få plats på skärmen: det visas i %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Färger</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spelare</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Ljud</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Dator</translation>
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
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: röd %2, grön %3, blå %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: tillbaka till standardvärdena.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärningar</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Prickar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Antal spelare:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Antal spelare</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Antal spelare, upp och ned</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>En spelare till</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>En spelare färre</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Spelarnamn:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Namn på spelare %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Nivå för %1: %2</translation>
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
        <translation>Datorn spelar för:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Paus mellan drag:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Paus mellan drag</translation>
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
        <translation>Spelanalys</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Översikt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Förlorat</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Onoggrannheter</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Misstag</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Tabbar</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, tur och förlorade poäng</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Visa:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Beslut</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Kast</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärningar</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Spelat</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bäst</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Felsteg</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Räknar ut bästa spel…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Förväntad totalsumma efter varje beslut</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Inga beslut än: diagrammet börjar med det första.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Alla beslut</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Bara felsteg</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 tur − %3 förlorat = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 tur − %3 förlorat = %4 förväntat</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Beslut av %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Inga beslut än: analysen växer under spelets gång.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Spela &amp;igen</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analysera</translation>
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
        <translation>%1, senast ifylld</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopiera resultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopierat</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Dagens spel för %1, tärningskod %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Tärningskod: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Högsta möjliga med de här tärningarna: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Perfekt dator med de här tärningarna: räknar…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Perfekt dator med de här tärningarna: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 under Perfekt dator</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 över Perfekt dator</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, samma som Perfekt dator</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, dagens spel %1: %2, Perfekt %3, max %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%2 för %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Nollställ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 når plats %2 med %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Vill du verkligen nollställa topplistan?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>den nollställda topplistan</translation>
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
        <translation>Namn</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vinster</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Snitt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bäst</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Std.avv.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Övre bonus</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagens spel</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Under Perfekt</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Under max</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spel:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analysera</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Töm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
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
        <translation>%1 (dagens spel)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (oavslutat)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (dator, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totalsummor för %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Totalsumma</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Inga avslutade spel än.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Töm statistiken</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Vill du verkligen tömma de avslutade spelen?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Servern avvisade inloggningen: kontrollera adressen och lösenordet.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Servern går inte att nå: kontrollera adressen och nätverksanslutningen.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Serverns certifikat är inte betrott, så Quoxa ansluter inte till servern.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Spelets rum finns inte längre.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Någon i spelets rum använder redan det här namnet.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Spelets rum släpper inte in dig.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Anslutningen till servern bröts.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Det går inte att spela online: Quoxas onlinemodul saknas.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>onlinemodulen saknas</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>den godtog inte lösenordet</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Spela online</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Kom ihåg</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adress:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Lösenord:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>Var &amp;värd för ett spel</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Gå med</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Inbjudan:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>&amp;Bjud in</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>Vä&amp;n:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Platser</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Lägg till &amp;dator</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starta</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Datorn spelar &amp;för dem</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Lösenordet kan inte sparas: skrivbordets nyckelring svarar inte (%1). Skriv det igen nästa gång.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Spelets rum har inte längre kvar spelet, så Quoxa kan inte återvända till det.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Skriv din adress, till exempel ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Klistra in inbjudan, till exempel xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Ett spel online pågår på brädet: starta ett nytt spel där för att lämna det.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Ansluter till %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Öppnar spelets rum %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Går med i %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa stängdes under ett spel online: tryck på Gå med för att återvända till det.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Återvänder till spelet…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Rummet för ditt spel är öppet och inbjudan kopierad: skicka den till dina vänner, eller bjud in dem här.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Väntar på att värden startar spelet.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(ett drag i ett parti Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Spelet är i gång.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Skriv din väns adress, till exempel bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 bjuder in dig till ett parti Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 är inbjuden.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 bjuder in dig till ett spel. Gå med?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Alla platser är tagna.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Människa</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Dator: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lämnat</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Borta</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Dator %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Väntar på att alla kopior ska bli redo…</translation>
    </message>
</context>
</TS>
