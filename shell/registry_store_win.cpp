// The configuration store on Windows: the system registry, read only.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>

#include "shell/system_info.h"

namespace crucirco {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the registry's wide characters are UTF-16 units");

// The predefined roots, HKEY_CLASSES_ROOT (0x80000000) and the six after it,
// are the only handles a KeyRoot may name. 64-bit Windows sign-extends the
// 32-bit number, so HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 there.
HKEY rootHandle(KeyRoot root)
{
    if (root < 0x80000000u || root > 0x80000007u)
        return nullptr;
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

class RegistryStore final : public ConfigStore
{
public:
    std::optional<StoredValue> read(KeyRoot root, std::u16string_view key, std::u16string_view name) override
    {
        const HKEY rootKey = rootHandle(root);
        // Opened for querying values only: asking for more is refused under
        // HKEY_LOCAL_MACHINE to every user who is not an administrator.
        HKEY opened = nullptr;
        if (!rootKey
            || RegOpenKeyExW(rootKey, wide(key).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
            return std::nullopt;
        std::array<char16_t, 1024> buffer{};
        DWORD type = REG_NONE;
        DWORD size = sizeof(buffer);
        // A value too large for the buffer (ERROR_MORE_DATA) counts as not read.
        const LSTATUS status = RegQueryValueExW(opened, wide(name).c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(buffer.data()), &size);
        RegCloseKey(opened);
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        return StoredValue{type, std::u16string(buffer.data(), size / sizeof(char16_t))};
    }

private:
    // The registry wants zero-terminated names.
    static std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
};

} // namespace

std::unique_ptr<ConfigStore> makeSystemStore()
{
    return std::make_unique<RegistryStore>();
}

} // namespace crucirco
