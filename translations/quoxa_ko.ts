<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Charts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 by %2: %3</source>
        <translation>%1(%2별): %3</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation>차트를 표시할 수 없습니다. Quoxa의 차트 모듈이 없습니다.</translation>
    </message>
</context>
<context>
    <name>DiceOrigin</name>
    <message>
        <source>&quot;%1&quot; is none of a dice code&apos;s letters and digits.</source>
        <translation>주사위 코드에는 &quot;%1&quot; 문자가 쓰이지 않습니다.</translation>
    </message>
    <message>
        <source>Type the dice code of the game to play.</source>
        <translation>플레이할 게임의 주사위 코드를 입력하십시오.</translation>
    </message>
    <message numerus="yes">
        <source>A dice code has eight letters and digits; this one has %n.</source>
        <translation>
            <numerusform>주사위 코드는 문자와 숫자 8자로 이루어지는데, 이 코드는 %n자입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its last letter or digit does not go with the others: one of them is typed wrong.</source>
        <translation>마지막 문자나 숫자가 나머지와 맞지 않습니다. 어딘가 잘못 입력되었습니다.</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation>개체가 필요합니다</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>인덱스가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>개체 변수 또는 With 블록 변수가 설정되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>첨자가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation>경로/파일 액세스 오류: </translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>식별자가 &apos;%1&apos;인 리소스를 찾을 수 없습니다</translation>
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
        <translation>승자: %1(%2점).</translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation>공동 승자: %1(%2점).</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <translation>%1위 %2 %3점</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it cannot be read</source>
        <translation>읽을 수 없음</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>the damaged game</source>
        <translation>손상된 게임</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It stays as %2, untouched, and a new game begins.</source>
        <translation>진행 중이던 게임을 복원할 수 없습니다(%1). 게임은 %2에 그대로 남아 있으며 새 게임이 시작됩니다.</translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation>진행 중이던 게임을 복원할 수 없습니다(%1). 게임은 %2에 보관되며 새 게임이 시작됩니다.</translation>
    </message>
    <message>
        <source>the game under way</source>
        <translation>진행 중인 게임</translation>
    </message>
    <message>
        <source>the game left unfinished</source>
        <translation>끝내지 않은 게임</translation>
    </message>
    <message>
        <source>the finished game</source>
        <translation>끝난 게임</translation>
    </message>
    <message>
        <source>the cleared statistics</source>
        <translation>비운 통계</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation>플레이어가 %1명임</translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation>%1의 레벨이 %2임</translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation>턴이 %1개임</translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation>턴 %1에서 %2번 굴림</translation>
    </message>
    <message>
        <source>turn %1 throws dice that the players&apos; shares do not give</source>
        <translation>턴 %1의 주사위가 플레이어들의 주사위 몫에서 나올 수 없는 눈임</translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation>턴 %1에서 굴릴 수 없는 주사위를 굴림</translation>
    </message>
    <message>
        <source>turn %1 throws dice that %2 does not give</source>
        <translation>턴 %1의 주사위가 %2에서 나올 수 없는 눈임</translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation>턴 %1에서 점수를 기록하지 않음</translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation>턴 %1에서 %2에 다시 기록함</translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation>턴 %1에서 %3에 %2점을 기록했으나 주사위로는 나올 수 없는 점수임</translation>
    </message>
