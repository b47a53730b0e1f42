#include "engine/RandomSource.h"

#include <chrono>
#include <cmath>

namespace quoxa {

std::uint64_t ClockRandomSource::Now()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void ClockRandomSource::Reseed()
{
    const std::uint64_t now = mClock();
    const std::uint64_t state = mEngine();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(state), static_cast<std::uint32_t>(state >> 32)};
    mEngine.seed(seq);
}

float ClockRandomSource::Next()
{
    // The top 24 bits make an exact float in [0, 1): 1.0 itself can never come out.
    return static_cast<float>(mEngine() >> 40) * 0x1.0p-24f;
}

std::optional<std::uint64_t> ClockRandomSource::DrawCode()
{
    Reseed();
    return mEngine();
}

int FaceFromDraw(float r)
{
    return static_cast<int>(std::floor(static_cast<double>(r) * 6.0 + 1.0));
}

} // namespace quoxa
