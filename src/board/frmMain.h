#pragma once
// The game board: the program's main window and the board the game is played on.
#include "engine/Board.h"
#include "engine/Game.h"
#include "engine/OnlineSession.h"
#include "records/GameKeeper.h"
#include "settings/frmOptions.h"

#include <QCursor>
#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolBar;
class QTreeWidget;

namespace quoxa {

class ComputerPlayer;
namespace online {
class frmOnline;
}
class Shape;
class frmScoreCard;
class frmStatistics;
class frmReview;

class frmMain : public QMainWindow, public Board, public OptionsOwner {
    Q_OBJECT

public:
    // The random source is the game's own unless a test hands in another.
    explicit frmMain(RandomSource *random = nullptr);
    ~frmMain() override;

    Game &game() { return mGame; }

    // Paints the dice in the current colours: "Die" the bodies, "Pip" the pips and the
    // question marks. Any other text does nothing.
    void SetColor(const QString &strObject) override;

    // Shows the tool bar's Sounds button pressed or released.
    void SetSoundsButton(bool pressed) override;
    QWidget *OwnerWindow() override { return this; }
    // A new game of the players the settings choose.
    void StartNewGame() override;
    Players ChosenPlayers() const;
    void ComputerLevelsChanged() override;
    // Opens the options dialog on a page: 0 Colors, 1 Players, 2 Sounds.
    void ShowOptions(int page);

    void cmdThrow_Click();
    void fraDie_Click(int index);
    void mnuGameNew_Click();
    // Shows the best move until the next action: a line in the status bar, and a mark
    // under each die to keep or on the category to score.
    void mnuGameHint_Click();
    void mnuGameHighScores_Click();
    // Game, Statistics: the figures of every finished game kept, not modal.
    void mnuGameStatistics_Click();
    // Game, Review Game: the review of the game under way so far, or of the one just over.
    void mnuGameReview_Click();
    // The review of a game kept, not modal.
    void ShowReview(const GameRecord &record);
    void mnuEditUndo_Click();
    void mnuGameExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpIndex_Click();
    void mnuHelpLicense_Click();
    void mnuHelpAbout_Click();
    void mnuViewStatusBar_Click();
    void mnuViewToolbar_Click();
    // View, Zoom In, Zoom Out and Actual Size: the board a step larger or smaller, or at its
    // design's size; the zoom is kept in the settings.
    void mnuViewZoomIn_Click();
    void mnuViewZoomOut_Click();
    void mnuViewZoomReset_Click();
    // The Sounds button: sounds on when they were off, and the other way round.
    void ToggleSounds();
    // Game, Daily Game: a new game of the players set on the day's dice.
    void mnuGameDaily_Click();
    // Game, Play Dice Code: asks for a code and starts a game of the players set on its dice;
    // a code typed wrong is told and changes nothing.
    void mnuGameDiceCode_Click();
    // Game, Play Online: the window that connects, hosts or joins a game and seats its players.
    void mnuGameOnline_Click();
    // Quoxa was cut short in a game online: Play Online goes back to it.
    void ReturnOnline(const GameRecord::SharedDice &kept);
    // The board plays the game of this session from now on, until a new game: the moves of
    // this copy's seats go to the session, the person's in its own turns alone, the computer's
    // on the host's copy alone; the others' come in through the session. The board owns it.
    void PlayOnline(OnlineSession *session);
    OnlineSession *Online() const { return mOnline; }

    // Board
    void SetDieTag(int die, const QString &tag) override;
    void ShowFace(int die, int value) override;
    void SetHeld(int die, bool held) override;
    void ReleaseHolds() override;
    void RefreshPointers() override;
    void ShowStatusText() override;
    void SetThrowButtonFace(const QString &name) override;
    void ShowQuestionMarks(bool show) override;
    void SetUndoEnabled(bool enabled) override;
    void ShowScoreCell(QStringView label, Int16 value) override;
    void ReopenScoreCell(QStringView label) override;
    void ClearPlayerList() override;
    void AddPlayerRow(const QString &name, const QString &score) override;
    void SelectPlayerRow(int row) override;
    void SetPlayerScore(int row, const QString &score) override;
    void ShowCelebration() override;
    bool SaveScore(const QString &name, Int16 score) override;
    void PlaySound(const QString &name) override;
    // The high-score window when a total entered, then the final scores.
    void ShowGameEnd(bool newHighScore) override;
    // After a game of two or more, the score card with the ranking, without the focus.
    void ShowFinalScores();
    // Hands the record to the keeper of the games (from the end of start-up on).
    void KeepRecord(const GameRecord &record) override;
    // View, Score Card: shows the score card beside the board, or brings it up.
    void mnuViewScoreCard_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Die {
        QFrame *fraDie = nullptr;
        Shape *shpDie = nullptr;
        std::array<Shape *, 7> shpPip{};
        QLabel *lblQuestion = nullptr;
        Shape *shpHold = nullptr;
        Shape *shpHint = nullptr;
        Shape *shpFocus = nullptr;
    };

    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildPlayers();
    void BuildScoreSheet();
    void BuildDice();
    void Form_Load();
    void Form_Unload();
    // The pointers one update of the board needs, each loaded the first time it is asked for.
    class Pointers {
    public:
        const QCursor &operator()(const QString &name);

