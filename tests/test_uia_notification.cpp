// A result spoken through UI Automation, on Windows.
#include "platform/UiaNotification.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace pairfall::testing {

// Raised where this Windows has notification events (10 and 11), reported
// unavailable where it has none (Wine), never failed.  A window for messages
// only: no display is needed.
TEST(UiaNotification, IsRaisedExactlyWhereWindowsHasNotificationEvents)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"Pairfall", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    HMODULE core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const bool available = core && GetProcAddress(core, "UiaRaiseNotificationEvent");
    const Notification result = RaiseUiaNotification(reinterpret_cast<std::uintptr_t>(window), L"Queen of Hearts. There are 40 cards left");
    EXPECT_EQ(result, available ? Notification::Raised : Notification::Unavailable);
    DestroyWindow(window);
}

}
