#pragma once

// UI Automation's notification event, without Qt: how a program asks
// Narrator and NVDA to speak a result that did not move the focus.  Qt 6.4's
// own bridge raises focus, name and state changes, but no notifications.
// Only on Windows.

#include <cstdint>
#include <string>

namespace pairfall {

enum class Notification { Raised,
    // This Windows has no notification events (before Windows 10 1709, or Wine).
    Unavailable,
    Failed };

// Raises text as the completed action of the window's element, superseding
// one not yet spoken, so that a held key does not pile speech up.
Notification RaiseUiaNotification(std::uintptr_t window, const std::wstring& text);

}
