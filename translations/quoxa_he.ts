<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 לפי %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>לא ניתן להציג את התרשים: מודול התרשימים של Quoxa חסר.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>התו &quot;%1&quot; אינו אות או ספרה של קוד קוביות.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>יש להקליד את קוד הקוביות של המשחק.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>לקוד קוביות יש שמונה אותיות וספרות; לקוד הזה יש רק %n.</numerusform>
            <numerusform>לקוד קוביות יש שמונה אותיות וספרות; לקוד הזה יש %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>התו האחרון אינו מתאים לשאר התווים: אחד מהם הוקלד לא נכון.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>נדרש אובייקט</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>אינדקס מחוץ לתחום</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>משתנה אובייקט או משתנה בלוק With לא הוגדר</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>מציין מחוץ לטווח</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>סוגים לא תואמים</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>שגיאת גישה לנתיב או לקובץ: ‎</translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>המשאב עם המזהה &quot;%1&quot; לא נמצא</translation>
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
        <translation>הניצחון ל־%1, עם %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>הניצחון משותף ל־%1, עם %2.</translation>
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
        <translation>לא ניתן לקרוא אותו</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>המשחק הפגום</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>לא ניתן היה לשחזר את המשחק שבעיצומו: %1. הוא נשאר ללא שינוי בשם ‎%2, ומשחק חדש מתחיל.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>לא ניתן היה לשחזר את המשחק שבעיצומו: %1. הוא נשמר בשם ‎%2, ומשחק חדש מתחיל.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>המשחק שבעיצומו</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>המשחק שלא הסתיים</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>המשחק שהסתיים</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>הסטטיסטיקה שנוקתה</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>יש בו %1 שחקנים</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>הרמה של %1 היא %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>יש בו %1 תורות</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>בתור %1 יש %2 הטלות</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>בתור %1 הוטלו קוביות שחלקי הקוביות של השחקנים אינם נותנים</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>בתור %1 הוטלה קובייה שאי אפשר להטיל</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>בתור %1 הוטלו קוביות שהמקור &quot;%2&quot; אינו נותן</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>בתור %1 לא נרשם דבר</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>בתור %1 הקטגוריה %2 נרשמה פעם שנייה</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>בתור %1 נרשמו %2 ב־%3, אף שהקוביות שלו אינן נותנות זאת</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1: רישום %2 ב־%3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>לא נותרו הטלות.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>נותרה הטלה אחת.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>נותרו שתי הטלות.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, חופשית</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>קובייה %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, שמורה</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. סה״כ כללי %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>בהטלה של %1 יצאו %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>הסה״כ של %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 זוכה בבונוס העליון של %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>המשחק היומי ליום %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>קוד הקוביות %1 התקבל.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>מתחיל</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>חובב</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>מועדון</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>מומחה</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>מושלם</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>רישום ב־%1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>הטלה חוזרת של כל החמש</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>שמירת %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>רמז: להטיל את הקוביות. סה״כ סופי צפוי: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>רמז: לרשום %2 ב־%1. סה״כ סופי צפוי: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>רמז: לרשום 0 ב־%1 (המחיר הנמוך ביותר). סה״כ סופי צפוי: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>רמז: להטיל שוב את כל החמש. סה״כ סופי צפוי: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>רמז: לשמור %1 ולהטיל שוב. סה״כ סופי צפוי: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1: הטלת הקוביות.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1: הטלה חוזרת של כל החמש.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1: שמירת %2 והטלה חוזרת.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>אי־דיוק</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>טעות</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>טעות חמורה</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>תור %1, הטלה %2: ל־%3 יצאו %4 (הקוביות לקחו %5); במשחק מיטבי הצפי לסיום: %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>תור %1, הטלה %2: ל־%3 יצאו %4 (הקוביות נתנו %5); במשחק מיטבי הצפי לסיום: %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>בוצע: %1 (צפי %2). מיטבי: %3. נקודות שאבדו: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>בוצע: %1 (צפי %2). מיטבי: %3. נקודות שאבדו: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1, מארח המשחק, עזב אותו: המשחק הסתיים.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 עזב את המשחק.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>החלק בקוביות של %1 אינו תואם את מה שהעותק של %1 הבטיח: אי אפשר להמשיך את המשחק.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>המשחק בעותק של %1 שונה מהמשחק כאן אחרי תור %2: העותקים אינם מסונכרנים, ואי אפשר להמשיך את המשחק.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>העותק של %1 שלח מהלך שהמשחק הזה אינו מתיר (%2): העותקים אינם מסונכרנים, ואי אפשר להמשיך את המשחק.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>הטלה</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>שמירת קובייה %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>שחרור קובייה %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>רישום ב־%1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>ביטול הרישום האחרון</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>העברת התור</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>מחשב משחק במקום %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 שוב במשחק.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>בעותק הזה כבר אין את החלקים שלו בקוביות של המשחק, ולכן אי אפשר לחזור אליו.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 לא כאן: המשחק ממתין ל־%1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 שוב כאן.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>הטלה</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>משחק חדש</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>אחד</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>שתיים</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>שלוש</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>ארבע</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>חמש</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>שש</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>סכום</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>בונוס</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>סכום ביניים</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>שלישייה</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>רביעייה</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>פול האוס</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>רצף קטן</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>רצף גדול</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>צ׳אנס</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>סה״כ כללי</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>סכום ביניים עליון</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>סכום ביניים תחתון</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>עותק אחר של %1 משתמש במאגר הנתונים: שמירת %2 תתבצע כשהמאגר יתפנה.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>עותק אחר של %1 עדיין משתמש במאגר הנתונים: לא ניתן היה לשמור את %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>שגיאה</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>שגיאה מס׳: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ו־%2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>שחקן %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>ההגדרות</translation>
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
        <translation>Quoxa, משחק קוביות לאחד עד ארבעה שחקנים שחולקים חלון אחד.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>קישור: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>תוכן עניינים</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>מפתח</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>אחורה</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>קדימה</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>משחק קוביות לאחד עד ארבעה שחקנים.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>זכויות יוצרים © 2026 מפתחי Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>שאלות, רעיונות, מחמאות:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>License</source>
        <translation>רישיון</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>אודות %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>יש להטיל את הקוביות.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>הטלות שנותרו: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>שחקנים</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>יש לשמור קוביות ולהטיל שוב, או לבחור קטגוריה.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>יש לבחור קטגוריה.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>יש ללחוץ על &quot;המשך&quot;, או על כפתור &quot;ביטול&quot; כדי לבטל את הרישום האחרון.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>המשחק הסתיים.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>לא הוטלה</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n נקודה</numerusform>
            <numerusform>%1: %n נקודות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n נקודה</numerusform>
            <numerusform>%n נקודות</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>התור של %1, בעותק אחר של המשחק.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;חדש</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>התחלת משחק חדש</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>המשחק ה&amp;יומי</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>משחק לפי &amp;קוד קוביות…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>משחק &amp;ברשת…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;רמז</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;שיאים…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>הצגת השיאים</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>&amp;ניתוח המשחק…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;סטטיסטיקה…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>יציאה מהמשחק</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;עריכה</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>&amp;ביטול הרישום האחרון</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>ביטול הרישום האחרון</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;אפשרויות</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;צבעים</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>שינוי צבעי הקוביות</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;שחקנים</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>שינוי השחקנים</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>צ&amp;לילים</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>שחקני &amp;מחשב…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;תצוגה</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>שורת &amp;מצב</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;סרגל כלים</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>&amp;כרטיס ניקוד</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>הצגת כרטיס הניקוד</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;הגדלה</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ה&amp;קטנה</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;גודל מקורי</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;תוכן עניינים</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;מפתח</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;הסכם רישיון</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>&amp;אודות Quoxa…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>הצגת מידע על התוכנה</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>הפעלת הצלילים או השתקתם</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>רמז: בחישוב…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>הטקסט &quot;%1&quot; אינו קוד קוביות. קוד קוביות הוא שמונה אותיות וספרות, כפי שהוא מופיע בכרטיס הניקוד (למשל K7QX-93R1); יש לבדוק אותו ולנסות שוב.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>משחק לפי קוד קוביות</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>קוד הקוביות של המשחק, כפי שהוא מופיע בכרטיס הניקוד שלו (למשל K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>לוח המשחק ב־%1% לא ייכנס למסך: הוא מוצג ב־%2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;צבעים</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;שחקנים</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>צ&amp;לילים</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;מחשב</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: אדום %2, ירוק %3, כחול %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: חזרה לברירת המחדל.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>קוביות</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>נקודות</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>מספר שחקנים:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>מספר שחקנים</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>מספר שחקנים, הוספה והפחתה</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>שחקן נוסף</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>שחקן אחד פחות</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>שמות השחקנים:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>שם שחקן %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>הרמה של %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>מופעל</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>המחשב משחק עבור:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>השהיה בין מהלכים:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>השהיה בין מהלכים</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 שנ׳</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>ניתוח המשחק</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>סיכום</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>שחקן</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>נקודות שאבדו</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>מזל</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>אי־דיוקים</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>טעויות</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>טעויות חמורות</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>התחלה, מזל ונקודות שאבדו</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;הצגה:</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>החלטות</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>תור</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>הטלה</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>קוביות</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>בוצע</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>מיטבי</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>פספוס</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>חישוב המשחק המיטבי…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>הסה״כ הסופי הצפוי אחרי כל החלטה</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>נקודות</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>אין עדיין החלטות: התרשים מתחיל עם הראשונה.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>כל ההחלטות</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>רק פספוסים</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 מזל − %3 אבדו = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 מזל − %3 אבדו = %4 צפוי</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>ההחלטות של %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>אין עדיין החלטות: הניתוח מתמלא ככל שהמשחק מתקדם.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>כרטיס ניקוד</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>מהלכים</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;משחק נוסף</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;ניתוח המשחק</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, נרשם אחרון</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;העתקת התוצאה</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>הועתק</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>המשחק היומי ליום %1, קוד קוביות %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>קוד קוביות: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>המרב שהקוביות האלה מאפשרות: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>המחשב המושלם בקוביות האלה: בחישוב…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>המחשב המושלם בקוביות האלה: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, %3 פחות מהמחשב המושלם</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, %3 יותר מהמחשב המושלם</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, כמו המחשב המושלם</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>המשחק היומי של Quoxa ליום %1: %2, מושלם %3, מרב %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>התוצאה %2 של %1</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>איפוס השיאים</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>מקום</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>מקום %2 ל־%1, עם %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>האם לאפס את כל השיאים?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>השיאים שאופסו</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>סטטיסטיקה</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>משחקים</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>ניצחונות</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>ממוצע</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>שיא</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>ס׳ תקן</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>בונוס עליון</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>יומי</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>מתחת למושלם</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>מתחת למרב</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;משחק:</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;ניתוח המשחק</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>נ&amp;יקוי</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
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
        <translation>%1 (יומי)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (לא הסתיים)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (מחשב, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 מתוך %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>סכומי המשחקים של %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>סה״כ כללי</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>אין עדיין משחקים שהסתיימו.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>ניקוי הסטטיסטיקה</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>האם למחוק את כל המשחקים שהסתיימו?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>השרת דחה את הכניסה: יש לבדוק את הכתובת ואת הסיסמה.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>אין גישה לשרת: יש לבדוק את הכתובת ואת החיבור לרשת.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>תעודת האבטחה של השרת אינה מהימנה, ולכן Quoxa לא מתחבר אליו.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>חדר המשחק כבר לא קיים.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>מישהו בחדר המשחק כבר משתמש בשם הזה.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>חדר המשחק לא מאפשר לך להיכנס.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>החיבור לשרת נותק.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>אי אפשר להתחיל משחק ברשת: מודול המשחק ברשת של Quoxa חסר.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>מודול המשחק ברשת חסר</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>הוא לא קיבל את הסיסמה</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>משחק ברשת</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>&amp;לזכור</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;כתובת:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;סיסמה:</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>&amp;אירוח משחק</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>ה&amp;צטרפות</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>&amp;הזמנה:</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>לה&amp;זמין</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>&amp;חבר:</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>מקומות</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>שחקן</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>הוספת &amp;מחשב</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>ה&amp;תחלה</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>החלפה &amp;במחשב</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>אי אפשר לשמור את הסיסמה: מחזיק המפתחות של שולחן העבודה לא עונה (%1). יש להקליד אותה שוב בפעם הבאה.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>המשחק כבר לא נמצא בחדר המשחק, ולכן Quoxa לא יכול לחזור אליו.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>יש להקליד את הכתובת שלך, למשל ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>יש להדביק את ההזמנה, למשל xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>משחק ברשת מתנהל על הלוח: כדי לעזוב אותו יש להתחיל שם משחק חדש.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>התחברות אל %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>פתיחת חדר המשחק %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>הצטרפות אל %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>משחק ברשת נקטע כי Quoxa נסגר: כדי לחזור אליו יש ללחוץ על &quot;הצטרפות&quot;.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>חזרה למשחק…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>חדר המשחק שלך פתוח וההזמנה אליו הועתקה: אפשר לשלוח אותה לחברים או להזמין אותם כאן.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>בהמתנה להתחלת המשחק בידי המארח.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(מהלך במשחק Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>המשחק התחיל.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>יש להקליד את כתובת החבר, למשל bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>הזמנה מ־%1 למשחק Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>ההזמנה נשלחה אל %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>הזמנה מ־%1 למשחק. להצטרף?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>כל המקומות תפוסים.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>אדם</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>מחשב: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>מחוץ למשחק</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>לא כאן</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>מחשב %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>בהמתנה לכך שכל העותקים יהיו מוכנים…</translation>
    </message>
</context>
</TS>
