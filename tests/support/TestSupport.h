#pragma once
// What every test program shares: a throw-away settings store, the recording board with
// scripted dice, one recorder for sounds and one for error messages.
#include "engine/Board.h"
#include "engine/Game.h"
#include "engine/RandomSource.h"
#include "platform/Messages.h"
#include "platform/SettingsStore.h"
#include "platform/basWave.h"
#include "records/GameFiles.h"

// The Qt pieces that tests of windows keep needing.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quoxa::test {

// Points the settings store at a fresh folder for the whole test program, and gives the
// windows the game's look. Call it in initTestCase, before anything reads a setting.
void UseScratchSettings();
// Best play as the build solved it once, made the game's own: a test program solves nothing.
const Strategy &SolvedStrategy();
inline QString StoreFolder() { return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quoxa"); }
// The settings, and the games kept, emptied.
QByteArray FileText(const QString &path); // empty when it cannot be read
void WriteFile(const QString &path, const QByteArray &text); // its folder made first
inline QByteArray StoreText() { return FileText(StoreFolder() + QStringLiteral("/Quoxa.conf")); } // the store as it stands
QStringList HighScores(); // the stored top ten as "name=score" per place, "-" for a gap, none after the last
void ClearStore();
inline void Store(const QString &section, const QString &key, const QString &value) { SettingsStore::WriteSection(QStringLiteral("Quoxa"), section, {{key, value}}, key); }
QVariant Stored(const QString &section, const QString &key);
// The "Game Settings" given, in one save.
inline void StoreSettings(const SettingsStore::Values &values) { SettingsStore::WriteSection(QStringLiteral("Quoxa"), QStringLiteral("Game Settings"), values, QStringLiteral("the test's settings")); }

// While the timer lives, every 10 ms: the window of type T the application waits on, if one is
// open, is handed to act (to answer it, read it or close it).
template <typename T>
std::unique_ptr<QTimer> WhenShown(std::function<void(T *)> act)
{
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [act] {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget()))
            act(window);
    });
    timer->start(10);
    return timer;
}

// The control of that name below root; a test without it cannot go on.
template <typename T = QWidget>
T *Find(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// The rows of a list view below root, each its texts from column `from` on joined by "=",
// once it is filled.
QStringList Rows(const QObject *root, const QString &list, int from = 0);

// Thirteen throws of a finished game: straights (100 points), and the best of each box in
// turn (475 points, both bonuses).
inline const QStringList kStraights(13, QStringLiteral("12345"));
inline const QStringList kPerfect{"11111", "22222", "33333", "44444", "55555", "66666", "66666",
                                  "66666", "22333", "12345", "12345", "66666", "66666"};
// Thirteen throws with an upper total of 63 (no bonus) and 50 in the Quoxa box: 199 points.
inline const QStringList kUpper63{"11123", "22213", "33312", "44412", "55512", "66612", "12345",
                                  "12345", "12345", "12345", "12345", "22222", "12355"};
// A finished game: each player with its thirteen throws, scored in sheet order.
GameRecord FinishedGame(const std::vector<std::pair<GameRecord::Player, QStringList>> &players);
inline GameRecord Finished(const QString &name) { return FinishedGame({{{name}, kStraights}}); } // one player's, of straights
inline QByteArray Line(const GameRecord &game) { return GameFiles::Line(game) + '\n'; } // as the finished games' file holds it
// Plays a game on to a turn state: throws, and after three throws scores the first open box.
void PlayTo(Game &game, QStringView state);
// What a player sees of a board: every box of the sheet, the dice and their holds, the
// players list, the status bar and Undo.
QString BoardText(const QWidget *board);

// Records, while it lives, every clip played ("HOLD 6": its name and flags, then what
// `snapshot` says of the board at that moment) instead of playing it.
struct PlayedClips {
    PlayedClips();
    ~PlayedClips() { basWave::SetPlayer(old); }
    QStringList played;
    std::function<QString()> snapshot = [] { return QString(); };
    basWave::Player old;
};

// The store's lock, held while this lives, as another copy of the game would hold it.
struct HeldStoreLock {
    int fd = (QDir().mkpath(StoreFolder()), ::open(QFile::encodeName(StoreFolder() + "/Quoxa.lock").constData(), O_RDWR | O_CREAT, 0600));
    HeldStoreLock() { QVERIFY(::flock(fd, LOCK_EX) == 0); }
    ~HeldStoreLock() { ::close(fd); }
};

// Records every error message and notice while it lives, instead of showing a box.
// The lines told to a screen reader through a window's status object, shown anew with each,
// while it lives.
struct SpokenLines : QObject {
    SpokenLines() { QApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && object->objectName() == u"lblSpoken")
            lines << static_cast<QWidget *>(object)->accessibleName();
        return false;
    }
    QStringList lines;
};

