#include "forms/qt/form_window.h"

namespace crucirco {

Qt::WindowFlags windowFlags(const WindowSpec& window)
{
    if (!window.titleBar)
        return Qt::SplashScreen | Qt::FramelessWindowHint;
    // A fixed border: no maximise button, and a size the user cannot change.
    Qt::WindowFlags flags = (window.inTaskBar ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint;
    if (window.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace crucirco
