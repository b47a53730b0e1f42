<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1（按%2）：%3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>无法显示图表：缺少 Quoxa 的图表模块。</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>骰子码中没有“%1”这个字符。</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>请输入要玩的那局游戏的骰子码。</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>骰子码由八个字母和数字组成，而这个有 %n 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>最后一个字母或数字与其他的对不上：其中有输错的。</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>要求对象</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>索引越界</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>对象变量或 With 块变量未设置</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>路径/文件访问错误：</translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>未找到标识符为“%1”的资源</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 以 %2 分获胜。</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1 以 %2 分并列获胜。</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>第 %1 名 %2 %3 分</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>损坏的游戏</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>无法恢复进行中的游戏：%1。它原样留在 %2，现在开始新游戏。</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>无法恢复进行中的游戏：%1。该游戏已另存为 %2，现在开始新游戏。</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>进行中的游戏</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>未完成的游戏</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>已结束的游戏</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>已清空的统计</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>记录中有 %1 名玩家</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1 的级别为 %2</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>记录中有 %1 个回合</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>第 %1 回合掷了 %2 次</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>第 %1 回合掷出的骰子不是玩家的骰子份额所能给出的</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>第 %1 回合掷了不能掷的骰子</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>第 %1 回合掷出的骰子不是 %2 所能给出的</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>第 %1 回合没有记分</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>第 %1 回合再次在“%2”记分</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>第 %1 回合在“%3”记了 %2 分，但骰子得不出此分</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1 在“%3”记 %2 分。</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>不能再掷了。</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>还能掷一次。</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>还能掷两次。</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1，未保留</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>骰子 %1：%2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1，已保留</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1：%2。总分 %3。</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1 掷出 %2。</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1 的总分为 %2。</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1 获得上半区奖励分 %2 分。</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>%1 的每日游戏。</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>已接受骰子码 %1。</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>休闲</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>俱乐部</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>完美</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>在“%1”记分（%2）</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>五颗全部重掷</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>保留 %1</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>提示：掷骰子。预计最终总分：%1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>提示：在“%1”记 %2 分。预计最终总分：%3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>提示：在“%1”记 0 分（损失最小）。预计最终总分：%2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>提示：五颗全部重掷。预计最终总分：%1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>提示：保留 %1，然后重掷。预计最终总分：%2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1 掷骰子。</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1 将五颗全部重掷。</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1 保留 %2，然后重掷。</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>欠佳</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>失误</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>大错</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>第 %1 回合第 %2 掷：%3 原本预计 %4（骰子带走了 %5），按最佳打法最终预计 %6。</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>第 %1 回合第 %2 掷：%3 原本预计 %4（骰子带来了 %5），按最佳打法最终预计 %6。</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>实际：%1（预计 %2）。最佳：%3。失分：%4。</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>实际：%1（预计 %2）。最佳：%3。失分：%4（%5）。</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>房主 %1 已离开：游戏结束。</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 已离开游戏。</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>%1 的骰子份额与 %1 的副本所承诺的不符：游戏无法继续。</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>%1 副本上的游戏在第 %2 回合后与本副本不同：各副本已不同步，游戏无法继续。</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>%1 的副本发来了本游戏不允许的操作（%2）：各副本已不同步，游戏无法继续。</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>掷骰</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>保留骰子 %1</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>放开骰子 %1</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>在“%1”记分</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>撤销上次记分</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>交出回合</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>电脑代替 %1 进行游戏（%2）。</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 重新亲自上场。</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>本副本已不再持有这局游戏的骰子份额，因此无法返回这局游戏。</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 暂时离开：游戏等待 %1 回来。</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 回来了。</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>掷骰</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>一点</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>二点</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>三点</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>四点</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>五点</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>六点</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>小计</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>奖励分</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>三条</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>四条</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>葫芦</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>小顺</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>大顺</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>机会</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>上半区合计</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>下半区合计</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>另一个 %1 正在使用存储区：等它空闲后将保存%2。</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>另一个 %1 仍在使用存储区：无法保存%2。</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>错误号：</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>设置</translation>
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
        <translation>Quoxa，一款供一至四名玩家共用一个窗口的骰子游戏。</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>链接：%1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>一款供一至四名玩家玩的骰子游戏。</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxa 开发者。</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>问题、想法、赞美：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>License</source>
        <translation>许可证</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>请掷骰子。</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>剩余次数：%1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>保留骰子后再掷，或选择计分项。</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>请选择计分项。</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>请按“继续”，或按“撤销”按钮撤销上次记分。</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>游戏结束。</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>未掷</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1：%n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 在另一个游戏副本上玩。</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>开始新游戏</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>每日游戏(&amp;D)</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>按骰子码游戏(&amp;C)...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>在线游戏(&amp;O)...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>提示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>高分榜(&amp;H)...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>显示高分榜</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>复盘(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>统计(&amp;S)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>退出游戏</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>撤销上次记分(&amp;U)</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>撤销上次记分</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>颜色(&amp;C)</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>更改骰子颜色</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>玩家(&amp;P)</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>更改玩家</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>电脑玩家(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>计分卡(&amp;C)</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>显示计分卡</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>许可协议(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>关于 Quoxa(&amp;A)...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>显示程序信息</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>开关声音</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>提示：正在计算...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>“%1”不是骰子码。骰子码由八个字母和数字组成，与计分卡上显示的一样（例如 K7QX-93R1）；请检查后重试。</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>按骰子码游戏</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>要玩的那局游戏的骰子码，即其计分卡上显示的（例如 K7QX-93R1）：</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>按 %1% 显示时游戏盘超出屏幕：现按 %2% 显示。</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>颜色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>玩家(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>电脑(&amp;M)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1：红 %2，绿 %3，蓝 %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1：已恢复默认值。</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>点</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>玩家人数：</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>玩家人数</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>玩家人数，增减</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>增加一名玩家</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>减少一名玩家</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>玩家名字：</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>玩家 %1 的名字</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>%1 的级别：%2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>由电脑代打：</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>每步间隔：</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>每步间隔</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>复盘</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>失分</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>运气</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>欠佳</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>失误</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>大错</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>起始、运气和失分</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>显示(&amp;S)：</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>决策</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回合</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>投掷</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>实际</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>差错</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>正在计算最佳打法...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>每次决策后的预计最终总分</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>尚无决策：图表从第一个决策开始。</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>所有决策</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>仅差错</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 运气 − %3 失分 = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 运气 − %3 失分 = 预计 %4</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>%1 的决策</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>尚无决策：复盘会随着游戏进行而增加。</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>计分卡</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>每步记录</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>再玩一局(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>复盘(&amp;R)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1：%2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1，最近记分</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>复制结果(&amp;C)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>%1 的每日游戏，骰子码 %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>骰子码：%1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>这些骰子最多可得：%1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>完美级电脑用这些骰子：正在计算...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>完美级电脑用这些骰子：%1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2，比完美级电脑少 %3</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2，比完美级电脑多 %3</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2，与完美级电脑持平</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa 每日游戏 %1：%2，完美 %3，最高 %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%1 的 %2 分</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>重置高分</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1 以 %3 分获得第 %2 名。</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>确定要重置所有高分吗？</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>已清空的高分榜</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>胜局</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>标准差</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>上半区奖励</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每日游戏</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>低于完美</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>低于最高</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>游戏(&amp;G)：</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>复盘(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清空(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <translation>%1（每日）</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1（未结束）</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1（电脑，%2）</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>%1 的总分</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>尚无已结束的游戏。</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>清空统计</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>确定要清除已结束的游戏吗？</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>服务器拒绝登录：请检查地址和密码。</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>无法连接到服务器：请检查地址和网络连接。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>服务器证书不受信任，因此 Quoxa 不会连接到该服务器。</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>游戏房间已不存在。</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>游戏房间中已有人使用此名字。</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>游戏房间不允许您进入。</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>与服务器的连接已断开。</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>无法开始在线游戏：缺少 Quoxa 的在线模块。</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>缺少在线模块</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>密钥环未接受密码</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>在线游戏</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>记住(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>地址(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>创建游戏(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>加入(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>邀请(&amp;I)：</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>邀请(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>好友(&amp;F)：</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>座位</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>添加电脑(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>由电脑代打(&amp;T)</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>无法保存您的密码：桌面的密钥环没有响应（%1）。下次请重新输入。</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>游戏房间中已不再保存这局游戏，因此 Quoxa 无法返回这局游戏。</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>请输入您的地址，例如 ada@example.org。</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>请粘贴邀请，例如 xmpp:game@conference.example.org?join。</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>游戏盘上正在进行一局在线游戏：要离开它，请在游戏盘上开始新游戏。</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>正在连接 %1...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>正在开设游戏房间 %1...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>正在加入 %1...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>Quoxa 在在线游戏期间被关闭：请按“加入”返回这局游戏。</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>正在返回游戏...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>您的游戏房间已开设，邀请已复制：请把它发给好友，或在这里邀请他们。</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>正在等待房主开始游戏。</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>（一局 Quoxa 游戏中的一步）</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>游戏开始了。</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>请输入好友的地址，例如 bea@example.org。</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 邀请您玩一局 Quoxa。</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>已邀请 %1。</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 邀请您玩一局游戏。要加入吗？</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>所有座位都已坐满。</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>真人</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>电脑：%1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>已离开</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>暂离</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>电脑 %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>正在等待所有副本准备就绪...</translation>
    </message>
</context>
</TS>
