#include "shell/system_info.h"

#include <exception>

#include "forms/texts.h"

namespace crucirco {

bool GetKeyValue(ConfigStore& store, KeyRoot keyRoot, std::u16string_view keyName,
                 std::u16string_view subKeyRef, std::u16string& keyVal)
{
    const std::optional<StoredValue> value = store.read(keyRoot, keyName, subKeyRef);
    if (!value) {
        keyVal.clear();
        return false;
    }
    // A value stored with its terminating zero loses it; one stored without
    // keeps every character.
    std::u16string_view data = value->data;
    if (!data.empty() && data.back() == u'\0')
        data.remove_suffix(1);
    if (value->type == kStringValue) {
        keyVal = data;
    } else if (value->type == kNumber32Value && value->data.size() >= 2) {
        // Two units, the low one first, as the store keeps numbers; a zero
        // high unit is part of the number, not a terminator.
        std::uint32_t number = value->data[0] | static_cast<std::uint32_t>(value->data[1]) << 16;
        keyVal.clear();
        do {
            keyVal.insert(keyVal.begin(), static_cast<char16_t>(u'0' + number % 10));
            number /= 10;
        } while (number != 0);
    }
    return true;
}

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
