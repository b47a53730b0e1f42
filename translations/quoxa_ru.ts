<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 по оси «%2»: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Не удаётся показать график: отсутствует модуль графиков Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>Символа «%1» нет среди букв и цифр кода кубиков.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Введите код кубиков игры, в которую хотите сыграть.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Код кубиков — это восемь букв и цифр, а здесь %n символ.</numerusform>
            <numerusform>Код кубиков — это восемь букв и цифр, а здесь %n символа.</numerusform>
            <numerusform>Код кубиков — это восемь букв и цифр, а здесь %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Последний символ не сходится с остальными: один из них введён с ошибкой.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Требуется объект</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Индекс за пределами границ</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Не задана объектная переменная или переменная блока With</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Ошибка доступа к пути или файлу: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ресурс с идентификатором «%1» не найден</translation>
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
        <translation>%1 побеждает с результатом %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 делят победу с результатом %2.</translation>
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
        <translation>её не удаётся прочитать</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>повреждённую игру</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Не удалось восстановить текущую игру: %1. Она остаётся нетронутой в файле %2, и начинается новая игра.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Не удалось восстановить текущую игру: %1. Она сохранена в файле %2, и начинается новая игра.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>текущую игру</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>незаконченную игру</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>законченную игру</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>очищенную статистику</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>в ней неверное число игроков (%1)</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 играет на уровне %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>в ней неверное число ходов (%1)</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>в ходе %1 неверное число бросков (%2)</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>в ходе %1 выпадают кубики, которых не дают доли кубиков игроков</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>в ходе %1 бросается кубик, который бросать нельзя</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>в ходе %1 выпадают кубики, которых не даёт %2</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>в ходе %1 ничего не записано</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>в ходе %1 графа «%2» заполняется второй раз</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>в ходе %1 в графу «%3» записано %2, а кубики этого не дают</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 записывает %2 в графу «%3».</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Бросков больше нет.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Остался один бросок.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Осталось два броска.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, свободен</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Кубик %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, оставлен</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Итог игры: %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 выбрасывает %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Итог игрока %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 получает бонус за верхнюю часть: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Игра дня от %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Код кубиков %1 принят.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Начальный</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Любительский</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Клубный</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Экспертный</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Идеальный</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>записать в «%1» (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>перебросить все пять</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>оставить %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Подсказка: бросьте кубики. Ожидаемый итог: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Подсказка: запишите %2 в «%1». Ожидаемый итог: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Подсказка: запишите 0 в «%1» (это обойдётся дешевле всего). Ожидаемый итог: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Подсказка: перебросьте все пять. Ожидаемый итог: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Подсказка: оставьте %1 и бросьте снова. Ожидаемый итог: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 бросает кубики.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 перебрасывает все пять.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 оставляет %2 и бросает снова.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>неточность</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>грубая ошибка</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Ход %1, бросок %2, %3: выпало %4 (кубики отняли %5); ожидаемый итог при лучшей игре — %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Ход %1, бросок %2, %3: выпало %4 (кубики дали %5); ожидаемый итог при лучшей игре — %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Сыграно: %1 (ожидалось %2). Лучший ход: %3. Потеряно очков: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Сыграно: %1 (ожидалось %2). Лучший ход: %3. Потеряно очков: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>Организатор игры %1 покинул её: игра окончена.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 выходит из игры.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Доля кубиков игрока %1 не совпадает с тем, что обещала его копия игры: продолжать игру нельзя.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Игра в копии игрока %1 расходится с этой после хода %2: копии разошлись, продолжать игру нельзя.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Копия игрока %1 прислала ход, которого эта игра не допускает (%2): копии разошлись, продолжать игру нельзя.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>бросок</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>оставить кубик %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>освободить кубик %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>записать в «%1»</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>отменить последнюю запись</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>передать ход</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>За %1 играет компьютер (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 снова в игре.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>У этой копии больше нет долей кубиков для этой игры, поэтому вернуться в неё нельзя.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>Игрок %1 отошёл: игра ждёт его.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>Игрок %1 вернулся.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Бросить</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двойки</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Тройки</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвёрки</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Пятёрки</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шестёрки</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>3 одинаковых</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>4 одинаковых</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Малый стрит</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Большой стрит</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Шанс</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Итог игры</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Итого по верхней части</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Итого по нижней части</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Другая копия %1 занимает хранилище: сохранить %2 удастся, когда оно освободится.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Другая копия %1 всё ещё занимает хранилище: не удалось сохранить %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Ошибка №: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>настройки</translation>
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
        <translation>Quoxa — игра в кубики для одного–четырёх игроков, которые делят одно окно.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Ссылка: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Указатель</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Игра в кубики для 1–4 игроков.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 разработчики Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Вопросы, идеи, отзывы:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Лицензия</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Бросьте кубики.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Ещё бросков: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Оставьте кубики и бросьте снова или выберите графу.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Выберите графу.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Нажмите «Далее» или «Отменить», чтобы убрать запись.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Игра окончена.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>не брошен</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n очко</numerusform>
            <numerusform>%1: %n очка</numerusform>
            <numerusform>%1: %n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 играет в другой копии игры.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Начать новую игру</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Игра &amp;дня</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Играть по &amp;коду...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Играть по &amp;сети...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Рекорды...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Показать рекорды</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>Раз&amp;бор игры...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>С&amp;татистика...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Выйти из игры</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Отменить запись</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Отменить последнюю запись</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Цвета</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Изменить цвета кубиков</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Игроки</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Изменить игроков</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Звуки</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>&amp;Компьютерные игроки...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Таблица очков</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Показать таблицу очков</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Лицензионное соглашение</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;О программе Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Сведения о программе</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Включить или выключить звуки</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Подсказка: идёт расчёт...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» — не код кубиков. Код кубиков — это восемь букв и цифр, как в таблице очков (например, K7QX-93R1); проверьте его и попробуйте снова.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Игра по коду кубиков</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Код кубиков игры, как он указан в её таблице очков (например, K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Поле в масштабе %1&#xa0;% не помещается на экране: оно показано в масштабе %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Цвета</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Игроки</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Звуки</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Компьютер</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: красный %2, зелёный %3, синий %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: восстановлены значения по умолчанию.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Кубики</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Число игроков:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Число игроков</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Число игроков, больше или меньше</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>На одного игрока больше</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>На одного игрока меньше</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Имена игроков:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Имя игрока %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>%1, уровень: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Включены</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключены</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Компьютер играет за:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Пауза между ходами:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Пауза между ходами</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>Разбор игры</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Потери</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Удача</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Неточности</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Грубые ошибки</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Старт, удача и потери</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показать:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Решения</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Бросок</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Кубики</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучший ход</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Промах</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Расчёт лучшей игры...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Ожидаемый итог после каждого решения</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Решений пока нет: график начнётся с первого.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Все решения</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Только промахи</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 удача − %3 потери = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 удача − %3 потери = %4 ожидается</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Решения игрока %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Решений пока нет: разбор пополняется по ходу игры.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Таблица очков</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Сыграть &amp;снова</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Разбор игры</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, последняя запись</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Копировать итог</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Игра дня от %1, код кубиков %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Код кубиков: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Максимум на этих кубиках: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Идеальный компьютер на этих кубиках: идёт расчёт...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Идеальный компьютер на этих кубиках: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, на %3 меньше, чем у идеального компьютера</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, на %3 больше, чем у идеального компьютера</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, как у идеального компьютера</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, игра дня %1: %2, идеальный %3, максимум %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>результат %2 (%1)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 занимает место %2 с результатом %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Вы действительно хотите сбросить все рекорды?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>очищенную таблицу рекордов</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучший</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Ст. откл.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Верхний бонус</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Игры дня</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Ниже идеала</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Ниже максимума</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Игра:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Разбор игры</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>%1 (игра дня)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (не окончена)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (компьютер, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Итоги игрока %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Итог игры</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Оконченных игр пока нет.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Очистить статистику</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Вы действительно хотите удалить оконченные игры?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Сервер отклонил вход: проверьте адрес и пароль.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Сервер недоступен: проверьте адрес и подключение к сети.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Сертификат сервера не вызывает доверия, поэтому Quoxa к нему не подключается.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Комнаты игры больше нет.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Кто-то в комнате игры уже использует это имя.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Комната игры вас не впускает.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>Соединение с сервером прервано.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Сетевая игра не может начаться: отсутствует сетевой модуль Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>отсутствует сетевой модуль</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>пароль не принят</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Игра по сети</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Запомнить</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Адрес:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Создать игру</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Войти</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>П&amp;риглашение:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>При&amp;гласить</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Друг:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Места</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Добавить &amp;компьютер</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Компьютер &amp;играет за них</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Пароль не удаётся сохранить: связка ключей рабочего стола не отвечает (%1). В следующий раз введите его снова.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>В комнате игры больше нет этой игры, поэтому Quoxa не может в неё вернуться.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Введите свой адрес, например ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Вставьте приглашение, например xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>На поле идёт сетевая игра: чтобы выйти из неё, начните там новую игру.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Подключение к %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Открывается комната игры %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Вход в %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa закрылась во время сетевой игры: нажмите «Войти», чтобы вернуться в неё.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Возвращение в игру...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Комната вашей игры открыта, приглашение скопировано: отправьте его друзьям или пригласите их здесь.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Ожидание, пока организатор начнёт игру.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(ход в игре Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Игра идёт.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Введите адрес друга, например bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 приглашает вас в игру Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>Приглашение отправлено: %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 приглашает вас в игру. Войти?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Все места заняты.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Компьютер: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Не в игре</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Нет на месте</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Компьютер %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Ожидание готовности всех копий...</translation>
    </message>
</context>
</TS>