struct ErrorRecorder {
    ErrorRecorder() : old(Messages::SetSink([this](Messages::Kind, const QString &text) { messages << text; })) {}
    ~ErrorRecorder() { Messages::SetSink(old); }
    QStringList messages;
    Messages::Sink old;
};

// A board that logs what the game tells it, in order ("ShowFace(1,6)"), and mirrors the
// five dice's tags and holds as it was told them.
class FakeBoard : public Board {
public:
    QStringList log;
    std::array<QString, 5> tags;
    std::array<bool, 5> held{};
    QStringList offered;  // "name=score" for every SaveScore
    QStringList entering; // names whose SaveScore answers true

    QStringList Calls(const QString &name) const { return log.filter(QRegularExpression(QStringLiteral("^%1(\\(|$)").arg(name))); } // of one kind only

    void SetDieTag(int die, const QString &tag) override { tags.at(static_cast<std::size_t>(die - 1)) = tag; Record("SetDieTag", die, tag); }
    void ShowFace(int die, int value) override { Record("ShowFace", die, value); }
    void SetHeld(int die, bool hold) override { held.at(static_cast<std::size_t>(die - 1)) = hold; }
    void ReleaseHolds() override { held.fill(false); Record("ReleaseHolds"); }
    void RefreshPointers() override { Record("RefreshPointers"); }
    void ShowStatusText() override { Record("ShowStatusText"); }
    void SetThrowButtonFace(const QString &name) override { Record("SetThrowButtonFace", name); }
    void ShowQuestionMarks(bool show) override { Record("ShowQuestionMarks", show); }
    void SetUndoEnabled(bool enabled) override { Record("SetUndoEnabled", enabled); }
    void ShowScoreCell(QStringView label, Int16 value) override { Record("ShowScoreCell", label, value.value()); }
    void ReopenScoreCell(QStringView label) override { Record("ReopenScoreCell", label); }
    void ClearPlayerList() override { Record("ClearPlayerList"); }
    void AddPlayerRow(const QString &name, const QString &score) override { Record("AddPlayerRow", name, score); }
    void SelectPlayerRow(int row) override { Record("SelectPlayerRow", row); }
    void SetPlayerScore(int row, const QString &score) override { Record("SetPlayerScore", row, score); }
    void ShowCelebration() override { Record("ShowCelebration"); }
    bool SaveScore(const QString &name, Int16 score) override;
    void PlaySound(const QString &name) override { Record("PlaySound", name); }
    void ShowGameEnd(bool newHighScore) override { Record("ShowGameEnd", newHighScore); }
    void KeepRecord(const GameRecord &record) override { kept = record; }
    GameRecord kept; // the record the game handed on last

private:
    template <typename... Args>
    void Record(const char *name, const Args &...args)
    {
        QStringList texts;
        (texts.append(Text(args)), ...);
        log << QString::fromLatin1(name) + (texts.isEmpty() ? QString() : "(" + texts.join(',') + ")");
    }
    static QString Text(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString Text(int n) { return QString::number(n); }
    static QString Text(QStringView s) { return s.toString(); }
};

// Hands out the draws it was given (0 when it runs out), and counts what was asked of it.
struct ScriptedRandom : RandomSource {
    ScriptedRandom() = default;
    explicit ScriptedRandom(const QString &faces) { Queue(faces); }
    std::deque<float> draws;
    int reseeds = 0;
    int used = 0;
    void Reseed() override { ++reseeds; }
    float Next() override;
    void Queue(const QString &faces); // the draws that throw these faces, e.g. "12346"
};

// The players' names of the engine's tests.
inline const std::array<QString, 4> kNames{"P1", "P2", "P3", "P4"};

// A game on a fake board with scripted dice: `players` named P1 to P4, sounds off, a new
// game started and the board's log emptied.
struct EngineFixture {
    FakeBoard board;
    ScriptedRandom random;
    std::unique_ptr<Game> game;
    void Begin(int players);
    // Throws these faces with every die free, `throws` times, from "Throw 0" or "Continue".
    void Throw(const QString &faces, int throws = 1);
    // Throws the faces once and scores them in the category; the value it got.
    int Score(const QString &faces, QStringView label);
    const PlayerSheet &Sheet() const { return game->CurrentSheet(); }
};

} // namespace quoxa::test
