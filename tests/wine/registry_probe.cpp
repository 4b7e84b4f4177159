// Checks the registry-backed configuration store against a real registry.
//
//   registry_probe write          stores the test values under kTestKey
//   registry_probe check VIEWER   reads them back through RegistryStore and
//                                 GetKeyValue, expects VIEWER as the system
//                                 information viewer's path, and checks this
//                                 program's own version record
//
// "write" and "check" run as separate processes, so that what "check" sees
// comes from the registry and not from anything this process remembers.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "crucirco/version.h"
#include "shell/config_store.h"
#include "shell/registry_store_win.h"
#include "shell/system_info.h"

using namespace crucirco;

namespace {

constexpr std::wstring_view kTestKey = L"SOFTWARE\\Velquor\\CrucircoTest";
constexpr std::u16string_view kTestKey16 = u"SOFTWARE\\Velquor\\CrucircoTest";

constexpr std::u16string_view kTerminatedText = u"Información del sistema";
// Ends in a character outside the basic plane: two UTF-16 units, both kept.
constexpr std::u16string_view kUnterminatedText = u"Año, ñandú y clave \U0001D11E";
constexpr std::uint32_t kNumber = 0x89ABCDEFu;
constexpr std::u16string_view kNumberText = u"2309737967";
// Looks like UTF-16 "Cr", so treating it as text would show.
constexpr BYTE kBinary[] = {0x43, 0x00, 0x72, 0x00};
constexpr std::u16string_view kUntouched = u"sin tocar";
// GetKeyValue reads into 1024 characters.
constexpr std::size_t kBufferChars = 1024;

// ---- a few lines of check harness ----

int checks = 0;
int failures = 0;

std::string utf8(std::u16string_view text)
{
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string quoted(std::u16string_view text)
{
    return "\"" + utf8(text) + "\" (" + std::to_string(text.size()) + " units)";
}

void check(bool ok, const std::string& what, const std::string& detail = {})
{
    ++checks;
    if (ok)
        return;
    ++failures;
    std::printf("FAIL: %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
}

void checkText(std::u16string_view got, std::u16string_view expected, const std::string& what)
{
    check(got == expected, what, "got " + quoted(got) + ", expected " + quoted(expected));
}

// ---- write ----

// Writes a value and makes sure the registry keeps the size it was given.
bool setValue(HKEY key, const wchar_t* name, DWORD type, const void* data, DWORD sizeBytes)
{
    const std::string shown = utf8(reinterpret_cast<const char16_t*>(name));
    LSTATUS status = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), sizeBytes);
    DWORD stored = 0;
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &stored);
    if (status != ERROR_SUCCESS) {
        std::printf("cannot write value %s: error %ld\n", shown.c_str(), static_cast<long>(status));
        return false;
    }
    if (stored != sizeBytes) {
        std::printf("value %s was given %lu bytes and keeps %lu\n", shown.c_str(),
                    static_cast<unsigned long>(sizeBytes), static_cast<unsigned long>(stored));
        return false;
    }
    return true;
}

// A string value stored with its terminator counted in the size.
bool setTerminated(HKEY key, const wchar_t* name, std::u16string_view text)
{
    const std::u16string data(text);
    return setValue(key, name, REG_SZ, data.c_str(), static_cast<DWORD>((data.size() + 1) * sizeof(char16_t)));
}

// A string value stored without a terminator. The registry counts a zero
// that follows the given size as the terminator the caller forgot (so does
// Windows), so what follows the text in memory must not be a zero.
bool setUnterminated(HKEY key, const wchar_t* name, std::u16string_view text)
{
    const std::u16string data = std::u16string(text) + u'#';
    return setValue(key, name, REG_SZ, data.c_str(), static_cast<DWORD>(text.size() * sizeof(char16_t)));
}

int writeValues()
{
    const std::wstring keyName(kTestKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, keyName.c_str()); // left over from an earlier run, if any
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        std::printf("cannot create the test key: error %ld\n", static_cast<long>(status));
        return 1;
    }
    const std::u16string filled(kBufferChars, u'x');
    const DWORD number = kNumber;
    bool ok = setTerminated(key, L"Terminated", kTerminatedText);
    ok = setUnterminated(key, L"Unterminated", kUnterminatedText) && ok;
    ok = setTerminated(key, L"Empty", u"") && ok;
    ok = setUnterminated(key, L"EmptyNoTerminator", u"") && ok;
    // 1024 characters fill the buffer exactly; with a terminator they do not fit.
    ok = setUnterminated(key, L"Filled", filled) && ok;
    ok = setTerminated(key, L"Oversized", filled) && ok;
    ok = setValue(key, L"Number", REG_DWORD, &number, sizeof(number)) && ok;
    ok = setValue(key, L"Binary", REG_BINARY, kBinary, sizeof(kBinary)) && ok;
    RegCloseKey(key);
    std::printf("%s\n", ok ? "test values written" : "writing the test values failed");
    return ok ? 0 : 1;
}

// ---- check ----

// Passes everything on to the registry and keeps count of the keys left open.
class CountingStore final : public ConfigStore {
public:
    explicit CountingStore(ConfigStore& inner)
        : inner_(inner)
    {
    }
    int open = 0;
    Key lastOpened = 0;

