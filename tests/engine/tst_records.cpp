// The game's record: it rebuilds the game exactly at every step, through its JSON; it tells
// an impossible game; the figures drawn from finished games; and how the keeper stores games
// whatever the disk holds.
#include "TestSupport.h"
#include "engine/GameFigures.h"
#include "engine/MostDice.h"
#include "engine/SeededDice.h"
#include "analysis/frmStatistics.h"
#include "records/GameFiles.h"
#include "records/GameKeeper.h"

#include <QJsonDocument>
#include <QRandomGenerator>

using namespace quoxa;
using namespace quoxa::test;

namespace {

// Everything the game knows of where it stands, and the dice and holds on its board.
QString State(const Game &game, const FakeBoard &board)
{
    QStringList state{game.turn().mstrState, game.turn().mblnCanUndo ? game.turn().mstrPrevState : QString(),
                      QString("%1 %2 %3").arg(game.turn().mintPlayer.value()).arg(game.turn().mintRolls.value()).arg(game.turn().mintScored.value())};
    for (int p = 1; p <= 4; ++p)
        for (const SheetRow &row : kScoreSheet)
            state << QString::number((game.Sheet(p).*row.field).value());
    for (std::size_t i = 0; i < 5; ++i)
        state << board.tags[i] + (board.held[i] ? "h" : "");
    return state.join(u' ');
}

} // namespace

class RecordTest : public QObject, EngineFixture {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init() { ClearStore(); }

