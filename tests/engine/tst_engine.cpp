// The game engine against a recording board: the error trap, turn states, throws, turns,
// scoring rules, bonuses, undo and the end of the game.
#include "TestSupport.h"
#include "engine/MoveText.h"
#include "settings/basMain.h"

#include <QLocale>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>

using namespace quoxa;
using namespace quoxa::test;

class EngineTest : public QObject, EngineFixture {
    Q_OBJECT

private slots:
    void init() { Begin(1); }

    void facesFromDrawsAndReseedingInTheSameClockTick()
    {
        const std::pair<float, int> faces[] = {{0.0f, 1}, {0.1666f, 1}, {0.16667f, 2}, {std::nextafter(1.0f, 0.0f), 6}};
        for (const auto &[draw, face] : faces)
            QCOMPARE(FaceFromDraw(draw), face);
        ClockRandomSource source([]() -> std::uint64_t { return 42; });
        const auto draws = [&] {
            source.Reseed();
            return std::array<float, 5>{source.Next(), source.Next(), source.Next(), source.Next(), source.Next()};
        };
        QVERIFY(draws() != draws());
    }

    void throwButtonThrowsTheFreeDiceAndCelebratesOnlyWhileScoringIsAllowed()
    {
        QCOMPARE(game->Hold(2, true), Refusal::NotNow); // nothing to hold before the first throw
        const std::pair<const char *, const char *> throws[] = {{"12345", "Throw 1"}, {"666", "Throw 2"}, {"555", "Throw 3"}, {"", "Throw 3"}};
        for (const auto &[faces, state] : throws) {
            random.Queue(faces);
            QCOMPARE(game->cmdThrow_Click(), *faces ? Refusal::None : Refusal::NotNow); // no fourth throw
            QCOMPARE(game->turn().mstrState, QString::fromLatin1(state));
            for (int die : {2, 4, 6}) // dice 2 and 4 kept from the first throw on
                QCOMPARE(game->Hold(die, true), die == 6 ? Refusal::NoSuchDie : game->turn().mblnCanHold ? Refusal::None : Refusal::NotNow);
        }
        QCOMPARE(std::pair(random.reseeds, random.used), std::pair(3, 5 + 3 + 3)); // one draw for each die thrown
        QCOMPARE(board.tags, (std::array<QString, 5>{"5", "2", "5", "4", "5"}));
        QCOMPARE((std::array{game->Die(1), game->Die(2), int(game->Held(2))}), (std::array{5, 2, 0})); // the third throw lets go
        QVERIFY(board.Calls("ShowCelebration").isEmpty());
        Begin(1);
        Throw("44444", 3);
        QCOMPARE(board.Calls("ShowCelebration").size(), 3);
        QCOMPARE(game->cmdThrow_Click(), Refusal::NotNow); // five alike still there
        QCOMPARE(board.Calls("ShowCelebration").size(), 4);
        game->RecordScore(u"lblQuoxa");
        game->cmdThrow_Click(); // the next turn's dice, not yet thrown
        QCOMPARE(board.Calls("ShowCelebration").size(), 4);
    }

    void turnsPassInOrderAndShowThatPlayersSheet()
    {
        const std::pair<int, QList<int>> games[] = {{1, {1, 1}}, {3, {2, 3, 1, 2}}, {4, {2, 3, 4, 1}}};
        for (const auto &[players, order] : games) {
            Begin(players);
            std::size_t box = 0;
            for (int expected : order) {
                Score("12346", SheetCategories()[box++]->label); // each player another box: every sheet different
                board.log.clear();
                game->cmdThrow_Click(); // Continue: the next player's turn
                QCOMPARE(game->turn().mintPlayer.value(), expected);
                // One player keeps the row and the sheet as they are.
                QCOMPARE(board.Calls("SelectPlayerRow"),
                         players > 1 ? QStringList{QStringLiteral("SelectPlayerRow(%1)").arg(expected)} : QStringList());
                QStringList sheet;
                for (const SheetRow &row : kScoreSheet)
                    sheet << QStringLiteral("ShowScoreCell(%1,%2)").arg(row.label).arg((game->Sheet(expected).*row.field).value());
                QCOMPARE(board.Calls("ShowScoreCell"), players > 1 ? sheet : QStringList());
            }
        }
    }

