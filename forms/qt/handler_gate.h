#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

namespace crucirco {

// Every event a window forwards to its form passes through here. A handler
// may run nested event loops (message boxes, the machine's passes) in which
// windows get unloaded; such windows are only hidden then, and really
// destroyed once the outermost handler has returned.
class HandlerGate
{
public:
    template<class Handler>
    void run(QWidget* window, Handler&& handler)
    {
        ++depth_;
        struct Leave
        {
            HandlerGate& gate;
            QPointer<QWidget> outer;
            ~Leave()
            {
                atWork() = outer;
                if (--gate.depth_ == 0 && gate.whenIdle)
                    gate.whenIdle();
            }
        } leave{*this, std::exchange(atWork(), window)};
        std::forward<Handler>(handler)();
    }

    // The window whose handler is at work, the innermost one where handlers
    // nest: a box or a window that handler raises belongs to it, whichever
    // window the desktop has made active meanwhile. None outside handlers, or
    // once that window has been destroyed. The program's windows share one
    // thread, and so one handler at work.
    static QWidget* windowAtWork() { return atWork(); }

    // Called each time the outermost handler has returned.
    std::function<void()> whenIdle;

private:
    static QPointer<QWidget>& atWork()
    {
        static QPointer<QWidget> window;
        return window;
    }

    int depth_ = 0;
};

} // namespace crucirco
