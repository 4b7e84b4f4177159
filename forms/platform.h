#pragma once

#include <cstdint>
#include <string_view>

#include "forms/windows.h"

namespace crucirco {

enum class Answer { Ok, Cancel };

// Modal message boxes, never with an icon. The call returns when the box has
// been closed; meanwhile the window system may deliver other events.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void inform(std::string_view title, std::string_view text) = 0;
    // OK and Cancel; closing the box counts as Cancel.
    virtual Answer confirm(std::string_view title, std::string_view text) = 0;
};

// The program as its windows see it.
class Navigator
{
public:
    virtual ~Navigator() = default;
    // Creates and loads the window if it is not loaded, then shows it modeless.
    virtual void show(Window window) = 0;
    // Destroys the window and its controls; its screen object stays.
    virtual void unload(Window window) = 0;
    // Ends the program at once: every window closes and no handler runs.
    virtual void endProgram() = 0;
    virtual bool ending() const = 0;
};

// Lets the window system deliver whatever events are pending, then returns.
class EventLoop
{
public:
    virtual ~EventLoop() = default;
    virtual void processPendingEvents() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint32_t secondsSinceMidnight() const = 0;
};

} // namespace crucirco
