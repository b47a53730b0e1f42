<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1（%2別）: %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>グラフを表示できません: Quoxa のグラフモジュールがありません。</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>「%1」はダイスコードに使える英字・数字ではありません。</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>遊ぶゲームのダイスコードを入力してください。</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>ダイスコードは8文字の英数字ですが、これは%n文字です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>最後の1文字がほかの文字と合いません。どれかが入力ミスです。</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>オブジェクトが必要です</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>インデックスが範囲外です</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>オブジェクト変数または With ブロック変数が設定されていません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>パス/ファイル アクセス エラー: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>識別子「%1」のリソースが見つかりません</translation>
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
        <translation>%1が%2点で勝ちました。</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>%1が%2点で同点優勝しました。</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1位 %2 %3点</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>破損したゲーム</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>進行中のゲームを復元できませんでした: %1。そのまま %2 として残し、新しいゲームを始めます。</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>進行中のゲームを復元できませんでした: %1。%2 として保管し、新しいゲームを始めます。</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>進行中のゲーム</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>未完了のゲーム</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>終了したゲーム</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>消去した統計</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>プレイヤーが%1人います</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1のレベルが%2です</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>%1ターンあります</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>ターン%1のロールが%2回あります</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>ターン%1で、プレイヤーのダイス分担からは出ないダイスが振られています</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>ターン%1で、振れないダイスが振られています</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>ターン%1で、%2からは出ないダイスが振られています</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>ターン%1で何も記入されていません</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>ターン%1で%2に二度目の記入がされています</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>ターン%1で%3に%2点が記入されていますが、そのダイスではその役になりません</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1は%3に%2点を記入しました。</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>残りロールはありません。</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>残りロールは1回です。</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>残りロールは2回です。</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1、フリー</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>ダイス%1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1、キープ</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2。総合計 %3。</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1の出目: %2。</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1の合計は%2点。</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1は上段ボーナス%2点を獲得しました。</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>%1の日替わりゲーム。</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>ダイスコード %1 を受け付けました。</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>初心者</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>カジュアル</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>エキスパート</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>パーフェクト</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>%1に記入（%2）</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>5個すべて振り直し</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>%1をキープ</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>ヒント: ダイスを振りましょう。予想最終合計: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>ヒント: %1に%2点を記入。予想最終合計: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>ヒント: %1に0点を記入（損失が最小）。予想最終合計: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>ヒント: 5個すべて振り直し。予想最終合計: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>ヒント: %1をキープして振り直し。予想最終合計: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1がダイスを振ります。</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1が5個すべて振り直します。</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1が%2をキープして振り直します。</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>疑問手</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>悪手</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>大悪手</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>ターン%1、ロール%2: %3は%4でした（ダイスの運で%5減）。最善手での最終見込みは%6。</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>ターン%1、ロール%2: %3は%4でした（ダイスの運で%5増）。最善手での最終見込みは%6。</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>実際: %1（見込み %2）。最善: %3。損失: %4。</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>実際: %1（見込み %2）。最善: %3。損失: %4（%5）。</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>ゲームのホストの%1が退出しました。ゲームは終了です。</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1がゲームから退出しました。</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>%1のダイス分担が、%1のコピーが約束した内容と一致しません。ゲームを続行できません。</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>%1のコピーのゲームが、ターン%2の後でこのゲームと食い違っています。コピー同士がずれたため、ゲームを続行できません。</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>%1のコピーから、このゲームでは許されない手が送られてきました（%2）。コピー同士がずれたため、ゲームを続行できません。</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>ロール</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>ダイス%1のキープ</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>ダイス%1のキープ解除</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>%1への記入</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>最後の記入の取り消し</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>ターンの受け渡し</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>コンピューターが%1の代わりにプレイします（%2）。</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1がプレイに戻りました。</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>このコピーにはこのゲームのダイス分担がもうないため、ゲームに戻れません。</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1が離席中です。ゲームは%1を待っています。</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1が戻りました。</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>振る</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>1の目</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>2の目</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>3の目</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>4の目</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>5の目</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>6の目</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>ボーナス</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>小計</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>スリーカード</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>フォーカード</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>フルハウス</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>小ストレート</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>大ストレート</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>チャンス</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>総合計</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>上段合計</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>下段合計</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>別の%1が保存領域を使用中です。空きしだい保存します: %2。</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>別の%1がまだ保存領域を使用中です。保存できませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>エラー番号: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー%1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>設定</translation>
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
        <translation>Quoxa: 1つのウィンドウを囲んで1～4人で遊ぶダイスゲーム。</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>リンク: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>1～4人で遊ぶダイスゲーム。</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxa 開発者</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>ご質問・ご意見・ご感想:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>ダイスを振ってください。</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>残りロール: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>ダイスをキープして振り直すか、役を選んでください。</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>役を選んでください。</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>「続ける」を押すか、取り消しボタンで記入を取り消してください。</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>ゲーム終了。</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>まだ振っていません</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n点</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1は別のコピーでプレイしています。</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>新しいゲームを始める</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>日替わりゲーム(&amp;D)</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>ダイスコードで遊ぶ(&amp;C)...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>オンラインで遊ぶ(&amp;O)...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>ヒント(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>ハイスコア(&amp;H)...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>ハイスコアを表示</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>ゲームの振り返り(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>統計(&amp;S)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>ゲームを終了</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>最後の記入を取り消す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>最後の記入を取り消す</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>色(&amp;C)</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>ダイスの色を変更</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>プレイヤー(&amp;P)</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>プレイヤーを変更</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>コンピューター プレイヤー(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>スコアカード(&amp;C)</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>スコアカードを表示</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>使用許諾契約(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>Quoxa について(&amp;A)...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>プログラムの情報を表示</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>サウンドのオン/オフ</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>ヒント: 計算中...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>「%1」はダイスコードではありません。ダイスコードはスコアカードに表示される8文字の英数字です（例: K7QX-93R1）。確かめて、もう一度入力してください。</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>ダイスコードで遊ぶ</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>遊ぶゲームのダイスコード（スコアカードに表示されるもの。例: K7QX-93R1）:</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>%1%ではボードが画面に収まらないため、%2%で表示します。</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>プレイヤー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>CPU(&amp;M)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: 赤 %2、緑 %3、青 %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: 既定値に戻しました。</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>ダイス</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>目</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>プレイヤー数:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>プレイヤー数</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>プレイヤー数、増減</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>プレイヤーを1人増やす</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>プレイヤーを1人減らす</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>プレイヤー名:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>プレイヤー%1の名前</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>%1のレベル: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>コンピューターが担当:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>1手ごとの待ち時間:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>1手ごとの待ち時間</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>ゲームの振り返り</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>損失</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>運</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>疑問手</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>悪手</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>大悪手</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>開始・運・損失</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>表示(&amp;S):</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>判断</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>ターン</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>ロール</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>ダイス</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>実際</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最善</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>ミス</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>最善手を計算中...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>各判断後の予想最終合計</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>まだ判断がありません。グラフは最初の判断から始まります。</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>すべての判断</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>ミスのみ</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2（運）− %3（損失）= %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2（運）− %3（損失）= %4（見込み）</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>%1の判断</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>まだ判断がありません。振り返りはゲームの進行とともに増えていきます。</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>スコアカード</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>手順</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>もう一度(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>振り返り(&amp;R)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1、最後の記入</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>%1の日替わりゲーム、ダイスコード %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>ダイスコード: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>このダイスで取れる最高点: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>このダイスでのコンピューター（パーフェクト）: 計算中...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>このダイスでのコンピューター（パーフェクト）: %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2、コンピューター（パーフェクト）より%3点少ない</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2、コンピューター（パーフェクト）より%3点多い</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2、コンピューター（パーフェクト）と同点</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa 日替わり %1: %2、パーフェクト %3、最高 %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%1の%2点</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>順位</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1が%3点で%2位に入りました。</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>すべてのスコアをリセットしてもよろしいですか？</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>リセットしたハイスコア</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>ゲーム数</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>勝利数</translation>
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
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>上段ボーナス</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>日替わり</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>パーフェクト差</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>最高点差</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>ゲーム(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>振り返り(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>消去(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>%1（日替わり）</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1（未完了）</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1（コンピューター、%2）</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2戦%1勝</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>%1の総合計</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>総合計</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>終了したゲームはまだありません。</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>統計を消去</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>終了したゲームを消去してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>サーバーがログインを拒否しました。アドレスとパスワードを確認してください。</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>サーバーに接続できません。アドレスとネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>サーバーの証明書が信頼できないため、Quoxa は接続しません。</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>ゲームのルームがなくなりました。</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>ゲームのルームで、この名前はすでに使われています。</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>ゲームのルームに入れてもらえません。</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>サーバーとの接続が切れました。</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>オンラインプレイを開始できません: Quoxa のオンラインモジュールがありません。</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>オンラインモジュールがありません</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>パスワードが受け付けられませんでした</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>オンラインで遊ぶ</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>記憶する(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>アドレス(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>ゲームをホスト(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>参加(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>招待状(&amp;I):</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>招待(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>友だち(&amp;F):</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>席</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>コンピューターを追加(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>コンピューターが代わりにプレイ(&amp;T)</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>パスワードを保存できません: デスクトップのキーリングが応答しません（%1）。次回もう一度入力してください。</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>ゲームのルームにゲームが残っていないため、Quoxa はゲームに戻れません。</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>アドレスを入力してください（例: ada@example.org）。</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>招待状を貼り付けてください（例: xmpp:game@conference.example.org?join）。</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>ボードでオンラインゲームが進行中です。抜けるには、ボードで新しいゲームを始めてください。</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1に接続中...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>ゲームのルーム %1 を開いています...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>%1に参加中...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>オンラインゲームの途中で Quoxa が終了しました。「参加」を押すとゲームに戻ります。</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>ゲームに戻っています...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>ゲームのルームを開き、招待状をコピーしました。友だちに送るか、ここで招待してください。</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>ホストがゲームを開始するのを待っています。</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>（Quoxa のゲームの一手）</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>ゲームが始まりました。</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>友だちのアドレスを入力してください（例: bea@example.org）。</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1さんから Quoxa のゲームへの招待です。</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1を招待しました。</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1さんからゲームに招待されました。参加しますか？</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>すべての席が埋まっています。</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>コンピューター: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>離席</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>コンピューター %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>すべてのコピーの準備ができるのを待っています...</translation>
    </message>
</context>
</TS>
