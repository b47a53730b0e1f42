<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 за віссю «%2»: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>Не вдається показати графік: бракує модуля графіків Quoxa.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>Символу «%1» немає серед літер і цифр коду кубиків.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>Введіть код кубиків гри, у яку хочете зіграти.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>Код кубиків — це вісім літер і цифр, а тут %n символ.</numerusform>
            <numerusform>Код кубиків — це вісім літер і цифр, а тут %n символи.</numerusform>
            <numerusform>Код кубиків — це вісім літер і цифр, а тут %n символів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>Останній символ не узгоджується з рештою: один із них введено з помилкою.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>Потрібен об’єкт</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Індекс поза межами</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Не задано об’єктну змінну або змінну блоку With</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Індекс поза допустимим діапазоном</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Невідповідність типу</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>Помилка доступу до шляху або файлу: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ресурс з ідентифікатором «%1» не знайдено</translation>
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
        <translation>%1 перемагає з результатом %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 ділять перемогу з результатом %2.</translation>
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
        <translation>її не вдається прочитати</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>пошкоджену гру</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>Не вдалося відновити поточну гру: %1. Вона лишається недоторканою у файлі %2, і починається нова гра.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>Не вдалося відновити поточну гру: %1. Її збережено у файлі %2, і починається нова гра.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>поточну гру</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>незавершену гру</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>завершену гру</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>очищену статистику</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>у ній неправильна кількість гравців (%1)</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 грає на рівні %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>у ній неправильна кількість ходів (%1)</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>у ході %1 неправильна кількість кидків (%2)</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>у ході %1 випадають кубики, яких не дають частки кубиків гравців</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>у ході %1 кидається кубик, який кидати не можна</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>у ході %1 випадають кубики, яких не дає %2</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>у ході %1 нічого не записано</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>у ході %1 графа «%2» заповнюється вдруге</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>у ході %1 до графи «%3» записано %2, а кубики цього не дають</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 записує %2 до графи «%3».</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>Кидків більше немає.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>Лишився один кидок.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>Лишилося два кидки.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, вільний</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Кубик %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, залишений</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. Підсумок гри: %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 викидає %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>Підсумок гравця %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 отримує бонус за верхню частину: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>Гра дня за %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>Код кубиків %1 прийнято.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Початковий</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Аматорський</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Клубний</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Експертний</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Ідеальний</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>записати до «%1» (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>перекинути всі п’ять</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>залишити %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>Підказка: киньте кубики. Очікуваний підсумок: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>Підказка: запишіть %2 до «%1». Очікуваний підсумок: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>Підказка: запишіть 0 до «%1» (це обійдеться найдешевше). Очікуваний підсумок: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>Підказка: перекиньте всі п’ять. Очікуваний підсумок: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>Підказка: залиште %1 і киньте знову. Очікуваний підсумок: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 кидає кубики.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 перекидає всі п’ять.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 залишає %2 і кидає знову.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>неточність</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>помилка</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>груба помилка</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>Хід %1, кидок %2, %3: випало %4 (кубики забрали %5); очікуваний підсумок за найкращої гри — %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>Хід %1, кидок %2, %3: випало %4 (кубики дали %5); очікуваний підсумок за найкращої гри — %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>Зіграно: %1 (очікувалося %2). Найкращий хід: %3. Втрачено очок: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>Зіграно: %1 (очікувалося %2). Найкращий хід: %3. Втрачено очок: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>Організатор гри %1 покинув її: гру закінчено.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 виходить із гри.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>Частка кубиків гравця %1 не збігається з тим, що обіцяла його копія гри: продовжувати гру не можна.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>Гра в копії гравця %1 розходиться з цією після ходу %2: копії розійшлися, продовжувати гру не можна.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>Копія гравця %1 надіслала хід, якого ця гра не допускає (%2): копії розійшлися, продовжувати гру не можна.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>кидок</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>залишити кубик %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>звільнити кубик %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>записати до «%1»</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>скасувати останній запис</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>передати хід</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>За %1 грає комп’ютер (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 знову в грі.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>Ця копія більше не має своїх часток кубиків для цієї гри, тому повернутися до гри не можна.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>Гравець %1 відійшов: гра чекає на нього.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>Гравець %1 повернувся.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>Кинути</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>Одиниці</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двійки</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Трійки</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвірки</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>П’ятірки</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шістки</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>Разом</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>3 однакових</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>4 однакових</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фул-хаус</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Малий стріт</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Великий стріт</translation>
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
        <translation>Підсумок гри</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>Разом за верхню частину</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>Разом за нижню частину</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>Інша копія %1 займає сховище: зберегти %2 вдасться, коли воно звільниться.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>Інша копія %1 досі займає сховище: не вдалося зберегти %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>Помилка №: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 і %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>Гравець %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>налаштування</translation>
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
        <translation>Quoxa — гра в кубики для одного–чотирьох гравців, які ділять одне вікно.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>Посилання: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Зміст</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Покажчик</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Уперед</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>Гра в кубики для одного–чотирьох гравців.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 розробники Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>Питання, ідеї, відгуки:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Ліцензія</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>Киньте кубики.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>Лишилося кидків: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>Залиште кубики й киньте знову або виберіть графу.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>Виберіть графу.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>Натисніть «Далі» або «Скасувати», щоб прибрати запис.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Гру закінчено.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>не кинутий</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n очко</numerusform>
            <numerusform>%1: %n очки</numerusform>
            <numerusform>%1: %n очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очки</numerusform>
            <numerusform>%n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 грає в іншій копії гри.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нова</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Почати нову гру</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Гра &amp;дня</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>Грати за &amp;кодом...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>Грати в &amp;мережі...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Підказка</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Рекорди...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Показати рекорди</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>Розбір &amp;гри...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Статистика...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Вийти з гри</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;Скасувати запис</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Скасувати останній запис</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Кольори</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>Змінити кольори кубиків</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Гравці</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Змінити гравців</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Звуки</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>Ко&amp;мп’ютерні гравці...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Рядок стану</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель інструментів</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;Таблиця очок</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>Показати таблицю очок</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Збільшити</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>З&amp;меншити</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Справжній розмір</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Покажчик</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Ліцензійна угода</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;Про Quoxa...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Відомості про програму</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Увімкнути або вимкнути звуки</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>Підказка: триває розрахунок...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» — не код кубиків. Код кубиків — це вісім літер і цифр, як у таблиці очок (наприклад, K7QX-93R1); перевірте його і спробуйте знову.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>Гра за кодом кубиків</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>Код кубиків гри, як його вказано в її таблиці очок (наприклад, K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>Поле в масштабі %1&#xa0;% не вміщується на екрані: його показано в масштабі %2&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Кольори</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Гравці</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Звуки</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Ко&amp;мп’ютер</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типові</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Задіяти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: червоний %2, зелений %3, синій %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: відновлено типові значення.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Кубики</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Крапки</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Кількість гравців:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Кількість гравців</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>Кількість гравців, більше чи менше</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>На одного гравця більше</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>На одного гравця менше</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>Імена гравців:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Ім’я гравця %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>%1, рівень: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>Комп’ютер грає за:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>Пауза між ходами:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>Пауза між ходами</translation>
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
        <translation>Розбір гри</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Зведення</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Втрати</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Удача</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>Неточності</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Помилки</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>Грубі помилки</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>Старт, удача й втрати</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показати:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Рішення</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Хід</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Кидок</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Кубики</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Зіграно</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Найкращий хід</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>Промах</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>Розрахунок найкращої гри...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Очікуваний підсумок після кожного рішення</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>Рішень поки немає: графік почнеться з першого.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Усі рішення</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>Лише промахи</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 удача − %3 втрати = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 удача − %3 втрати = %4 очікується</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>Рішення гравця %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>Рішень поки немає: розбір поповнюється під час гри.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>Таблиця очок</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходи</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Зіграти &amp;знову</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Розбір гри</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, останній запис</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Копіювати підсумок</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>Гра дня за %1, код кубиків %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>Код кубиків: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>Максимум на цих кубиках: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>Ідеальний комп’ютер на цих кубиках: триває розрахунок...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>Ідеальний комп’ютер на цих кубиках: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, на %3 менше, ніж в ідеального комп’ютера</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, на %3 більше, ніж в ідеального комп’ютера</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, як в ідеального комп’ютера</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa, гра дня %1: %2, ідеальний %3, максимум %4</translation>
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
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 посідає місце %2 з результатом %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>Ви справді хочете скинути всі рекорди?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>очищену таблицю рекордів</translation>
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
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Ігри</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Перемоги</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Середнє</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Найкращий</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>Ст. відх.</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>Верхній бонус</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ігри дня</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>Нижче ідеалу</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>Нижче максимуму</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Гра:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Розбір гри</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
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
        <translation>%1 (гра дня)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (не завершена)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (комп’ютер, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>Підсумки гравця %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>Підсумок гри</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Завершених ігор поки немає.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Очистити статистику</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>Ви справді хочете видалити завершені ігри?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>Сервер відхилив вхід: перевірте адресу й пароль.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>Сервер недоступний: перевірте адресу й підключення до мережі.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>Сертифікат сервера не викликає довіри, тому Quoxa до нього не підключається.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>Кімнати гри більше немає.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>Хтось у кімнаті гри вже використовує це ім’я.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>Кімната гри вас не впускає.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>З’єднання із сервером перервано.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>Гра в мережі не може початися: бракує мережевого модуля Quoxa.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>бракує мережевого модуля</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>пароль не прийнято</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>Гра в мережі</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;Запам’ятати</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Адреса:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;Створити гру</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Увійти</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>Запро&amp;шення:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>Запр&amp;осити</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;Друг:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Місця</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>Додати &amp;комп’ютер</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>По&amp;чати</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>Комп’ютер &amp;грає за них</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>Пароль не вдається зберегти: в’язка ключів стільниці не відповідає (%1). Наступного разу введіть його знову.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>У кімнаті гри більше немає цієї гри, тому Quoxa не може до неї повернутися.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>Введіть свою адресу, наприклад ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>Вставте запрошення, наприклад xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>На полі триває гра в мережі: щоб вийти з неї, почніть там нову гру.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Підключення до %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>Відкривається кімната гри %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Вхід до %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa закрилася під час гри в мережі: натисніть «Увійти», щоб повернутися до неї.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>Повернення до гри...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>Кімнату вашої гри відкрито, запрошення скопійовано: надішліть його друзям або запросіть їх тут.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>Очікування, поки організатор почне гру.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(хід у грі Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>Гра триває.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>Введіть адресу друга, наприклад bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 запрошує вас до гри Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>Запрошення надіслано: %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 запрошує вас до гри. Увійти?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>Усі місця зайнято.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Комп’ютер: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Не в грі</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Немає на місці</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Комп’ютер %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>Очікування готовності всіх копій...</translation>
    </message>
</context>
</TS>
