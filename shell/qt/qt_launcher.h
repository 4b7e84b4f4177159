#pragma once

#include "shell/system_info.h"

namespace crucirco {

class QtProcessLauncher final : public ProcessLauncher
{
public:
    bool fileExists(std::u16string_view path) override;
    bool start(std::u16string_view path) override;
};

} // namespace crucirco
