#include "forms/qt/form_window.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <QWidget>

namespace crucirco {

void askForBorderWithoutTitle(QWidget* window)
{
    // Its flags give the border; a tool window is one the task bar leaves
    // out, and one Windows then still activates when it is shown.
    const auto handle = reinterpret_cast<HWND>(window->winId());
    SetWindowLongPtrW(handle, GWL_EXSTYLE, GetWindowLongPtrW(handle, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

} // namespace crucirco
