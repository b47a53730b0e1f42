#pragma once
// The commands of a game played online, as values, and as the XML elements that carry them in
// the room's messages: written, and read back with the namespace, the element and every
// attribute's form and range checked. README, "Playing online", writes the protocol down.
#include "engine/PlayerSheet.h"
#include "engine/ScoreSheet.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace quoxa {

struct OnlineCommand {
    enum class Kind { Join, Seats, Commit, Hold, Throw, Score, Undo, Continue, Reveal, Digest, Leave, Away, Back };
    struct Seat {
        QString jid;   // the bare address of the copy that plays it
        QString name;
        int level = 0; // a computer's, 1 (Beginner) to 5 (Perfect); 0 for a person's seat
        bool operator==(const Seat &) const = default;
    };
    static constexpr char kNamespace[] = "urn:quoxa:online:1";
    static constexpr qsizetype kMaxPayload = 16 * 1024;
    static constexpr int kMaxName = 20;
    static constexpr int kThrowsPerSeat = 39; // thirteen turns of three throws

    Kind kind = Kind::Throw;
    QString game{};                // the game's id: 32 lowercase hex digits
    int n = 0;                     // the sender's own sequence number, from 1
    QString name{};                // join: the name asked for
    std::vector<Seat> seats{};     // seats: in the order of play, 1 to 4
    int chain = 0;                 // seats: the links after the first in every chain
    QByteArray link{};             // commit, reveal: 32 bytes; digest: its 32 bytes
    int die = 0;                   // hold: 1 to 5
    int held = 0;                  // hold: 1 to hold, 0 to let go
    const SheetRow *box = nullptr; // score: a category
    int k = 0;                     // reveal: the throw of the game, from 1
    int turn = 0;                  // digest: the turn ended, from 1
    int seat = 0;                  // away, back: 1 to 4
    int level = 0;                 // away: 1 to 5

    // The command element, in its namespace, ready to go into a message.
    QByteArray Payload() const;
    // A payload read back: its command, or why it is none, for the log.
    static struct OnlineReading Read(const QByteArray &payload);

    bool operator==(const OnlineCommand &) const = default;
};

struct OnlineReading {
    std::optional<OnlineCommand> command;
    QString fault;
};

// A computer's level by the name the protocol gives it ("Club"), and back: 0 for no level.
QString LevelName(int level);
int LevelFromName(QStringView name);

// The text a game's digest is made from: "quoxa-digest", then a line for each seat with its
// thirteen boxes ("-" when open), its bonus and its game total; and its SHA-256.
QByteArray DigestText(std::span<const PlayerSheet> sheets);
QByteArray Digest(std::span<const PlayerSheet> sheets);

} // namespace quoxa