</context>
<context>
    <name>MoveText</name>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation>%1: %3에 %2점을 기록합니다.</translation>
    </message>
    <message>
        <source>No throws left.</source>
        <translation>더 굴릴 수 없습니다.</translation>
    </message>
    <message>
        <source>One throw left.</source>
        <translation>한 번 더 굴릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Two throws left.</source>
        <translation>두 번 더 굴릴 수 있습니다.</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation>%1, 고정 안 됨</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>주사위 %1: %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, 고정됨</translation>
    </message>
    <message>
        <source>%1: %2. Game total %3.</source>
        <translation>%1: %2. 총점 %3.</translation>
    </message>
    <message>
        <source>%1 throws %2.</source>
        <translation>%1의 주사위: %2.</translation>
    </message>
    <message>
        <source>%1&apos;s total %2.</source>
        <translation>%1의 총점: %2.</translation>
    </message>
    <message>
        <source>%1 earns the upper bonus of %2.</source>
        <translation>%1: 상단 보너스 %2점을 받습니다.</translation>
    </message>
    <message>
        <source>Daily game of %1.</source>
        <translation>%1 일일 게임.</translation>
    </message>
    <message>
        <source>Dice code %1 accepted.</source>
        <translation>주사위 코드 %1 확인됨.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>초보</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>캐주얼</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>클럽</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>전문가</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>완벽</translation>
    </message>
    <message>
        <source>score %1 (%2)</source>
        <translation>%1에 기록 (%2)</translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation>다섯 개 모두 다시 굴리기</translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation>%1 고정</translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation>힌트: 주사위 굴리기. 예상 최종 총점: %1</translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation>힌트: %1에 %2점 기록. 예상 최종 총점: %3</translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation>힌트: %1에 0점 기록 (손실이 가장 적음). 예상 최종 총점: %2</translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation>힌트: 다섯 개 모두 다시 굴리기. 예상 최종 총점: %1</translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation>힌트: %1 고정 후 다시 굴리기. 예상 최종 총점: %2</translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation>%1: 주사위를 굴립니다.</translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation>%1: 다섯 개 모두 다시 굴립니다.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation>%1: %2 고정 후 다시 굴립니다.</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>부정확</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>실수</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>악수</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice took %5), expecting %6 in the end with best play.</source>
        <translation>턴 %1, %2번째 굴리기: %3의 예상 %4 (주사위로 %5 잃음), 최선의 플레이 시 최종 예상 %6.</translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4 (the dice gave %5), expecting %6 in the end with best play.</source>
        <translation>턴 %1, %2번째 굴리기: %3의 예상 %4 (주사위로 %5 얻음), 최선의 플레이 시 최종 예상 %6.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4.</source>
        <translation>선택: %1 (예상 %2). 최선: %3. 손실 점수: %4.</translation>
    </message>
    <message>
        <source>Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5).</source>
        <translation>선택: %1 (예상 %2). 최선: %3. 손실 점수: %4 (%5).</translation>
    </message>