    void newGameKeepsNamesAndDiceAndEmptiesAllFourSheets()
    {
        Begin(4);
        for (int p = 1; p <= 4; ++p)
            Score("12346", u"lblChance");
        board.log.clear();
        game->StartNewGame({.count = Int16(2), .names = kNames});
        game->StartNewGame();
        QCOMPARE(game->turn().mstrState + game->turn().mintPlayer.toString(), QStringLiteral("Throw 01"));
        QCOMPARE(game->Sheet(4).strName + game->Sheet(4).intChance.toString() + game->Sheet(4).intGameTotal.toString(), "P4-10");
        board.log = board.log.mid(board.log.lastIndexOf("ClearPlayerList") - 18); // the second new game's
        QCOMPARE(board.log.mid(18, 4), (QStringList{"ClearPlayerList", "AddPlayerRow(P1,0)", "AddPlayerRow(P2,0)", "SelectPlayerRow(1)"}));
        QVERIFY(board.Calls("SetDieTag").isEmpty());
        QLocale::setDefault(QLocale(QLocale::German)); // the players list groups digits by the locale
        QCOMPARE(FormatGameTotal(1234), QStringLiteral("1.234"));
        QLocale::setDefault(QLocale::c());
    }

    void rules_data()
    {
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("score");
        // The dice, then what each category scores with them.
        const char *examples[] = {
            "33355 FullHouse=25 ThreeOfAKind=19 FourOfAKind=0 Threes=9 Chance=19",
            "44444 FullHouse=25 Quoxa=50 FourOfAKind=20 SmallStraight=0 LargeStraight=0 Fours=20",
            "11234 FullHouse=0 SmallStraight=30 LargeStraight=0 ThreeOfAKind=0", "11123 FullHouse=0 ThreeOfAKind=8 FourOfAKind=0",
            "12346 ThreeOfAKind=0 FourOfAKind=0 SmallStraight=30 Quoxa=0", "52343 SmallStraight=30", "13456 SmallStraight=30",
            "12356 SmallStraight=0 LargeStraight=0", "23456 LargeStraight=40 SmallStraight=30",
            "12345 LargeStraight=40 Ones=1 Sixes=0", "66662 FourOfAKind=26 FullHouse=0 Twos=2 Sixes=24"};
        for (const char *example : examples) {
            const QStringList parts = QString::fromLatin1(example).split(u' ');
            for (const QString &score : parts.mid(1))
                QTest::addRow("%s %s", qPrintable(parts[0]), qPrintable(score))
                    << parts[0] << "lbl" + score.section(u'=', 0, 0) << score.section(u'=', 1).toInt();
        }
    }
    void rules()
    {
        QFETCH(QString, dice);
        QFETCH(QString, label);
        QFETCH(int, score);
        QCOMPARE(Score(dice, label), score);
        QVERIFY(board.log.contains(QStringLiteral("ShowScoreCell(%1,%2)").arg(label).arg(score)));
        QCOMPARE(game->turn().mstrState, QStringLiteral("Continue"));
    }

