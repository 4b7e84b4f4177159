#include <algorithm>
#include <array>
#include <cstring>

#include "shell/config_store.h"

namespace crucirco {

namespace {

constexpr std::size_t kBufferChars = 1024;

std::u16string decimalText(std::uint32_t value)
{
    std::u16string text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return text;
}

} // namespace

bool GetKeyValue(ConfigStore& store, KeyRoot keyRoot, std::u16string_view keyName, std::u16string_view subKeyRef,
                 std::u16string& keyVal)
{
    const std::optional<ConfigStore::Key> key = store.openKey(keyRoot, keyName);
    if (!key) {
        keyVal.clear();
        return false;
    }
    std::array<char16_t, kBufferChars> buffer{};
    std::uint32_t type = 0;
    std::uint32_t sizeBytes = sizeof(buffer);
    if (!store.queryValue(*key, subKeyRef, type, buffer.data(), sizeBytes)) {
        keyVal.clear();
        store.closeKey(*key);
        return false;
    }
    // The size comes in bytes; the text is counted in characters. A value
    // stored with its terminating zero loses it, one stored without keeps
    // every character.
    std::size_t chars = std::min<std::size_t>(sizeBytes / sizeof(char16_t), buffer.size());
    if (chars > 0 && buffer[chars - 1] == u'\0')
        --chars;

    if (type == kStringValue) {
        keyVal.assign(buffer.data(), chars);
    } else if (type == kNumber32Value) {
        // The store keeps numbers little-endian, whatever the machine.
        std::array<unsigned char, 4> bytes{};
        std::memcpy(bytes.data(), buffer.data(), std::min<std::size_t>(sizeBytes, bytes.size()));
        keyVal = decimalText(static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
                             | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
    }
    store.closeKey(*key);
    return true;
}

} // namespace crucirco
