#include "forms/qt/form_window.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef CRUCIRCO_XCB
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace crucirco {

Qt::WindowFlags windowFlags(const WindowRow& window)
{
    // A fixed dialog border alone: no title bar, no control box, and not in
    // the task bar. Windows draws that border for a window without a caption,
    // and keeps it out of the task bar once it is made a tool window; an X
    // window manager draws it for a splash window that asks for it (both
    // askForBorderWithoutTitle). Made a tool window by its flags instead, it
    // would be shown without the focus, and a key on it would go nowhere.
    if (!window.titleBar) {
#ifdef Q_OS_WIN
        return Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
#else
        return Qt::SplashScreen;
#endif
    }
    // A fixed border: no maximise button, and a size the user cannot change.
    Qt::WindowFlags flags = (window.inTaskBar ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint
                            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint;
    if (window.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

#ifndef Q_OS_WIN // Windows: form_window_win.cpp
void askForBorderWithoutTitle(QWidget* window)
{
#if defined(CRUCIRCO_XCB) && QT_CONFIG(xcb)
    // Qt asks an X window manager for a border only together with a title
    // bar; the window manager's decoration hints can ask for the border alone.
    // Only the xcb platform has an X connection to give; offscreen may have
    // the interface, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    static constexpr char kHints[] = "_MOTIF_WM_HINTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0u, sizeof kHints - 1, kHints),
                              nullptr),
        &std::free);
    if (!atom)
        return;
    // Flags (the decorations are given), functions, decorations (the border), input mode, status;
    // the words the flags do not give are read by no window manager. Qt sends the property on
    // with the window's first map.
    const std::uint32_t hints[] = {1u << 1, 0u, 1u << 1, 0u, 0u};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        atom->atom, atom->atom, 32, std::size(hints), hints);
#else
    (void)window;
#endif
}
#endif

} // namespace crucirco
