#include "platform/GameFiles.h"
#include "platform/ErrorTrap.h"
#include "platform/StoreFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

namespace quoxa::GameFiles {
namespace {

// The game's own folder name, as its settings store's, whose lock the records share.
const QString kApp = QStringLiteral("Quoxa");
// Far beyond 1,000 four-player games: anything larger is not the game's file.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

QString DataPath(const char *name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + kApp +
           QLatin1Char('/') + QLatin1String(name);
}

// The dice held, by their numbers: "345".
QString HeldText(const HeldSet &held)
{
    QString text;
    for (std::size_t i = 0; i < held.size(); ++i)
        if (held[i])
            text += QChar(u'1' + int(i));
    return text;
}

// A throw as text: the five faces, and after a "/" the dice held before it ("35566/345").
QString ThrowText(const GameRecord::Throw &thrown)
{
    QString text;
    for (int face : thrown.dice)
        text += QChar(u'0' + face);
    const QString held = HeldText(thrown.held);
    return held.isEmpty() ? text : text + u'/' + held;
}

// The dice held, from their numbers; nothing when it is not dice numbers.
std::optional<HeldSet> HeldFrom(QStringView text)
{
    HeldSet held{};
    for (QChar c : text) {
        const int die = c.unicode() - u'0';
        if (die < 1 || die > 5)
            return std::nullopt;
        held[static_cast<std::size_t>(die - 1)] = true;
    }
    return held;
}

std::optional<GameRecord::Throw> ThrowFrom(const QString &text)
{
    const QStringList parts = text.split(u'/');
    if (parts.size() > 2 || parts[0].size() != 5)
        return std::nullopt;
    GameRecord::Throw thrown;
    for (std::size_t i = 0; i < thrown.dice.size(); ++i)
        thrown.dice[i] = parts[0][int(i)].unicode() - u'0'; // a face out of 1..6 is the record's fault
    const std::optional<HeldSet> held = parts.size() == 2 ? HeldFrom(parts[1]) : HeldSet{};
    if (!held)
        return std::nullopt;
    thrown.held = *held;
    return thrown;
}

QByteArray Line(const GameRecord &record)
{
    return QJsonDocument(ToJson(record)).toJson(QJsonDocument::Compact);
}

std::optional<GameRecord> FromLine(const QByteArray &line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    std::optional<GameRecord> record = document.isObject() ? FromJson(document.object()) : std::nullopt;
    if (record && !record->Over())
        record.reset(); // a finished game's line holds a game that is over, and only that
    return record;
}

// Adds a finished game, unless it is there already (the game was ended, then the program
// killed before the game under way could go). With 1,000 games kept, the file is written
// again with the last 999 that can be read and this one.
void AddFinished(const GameRecord &record, const StoreFile::Lock &lock)
{
    const QByteArray line = Line(record);
    QList<QByteArray> lines = StoreFile::ReadText(FinishedPath(), kMaxFileBytes).value_or(QByteArray()).split('\n');
    if (lines.contains(line))
        return;
    lines.removeAll(QByteArray());
    if (lines.size() < kKeptGames) {
        StoreFile::AppendLine(FinishedPath(), line, lock);
        return;
    }
    QByteArray kept = line + '\n';
    for (qsizetype i = lines.size() - 1, count = 1; i >= 0 && count < kKeptGames; --i)
        if (FromLine(lines[i])) {
            kept.prepend(lines[i] + '\n');
            ++count;
        }
    StoreFile::WriteText(FinishedPath(), kept, lock);
}

} // namespace

QString CurrentPath()
{
    return DataPath("Game.json");
}

QString FinishedPath()
{
    return DataPath("Games.jsonl");
}

QJsonObject ToJson(const GameRecord &record)
{
    QJsonArray players, turns;
    for (const GameRecord::Player &player : record.players) {
        QJsonObject object{{QStringLiteral("name"), player.name}};
        if (player.computer)
            object.insert(QStringLiteral("computer"), player.level);
        players.append(object);
    }
    for (const GameRecord::Turn &turn : record.turns) {
        QJsonArray throws;
        for (const GameRecord::Throw &thrown : turn.throws)
            throws.append(ThrowText(thrown));
        QJsonObject object{{QStringLiteral("throws"), throws}};
        if (turn.scored) {
            object.insert(QStringLiteral("scored"), turn.scored->label.toString());
            object.insert(QStringLiteral("points"), turn.points);
        }
        turns.append(object);
    }
    QJsonObject object{{QStringLiteral("started"), record.started.toString(Qt::ISODateWithMs)},
                       {QStringLiteral("players"), players},
                       {QStringLiteral("turns"), turns}};
    if (record.heldNow != HeldSet{})
        object.insert(QStringLiteral("held"), HeldText(record.heldNow));
    return object;
}

std::optional<GameRecord> FromJson(const QJsonObject &object)
{
    GameRecord record;
    record.started = QDateTime::fromString(object.value(u"started").toString(), Qt::ISODateWithMs);
    for (const QJsonValue &value : object.value(u"players").toArray()) {
        const QJsonValue name = value.toObject().value(u"name"), computer = value.toObject().value(u"computer");
        if (!name.isString() || !(computer.isUndefined() || computer.isDouble()))
            return std::nullopt;
        record.players.push_back({name.toString(), computer.isDouble(), computer.toInt()});
    }
    for (const QJsonValue &value : object.value(u"turns").toArray()) {
        GameRecord::Turn turn;
        for (const QJsonValue &text : value.toObject().value(u"throws").toArray()) {
            const std::optional<GameRecord::Throw> thrown = ThrowFrom(text.toString());
            if (!thrown)
                return std::nullopt;
            turn.throws.push_back(*thrown);
        }
        const QJsonValue scored = value.toObject().value(u"scored");
        turn.scored = FindSheetRow(scored.toString());
        turn.points = value.toObject().value(u"points").toInt(-1);
        if (!scored.isUndefined() && !turn.scored)
            return std::nullopt;
        record.turns.push_back(turn);
    }
    const std::optional<HeldSet> held = HeldFrom(object.value(u"held").toString());
    if (!held || !record.started.isValid())
        return std::nullopt;
    record.heldNow = *held;
    return record;
}

Current ReadCurrent()
{
    Current current;
    const std::optional<QByteArray> text = StoreFile::ReadText(CurrentPath());
    if (text && text->isEmpty() && !QFile::exists(CurrentPath()))
        return current;
    current.found = true;
    const QJsonDocument document = QJsonDocument::fromJson(text.value_or(QByteArray()));
    current.record = document.isObject() ? FromJson(document.object()) : std::nullopt;
    current.fault = current.record ? current.record->Fault()
                                   : QCoreApplication::translate("GameFiles", "it cannot be read");
    if (!current.fault.isEmpty())
        current.record.reset();
    return current;
}

QString SetAsideCurrent()
{
    const QString aside = CurrentPath() + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(CurrentPath(), aside))
        throw RunError::FileAccess(CurrentPath());
    return aside;
}

