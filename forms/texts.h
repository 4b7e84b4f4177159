#pragma once

#include <string_view>

#include "crucirco/version.h"

namespace crucirco::texts {

// The program's title, on every message box that names no other.
inline constexpr std::string_view kAppTitle = "Crucirco";
// The maker's address, on the game screens, in About and on leaving: the
// project's home page as people write it, without its scheme.
inline constexpr std::string_view kWebScheme = "https://";
static_assert(version::kHomepage.starts_with(kWebScheme), "the home page is a secure web address");
inline constexpr std::string_view kWebAddress = version::kHomepage.substr(kWebScheme.size());

} // namespace crucirco::texts
