#pragma once

// The program's pictures, compiled in as resources (see assets/CMakeLists.txt).

#include <QIcon>
#include <QImage>

namespace crucirco::pictures {

inline constexpr const char *logoPath = ":/assets/logo.jpg";
inline constexpr const char *versusIconPath = ":/assets/icons/versus.png";
inline constexpr const char *twoPlayerIconPath = ":/assets/icons/two-player.png";
inline constexpr const char *aboutIconPath = ":/assets/icons/about.png";
inline constexpr const char *appIconPath = ":/assets/icons/app-48.png";
inline constexpr const char *appIconScalablePath = ":/assets/icons/app.svg";

// The logo of the splash and the main menu, 253 x 237 pixels; a null image only if the
// resources were not linked in.
QImage logo();

// Window icons, each with its 32 and 16 pixel drawings.
QIcon versusIcon();
QIcon twoPlayerIcon();
QIcon aboutIcon();

// The application icon: the scalable drawing, with the 48 pixel one for systems that cannot
// draw SVG icons.
QIcon applicationIcon();

} // namespace crucirco::pictures
