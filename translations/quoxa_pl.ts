<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Nie można wyświetlić wykresu: brak modułu wykresów gry Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>„%1” nie należy do liter i cyfr kodu kości.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Wpisz kod kości gry, w którą chcesz zagrać.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Kod kości ma osiem liter i cyfr, a ten ma %n znak.</numerusform>
            <numerusform>Kod kości ma osiem liter i cyfr, a ten ma %n znaki.</numerusform>
            <numerusform>Kod kości ma osiem liter i cyfr, a ten ma %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Ostatni znak nie pasuje do pozostałych: któryś z nich wpisano błędnie.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Wymagany obiekt</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indeks poza granicami</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Nie ustawiono zmiennej obiektowej ani zmiennej bloku With</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks spoza zakresu</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Błąd dostępu do ścieżki/pliku: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Nie znaleziono zasobu o identyfikatorze „%1”</translation>
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
        <translation>%1 wygrywa z wynikiem %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>Zwycięstwo ex aequo: %1 z wynikiem %2.</translation>
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
        <translation>nie można odczytać pliku</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>uszkodzona gra</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Nie udało się przywrócić trwającej gry: %1. Zostaje bez zmian jako %2, a zaczyna się nowa gra.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Nie udało się przywrócić trwającej gry: %1. Zachowano ją jako %2, a zaczyna się nowa gra.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>trwająca gra</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>niedokończona gra</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>zakończona gra</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>wyczyszczone statystyki</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>liczba graczy: %1</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 gra na poziomie %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>liczba tur: %1</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>w turze %1 liczba rzutów wynosi %2</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>w turze %1 wypadają kości, których nie dają udziały kości graczy</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>w turze %1 rzucono kością, której nie wolno rzucić</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>w turze %1 wypadają kości, których nie daje %2</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>w turze %1 nic nie zapisano</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>w turze %1 po raz drugi zapisano w kategorii %2</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>w turze %1 zapisano %2 w kategorii %3, a kości tego nie dają</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 zapisuje %2 w kategorii %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Nie ma już rzutów.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Został jeden rzut.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Zostały dwa rzuty.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, wolna</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Kość %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, zatrzymana</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Suma końcowa %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 wyrzuca %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1: suma końcowa %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 zdobywa premię za górną część: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Gra dnia: %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Przyjęto kod kości %1.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Amator</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubowy</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekcyjny</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>rzucić ponownie wszystkimi pięcioma</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>zatrzymać %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Podpowiedź: rzuć kośćmi. Oczekiwana suma końcowa: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Podpowiedź: zapisz %2 w kategorii %1. Oczekiwana suma końcowa: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Podpowiedź: zapisz 0 w kategorii %1 (kosztuje najmniej). Oczekiwana suma końcowa: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Podpowiedź: rzuć ponownie wszystkimi pięcioma. Oczekiwana suma końcowa: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Podpowiedź: zatrzymaj %1 i rzuć ponownie. Oczekiwana suma końcowa: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 rzuca kośćmi.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 rzuca ponownie wszystkimi pięcioma.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 zatrzymuje %2 i rzuca ponownie.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>niedokładność</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>gruby błąd</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Tura %1, rzut %2: %3 ma %4 (kości zabrały %5), przy najlepszej grze oczekiwana suma końcowa to %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Tura %1, rzut %2: %3 ma %4 (kości dały %5), przy najlepszej grze oczekiwana suma końcowa to %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Zagrany: %1 (oczekiwane %2). Najlepszy: %3. Utracone punkty: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Zagrany: %1 (oczekiwane %2). Najlepszy: %3. Utracone punkty: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>Gospodarz gry, %1, opuścił ją: gra się skończyła.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 opuszcza grę.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Udział kości gracza %1 nie zgadza się z tym, co obiecała kopia gracza %1: gry nie można kontynuować.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Gra w kopii gracza %1 różni się od tej po turze %2: kopie nie są zgodne i gry nie można kontynuować.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Kopia gracza %1 wysłała ruch, na który ta gra nie pozwala (%2): kopie nie są zgodne i gry nie można kontynuować.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>rzut</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>zatrzymanie kości %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>zwolnienie kości %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>zapis w kategorii %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>cofnięcie ostatniego zapisu</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>przekazanie tury</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>Komputer gra za gracza %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 wraca do gry.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Ta kopia nie ma już swoich udziałów kości w tej grze, więc nie może do niej wrócić.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>Gracz %1 jest nieobecny: gra czeka na jego powrót.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 jest z powrotem.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Jedynki</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dwójki</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trójki</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Czwórki</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Piątki</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Szóstki</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Mały strit</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Duży strit</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Szansa</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Suma końcowa</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Suma górnej części</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Suma dolnej części</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Inna kopia programu %1 używa teraz magazynu danych. Gdy się zwolni, zostanie zapisane: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Inna kopia programu %1 nadal używa magazynu danych. Nie udało się zapisać: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Błąd nr: </translation>
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
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>ustawienia</translation>
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
        <translation>Quoxa, gra w kości dla jednego do czterech graczy, którzy dzielą jedno okno.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Odnośnik: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Gra w kości dla jednego do czterech graczy.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 twórcy gry Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Pytania, pomysły, pochwały:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Rzuć kośćmi.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Pozostałe rzuty: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Zatrzymaj kości i rzuć ponownie albo wybierz kategorię.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Wybierz kategorię.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Naciśnij „Dalej” albo „Cofnij”, by cofnąć ostatni zapis.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Koniec gry.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nie rzucono</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n punkt</numerusform>
            <numerusform>%1: %n punkty</numerusform>
            <numerusform>%1: %n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 gra w innej kopii gry.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Rozpocznij nową grę</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Gra &amp;dnia</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Gra według &amp;kodu kości...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Graj &amp;online...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>Najlepsze &amp;wyniki...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Pokaż najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analiza gry...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statystyki...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Cofnij ostatni zapis</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Cofnij ostatni zapis</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Zmień kolory kości</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Gracze</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Zmień graczy</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Dźwięki</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Gracze ko&amp;mputerowi...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Karta wyników</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Pokaż kartę wyników</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Umowa licencyjna</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;O programie Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Pokaż informacje o programie</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Włącz/wyłącz dźwięki</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Podpowiedź: obliczanie...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>„%1” nie jest kodem kości. Kod kości to osiem liter i cyfr w takiej postaci, jak na karcie wyników (na przykład K7QX-93R1); sprawdź go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Gra według kodu kości</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Kod kości gry, w którą chcesz zagrać, taki jak na jej karcie wyników (na przykład K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Plansza w skali %1% nie zmieściłaby się na ekranie: jest pokazana w skali %2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Gracze</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Dźwięki</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Ko&amp;mputer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: czerwony %2, zielony %3, niebieski %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: przywrócono ustawienia domyślne.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Oczka</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Liczba graczy:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Liczba graczy</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Liczba graczy, w górę i w dół</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>Jeden gracz więcej</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>Jeden gracz mniej</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Imiona graczy:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Imię gracza %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>Poziom gracza %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Komputer gra za:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Pauza między ruchami:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Pauza między ruchami</translation>
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
        <translation>Analiza gry</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Strata</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Szczęście</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Niedokładności</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Grube błędy</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Start, szczęście i strata</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Pokaż:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decyzje</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tura</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Rzut</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kości</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Zagrany</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najlepszy</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Potknięcie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Obliczanie najlepszej gry...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Oczekiwana suma końcowa po każdej decyzji</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Brak decyzji: wykres zaczyna się od pierwszej z nich.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Wszystkie decyzje</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Tylko potknięcia</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 szczęścia − %3 straty = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 szczęścia − %3 straty = %4 oczekiwane</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Decyzje gracza %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Brak decyzji: analiza rośnie wraz z grą.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Karta wyników</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Zagraj &amp;ponownie</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analiza gry</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusta</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, ostatni zapis</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopiuj wynik</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Gra dnia %1, kod kości %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Kod kości: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Maksimum przy tych kościach: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Komputer (Perfekcyjny) przy tych kościach: obliczanie...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Komputer (Perfekcyjny) przy tych kościach: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, o %3 mniej niż komputer (Perfekcyjny)</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, o %3 więcej niż komputer (Perfekcyjny)</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, tyle samo co komputer (Perfekcyjny)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa – gra dnia %1: %2, Perfekcyjny %3, maksimum %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>wynik gracza %1 (%2)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Wyzeruj wyniki</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 zajmuje %2. miejsce z wynikiem %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Czy na pewno wyzerować wszystkie wyniki?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>wyzerowane najlepsze wyniki</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Odch. std.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Gry dnia</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Pod Perf.</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Pod maks.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Gra:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analiza gry</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>%1 (gra dnia)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (niedokończona)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (komputer, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Sumy końcowe gracza %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Suma końcowa</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Brak zakończonych gier.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Wyczyść statystyki</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Czy na pewno usunąć zakończone gry?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Serwer odrzucił logowanie: sprawdź adres i hasło.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Nie można połączyć się z serwerem: sprawdź adres i połączenie sieciowe.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Certyfikat serwera nie jest zaufany, więc Quoxa się z nim nie łączy.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Pokój gry już nie istnieje.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Ktoś w pokoju gry używa już tej nazwy.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Nie masz wstępu do pokoju gry.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Połączenie z serwerem zostało przerwane.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Nie można rozpocząć gry online: brak modułu online gry Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>brak modułu online</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>hasło nie zostało przyjęte</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Graj online</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>Zapamię&amp;taj</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Utwórz grę</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Dołącz</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;Zaproszenie:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Za&amp;proś</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>Z&amp;najomy:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Miejsca</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Dodaj &amp;komputer</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Komputer &amp;gra za nich</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Nie można zachować hasła: baza kluczy pulpitu nie odpowiada (%1). Następnym razem wpisz je ponownie.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>Pokój gry nie zawiera już tej gry, więc Quoxa nie może do niej wrócić.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Wpisz swój adres, np. ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Wklej zaproszenie, np. xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>Na planszy trwa gra online: aby ją opuścić, rozpocznij tam nową grę.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Łączenie z %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Otwieranie pokoju gry %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Dołączanie do %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Program Quoxa zamknięto podczas gry online: naciśnij „Dołącz”, aby do niej wrócić.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Powrót do gry...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Pokój twojej gry jest otwarty, a zaproszenie skopiowane: wyślij je znajomym albo zaproś ich tutaj.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Czekanie, aż gospodarz rozpocznie grę.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(ruch w grze Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Gra trwa.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Wpisz adres znajomego, np. bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 zaprasza cię do gry w Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>Zaproszono: %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 zaprasza cię do gry. Dołączyć?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Wszystkie miejsca są zajęte.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Komputer: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Poza grą</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Nieobecność</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Komputer %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Czekanie, aż każda kopia będzie gotowa...</translation>
    </message>
</context>
</TS>
