// The game's record: it rebuilds the game exactly at every step, through its JSON; it tells
// an impossible game; and the figures drawn from finished games.
#include "TestSupport.h"
#include "engine/GameFigures.h"
#include "records/GameFiles.h"

#include <QJsonDocument>
#include <QRandomGenerator>

using namespace quoxa;
using namespace quoxa::test;

namespace {

// Everything the game knows of where it stands, and the dice and holds on its board.
QString State(const Game &game, const FakeBoard &board)
{
    QStringList state{game.mstrState, game.mblnCanUndo ? game.mstrPrevState : QString(),
                      QString("%1 %2 %3").arg(game.mintPlayer.value()).arg(game.mintRolls.value()).arg(game.mintScored.value())};
    for (int p = 1; p <= 4; ++p)
        for (const SheetRow &row : kScoreSheet)
            state << QString::number((gudtPlayer(p).*row.field).value());
    for (std::size_t i = 0; i < 5; ++i)
        state << board.tags[i] + (board.held[i] ? "h" : "");
    return state.join(u' ');
}

} // namespace

class RecordTest : public QObject, EngineFixture {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }

    // A three-player game of random dice, holds, scores and undos: after every step its
    // record, written as JSON and read back, rebuilds the same game on a new board.
    void recordRebuildsTheGameAtEveryStep()
    {
        Begin(3);
        QRandomGenerator pick(2026);
        while (game->mstrState != u"Game Over") {
            const bool score = game->mblnCanScore && (game->mintRolls == 0 || pick.bounded(3) == 0);
            if (score) { // a box already scored takes nothing: the loop picks again
                game->RecordScore(SheetCategories()[std::size_t(pick.bounded(kCategoryCount))]->label);
                if (game->mblnCanUndo && pick.bounded(4) == 0)
                    game->UndoLastScore();
            } else {
                for (bool &held : board.held)
                    held = game->mblnCanHold && pick.bounded(2);
                for (int die = 0; die < 5; ++die)
                    random.Queue(QString::number(pick.bounded(1, 7)));
                game->cmdThrow_Click();
            }
            const GameRecord record = game->Record();
            QCOMPARE(record.Fault(), QString());
            QCOMPARE(board.kept.turns.size(), record.turns.size()); // kept after every step
            for (int p = 1; p <= 3; ++p)
                QCOMPARE(record.Sheets()[std::size_t(p - 1)].intGameTotal, gudtPlayer(p).intGameTotal);
            const QJsonObject json = GameFiles::ToJson(record);
            if (record.Over()) {
                QVERIFY(QJsonDocument(json).toJson(QJsonDocument::Compact).size() < 3 * 2048);
                break;
            }
            const QString before = State(*game, board);
            FakeBoard rebuilt;
            Game copy(rebuilt, random);
            copy.Resume(*GameFiles::FromJson(json));
            QCOMPARE(State(copy, rebuilt), before);
            QCOMPARE(GameFiles::ToJson(copy.Record()), json);
        }
    }

    // What makes a record impossible; `'` stands for `"`.
    void faults()
    {
        const QString one = "[{'name':'Ada'}]", scored = "'22334 22333/1234 lblFullHouse 25'";
        for (const auto &[turns, players, possible] :
             {std::tuple{"[" + scored + ",'66666']", one, true}, {"[" + scored + "]", QString("[]"), false}, // played on; no players
              {"[" + scored + "]", QString("[{'name':'Ada','computer':6}]"), false},                            // level 6
              {QString("['22333 lblFullHouse 30']"), one, false}, {"[" + scored + "," + scored + "]", one, false}, // points the dice do not make; a box twice
              {QString("['22334 22336/5']"), one, false}, {QString("['22334/1']"), one, false}, // a held die changes; held before the first throw
              {QString("['11111 11111 11111 11111']"), one, false}, {QString("['12347']"), one, false}, // four throws; a face of 7
              {QString("['12345','12345']"), one, false}, {QString("['lblChance 0']"), one, false}}) { // a turn left unscored; a score without a throw
            QString text = QString("{'started':'2026-12-07T12:00:00.000Z','players':%1,'turns':%2}").arg(players, turns);
            const std::optional<GameRecord> record = GameFiles::FromJson(QJsonDocument::fromJson(text.replace('\'', '"').toUtf8()).object());
            QVERIFY2(record && record->Fault().isEmpty() == possible, qPrintable(turns));
        }
    }

    // A player's totals in bins from the lowest one's to the best's, 10 points wide unless
    // that needs more than 16: Ada's 100, 100, 475 in 16 bins of 25 (38 of 10, 19 of 20 are
    // too many); Bea's 100 and 199 in 10 of 10.
    void totalsInBins()
    {
        const QStringList upper63{"11123", "22213", "33312", "44412", "55512", "66612", "12345", "12345", "12345", "12345", "12345", "22222", "12355"};
        QList<int> seen;
        for (const PlayerFigures &f : GameFigures({FinishedGame({{{"Ada"}, kStraights}}), FinishedGame({{{"Ada"}, kPerfect}}),
                                                   FinishedGame({{{"Ada"}, kStraights}, {{"Bea"}, kStraights}}), FinishedGame({{{"Bea"}, upper63}})}).Players()) {
            const auto bins = f.Bins();
            seen << int(bins.size()) << bins.front().first << bins.front().second << bins.back().first << bins.back().second;
        }
        QCOMPARE(seen, (QList<int>{16, 100, 2, 475, 1, 10, 100, 1, 190, 1}));
    }
};

QTEST_MAIN(RecordTest)
#include "tst_records.moc"
