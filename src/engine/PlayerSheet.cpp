#include "engine/PlayerSheet.h"
#include "engine/ScoreSheet.h"
#include "platform/ErrorTrap.h"

namespace quoxa {

PlayerTable gudtPlayer;

void PlayerSheet::Reset()
{
    QString name = std::move(strName);
    *this = PlayerSheet{};
    strName = std::move(name);
}

PlayerSheet &PlayerTable::operator()(int index)
{
    if (index < 1 || index > kUpperBound)
        throw RunError::SubscriptOutOfRange();
    return mSheets[static_cast<std::size_t>(index - 1)];
}

void PlayerTable::Clear()
{
    // Every field to zero and every name empty: the categories' -1 goes too.
    for (PlayerSheet &sheet : mSheets) {
        sheet = PlayerSheet{};
        for (const SheetRow &row : kScoreSheet)
            sheet.*row.field = 0;
    }
}

const PlayerSheet &PlayerTable::operator()(int index) const
{
    return const_cast<PlayerTable &>(*this)(index);
}

} // namespace quoxa
