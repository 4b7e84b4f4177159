#include "shell/registry_store_win.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace crucirco {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the registry's wide characters are UTF-16 units");

// The predefined roots, HKEY_CLASSES_ROOT (0x80000000) and the ones after
// it, are the only handles a KeyRoot names.
constexpr KeyRoot kFirstRoot = 0x80000000u;
constexpr KeyRoot kLastRoot = 0x80000007u;

// The registry wants zero-terminated names.
std::wstring wideName(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

HKEY keyHandle(ConfigStore::Key key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

std::uintptr_t RegistryStore::rootHandle(KeyRoot root)
{
    if (root < kFirstRoot || root > kLastRoot)
        return 0;
    return static_cast<ULONG_PTR>(static_cast<LONG>(root));
}

std::optional<ConfigStore::Key> RegistryStore::openKey(KeyRoot root, std::u16string_view path)
{
    const std::uintptr_t rootKey = rootHandle(root);
    if (rootKey == 0)
        return std::nullopt;
    HKEY key = nullptr;
    const std::wstring name = wideName(path);
    if (RegOpenKeyExW(reinterpret_cast<HKEY>(rootKey), name.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    return reinterpret_cast<Key>(key);
}

bool RegistryStore::queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                               std::uint32_t& sizeBytes)
{
    const std::wstring valueName = wideName(name);
    DWORD valueType = REG_NONE;
    DWORD size = sizeBytes;
    const LSTATUS status = RegQueryValueExW(keyHandle(key), valueName.c_str(), nullptr, &valueType,
                                            reinterpret_cast<BYTE*>(buffer), &size);
    // A value too large for the buffer (ERROR_MORE_DATA) counts as not
    // read: what the buffer holds then is undefined.
    if (status != ERROR_SUCCESS)
        return false;
    type = valueType;
    sizeBytes = size;
    return true;
}

void RegistryStore::closeKey(Key key)
{
    RegCloseKey(keyHandle(key));
}

std::unique_ptr<ConfigStore> makeSystemStore()
{
    return std::make_unique<RegistryStore>();
}

} // namespace crucirco
