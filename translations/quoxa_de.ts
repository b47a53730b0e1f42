<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Das Diagramm kann nicht angezeigt werden: Das Diagrammmodul von Quoxa fehlt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 nach %2: %3</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>„%1“ gehört nicht zu den Buchstaben und Ziffern eines Würfelcodes.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Geben Sie den Würfelcode des Spiels ein, das Sie spielen möchten.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Ein Würfelcode hat acht Buchstaben und Ziffern, dieser hat %n.</numerusform>
            <numerusform>Ein Würfelcode hat acht Buchstaben und Ziffern, dieser hat %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Das letzte Zeichen passt nicht zu den anderen: eines davon ist vertippt.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Objekt erforderlich</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Feldindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Fehler beim Pfad-/Dateizugriff: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource mit der Kennung „%1“ nicht gefunden</translation>
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
        <translation>%1 gewinnt mit %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>Sieg geteilt: %1 mit %2.</translation>
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
        <translation>es kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Das laufende Spiel konnte nicht wiederhergestellt werden: %1. Es wird als %2 aufbewahrt, und ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>das laufende Spiel</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>das nicht beendete Spiel</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>das beendete Spiel</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>die geleerte Statistik</translation>
    </message>
    <message>
        <source>the damaged game</source>
        <translation>das beschädigte Spiel</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Das laufende Spiel konnte nicht wiederhergestellt werden: %1. Es bleibt unverändert als %2, und ein neues Spiel beginnt.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>es hat %1 Spieler</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 spielt auf Stufe %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>es hat %1 Züge</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>Zug %1 hat %2 Würfe</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>Zug %1 wirft einen Würfel, den er nicht werfen darf</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>Zug %1 trägt nichts ein</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>Zug %1 trägt ein zweites Mal bei %2 ein</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>Zug %1 trägt %2 bei %3 ein, was seine Würfel nicht ergeben</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>Zug %1 wirft Würfel, die %2 nicht ergibt</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>Zug %1 wirft Würfel, die die Würfelanteile der Spieler nicht ergeben</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>score %1 (%2)</source>
        <translation>%1 eintragen (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>alle fünf neu würfeln</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>%1 halten</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Tipp: würfeln. Erwartete Endsumme: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Tipp: %2 bei %1 eintragen. Erwartete Endsumme: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Tipp: 0 bei %1 eintragen (kostet am wenigsten). Erwartete Endsumme: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Tipp: alle fünf neu würfeln. Erwartete Endsumme: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Tipp: %1 halten und neu würfeln. Erwartete Endsumme: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 würfelt.</translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 trägt %2 bei %3 ein.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 würfelt alle fünf neu.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 hält %2 und würfelt neu.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Hobby</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>Ungenauigkeit</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>Patzer</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Zug %1, Wurf %2: %3 hatte %4 (die Würfel nahmen %5); bei optimalem Spiel erwartet: %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Zug %1, Wurf %2: %3 hatte %4 (die Würfel gaben %5); bei optimalem Spiel erwartet: %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Gespielt: %1 (erwartet %2). Optimal: %3. Verlust: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Gespielt: %1 (erwartet %2). Optimal: %3. Verlust: %4 (%5).</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Kein Wurf mehr.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Noch ein Wurf.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Noch zwei Würfe.</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gehalten</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, frei</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Endsumme %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 würfelt %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Endsumme von %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 erhält den Bonus oben: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Tagesspiel vom %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Würfelcode %1 angenommen.</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Der Würfelanteil von %1 passt nicht zu dem, was die Kopie von %1 zugesagt hat: Das Spiel kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Das Spiel auf der Kopie von %1 weicht nach Zug %2 von diesem ab: Die Kopien laufen nicht mehr gleich, und das Spiel kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Die Kopie von %1 hat etwas gesendet, das dieses Spiel nicht erlaubt (%2): Die Kopien laufen nicht mehr gleich, und das Spiel kann nicht weitergehen.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>ein Wurf</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>Würfel %1 halten</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>Würfel %1 freigeben</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>den letzten Eintrag zurücknehmen</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>den Zug weitergeben</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Ein Computer spielt für %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 spielt wieder selbst.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Diese Kopie hat ihre Würfelanteile für das Spiel nicht mehr und kann deshalb nicht dorthin zurückkehren.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 ist nicht da: Das Spiel wartet auf %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ist wieder da.</translation>
    </message>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, der Gastgeber des Spiels, hat es verlassen: Das Spiel ist vorbei.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Große Straße</translation>
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
        <translation>Endsumme</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Gesamt oberer Teil</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Gesamt unterer Teil</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Ein anderes laufendes %1 nutzt gerade den Speicher. Sobald er frei ist, wird gespeichert: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Ein anderes laufendes %1 nutzt den Speicher noch. Nicht gespeichert werden konnte: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Fehler Nr.: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation>die Einstellungen</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
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
        <translation>Quoxa, ein Würfelspiel für ein bis vier Spieler, die sich ein Fenster teilen.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Verweis: %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Ein Würfelspiel für ein bis vier Spieler.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 die Quoxa-Entwickler.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Fragen, Ideen, Lob:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Bitte würfeln.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Würfe übrig: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Würfel halten und neu würfeln oder eine Kategorie wählen.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Kategorie wählen.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Spielende.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nicht geworfen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Bestenliste...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Letzten Eintrag zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Würfelfarben ändern</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spieler</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Spieler ändern</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Computerspieler...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>Spiel&amp;stand</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Spielstand anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Lizenzvertrag</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Über Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Programminformationen anzeigen</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Töne an/aus</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Tipp: wird berechnet...</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>„Weiter“ drücken oder mit „Rückgängig“ den Eintrag zurücknehmen.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n Punkt</numerusform>
            <numerusform>%1: %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Ta&amp;gesspiel</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Würfel&amp;code spielen...</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Würfelcode spielen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>„%1“ ist kein Würfelcode. Ein Würfelcode hat acht Buchstaben und Ziffern, wie er im Spielstand steht (zum Beispiel K7QX-93R1); bitte prüfen Sie ihn und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Der Würfelcode des Spiels, wie er in seinem Spielstand steht (zum Beispiel K7QX-93R1):</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 spielt auf einer anderen Kopie des Spiels.</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>&amp;Online spielen...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Das Spielbrett passt mit %1&#xa0;% nicht auf den Bildschirm: Es wird mit %2&#xa0;% angezeigt.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spieler</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Töne</translation>
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
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Augen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Spieleranzahl:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Spieleranzahl</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Spieleranzahl, auf und ab</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Spielernamen:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Der Computer spielt für:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pause je Schritt:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pause zwischen den Schritten</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: Rot %2, Grün %3, Blau %4</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Ein Spieler mehr</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Ein Spieler weniger</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Stufe von %1: %2</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: Standardwerte wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Spielanalyse</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Ungenauigkeiten</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Patzer</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, Glück und Verlust</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Entscheidungen</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Bestes Spiel wird berechnet...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Erwartete Endsumme nach jeder Entscheidung</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Alle Entscheidungen</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Nur Ausrutscher</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 Glück − %3 Verlust = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 Glück − %3 Verlust = %4 erwartet</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Entscheidungen von %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Noch keine Entscheidungen: Die Analyse wächst mit dem Spiel.</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Ausrutscher</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Noch keine Entscheidungen: Das Diagramm beginnt mit der ersten.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Revanche</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, zuletzt eingetragen</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Tagesspiel vom %1, Würfelcode %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Würfelcode: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Das Maximum, das diese Würfel erlauben: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Computer (Perfekt) mit diesen Würfeln: wird berechnet...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Computer (Perfekt) mit diesen Würfeln: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 weniger als der Computer (Perfekt)</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 mehr als der Computer (Perfekt)</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, gleichauf mit dem Computer (Perfekt)</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa-Tagesspiel %1: %2, Perfekt %3, Maximum %4</translation>
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
        <translation>%2 von %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Möchten Sie die Bestenliste wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>die geleerte Bestenliste</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 erreicht Platz %2 mit %3.</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Std.-Abw.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Bonus oben</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Noch keine beendeten Spiele.</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Endsummen von %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Endsumme</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Statistik leeren</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Möchten Sie die beendeten Spiele wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (nicht beendet)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (Computer, %2)</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tagesspiele</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1 (Tagesspiel)</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Unter Perfekt</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Unter Maximum</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Der Server hat die Anmeldung abgelehnt: Bitte prüfen Sie die Adresse und das Passwort.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Der Server ist nicht erreichbar: Bitte prüfen Sie die Adresse und die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Das Zertifikat des Servers ist nicht vertrauenswürdig, daher verbindet sich Quoxa nicht mit ihm.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Der Raum des Spiels existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Jemand im Raum des Spiels verwendet diesen Namen bereits.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Der Raum des Spiels lässt Sie nicht hinein.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Die Verbindung zum Server ist abgebrochen.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Das Online-Spiel kann nicht beginnen: Das Online-Modul von Quoxa fehlt.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>das Online-Modul fehlt</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>er hat das Passwort nicht angenommen</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Online spielen</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Merken</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>Spiel &amp;eröffnen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>E&amp;inladung:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Ein&amp;laden</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Freund:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>&amp;Computer hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Ihr Passwort kann nicht gespeichert werden: Der Schlüsselbund des Desktops antwortet nicht (%1). Geben Sie es beim nächsten Mal erneut ein.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Geben Sie Ihre Adresse ein, etwa ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Fügen Sie die Einladung ein, etwa xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Auf dem Spielbrett läuft ein Online-Spiel: Beginnen Sie dort ein neues Spiel, um es zu verlassen.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung mit %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Der Raum des Spiels %1 wird eröffnet...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Beitritt zu %1...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Der Raum Ihres Spiels ist offen und seine Einladung kopiert: Schicken Sie sie Ihren Freunden, oder laden Sie sie hier ein.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Warten, bis der Gastgeber das Spiel startet.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(ein Zug in einem Quoxa-Spiel)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Das Spiel läuft.</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Alle Plätze sind besetzt.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Geben Sie die Adresse Ihres Freundes ein, etwa bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 lädt Sie zu einem Quoxa-Spiel ein.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 ist eingeladen.</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Warten, bis jede Kopie bereit ist...</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 lädt Sie zu einem Spiel ein. Beitreten?</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Der Raum des Spiels enthält das Spiel nicht mehr, daher kann Quoxa nicht dorthin zurückkehren.</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa wurde während eines Online-Spiels geschlossen: Klicken Sie auf „Beitreten“, um dorthin zurückzukehren.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Zurück zum Spiel...</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ausgestiegen</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Computer &amp;vertritt sie</translation>
    </message>
</context>
</TS>
