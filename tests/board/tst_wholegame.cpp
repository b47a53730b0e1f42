// Whole games through the real window, with real mouse clicks, from start-up to the
// high-score window and the settings saved on closing.
#include "TestSupport.h"
#include "analysis/frmScoreCard.h"
#include "engine/MoveText.h"
#include "board/frmMain.h"
#include "engine/GameReview.h"
#include "engine/MostDice.h"
#include "records/GameFiles.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"

#include <QClipboard>
#include <QInputDialog>
#include <QRegularExpression>
#include <QTableWidget>

using namespace quoxa;
using namespace quoxa::test;

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); SolvedStrategy(); } // the computer waits for best play: solved first
    void init() { ClearStore(); }

    // Whole games by mouse, and from the keyboard alone: Space throws and continues, keys 1
    // to 5 hold and release, Tab reaches the next open category and Return scores it (on the
    // first, second or third throw in turn), Alt+E, U takes a score back, Return closes the
    // high scores.
    void wholeGame_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("keys");
        for (const auto &[players, keys] : {std::pair{1, false}, {2, false}, {3, false}, {4, false}, {1, true}, {2, true}})
            QTest::addRow("%d player(s)%s", players, keys ? " by keys" : "") << players << keys;
    }
    void wholeGame()
    {
        QFETCH(int, players);
        QFETCH(bool, keys);
        StoreSettings({{"Player Count", QString::number(players)}, {"Sounds", "False"}, {"Player 1", "P1"}, {"Player 2", "P2"},
                       {"Player 3", "P3"}, {"Player 4", "P4"}});
        ScriptedRandom random(QStringLiteral("123456").repeated(90)); // never five alike
        frmMain board(&random);
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        ErrorRecorder errors;
        const auto click = [&](const QString &name) { QTest::mouseClick(Find(&board, name), Qt::LeftButton); };
        const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { // to what has the keyboard
            QWidget *popup = QApplication::activePopupWidget(), *modal = QApplication::activeModalWidget();
            QTest::keyClick(popup ? popup : modal ? modal->focusWidget() : board.focusWidget(), k, modifiers);
        };

        QStringList greeted;
        const auto watcher = WhenShown<frmScores>([&](frmScores *scores) {
            greeted = Rows(scores, "lvwScores", 1).mid(0, players);
            keys ? key(Qt::Key_Return) : QTest::mouseClick(Find(scores, "cmdOk"), Qt::LeftButton); // on its OK
        });

        for (int turn = 0; turn < 13 * players; ++turn) {
            QCOMPARE(board.game().turn().mintPlayer.value(), turn % players + 1);
            QString label;
            if (keys) {
                for (int t = 0; t <= turn % 3; ++t)
                    key(Qt::Key_Space);
                if (turn == 0) { // a hold and a release
                    key(Qt::Key_1);
                    QVERIFY(Find(&board, "shpHold(1)")->isVisible());
                    key(Qt::Key_1);
                    QVERIFY(!Find(&board, "shpHold(1)")->isVisible());
                }
                key(Qt::Key_Tab);
                label = board.focusWidget()->objectName();
            } else {
                click("cmdThrow");
                click("fraDie(1)");
                const QString kept = QString::number(board.game().Die(1));
                click("cmdThrow");
                QCOMPARE(QString::number(board.game().Die(1)), kept);
                QVERIFY(Find(&board, "shpHold(1)")->isVisible());
                const int round = turn / players; // every player scores the categories in sheet order
                label = kScoreSheet[static_cast<std::size_t>(round < 6 ? round : round + 3)].label.toString();
                QCOMPARE(Find(&board, label)->cursor().shape(), Qt::BitmapCursor); // open for this player
            }
            const auto score = [&] { keys ? key(Qt::Key_Return) : click(label); };
            score();
            if (turn == 0) { // change of mind: take it back (Alt+E, U) and score the same category again
                keys ? (key(Qt::Key_E, Qt::AltModifier), key(Qt::Key_U)) : click("tlbMain.Undo");
                QCOMPARE(board.game().turn().mstrState, keys ? QStringLiteral("Throw 1") : QStringLiteral("Throw 2"));
                QVERIFY(Find<QLabel>(&board, label)->text().isEmpty());
                if (keys) {
                    key(Qt::Key_Tab);
                    QCOMPARE(board.focusWidget()->objectName(), label);
                }
                score();
            }
            QCOMPARE(board.game().turn().mstrState, turn + 1 < 13 * players ? QStringLiteral("Continue") : QStringLiteral("Game Over"));
            if (keys)
                QCOMPARE(board.focusWidget(), Find(&board, "cmdThrow"));
            if (turn + 1 < 13 * players)
                keys ? key(Qt::Key_Space) : click("cmdThrow"); // Continue
        }

        QStringList totals = Rows(&board, "lvwPlayers");
        totals.replaceInStrings(",", "");
        // The table: highest first, and a total equal to one before it goes below it.
        std::stable_sort(totals.begin(), totals.end(),
                         [](const QString &a, const QString &b) { return a.section('=', 1).toInt() > b.section('=', 1).toInt(); });
        QTRY_COMPARE(greeted, totals);
        board.close();
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Stored("Game Settings", "Player Count").toString(), QString::number(players));
        QCOMPARE(HighScores(), totals);
    }

    // Computer players with no pause: a person against the computer, then four computers,
    // each game to its end; the person's clicks count only in the person's turns. Each
    // computer plays at its own level: the first at Beginner gives points away, the last
    // at Perfect none.
    void computerPlayers()
    {
        for (const QString &computers : QStringList{"FT", "TTTT"}) {
            ClearStore();
            SettingsStore::Values settings{{"Player Count", QString::number(computers.size())}, {"Computer Delay", "0"}, {"Sounds", "False"},
                                           {"Computer Level 1", "1"}, {"Computer Level 2", "5"}, {"Computer Level 3", "5"}, {"Computer Level 4", "5"}};
            for (int p = 1; p <= computers.size(); ++p)
                settings << std::pair(QStringLiteral("Computer %1").arg(p), computers[p - 1] == u'T' ? "True" : "False");
            StoreSettings(settings);
            const auto watcher = WhenShown<frmScores>([](frmScores *scores) { scores->reject(); }); // the top ten at the end
            SpokenLines heard;
            frmMain board;
            board.show();
            if (computers == u"TTTT") { // told first what game it is, then whose turn, as it was before
                QTRY_VERIFY(!heard.lines.isEmpty());
                Find<QAction>(&board, "mnuGameDaily")->trigger();
                QTRY_VERIFY(heard.lines.join(u' ').contains("Daily game of " + QLocale().toString(QDate::currentDate(), "d MMMM yyyy") + ". Player 1 throws the dice."));
            }
            for (const SheetRow *row : SheetCategories()) {
                if (computers != u"FT")
                    break;
                QTRY_VERIFY(board.game().turn().mintPlayer == 1 && board.game().turn().mstrState != u"Continue"); // the person's turn
                for (const QString &name : {QStringLiteral("cmdThrow"), row->label.toString(), QStringLiteral("cmdThrow"), QStringLiteral("cmdThrow")})
                    QTest::mouseClick(Find(&board, name), Qt::LeftButton); // a throw, a score, Continue, and in the computer's turn nothing
                QCOMPARE(board.game().turn().mstrState + board.game().turn().mintPlayer.toString(), "Throw 02");
                QVERIFY(!Find<QAction>(&board, "mnuGameHint")->isEnabled());
            }
            QTRY_COMPARE_WITH_TIMEOUT(board.game().turn().mstrState, QStringLiteral("Game Over"), 30000);
            QTest::qWait(50); // and there it stays
            QCOMPARE(board.game().turn().mstrState + board.game().turn().mintScored.toString(), "Game Over" + QString::number(13 * computers.size()));
            const GameReview review = Review(board.game().Record(), SolvedStrategy());
            QVERIFY(review.players.front().lost > 1 && review.players.back().lost < 1e-9);
            // The score card opens by itself and tells who won.
            auto *card = Find<frmScoreCard>(&board, "frmScoreCard");
            QVERIFY(card->isVisible());
            QCOMPARE(Find<QLabel>(card, "lblRanking")->text(), Ranking(board.game().Sheets()));
            QTRY_VERIFY(heard.lines.last().endsWith("Game Over. " + Ranking(board.game().Sheets()))); // and a screen reader told
            const auto *grid = Find<QTableWidget>(card, "grdScoreCard");
            QString marked; // one box marked: the last player's, who scored last
            for (int cell = 0, across = grid->columnCount(); cell < grid->rowCount() * across; ++cell)
                if (grid->item(cell / across, cell % across)->background().color() == QColor(255, 255, 160))
                    marked += QString::number(cell % across + 1);
            QCOMPARE(marked, QString::number(computers.size()));
            if (computers == u"TTTT") { // the day's dice: their code, the most they allow, Perfect on them, the result to copy
                const GameRecord record = board.game().Record();
                const QString best = QString::number(BestPlayTotal(SolvedStrategy(), record.dice->Faces())), day = QLocale().toString(QDate::currentDate(), "d MMM yyyy");
                const QString most = QString::number(MostTotal(record.dice->Faces()));
                QCOMPARE(Find<QLabel>(card, "lblDiceCode")->text(), "Daily game of " + day + ", dice code " + DiceOrigin::Daily(QDate::currentDate()).CodeText());
                // Perfect makes its own total in any seat; the Beginner is told how far from it.
                const QRegularExpressionMatch par = QRegularExpression("^The most these dice allow: " + most + "\nPerfect computer on these dice: " + best + "\nPlayer 1 (\\d+), (.*) the Perfect computer(\nPlayer [234] " + best + ", as the Perfect computer){3}$").match(Find<QLabel>(card, "lblPar")->text());
                const int below = best.toInt() - par.captured(1).toInt();
                QCOMPARE(par.captured(2), below > 0 ? QString("%1 below").arg(below) : below < 0 ? QString("%1 above").arg(-below) : "as");
                Find<QPushButton>(card, "cmdCopyResult")->click();
                QCOMPARE(Find<QPushButton>(card, "cmdCopyResult")->text(), "Copied"); // for a moment, and told
                QTRY_VERIFY(heard.lines.contains("Copied"));
                const QRegularExpressionMatch copied = QRegularExpression("^Quoxa daily " + day + ": Player \\d (\\d+), Player \\d (\\d+), Player \\d (\\d+), Player \\d (\\d+), Perfect " + best + ", most " + most + "$").match(QGuiApplication::clipboard()->text());
                QVERIFY2(copied.hasMatch() && copied.captured(1).toInt() >= copied.captured(2).toInt() && copied.captured(3).toInt() >= copied.captured(4).toInt(), qPrintable(QGuiApplication::clipboard()->text()));
                QStringList stops; // Tab leaves the table for the moves, the lines below it and the buttons
                for (Find(card, "grdScoreCard")->setFocus(); stops.size() < 7; stops << card->focusWidget()->objectName())
                    QTest::keyClick(card->focusWidget(), Qt::Key_Tab);
                QCOMPARE(stops.join(u' '), "lstMoves lblRanking lblDiceCode lblPar cmdCopyResult cmdReview cmdPlayAgain");
            }
            card->activateWindow();
            Find<QPushButton>(card, "cmdPlayAgain")->click();
            QCOMPARE(board.game().turn().mstrState + board.game().turn().mintScored.toString(), "Throw 00");
            QTRY_VERIFY(board.isActiveWindow() && board.focusWidget() == Find(&board, "cmdThrow")); // Space throws next
            board.close();
            // The top ten is the people's: the person's total entered, no computer's did.
            QCOMPARE(HighScores().replaceInStrings(QRegularExpression("=.*"), ""), computers == u"FT" ? QStringList{"Player 1"} : QStringList());
            QCOMPARE(Stored("Game Settings", "Computer 2"), QVariant("True"));
        }
    }

    // Play Dice Code: a code typed wrong is told, with what is wrong with it, and the prompt
    // stays open with the text to mend; Cancel changes nothing; a code as the score card gives
    // it, typed anyhow, starts a game of the players set on its dice, and is told so.
    void diceCodePrompt()
    {
        SpokenLines heard;
        frmMain board;
        board.show();
        QTest::mouseClick(Find(&board, "cmdThrow"), Qt::LeftButton); // a game under way
        const QJsonObject before = GameFiles::ToJson(board.game().Record());
        const QString frame = "\"%1\" is not a dice code. A dice code is eight letters and digits, as the score card shows it "
                              "(for example K7QX-93R1); check it and try again. ";
        const std::pair<QString, QString> typings[] = {
            {"HTNX-HYBM", frame.arg("HTNX-HYBM") + "Its last letter or digit does not go with the others: one of them is typed wrong."},
            {"HTNX-HYB", frame.arg("HTNX-HYB") + "A dice code has eight letters and digits; this one has 7."},
            {"HTNX-HYBKU", frame.arg("HTNX-HYBKU") + "\"U\" is none of a dice code's letters and digits."},
            {" - ", "Type the dice code of the game to play."},
            {QString(1000, u'7'), frame.arg(QString(24, u'7') + u'\u2026') + "A dice code has eight letters and digits; this one has 1000."},
            {"cancelled", ""},
            {"htnx hybk", ""}};
        for (const auto &[typed, told] : typings) {
            ErrorRecorder errors;
            Find<QAction>(&board, "mnuGameDiceCode")->trigger();
            auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(prompt);
            prompt->setTextValue(typed);
            typed == u"cancelled" ? prompt->reject() : prompt->accept();
            QCOMPARE(errors.messages, told.isEmpty() ? QStringList() : QStringList{told});
            QCOMPARE(prompt->isVisible() && prompt->textValue() == typed, !told.isEmpty()); // open, to be mended
            if (!told.isEmpty())
                prompt->reject();
            QCOMPARE(GameFiles::ToJson(board.game().Record()) == before, typed != u"htnx hybk");
        }
        QCOMPARE(board.game().Record().dice->Text() + board.game().turn().mstrState, "code HTNX-HYBKThrow 0");
        QTRY_VERIFY(heard.lines.join(u' ').endsWith("Dice code HTNX-HYBK accepted. Throw the dice."));
    }

    // While the computer plays, the status bar tells what it does, never a person's prompt,
    // and a screen reader is told each line, then whose turn it is; Space plays the rest of
    // its turn without its pauses up to its score, which stays in sight with the dice scored
    // for the pause; Space again passes the turn on at once.
    void computerTurnToldAndHurried()
    {
        SpokenLines heard;
        StoreSettings({{"Player Count", "2"}, {"Computer 1", "True"}, {"Computer Delay", "5000"}, {"Sounds", "False"}});
        frmMain board;
        board.show();
        const auto told = [&] { return Find<QLabel>(&board, "stbMain(1)")->text(); };
        QStringList seen{told()}; // each text it shows, once
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { seen << (told() == seen.last() ? QStringList() : QStringList{told()}); });
        watch.start(0);
        QCOMPARE(Find<QTimer>(&board, "tmrComputer")->interval(), 5000); // its pause before its first step
        QTest::keyClick(Find(&board, "cmdThrow"), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(board.game().turn().mstrState, QStringLiteral("Continue"), 4000); // four pauses of 5 s otherwise
        QTest::qWait(50); // and there it stays, its score in sight on the dice it scored
        QStringList shown{board.game().turn().mintPlayer.toString()};
        for (int die = 1; die <= 5; ++die)
            shown << QString::number(board.game().Die(die));
        QCOMPARE(shown.join(u' ') + told().left(16), "1 " + MoveText::Dice(board.game().Record().turns.front().throws.back().dice) + "Player 1 scores ");
        QTest::keyClick(Find(&board, "cmdThrow"), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(seen.last(), QStringLiteral("Throw the dice."), 1000); // passed on at once: the person's prompt
        QCOMPARE(seen.first() + "|" + seen.takeLast(), "Player 1 throws the dice.|Throw the dice.");
        QVERIFY(seen.filter(QRegularExpression("^Player 1 (throws|keeps|scores) .*\\.$")) == seen && seen.size() >= 2);
        QVERIFY(seen.last().startsWith("Player 1 scores "));
        // Its score with its total, and whose turn it is next, each a line of its own for the reader, in order.
        const QStringList last{seen.last() + QStringLiteral(" Player 1's total %1.").arg(board.game().Sheet(1).intGameTotal.value()), "Player 2: Throw the dice."};
        QTRY_COMPARE(heard.lines.mid(heard.lines.size() - 2), last);
        QStringList kept;
        for (const QWidget *line : board.findChildren<QWidget *>("lblSpoken"))
            kept << line->accessibleName();
        QCOMPARE(kept.mid(kept.size() - 2), last);
        QVERIFY(heard.lines.join(u' ').contains("Player 1 throws " + MoveText::Dice(board.game().Record().turns.front().throws.front().dice) + "."));
        QCOMPARE(heard.lines.first(), seen.first()); // its turn begins: its name once
        qsizetype at = 0;
        for (const QString &line : seen)
            QVERIFY2((at = heard.lines.join(u' ').indexOf(line, at)) >= 0, qPrintable(line));
    }

    // New Game and Options in the middle of the computer's turn: the new game starts with
    // the computer's turn afresh; while Options is open the computer waits.
    void computerTurnInterrupted()
    {
        StoreSettings({{"Computer 1", "True"}, {"Computer Delay", "100"}});
        ScriptedRandom random(QStringLiteral("123456").repeated(20));
        frmMain board(&random);
        board.show();
        QTRY_COMPARE(board.game().turn().mstrState, QStringLiteral("Throw 1"));
        board.mnuGameNew_Click();
        QCOMPARE(board.game().turn().mstrState, QStringLiteral("Throw 0"));
        QTRY_COMPARE(board.game().turn().mstrState, QStringLiteral("Throw 1"));
        const auto now = [&] { return board.game().turn().mstrState + " " + QString::number(board.game().Die(1)); };
        const QString before = now();
        board.ShowOptions(frmOptions::Computer); // open, and the game waits while it is
        QTest::qWait(300);
        QCOMPARE(now(), before);
        Find(&board, "lblChance")->setFocus();
        QApplication::activeModalWidget()->close();
        QTRY_VERIFY(board.game().turn().mstrState != u"Throw 1");
        QCOMPARE(board.focusWidget(), Find(&board, "cmdThrow")); // closed, the keyboard is on Throw
    }
};

QTEST_MAIN(WholeGameTest)
#include "tst_wholegame.moc"
