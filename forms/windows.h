#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace crucirco {

// The program's windows, in the order of their rows in kWindows.
enum class Window { Splash, MainMenu, VersusMachine, TwoPlayer, About };

// Everything the program says about a window as a whole, one row each:
// the framework, the program, its windows on screen, the tools and the
// tests all read it from here.
struct WindowRow
{
    Window id;
    std::string_view name; // the window's own name, frmMain and so on
    std::string_view title; // its title bar; empty where it has none
    std::string_view icon; // the picture in its title bar, by resource name
    int width, height; // its client area, in twips
    bool titleBar; // else a bare frame without a control box
    bool minimizeButton;
    bool inTaskBar;
};

inline constexpr std::array<WindowRow, 5> kWindows{{
    {Window::Splash, "frmSplash", "", "app", 7260, 4635, false, false, false},
    {Window::MainMenu, "frmMain", "Crucirco Velquor", "app", 4680, 3195, true, false, true},
    {Window::VersusMachine, "frmVSMaquina", "Crucirco VS Máquina", "versus", 4785, 3840, true, true, true},
    {Window::TwoPlayer, "frmUnoVsUno", "Crucirco!!!", "two-player", 4680, 3390, true, true, true},
    {Window::About, "frmAbout", "Acerca del autor", "app", 5730, 3555, true, false, false},
}};

constexpr std::size_t indexOf(Window window)
{
    return static_cast<std::size_t>(window);
}
constexpr const WindowRow& rowOf(Window window)
{
    return kWindows[indexOf(window)];
}
constexpr std::string_view windowName(Window window)
{
    return rowOf(window).name;
}

constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < kWindows.size(); ++i) {
        if (indexOf(kWindows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInOrder(), "each window's row stands at its own index");

} // namespace crucirco
