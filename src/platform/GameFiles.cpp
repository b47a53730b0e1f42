#include "platform/GameFiles.h"
#include "platform/ErrorTrap.h"
#include "platform/StoreFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <future>

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

// A turn as text: each throw, its five faces and after a "/" the dice held before it; then,
// once scored, the box and its points: "22334 22333/1234 lblFullHouse 25".
QString TurnText(const GameRecord::Turn &turn)
{
    QStringList parts;
    for (const GameRecord::Throw &thrown : turn.throws) {
        QString text;
        for (int face : thrown.dice)
            text += QChar(u'0' + face);
        const QString held = HeldText(thrown.held);
        parts << (held.isEmpty() ? text : text + u'/' + held);
    }
    if (turn.scored)
        parts << turn.scored->label.toString() << QString::number(turn.points);
    return parts.join(u' ');
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

std::optional<GameRecord::Turn> TurnFrom(QStringView text)
{
    GameRecord::Turn turn;
    QList<QStringView> parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() >= 2 && parts[parts.size() - 2].startsWith(u"lbl")) {
        bool number = false;
        turn.scored = FindSheetRow(parts[parts.size() - 2]);
        turn.points = parts.back().toInt(&number);
        if (!turn.scored || !number)
            return std::nullopt;
        parts.resize(parts.size() - 2);
    }
    for (QStringView part : parts) {
        const qsizetype slash = part.indexOf(u'/');
        const QStringView faces = part.left(slash < 0 ? part.size() : slash);
        const std::optional<HeldSet> held = slash < 0 ? HeldSet{} : HeldFrom(part.mid(slash + 1));
        if (faces.size() != 5 || !held)
            return std::nullopt;
        GameRecord::Throw thrown{*held, {}};
        for (std::size_t i = 0; i < thrown.dice.size(); ++i)
            thrown.dice[i] = faces[qsizetype(i)].unicode() - u'0'; // a face out of 1..6 is the record's fault
        turn.throws.push_back(thrown);
    }
    return turn;
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
    for (const GameRecord::Turn &turn : record.turns)
        turns.append(TurnText(turn));
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
    const QJsonArray turns = object.value(u"turns").toArray();
    record.turns.reserve(std::size_t(turns.size()));
    for (const QJsonValue &value : turns) {
        std::optional<GameRecord::Turn> turn = TurnFrom(value.toString());
        if (!turn)
            return std::nullopt;
        record.turns.push_back(std::move(*turn));
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
    const QByteArray text = StoreFile::ReadText(FinishedPath(), kMaxFileBytes).value_or(QByteArray());
    const QList<QByteArray> lines = text.split('\n');
    // The lines read in two halves at once, one on another thread.
    const auto read = [&lines](qsizetype from, qsizetype to) {
        std::vector<GameRecord> games;
        for (qsizetype i = from; i < to; ++i)
            if (std::optional<GameRecord> record = FromLine(lines[i]); record && record->Fault().isEmpty())
                games.push_back(std::move(*record));
        return games;
    };
    const qsizetype half = lines.size() / 2;
    std::future<std::vector<GameRecord>> first = std::async(std::launch::async, read, 0, half);
    std::vector<GameRecord> second = read(half, lines.size()), games = first.get();
    std::move(second.begin(), second.end(), std::back_inserter(games));
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
