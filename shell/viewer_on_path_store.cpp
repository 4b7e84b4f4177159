#include "shell/viewer_on_path_store.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "shell/system_info.h"

namespace crucirco {

namespace {

constexpr ConfigStore::Key kViewerKeyHandle = 1;

bool isExecutableFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

// File names here are plain ASCII or UTF-8; the store speaks UTF-16.
std::u16string toUtf16(const std::string& text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
        char32_t code = extra == 0 ? byte : byte & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

} // namespace

std::unique_ptr<ConfigStore> makeSystemStore()
{
    const char* path = std::getenv("PATH");
    return std::make_unique<ViewerOnPathStore>(path ? path : "/usr/local/bin:/usr/bin:/bin");
}

ViewerOnPathStore::ViewerOnPathStore(std::string searchPath)
    : searchPath_(std::move(searchPath))
{
}

std::u16string ViewerOnPathStore::findViewer() const
{
    for (std::string_view viewer : kViewers) {
        std::istringstream folders(searchPath_);
        for (std::string folder; std::getline(folders, folder, ':');) {
            if (folder.empty())
                continue;
            const std::filesystem::path candidate = std::filesystem::path(folder) / viewer;
            if (isExecutableFile(candidate))
                return toUtf16(candidate.string());
        }
    }
    return {};
}

std::optional<ConfigStore::Key> ViewerOnPathStore::openKey(KeyRoot root, std::u16string_view path)
{
    if (root != kLocalMachine || path != kViewerKey)
        return std::nullopt;
    viewer_ = findViewer();
    if (viewer_.empty())
        return std::nullopt;
    return kViewerKeyHandle;
}

bool ViewerOnPathStore::queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                                   std::uint32_t& sizeBytes)
{
    if (key != kViewerKeyHandle || name != kViewerValue)
        return false;
    // Stored as a registry string is: with its terminating zero.
    const std::size_t chars = viewer_.size() + 1;
    if (chars * sizeof(char16_t) > sizeBytes)
        return false;
    std::copy(viewer_.begin(), viewer_.end(), buffer);
    buffer[viewer_.size()] = u'\0';
    type = kStringValue;
    sizeBytes = static_cast<std::uint32_t>(chars * sizeof(char16_t));
    return true;
}

} // namespace crucirco
