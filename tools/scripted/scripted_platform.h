#pragma once

// Scripted stand-ins for the window system, chance and the clock: they run
// the game's own classes without a display, for the replay tool and the
// tests. Everything they are asked to show is written as transcript lines.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/platform.h"
#include "opponent/random_source.h"
#include "shell/program.h"
#include "shell/system_info.h"

namespace crucirco::scripted {

// A script asked for something it did not provide.
class ScriptError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class Random final : public RandomSource
{
public:
    void push(double r) { queue_.push_back(r); }
    double draw() override;
    // A script's numbers come from its queue, whatever the clock says.
    void reseed(std::uint32_t) override {}

private:
    std::deque<double> queue_;
};

class Boxes final : public MessageBoxes
{
public:
    explicit Boxes(std::ostream& out)
        : out_(out)
    {
    }
    void push(Answer answer) { answers_.push_back(answer); }
    void inform(std::string_view title, std::string_view text) override;
    Answer confirm(std::string_view title, std::string_view text) override;

private:
    std::ostream& out_;
    std::deque<Answer> answers_;
};

class Events final : public EventLoop
{
public:
    // What a pass of the event loop does; nothing by default.
    std::function<void()> onPass;
    int passes = 0;
    void processPendingEvents() override;
};

class FixedClock final : public Clock
{
public:
    std::uint32_t seconds = 0;
    std::uint32_t secondsSinceMidnight() const override { return seconds; }
};

class WindowLog final : public WindowHost
{
public:
    explicit WindowLog(std::ostream& out)
        : out_(out)
    {
    }
    void windowLoaded(Form& form) override;
    void windowShown(Window) override {}
    void windowUnloaded(Window window) override;
    void lastWindowUnloaded() override {}
    void programEnded() override {}

private:
    std::ostream& out_;
};

// An in-memory configuration store under HKEY_LOCAL_MACHINE, by key and value name.
class MemoryStore final : public ConfigStore
{
public:
    std::map<std::pair<std::u16string, std::u16string>, StoredValue> values;
    std::optional<StoredValue> read(KeyRoot root, std::u16string_view key, std::u16string_view name) override;
};

class Launcher final : public ProcessLauncher
{
public:
    std::vector<std::u16string> files; // what exists
    std::vector<std::u16string> started; // what was started
    bool startFails = false;
    bool fileExists(std::u16string_view path) override;
    bool start(std::u16string_view path) override;
};

} // namespace crucirco::scripted
