#pragma once

#include "forms/platform.h"

namespace crucirco {

class QtMessageBoxes final : public MessageBoxes
{
public:
    void inform(std::string_view title, std::string_view text) override;
    Answer confirm(std::string_view title, std::string_view text) override;
};

class QtEventLoop final : public EventLoop
{
public:
    void processPendingEvents() override;
};

class QtClock final : public Clock
{
public:
    std::uint32_t secondsSinceMidnight() const override;
};

} // namespace crucirco
