#pragma once

#include <QRect>
#include <QSize>

// The windows are laid out in twips, 1/1440 inch, as their designs give them; on screen a twip is
// 1/15 of a pixel at 96 dots per inch. These helpers turn design measures into widget pixels.
namespace vantorel {

inline constexpr int TwipsPerPixel = 15;

// A twips measure in pixels, rounded to the nearest pixel (halves away from zero), so that a
// design laid out on the 15-twip grid converts exactly and any other measure lands on the
// nearest pixel, the same on both sides of zero.
constexpr int Px(int twips) {
    constexpr int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

// A pixel measure in twips, for code that reads a widget back in design units.
constexpr int Twips(int pixels) {
    return pixels * TwipsPerPixel;
}

constexpr QSize TwipsSize(int width, int height) {
    return {Px(width), Px(height)};
}

// A rectangle given as Left, Top, Width, Height in twips. The right and bottom edges are
// converted as edges, not as sizes, so controls that touch in the design still touch on screen.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    const int x = Px(left);
    const int y = Px(top);
    return {x, y, Px(left + width) - x, Px(top + height) - y};
}

}  // namespace vantorel
