#pragma once

#include <string_view>

#include "forms/texts.h"

namespace crucirco::texts {

inline constexpr std::string_view kCrossWins = "La cruz gana!!!";
inline constexpr std::string_view kCircleWins = "El círculo gana!!!";
inline constexpr std::string_view kPressRestart = "Presione reiniciar para jugar una nueva partida";
inline constexpr std::string_view kConfirmToMenu = "¿Confirma salir de este modo?";
inline constexpr std::string_view kConfirmExit = "¿Confirma salir del Crucirco Velquor?";
inline constexpr std::string_view kVisitTitle = "Visite...";

} // namespace crucirco::texts
