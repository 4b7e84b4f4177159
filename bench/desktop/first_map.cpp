// first-map PROGRAM [ARGS...]: starts PROGRAM on the X display of $DISPLAY
// and prints, in milliseconds, how long it took until its first top-level
// window was mapped; then ends the program. Run without a window manager,
// so that top-level windows are children of the root window.

#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from `started` to the first MapNotify, or a negative number
// when the child ended or nothing was mapped in time.
double waitForFirstMap(Display* display, pid_t child, Clock::time_point started)
{
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - started < std::chrono::seconds(20)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first-map: the program ended without mapping a window\n");
            return -1;
        }
        poll(&fd, 1, 50);
    }
    std::fprintf(stderr, "first-map: no window within 20 s\n");
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first-map PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first-map: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True); // forget whatever was mapped before

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const double elapsed = waitForFirstMap(display, child, started);
    if (elapsed >= 0)
        std::printf("%.1f\n", elapsed);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return elapsed >= 0 ? 0 : 1;
}
