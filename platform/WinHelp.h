#pragma once

// WinHelpA of user32, the help viewer of the help commands, called without
// Qt.  Only on Windows.

#include <cstdint>
#include <string>

namespace pairfall {

inline constexpr const char* WinHelpLibrary = "user32";
inline constexpr const char* WinHelpFunction = "WinHelpA";

// The viewer's entry point, WinHelpA(HWND, LPCSTR, UINT, ULONG_PTR) -> BOOL.
using WinHelpEntry = int(__stdcall*)(void*, const char*, unsigned int, std::uintptr_t);

// Looks the function up in the library at the time of the call, so the
// program still starts where the viewer has gone.  Throws RuntimeError
// (HelpViewerNotFound), naming both, when either cannot be found.
WinHelpEntry FindWinHelp(const std::string& library = WinHelpLibrary, const std::string& function = WinHelpFunction);

// The path as WinHelpA takes it: UTF-8 converted to the ANSI code page, a
// letter that has no place there becoming '?'.
std::string ToAnsiCodePage(const std::string& utf8);

// Opens the help file (UTF-8) with the command (HELP_CONTENTS,
// HELP_PARTIALKEY ...) and an empty keyword, owned by the window whose
// handle this is (0: none).  Throws as FindWinHelp does; the viewer's own
// result is not examined.
void OpenWinHelp(std::uintptr_t ownerWindow, const std::string& helpFile, std::uint32_t command, const std::string& library = WinHelpLibrary, const std::string& function = WinHelpFunction);

}
