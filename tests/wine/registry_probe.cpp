// Runs under Wine: the registry backend and GetKeyValue on a real registry.
// (The viewer the registry names is started by the game itself, played under
// Wine by play-windows.sh.)
#include <windows.h>

#include <cstdio>
#include <string>

#include "shell/system_info.h"

using namespace crucirco;

namespace {

const std::u16string kKey = u"SOFTWARE\\Velquor\\CrucircoTest";
int failures = 0;

void check(bool ok, const char* what)
{
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    failures += ok ? 0 : 1;
}

void put(const wchar_t* name, DWORD type, const void* data, std::size_t bytes)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, reinterpret_cast<const wchar_t*>(kKey.c_str()), 0, nullptr, 0,
                    KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(bytes));
    RegCloseKey(key);
}

struct Read
{
    bool ok;
    std::u16string value;
};
Read read(const std::u16string& name, KeyRoot root = kLocalMachine)
{
    const auto store = makeSystemStore();
    Read r{false, u"antes"};
    r.ok = GetKeyValue(*store, root, kKey, name, r.value);
    return r;
}

} // namespace

int wmain()
{
    // Outside the basic plane at the end: two units, both kept.
    const std::u16string text = u"Año, ñandú \U0001D11E";
    const std::u16string full(1024, u'x');
    const DWORD number = 0x89ABCDEFu;
    put(L"Terminated", REG_SZ, text.c_str(), (text.size() + 1) * 2);
    // The registry takes a zero just past the given size for a forgotten
    // terminator, so something else must follow a value stored without one.
    put(L"Bare", REG_SZ, (text + u'#').c_str(), text.size() * 2);
    put(L"Full", REG_SZ, (full + u'#').c_str(), full.size() * 2);
    put(L"TooLong", REG_SZ, full.c_str(), (full.size() + 1) * 2);
    put(L"Number", REG_DWORD, &number, sizeof number);
    put(L"Binary", REG_BINARY, "C\0r\0", 4);

    check(read(u"Terminated").value == text, "a value stored with its terminator loses only that");
    check(read(u"Bare").value == text, "a value stored without one keeps every character");
    check(read(u"Full").value == full, "1024 characters fit the buffer");
    check(!read(u"TooLong").ok && read(u"TooLong").value.empty(), "a larger value is not read");
    check(read(u"Number").value == u"2309737967", "a 32-bit number reads as its decimal text");
    check(read(u"Binary").ok && read(u"Binary").value == u"antes", "another type is read but gives no text");
    check(!read(u"Missing").ok, "a missing value is not read");
    check(!read(u"Terminated", 0x80000001u).ok, "a missing key is not read");
    check(!read(u"Terminated", 0x12345678u).ok, "a root that is no predefined key is refused");

    return failures == 0 ? 0 : 1;
}
