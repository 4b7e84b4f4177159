#pragma once

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
    void run(Handler&& handler)
    {
        ++depth_;
        struct Leave
        {
            HandlerGate& gate;
            ~Leave()
            {
                if (--gate.depth_ == 0 && gate.whenIdle)
                    gate.whenIdle();
            }
        } leave{*this};
        std::forward<Handler>(handler)();
    }

    // Called each time the outermost handler has returned.
    std::function<void()> whenIdle;

private:
    int depth_ = 0;
};

} // namespace crucirco
