#pragma once
// Where the dice get their luck. A new game draws the code of its dice here; a game without
// a code (kept by an earlier version, or scripted) re-seeds before every throw and then draws
// one value in [0, 1) per die it throws. Tests replace the source with a scripted one.
#include <cstdint>
#include <optional>
#include <random>

namespace quoxa {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    // A single-precision value r with 0 <= r < 1.
    virtual float Next() = 0;
    // The code of a new game's dice, as unpredictable as a throw; nothing from a source
    // whose draws are to be the dice themselves, as a scripted one's are.
    virtual std::optional<std::uint64_t> DrawCode() { return std::nullopt; }
};

// The game's own source. Re-seeding mixes a high-resolution clock reading into the
// generator's current state, so two throws in the same clock tick still differ.
class ClockRandomSource final : public RandomSource {
public:
    // The clock reading that seeds; tests may hand in a stopped clock.
    using Clock = std::uint64_t (*)();
    static std::uint64_t Now();
    explicit ClockRandomSource(Clock clock = Now) : mClock(clock) {}

    void Reseed() override;
    float Next() override;
    std::optional<std::uint64_t> DrawCode() override;

private:
    Clock mClock;
    std::mt19937_64 mEngine{0x5eed'0f'd1ceULL};
};

// The face value a draw gives: floor(r * 6 + 1), 1 to 6.
int FaceFromDraw(float r);

} // namespace quoxa
