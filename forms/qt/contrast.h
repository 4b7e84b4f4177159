#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace crucirco {

// How far apart two colours stand for a reader: the ratio of their relative
// luminances by the sRGB standard, each raised by the light a screen reflects,
// from 1 (the same colour) to 21 (black on white).
inline qreal contrast(const QColor& first, const QColor& second)
{
    const auto light = [](const QColor& colour) {
        const auto linear = [](qreal channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        const QColor rgb = colour.toRgb();
        return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF())
               + 0.05;
    };
    return std::max(light(first), light(second)) / std::min(light(first), light(second));
}

// The least contrast at which a text reads.
inline constexpr qreal kReadableContrast = 4.5;

} // namespace crucirco
