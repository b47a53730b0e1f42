#include "records/GameKeeper.h"
#include "platform/ErrorTrap.h"
#include "platform/LockedWrites.h"
#include "platform/Messages.h"
#include "records/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

namespace quoxa {
namespace {

// The store whose lock the games share with the settings.
const QString kApp = QStringLiteral("Quoxa");
// More places for games under way than copies of the game anyone runs at once.
constexpr int kPlaces = 1000;

bool Begun(const GameRecord &record)
{
    return std::any_of(record.turns.begin(), record.turns.end(), [](const GameRecord::Turn &turn) { return !turn.throws.empty(); });
}

// The files of games under way in the folder, the one kept longest ago first.
QFileInfoList GamesUnderWay()
{
    static const QRegularExpression name(QStringLiteral("^Game(-[0-9]+)?\\.json$"));
    QFileInfoList games;
    for (const QFileInfo &file : QDir(GameFiles::Folder()).entryInfoList({QStringLiteral("Game*.json")}, QDir::Files,
                                                                       QDir::Time | QDir::Reversed))
        if (name.match(file.fileName()).hasMatch())
            games << file;
    return games;
}

// The game a file holds, or why it cannot be played on.
std::optional<GameRecord> ReadGame(const QString &path, QString &fault)
{
    const QJsonDocument document = QJsonDocument::fromJson(StoreFile::ReadText(path).value_or(QByteArray()));
    std::optional<GameRecord> record = document.isObject() ? GameFiles::FromJson(document.object()) : std::nullopt;
    fault = record ? record->Fault() : QCoreApplication::translate("GameFiles", "it cannot be read");
    if (!fault.isEmpty())
        record.reset();
    else
        record->unfinished = false;
    return record;
}

// Puts a game that cannot be played on aside, under the lock, as "<its file>.damaged", or
// ".damaged-2", "-3"... when that name is taken, so that no game set aside before is lost, and
// tells the player once the board is up. One that cannot be moved stays where it is, and the
// games of this copy are kept in another place. The claim on it is held until it is done.
void SetAside(std::unique_ptr<StoreFile::Claim> claim, const QString &path, const QString &fault)
{
    const auto held = std::shared_ptr<StoreFile::Claim>(std::move(claim));
    LockedWrites::Make(kApp, QCoreApplication::translate("GameKeeper", "the damaged game"), [held, path, fault](const StoreFile::Lock &) {
        QString aside;
        for (int n = 1; aside.isEmpty() && n <= kPlaces; ++n) {
            const QString name = path + (n == 1 ? QStringLiteral(".damaged") : QStringLiteral(".damaged-%1").arg(n));
            const QFileInfo there(name);
            if (there.exists() || there.isSymLink())
                continue;
            if (!QFile::rename(path, name))
                break;
            aside = name;
        }
        const QString told = aside.isEmpty()
                                 ? QCoreApplication::translate("GameKeeper", "The game under way could not be brought back: %1. "
                                                                             "It stays as %2, untouched, and a new game begins.")
                                       .arg(fault, path)
                                 : QCoreApplication::translate("GameKeeper", "The game under way could not be brought back: %1. "
                                                                             "It is kept as %2, and a new game begins.")
                                       .arg(fault, aside);
        QTimer::singleShot(0, QCoreApplication::instance(), [told] { Messages::ShowNotice(told); });
    });
}

} // namespace

GameKeeper::GameKeeper() = default;
GameKeeper::~GameKeeper() = default;

std::optional<GameRecord> GameKeeper::Resume()
{
    for (const QFileInfo &file : GamesUnderWay()) {
        const QString path = file.filePath();
        auto claim = std::make_unique<StoreFile::Claim>(path);
        if (!claim->held() || !QFile::exists(path))
            continue; // another copy of the game plays it, or has just ended it
        QString fault;
        std::optional<GameRecord> record = ReadGame(path, fault);
        if (!record) {
            SetAside(std::move(claim), path, fault);
            return std::nullopt;
        }
        mClaim = std::move(claim);
        mPath = path;
        if (!record->Over()) {
            mUnderWay = record;
            return record;
        }
        Keep(*record); // ended, but not yet among the finished games
    }
    return std::nullopt;
}

std::vector<GameRecord> GameKeeper::Keep(const GameRecord &record)
{
    return Keep(record, false);
}

void GameKeeper::Close(const GameRecord &record)
{
    Keep(record, true);
}

std::vector<GameRecord> GameKeeper::Keep(const GameRecord &record, bool closing)
{
    std::vector<GameRecord> finished;
    using LockedWrites::Make;
    const LockedWrites::When when = closing ? LockedWrites::When::Later : LockedWrites::When::Playing;
    const bool begun = Begun(record), underWay = begun && !record.Over();
    const QString gameUnderWay = QCoreApplication::translate("GameKeeper", "the game under way");
    try {
        if (mUnderWay && (!begun || record.started != mUnderWay->started)) { // a new game ends the one under way
            GameRecord left = *mUnderWay;
            left.unfinished = true;
            left.heldNow = {};
            Make(kApp, QCoreApplication::translate("GameKeeper", "the game left unfinished"),
                 [added = GameFiles::PlanAddition(left)](const StoreFile::Lock &lock) { GameFiles::AddKept(added, lock); }, when);
            finished.push_back(std::move(left));
        }
        mUnderWay = underWay ? std::optional(record) : std::nullopt;
        if (record.Over()) {
            Make(kApp, QCoreApplication::translate("GameKeeper", "the finished game"),
                 [added = GameFiles::PlanAddition(record)](const StoreFile::Lock &lock) { GameFiles::AddKept(added, lock); }, when);
            finished.push_back(record);
        }
        if (underWay) {
            const QString path = Place();
            const QByteArray text = QJsonDocument(GameFiles::ToJson(record)).toJson();
            Make(kApp, gameUnderWay, [path, text](const StoreFile::Lock &lock) { StoreFile::WriteText(path, text, lock); }, when, path);
        } else if (!mPath.isEmpty()) { // no game under way: its file goes, after the game it held is kept
            Make(kApp, gameUnderWay, [path = mPath](const StoreFile::Lock &) {
                if (QFile::exists(path) && !QFile::remove(path))
                    throw RunError::FileAccess(path);
            }, when, mPath);
        }
        mFailed = false;
    } catch (const RunError &error) {
        if (!std::exchange(mFailed, true))
            ReportError(error.number(), error.description());
    }
    return finished;
}

GameFiles::Kept GameKeeper::ReadFinished()
{
    return GameFiles::ReadKept();
}

void GameKeeper::ClearFinished()
{
    LockedWrites::Make(kApp, QCoreApplication::translate("GameKeeper", "the cleared statistics"),
                       [](const StoreFile::Lock &lock) { StoreFile::WriteText(GameFiles::FinishedPath(), {}, lock); });
}

const QString &GameKeeper::Place()
{
    for (int place = 1; mPath.isEmpty() && place <= kPlaces; ++place) {
        const QString path = GameFiles::SlotPath(place);
        if (QFile::exists(path))
            continue; // a game another copy left, to be resumed
        auto claim = std::make_unique<StoreFile::Claim>(path);
        if (claim->held() && !QFile::exists(path)) {
            mClaim = std::move(claim);
            mPath = path;
        }
    }
    if (mPath.isEmpty())
        throw RunError::FileAccess(GameFiles::Folder());
    return mPath;
}

} // namespace quoxa