    std::optional<Key> openKey(KeyRoot root, std::u16string_view path) override
    {
        const auto key = inner_.openKey(root, path);
        if (key) {
            ++open;
            lastOpened = *key;
        }
        return key;
    }
    bool queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                    std::uint32_t& sizeBytes) override
    {
        return inner_.queryValue(key, name, type, buffer, sizeBytes);
    }
    void closeKey(Key key) override
    {
        --open;
        inner_.closeKey(key);
    }

private:
    ConfigStore& inner_;
};

struct Read {
    bool ok;
    std::u16string value;
};

Read read(CountingStore& store, std::u16string_view keyName, std::u16string_view name,
          std::u16string_view preset = u"antes", KeyRoot root = kLocalMachine)
{
    Read result{false, std::u16string(preset)};
    result.ok = GetKeyValue(store, root, keyName, name, result.value);
    check(store.open == 0, "every key opened for " + utf8(name) + " is closed again",
          std::to_string(store.open) + " left open");
    store.open = 0;
    return result;
}

void checkValues(CountingStore& store)
{
    {
        const Read r = read(store, kTestKey16, u"Terminated");
        check(r.ok, "a value stored with its terminator is read");
        checkText(r.value, kTerminatedText, "the terminator is dropped, the accented text kept");
    }
    {
        const Read r = read(store, kTestKey16, u"Unterminated");
        check(r.ok, "a value stored without a terminator is read");
        checkText(r.value, kUnterminatedText, "every character of an unterminated value is kept");
    }
    for (const auto name : {u"Empty", u"EmptyNoTerminator"}) {
        const Read r = read(store, kTestKey16, name);
        check(r.ok, utf8(name) + " is read");
        checkText(r.value, u"", utf8(name) + " reads as empty text");
    }
    {
        const Read r = read(store, kTestKey16, u"Filled");
        check(r.ok, "1024 characters without a terminator fit the buffer");
        checkText(r.value, std::u16string(kBufferChars, u'x'), "all 1024 characters are kept");
    }
    {
        const Read r = read(store, kTestKey16, u"Oversized");
        check(!r.ok, "a value larger than the buffer is not read");
        checkText(r.value, u"", "a value larger than the buffer leaves the text empty");
    }
    {
        const Read r = read(store, kTestKey16, u"Number");
        check(r.ok, "a 32-bit number is read");
        checkText(r.value, kNumberText, "a 32-bit number reads as its decimal text");
    }
    {
        const Read r = read(store, kTestKey16, u"Binary", kUntouched);
        check(r.ok, "a value of another type counts as read");
        checkText(r.value, kUntouched, "a value of another type leaves the text as it was");
    }
    {
        const Read r = read(store, std::u16string(kTestKey16) + u"\\NoExiste", u"Terminated");
        check(!r.ok, "a missing key is not read");
        checkText(r.value, u"", "a missing key empties the text");
    }
    {
        const Read r = read(store, kTestKey16, u"NoExiste");
        check(!r.ok, "a missing value is not read");
        checkText(r.value, u"", "a missing value empties the text");
    }
    {
        // The key exists under HKEY_LOCAL_MACHINE only; 0x12345678 names no root at all.
        check(!read(store, kTestKey16, u"Terminated", u"antes", 0x80000001u).ok,
              "the same path under another root is not found");
        const Read r = read(store, kTestKey16, u"Terminated", u"antes", 0x12345678u);
        check(!r.ok && r.value.empty(), "a root that is not a predefined key is refused");
    }
}

