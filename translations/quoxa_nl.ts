<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>De grafiek kan niet worden getoond: de grafiekmodule van Quoxa ontbreekt.</translation>
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
        <translation>“%1” hoort niet bij de letters en cijfers van een dobbelsteencode.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Typ de dobbelsteencode van het spel dat je wilt spelen.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Een dobbelsteencode heeft acht letters en cijfers; deze heeft er %n.</numerusform>
            <numerusform>Een dobbelsteencode heeft acht letters en cijfers; deze heeft er %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Het laatste teken past niet bij de andere: een ervan is verkeerd getypt.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Object vereist</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index buiten de grenzen</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objectvariabele of With-blokvariabele niet ingesteld</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript buiten bereik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type komt niet overeen</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Fout bij toegang tot pad/bestand: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Bron met identificatie “%1” niet gevonden</translation>
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
        <translation>%1 wint met %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 winnen samen met %2.</translation>
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
        <translation>het kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Het lopende spel kon niet worden hersteld: %1. Het is bewaard als %2 en er begint een nieuw spel.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>het lopende spel</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>het onvoltooide spel</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>het voltooide spel</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>de gewiste statistiek</translation>
    </message>
    <message>
        <source>the damaged game</source>
        <translation>het beschadigde spel</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Het lopende spel kon niet worden hersteld: %1. Het blijft onaangeroerd als %2 en er begint een nieuw spel.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>het heeft %1 spelers</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 speelt op niveau %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>het heeft %1 beurten</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>beurt %1 heeft %2 worpen</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>beurt %1 gooit een dobbelsteen die niet gegooid mag worden</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>beurt %1 scoort niets</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>beurt %1 scoort %2 een tweede keer</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>beurt %1 scoort %2 bij %3, wat de dobbelstenen niet opleveren</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>beurt %1 gooit dobbelstenen die %2 niet geeft</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>beurt %1 gooit dobbelstenen die de dobbelsteenaandelen van de spelers niet geven</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>score %1 (%2)</source>
        <translation>scoor %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>gooi alle vijf opnieuw</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>houd %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tip: gooi de dobbelstenen. Verwacht eindtotaal: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tip: scoor %2 bij %1. Verwacht eindtotaal: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tip: scoor 0 bij %1 (kost het minst). Verwacht eindtotaal: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tip: gooi alle vijf opnieuw. Verwacht eindtotaal: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tip: houd %1 en gooi opnieuw. Verwacht eindtotaal: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 gooit de dobbelstenen.</translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 scoort %2 bij %3.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 gooit alle vijf opnieuw.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 houdt %2 en gooit opnieuw.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Recreant</translation>
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
        <source>inaccuracy</source>
        <translation>slordigheid</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>blunder</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Beurt %1, worp %2: %3 had %4 (de dobbelstenen namen %5); met het beste spel verwacht: %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Beurt %1, worp %2: %3 had %4 (de dobbelstenen gaven %5); met het beste spel verwacht: %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Gespeeld: %1 (verwacht %2). Beste: %3. Puntverlies: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Gespeeld: %1 (verwacht %2). Beste: %3. Puntverlies: %4 (%5).</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Geen worpen meer.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Nog één worp.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Nog twee worpen.</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, vastgehouden</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, vrij</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dobbelsteen %1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Eindtotaal %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 gooit %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Totaal van %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 verdient de bovenbonus van %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Dagspel van %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Dobbelsteencode %1 geaccepteerd.</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Het dobbelsteenaandeel van %1 klopt niet met wat de kopie van %1 beloofde: het spel kan niet verder.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Het spel op de kopie van %1 wijkt na beurt %2 af van dit spel: de kopieën lopen niet meer gelijk en het spel kan niet verder.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>De kopie van %1 stuurde een zet die dit spel niet toestaat (%2): de kopieën lopen niet meer gelijk en het spel kan niet verder.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>een worp</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>dobbelsteen %1 vasthouden</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>dobbelsteen %1 loslaten</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>%1 scoren</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>de laatste score terugnemen</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>de beurt doorgeven</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Een computer speelt voor %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 speelt weer zelf.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Deze kopie heeft haar dobbelsteenaandelen voor het spel niet meer en kan er dus niet naar terug.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 heeft het spel verlaten.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 is weg: het spel wacht op %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 is terug.</translation>
    </message>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, de gastheer van het spel, heeft het verlaten: het spel is afgelopen.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Enen</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tweeën</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Drieën</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Vijven</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Zessen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Subtotaal</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vier gelijke</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine straat</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grote straat</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Eindtotaal</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Subtotaal boven</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Subtotaal onder</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Een ander exemplaar van %1 gebruikt de opslag: het opslaan van %2 volgt zodra die vrij is.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Een ander exemplaar van %1 gebruikt de opslag nog: het opslaan van %2 is mislukt.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Foutnummer: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation>de instellingen</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
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
        <translation>Quoxa, een dobbelspel voor één tot vier spelers in één venster.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Koppeling: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Een dobbelspel voor één tot vier spelers.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 de makers van Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Vragen, ideeën, lof:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Gooi de dobbelstenen.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Worpen over: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Houd dobbelstenen vast en gooi opnieuw, of kies een categorie.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Kies een categorie.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Spel afgelopen.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>niet gegooid</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nieuw spel beginnen</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>T&amp;opscores...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Topscores tonen</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiek...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Spel afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Laatste score ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Kleuren van de dobbelstenen wijzigen</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spelers</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Spelers wijzigen</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Computerspelers...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>Score&amp;kaart</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Scorekaart tonen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licentieovereenkomst</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Over Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Programma-informatie tonen</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Geluid aan/uit</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tip: wordt berekend...</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Druk op “Verder”, of op “Ongedaan maken” om de score terug te nemen.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n punt</numerusform>
            <numerusform>%1: %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Dagspel</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Dobbelsteen&amp;code spelen...</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Dobbelsteencode spelen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>“%1” is geen dobbelsteencode. Een dobbelsteencode heeft acht letters en cijfers, zoals die op de scorekaart staat (bijvoorbeeld K7QX-93R1); controleer hem en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>De dobbelsteencode van het spel, zoals die op de scorekaart staat (bijvoorbeeld K7QX-93R1):</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 speelt op een andere kopie van het spel.</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>&amp;Online spelen...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Werkelijke &amp;grootte</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Het speelbord past op %1% niet op het scherm: het wordt op %2% getoond.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spelers</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Geluid</translation>
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
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobbelstenen</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Ogen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Aantal spelers:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Aantal spelers</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Aantal spelers, omhoog en omlaag</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Spelersnamen:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Naam van speler %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>De computer speelt voor:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pauze tussen zetten:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pauze tussen zetten</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: rood %2, groen %3, blauw %4</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Eén speler meer</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Eén speler minder</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Niveau van %1: %2</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: standaardwaarden hersteld.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Puntverlies</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Geluk</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Slordigheden</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fouten</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Blunders</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, geluk en puntverlies</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Toon:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Keuzes</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Beurt</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Worp</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobbelstenen</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Beste spel wordt berekend...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Verwacht eindtotaal na elke keuze</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Alle keuzes</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Alleen missers</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 geluk − %3 verlies = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 geluk − %3 verlies = %4 verwacht</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Keuzes van %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Nog geen keuzes: de analyse groeit mee met het spel.</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Misser</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Nog geen keuzes: de grafiek begint bij de eerste.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Scorekaart</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, als laatste ingevuld</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Resultaat kopiëren</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Dagspel van %1, dobbelsteencode %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Dobbelsteencode: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Het meeste wat deze dobbelstenen toelaten: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Computer (Perfect) met deze dobbelstenen: wordt berekend...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Computer (Perfect) met deze dobbelstenen: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 minder dan de computer (Perfect)</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 meer dan de computer (Perfect)</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, gelijk aan de computer (Perfect)</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa-dagspel %1: %2, Perfect %3, maximum %4</translation>
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
        <translation>de score van %1 (%2)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Weet je zeker dat je alle topscores wilt wissen?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>de gewiste topscores</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 bereikt plaats %2 met %3.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiek</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Zeges</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Gem.</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Std.afw.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Bovenbonus</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spel:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Nog geen voltooide spellen.</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Totalen van %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Eindtotaal</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Statistiek wissen</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Weet je zeker dat je de voltooide spellen wilt wissen?</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (niet voltooid)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (computer, %2)</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagspel</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1 (dagspel)</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Onder Perfect</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Onder maximum</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>De server heeft de aanmelding geweigerd: controleer het adres en het wachtwoord.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>De server is niet bereikbaar: controleer het adres en de netwerkverbinding.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Het certificaat van de server wordt niet vertrouwd, dus maakt Quoxa geen verbinding.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>De ruimte van het spel bestaat niet meer.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Iemand in de ruimte van het spel gebruikt deze naam al.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>De ruimte van het spel laat je niet binnen.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>De verbinding met de server is verbroken.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Online spelen kan niet beginnen: de onlinemodule van Quoxa ontbreekt.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>de onlinemodule ontbreekt</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>die heeft het wachtwoord niet aangenomen</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Online spelen</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Onthouden</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>Spel &amp;openen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Deelnemen</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Uitnodiging:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Uit&amp;nodigen</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Vriend:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plaatsen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>&amp;Computer toevoegen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Je wachtwoord kan niet worden bewaard: de sleutelbos van het bureaublad antwoordt niet (%1). Typ het de volgende keer opnieuw.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Typ je adres, zoals ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Plak de uitnodiging, zoals xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Op het speelbord loopt een onlinespel: begin daar een nieuw spel om het te verlaten.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinden met %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>De ruimte van het spel %1 wordt geopend...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Deelnemen aan %1...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>De ruimte van je spel is open en de uitnodiging gekopieerd: stuur die naar je vrienden, of nodig ze hier uit.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Wachten tot de gastheer het spel start.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(een zet in een spel Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Het spel is begonnen.</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Alle plaatsen zijn bezet.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Typ het adres van je vriend, zoals bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 nodigt je uit voor een spel Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 is uitgenodigd.</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Wachten tot elke kopie klaar is...</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 nodigt je uit voor een spel. Deelnemen?</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>De ruimte van het spel bevat het spel niet meer, dus Quoxa kan er niet naar terug.</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa werd tijdens een onlinespel gesloten: klik op Deelnemen om ernaar terug te gaan.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Terug naar het spel...</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vertrokken</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Afwezig</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Computer speelt &amp;ervoor</translation>
    </message>
</context>
</TS>
