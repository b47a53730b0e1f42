#pragma once
// The turn flow of one game: the turn state, the throw, five alike, passing the turn, the
// end of the game. It reaches the screen only through the Board.
#include "engine/Board.h"
#include "engine/Checked.h"
#include "engine/GameRecord.h"
#include "engine/RandomSource.h"
#include "engine/ScoreSheet.h"
#include "engine/SeededDice.h"
#include "engine/Strategy.h"
#include "platform/ErrorTrap.h"

#include <QString>

namespace quoxa {

// Who takes part in a game: how many players (1 to 4), which of them the computer plays
// for, and at which level (1 to 5), and their names.
struct Players {
    Int16 count{1};
    std::array<bool, 4> computer{};
    std::array<int, 4> level{3, 3, 3, 3};
    std::array<QString, 4> names;
};

// Why the game refused a command; None when it was carried out.
enum class Refusal {
    None,
    NotNow,        // the turn does not allow it now: a hold before the first throw, a score after it is made
    NoSuchDie,     // a die outside 1 to 5
    BoxTaken,      // the category is scored already
    NothingToUndo, // the last score was passed on with the dice: it stays
    Fault,         // a run-time error, reported as it happened
};

// The turn variables: whose turn it is, where the turn stands and what it allows.
struct TurnVariables {
    QString mstrState;
    QString mstrPrevState;
    Int16 mintPlayer{1};
    Int16 mintRolls{3};
    Int16 mintScored;
    bool mblnCanHold = false;
    bool mblnCanScore = false;
    bool mblnCanUndo = false;
    bool mblnQuoxa = false;
    const SheetRow *mlblLastScored = nullptr;
};

// One game, its whole state: the players, their sheets, the five dice and their holds, the
// turn variables, where the dice come from and the record. It changes only through its
// commands (a new game, resume, throw, hold, score, undo), which check themselves and say
// why they refuse; whoever gives them (a person's click or key, the computer, a test), the
// board is told what changed and is never asked.
class Game {
public:
    Game(Board &board, RandomSource &random);

    // A new game of these players; without them, of the same players as the last. Its dice
    // come from a code drawn from the random source now, unless that gives none (scripted).
    void StartNewGame(const Players &players);
    void StartNewGame();
    // A new game of these players on the dice of a code, or of a day.
    void StartNewGame(const Players &players, const DiceOrigin &dice);
    // A new game played online, its dice from the shares of every copy: these commits.
    void StartNewGame(const Players &players, const GameRecord::SharedDice &shared);
    const Players &players() const { return mPlayers; }
    // Where the game's dice come from; nothing in a game kept by an earlier version.
    const std::optional<DiceOrigin> &dice() const { return mRecord.dice; }
    // A computer's level changed: played, and recorded, from its next move on.
    void SetLevels(const std::array<int, 4> &levels);
    // The game's record as it stands, with the dice held now.
    GameRecord Record() const;
    // Brings back the game of a record whose Fault() is empty and that is not over, as it
    // was: its players (their names in the sheets), every sheet and total, the players list,
    // whose turn it is, the dice and holds, the throws left, and Undo.
    void Resume(const GameRecord &record);
    // The throw button: throws in a turn's throws, passes the turn on after a score, and
    // begins a new game once one is over.
    Refusal cmdThrow_Click();
    // The throw of a game played online: its dice come from the links every copy revealed
    // for it, which the record keeps. Its only throw: the throw button throws none there.
    Refusal ThrowShared(const std::vector<QByteArray> &links);
    // Holds a die (1 to 5) or lets it go, between the throws of a turn.
    Refusal Hold(int die, bool held);
    // Scoring: the click on a category label, named by its control name.
    Refusal RecordScore(QStringView label);
    // Takes the last score back, with the dice and the holds it was made with, until the
    // turn is passed on.
    Refusal UndoLastScore();

    const TurnVariables &turn() const { return mTurn; }
    // A player's sheet (1 to 4), the sheets of the players taking part, and the sheet of the
    // player whose turn it is.
    const PlayerSheet &Sheet(int player) const { return gudtPlayer(player); }
    std::span<const PlayerSheet> Sheets() const { return gudtPlayer.First(mPlayers.count.value()); }
    const PlayerSheet &CurrentSheet() const { return gudtPlayer(mTurn.mintPlayer.value()); }
    // A die's face, 1 to 6, or 0 before its first throw; and whether it is held.
    int Die(int die) const;
    bool Held(int die) const;
    const DiceSet &Dice() const { return mDice; }

