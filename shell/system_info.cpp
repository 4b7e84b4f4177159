#include "shell/system_info.h"

#include <exception>

#include "screens/texts.h"

namespace crucirco {

namespace {

bool startViewer(ConfigStore& store, ProcessLauncher& launcher)
{
    std::u16string path;
    if (GetKeyValue(store, kLocalMachine, kViewerKey, kViewerValue, path))
        return launcher.start(path);
    if (GetKeyValue(store, kLocalMachine, kViewerFolderKey, kViewerFolderValue, path)) {
        const std::u16string viewer = path + std::u16string(kViewerFile);
        if (launcher.fileExists(viewer))
            return launcher.start(viewer);
    }
    return false;
}

} // namespace

void StartSysInfo(ConfigStore& store, ProcessLauncher& launcher, MessageBoxes& boxes)
{
    bool started = false;
    try {
        started = startViewer(store, launcher);
    } catch (const std::exception&) {
        // Whatever went wrong, the user hears the same thing.
    }
    if (!started)
        boxes.inform(texts::kAppTitle, kSysInfoUnavailable);
}

} // namespace crucirco
