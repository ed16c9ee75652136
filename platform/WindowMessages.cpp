#include "platform/WindowMessages.h"

#include <windows.h>

namespace pairfall {

bool AllowToComeToTheFront(std::int64_t processId)
{
    return AllowSetForegroundWindow(static_cast<DWORD>(processId)) != FALSE;
}

bool IsCloseRequest(const void* message, std::uintptr_t window)
{
    const MSG* msg = static_cast<const MSG*>(message);
    return window != 0 && msg->message == WM_CLOSE && reinterpret_cast<std::uintptr_t>(msg->hwnd) == window;
}

}
