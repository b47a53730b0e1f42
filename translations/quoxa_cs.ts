<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 – %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Graf nelze zobrazit: chybí modul grafů hry Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>„%1“ nepatří mezi písmena a číslice kódu kostek.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Zadejte kód kostek hry, kterou chcete hrát.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Kód kostek má osm písmen a číslic, tento má %n znak.</numerusform>
            <numerusform>Kód kostek má osm písmen a číslic, tento má %n znaky.</numerusform>
            <numerusform>Kód kostek má osm písmen a číslic, tento má %n znaků.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Poslední znak neodpovídá ostatním: některý z nich je zapsán chybně.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Vyžadován objekt</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index mimo meze</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Proměnná objektu nebo proměnná bloku With není nastavena</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index mimo rozsah</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Neshoda typů</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Chyba přístupu k cestě/souboru: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Prostředek s identifikátorem „%1“ nebyl nalezen</translation>
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
        <translation>%1 vyhrává se skóre %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>O vítězství se dělí %1 se skóre %2.</translation>
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
        <translation>soubor nelze přečíst</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>poškozená hra</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Rozehranou hru se nepodařilo obnovit: %1. Zůstává beze změny jako %2 a začíná nová hra.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Rozehranou hru se nepodařilo obnovit: %1. Je uložena jako %2 a začíná nová hra.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>rozehraná hra</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>nedokončená hra</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>dokončená hra</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>vymazané statistiky</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>počet hráčů: %1</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 hraje na úrovni %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>počet tahů: %1</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>v tahu %1 je počet hodů %2</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>v tahu %1 padají kostky, které podíly kostek hráčů nedávají</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>v tahu %1 se hází kostkou, kterou házet nelze</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>v tahu %1 padají kostky, které %2 nedává</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>v tahu %1 se nic nezapisuje</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>v tahu %1 se podruhé zapisuje do kategorie %2</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>v tahu %1 se zapisuje %2 do kategorie %3, což kostky nedávají</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 zapisuje %2 do kategorie %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Už nezbývá žádný hod.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Zbývá jeden hod.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Zbývají dva hody.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, volná</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Kostka %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, podržená</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Celkový součet %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 hází %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1: celkový součet %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 získává bonus za horní část: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Hra dne %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Kód kostek %1 přijat.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Začátečník</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Amatér</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubový</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfektní</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>zapsat %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>hodit znovu všemi pěti</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>podržet %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tip: hoďte kostkami. Očekávaný konečný součet: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tip: zapište %2 do kategorie %1. Očekávaný konečný součet: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tip: zapište 0 do kategorie %1 (stojí nejméně). Očekávaný konečný součet: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tip: hoďte znovu všemi pěti. Očekávaný konečný součet: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tip: podržte %1 a hoďte znovu. Očekávaný konečný součet: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 hází kostkami.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 hází znovu všemi pěti.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 podrží %2 a hází znovu.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>nepřesnost</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>chyba</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>hrubá chyba</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tah %1, hod %2: %3 má %4 (kostky vzaly %5), při nejlepší hře se na konci očekává %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tah %1, hod %2: %3 má %4 (kostky daly %5), při nejlepší hře se na konci očekává %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Zahráno: %1 (očekáváno %2). Nejlepší: %3. Ztracené body: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Zahráno: %1 (očekáváno %2). Nejlepší: %3. Ztracené body: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>Hostitel hry, %1, ji opustil: hra skončila.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 opouští hru.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Podíl kostek hráče %1 neodpovídá tomu, co slíbila kopie hráče %1: hra nemůže pokračovat.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Hra v kopii hráče %1 se po tahu %2 liší od této: kopie nejsou v souladu a hra nemůže pokračovat.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Kopie hráče %1 poslala tah, který tato hra nedovoluje (%2): kopie nejsou v souladu a hra nemůže pokračovat.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>hod</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>podržení kostky %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>uvolnění kostky %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>zápis do kategorie %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>vrácení posledního zápisu</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>předání tahu</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Za hráče %1 hraje počítač (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 se vrací do hry.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Tato kopie už nemá své podíly kostek pro tuto hru, takže se k ní nemůže vrátit.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>Hráč %1 je pryč: hra čeká na jeho návrat.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 je zpět.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Hodit</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dále</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Jedničky</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dvojky</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trojky</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Čtyřky</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Pětky</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Šestky</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Součet</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trojice</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Čtveřice</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Malá postupka</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Velká postupka</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Šance</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Celkový součet</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Součet horní části</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Součet dolní části</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Jiná kopie programu %1 právě používá úložiště. Jakmile se uvolní, uloží se: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Jiná kopie programu %1 stále používá úložiště. Nepodařilo se uložit: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Chyba č.: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Hráč %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>nastavení</translation>
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
        <translation>Quoxa, hra s kostkami pro jednoho až čtyři hráče, kteří sdílejí jedno okno.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Odkaz: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Rejstřík</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Hra s kostkami pro jednoho až čtyři hráče.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 vývojáři hry Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Dotazy, nápady, pochvaly:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O aplikaci %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Hoďte kostkami.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Zbývající hody: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Hráči</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Podržte kostky a hoďte znovu, nebo vyberte kategorii.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Vyberte kategorii.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Stiskněte „Dále“, nebo vraťte poslední zápis tlačítkem „Vrátit“.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Konec hry.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nehozeno</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdná</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n bod</numerusform>
            <numerusform>%1: %n body</numerusform>
            <numerusform>%1: %n bodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n bod</numerusform>
            <numerusform>%n body</numerusform>
            <numerusform>%n bodů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 hraje v jiné kopii hry.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nová</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Začít novou hru</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Hra &amp;dne</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Hrát podle &amp;kódu kostek...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Hrát &amp;online...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>Nejlepší &amp;výsledky...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Zobrazit nejlepší výsledky</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analýza hry...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiky...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Ukončit hru</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ú&amp;pravy</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Vrátit poslední zápis</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Vrátit poslední zápis</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Barvy</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Změnit barvy kostek</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Hráči</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Změnit hráče</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Zvuky</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Počítačoví hráči...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazení</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Panel nástrojů</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Bodovací list</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Zobrazit bodovací list</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Př&amp;iblížit</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Oddálit</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Skutečná &amp;velikost</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Rejstřík</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licenční smlouva</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>O &amp;aplikaci Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Zobrazit informace o aplikaci</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Zapnout/vypnout zvuky</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tip: probíhá výpočet...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>„%1“ není kód kostek. Kód kostek tvoří osm písmen a číslic, tak jak je ukazuje bodovací list (například K7QX-93R1); zkontrolujte jej a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Hrát podle kódu kostek</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Kód kostek hry, kterou chcete hrát, tak jak jej ukazuje její bodovací list (například K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Hrací plocha by se při %1&#xa0;% na obrazovku nevešla: zobrazuje se při %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Barvy</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Hráči</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Zvuky</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Počítač</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: červená %2, zelená %3, modrá %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: obnoveny výchozí hodnoty.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostky</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Oka</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Počet hráčů:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Počet hráčů</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Počet hráčů, nahoru a dolů</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>O hráče více</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>O hráče méně</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Jména hráčů:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Jméno hráče %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Úroveň hráče %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Počítač hraje za:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pauza mezi tahy:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pauza mezi tahy</translation>
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
        <translation>Analýza hry</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Ztráta</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Štěstí</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Nepřesnosti</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Hrubé chyby</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, štěstí a ztráta</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zobrazit:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Rozhodnutí</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tah</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Hod</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostky</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Zahráno</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Nejlepší</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Zaváhání</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Výpočet nejlepší hry...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Očekávaný konečný součet po každém rozhodnutí</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Zatím žádná rozhodnutí: graf začíná tím prvním.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Všechna rozhodnutí</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Jen zaváhání</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 štěstí − %3 ztráta = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 štěstí − %3 ztráta = %4 očekáváno</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Rozhodnutí hráče %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Zatím žádná rozhodnutí: analýza roste s průběhem hry.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Bodovací list</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Tahy</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Hrát &amp;znovu</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analýza hry</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdná</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, zapsáno naposledy</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopírovat výsledek</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Zkopírováno</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Hra dne %1, kód kostek %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Kód kostek: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Maximum, které tyto kostky dovolují: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Počítač (Perfektní) s těmito kostkami: probíhá výpočet...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Počítač (Perfektní) s těmito kostkami: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, o %3 méně než počítač (Perfektní)</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, o %3 více než počítač (Perfektní)</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, stejně jako počítač (Perfektní)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa – hra dne %1: %2, Perfektní %3, maximum %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>skóre hráče %1 (%2)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Vynulovat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Pořadí</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 se umisťuje na %2. místě se skóre %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Opravdu chcete vynulovat všechny výsledky?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>vynulované nejlepší výsledky</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiky</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Hry</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Výhry</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Průměr</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Sm. odch.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Horní bonus</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Hry dne</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Pod Perf.</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Pod max.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Hra:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analýza hry</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vymazat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
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
        <translation>%1 (hra dne)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (nedokončená)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (počítač, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Celkové součty hráče %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Celkový součet</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Zatím žádné dokončené hry.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Vymazat statistiky</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Opravdu chcete vymazat dokončené hry?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Server odmítl přihlášení: zkontrolujte adresu a heslo.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Server není dostupný: zkontrolujte adresu a síťové připojení.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Certifikát serveru není důvěryhodný, proto se k němu Quoxa nepřipojí.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Místnost hry už neexistuje.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Někdo v místnosti hry už toto jméno používá.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Místnost hry vás nevpustí.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Spojení se serverem bylo přerušeno.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Hru online nelze spustit: chybí online modul hry Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>chybí online modul</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>heslo nebylo přijato</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Hrát online</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Zapamatovat</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresa:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Heslo:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>Za&amp;ložit hru</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Připojit se</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>Poz&amp;vánka:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>P&amp;ozvat</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Kamarád:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Místa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Při&amp;dat počítač</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Spustit</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Počítač h&amp;raje za ně</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Heslo nelze uložit: klíčenka pracovní plochy neodpovídá (%1). Příště je zadejte znovu.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Místnost hry už hru neobsahuje, takže se k ní Quoxa nemůže vrátit.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Zadejte svou adresu, např. ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Vložte pozvánku, např. xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Na hrací ploše probíhá hra online: chcete-li ji opustit, začněte tam novou hru.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Připojování k %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Otevírání místnosti hry %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Vstup do %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Aplikace Quoxa byla zavřena během hry online: stiskněte „Připojit se“ a vraťte se do ní.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Návrat do hry...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Místnost vaší hry je otevřená a pozvánka zkopírovaná: pošlete ji kamarádům, nebo je pozvěte zde.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Čeká se, až hostitel spustí hru.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(tah ve hře Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Hra běží.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Zadejte adresu kamaráda, např. bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 vás zve ke hře Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>Pozvánka odeslána: %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 vás zve ke hře. Připojit se?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Všechna místa jsou obsazena.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Počítač: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Mimo hru</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Pryč</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Počítač %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Čeká se, až budou všechny kopie připraveny...</translation>
    </message>
</context>
</TS>
