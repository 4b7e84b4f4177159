#pragma once

#include <string>
#include <string_view>

#include "screens/platform.h"
#include "shell/config_store.h"

namespace crucirco {

// Starting other programs.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual bool fileExists(std::u16string_view path) = 0;
    // Starts the program detached, in a normal window with the focus.
    virtual bool start(std::u16string_view path) = 0;
};

inline constexpr std::u16string_view kViewerKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::u16string_view kViewerValue = u"PATH";
inline constexpr std::u16string_view kViewerFolderKey = u"SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::u16string_view kViewerFolderValue = u"MSINFO";
inline constexpr std::u16string_view kViewerFile = u"\\MSINFO32.EXE";
inline constexpr std::string_view kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Starts the system information viewer found through the store, or says in
// one box that there is none to start.
void StartSysInfo(ConfigStore& store, ProcessLauncher& launcher, MessageBoxes& boxes);

} // namespace crucirco
