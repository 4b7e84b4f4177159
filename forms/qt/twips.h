#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace crucirco {

// A rectangle or a line of a layout, in twips.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};
struct TwipLine
{
    int x1;
    int y1;
    int x2;
    int y2;
};

// The layouts are drawn up in twips (1/1440 inch). This is the one place
// where they become pixels: 15 twips to the pixel at 96 dots per inch,
// scaled with the screen's logical resolution. Qt's device pixel ratio then
// takes the result to the screen's real pixels.
class Twips
{
public:
    static constexpr int kPerInch = 1440;

    static int toPixels(int twips);
    static QPoint point(int x, int y) { return {toPixels(x), toPixels(y)}; }
    static QSize size(int width, int height) { return {toPixels(width), toPixels(height)}; }
    static QRect rect(int left, int top, int width, int height)
    {
        return {point(left, top), size(width, height)};
    }
    static QRect rect(const TwipRect& r) { return rect(r.left, r.top, r.width, r.height); }

    // The logical resolution used, 96 unless a screen says otherwise.
    static double logicalDpi();
};

} // namespace crucirco
