#pragma once
// Dice that no copy of a game played online can know or choose before they are thrown. Each
// copy draws a chain of links: the first 32 random bytes, each next one the SHA-256 of the one
// before. Before the first throw it publishes the last link; at the k-th throw of the game it
// reveals the link k places back from the last, which anyone checks against the link it
// revealed before, since that one is its hash. The faces of a throw come from every copy's
// revealed link together. README, "Playing online", writes it down.
#include "engine/GameRecord.h"

#include <QByteArray>
#include <vector>

namespace quoxa {

class FairDice {
public:
    static constexpr int kLinkBytes = 32;
    static constexpr int kMaxSteps = 4 * 13 * 3; // every throw of a game of four

    // A chain of `length` links after its first, drawn from the system's randomness.
    static FairDice Drawn(int length);
    // The chain that grows from this first link.
    FairDice(const QByteArray &first, int length);

    int Length() const { return int(mLinks.size()) - 1; }
    // The last link, published before the first throw.
    QByteArray Commit() const { return mLinks.back(); }
    // The link revealed at the k-th throw (1 to Length()); nothing outside that.
    QByteArray Reveal(int k) const;

    static QByteArray Hash(const QByteArray &bytes);
    // Whether `link` comes `steps` places before `later` in a chain (1: its hash is `later`):
    // a copy that gave no share for some throws, its seat played for it, skips their links.
    static bool Precedes(const QByteArray &link, const QByteArray &later, int steps = 1);
    // The first link, which this copy keeps to go on with its chain after it was cut short.
    QByteArray First() const { return mLinks.front(); }
    // The five faces of the k-th throw from the links every copy revealed at it, in the order
    // of the copies' first seats (a copy that has left, its link empty, adds nothing). The
    // dice not held take them in turn, die 1 first.
    static DiceSet Faces(int k, const std::vector<QByteArray> &links);

private:
    std::vector<QByteArray> mLinks; // the first link at 0, the published one last
};

} // namespace quoxa
