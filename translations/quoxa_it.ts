<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Charts</name>
    <message>
        <source>The chart cannot be shown: Quoxa&apos;s chart module is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Object required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 wins with %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 share the win with %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: throw the dice. Expected final total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 throws the dice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 scores %2 in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 throws all five again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps %2 and throws again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: score %1 for %2. Expected final total: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: score 0 in %1 (it costs the least). Expected final total: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: throw all five again. Expected final total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: keep %1 and throw again. Expected final total: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>it has %1 players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plays at level %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn %1 has %2 throws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn %1 throws a die it cannot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn %1 scores nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn %1 scores %2 a second time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn %1 scores %2 in %3, which its dice do not make</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>score %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>throw all five again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Section Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Section Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Another copy of %1 is using the store: %2 will be saved when it is free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of %1 is still using the store: %2 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>basHelp</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error #: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>basRegistry</name>
    <message>
        <source>the settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quoxa, a dice game for one to four players sharing one window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmAbout</name>
    <message>
        <source>A dice game for one to four players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Quoxa developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions, ideas, praise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmMain</name>
    <message>
        <source>Throw the dice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls Remaining: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold dice then throw again, or select score score category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select score category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Continue&apos;, or press &apos;Undo&apos; button to undo last score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Last Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Dice Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mputer Players...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score &amp;Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Score Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Quoxa...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: working it out...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Quoxa is still using the store: the game could not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game under way could not be brought back: %1. It is kept as %2, and a new game begins.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Players, up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer plays for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause between moves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause between moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmReview</name>
    <message>
        <source>Game Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inaccuracies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blunders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start, luck and points lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out best play...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slips only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 luck − %3 lost = %4 expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No decisions yet: the review grows as the game is played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1, throw %2: %3 had %4, expecting %5 in the end with best play.
Played: %6 (expecting %7). Best: %8. Points lost: %9.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmScores</name>
    <message>
        <source>%1&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to reset all scores?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cleared high scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quoxa::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Std. Dev.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quoxa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (computer, level %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the finished games?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