    private:
        std::map<QString, QCursor> mLoaded;
    };
    void SetCategoryPointer(QLabel *label, Int16 value, Pointers &pointers);
    // Gives a control a pointer by its resource name; an empty name is the standard arrow.
    void SetPointer(QWidget *widget, const QString &cursor, Pointers &pointers);
    void SetPointer(QWidget *widget, const QString &cursor);
    Die &DieAt(int die);
    // The players list's mark of a person or a computer, drawn the first time it is asked for.
    const QIcon &PlayerIcon(bool computer);
    // Tells a screen reader what a die shows, in its name and description: "Die 3: 5, held",
    // "Die 3: 5", "Die 3: not thrown".
    void DescribeDie(int die);
    // And what a box holds: "Full House: 25", "Full House: empty".
    void DescribeBox(QLabel *cell, QStringView label, Int16 value);
    // While the pointer or the focus rests on an open box and scoring is allowed, the status
    // bar and the box's description tell what it would score ("Full House: 25 points"); when
    // it leaves, the panel says again what it said before.
    void PreviewScore(QStringView label, bool resting);
    const Die &DieAt(int die) const;
    QLabel *SheetLabel(QStringView name) const;
    QAction *Action(const QString &name) const;
    // The elements between the two bars, which move together when the tool bar goes.
    std::vector<QWidget *> Block() const;
    void ResizeClient(int dy);
    // The board at a zoom, or at the largest below it that the screen has room for, which the
    // status bar tells; then laid out anew if the zoom changed.
    void ZoomBoard(int percent);
    // Every control, font and picture of the board at the zoom in force.
    void LayOutBoard();
    // What of the board's size is not placed in twips: the bars, the client, the throw
    // button's and tool bar's pictures, the list's columns; the block under the tool bar.
    void SizeBoard();
    // The score card beside the board; asked for from the menu, it takes the keyboard.
    void ShowScoreCard(bool asked);
    // Scores the dice in a category, as its click does; then the throw button has the focus.
    void ScoreCategory(QStringView label);
    // A person's clicks and keys on the dice, the categories and the throw button are
    // ignored while the computer plays.
    bool PersonLockedOut() const;
    // A move: handed to the online session while a game online is played on the board, else
    // played on the game.
    Refusal Move(const OnlineCommand &move, const std::function<Refusal()> &here);
    // What a screen reader hears of a game online besides this copy's own moves: every
    // throw's dice, another copy's scores, who went and came back.
    void TellOnline(const OnlineCommand &move, bool here);
    // The status bar's first panel for the turn: the designed prompt, or while the computer
    // plays, what it does.
    void ShowTurnText();
    // Takes the Hint's marks away; true when there were any.
    bool ClearHint();
    // Tells a screen reader a line at once (first: before the others of the same action);
    // an empty line only has whose turn it is looked at.
    void Tell(const QString &line, bool first = false);
    // Whose turn begins ("Ada: Throw the dice.", "Bea throws the dice.") or who won, when
    // that is new since the last line told.
    QString TurnLine();
    // The game under way, or just over, is played on the day's dice.
    bool DailyGame() const;
    // A new game on these dice, told first what game it is, then whose turn.
    void StartKnownGame(const DiceOrigin &dice, const QString &told);
    inline static const QColor kHintColour{0, 128, 0};
    inline static const QColor kHintCellColour{204, 255, 204};

    std::unique_ptr<RandomSource> mOwnRandom;
    Game mGame;
    QWidget *mClient = nullptr;
    QToolBar *tlbMain = nullptr;
    QStatusBar *stbMain = nullptr;
    std::array<QLabel *, 2> mPanels{};
    QGroupBox *fraPlayers = nullptr;
    QTreeWidget *lvwPlayers = nullptr;
    QGroupBox *fraScore = nullptr;
    std::array<Die, 5> mDice;
    QPushButton *cmdThrow = nullptr;
    std::map<QString, QIcon> mThrowFaces; // "THROW", "CONTINUE", "NEWGAME", as loaded
    std::array<QIcon, 2> mPlayerIcons;    // a person's and a computer's mark in the players list
    bool mUnloaded = false;
    QLabel *mHintedCell = nullptr;
    bool mSolvingAsked = false;
    ComputerPlayer *mComputer = nullptr;
    bool mHintWaiting = false;     // the Hint waits for best play to be worked out
    QLabel *mPreviewCell = nullptr; // the box whose score the status bar shows
    QString mPreviewSaved;          // what the panel said before
    frmScoreCard *mScoreCard = nullptr; // made when first shown
    frmStatistics *mStatistics = nullptr; // made when first shown
    frmReview *mReview = nullptr;         // made when first shown
    online::frmOnline *mOnlineWindow = nullptr; // made when first shown
    QPointer<OnlineSession> mOnline;      // the game online played on the board
    GameKeeper mKeeper;
    bool mKeeping = false; // records are kept once start-up has looked for a game to resume
    QStringList mToTell;   // the lines of the action under way, for a screen reader
    QString mToldTurn;     // the state and player whose turn was last told
    bool mTelling = false; // lines are waiting to go out
    int mDesktopZoom = 0;  // the zoom of the desktop's font, as the board last followed it
};

} // namespace quoxa
