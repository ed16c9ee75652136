#include "platform/WindowMessages.h"

#include <windows.h>

namespace pairfall {

bool AllowToComeToTheFront(std::int64_t processId)
{
    return AllowSetForegroundWindow(static_cast<DWORD>(processId)) != FALSE;
}

bool WaitForPipe(const std::wstring& name, int msecs)
{
    return WaitNamedPipeW(name.c_str(), static_cast<DWORD>(msecs)) != FALSE;
}

std::int64_t PipeServerProcessId(std::uintptr_t pipe)
{
    ULONG processId = 0;
    if (!GetNamedPipeServerProcessId(reinterpret_cast<HANDLE>(pipe), &processId))
        return 0;
    return processId;
}

bool IsCloseRequest(const void* message, std::uintptr_t window)
{
    const MSG* msg = static_cast<const MSG*>(message);
    return window != 0 && msg->message == WM_CLOSE && reinterpret_cast<std::uintptr_t>(msg->hwnd) == window;
}

}
