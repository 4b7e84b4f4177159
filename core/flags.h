#pragma once

#include <cstdint>

namespace crucirco {

// The screens keep their yes/no fields the way the game always stored them:
// a 16-bit integer, True = -1 and False = 0, where any non-zero value counts
// as True.
using Flag16 = std::int16_t;

inline constexpr Flag16 kTrue = -1;
inline constexpr Flag16 kFalse = 0;

constexpr bool isTrue(Flag16 flag)
{
    return flag != 0;
}
constexpr Flag16 toFlag(bool value)
{
    return value ? kTrue : kFalse;
}

// An unsigned 8-bit count that stops at 255 instead of wrapping to 0.
constexpr std::uint8_t raisedCount(std::uint8_t count)
{
    return count == UINT8_MAX ? count : static_cast<std::uint8_t>(count + 1);
}

} // namespace crucirco
