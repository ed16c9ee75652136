#pragma once

// The Windows calls of start-up and shutdown, without Qt: finding and
// bringing the running copy to the front, and telling a request to close the
// main window.
// Only on Windows.

#include <cstdint>
#include <string>

namespace pairfall {

// AllowSetForegroundWindow of user32: Windows lets only the process in the
// foreground hand the foreground on, so a later start lets the running copy
// take it before it asks that copy to come to the front.  False where
// Windows refused (this process may not hand it on).
bool AllowToComeToTheFront(std::int64_t processId);

// WaitNamedPipeW: true once an instance of the named pipe (\\.\pipe\...) is
// free to connect to, false if there is none, or none became free in time.
bool WaitForPipe(const std::wstring& name, int msecs);

// GetNamedPipeServerProcessId: the process that made the server end of a
// named pipe, given the client end's handle; 0 where Windows does not say.
std::int64_t PipeServerProcessId(std::uintptr_t pipe);

// Whether a message taken from the thread's queue or sent to a window (an
// MSG, as Qt's native event filters get it) is WM_CLOSE for this window:
// what taskkill without /F sends.
bool IsCloseRequest(const void* message, std::uintptr_t window);

}
