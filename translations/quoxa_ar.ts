<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1 حسب %2: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>تعذّر عرض الرسم البياني: وحدة الرسوم البيانية في Quoxa مفقودة.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>«%1» ليس من أحرف رمز النرد ولا من أرقامه.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>اكتب رمز النرد للعبة التي تريد لعبها.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>رمز النرد ثمانية أحرف وأرقام، وفي هذا الرمز %n منها.</numerusform>
            <numerusform>رمز النرد ثمانية أحرف وأرقام، وفي هذا الرمز %n منها.</numerusform>
            <numerusform>رمز النرد ثمانية أحرف وأرقام، وفي هذا الرمز %n منها.</numerusform>
            <numerusform>رمز النرد ثمانية أحرف وأرقام، وفي هذا الرمز %n منها.</numerusform>
            <numerusform>رمز النرد ثمانية أحرف وأرقام، وفي هذا الرمز %n منها.</numerusform>
            <numerusform>رمز النرد ثمانية أحرف وأرقام، وفي هذا الرمز %n منها.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>الحرف أو الرقم الأخير لا يتوافق مع البقية: أحدها مكتوب خطأً.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>مطلوب كائن</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>الفهرس خارج الحدود</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>لم يُعيَّن متغير الكائن أو متغير كتلة With</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>المؤشر خارج النطاق</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>خطأ في الوصول إلى المسار أو الملف: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>لم يُعثر على المورد ذي المعرّف «%1»</translation>
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
        <translation>يفوز %1 بمجموع %2.</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>يتقاسم %1 الفوز بمجموع %2.</translation>
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
        <translation>تتعذّر قراءتها</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>اللعبة التالفة</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>تعذّر استرجاع اللعبة الجارية: %1. تبقى كما هي في %2 دون مساس، وتبدأ لعبة جديدة.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>تعذّر استرجاع اللعبة الجارية: %1. حُفظت في %2، وتبدأ لعبة جديدة.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>اللعبة الجارية</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>اللعبة غير المنتهية</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>اللعبة المنتهية</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>الإحصاءات بعد مسحها</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>عدد لاعبيها %1</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>يلعب %1 في المستوى %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>عدد أدوارها %1</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>عدد الرميات في الدور %1 هو %2</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>في الدور %1 نرد لا تعطيه حصص النرد لدى اللاعبين</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>في الدور %1 رمية لحجر لا يمكن رميه</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>في الدور %1 نرد لا تعطيه حصة %2</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>الدور %1 لا يسجّل شيئًا</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>الدور %1 يسجّل في %2 مرة ثانية</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>الدور %1 يسجّل %2 في %3، وهو ما لا يعطيه نرده</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 يسجّل %2 في %3.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>لم تبقَ أي رمية.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>بقيت رمية واحدة.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>بقيت رميتان.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1، حر</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>الحجر %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1، محجوز</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. المجموع الكلي %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 يرمي %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>مجموع %1: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 ينال مكافأة القسم العلوي: %2.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>لعبة يوم %1.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>قُبل رمز النرد %1.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>هاوٍ</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>متمرّس</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>خبير</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>مثالي</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>تسجيل في %1 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>إعادة رمي الخمسة</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>حجز %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>تلميح: ارمِ النرد. المجموع النهائي المتوقع: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>تلميح: سجّل %2 في %1. المجموع النهائي المتوقع: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>تلميح: سجّل 0 في %1 (الأقل كلفة). المجموع النهائي المتوقع: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>تلميح: أعد رمي الأحجار الخمسة. المجموع النهائي المتوقع: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>تلميح: احجز %1 وأعد الرمي. المجموع النهائي المتوقع: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 يرمي النرد.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 يعيد رمي الأحجار الخمسة.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 يحجز %2 ويعيد الرمي.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>هفوة</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>خطأ فادح</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>الدور %1، الرمية %2: رصيد %3 كان %4 (سلبه النرد %5)، والمتوقع في النهاية %6 باللعب الأمثل.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>الدور %1، الرمية %2: رصيد %3 كان %4 (منحه النرد %5)، والمتوقع في النهاية %6 باللعب الأمثل.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>ما لُعب: %1 (المتوقع %2). الأفضل: %3. النقاط الضائعة: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>ما لُعب: %1 (المتوقع %2). الأفضل: %3. النقاط الضائعة: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>%1، مضيف اللعبة، غادرها: انتهت اللعبة.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 غادر اللعبة.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>حصة النرد لدى %1 لا تطابق ما وعدت به نسخة %1: لا يمكن متابعة اللعبة.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>اللعبة في نسخة %1 تختلف عن هذه بعد الدور %2: النسخ غير متزامنة، ولا يمكن متابعة اللعبة.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>أرسلت نسخة %1 حركة لا تسمح بها هذه اللعبة (%2): النسخ غير متزامنة، ولا يمكن متابعة اللعبة.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>رمية</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>حجز الحجر %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>تحرير الحجر %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>التسجيل في %1</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>التراجع عن آخر تسجيل</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>تمرير الدور</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>يلعب الحاسوب بدلًا من %1 (%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 يعود إلى اللعب.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>لم تعد لدى هذه النسخة حصص النرد الخاصة باللعبة، فلا يمكنها العودة إليها.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 غائب: اللعبة تنتظر %1.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>عاد %1.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>رمي</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>لعبة جديدة</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>الآحاد</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>الاثنينات</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>الثلاثات</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>الأربعات</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>الخمسات</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>الستات</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>المكافأة</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>مجموع القسم</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>ثلاثة متماثلة</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>أربعة متماثلة</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>فُل هاوس</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>متتالية صغرى</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>متتالية كبرى</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>الفرصة</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>المجموع الكلي</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>مجموع القسم العلوي</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>مجموع القسم السفلي</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>نسخة أخرى من %1 تستخدم مخزن البيانات: ستُحفظ %2 حين يتحرر.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>ما زالت نسخة أخرى من %1 تستخدم مخزن البيانات: تعذّر حفظ %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>رقم الخطأ: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>اللاعب %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>الإعدادات</translation>
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
        <translation>Quoxa، لعبة نرد من لاعب واحد إلى أربعة لاعبين يتشاركون نافذة واحدة.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>الرابط: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>الفهرس</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>لعبة نرد من لاعب واحد إلى أربعة لاعبين.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>حقوق النشر © 2026 مطوّرو Quoxa.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>أسئلة، أفكار، ثناء:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>License</source>
        <translation>الترخيص</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>ارمِ النرد.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>الرميات المتبقية: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>اللاعبون</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>احجز ما تريد من النرد ثم أعد الرمي، أو اختر خانة.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>اختر خانة للتسجيل.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>اضغط «متابعة»، أو «تراجع» للتراجع عن آخر تسجيل.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>انتهت اللعبة.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>لم يُرمَ</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n نقطة</numerusform>
            <numerusform>%1: نقطة واحدة</numerusform>
            <numerusform>%1: نقطتان</numerusform>
            <numerusform>%1: %n نقاط</numerusform>
            <numerusform>%1: %n نقطة</numerusform>
            <numerusform>%1: %n نقطة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n نقطة</numerusform>
            <numerusform>نقطة واحدة</numerusform>
            <numerusform>نقطتان</numerusform>
            <numerusform>%n نقاط</numerusform>
            <numerusform>%n نقطة</numerusform>
            <numerusform>%n نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 يلعب على نسخة أخرى من اللعبة.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>لعبة (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>لعبة جديدة (&amp;N)</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>بدء لعبة جديدة</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>لعبة اليوم (&amp;D)</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>اللعب برمز نرد (&amp;C)…</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>اللعب عبر الإنترنت (&amp;O)…</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>تلميح (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>أفضل النتائج (&amp;H)…</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>عرض أفضل النتائج</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>مراجعة اللعبة (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>الإحصاءات (&amp;S)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>الخروج من اللعبة</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>تراجع عن آخر تسجيل (&amp;U)</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>التراجع عن آخر تسجيل</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>خيارات (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>ألوان (&amp;C)</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>تغيير ألوان النرد</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>لاعبون (&amp;P)</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>تغيير اللاعبين</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>أصوات (&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>لاعبو الحاسوب (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>شريط الحالة (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأدوات (&amp;T)</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>بطاقة النتائج (&amp;C)</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>عرض بطاقة النتائج</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>تكبير (&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>تصغير (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>الحجم الفعلي (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>المحتويات (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>الفهرس (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>اتفاقية الترخيص (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>حول Quoxa (&amp;A)…</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>عرض معلومات البرنامج</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>تشغيل الأصوات أو إيقافها</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>تلميح: جارٍ الحساب…</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>«%1» ليس رمز نرد. رمز النرد ثمانية أحرف وأرقام كما تعرضه بطاقة النتائج (مثل K7QX-93R1)؛ تحقّق منه وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>اللعب برمز نرد</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>رمز النرد للعبة التي تريد لعبها، كما تعرضه بطاقة نتائجها (مثل K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>اللوحة بحجم %1% لا تتسع لها الشاشة: تُعرض بحجم %2%.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>ألوان (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>لاعبون (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>أصوات (&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>حاسوب (&amp;M)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: أحمر %2، أخضر %3، أزرق %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: أُعيدت القيم الافتراضية.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>النرد</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>النقط</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>عدد اللاعبين:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>عدد اللاعبين</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>عدد اللاعبين، زيادة ونقصان</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>إضافة لاعب</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>إزالة لاعب</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>أسماء اللاعبين:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>اسم اللاعب %1</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>مستوى %1: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>مفعّلة</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>معطّلة</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>الحاسوب يلعب عن:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>المهلة بين الحركات:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>المهلة بين الحركات</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>مراجعة اللعبة</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>الملخص</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>النقاط الضائعة</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>الحظ</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>الهفوات</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>الأخطاء</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>الأخطاء الفادحة</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>البداية والحظ والنقاط الضائعة</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>عرض (&amp;S):</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>القرارات</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>الدور</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>الرمية</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>النرد</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>ما لُعب</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>الأفضل</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>الزلّة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>جارٍ حساب اللعب الأمثل…</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>المجموع النهائي المتوقع بعد كل قرار</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>لا قرارات بعد: يبدأ الرسم البياني مع أولها.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>كل القرارات</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>الزلّات فقط</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 حظ − %3 ضائعة = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 حظ − %3 ضائعة = %4 متوقعة</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>قرارات %1</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>لا قرارات بعد: تكبر المراجعة مع تقدّم اللعبة.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>بطاقة النتائج</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>الحركات</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>إعادة اللعب (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>مراجعة (&amp;R)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1، آخر تسجيل</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>نسخ النتيجة (&amp;C)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>نُسخت</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>لعبة يوم %1، رمز النرد %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>رمز النرد: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>أقصى ما يتيحه هذا النرد: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>الحاسوب المثالي بهذا النرد: جارٍ الحساب…</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>الحاسوب المثالي بهذا النرد: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2، أقل من الحاسوب المثالي بـ %3</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2، أعلى من الحاسوب المثالي بـ %3</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2، مثل الحاسوب المثالي</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>لعبة Quoxa ليوم %1: %2، المثالي %3، الأقصى %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>نتيجة %1 (%2)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>مسح النتائج</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>المركز</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 يحتل المركز %2 بمجموع %3.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>هل تريد حقًا مسح كل النتائج؟</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>أفضل النتائج بعد مسحها</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>الإحصاءات</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>الألعاب</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>الانتصارات</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>المتوسط</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>الأفضل</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>الانحراف المعياري</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>مكافأة علوية</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>اليومية</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>دون المثالي</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>دون الأقصى</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>اللعبة (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>مراجعة (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>مسح (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
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
        <translation>%1 (يومية)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (غير منتهية)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (حاسوب، %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>مجاميع %1</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>المجموع الكلي</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>لا ألعاب منتهية بعد.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>مسح الإحصاءات</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>هل تريد حقًا مسح الألعاب المنتهية؟</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>رفض الخادم تسجيل الدخول: تحقّق من العنوان وكلمة السر.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>تعذّر الوصول إلى الخادم: تحقّق من العنوان واتصال الشبكة.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>شهادة الخادم غير موثوقة، لذا لا يتصل Quoxa به.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>لم تعد غرفة اللعبة موجودة.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>شخص آخر في غرفة اللعبة يستخدم هذا الاسم.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>غرفة اللعبة لا تسمح لك بالدخول.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>انقطع الاتصال بالخادم.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>يتعذّر بدء اللعب عبر الإنترنت: وحدة الإنترنت في Quoxa مفقودة.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>وحدة الإنترنت مفقودة</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>لم تقبل كلمة السر</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>اللعب عبر الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>تذكّر (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>العنوان (&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>كلمة السر (&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>استضافة لعبة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>انضمام (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>الدعوة (&amp;I):</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>إرسال دعوة (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>الصديق (&amp;F):</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>المقاعد</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>إضافة حاسوب (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>بدء (&amp;S)</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>الحاسوب يلعب عنهم (&amp;T)</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>تعذّر الاحتفاظ بكلمة السر: حلقة مفاتيح سطح المكتب لا تستجيب (%1). اكتبها مجددًا في المرة القادمة.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>لم تعد غرفة اللعبة تحوي اللعبة، لذا لا يستطيع Quoxa العودة إليها.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>اكتب عنوانك، مثل ada@example.org.</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>الصق الدعوة، مثل xmpp:game@conference.example.org?join.</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>على اللوحة لعبة جارية عبر الإنترنت: ابدأ لعبة جديدة هناك لمغادرتها.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>جارٍ الاتصال بـ %1…</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>جارٍ فتح غرفة اللعبة %1…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>جارٍ الانضمام إلى %1…</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>أُغلق Quoxa أثناء لعبة عبر الإنترنت: اضغط «انضمام» للعودة إليها.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>جارٍ العودة إلى اللعبة…</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>غرفة لعبتك مفتوحة ودعوتها منسوخة: أرسلها إلى أصدقائك، أو ادعُهم من هنا.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>بانتظار أن يبدأ المضيف اللعبة.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(حركة في لعبة Quoxa)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>بدأت اللعبة.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>اكتب عنوان صديقك، مثل bea@example.org.</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 يدعوك إلى لعبة Quoxa.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>دُعي %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 يدعوك إلى لعبة. هل تنضم؟</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>كل المقاعد مشغولة.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>حاسوب: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>غادر</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>غائب</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>حاسوب %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>بانتظار جاهزية كل النسخ…</translation>
    </message>
</context>
</TS>