    // The best move for the player whose turn it is, as the Hint tells it: its line with
    // the expected final total, and the dice to keep (by die, 1 to 5) or the category to
    // score. Nothing in the game changes.
    struct Hint {
        QString text;
        std::array<bool, 5> keep{};
        const SheetRow *category = nullptr;
        Strategy::Choice move; // as the strategy gives it, with its value
    };
    Hint BestMove(const Strategy &strategy) const;
    // Makes a move as the Hint or a computer names it: scores its category, or holds
    // exactly the dice it keeps (the throw that follows is a command of its own).
    Refusal Play(const Hint &move);
    // The move a computer player of this level (1 to 5) makes now, after a throw: at level 5
    // the best; below it one of all the moves, drawn from the game's random source by the
    // level's weights. Nothing in the game changes.
    Hint ComputerMove(const Strategy &strategy, int level);
    // What the player whose turn it is does, told in its name: the move, or with none the
    // throw that begins its turn ("Bea keeps 5 5 5 and throws again.").
    QString Narration(const Hint *move) const;
    // The box scored last and its player, as the record has them: a score taken back is no
    // score, so the one before it is the last. {nullptr, 0} before the first.
    std::pair<const SheetRow *, int> LastScored() const;
    // What the dice would score in this category now, by its rule alone.
    int ScoreFor(const SheetRow &row) const;

private:
    // Runs a command under the trap: a run-time error is reported, and the command refused.
    template <typename F>
    static Refusal Command(F &&command)
    {
        return Trap([&] { return std::optional<Refusal>(command()); }).value_or(Refusal::Fault);
    }
    void SetTurnState(QString state); // by value: callers pass mstrPrevState itself
    void ThrowDice();
    bool CheckForQuoxa() const;
    void NextPlayer();
    void ResetScoreSheets();
    bool SaveHighScores();
    void UpdateTotals();
    void ShowPlayerSheet();
    void FillPlayerList();
    // Every hold let go, or one die held or let go, on the board too, without a sound.
    void ReleaseHolds();
    void PutHold(int die, bool held);
    void Begin(const Players &players, const std::optional<DiceOrigin> &dice,
               const std::optional<GameRecord::SharedDice> &shared = std::nullopt);
    void EndTurn();
    // The next player's turn begins.
    void BeginTurn();
    // The dice a throw leaves: the free ones take these faces; and the record keeps it.
    void PutDice(const HeldSet &held, const DiceSet &dice);
    // Hands the record to the board to keep, except while a record is being brought back.
    void Keep();
    // The values the five dice show, each 1 to 6 (anything else is out of range), and as how
    // many show each face.
    DiceSet DiceValues() const;
    quoxa::Faces DiceFaces() const;
    int ThrowsMade() const;
    std::size_t ThrowsInGame() const;
    // The final total expected: the points scored and the expected rest.
    double ExpectedTotal(double rest) const;
    Hint HintFor(const Strategy::Choice &choice) const;
    PlayerSheet &PlayingSheet() { return gudtPlayer(mTurn.mintPlayer.value()); }
    std::size_t DieIndex(int die) const;

    Board &mBoard;
    RandomSource &mRandom;
    Players mPlayers;
    PlayerTable gudtPlayer; // the four sheets; only the first of the players' count take part
    TurnVariables mTurn;
    DiceSet mDice{};        // 0 for a die not thrown yet
    HeldSet mHeld{};
    HeldSet mHeldScored{};  // the holds the last score was made with, for Undo
    GameRecord mRecord;
    bool mResuming = false;
    SeededFaces mFaces{}; // the faces of the record's dice origin, when it has one
};

// A game total as the players list shows it: digits grouped by the locale ("#,##0").
QString FormatGameTotal(Int16 total);

// Who won a game of these sheets, by their game totals: "Ada wins with 254.", or "Ada and
// Bea share the win with 254."; then a line for each place, best first ("1. Ada 254").
QString Ranking(std::span<const PlayerSheet> sheets);

} // namespace quoxa
