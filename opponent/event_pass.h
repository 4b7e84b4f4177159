#pragma once

namespace crucirco {

enum class PassResult {
    Continue, // carry on with the move
    Stop, // the move's screen went away, its turn was decided, or the
          // program is ending: leave the board alone and return at once
};

// One pass of the event loop, made by the random move before every draw, so
// that the window stays alive while the machine is choosing.
class EventPass
{
public:
    virtual ~EventPass() = default;
    virtual PassResult letEventsRun() = 0;
};

} // namespace crucirco