</context>
<context>
    <name>OnlineSession</name>
    <message>
        <source>%1, who hosts the game, has left it: the game is over.</source>
        <translation>호스트 %1 님이 나가서 게임이 끝났습니다.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 님이 게임을 떠났습니다.</translation>
    </message>
    <message>
        <source>%1&apos;s dice share does not match what %1&apos;s copy promised: the game cannot go on.</source>
        <translation>%1의 주사위 몫이 %1 사본이 약속한 것과 맞지 않습니다. 게임을 계속할 수 없습니다.</translation>
    </message>
    <message>
        <source>The game on %1&apos;s copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.</source>
        <translation>%1 사본의 게임이 턴 %2 이후 이 게임과 다릅니다. 사본 간 진행이 어긋나 게임을 계속할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1&apos;s copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.</source>
        <translation>%1 사본이 이 게임에서 허용되지 않는 동작(%2)을 보냈습니다. 사본 간 진행이 어긋나 게임을 계속할 수 없습니다.</translation>
    </message>
    <message>
        <source>a throw</source>
        <translation>굴리기</translation>
    </message>
    <message>
        <source>holding die %1</source>
        <translation>주사위 %1 고정</translation>
    </message>
    <message>
        <source>letting die %1 go</source>
        <translation>주사위 %1 고정 해제</translation>
    </message>
    <message>
        <source>scoring %1</source>
        <translation>%1에 기록</translation>
    </message>
    <message>
        <source>taking the last score back</source>
        <translation>마지막 점수 되돌리기</translation>
    </message>
    <message>
        <source>passing the turn on</source>
        <translation>차례 넘기기</translation>
    </message>
    <message>
        <source>A computer plays for %1 (%2).</source>
        <translation>컴퓨터가 %1 님 대신 플레이합니다(%2).</translation>
    </message>
    <message>
        <source>%1 plays again.</source>
        <translation>%1 님이 다시 직접 플레이합니다.</translation>
    </message>
    <message>
        <source>This copy no longer has its dice shares for the game, so it cannot go back to it.</source>
        <translation>이 사본에는 이 게임의 주사위 몫이 더 이상 없으므로 게임으로 돌아갈 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is away: the game waits for %1.</source>
        <translation>%1 님이 자리를 비웠습니다. 게임이 %1 님을 기다립니다.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 님이 돌아왔습니다.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Throw</source>
        <translation>굴리기</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>새 게임</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation>1의 눈</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>2의 눈</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>3의 눈</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>4의 눈</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>5의 눈</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>6의 눈</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>소계</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>보너스</translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation>합계</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>트리플</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>포카드</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>풀하우스</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>스몰 스트레이트</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>라지 스트레이트</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>찬스</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>총점</translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation>상단 합계</translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation>하단 합계</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation>다른 %1 프로그램이 저장소를 사용 중입니다. 저장소가 비는 대로 저장합니다: %2.</translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation>다른 %1 프로그램이 아직 저장소를 사용 중입니다. 저장하지 못한 항목: %2.</translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation>오류 번호: </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>Player %1</source>
        <translation>플레이어 %1</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>설정</translation>
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
        <translation>Quoxa, 한 창에서 1~4명이 함께 즐기는 주사위 게임.</translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Link: %1</source>
        <translation>링크: %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>색인</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation>1~4인용 주사위 게임.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation>Copyright (c) 2026 Quoxa 개발자.</translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation>질문, 아이디어, 칭찬:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>License</source>
        <translation>라이선스</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation>주사위를 굴리십시오.</translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation>남은 굴리기: %1</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation>주사위를 고정하고 다시 굴리거나 점수 항목을 선택하십시오.</translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation>점수 항목을 선택하십시오.</translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation>&apos;계속&apos;을 누르거나, &apos;되돌리기&apos; 버튼을 눌러 마지막 점수를 되돌리십시오.</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>게임 종료.</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>안 굴림</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n point(s)</source>
        <translation>
            <numerusform>%1: %n점</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n점</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays on another copy of the game.</source>
        <translation>%1 님은 다른 게임 사본에서 플레이합니다.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>새 게임 시작</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>일일 게임(&amp;D)</translation>
    </message>
    <message>
        <source>Play Dice &amp;Code...</source>
        <translation>주사위 코드로 플레이(&amp;C)...</translation>
    </message>
    <message>
        <source>Play &amp;Online...</source>
        <translation>온라인 플레이(&amp;O)...</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>힌트(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>최고 점수(&amp;H)...</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>최고 점수 보기</translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation>게임 복기(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>통계(&amp;S)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>게임 끝내기</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation>마지막 점수 되돌리기(&amp;U)</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>마지막 점수 되돌리기</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>색상(&amp;C)</translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation>주사위 색상 변경</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>플레이어(&amp;P)</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>플레이어 변경</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>소리(&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation>컴퓨터 플레이어(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>상태 표시줄(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>도구 모음(&amp;T)</translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation>점수표(&amp;C)</translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation>점수표 보기</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>실제 크기(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>색인(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>라이선스 계약(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation>Quoxa 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>프로그램 정보 보기</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>소리 켜기/끄기</translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation>힌트: 계산 중...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dice code. A dice code is eight letters and digits, as the score card shows it (for example K7QX-93R1); check it and try again.</source>
        <translation>주사위 코드가 아닙니다: &quot;%1&quot;. 주사위 코드는 점수표에 표시된 것처럼 문자와 숫자 8자입니다(예: K7QX-93R1). 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Play Dice Code</source>
        <translation>주사위 코드로 플레이</translation>
    </message>
    <message>
        <source>The dice code of the game to play, as its score card shows it (for example K7QX-93R1):</source>
        <translation>플레이할 게임의 주사위 코드(점수표에 표시된 형식, 예: K7QX-93R1):</translation>
    </message>
    <message>
        <source>The board at %1% would not fit on the screen: it is shown at %2%.</source>
        <translation>보드를 %1%로 표시하면 화면에 맞지 않아 %2%로 표시합니다.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>색상(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>플레이어(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>소리(&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>컴퓨터(&amp;M)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>%1: red %2, green %3, blue %4</source>
        <translation>%1: 빨강 %2, 초록 %3, 파랑 %4</translation>
    </message>
    <message>
        <source>%1: back to the defaults.</source>
        <translation>%1: 기본값으로 되돌렸습니다.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>주사위</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>눈</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>플레이어 수:</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>플레이어 수</translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation>플레이어 수, 늘리기/줄이기</translation>
    </message>
    <message>
        <source>One player more</source>
        <translation>플레이어 한 명 추가</translation>
    </message>
    <message>
        <source>One player fewer</source>
        <translation>플레이어 한 명 줄이기</translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation>플레이어 이름:</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>플레이어 %1 이름</translation>
    </message>
    <message>
        <source>Level of %1: %2</source>
        <translation>%1 레벨: %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation>컴퓨터가 대신할 플레이어:</translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation>동작 간 대기:</translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation>동작 간 대기 시간</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation>게임 복기</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>손실 점수</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>운</translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation>부정확</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>실수</translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation>악수</translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation>시작, 운, 손실 점수</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>표시(&amp;S):</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>결정</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>턴</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>굴리기</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>주사위</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>최선</translation>
    </message>
    <message>
        <source>Slip</source>
        <translation>실책</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation>최선의 플레이 계산 중...</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>결정별 예상 최종 총점</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>No decisions yet: the chart begins with the first one.</source>
        <translation>아직 결정이 없습니다. 차트는 첫 결정부터 시작됩니다.</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>모든 결정</translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation>실책만</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation>%1 %2 운 − %3 손실 = %4</translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation>%1 %2 운 − %3 손실 = 예상 %4</translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation>%1의 결정</translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation>아직 결정이 없습니다. 복기는 게임이 진행되면서 채워집니다.</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation>점수표</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>진행 기록</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>다시 하기(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>게임 복기(&amp;R)</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>%1, scored last</source>
        <translation>%1, 마지막 기록</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>결과 복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Daily game of %1, dice code %2</source>
        <translation>%1 일일 게임, 주사위 코드 %2</translation>
    </message>
    <message>
        <source>Dice code: %1</source>
        <translation>주사위 코드: %1</translation>
    </message>
    <message>
        <source>The most these dice allow: %1</source>
        <translation>이 주사위로 가능한 최고 점수: %1</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: working it out...</source>
        <translation>완벽 레벨 컴퓨터(이 주사위): 계산 중...</translation>
    </message>
    <message>
        <source>Perfect computer on these dice: %1</source>
        <translation>완벽 레벨 컴퓨터(이 주사위): %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 below the Perfect computer</source>
        <translation>%1 %2, 완벽 레벨 컴퓨터보다 %3 낮음</translation>
    </message>
    <message>
        <source>%1 %2, %3 above the Perfect computer</source>
        <translation>%1 %2, 완벽 레벨 컴퓨터보다 %3 높음</translation>
    </message>
    <message>
        <source>%1 %2, as the Perfect computer</source>
        <translation>%1 %2, 완벽 레벨 컴퓨터와 같음</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Quoxa daily %1: %2, Perfect %3, most %4</source>
        <translation>Quoxa 일일 게임 %1: %2, 완벽 %3, 최고 %4</translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation>%1의 %2점</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>점수 초기화</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>순위</translation>
    </message>
    <message>
        <source>%1 reaches place %2 with %3.</source>
        <translation>%1: %3점으로 %2위에 올랐습니다.</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation>모든 점수를 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation>비운 최고 점수</translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>게임 수</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>승리</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation>표준편차</translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation>상단 보너스</translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation>Quoxa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>일일 게임</translation>
    </message>
    <message>
        <source>Below Perfect</source>
        <translation>완벽 미만</translation>
    </message>
    <message>
        <source>Below Most</source>
        <translation>최고 미만</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>게임(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>게임 복기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>비우기(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
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
        <translation>%1 (일일)</translation>
    </message>
    <message>
        <source>%1 (not finished)</source>
        <translation>%1 (미완료)</translation>
    </message>
    <message>
        <source>%1 (computer, %2)</source>
        <translation>%1 (컴퓨터, %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation>%1의 총점</translation>
    </message>
    <message>
        <source>Game total</source>
        <translation>총점</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>아직 끝난 게임이 없습니다.</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>통계 비우기</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation>끝난 게임을 모두 지우시겠습니까?</translation>
    </message>
</context>
<context>
    <name>quoxa::online::XmppLink</name>
    <message>
        <source>The server refused the login: check the address and the password.</source>
        <translation>서버가 로그인을 거부했습니다. 주소와 비밀번호를 확인하십시오.</translation>
    </message>
    <message>
        <source>The server cannot be reached: check the address and the network connection.</source>
        <translation>서버에 연결할 수 없습니다. 주소와 네트워크 연결을 확인하십시오.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted, so Quoxa does not connect to it.</source>
        <translation>서버 인증서를 신뢰할 수 없으므로 Quoxa가 연결하지 않습니다.</translation>
    </message>
    <message>
        <source>The game&apos;s room is gone.</source>
        <translation>게임 방이 없어졌습니다.</translation>
    </message>
    <message>
        <source>Someone in the game&apos;s room already uses this name.</source>
        <translation>게임 방에서 누군가 이미 이 이름을 쓰고 있습니다.</translation>
    </message>
    <message>
        <source>The game&apos;s room does not let you in.</source>
        <translation>게임 방에 들어갈 수 없습니다.</translation>
    </message>
    <message>
        <source>The connection to the server dropped.</source>
        <translation>서버와의 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <source>Online play cannot start: Quoxa&apos;s online module is missing.</source>
        <translation>온라인 플레이를 시작할 수 없습니다. Quoxa의 온라인 모듈이 없습니다.</translation>
    </message>
    <message>
        <source>the online module is missing</source>
        <translation>온라인 모듈 없음</translation>
    </message>
    <message>
        <source>it did not take the password</source>
        <translation>비밀번호를 받아들이지 않음</translation>
    </message>
</context>
<context>
    <name>quoxa::online::frmOnline</name>
    <message>
        <source>Play Online</source>
        <translation>온라인 플레이</translation>
    </message>
    <message>
        <source>&amp;Remember</source>
        <translation>기억(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>주소(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>비밀번호(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Host a Game</source>
        <translation>게임 만들기(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>참가(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Invitation:</source>
        <translation>초대(&amp;I):</translation>
    </message>
    <message>
        <source>In&amp;vite</source>
        <translation>초대하기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Friend:</source>
        <translation>친구(&amp;F):</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>자리</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Add &amp;Computer</source>
        <translation>컴퓨터 추가(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>시작(&amp;S)</translation>
    </message>
    <message>
        <source>Computer Plays for &amp;Them</source>
        <translation>컴퓨터가 대신 플레이(&amp;T)</translation>
    </message>
    <message>
        <source>Your password cannot be kept: the desktop&apos;s keyring does not answer (%1). Type it again next time.</source>
        <translation>비밀번호를 저장할 수 없습니다. 데스크톱 키링이 응답하지 않습니다(%1). 다음에 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>The game&apos;s room no longer holds the game, so Quoxa cannot go back to it.</source>
        <translation>게임 방에 더 이상 게임이 없으므로 Quoxa가 돌아갈 수 없습니다.</translation>
    </message>
    <message>
        <source>Type your address, as ada@example.org.</source>
        <translation>주소를 입력하십시오(예: ada@example.org).</translation>
    </message>
    <message>
        <source>Paste the invitation, as xmpp:game@conference.example.org?join.</source>
        <translation>초대를 붙여 넣으십시오(예: xmpp:game@conference.example.org?join).</translation>
    </message>
    <message>
        <source>A game online is under way on the board: start a new game there to leave it.</source>
        <translation>보드에서 온라인 게임이 진행 중입니다. 나가려면 보드에서 새 게임을 시작하십시오.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1에 연결 중...</translation>
    </message>
    <message>
        <source>Opening the game&apos;s room %1...</source>
        <translation>게임 방 %1 여는 중...</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>%1 참가 중...</translation>
    </message>
    <message>
        <source>Quoxa was closed during a game online: press Join to go back to it.</source>
        <translation>온라인 게임 중에 Quoxa가 닫혔습니다. 돌아가려면 &apos;참가&apos;를 누르십시오.</translation>
    </message>
    <message>
        <source>Going back to the game...</source>
        <translation>게임으로 돌아가는 중...</translation>
    </message>
    <message>
        <source>Your game&apos;s room is open, and its invitation copied: send it to your friends, or invite them here.</source>
        <translation>게임 방이 열렸고 초대가 복사되었습니다. 친구에게 보내거나 여기에서 초대하십시오.</translation>
    </message>
    <message>
        <source>Waiting for the host to start the game.</source>
        <translation>호스트가 게임을 시작하기를 기다리는 중입니다.</translation>
    </message>
    <message>
        <source>(a move in a game of Quoxa)</source>
        <translation>(Quoxa 게임의 한 수)</translation>
    </message>
    <message>
        <source>The game is on.</source>
        <translation>게임이 시작되었습니다.</translation>
    </message>
    <message>
        <source>Type your friend&apos;s address, as bea@example.org.</source>
        <translation>친구의 주소를 입력하십시오(예: bea@example.org).</translation>
    </message>
    <message>
        <source>%1 invites you to a game of Quoxa.</source>
        <translation>%1 님이 Quoxa 게임에 초대했습니다.</translation>
    </message>
    <message>
        <source>%1 is invited.</source>
        <translation>%1 님을 초대했습니다.</translation>
    </message>
    <message>
        <source>%1 invites you to a game. Join?</source>
        <translation>%1 님이 게임에 초대했습니다. 참가하시겠습니까?</translation>
    </message>
    <message>
        <source>Every seat is taken.</source>
        <translation>모든 자리가 찼습니다.</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>사람</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>컴퓨터: %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>나감</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>자리 비움</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>컴퓨터 %1</translation>
    </message>
    <message>
        <source>Waiting for every copy to be ready...</source>
        <translation>모든 사본이 준비되기를 기다리는 중...</translation>
    </message>
</context>
</TS>
