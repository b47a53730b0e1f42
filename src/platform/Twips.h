#pragma once
// The board is laid out in twips, 1/1440 inch: 15 twips to a logical pixel at 96 dpi. Every
// position goes through here; Qt's own scaling takes care of denser screens.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quoxa {

constexpr int kTwipsPerPixel = 15;

int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);

} // namespace quoxa