    // A three-player game of the day's dice, random holds, scores and undos: after every step its
    // record, written as JSON and read back, rebuilds the same game on a new board.
    void recordRebuildsTheGameAtEveryStep()
    {
        Begin(3);
        game->StartNewGame({.count = Int16(3), .names = kNames}, DiceOrigin::Daily(QDate(2026, 12, 7))); // the record keeps where its dice come from
        QRandomGenerator pick(2026);
        while (game->turn().mstrState != u"Game Over") {
            if (game->turn().mblnCanScore && (game->turn().mintRolls == 0 || pick.bounded(3) == 0)) { // a box already scored takes nothing: the loop picks again
                game->RecordScore(SheetCategories()[std::size_t(pick.bounded(kCategoryCount))]->label);
                if (game->turn().mblnCanUndo && pick.bounded(4) == 0)
                    game->UndoLastScore();
            } else {
                for (int die = 1; die <= 5; ++die)
                    game->Hold(die, game->turn().mblnCanHold && pick.bounded(2));
                game->cmdThrow_Click();
            }
            const GameRecord record = game->Record();
            QCOMPARE(record.Fault(), QString());
            QCOMPARE(board.kept.turns.size(), record.turns.size()); // kept after every step
            for (int p = 1; p <= 3; ++p)
                QCOMPARE(record.Sheets()[std::size_t(p - 1)].intGameTotal, game->Sheet(p).intGameTotal);
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
              {QString("['12345','12345']"), one, false}, {QString("['lblChance 0']"), one, false}, // a turn left unscored; a score without a throw
              {QString("['22442 46332/5'],'dice':'daily 2026-12-07'"), one, true}, // the day's own dice
              {QString("['22443'],'dice':'daily 2026-12-07'"), one, false}, {QString("['22442'],'dice':'daily 2026-02-30'"), one, false}, // dice the day does not give; no such day
              {QString("['22442'],'dice':'code HTNX-HYBM'"), one, false}, {QString("['22442'],'dice':7"), one, false}}) { // a code whose check fails; a number
            QString text = QString("{'started':'2026-12-07T12:00:00.000Z','players':%1,'turns':%2}").arg(players, turns);
            const std::optional<GameRecord> record = GameFiles::FromJson(QJsonDocument::fromJson(text.replace('\'', '"').toUtf8()).object());
            QVERIFY2((record && record->Fault().isEmpty()) == possible, qPrintable(turns)); // a dice origin that is none is no record at all
        }
    }

    // The day's dice, pinned as another program following README's generator gives them: the
    // code, round 1's three throws, round 13's last. Another day's differ. And codes as typed.
    void seededDiceAndCodes()
    {
        for (const auto &[day, pinned] : {std::pair{QDate(2026, 12, 7), "HTNX-HYBK 22442 46335 22361 45455"}, {QDate(2026, 12, 8), "88G6-DQEN 13452 53625 52651 41441"}}) {
            const SeededFaces faces = DiceOrigin::Daily(day).Faces();
            QString shown = DiceOrigin::Daily(day).CodeText();
            for (const int at : {0, 5, 10, 190})
                shown += ' ' + QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(&faces[std::size_t(at)]), 5).toHex()).remove('0');
            QCOMPARE(shown, pinned);
        }
        // Dice origins as the record keeps them, and codes as typed; a wrong one is refused.
        for (const QString row : {"daily 2026-12-07|daily 2026-12-07", "code  htnx hybk |code HTNX-HYBK", "code oooo-ooow|code 0000-000W",
                                  "code 0000-cIs4|code 0000-C1S4", "code 0000-CLS4|code 0000-C1S4", "code HTNX-HYBM|", "code HTNX-HBYK|",
                                  "code HTNX-HYB|", "code HTNX-HYBKK|", "code HTNU-HYBK|", "code HTNX-HYBÄ|", "code |", "daily 2026-02-30|",
                                  "daily 2026-2-7|", "dice HTNX-HYBK|"}) {
            const std::optional<DiceOrigin> origin = DiceOrigin::FromText(row.section('|', 0, 0));
            QCOMPARE(origin ? origin->Text() : row, row.section('|', 1).isEmpty() ? row : row.section('|', 1));
        }
    }

    // Two games of the day, of different players and levels, meet the same face wherever
    // both throw a die at the same round and throw. A lone level-5 game makes best play's
    // total, on every day's dice of a month, and the figures measure the day's players
    // against it. An ordinary game draws a code, and that code, typed, replays its dice exactly.
    void gamesOnTheSameDice()
    {
        const Strategy &strategy = SolvedStrategy();
        ClockRandomSource clock;
        std::map<std::array<int, 3>, int> met[2]; // by round, throw and die, the face thrown
        const auto play = [&](std::array<int, 4> levels, int count, std::optional<DiceOrigin> dice, std::size_t seen) {
            FakeBoard board;
            Game game(board, clock);
            const Players players{Int16(count), {true, true, true, true}, levels, kNames};
            dice ? game.StartNewGame(players, *dice) : game.StartNewGame(players);
            while (game.turn().mstrState != u"Game Over") {
                game.cmdThrow_Click();
                if (!game.turn().mblnCanScore)
                    continue; // the turn's first throw is still to come
                const Game::Hint move = game.ComputerMove(strategy, levels[std::size_t(game.turn().mintPlayer.value() - 1)]);
                game.Play(move);
            }
            const GameRecord record = game.Record();
            for (std::size_t t = 0; t < record.turns.size() && seen < 2; ++t)
                for (std::size_t k = 0; k < record.turns[t].throws.size(); ++k)
                    for (std::size_t i = 0; i < 5; ++i)
                        if (!record.turns[t].throws[k].held[i])
                            met[seen][{int(t) / count, int(k), int(i)}] = record.turns[t].throws[k].dice[i];
            return record;
        };
        const DiceOrigin day = DiceOrigin::Daily(QDate(2026, 12, 7));
        const GameRecord alone = play({5}, 1, day, 0), three = play({1, 2, 4}, 3, day, 1);
        int both = 0;
        for (const auto &[at, face] : met[0])
            if (met[1].count(at) && ++both)
                QCOMPARE(met[1][at], face);
        QVERIFY2(both > 40, qPrintable(QString::number(both)));
        QCOMPARE(alone.Fault() + three.Fault(), QString());
        const int best = BestPlayTotal(strategy, day.Faces()), most = MostTotal(day.Faces());
        for (QDate other(2026, 12, 1); other.month() == 12; other = other.addDays(1)) { // on every day's dice of a month
            const int perfect = BestPlayTotal(strategy, DiceOrigin::Daily(other).Faces());
            QCOMPARE(play({5}, 1, DiceOrigin::Daily(other), 2).Sheets()[0].intGameTotal.value(), perfect);
            QVERIFY(perfect <= MostTotal(DiceOrigin::Daily(other).Faces())); // no play makes more than the most
        }
        for (const PlayerFigures &f : GameFigures({alone, three}).Players(&strategy))
            QCOMPARE(std::tuple(f.dailyGames, *f.belowPerfect, *f.belowMost), std::tuple(1, double(best - f.totals[0]), double(most - f.totals[0])));
        const PlayerFigures unsolved = GameFigures({alone}).Players()[0];
        QCOMPARE(std::pair(unsolved.belowPerfect.has_value(), *unsolved.belowMost), std::pair(false, double(most - best))); // best play not known yet
        const GameRecord drawn = play({5, 5}, 2, std::nullopt, 2);
        const GameRecord replayed = play({5, 5}, 2, DiceOrigin::FromText("code " + drawn.dice.value().CodeText().toLower()), 2); // drawn has a code
        QCOMPARE(GameFiles::ToJson(replayed).value("turns"), GameFiles::ToJson(drawn).value("turns"));
    }

    // The most a code's dice allow, against totals worked out by hand. Each case gives the
    // rounds' three throws, its last round standing for those after it. Five sixes every time:
    // Quoxa first, then 100 for each of the 12 others (1395). A straight every time (100). Dice
    // 1 to 4 ending on 6, 5 or 4 and die 5 on 1, 2 or 3: 66 above and the 35 (212); die 5 on 1
    // or 2 alone: 63 above, no 35 (141). Five sixes, five ones, then the rounds of 212: Quoxa
    // first, five ones in Full House for 125 (387; five sixes in Sixes before a Quoxa of five
    // ones would make 398, were a five alike before the Quoxa counted).
    void mostTheDiceAllow()
    {
        for (const auto &[rounds, most] : std::initializer_list<std::pair<QStringList, int>>{
                 {{"666666666666666"}, 1395}, {{"123451234512345"}, 100}, {{"666615555244443"}, 212},
                 {{"666615555244442"}, 141}, {{"666666666666666", "111111111111111", "666615555244443"}, 387}}) {
            SeededFaces faces{};
            for (std::size_t i = 0; i < faces.size(); ++i)
                faces[i] = std::int8_t(rounds[std::min(qsizetype(i / 15), rounds.size() - 1)][i % 15].digitValue());
            QCOMPARE(MostTotal(faces), most);
        }
    }

    // A player's totals in bins from the lowest one's to the best's, 10 points wide unless
    // that needs more than 16: Ada's 100, 100, 475 in 16 bins of 25 (38 of 10, 19 of 20 are
    // too many); Bea's 100 and 199 in 10 of 10.
    void totalsInBins()
    {
        QList<int> seen;
        for (const PlayerFigures &f : GameFigures({FinishedGame({{{"Ada"}, kStraights}}), FinishedGame({{{"Ada"}, kPerfect}}),
                                                   FinishedGame({{{"Ada"}, kStraights}, {{"Bea"}, kStraights}}), FinishedGame({{{"Bea"}, kUpper63}})}).Players()) {
            const auto bins = f.Bins();
            seen << int(bins.size()) << bins.front().first << bins.front().second << bins.back().first << bins.back().second;
        }
        QCOMPARE(seen, (QList<int>{16, 100, 2, 475, 1, 10, 100, 1, 190, 1}));
    }

    // A game under way that cannot be played on is set aside under the store's lock, as
    // "Game.json.damaged" or, that name taken (here by a folder), "-2", "-3"..., so that none
    // set aside before is lost, and the player is told; the game played meanwhile is kept in
    // another place, and nothing damaged is ever deleted.
    void damagedGamesSetAside()
    {
        const QString path = GameFiles::SlotPath(1);
        QDir().mkpath(path + ".damaged");
        GameRecord underWay = Finished("Ada");
        underWay.turns.resize(3);
        for (int n = 2; n <= 4; ++n) {
            const QByteArray damaged = "not a game " + QByteArray::number(n);
            WriteFile(path, damaged);
            ErrorRecorder errors;
            {
                GameKeeper keeper;
                const auto lock = n == 2 ? std::make_unique<HeldStoreLock>() : nullptr; // another copy holds the store
                QVERIFY(!keeper.Resume());
                keeper.Keep(underWay);
                QVERIFY(!lock || FileText(path) == damaged); // moved only under the lock
                QTest::qWait(10);
            }
            const QString aside = QStringLiteral("%1.damaged-%2").arg(path).arg(n);
            QTRY_COMPARE(FileText(aside), damaged);
            QVERIFY(errors.messages.filter(aside).size() == 1 && QFileInfo(path + ".damaged").isDir());
            const QFileInfoList places = QDir(GameFiles::Folder()).entryInfoList({"Game*.json"}, QDir::Files); // the game played meanwhile
            QCOMPARE(places.size() * GameFiles::FromJson(QJsonDocument::fromJson(FileText(places.value(0).filePath())).object())->turns.size(), 3u);
            QFile::remove(places[0].filePath());
        }
    }

    // The finished games: a line longer than any game, wherever the reading's blocks cut it,
    // is passed over. Adding a game: once the file holds 1,000 games it keeps the last 1,000;
    // much that is no game goes, in however few lines; a game there already (its line ended
    // "\r\n") is not added again; on a full disk the game is appended, and the file is written
    // again by a later game, once there is room for a second copy.
    void finishedGames_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("added"); // the first on a full disk, when "full" leads
        QTest::addColumn<QString>("after");     // "<lines in the file>:<first game read>..<last>/<games read>"
        QByteArray thousand, old = Line(Finished("Old")), padded = GameFiles::Line(Finished("B"));
        for (int g = 0; g < GameFiles::kKeptGames; ++g)
            thousand += Line(Finished(QStringLiteral("G%1").arg(g)));
        for (qsizetype size : {GameFiles::kMaxLine, GameFiles::kMaxLine + 1, GameFiles::kMaxLine * 3 / 2, GameFiles::kMaxLine * 2 - 1})
            QTest::addRow("a line of %lld", qlonglong(size)) << old + QByteArray(padded).insert(padded.size() - 1, ",\"x\":\"" + QByteArray(size - padded.size() - 7, 'x') + '"') + '\n' + old
                                                             << QStringList() << (size == GameFiles::kMaxLine ? "3:Old..Old/3" : "3:Old..Old/2");
        QTest::newRow("a thousand") << thousand << QStringList{"New"} << "1000:G1..New/1000";
        QTest::newRow("no game, few lines") << old + (QByteArray(30'000, 'x') + '\n').repeated(40) << QStringList{"New"} << "2:Old..New/2";
        QTest::newRow("no game, one line") << old + QByteArray(1'100'000, 'x') + '\n' << QStringList{"New"} << "2:Old..New/2";
        QTest::newRow("little no game") << old + (QByteArray(30'000, 'x') + '\n').repeated(30) << QStringList{"New"} << "32:Old..New/2";
        QTest::newRow("there, CRLF") << QByteArray(old).replace('\n', "\r\n") << QStringList{"Old"} << "1:Old..Old/1";
        QTest::newRow("full disk") << thousand << QStringList{"full", "New"} << "1001:G1..New/1000";
        QTest::newRow("then room") << thousand << QStringList{"full", "New", "Next"} << "1000:G2..Next/1000";
    }

    void finishedGames()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, added);
        QFETCH(QString, after);
        WriteFile(GameFiles::FinishedPath(), before);
        ErrorRecorder errors;
        for (const QString &name : added.mid(added.value(0) == "full" ? 1 : 0)) {
            StoreFile::LimitRoom(added[0] == "full" && name == added[1] ? GameFiles::Line(Finished(name)).size() + 1 : -1);
            GameKeeper().Keep(Finished(name));
        }
        StoreFile::LimitRoom(-1);
        const std::vector<GameRecord> read = GameKeeper::ReadFinished().games;
        const auto name = [&](std::size_t i) { return i < read.size() ? read[i].players.at(0).name : QString(); };
        QCOMPARE(QStringLiteral("%1:%2..%3/%4").arg(FileText(GameFiles::FinishedPath()).count('\n')).arg(name(0), name(read.size() - 1)).arg(read.size()), after);
        QVERIFY(errors.messages.isEmpty());
    }

    // However large the finished games' file (here 2 GiB, sparse, a game at its end), the
    // statistics open at once and fill once it is read, off the window's thread and without
    // the store's lock.
    void statisticsReadAside()
    {
        WriteFile(GameFiles::FinishedPath(), {});
        QFile file(GameFiles::FinishedPath());
        QVERIFY(file.resize(qint64(2) << 30) && file.open(QIODevice::Append) && file.write('\n' + Line(Finished("Ada"))) > 0);
        file.close();
        frmStatistics window(nullptr, {});
        const HeldStoreLock lock; // another copy holds the store meanwhile
        window.Refresh();
        const auto busy = [&] { return Find(&window, "lvwStatistics")->cursor().shape() == Qt::BusyCursor; };
        QVERIFY(busy());
        QTRY_VERIFY_WITH_TIMEOUT(!busy(), 20000); // 2 GiB read: seconds on a busy machine
        QCOMPARE(Rows(&window, "lvwStatistics").value(0).section(u'=', 0, 1), "Ada=1");
        QVERIFY(file.remove());
    }

    // The dice that keep a move's faces, as the Hint and best play on a code mark them: those
    // held already first, then from the left. On a code the die matters, since a die thrown
    // again meets the face of its own place.
    void keptDice()
    {
        // The dice, the dice held, the faces kept: the dice kept.
        for (const auto &[dice, held, keep, kept] : std::initializer_list<std::array<QString, 4>>{
                 {"55355", "45", "55", "45"}, {"26661", "4", "66", "24"}, {"33313", "45", "33", "15"}, {"11444", "12", "444", "345"}, {"52525", "", "55", "13"}}) {
            DiceSet faces{};
            HeldSet holds{}, chosen{};
            Faces counts{};
            for (std::size_t i = 0; i < faces.size(); ++i)
                std::tie(faces[i], holds[i]) = std::pair(dice[qsizetype(i)].digitValue(), held.contains(QChar(u'1' + int(i))));
            for (QChar face : keep)
                counts[std::size_t(face.digitValue())] += 1;
            chosen = KeptDice(counts, faces, holds);
            QString marked;
            for (std::size_t i = 0; i < chosen.size(); ++i)
                marked += chosen[i] ? QString::number(i + 1) : QString();
            QCOMPARE(marked, kept);
        }
    }
};

QTEST_MAIN(RecordTest)
#include "tst_records.moc"
