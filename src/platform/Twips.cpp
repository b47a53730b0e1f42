#include "platform/Twips.h"

#include <cmath>

namespace quoxa {

int Px(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

QSize TwipsSize(int width, int height)
{
    return {Px(width), Px(height)};
}

} // namespace quoxa
