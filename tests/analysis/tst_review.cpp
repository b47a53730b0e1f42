// The game review: points lost in hand-worked positions, luck and points lost adding up to
// every total of many seeded games, nothing lost by best play, and the window's rows.
#include "TestSupport.h"
#include "analysis/Charts.h"
#include "analysis/frmReview.h"
#include "engine/GameReview.h"
#include "engine/MoveText.h"
#include "records/GameFiles.h"

#include <QAccessible>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QScreen>

using namespace quoxa;
using namespace quoxa::test;

namespace {

// A one-player game whose boxes, but the open ones, were scored 0 (Chance 16); then these turns.
GameRecord Playing(const QStringList &open, const QStringList &turns)
{
    QStringList played;
    for (const char *turn : {"23456 lblOnes 0", "13456 lblTwos 0", "12456 lblThrees 0", "12356 lblFours 0", "12346 lblFives 0",
                             "12345 lblSixes 0", "12346 lblThreeOfAKind 0", "12346 lblFourOfAKind 0", "12346 lblFullHouse 0",
                             "11256 lblSmallStraight 0", "11256 lblLargeStraight 0", "12346 lblQuoxa 0", "12346 lblChance 16"})
        if (!open.contains(QString(turn).section(u' ', 1, 1)))
            played << turn;
    const QJsonObject json{{"started", "2026-12-07T12:00:00.000Z"}, {"players", QJsonArray{QJsonObject{{"name", "Ada"}}}},
                           {"turns", QJsonArray::fromStringList(played + turns)}};
    return *GameFiles::FromJson(json);
}

} // namespace

class ReviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); SolvedStrategy(); }

    // Decisions of the last turn, worked by hand. With Full House alone open, 2 2 3 3 kept
    // makes it with 5/9 (13.89) against 25. With Quoxa alone open, five 4s at the first throw
    // and 4 4 4 4 kept make it with 11/36 (15.28) against 50. At the third throw, 1 1 1 1 2 in
    // Chance (6, then Ones worth 5 x 91/216) against Ones (4, then Chance worth 70/3).
    void pointsLostInHandWorkedPositions()
    {
        for (const auto &[open, turn, throwNumber, decision] :
             {std::tuple{QStringList{"lblFullHouse"}, "22333 22334/1234 22336/1234 lblFullHouse 0", 1, "keep 2 2 3 3 / score Full House (25): 11.11"},
              {QStringList{"lblQuoxa"}, "44444 44443/1234 44442/1234 lblQuoxa 0", 1, "keep 4 4 4 4 / score Quoxa (50): 34.72"},
              {QStringList{"lblOnes", "lblChance"}, "11112 11112 11112 lblChance 6", 3, "score Chance (6) / score Ones (4): 19.23"}}) {
            const GameRecord record = Playing(open, {turn});
            QCOMPARE(record.Fault(), QString());
            const GameReview review = Review(record, SolvedStrategy());
            const ReviewDecision &d = *std::find_if(review.decisions.begin(), review.decisions.end(), [&](const ReviewDecision &d) {
                return d.turn == 14 - open.size() && d.throwNumber == throwNumber;
            });
            QCOMPARE(QString("%1 / %2: %3").arg(MoveText::Move(d.played, d.dice), MoveText::Move(d.best, d.dice)).arg(d.Lost(), 0, 'f', 2), decision);
        }
    }

    // How bad a slip is, at the edges of "at least 1, 3 and 8 points lost".
    void slipsByPointsLost()
    {
        for (const auto &[lost, slip] : {std::pair{0.99, Slip::None}, {1.0, Slip::Inaccuracy}, {2.5, Slip::Inaccuracy},
                                         {3.0, Slip::Mistake}, {7.99, Slip::Mistake}, {8.0, Slip::Blunder}})
            QCOMPARE(SlipOf(lost), slip);
    }

    // 100 seeded two-player games, 20 at each level: for every player the value at the start,
    // plus luck, less points lost, is the final total, to the cent; best play loses nothing.
    void luckAndPointsLostAddUpToEveryTotal()
    {
        FakeBoard board;
        for (int seed = 0; seed < 100; ++seed) {
            const int level = seed % Strategy::kLevels + 1;
            static std::uint64_t clock;
            clock = 2026 + seed;
            ClockRandomSource random([]() { return clock; });
            Game game(board, random);
            game.StartNewGame({.count = Int16(2), .names = kNames});
            while (game.turn().mstrState != u"Game Over") {
                game.cmdThrow_Click();
                if (game.turn().mblnCanScore)
                    game.Play(game.ComputerMove(SolvedStrategy(), level));
            }
            const GameReview review = Review(game.Record(), SolvedStrategy());
            for (const PlayerReview &player : review.players) {
                QCOMPARE(QString::number(player.start, 'f', 2), "252.28");
                QVERIFY2(std::abs(player.Now() - player.total) < 0.005, qPrintable(QString::number(seed)));
                if (level == Strategy::kLevels)
                    QVERIFY(player.lost < 1e-9);
            }
        }
    }

    // Charts with little to draw: a bar takes an eighth of the plot at most, one bar or two
    // as well as seven; a review before the first decision says so in the chart's place.
    void chartsWithLittleToDraw()
    {
        for (const auto &[bars, share] : {std::pair{1, 0.125}, {2, 0.125}, {7, 0.125}, {8, 0.1125}, {20, 0.045}})
            QCOMPARE(BarWidth(bars) / bars, share); // of the plot's width
        const QJsonObject json{{"started", "2026-12-07T12:00:00.000Z"}, {"players", QJsonArray{QJsonObject{{"name", "Ada"}}}}, {"turns", QJsonArray{}}};
        frmReview window(nullptr);
        window.ShowGame(*GameFiles::FromJson(json));
        QCOMPARE(Find<QLabel>(&window, "chart")->text(), "No decisions yet: the chart begins with the first one.");
    }

    // The window on a game's first two turns: the summary, every decision, the filters, and
    // the moment of the decision chosen.
    void reviewWindow()
    {
        const QJsonObject json{{"started", "2026-12-07T12:00:00.000Z"},
                               {"players", QJsonArray{QJsonObject{{"name", "Ada"}}, QJsonObject{{"name", "Bea"}}}},
                               {"turns", QJsonArray{"22333 22334/1234 22336/1234 lblFullHouse 0", "12345 lblLargeStraight 40"}}};
        frmReview window(nullptr);
        window.ShowGame(*GameFiles::FromJson(json));
        QCOMPARE(Rows(&window, "lvwSummary"), (QStringList{"Ada=24.41=−1.39=0=0=2=252.28 − 1.39 luck − 24.41 lost = 226.48 expected",
                                                            "Bea=0.00=7.36=0=0=0=252.28 + 7.36 luck − 0.00 lost = 259.64 expected"}));
        const QStringList all{"1=Ada=1=2 2 3 3 3=keep 2 2 3 3=keep 3 3 3=10.85=blunder", "1=Ada=2=2 2 3 3 4=keep 2 2 3 3=keep 2 3 4=0.51=",
                              "1=Ada=3=2 2 3 3 6=score Full House (0)=score Twos (4)=13.05=blunder",
                              "1=Bea=1=1 2 3 4 5=score Large Straight (40)=score Large Straight (40)=0.00="};
        QCOMPARE(Rows(&window, "lvwDecisions"), all);
        // Heard: each cell with its header, the box with its label, the chart's values in words.
        QCOMPARE(Find<QTreeWidget>(&window, "lvwDecisions")->topLevelItem(3)->data(1, Qt::AccessibleTextRole), "Player: Bea");
        QCOMPARE(QAccessible::queryAccessibleInterface(Find(&window, "cboFilter"))->relations(QAccessible::Label).value(0).first->text(QAccessible::Name), "Show:");
        QVERIFY2(Find(&window, "chart")->accessibleDescription().startsWith("Expected final total after each decision. Ada by Turn: 0: 252.28; "),
                 qPrintable(Find(&window, "chart")->accessibleDescription()));
        auto *filter = Find<QComboBox>(&window, "cboFilter"); // slips only, Ada's, Bea's, all
        // The filter says its choice, as the text a reader reads, and tells the one the player makes.
        const QAccessibleTextInterface *choice = QAccessible::queryAccessibleInterface(filter)->textInterface();
        QVERIFY(choice && choice->text(0, choice->characterCount()) == "All decisions");
        SpokenLines told;
        QTest::keyClick(filter, Qt::Key_Down);
        QCOMPARE(choice->text(0, choice->characterCount()) + " / " + told.lines.join(", "), "Slips only / Slips only");
        for (const auto &[f, rows] : {std::pair{1, QStringList{all[0], all[2]}}, {2, all.mid(0, 3)}, {3, all.mid(3)}, {0, all}}) {
            filter->setCurrentIndex(f);
            QCOMPARE(Rows(&window, "lvwDecisions"), rows);
        }
        // The moment chosen: the throw's luck, and the kind of slip.
        auto *list = Find<QTreeWidget>(&window, "lvwDecisions");
        for (const auto &[row, moment] : {std::pair{2, "Turn 1, throw 3: Ada had 2 2 3 3 6 (the dice took 3.98), expecting 239.52 in the end with best play.\n"
                                                       "Played: score Full House (0) (expecting 226.48). Best: score Twos (4). Points lost: 13.05 (blunder)."},
                                          {3, "Turn 1, throw 1: Bea had 1 2 3 4 5 (the dice gave 7.36), expecting 259.64 in the end with best play.\n"
                                              "Played: score Large Straight (40) (expecting 259.64). Best: score Large Straight (40). Points lost: 0.00."}}) {
            list->setCurrentItem(list->topLevelItem(row));
            QCOMPARE(Find<QLabel>(&window, "lblMoment")->text(), moment);
        }
        // A filter changed under a chosen row: the list on screen is the list itself (it kept the old rows before).
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        filter->setCurrentIndex(2);
        list->setCurrentItem(list->topLevelItem(1));
        QTest::qWait(20);
        filter->setCurrentIndex(1);
        QTest::qWait(50);
        const QRect shown(list->viewport()->mapTo(&window, QPoint()), list->viewport()->size());
        QCOMPARE(window.screen()->grabWindow(window.winId()).toImage().copy(shown).convertToFormat(QImage::Format_RGB32),
                 list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
