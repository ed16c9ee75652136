#include "platform/WinHelp.h"

#include "game/RuntimeError.h"

#include <windows.h>

#include <type_traits>

namespace pairfall {

namespace {

// The declaration in the header, without <windows.h>; the window handle is
// passed as the pointer it is.
static_assert(std::is_same_v<WinHelpEntry, BOOL(WINAPI*)(void*, LPCSTR, UINT, ULONG_PTR)>);

std::wstring ToWide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

}

WinHelpEntry FindWinHelp(const std::string& library, const std::string& function)
{
    const RuntimeError notFound(RuntimeError::Kind::HelpViewerNotFound, { function, library });
    // user32 is loaded in every program with a window; LoadLibrary only
    // counts one more use of it, for as long as the program runs.
    const HMODULE loaded = LoadLibraryW(ToWide(library).c_str());
    if (!loaded)
        throw notFound;
    const FARPROC entry = GetProcAddress(loaded, function.c_str());
    if (!entry) {
        FreeLibrary(loaded);
        throw notFound;
    }
    return reinterpret_cast<WinHelpEntry>(reinterpret_cast<void*>(entry));
}

std::string ToAnsiCodePage(const std::string& utf8)
{
    const std::wstring wide = ToWide(utf8);
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string ansi(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    return ansi;
}

void OpenWinHelp(std::uintptr_t ownerWindow, const std::string& helpFile, std::uint32_t command, const std::string& library, const std::string& function)
{
    const WinHelpEntry winHelp = FindWinHelp(library, function);
    const std::string path = ToAnsiCodePage(helpFile);
    // The search command takes the address of its keyword: here an empty one.
    const std::int16_t noKeyword = 0;
    winHelp(reinterpret_cast<void*>(ownerWindow), path.c_str(), command, reinterpret_cast<std::uintptr_t>(&noKeyword));
}

}