    // A game as steps: "33333>lblQuoxa" throws and scores, ">lblQuoxa" scores the dice on
    // the table, "undo" takes the last score back. Then the totals it leaves.
    void bonusesAndUndo_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("totals"); // upper total, bonus, five-alike count, game total
        const QStringList upper63{"11123>lblOnes", "22211>lblTwos", "33311>lblThrees", "44411>lblFours",
                                  "55511>lblFives", "66611>lblSixes"};
        QStringList upper64 = upper63;
        upper64.first() = "11112>lblOnes";
        QTest::newRow("63 earns nothing") << upper63 << QList<int>{63, 0, 0, 63};
        QTest::newRow("64 earns 35") << upper64 << QList<int>{64, 35, 0, 99};
        QTest::newRow("undo below 64 takes 35 back") << upper64 + QStringList{"undo"} << QList<int>{46, 0, 0, 46};
        QTest::newRow("each further five alike earns 100")
            << QStringList{"33333>lblQuoxa", "66666>lblSixes", "22222>lblSmallStraight"} << QList<int>{30, 200, 3, 280};
        QTest::newRow("none after Quoxa scored 0") << QStringList{"12345>lblQuoxa", "66666>lblSixes", "55555>lblChance"}
                                                   << QList<int>{30, 0, 0, 55};
        QTest::newRow("five alike before Quoxa earns nothing") << QStringList{"66666>lblSixes", "33333>lblQuoxa"}
                                                               << QList<int>{30, 0, 1, 80};
        QTest::newRow("no five alike after Quoxa") << QStringList{"33333>lblQuoxa", "12345>lblChance"} << QList<int>{0, 0, 1, 65};
        QTest::newRow("undo of Quoxa") << QStringList{"33333>lblQuoxa", "undo"} << QList<int>{0, 0, 0, 0};
        QTest::newRow("undo then Quoxa again") << QStringList{"33333>lblQuoxa", "undo", ">lblQuoxa"} << QList<int>{0, 0, 1, 50};
        QTest::newRow("undo of a further five alike") << QStringList{"33333>lblQuoxa", "44444>lblChance", "undo"}
                                                      << QList<int>{0, 0, 1, 50};
    }
    void bonusesAndUndo()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, totals);
        for (const QString &step : steps) {
            if (step == u"undo")
                game->UndoLastScore();
            else if (step.startsWith(u'>'))
                game->RecordScore(step.mid(1));
            else
                Score(step.section(u'>', 0, 0), step.section(u'>', 1));
        }
        const PlayerSheet &s = Sheet();
        QCOMPARE((QList<int>{s.intTotal.value(), s.intBonus.value(), s.intQuoxaCount.value(), s.intGameTotal.value()}), totals);
        QCOMPARE(s.intSection1Total.value(), s.intTotal.value() + s.intBonus.value());
        QVERIFY(board.log.contains(QStringLiteral("SetPlayerScore(1,%1)").arg(totals[3])));
    }

    void undoReturnsToTheThrowTheScoreWasMadeIn()
    {
        for (int throws = 1; throws <= 3; ++throws) {
            Begin(1);
            Throw("23456", throws);
            game->Hold(1, true);
            game->Hold(3, true);
            const std::array<bool, 5> holds{throws < 3, false, throws < 3, false, false}; // none after the third throw
            game->RecordScore(u"lblLargeStraight");
            QCOMPARE(board.Calls("SetUndoEnabled").last(), QStringLiteral("SetUndoEnabled(true)"));
            game->UndoLastScore();
            QCOMPARE(Sheet().intLargeStraight.value(), -1);
            QVERIFY(board.log.contains("ReopenScoreCell(lblLargeStraight)"));
            const TurnVariables &turn = game->turn(); // as it stood: its throws left, holds allowed, nothing scored
            QCOMPARE(std::tuple(turn.mstrState, turn.mintRolls.value(), turn.mblnCanHold, turn.mintScored.value()),
                     std::tuple(QStringLiteral("Throw %1").arg(throws), 3 - throws, throws < 3, 0));
            QCOMPARE(board.held, holds); // the dice held as they were
            QCOMPARE(game->Held(1), holds[0]);
            QCOMPARE(board.Calls("SetUndoEnabled").last(), QStringLiteral("SetUndoEnabled(false)"));
            game->RecordScore(u"lblLargeStraight");
            QCOMPARE(Sheet().intLargeStraight.value(), 40);
        }
    }

    void scoringIsIgnoredOutsideTheThrowsAndOnScoredCategories()
    {
        const auto ignored = [&](const char16_t *label) {
            const QStringList before = board.log;
            game->RecordScore(label);
            return board.log == before;
        };
        QVERIFY(ignored(u"lblChance")); // "Throw 0"
        QCOMPARE(Score("12346", u"lblQuoxa"), 0);
        QVERIFY(ignored(u"lblOnes")); // "Continue"
        Throw("55555", 2);
        QVERIFY(ignored(u"lblQuoxa")); // scored, if only 0
        QCOMPARE(Sheet().intQuoxa.value(), 0);
    }

    void gameEndsAfterThirteenScoringsEachAndOffersTotalsAboveZero()
    {
        Begin(3);
        board.entering = {"P3"};
        for (const SheetRow &row : kScoreSheet)
            for (int p = 1; row.isCategory() && p <= 3; ++p) {
                QCOMPARE(game->turn().mstrState, QString(p == 1 && &row == &kScoreSheet[0] ? "Throw 0" : "Continue"));
                Score("12346", row.label);
            }
        QCOMPARE(game->turn().mstrState + game->turn().mintScored.toString(), QStringLiteral("Game Over39"));
        QCOMPARE(board.log.mid(board.log.size() - 2), (QStringList{"SetUndoEnabled(false)", "ShowGameEnd(true)"}));
        QCOMPARE(board.offered, (QStringList{"P1=62", "P2=62", "P3=62"}));
        Begin(2); // again, and a computer's total is not offered
        game->StartNewGame({.count = Int16(2), .computer = {true, false}, .names = kNames});
        for (int turn = 1; turn <= 26; ++turn)
            Score("12346", SheetCategories()[std::size_t((turn - 1) / 2)]->label);
        QCOMPARE(board.offered, (QStringList{"P2=62"}));
        QCOMPARE(board.log.last(), QStringLiteral("ShowGameEnd(false)"));
        game->cmdThrow_Click(); // the "NEWGAME" face
        QCOMPARE(game->turn().mstrState + game->turn().mintScored.toString(), QStringLiteral("Throw 00"));
    }

    // Best play, exact: what the open categories are worth from the start of a turn, and
    // the best move with some dice ("throw: dice"), each worked out by hand.
    void bestPlay()
    {
        const Strategy &strategy = SolvedStrategy();
        // The open categories, then upper total and Quoxa box; the dice; the move; the points still to come.
        const std::tuple<QString, QString, QString, QString, double> rows[] = {
            {"Sixes: 6 x 5 x (1 - (5/6)^3)", "lblSixes 0 0", "", "", 12.6389},
            {"Chance", "lblChance 0 0", "", "", 23.3333},
            {"Quoxa", "lblQuoxa 0 0", "", "", 2.3014},
            {"Small Straight", "lblSmallStraight 0 0", "", "", 18.4633},
            {"Ones at 63: any 1 brings 35", "lblOnes 63 0", "", "", 2.1065 + 35 * (1 - std::pow(5.0 / 6, 15))},
            {"Ones at 64: the bonus is in", "lblOnes 64 0", "", "", 2.1065},
            {"Chance, throw 1: keep 5 and 6", "lblChance 0 0", "1 11266", "keep 6 6", 12 + 3 * 4.25},
            {"Chance, throw 2: keep 4 to 6", "lblChance 0 0", "2 14566", "keep 4 5 6 6", 21 + 3.5},
            {"Sixes, none: throw all five", "lblSixes 0 0", "1 12345", "keep", 30 * 11.0 / 36},
            {"Quoxa, throw 2: keep three", "lblQuoxa 0 0", "2 22333", "keep 3 3 3", 50.0 / 36},
            {"full house before chance", "lblFullHouse lblChance 0 0", "3 22333", "score Full House", 25 + 23.3333},
            {"five alike, Quoxa box 50: 100 more", "lblSixes 0 50", "3 66666", "score Sixes", 130},
            {"five alike into the empty box: 50", "lblQuoxa 0 0", "3 55555", "score Quoxa", 50},
            {"five alike: a full house", "lblFullHouse 0 0", "3 44444", "score Full House", 25},
            {"five alike: no straight", "lblSmallStraight 0 0", "3 33333", "score Small Straight", 0},
        };
        for (const auto &[name, open, dice, move, rest] : rows) {
            const QStringList position = open.split(u' ');
            Position at{(1 << kCategoryCount) - 1, position[position.size() - 2].toInt(), position.last() == u"50"};
            for (int c = 0; c < kCategoryCount; ++c)
                if (position.contains(SheetCategories()[c]->label))
                    at.filled &= ~(1 << c);
            Faces faces{};
            for (QChar face : dice.mid(2))
                faces[face.digitValue()] += 1;
            const Strategy::Choice choice = dice.isEmpty() ? Strategy::Choice{-2, {}, strategy.ExpectedRest(at)}
                                                           : strategy.Best(at, faces, dice[0].digitValue());
            QString played = choice.category >= 0 ? "score " + Caption(*SheetCategories()[choice.category])
                             : choice.category == -1 ? "keep" : ""; // -2: no move asked for
            for (int face = 1; choice.category == -1 && face <= 6; ++face)
                played += QStringLiteral(" %1").arg(face).repeated(choice.keep[face]);
            // The move, and what is still to come to four places, named by the row.
            QCOMPARE(QStringLiteral("%1: %2 %3").arg(name, played).arg(qRound(choice.expectedRest * 1e4)),
                     QStringLiteral("%1: %2 %3").arg(name, move).arg(qRound(rest * 1e4)));
        }
    }

    // Every move of 42 positions valued as by an independent solver (best-play.tsv, exact to
    // 1e-4), the best among them; and at every level the best move is the likeliest, a
    // costlier one less likely than a cheaper one, and at level 5 the only one played.
    void movesValuedAndWeighedByLevel()
    {
        int positions = 0;
        for (const QByteArray &line : FileText(QStringLiteral(QUOXA_SOURCE_DIR "/engine/best-play.tsv")).split('\n')) {
            const QList<QByteArray> f = line.split('\t'), played = f.value(5).split(' ');
            if (f.size() != 8 || !std::isdigit(f[0].at(0)))
                continue;
            Faces dice{}, keep{};
            for (const QByteArray &face : f[4].split(' '))
                dice[face.toInt()] += 1;
            for (const QByteArray &face : played[0] == "keep" ? played.mid(1) : QList<QByteArray>())
                keep[face.toInt()] += face != "0";
            const Position at{f[0].toInt(), f[1].toInt(), f[2] == "1"};
            const auto moves = SolvedStrategy().Moves(at, dice, f[3].toInt());
            const auto move = std::find_if(moves.begin(), moves.end(), [&](const Strategy::Choice &m) {
                return played[0] == "score" ? m.category == played[1].toInt() : m.category < 0 && m.keep == keep; });
            QVERIFY(move != moves.end() && std::abs(move->expectedRest - f[6].toDouble()) < 1.5e-4);
            QVERIFY(std::abs(SolvedStrategy().Best(at, dice, f[3].toInt()).expectedRest - f[7].toDouble()) < 1.5e-4);
            for (int level = 1; level <= Strategy::kLevels; ++level) {
                const std::vector<double> weights = Strategy::Weights(moves, level);
                for (std::size_t a = 0; a < moves.size(); ++a)
                    for (std::size_t b = 0; b < moves.size(); ++b)
                        QVERIFY(moves[a].expectedRest <= moves[b].expectedRest || weights[a] > weights[b] ||
                                (level == Strategy::kLevels && weights[a] == 0));
                QCOMPARE(std::count(weights.begin(), weights.end(), 0.0), level == Strategy::kLevels ? long(moves.size()) - 1 : 0);
            }
            ++positions;
        }
        QCOMPARE(positions, 42);
    }

    // A computer's choices come from the game's random source: a seeded game plays the same
    // way again, and a level 2 game is not best play's. Each level plays as strong as it is
    // set: over 50 seeded games of a lone computer, what its decisions give up on average,
    // taken from best play's 252.28, comes within five points of 160, 205, 230 and 245.
    void seededComputerGames()
    {
        const Strategy &strategy = SolvedStrategy();
        const auto play = [&](Game &computer, int level, QStringList *told) {
            double lost = 0; // the points each decision gives up, on average over the level's choices
            computer.StartNewGame();
            while (computer.turn().mstrState != u"Game Over") {
                computer.cmdThrow_Click();
                if (!computer.turn().mblnCanScore)
                    continue;
                Faces faces{};
                for (const QString &tag : board.tags)
                    faces[tag.toInt()] += 1;
                const auto moves = strategy.Moves(Position::Of(computer.Sheet(1)), faces, 3 - computer.turn().mintRolls.value());
                const std::vector<double> weights = Strategy::Weights(moves, level);
                const double best = std::max_element(moves.begin(), moves.end(), [](auto &a, auto &b) { return a.expectedRest < b.expectedRest; })->expectedRest;
                for (std::size_t m = 0; m < moves.size(); ++m)
                    lost += weights[m] * (best - moves[m].expectedRest) / std::accumulate(weights.begin(), weights.end(), 0.0);
                const Game::Hint move = computer.ComputerMove(strategy, level);
                if (told)
                    *told << computer.Narration(&move);
                computer.Play(move);
            }
            return lost;
        };
        QStringList games[3];
        for (int g = 0; g < 3; ++g) {
            ClockRandomSource seeded([]() -> std::uint64_t { return 2026; });
            Game computer(board, seeded);
            play(computer, g < 2 ? 2 : Strategy::kLevels, &games[g]);
        }
        QCOMPARE(games[1], games[0]);
        QVERIFY(games[2] != games[0]);
        for (const auto &[level, mean] : {std::pair{1, 160.0}, {2, 205.0}, {3, 230.0}, {4, 245.0}}) {
            ClockRandomSource seeded([]() -> std::uint64_t { return 7; });
            Game computer(board, seeded);
            double lost = 0;
            for (int g = 0; g < 50; ++g)
                lost += play(computer, level, nullptr) / 50;
            QVERIFY2(std::abs(strategy.ExpectedRest({}) - lost - mean) < 5, qPrintable(QString("level %1: %2").arg(level).arg(strategy.ExpectedRest({}) - lost)));
        }
    }

    // The Hint's line for each kind of best move, on a sheet with 20 points scored (in Three
    // of a Kind, every other category filled with 0 but those open); totals worked by hand.
    void hintTexts()
    {
        const char *rows[][3] = { // the open categories, the throws made and the faces, the line
            {"lblFullHouse lblChance", "3 22333", "Hint: score Full House for 25. Expected final total: 68.33"}, // 20+25+23.33
            {"lblQuoxa lblChance", "3 12346", "Hint: score 0 in Quoxa (it costs the least). Expected final total: 43.33"},
            {"lblChance", "1 11266", "Hint: keep 6 6 and throw again. Expected final total: 44.75"},
            {"lblSixes", "1 12345", "Hint: throw all five again. Expected final total: 44.17"}, // 20+15 (Chance)+9.17
            {"lblChance", "", "Hint: throw the dice. Expected final total: 43.33"},
            {"lblSixes lblChance", "3 66666", "Hint: score Sixes for 30. Expected final total: 73.33"}}; // Quoxa 0: no 100
        // The dice that fill the other boxes: 20 in Three of a Kind, 15 in Chance, 0 in the rest.
        const std::map<QStringView, QString> filling{
            {u"lblOnes", "23456"}, {u"lblTwos", "13456"}, {u"lblThrees", "12456"}, {u"lblFours", "12356"},
            {u"lblFives", "12346"}, {u"lblSixes", "12345"}, {u"lblThreeOfAKind", "44435"}, {u"lblSmallStraight", "11256"},
            {u"lblChance", "12345"}};
        for (const auto &[open, dice, told] : rows) {
            Begin(1);
            for (const SheetRow *row : SheetCategories())
                if (!QString(open).contains(row->label))
                    Score(filling.count(row->label) ? filling.at(row->label) : QStringLiteral("12346"), row->label);
            game->cmdThrow_Click(); // Continue
            QCOMPARE(Sheet().intGameTotal.value(), QString(open).contains(u"lblChance") ? 20 : 35);
            if (*dice)
                Throw(QString(dice).mid(2), dice[0] - '0');
            QCOMPARE(game->BestMove(SolvedStrategy()).text, QString::fromUtf8(told));
        }
    }

    // What a computer does, told in its name: a move kept, nothing kept, a score (after the
    // third throw too), or with no move the throw that begins its turn; and the game's log.
    void narration()
    {
        const char *rows[][3] = {{"", "", "P1 throws the dice."},
                                 {"55523", "555", "P1 keeps 5 5 5 and throws again."},
                                 {"12346", "", "P1 throws all five again."},
                                 {"22333", "lblFullHouse", "P1 scores 25 in Full House."},
                                 {"12346 3", "lblQuoxa", "P1 scores 0 in Quoxa."}};
        for (const auto &[dice, move, told] : rows) {
            Begin(1);
            Game::Hint hint;
            if (*dice)
                Throw(QString(dice).left(5), QString(dice).endsWith(" 3") ? 3 : 1);
            hint.category = FindSheetRow(QString(move));
            for (const char *face = move; !hint.category && *face; ++face)
                hint.move.keep[*face - '0'] += 1;
            QCOMPARE(game->Narration(*dice ? &hint : nullptr), QString::fromLatin1(told));
        }
        // A game's moves in the same words, each player's by its record: a turn of three
        // throws, one of two, and one under way.
        GameRecord record;
        record.players = {{"Ada"}, {"Bea"}};
        record.turns = {{{{{}, {5, 5, 2, 5, 3}}, {{1, 1, 0, 1}, {5, 5, 6, 5, 1}}, {{1, 1, 0, 1}, {5, 5, 2, 5, 2}}}, FindSheetRow(u"lblFullHouse"), 25},
                        {{{{}, {1, 2, 3, 4, 6}}, {{}, {6, 6, 6, 6, 6}}}, FindSheetRow(u"lblQuoxa"), 50},
                        {{{{}, {1, 1, 2, 3, 4}}}}};
        QCOMPARE(MoveText::Log(record), (QStringList{"Ada keeps 5 5 5 and throws again.", "Ada keeps 5 5 5 and throws again.",
                                                     "Ada scores 25 in Full House.", "Bea throws all five again.", "Bea scores 50 in Quoxa."}));
    }

    // Who won and every place, ties shared; and whose box was scored last as the turn passes on, and after a
    // score is taken back: the one before it, another player's of another row.
    void rankingAndLastScorer()
    {
        for (const auto &[totals, ranking] : {std::pair{QList<int>{230, 254}, "P2 wins with 254.\n1. P2 254\n2. P1 230"},
                                              {{100, 254, 90, 254}, "P2 and P4 share the win with 254.\n1. P2 254\n1. P4 254\n3. P1 100\n4. P3 90"},
                                              {{90, 90, 90, 90}, "P1, P2, P3 and P4 share the win with 90.\n1. P1 90\n1. P2 90\n1. P3 90\n1. P4 90"}}) {
            std::vector<PlayerSheet> sheets(std::size_t(totals.size()));
            for (std::size_t p = 0; p < sheets.size(); ++p)
                sheets[p].strName = QStringLiteral("P%1").arg(p + 1), sheets[p].intGameTotal = totals[qsizetype(p)];
            QCOMPARE(Ranking(sheets), QString::fromLatin1(ranking));
        }
        Begin(2);
        const auto last = [&] { return QString::number(game->LastScored().second) + (game->LastScored().first ? game->LastScored().first->label.toString() : ""); };
        QStringList scorers{last()};
        Score("12346", u"lblChance");
        scorers << last() << (game->cmdThrow_Click(), last()); // P1's box still after the turn passes
        Score("12346", u"lblOnes");
        scorers << last();
        game->UndoLastScore();
        scorers << last();
        QCOMPARE(scorers, (QStringList{"0", "1lblChance", "1lblChance", "2lblOnes", "1lblChance"}));
    }

    // Five alike into the empty Quoxa box with Chance still open: from then on the box
    // holds 50, and Chance is played for the 100 of a further five alike too.
    void quoxaBoxHolding50CarriesOn()
    {
        const int all = (1 << kCategoryCount) - 1, quoxa = 1 << 11, chance = 1 << 12;
        const double after = SolvedStrategy().ExpectedRest({all & ~chance, 0, true});
        const Strategy::Choice choice = SolvedStrategy().Best({all & ~(quoxa | chance), 0, false}, {0, 0, 0, 0, 0, 5, 0}, 3);
        QCOMPARE(qRound(choice.expectedRest * 1e4), qRound((50 + after) * 1e4));
        QVERIFY(after > 23.3333 + 1);
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
