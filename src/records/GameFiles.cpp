#include "records/GameFiles.h"
#include "engine/FairDice.h"
#include "platform/ErrorTrap.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <algorithm>
#include <future>
#include <sys/stat.h>

namespace quoxa::GameFiles {
namespace {

// What may lie in the finished games' file beyond the games kept before it is written again.
constexpr qint64 kSlackBytes = 1024 * 1024;

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
        turn.points = parts.back().toLongLong(&number);
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

// Links as text, each in hex, "-" for a copy that has left, and back; nothing from a text of
// any other form.
QString LinksText(const std::vector<QByteArray> &links)
{
    QStringList parts;
    for (const QByteArray &link : links)
        parts << (link.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(link.toHex()));
    return parts.join(u' ');
}

std::optional<std::vector<QByteArray>> LinksFrom(QStringView text)
{
    std::vector<QByteArray> links;
    for (QStringView part : text.split(u' ')) {
        const QByteArray link = QByteArray::fromHex(part.toLatin1());
        if (part != u"-" && (link.size() != FairDice::kLinkBytes || link.toHex() != part.toLatin1()))
            return std::nullopt;
        links.push_back(link);
    }
    return links;
}

// The shares of a game played online: the commits, then every throw's links, a line each.
QJsonArray SharesJson(const GameRecord::SharedDice &shared)
{
    QJsonArray lines{LinksText(shared.commits)};
    for (const std::vector<QByteArray> &links : shared.reveals)
        lines.append(LinksText(links));
    return lines;
}

std::optional<GameRecord::SharedDice> SharesFrom(const QJsonArray &lines)
{
    GameRecord::SharedDice shared;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        std::optional<std::vector<QByteArray>> links = LinksFrom(lines[i].toString());
        if (!links || (i > 0 && links->size() != shared.commits.size()))
            return std::nullopt;
        (i == 0 ? shared.commits : shared.reveals.emplace_back()) = std::move(*links);
    }
    return lines.isEmpty() ? std::nullopt : std::optional(shared);
}

} // namespace

QString Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quoxa");
}

QString FinishedPath()
{
    return Folder() + QStringLiteral("/Games.jsonl");
}

QString SlotPath(int slot)
{
    return Folder() + (slot == 1 ? QStringLiteral("/Game.json") : QStringLiteral("/Game-%1.json").arg(slot));
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
    if (record.unfinished)
        object.insert(QStringLiteral("unfinished"), true);
    if (record.dice)
        object.insert(QStringLiteral("dice"), record.dice->Text());
    if (record.shared) {
        object.insert(QStringLiteral("shares"), SharesJson(*record.shared));
        object.insert(QStringLiteral("room"), record.shared->room);
        object.insert(QStringLiteral("addresses"), QJsonArray::fromStringList({record.shared->addresses.begin(), record.shared->addresses.end()}));
        const std::pair<const char *, QString> cutShort[] = {{"game", record.shared->game}, {"host", record.shared->host},
                                                            {"me", record.shared->me}, {"chain", QString::fromLatin1(record.shared->chain.toHex())}};
        for (const auto &[key, text] : cutShort)
            if (!text.isEmpty())
                object.insert(QLatin1String(key), text);
    }
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
    record.unfinished = object.value(u"unfinished").toBool();
    // No "dice": a game of an earlier version, its dice drawn throw by throw.
    if (const QJsonValue dice = object.value(u"dice"); !dice.isUndefined()) {
        record.dice = DiceOrigin::FromText(dice.toString());
        if (!record.dice)
            return std::nullopt;
    }
    // No "shares": a game at one table, or of an earlier version.
    if (const QJsonValue shares = object.value(u"shares"); !shares.isUndefined()) {
        record.shared = SharesFrom(shares.toArray());
        if (!record.shared)
            return std::nullopt;
        record.shared->room = object.value(u"room").toString();
        for (const QJsonValue &address : object.value(u"addresses").toArray())
            record.shared->addresses.push_back(address.toString());
        record.shared->game = object.value(u"game").toString();
        record.shared->host = object.value(u"host").toString();
        record.shared->me = object.value(u"me").toString();
        record.shared->chain = QByteArray::fromHex(object.value(u"chain").toString().toLatin1());
        if (record.shared->chain.size() != FairDice::kLinkBytes) // a chain that is none cannot be gone on with
            record.shared->chain.clear();
    }
    return record;
}

QByteArray Line(const GameRecord &record)
{
    return QJsonDocument(ToJson(record)).toJson(QJsonDocument::Compact);
}