std::vector<GameRecord> ReadFinished()
{
    std::vector<GameRecord> games;
    const QByteArray text = StoreFile::ReadText(FinishedPath(), kMaxFileBytes).value_or(QByteArray());
    for (const QByteArray &line : text.split('\n'))
        if (std::optional<GameRecord> record = FromLine(line); record && record->Fault().isEmpty())
            games.push_back(std::move(*record));
    return games;
}

void ClearFinished(int waitMs)
{
    const StoreFile::Lock lock(kApp, waitMs);
    if (!lock.held())
        throw RunError::FileAccess(FinishedPath());
    StoreFile::WriteText(FinishedPath(), {}, lock);
}

bool Keeper::Keep(const GameRecord &record, int waitMs)
{
    const bool begun = std::any_of(record.turns.begin(), record.turns.end(),
                                   [](const GameRecord::Turn &turn) { return !turn.throws.empty(); });
    if (record.Over())
        mFinished.push_back(record);
    mUnderWay.reset();
    mEndUnderWay = !begun || record.Over(); // a new game ends the one under way
    if (begun && !record.Over())
        mUnderWay = record;
    return Flush(waitMs);
}

bool Keeper::Flush(int waitMs)
{
    if (mFinished.empty() && !mUnderWay && !mEndUnderWay)
        return true;
    const StoreFile::Lock lock(kApp, waitMs);
    if (!lock.held())
        return false;
    for (; !mFinished.empty(); mFinished.erase(mFinished.begin()))
        AddFinished(mFinished.front(), lock);
    if (mUnderWay)
        StoreFile::WriteText(CurrentPath(), QJsonDocument(ToJson(*mUnderWay)).toJson(), lock);
    else if (mEndUnderWay && QFile::exists(CurrentPath()) && !QFile::remove(CurrentPath()))
        throw RunError::FileAccess(CurrentPath());
    mUnderWay.reset();
    mEndUnderWay = false;
    return true;
}

} // namespace quoxa::GameFiles
