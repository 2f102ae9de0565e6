#pragma once

#include <QRect>

namespace shell {

// Window layouts are designed in twips (1/1440 inch); at 96 dots per inch 15 twips
// make one logical pixel. Every twip figure is converted here and nowhere else.
constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / twipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

// A rectangle given as left, top, width and height in twips, in pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace shell
