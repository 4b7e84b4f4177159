#pragma once

#include <string_view>

namespace crucirco::texts {

// The program's title, on every message box that names no other.
inline constexpr std::string_view kAppTitle = "Crucirco";
// The maker's address, on the game screens, in About and on leaving.
inline constexpr std::string_view kWebAddress = "www.velquor.example";

} // namespace crucirco::texts
