#include "engine/PlayerSheet.h"
#include "engine/ScoreSheet.h"
#include "platform/ErrorTrap.h"

namespace quoxa {

PlayerSheet &PlayerTable::operator()(int index)
{
    if (index < 1 || index > kUpperBound)
        throw RunError::SubscriptOutOfRange();
    return mSheets[static_cast<std::size_t>(index - 1)];
}

std::span<const PlayerSheet> PlayerTable::First(int count) const
{
    if (count < 0 || count > kUpperBound)
        throw RunError::SubscriptOutOfRange();
    return std::span(mSheets).first(static_cast<std::size_t>(count));
}

const PlayerSheet &PlayerTable::operator()(int index) const
{
    return const_cast<PlayerTable &>(*this)(index);
}

} // namespace quoxa
