#pragma once

// The way from the About dialog to the system information viewer: where the
// system's configuration store says the viewer is, and starting it. Free of
// any toolkit, so that the registry backend builds with nothing but a
// Windows cross compiler.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/platform.h"

namespace crucirco {

using KeyRoot = std::uint32_t;
inline constexpr KeyRoot kLocalMachine = 0x80000002u;

// Value types as the store reports them.
inline constexpr std::uint32_t kStringValue = 1;
inline constexpr std::uint32_t kNumber32Value = 4;

// A value as the store holds it: its type and as many UTF-16 units of raw
// data as its size in bytes gives, a terminating zero included when it was
// stored with one.
struct StoredValue
{
    std::uint32_t type;
    std::u16string data;
};

// The system configuration store, read only.
class ConfigStore
{
public:
    virtual ~ConfigStore() = default;
    // Nothing when the key or the value is missing or refused, or when the
    // value is longer than 1024 characters.
    virtual std::optional<StoredValue> read(KeyRoot root, std::u16string_view key,
                                            std::u16string_view name) = 0;
};

// The store of the system the program runs on: the registry on Windows; the
// first system information viewer installed on the PATH elsewhere.
std::unique_ptr<ConfigStore> makeSystemStore();

// Starting other programs.
class ProcessLauncher
{
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

// Reads one value as text. A string value comes as it is stored, without a
// terminating zero character; a 32-bit number as its decimal text; any
// other type leaves `keyVal` as it was. False, with `keyVal` emptied, when
// the value cannot be read.
bool GetKeyValue(ConfigStore& store, KeyRoot keyRoot, std::u16string_view keyName,
                 std::u16string_view subKeyRef, std::u16string& keyVal);

// Starts the system information viewer found through the store, or says in
// one box that there is none to start.
void StartSysInfo(ConfigStore& store, ProcessLauncher& launcher, MessageBoxes& boxes);

} // namespace crucirco
