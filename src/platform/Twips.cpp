#include "platform/Twips.h"

#include <algorithm>
#include <cmath>

namespace quoxa {
namespace {

int gZoom = 100;

} // namespace

int Zoom()
{
    return gZoom;
}

void SetZoom(int percent)
{
    gZoom = std::clamp(percent, kLeastZoom, kMostZoom);
}

int ZoomStep(int percent, int direction)
{
    if (direction > 0) {
        const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
        return above == kZoomSteps.end() ? kMostZoom : *above;
    }
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return below == kZoomSteps.begin() ? kLeastZoom : *std::prev(below);
}

double ZoomFactor()
{
    return gZoom / 100.0;
}

int Px(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * gZoom / (100.0 * kTwipsPerPixel)));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

QSize TwipsSize(int width, int height)
{
    return {Px(width), Px(height)};
}

double ZoomedPoints(double designPoints)
{
    return designPoints * ZoomFactor();
}

} // namespace quoxa
