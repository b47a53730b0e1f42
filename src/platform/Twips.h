#pragma once
// The board is laid out in twips, 1/1440 inch: 15 twips to a logical pixel at 96 dpi, times
// the zoom the player chose. Every position and every design font size goes through here;
// Qt's own scaling takes care of denser screens.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace quoxa {

constexpr int kTwipsPerPixel = 15;

// The zooms View offers, in percent, smallest first; 100 is the design's size.
constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 175, 200, 250, 300};
constexpr int kLeastZoom = kZoomSteps.front(), kMostZoom = kZoomSteps.back();

// The zoom in force, in percent (100 until it is set), and setting it; a percent outside
// kLeastZoom to kMostZoom is taken as the nearest end.
int Zoom();
void SetZoom(int percent);
// The next step up (+1) or down (-1) from a percent that need not be a step itself; the end
// step stays.
int ZoomStep(int percent, int direction);

int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);
// A font size of the design, in points, at the zoom; and the zoom as a factor.
double ZoomedPoints(double designPoints);
double ZoomFactor();

} // namespace quoxa
