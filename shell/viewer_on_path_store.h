#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shell/config_store.h"

namespace crucirco {

// The configuration store on a system without a registry. The viewer's
// location, the one thing the program asks for, is the full path of the
// first system information viewer installed on the PATH; the folder lookup
// has no counterpart here and fails.
class ViewerOnPathStore final : public ConfigStore {
public:
    // Tried in this order.
    static constexpr std::array<std::string_view, 4> kViewers{"kinfocenter", "hardinfo2", "hardinfo",
                                                              "gnome-system-monitor"};

    // `searchPath` is a PATH-style list of folders.
    explicit ViewerOnPathStore(std::string searchPath);

    std::optional<Key> openKey(KeyRoot root, std::u16string_view path) override;
    bool queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                    std::uint32_t& sizeBytes) override;
    void closeKey(Key) override {}

private:
    std::u16string findViewer() const;

    std::string searchPath_;
    std::u16string viewer_;
};

} // namespace crucirco