void checkKeyHandling(RegistryStore& registry)
{
    // Wine takes a root handle zero-extended as readily as sign-extended, so
    // the conversion is held against the system headers' own definitions.
    const struct {
        KeyRoot root;
        HKEY expected;
        const char* name;
    } roots[] = {{0x80000000u, HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
                 {0x80000001u, HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                 {kLocalMachine, HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                 {0x80000003u, HKEY_USERS, "HKEY_USERS"}};
    for (const auto& entry : roots)
        check(RegistryStore::rootHandle(entry.root) == reinterpret_cast<std::uintptr_t>(entry.expected),
              std::string(entry.name) + " becomes the system's handle for it");

    // Opened for reading only: writing through the handle is refused.
    const auto key = registry.openKey(kLocalMachine, kTestKey16);
    check(key.has_value(), "the test key opens");
    if (!key)
        return;
    const auto handle = reinterpret_cast<HKEY>(*key);
    const DWORD zero = 0;
    const LSTATUS written = RegSetValueExW(handle, L"Written", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero),
                                           sizeof(zero));
    check(written == ERROR_ACCESS_DENIED, "the key is opened read-only",
          "writing through it gave " + std::to_string(written));
    registry.closeKey(*key);

    DWORD type = 0;
    DWORD size = 0;
    const LSTATUS stale = RegQueryValueExW(handle, L"Terminated", nullptr, &type, nullptr, &size);
    check(stale == ERROR_INVALID_HANDLE, "a closed key's handle is gone",
          "querying it gave " + std::to_string(stale));
}

class RecordingLauncher final : public ProcessLauncher {
public:
    std::vector<std::u16string> started;
    bool fileExists(std::u16string_view) override { return false; }
    bool start(std::u16string_view path) override
    {
        started.emplace_back(path);
        return true;
    }
};

class RecordingBoxes final : public MessageBoxes {
public:
    int shown = 0;
    void inform(std::string_view, std::string_view) override { ++shown; }
    Answer confirm(std::string_view, std::string_view) override
    {
        ++shown;
        return Answer::Ok;
    }
};

void checkViewer(CountingStore& store, RegistryStore& registry, std::u16string_view expected)
{
    const Read r = read(store, kViewerKey, kViewerValue);
    check(r.ok, "the viewer's path is read");
    checkText(r.value, expected, "the viewer's path is the one stored");

    RecordingLauncher launcher;
    RecordingBoxes boxes;
    StartSysInfo(registry, launcher, boxes);
    check(launcher.started.size() == 1 && launcher.started.front() == expected,
          "the viewer starts from the stored path",
          launcher.started.empty() ? "nothing started" : "started " + quoted(launcher.started.front()));
    check(boxes.shown == 0, "no box when the viewer starts");
}

std::u16string padded(int value, std::size_t width)
{
    std::u16string text;
    for (const char c : std::to_string(value))
        text.push_back(static_cast<char16_t>(c));
    if (text.size() < width)
        text.insert(0, width - text.size(), u'0');
    return text;
}

void checkVersionRecord()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(self, &ignored);
    check(size > 0, "the program carries a version record");
    if (size == 0)
        return;
    std::vector<BYTE> record(size);
    check(GetFileVersionInfoW(self, 0, size, record.data()) != 0, "the version record is read");

    void* found = nullptr;
    UINT length = 0;
    if (VerQueryValueW(record.data(), L"\\", &found, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
        const DWORD high = MAKELONG(version::kMinor, version::kMajor);
        const DWORD low = MAKELONG(version::kPatch, 0);
        check(fixed->dwSignature == 0xFEEF04BD, "the fixed part has its signature");
        check(fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low, "the file version is major,minor,0,patch",
              std::to_string(HIWORD(fixed->dwFileVersionMS)) + "," + std::to_string(LOWORD(fixed->dwFileVersionMS))
                  + "," + std::to_string(HIWORD(fixed->dwFileVersionLS)) + ","
                  + std::to_string(LOWORD(fixed->dwFileVersionLS)));
        check(fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low,
              "the product version is major,minor,0,patch");
    } else {
        check(false, "the version record has a fixed part");
    }

    if (VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &found, &length) && length >= 4) {
        const auto* pair = static_cast<const WORD*>(found);
        check(pair[0] == 0x0C0A && pair[1] == 1200, "the record is in Spanish, Unicode",
              "language " + std::to_string(pair[0]) + ", code page " + std::to_string(pair[1]));
    } else {
        check(false, "the version record names its language");
    }

    const std::u16string numbers = padded(version::kMajor, 1) + u"." + padded(version::kMinor, 2) + u"."
                                   + padded(version::kPatch, 4);
    const std::u16string majorMinor = padded(version::kMajor, 1) + u"." + padded(version::kMinor, 1);
    const struct {
        const wchar_t* name;
        std::u16string expected;
    } strings[] = {
        {L"FileVersion", numbers},
        {L"ProductVersion", numbers},
        {L"FileDescription", u"Crucirco"},
        {L"CompanyName", u"Velquor"},
        {L"InternalName", u"Crucirco " + majorMinor},
        {L"ProductName", u"Crucirco"},
        {L"OriginalFilename", u"Crucirco.exe"},
        {L"LegalCopyright", u"© Velquor. Todos los derechos reservados."},
    };
    for (const auto& entry : strings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\0C0A04B0\\") + entry.name;
        const std::string name = utf8(reinterpret_cast<const char16_t*>(entry.name));
        std::u16string value;
        if (VerQueryValueW(record.data(), path.c_str(), &found, &length) && found != nullptr) {
            // The length counts characters, with the terminator on most systems.
            value.assign(static_cast<const char16_t*>(found), length);
            while (!value.empty() && value.back() == u'\0')
                value.pop_back();
            checkText(value, entry.expected, "the record's " + name);
        } else {
            check(false, "the record has a " + name);
        }
    }
    // The numbers come from the project; keep them in sight of whoever reads the log.
    std::printf("version record: %s\n", utf8(numbers).c_str());
}

int checkAll(std::u16string_view viewer)
{
    RegistryStore registry;
    CountingStore store(registry);
    checkValues(store);
    checkKeyHandling(registry);
    checkViewer(store, registry, viewer);
    checkVersionRecord();
    std::printf("%d checks, %d failed\n", checks, failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring_view mode = argc > 1 ? argv[1] : L"";
    if (mode == L"write" && argc == 2)
        return writeValues();
    if (mode == L"check" && argc == 3)
        return checkAll(reinterpret_cast<const char16_t*>(argv[2]));
    std::printf("usage: registry_probe write | registry_probe check VIEWER-PATH\n");
    return 2;
}
