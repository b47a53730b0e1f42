#include "engine/Game.h"
#include "engine/FairDice.h"
#include "platform/ErrorTrap.h"

#include <QCoreApplication>
#include <QLocale>
#include <QScopedValueRollback>
#include <algorithm>
#include <array>
#include <optional>

namespace quoxa {
namespace {

// What entering each turn state sets and does. "New Game" is a request only: it stores
// "Throw 0" and keeps the player.
enum class Marks { Untouched, Show, Hide };

struct TurnRow {
    QStringView requested;
    QStringView stored;
    bool canHold, canScore, canUndo;
    int rolls;
    QStringView face;
    bool releaseHolds;
    Marks questionMarks;
    bool nextPlayer;
};

constexpr std::array<TurnRow, 7> kTurnStates{{
    {u"Continue", u"Continue", false, false, true, 0, u"CONTINUE", true, Marks::Untouched, false},
    {u"Game Over", u"Game Over", false, false, false, 0, u"NEWGAME", true, Marks::Untouched, false},
    {u"New Game", u"Throw 0", false, false, false, 3, u"THROW", true, Marks::Show, false},
    {u"Throw 0", u"Throw 0", false, false, false, 3, u"THROW", true, Marks::Show, true},
    {u"Throw 1", u"Throw 1", true, true, false, 2, u"THROW", false, Marks::Hide, false},
    {u"Throw 2", u"Throw 2", true, true, false, 1, u"THROW", false, Marks::Untouched, false},
    {u"Throw 3", u"Throw 3", false, true, false, 0, u"THROW", true, Marks::Untouched, false},
}};

// The throw button throws in these states and enters the next.
struct ThrowStep {
    QStringView from, to;
};
constexpr std::array<ThrowStep, 3> kThrows{{
    {u"Throw 0", u"Throw 1"}, {u"Throw 1", u"Throw 2"}, {u"Throw 2", u"Throw 3"}}};

} // namespace

QString FormatGameTotal(Int16 total)
{
    return QLocale().toString(total.value());
}

Game::Game(Board &board, RandomSource &random) : mBoard(board), mRandom(random)
{
    mRecord.turns.emplace_back();
}

void Game::StartNewGame(const Players &players)
{
    const std::optional<std::uint64_t> code = mRandom.DrawCode();
    Begin(players, code ? std::optional(DiceOrigin::Coded(*code)) : std::nullopt);
}

void Game::StartNewGame()
{
    StartNewGame(mPlayers);
}

void Game::StartNewGame(const Players &players, const DiceOrigin &dice)
{
    Begin(players, dice);
}

void Game::StartNewGame(const Players &players, const GameRecord::SharedDice &shared)
{
    Begin(players, std::nullopt, shared);
}

void Game::Begin(const Players &players, const std::optional<DiceOrigin> &dice, const std::optional<GameRecord::SharedDice> &shared)
{
    mPlayers = players;
    Trap([&] {
        mTurn.mintPlayer = 1;
        mTurn.mintScored = 0;
        ResetScoreSheets();
        ShowPlayerSheet();
        FillPlayerList();
        mDice = {};
        mHeld = {};
        mRecord = GameRecord();
        mRecord.started = QDateTime::currentDateTimeUtc();
        mRecord.dice = dice;
        mRecord.shared = shared;
        mFaces = dice ? dice->Faces() : SeededFaces{};
        mRecord.turns.emplace_back();
        for (int p = 1; p <= mPlayers.count.value(); ++p) {
            const auto i = static_cast<std::size_t>(p - 1);
            mRecord.players.push_back({gudtPlayer(p).strName, mPlayers.computer.at(i), mPlayers.level.at(i)});
        }
        SetTurnState(QStringLiteral("New Game"));
        Keep();
    });
}

void Game::SetLevels(const std::array<int, 4> &levels)
{
    mPlayers.level = levels;
    for (std::size_t i = 0; i < mRecord.players.size(); ++i)
        mRecord.players[i].level = levels.at(i);
}

GameRecord Game::Record() const
{
    GameRecord record = mRecord;
    if (mTurn.mblnCanHold)
        record.heldNow = mHeld;
    return record;
}

std::size_t Game::DieIndex(int die) const
{
    if (die < 1 || die > 5)
        throw RunError::SubscriptOutOfRange();
    return static_cast<std::size_t>(die - 1);
}

int Game::Die(int die) const
{
    return mDice.at(DieIndex(die));
}

bool Game::Held(int die) const
{
    return mHeld.at(DieIndex(die));
}

void Game::Resume(const GameRecord &record)
{
    Trap([&] {
        Players players;
        players.count = Int16(record.PlayerCount());
        for (int p = 1; p <= record.PlayerCount(); ++p) {
            const GameRecord::Player &player = record.players.at(static_cast<std::size_t>(p - 1));
            players.names.at(static_cast<std::size_t>(p - 1)) = player.name;
            players.computer.at(static_cast<std::size_t>(p - 1)) = player.computer;
            players.level.at(static_cast<std::size_t>(p - 1)) = player.level;
        }
        const QScopedValueRollback resuming(mResuming, true);
        Begin(players, record.dice, record.shared);
        mRecord.started = record.started;
        for (std::size_t t = 0; t < record.turns.size(); ++t) {
            const GameRecord::Turn &turn = record.turns[t];
            if (t > 0)
                BeginTurn();
            for (std::size_t k = 0; k < turn.throws.size(); ++k) {
                for (int die = 1; die <= 5; ++die)
                    PutHold(die, turn.throws[k].held.at(static_cast<std::size_t>(die - 1)));
                PutDice(turn.throws[k].held, turn.throws[k].dice);
                SetTurnState(kThrows.at(k).to.toString());
            }
            mTurn.mblnQuoxa = CheckForQuoxa();
            if (turn.scored)
                RecordScore(turn.scored->label);
        }
        for (int die = 1; die <= 5 && mTurn.mblnCanHold; ++die)
            PutHold(die, record.heldNow.at(static_cast<std::size_t>(die - 1)));
        // A computer's turn kept with its score made goes straight on to the next player.
        if (mTurn.mstrState == u"Continue" && mPlayers.computer.at(static_cast<std::size_t>(mTurn.mintPlayer.value() - 1)))
            cmdThrow_Click();
    });
}

void Game::Keep()
{
    if (!mResuming)
        mBoard.KeepRecord(Record());
}

void Game::ResetScoreSheets()
{
    Trap([&] {
        for (int p = 1; p <= PlayerTable::kUpperBound; ++p) {
            gudtPlayer(p) = PlayerSheet{};
            gudtPlayer(p).strName = mPlayers.names.at(static_cast<std::size_t>(p - 1));
        }
    });
}

void Game::SetTurnState(QString state)
{
    Trap([&] {
        mTurn.mstrPrevState = mTurn.mstrState;
        for (const TurnRow &row : kTurnStates) {
            if (row.requested != state)
                continue;
            mTurn.mblnCanHold = row.canHold;
            mTurn.mblnCanScore = row.canScore;
            mTurn.mblnCanUndo = row.canUndo;
            mTurn.mintRolls = row.rolls;
            mTurn.mstrState = row.stored.toString();
            if (row.releaseHolds)
                ReleaseHolds();
            mBoard.RefreshPointers();
            mBoard.ShowStatusText();
            mBoard.SetThrowButtonFace(row.face.toString());
            if (row.questionMarks != Marks::Untouched)
                mBoard.ShowQuestionMarks(row.questionMarks == Marks::Show);
            if (row.nextPlayer)
                NextPlayer();
            break;
        }
    });
    mBoard.SetUndoEnabled(mTurn.mblnCanUndo);
}

void Game::ReleaseHolds()
{
    mHeld = {};
    mBoard.ReleaseHolds();
}

Refusal Game::cmdThrow_Click()
{
    return Command([&] {
        Refusal refused = Refusal::None;
        if (mTurn.mstrState == u"Continue") {
            BeginTurn();
        } else if (mTurn.mstrState == u"Game Over") {
            StartNewGame();
        } else if (const auto step = std::find_if(kThrows.begin(), kThrows.end(), [&](const ThrowStep &s) { return mTurn.mstrState == s.from; });
                   step != kThrows.end()) {
            if (mRecord.shared && mRecord.shared->reveals.size() != ThrowsInGame() + 1)
                return Refusal::NotNow; // an online game throws only the dice of its shares
            ThrowDice();
            SetTurnState(step->to.toString());
            Keep();
        } else {
            refused = Refusal::NotNow; // the third throw is made
        }
        // Five alike is celebrated whenever the button is pressed on them, the third throw's too.
        mTurn.mblnQuoxa = CheckForQuoxa();
        if (mTurn.mblnQuoxa)
            mBoard.ShowCelebration();
        return refused;
    });
}

Refusal Game::ThrowShared(const std::vector<QByteArray> &links)
{
    if (!mRecord.shared || mTurn.mintRolls <= 0)
        return Refusal::NotNow;
    mRecord.shared->reveals.push_back(links);
    const Refusal refused = cmdThrow_Click();
    if (refused != Refusal::None && mRecord.shared->reveals.size() > ThrowsInGame())
        mRecord.shared->reveals.pop_back();
    return refused;
}

std::size_t Game::ThrowsInGame() const
{
    std::size_t throws = 0;
    for (const GameRecord::Turn &turn : mRecord.turns)
        throws += turn.throws.size();
    return throws;
}

Refusal Game::Hold(int die, bool held)
{
    return Command([&] {
        if (die < 1 || die > 5)
            return Refusal::NoSuchDie;
        if (!mTurn.mblnCanHold)
            return Refusal::NotNow;
        if (mHeld.at(DieIndex(die)) != held)
            mBoard.PlaySound(held ? QStringLiteral("HOLD") : QStringLiteral("UNHOLD"));
        PutHold(die, held);
        return Refusal::None;
    });
}

void Game::PutHold(int die, bool held)
{
    mHeld.at(DieIndex(die)) = held;
    mBoard.SetHeld(die, held);
}

void Game::ThrowDice()
{
    Trap([&] {
        mBoard.PlaySound(QStringLiteral("THROW"));
        const auto &shared = mRecord.shared;
        if (!mRecord.dice && !shared)
            mRandom.Reseed();
        const int round = int(mRecord.turns.size() - 1) / mPlayers.count.value() + 1;
        const int throwNumber = int(mRecord.turns.back().throws.size()) + 1;
        HeldSet held{};
        DiceSet dice{};
        const DiceSet sharedFaces = shared ? FairDice::Faces(int(shared->reveals.size()), shared->reveals.back()) : DiceSet{};
        for (std::size_t i = 0, next = 0; i < dice.size(); ++i) {
            const int die = static_cast<int>(i) + 1;
            held[i] = mHeld[i];
            dice[i] = held[i]         ? mDice[i]
                      : shared       ? sharedFaces[next++]
                      : mRecord.dice ? DiceOrigin::Face(mFaces, round, throwNumber, die)
                                     : FaceFromDraw(mRandom.Next());
        }
        PutDice(held, dice);
    });
}

void Game::PutDice(const HeldSet &held, const DiceSet &dice)
{
    for (std::size_t i = 0; i < dice.size(); ++i) {
        if (held[i])
            continue;
        mDice[i] = dice[i];
        mBoard.SetDieTag(static_cast<int>(i) + 1, QString::number(dice[i]));
        mBoard.ShowFace(static_cast<int>(i) + 1, dice[i]);
    }
    mRecord.turns.back().throws.push_back({held, dice});
}

void Game::BeginTurn()
{
    SetTurnState(QStringLiteral("Throw 0"));
    mRecord.turns.emplace_back();
    Keep();
}

bool Game::CheckForQuoxa() const
{
    return Trap([&] {
        return FiveAlike(mDice) && mDice[0] != 0 && mTurn.mblnCanScore;
    });
}

void Game::NextPlayer()
{
    Trap([&] {
        if (mPlayers.count <= 1)
            return;
        mTurn.mintPlayer = mTurn.mintPlayer == mPlayers.count ? Int16(1) : mTurn.mintPlayer + 1;
        mBoard.SelectPlayerRow(mTurn.mintPlayer.value());
        ShowPlayerSheet();
    });
}

void Game::ShowPlayerSheet()
{
    Trap([&] {
        const PlayerSheet &sheet = gudtPlayer(mTurn.mintPlayer.value());
        for (const SheetRow &row : kScoreSheet)
            mBoard.ShowScoreCell(row.label, sheet.*row.field);
    });
}

void Game::FillPlayerList()
{
    Trap([&] {
        mBoard.ClearPlayerList();
        for (int p = 1; p <= mPlayers.count.value(); ++p)
            mBoard.AddPlayerRow(gudtPlayer(p).strName, FormatGameTotal(gudtPlayer(p).intGameTotal));
        mBoard.SelectPlayerRow(1);
    });
}

} // namespace quoxa
