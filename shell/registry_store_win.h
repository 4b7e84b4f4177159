#pragma once

// The configuration store on Windows: the system registry, read only.
// Needs nothing but the Windows headers, so that it builds with a plain
// cross compiler as well as natively.

#include <cstdint>

#include "shell/config_store.h"

namespace crucirco {

class RegistryStore final : public ConfigStore {
public:
    // Keys are opened for querying values only. Asking for more (all
    // access, say) is refused under HKEY_LOCAL_MACHINE to every user who
    // is not an administrator, and the lookups would fail for them.
    std::optional<Key> openKey(KeyRoot root, std::u16string_view path) override;
    // False when the value is missing or does not fit into the buffer.
    bool queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                    std::uint32_t& sizeBytes) override;
    void closeKey(Key key) override;

    // The handle value a predefined root stands for: 64-bit Windows
    // sign-extends the 32-bit number, so HKEY_LOCAL_MACHINE (0x80000002) is
    // 0xFFFFFFFF80000002 there. Zero for a number that names no root.
    static std::uintptr_t rootHandle(KeyRoot root);
};

} // namespace crucirco
