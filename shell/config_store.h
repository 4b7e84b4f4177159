#pragma once

// The system configuration store, read only, as the About dialog uses it.
// Kept free of any toolkit so that the registry backend builds with nothing
// but a Windows cross compiler.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace crucirco {

using KeyRoot = std::uint32_t;
inline constexpr KeyRoot kLocalMachine = 0x80000002u;

// Value types as the store reports them.
inline constexpr std::uint32_t kStringValue = 1;
inline constexpr std::uint32_t kNumber32Value = 4;

class ConfigStore {
public:
    using Key = std::uintptr_t;

    virtual ~ConfigStore() = default;
    // Opens a key for reading; nothing when it is missing or refused.
    virtual std::optional<Key> openKey(KeyRoot root, std::u16string_view path) = 0;
    // Reads a value's raw data into `buffer`. `sizeBytes` holds the buffer's
    // size in bytes on entry and the value's size in bytes on return.
    virtual bool queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                            std::uint32_t& sizeBytes)
        = 0;
    virtual void closeKey(Key key) = 0;
};

// The store of the system the program runs on.
std::unique_ptr<ConfigStore> makeSystemStore();

// Reads one value as text. A string value comes as it is stored, without a
// terminating zero character; a 32-bit number as its decimal text; any
// other type leaves `keyVal` as it was. False, with `keyVal` emptied, when
// the key or the value cannot be read.
bool GetKeyValue(ConfigStore& store, KeyRoot keyRoot, std::u16string_view keyName, std::u16string_view subKeyRef,
                 std::u16string& keyVal);

} // namespace crucirco
