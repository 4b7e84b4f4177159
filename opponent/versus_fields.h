#pragma once

#include <cstdint>

#include "core/flags.h"

namespace crucirco {

inline constexpr std::uint8_t kNoPlan = 100;

// The form-level fields of the versus-machine screen, in the order the screen
// declares them. They belong to the screen object, not to its window: they
// keep their values while the window is closed and opened again.
struct VersusFields
{
    Flag16 GameOver = kFalse;
    Flag16 NoRandomFallback = kFalse;
    std::uint8_t PlannedCell = 0; // the maximum move's plan; kNoPlan = none
    std::uint8_t PlannedCellAlt = 0; // its second choice
    std::uint8_t MoveCount = 0; // circles placed plus machine turns taken
};

} // namespace crucirco