std::optional<GameRecord> FromLine(const QByteArray &line)
{
    try {
        const QJsonDocument document = QJsonDocument::fromJson(line);
        std::optional<GameRecord> record = document.isObject() ? FromJson(document.object()) : std::nullopt;
        // A finished game's line holds a game that is over, or says it was left unfinished.
        if (record && (record->Over() == record->unfinished || !record->Fault().isEmpty()))
            record.reset();
        return record;
    } catch (const RunError &) { // whatever a line holds, it is one line passed over
        return std::nullopt;
    }
}

namespace {

// The last `count` lines of the finished games' file that hold a game kept, newest first,
// each with its game; read back from the end, the lines parsed in two halves at once.
struct Scan {
    std::vector<QByteArray> lines;
    std::vector<GameRecord> games;
    bool whole = false; // the file was read to its start
};

Scan ScanKept(int count)
{
    Scan scan;
    std::vector<QByteArray> batch;
    const auto parse = [&] {
        const auto read = [&batch](std::size_t from, std::size_t to) {
            std::vector<std::pair<std::size_t, GameRecord>> games;
            for (std::size_t i = from; i < to; ++i)
                if (std::optional<GameRecord> record = FromLine(batch[i]))
                    games.emplace_back(i, std::move(*record));
            return games;
        };
        const std::size_t half = batch.size() / 2;
        std::future<std::vector<std::pair<std::size_t, GameRecord>>> newer = std::async(std::launch::async, read, 0, half);
        std::vector<std::pair<std::size_t, GameRecord>> older = read(half, batch.size()), games = newer.get();
        std::move(older.begin(), older.end(), std::back_inserter(games));
        for (auto &[i, game] : games) {
            if (int(scan.games.size()) == count)
                break;
            scan.lines.push_back(std::move(batch[i]));
            scan.games.push_back(std::move(game));
        }
        batch.clear();
    };
    scan.whole = StoreFile::ReadLinesBack(FinishedPath(), kMaxLine, [&](QByteArray line) {
        batch.push_back(std::move(line));
        if (int(batch.size() + scan.games.size()) >= count)
            parse();
        return int(scan.games.size()) < count;
    });
    parse();
    return scan;
}

} // namespace

Kept ReadKept()
{
    Scan scan = ScanKept(kKeptGames);
    std::reverse(scan.lines.begin(), scan.lines.end());
    std::reverse(scan.games.begin(), scan.games.end());
    return {std::move(scan.lines), std::move(scan.games)};
}

namespace {

std::array<qint64, 4> Stamp(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

Addition Plan(const QByteArray &line)
{
    Addition addition;
    addition.line = line;
    addition.stamp = Stamp(FinishedPath());
    // Most times the file is far from full: its last lines as they stand tell whether the
    // game is there already, and it is added without reading any game.
    std::vector<QByteArray> last;
    const bool whole = StoreFile::ReadLinesBack(FinishedPath(), kMaxLine, [&](QByteArray l) {
        last.push_back(std::move(l));
        return int(last.size()) < kKeptGames;
    });
    addition.there = std::find(last.begin(), last.end(), line) != last.end();
    // What is no game goes once there is more than the slack of it: the lines are read as
    // games only while what is left could be that much.
    const auto littleElse = [&] {
        qint64 noGame = addition.stamp[2];
        for (auto l = last.begin(); l != last.end() && noGame > kSlackBytes; ++l)
            noGame -= FromLine(*l) ? l->size() + 1 : 0;
        return noGame <= kSlackBytes;
    };
    if (addition.there || (whole && int(last.size()) < kKeptGames && littleElse()))
        return addition;
    // Full, or much in it that is no game: written again with the last games kept and this one.
    const Scan scan = ScanKept(kKeptGames - 1);
    QByteArray text;
    for (auto l = scan.lines.rbegin(); l != scan.lines.rend(); ++l)
        text += *l + '\n';
    addition.trimmed = text + line + '\n';
    return addition;
}

} // namespace

Addition PlanAddition(const GameRecord &record)
{
    return Plan(Line(record));
}

void AddKept(const Addition &planned, const StoreFile::Lock &lock)
{
    const Addition addition = Stamp(FinishedPath()) == planned.stamp ? planned : Plan(planned.line);
    if (addition.there)
        return;
    StoreFile::AppendLine(FinishedPath(), addition.line, lock);
    if (addition.trimmed)
        try {
            StoreFile::WriteText(FinishedPath(), *addition.trimmed, lock);
        } catch (const RunError &) { // no room for it now: the game is kept all the same
        }
}

} // namespace quoxa::GameFiles
