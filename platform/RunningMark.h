#pragma once

// The sign, for the installer and the uninstaller, that Pairfall runs in this
// session: a named mutex that Windows holds while the process lives and lets
// go when it ends, however it ends.  Only on Windows.

namespace pairfall {

// Its name, which packaging/windows/pairfall.nsi looks for too.  "Local\":
// one per logon session, as the game's files are in use only there.
inline constexpr const wchar_t* RunningMarkName = L"Local\\Pairfall-running";

class RunningMark {
public:
    // Made by every copy of the program, a later start too: its program file
    // is just as much in use.  Where Windows refuses, there is no mark and the
    // installer falls back on finding pairfall.exe in use.
    RunningMark();
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    void* m_handle;
};

}
