<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 (%2 szerint): %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>A diagram nem jeleníthető meg: hiányzik a Quoxa diagrammodulja.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>„%1” nem tartozik a kockakód betűi és számjegyei közé.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Írja be a lejátszandó játék kockakódját.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>A kockakód nyolc betűből és számjegyből áll; ebben %n van.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Az utolsó betű vagy számjegy nem illik a többihez: valamelyiket elgépelte.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objektum szükséges</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Az index a határokon kívül esik</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Az objektumváltozó vagy a With blokk változója nincs beállítva</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Túlcsordulás</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Az index a tartományon kívül esik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Típuseltérés</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Elérési út/fájl hozzáférési hiba: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Nem található „%1” azonosítójú erőforrás</translation>
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
        <translation>%1 nyert %2 ponttal.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>Megosztott győzelem: %1, %2 ponttal.</translation>
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
        <translation>nem olvasható</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>a sérült játék</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>A folyamatban lévő játékot nem sikerült visszaállítani: %1. Érintetlenül megmarad ezen a néven: %2, és új játék kezdődik.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>A folyamatban lévő játékot nem sikerült visszaállítani: %1. Megőrizzük ezen a néven: %2, és új játék kezdődik.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>a folyamatban lévő játék</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>a befejezetlenül hagyott játék</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>a befejezett játék</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>a törölt statisztika</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>%1 játékos van benne</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 szintje %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>%1 kör van benne</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>%1. kör: %2 dobás</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>%1. kör: a kockák nem felelnek meg a játékosok kockarészeinek</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>%1. kör: olyan kockával dob, amellyel nem dobhat</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>%1. kör: olyan kockákat dob, amelyeket ez a kockakód nem ad: %2</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>%1. kör: nincs beírás</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>%1. kör: másodszor ír be ide: %2</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>%1. kör: %2 pontot ír be ide: %3, pedig a kockái ezt nem adják ki</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 %2 pontot ír be ide: %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Nincs több dobás.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Még egy dobás van.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Még két dobás van.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, szabad</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>%1. kocka: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, megtartva</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Végösszeg: %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 dobása: %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1 végösszege: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 megkapja a felső bónuszt: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Napi játék, %1</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Kockakód elfogadva: %1.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Kezdő</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Hobbi</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klub</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Szakértő</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Tökéletes</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>%1 beírása (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>mind az öt újradobása</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>%1 megtartása</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tipp: dobjon. Várható végösszeg: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tipp: írjon be %2 pontot ide: %1. Várható végösszeg: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tipp: írjon nullát ide: %1 (ezzel veszít a legkevesebbet). Várható végösszeg: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tipp: dobja újra mind az ötöt. Várható végösszeg: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tipp: tartsa meg ezeket: %1, és dobjon újra. Várható végösszeg: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 dob.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 újradobja mind az ötöt.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 megtartja ezeket: %2, és újradob.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>pontatlanság</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>hiba</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>baklövés</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>%1. kör, %2. dobás: %3 kockái: %4 (a kockák %5 pontot vettek el); legjobb játékkal a várható végösszeg %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>%1. kör, %2. dobás: %3 kockái: %4 (a kockák %5 pontot hoztak); legjobb játékkal a várható végösszeg %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Megjátszott: %1 (várható: %2). Legjobb: %3. Veszteség: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Megjátszott: %1 (várható: %2). Legjobb: %3. Veszteség: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, a játék házigazdája, kilépett: a játéknak vége.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 kilépett a játékból.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>%1 kockarésze nem egyezik azzal, amit %1 példánya ígért: a játék nem folytatható.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>A játék %1 példányán eltér ettől (%2. kör után): a példányok elcsúsztak egymáshoz képest, a játék nem folytatható.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>%1 példánya olyan lépést küldött, amelyet ez a játék nem enged meg (%2): a példányok elcsúsztak egymáshoz képest, a játék nem folytatható.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>egy dobás</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>%1. kocka megtartása</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>%1. kocka elengedése</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>%1 beírása</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>az utolsó beírás visszavonása</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>a kör továbbadása</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>%1 helyett a gép játszik (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 ismét maga játszik.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Ennek a példánynak már nincsenek meg a kockarészei ehhez a játékhoz, így nem térhet vissza hozzá.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 nincs jelen: a játék vár rá.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 visszatért.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Dobás</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Új játék</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Egyesek</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Kettesek</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Hármasok</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Négyesek</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Ötösök</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Hatosok</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Összeg</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bónusz</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Részösszeg</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kis sor</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Nagy sor</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Esély</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Végösszeg</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Felső rész összesen</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Alsó rész összesen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>A %1 egy másik példánya használja a tárolót; amint felszabadul, mentésre kerül: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>A %1 egy másik példánya még mindig használja a tárolót, ezért nem sikerült menteni: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Hibaszám: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 és %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>%1. játékos</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>a beállítások</translation>
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
        <translation>Quoxa, kockajáték egy–négy játékosnak, egyetlen közös ablakban.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Hivatkozás: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Tartalom</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Tárgymutató</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Előre</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Kockajáték egy–négy játékosnak.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 A Quoxa fejlesztői.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Kérdések, ötletek, dicséret:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenc</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>A %1 névjegye</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Dobjon a kockákkal.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Hátralévő dobás: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Játékosok</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pont</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Tartson meg kockákat és dobjon újra, vagy válasszon rovatot.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Válasszon rovatot.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Nyomja meg a „Tovább” vagy a „Visszavonás” gombot.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Vége a játéknak.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nincs dobva</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n pont</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n pont</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 a játék egy másik példányán játszik.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Játék</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Új</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Új játék indítása</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Napi játék</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>&amp;Játék kockakóddal...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>&amp;Online játék...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Dicsőségtábla...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Dicsőségtábla megjelenítése</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>Játék &amp;elemzése...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statisztika...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Kilépés a játékból</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>S&amp;zerkesztés</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Visszavonás</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Utolsó beírás visszavonása</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Színek</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Kockaszínek módosítása</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Játékosok</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Játékosok módosítása</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Hangok</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Gépi játékosok...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Nézet</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Állapotsor</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Eszköztár</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Pontlap</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Pontlap megjelenítése</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Nagyítás</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Kicsinyítés</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Eredeti &amp;méret</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Tartalom</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Tárgy&amp;mutató</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licencszerződés</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;A Quoxa névjegye...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Programinformáció megjelenítése</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Hangok be/ki</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tipp: számítás...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>„%1” nem kockakód. A kockakód nyolc betűből és számjegyből áll, ahogy a pontlap mutatja (például K7QX-93R1); ellenőrizze, és próbálja újra.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Játék kockakóddal</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>A lejátszandó játék kockakódja, ahogy a pontlapja mutatja (például K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>A tábla %1%-os nagyításban nem férne el a képernyőn: %2%-os nagyításban látható.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Színek</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Játékosok</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Hangok</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Gép</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapérték</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: piros %2, zöld %3, kék %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: visszaállítva az alapértékekre.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kockák</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Pöttyök</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Szín</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Játékosok száma:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Játékosok száma</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Játékosok száma, fel és le</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Eggyel több játékos</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Eggyel kevesebb játékos</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Játékosok neve:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>%1. játékos neve</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>%1 szintje: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>A gép játszik helyettük:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Szünet a lépések között:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Szünet a lépések között</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 mp</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Játékelemzés</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Játékos</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Veszteség</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Szerencse</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Pontatlanságok</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Hibák</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Baklövések</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Kezdés, szerencse és veszteség</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Megjelenítés:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Döntések</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Kör</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Dobás</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kockák</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Megjátszott</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Legjobb</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Botlás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>A legjobb játék kiszámítása...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Várható végösszeg az egyes döntések után</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pont</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Még nincs döntés: a diagram az elsővel kezdődik.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Minden döntés</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Csak botlások</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 szerencse − %3 veszteség = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 szerencse − %3 veszteség = %4 várható</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>%1 döntései</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Még nincs döntés: az elemzés a játékkal együtt bővül.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Pontlap</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Lépések</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Visszavágó</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Elemzés</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, utoljára beírva</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Eredmény &amp;másolása</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Másolva</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Napi játék, %1, kockakód: %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Kockakód: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Ezekkel a kockákkal elérhető maximum: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>A Tökéletes gép ezekkel a kockákkal: számítás...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>A Tökéletes gép ezekkel a kockákkal: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 ponttal a Tökéletes gép alatt</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 ponttal a Tökéletes gép felett</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, ugyanannyi, mint a Tökéletes gép</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa napi játék, %1: %2, Tökéletes %3, maximum %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%1 %2 pontja</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Dicsőségtábla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pont</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Hely</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 %3 ponttal %2. helyezett.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Biztosan törli az összes eredményt?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>a törölt dicsőségtábla</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Játékok</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Győzelmek</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Átlag</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Legjobb</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Szórás</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Felső bónusz</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Napi</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Tökéletes alatt</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Maximum alatt</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Játék:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Elemzés</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
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
        <translation>%1 (napi)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (befejezetlen)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (gép, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>%1 végösszegei</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Végösszeg</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Még nincs befejezett játék.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Statisztika törlése</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Biztosan törli a befejezett játékokat?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>A kiszolgáló elutasította a bejelentkezést: ellenőrizze a címet és a jelszót.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>A kiszolgáló nem érhető el: ellenőrizze a címet és a hálózati kapcsolatot.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>A kiszolgáló tanúsítványa nem megbízható, ezért a Quoxa nem kapcsolódik hozzá.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>A játék szobája megszűnt.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>A játék szobájában valaki már használja ezt a nevet.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>A játék szobája nem engedi be Önt.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Megszakadt a kapcsolat a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Az online játék nem indulhat el: hiányzik a Quoxa online modulja.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>hiányzik az online modul</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>nem fogadta el a jelszót</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Online játék</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>Jelszó &amp;mentése</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Cím:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Jelszó:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>Játék &amp;létrehozása</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Csatla&amp;kozás</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>Meg&amp;hívó:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Meghí&amp;vás</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Barát:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Helyek</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Játékos</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>&amp;Gép hozzáadása</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Indítás</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Gép játszik helye&amp;ttük</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>A jelszó nem tárolható: az asztali környezet kulcstartója nem válaszol (%1). Legközelebb írja be újra.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>A játék szobájában már nincs meg a játék, ezért a Quoxa nem térhet vissza hozzá.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Írja be a címét, például: ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Illessze be a meghívót, például: xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>A táblán online játék folyik: a kilépéshez kezdjen ott új játékot.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Kapcsolódás: %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>A játék szobájának megnyitása: %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Csatlakozás: %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>A Quoxa online játék közben bezárult: a visszatéréshez nyomja meg a Csatlakozás gombot.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Visszatérés a játékhoz...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>A játék szobája megnyílt, a meghívót a vágólapra másoltuk: küldje el a barátainak, vagy hívja meg őket innen.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Várakozás arra, hogy a házigazda elindítsa a játékot.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(egy lépés egy Quoxa-játékban)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>A játék elkezdődött.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Írja be a barátja címét, például: bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 meghívja egy Quoxa-játékra.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 meghívást kapott.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 meghívja egy játékra. Csatlakozik?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Minden hely foglalt.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Ember</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Gép: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Kilépett</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Távol</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Gép %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Várakozás arra, hogy minden példány készen álljon...</translation>
    </message>
</context>
</TS>
