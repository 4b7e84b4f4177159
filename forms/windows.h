#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

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
    int width; // its client area, in twips
    int height;
    bool titleBar; // else a bare frame without a control box
    bool minimizeButton;
    bool inTaskBar;
};

inline constexpr std::array<WindowRow, 5> kWindows{{
    {.id = Window::Splash,
     .name = "frmSplash",
     .title = "",
     .icon = "app",
     .width = 7260,
     .height = 4635,
     .titleBar = false,
     .minimizeButton = false,
     .inTaskBar = false},
    {.id = Window::MainMenu,
     .name = "frmMain",
     .title = "Crucirco Velquor",
     .icon = "app",
     .width = 4680,
     .height = 3195,
     .titleBar = true,
     .minimizeButton = false,
     .inTaskBar = true},
    {.id = Window::VersusMachine,
     .name = "frmVSMaquina",
     .title = "Crucirco VS Máquina",
     .icon = "versus",
     .width = 4785,
     .height = 3840,
     .titleBar = true,
     .minimizeButton = true,
     .inTaskBar = true},
    {.id = Window::TwoPlayer,
     .name = "frmUnoVsUno",
     .title = "Crucirco!!!",
     .icon = "two-player",
     .width = 4680,
     .height = 3390,
     .titleBar = true,
     .minimizeButton = true,
     .inTaskBar = true},
    {.id = Window::About,
     .name = "frmAbout",
     .title = "Acerca del autor",
     .icon = "app",
     .width = 5730,
     .height = 3555,
     .titleBar = true,
     .minimizeButton = false,
     .inTaskBar = false},
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

// Whether windows listed one by one are every window of the table, each
// at its own row.
template<std::size_t N>
constexpr bool inTableOrder(const std::array<Window, N>& windows)
{
    if (N != kWindows.size())
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (windows[i] != kWindows[i].id)
            return false;
    }
    return true;
}

// The classes of the program's forms, one a row of the window table and in
// its order, each naming its window as kWindow. The program makes its forms
// from this list and the window host builds their windows after it, so a
// form listed out of place, or a window paired with another window's form,
// does not compile.
template<class... Forms>
struct FormClasses
{
    static_assert(inTableOrder(std::array<Window, sizeof...(Forms)>{Forms::kWindow...}),
                  "one form a window, in the order of the window table");

    template<class Type>
    static constexpr bool holds = (std::is_same_v<Type, Forms> || ...);
};

} // namespace crucirco
