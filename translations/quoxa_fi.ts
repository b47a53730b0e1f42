<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
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
        <translation>Kaaviota ei voi näyttää: Quoxan kaaviomoduuli puuttuu.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>”%1” ei kuulu noppakoodin kirjaimiin ja numeroihin.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Kirjoita pelattavan pelin noppakoodi.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Noppakoodissa on kahdeksan kirjainta ja numeroa; tässä on %n.</numerusform>
            <numerusform>Noppakoodissa on kahdeksan kirjainta ja numeroa; tässä on %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Viimeinen kirjain tai numero ei sovi muihin: jokin niistä on kirjoitettu väärin.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objekti vaaditaan</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indeksi rajojen ulkopuolella</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektimuuttujaa tai With-lohkomuuttujaa ei ole määritetty</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Ylivuoto</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Alaindeksi alueen ulkopuolella</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tyypit eivät täsmää</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Polun tai tiedoston käyttövirhe: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Resurssia, jonka tunnus on ”%1”, ei löydy</translation>
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
        <translation>%1 voittaa pistein %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 jakavat voiton pistein %2.</translation>
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
        <translation>sitä ei voi lukea</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>vaurioitunut peli</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Käynnissä ollutta peliä ei voitu palauttaa: %1. Se säilyy koskemattomana nimellä %2, ja uusi peli alkaa.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Käynnissä ollutta peliä ei voitu palauttaa: %1. Se on tallessa nimellä %2, ja uusi peli alkaa.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>käynnissä oleva peli</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>kesken jäänyt peli</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>päättynyt peli</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>tyhjennetyt tilastot</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>siinä on %1 pelaajaa</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 pelaa tasolla %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>siinä on %1 vuoroa</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>vuorossa %1 on %2 heittoa</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>vuorossa %1 heitetään noppia, joita pelaajien noppaosuudet eivät anna</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>vuorossa %1 heitetään noppaa, jota ei voi heittää</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>vuorossa %1 heitetään noppia, joita %2 ei anna</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>vuorossa %1 ei merkitä mitään</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>vuorossa %1 merkitään kohtaan %2 toisen kerran</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>vuorossa %1 merkitään %2 kohtaan %3, vaikka nopat eivät sitä anna</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 merkitsee %2 kohtaan %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Ei heittoja jäljellä.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Yksi heitto jäljellä.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Kaksi heittoa jäljellä.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, vapaa</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Noppa %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, pidetty</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Loppusumma %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 heittää %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Pelaajan %1 loppusumma on %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 saa yläosan bonuksen: %2 pistettä.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Päivän peli %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Noppakoodi %1 hyväksytty.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Aloittelija</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Harrastaja</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Seurapelaaja</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mestari</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Täydellinen</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>merkitse kohtaan %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>heitä kaikki viisi uudelleen</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>pidä %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Vihje: heitä nopat. Odotettu loppusumma: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Vihje: merkitse %2 kohtaan %1. Odotettu loppusumma: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Vihje: merkitse 0 kohtaan %1 (se maksaa vähiten). Odotettu loppusumma: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Vihje: heitä kaikki viisi uudelleen. Odotettu loppusumma: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Vihje: pidä %1 ja heitä uudelleen. Odotettu loppusumma: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 heittää nopat.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 heittää kaikki viisi uudelleen.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 pitää %2 ja heittää uudelleen.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>epätarkkuus</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>virhe</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>munaus</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Vuoro %1, heitto %2: pelaajalla %3 oli %4 (nopat veivät %5), ja parhaalla pelillä lopputulokseksi oli odotettavissa %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Vuoro %1, heitto %2: pelaajalla %3 oli %4 (nopat antoivat %5), ja parhaalla pelillä lopputulokseksi oli odotettavissa %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Pelattu: %1 (odotettu %2). Paras: %3. Menetetyt pisteet: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Pelattu: %1 (odotettu %2). Paras: %3. Menetetyt pisteet: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>Pelin isäntä %1 on poistunut: peli on päättynyt.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 on poistunut pelistä.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Pelaajan %1 noppaosuus ei vastaa sitä, mitä pelaajan %1 kopio lupasi: peli ei voi jatkua.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Pelaajan %1 kopiolla oleva peli poikkeaa tästä vuoron %2 jälkeen: kopiot ovat epätahdissa, eikä peli voi jatkua.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Pelaajan %1 kopio lähetti siirron, jota tämä peli ei salli (%2): kopiot ovat epätahdissa, eikä peli voi jatkua.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>heitto</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>nopan %1 pitäminen</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>nopan %1 vapauttaminen</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>merkintä kohtaan %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>viimeisimmän merkinnän kumoaminen</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>vuoron siirtäminen eteenpäin</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Tietokone pelaa pelaajan %1 puolesta (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 pelaa taas itse.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Tällä kopiolla ei ole enää pelin noppaosuuksia, joten se ei voi palata peliin.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 on poissa: peli odottaa pelaajaa %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 on palannut.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Heitä</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Uusi peli</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Ykköset</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Kakkoset</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Kolmoset</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Neloset</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Viitoset</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Kutoset</translation>
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
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Kolme samaa</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Neljä samaa</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Täyskäsi</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Pieni suora</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Suuri suora</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Sattuma</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Loppusumma</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Yläosa yhteensä</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Alaosa yhteensä</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Toinen %1-kopio käyttää tallennustilaa; kun se vapautuu, tallennetaan: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Toinen %1-kopio käyttää yhä tallennustilaa, joten tallentamatta jäi: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Virhe nro: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ja %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Pelaaja %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>asetukset</translation>
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
        <translation>Quoxa, noppapeli yhdestä neljään pelaajalle, jotka jakavat saman ikkunan.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Linkki: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sisältö</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Hakemisto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Eteenpäin</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Noppapeli yhdestä neljään pelaajalle.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxan kehittäjät.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Kysymykset, ideat, kehut:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lisenssi</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Tietoja: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Heitä nopat.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Heittoja jäljellä: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Pelaajat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Pidä noppia ja heitä uudelleen tai valitse kohta.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Valitse kohta.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Paina ”Jatka” tai kumoa viimeisin merkintä painamalla ”Kumoa”.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Peli päättyi.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>ei heitetty</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n piste</numerusform>
            <numerusform>%1: %n pistettä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n piste</numerusform>
            <numerusform>%n pistettä</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 pelaa pelin toisella kopiolla.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Peli</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Aloita uusi peli</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Päivän peli</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Pelaa &amp;noppakoodilla…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Pelaa &amp;verkossa…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>V&amp;ihje</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Ennätykset…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Näytä ennätykset</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Arvioi peli…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Tilastot…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Lopeta peli</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Kumoa viimeisin merkintä</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Kumoa viimeisin merkintä</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Värit</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Vaihda noppien värit</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Pelaajat</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Vaihda pelaajat</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Äänet</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Tietokonepelaajat…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Näytä</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Tilarivi</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Työ&amp;kalurivi</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Pöytäkirja</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Näytä pöytäkirja</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Lähennä</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>L&amp;oitonna</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Normaali koko</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>O&amp;hje</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sisältö</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Hakemisto</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Lisenssisopimus</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Tietoja Quoxasta…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Näytä tietoja ohjelmasta</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Äänet päälle tai pois</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Vihje: lasketaan…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>”%1” ei ole noppakoodi. Noppakoodissa on kahdeksan kirjainta ja numeroa, kuten pöytäkirjassa näkyy (esimerkiksi K7QX-93R1); tarkista koodi ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Pelaa noppakoodilla</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Pelattavan pelin noppakoodi sellaisena kuin se näkyy pelin pöytäkirjassa (esimerkiksi K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Pelilauta ei mahdu näytölle koossa %1&#xa0;%: se näytetään koossa %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Värit</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Pelaajat</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Äänet</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Tietokone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletukset</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: punainen %2, vihreä %3, sininen %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: oletukset palautettu.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Nopat</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Silmät</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Väri</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Pelaajien määrä:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Pelaajien määrä</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Pelaajien määrä, ylös ja alas</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Yksi pelaaja lisää</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Yksi pelaaja vähemmän</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Pelaajien nimet:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Pelaajan %1 nimi</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Pelaajan %1 taso: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Tietokone pelaa näiden puolesta:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Tauko siirtojen välillä:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Tauko siirtojen välillä</translation>
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
        <translation>Pelin arvio</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Yhteenveto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Menetetyt pisteet</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Tuuri</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Epätarkkuudet</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Virheet</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Munaukset</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Lähtö, tuuri ja menetetyt pisteet</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Näytä:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Valinnat</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Vuoro</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Heitto</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Nopat</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Pelattu</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Paras</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Lipsahdus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Lasketaan parasta peliä…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Odotettu loppusumma kunkin valinnan jälkeen</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Ei vielä valintoja: kaavio alkaa ensimmäisestä.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Kaikki valinnat</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Vain lipsahdukset</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 tuuri − %3 menetetty = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 tuuri − %3 menetetty = %4 odotettu</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Pelaajan %1 valinnat</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Ei vielä valintoja: arvio kasvaa pelin edetessä.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Pöytäkirja</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Siirrot</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Pelaa &amp;uudelleen</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Arvioi peli</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, merkitty viimeksi</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopioi tulos</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopioitu</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Päivän peli %1, noppakoodi %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Noppakoodi: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Suurin mahdollinen näillä nopilla: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Tietokone (Täydellinen) näillä nopilla: lasketaan…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Tietokone (Täydellinen) näillä nopilla: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 vähemmän kuin tietokone (Täydellinen)</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 enemmän kuin tietokone (Täydellinen)</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, sama kuin tietokone (Täydellinen)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxan päivän peli %1: %2, Täydellinen %3, maksimi %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>pelaajan %1 tulos %2</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ennätykset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Nollaa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Sija</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 nousee sijalle %2 pistein %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Haluatko varmasti nollata kaikki ennätykset?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>nollatut ennätykset</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Tilastot</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Pelit</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Voitot</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Ka.</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Paras</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Hajonta</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Yläbonus</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Päivän pelit</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Alle Täydellisen</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Alle maksimin</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Peli:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Arvioi peli</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Tyhjennä</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
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
        <translation>%1 (päivän peli)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (kesken)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (tietokone, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Loppusummat: %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Loppusumma</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Ei vielä päättyneitä pelejä.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Tyhjennä tilastot</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Haluatko varmasti poistaa päättyneet pelit?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Palvelin hylkäsi kirjautumisen: tarkista osoite ja salasana.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Palvelimeen ei saada yhteyttä: tarkista osoite ja verkkoyhteys.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Palvelimen varmenteeseen ei luoteta, joten Quoxa ei muodosta siihen yhteyttä.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Pelin huonetta ei enää ole.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Joku pelin huoneessa käyttää jo tätä nimeä.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Pelin huone ei päästä sinua sisään.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Yhteys palvelimeen katkesi.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Verkkopeliä ei voi aloittaa: Quoxan verkkomoduuli puuttuu.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>verkkomoduuli puuttuu</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>se ei hyväksynyt salasanaa</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Pelaa verkossa</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Muista</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Osoite:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Salasana:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Isännöi peliä</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Liity</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Kutsu:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Lähetä k&amp;utsu</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Ystävä:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Paikat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Lisää &amp;tietokone</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Aloita</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Anna tietokoneen &amp;pelata</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Salasanaasi ei voi säilyttää: työpöydän avainnippu ei vastaa (%1). Kirjoita se ensi kerralla uudelleen.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Pelin huoneessa ei ole enää peliä, joten Quoxa ei voi palata siihen.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Kirjoita osoitteesi, esimerkiksi ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Liitä kutsu, esimerkiksi xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Pelilaudalla on käynnissä verkkopeli: poistu siitä aloittamalla siellä uusi peli.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Yhdistetään kohteeseen %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Avataan pelin huonetta %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Liitytään peliin %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa suljettiin kesken verkkopelin: palaa peliin painamalla ”Liity”.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Palataan peliin…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Pelisi huone on auki ja sen kutsu kopioitu: lähetä se ystävillesi tai kutsu heidät tästä.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Odotetaan, että isäntä aloittaa pelin.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(siirto Quoxa-pelissä)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Peli on käynnissä.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Kirjoita ystäväsi osoite, esimerkiksi bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 kutsuu sinut Quoxa-peliin.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 on kutsuttu.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 kutsuu sinut peliin. Liitytkö?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Kaikki paikat on varattu.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Ihminen</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Tietokone: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Poistunut</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Poissa</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Tietokone %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Odotetaan, että kaikki kopiot ovat valmiita…</translation>
    </message>
</context>
</TS>
