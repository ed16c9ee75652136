// What ends a Windows program besides File > Exit: the end of the session
// (WM_QUERYENDSESSION, WM_ENDSESSION) and WM_CLOSE, as taskkill without /F
// sends it.  Copies of the program in processes of their own (tests/
// window_driver) with real windows (Qt's windows platform, not offscreen),
// their settings in an INI file of the test's.  Built for Windows only.
#include "GameFixture.h"
#include "ProgramCopies.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

// Wine without a display cannot make top-level windows at all.
bool CanMakeWindows()
{
    HWND probe = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

// The driver with native windows, in a state; its "ready" line gives the main window's handle.
class NativeDriver {
public:
    void Start(const char* state)
    {
        QProcessEnvironment environment = home.Environment();
        environment.insert("QT_QPA_PLATFORM", "windows");
        pairfall::testing::Start(process, WINDOW_DRIVER, environment, { state });
        const QByteArray line = NextLine(process);
        ASSERT_TRUE(line.startsWith("ready ")) << "the driver said: " << line.toStdString() << process.readAllStandardError().toStdString();
        window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(line.mid(6).toULongLong()));
        ASSERT_TRUE(IsWindow(window));
    }

    Home home;
    QProcess process;
    HWND window = nullptr;
};

// Both messages as Windows sends them at a logoff; false if a message was not
// handled within ten seconds (a box waits, say).
bool EndTheSession(HWND window)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer) || answer != TRUE)
        return false;
    return SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer) != 0;
}

struct State {
    const char* name;
    const char* state;
    std::string games; // finished before the end, each a win
};

const auto EveryState = ::testing::Values(State { "WhenIdle", "idle", "0" },
    State { "WithGameStatsOpen", "game-stats", "0" },
    State { "DuringThePlayAgainQuestion", "question", "1" });

class SessionEnd : public ::testing::TestWithParam<State> {
protected:
    void SetUp() override
    {
        // scripts/test-windows starts an X server for Wine.
        if (!CanMakeWindows())
            FAIL() << "no windows can be made here: Wine needs a display";
    }
};

TEST_P(SessionEnd, TheShutdownWritesThePositionAndTheStatisticsAndAStartRightAfterRuns)
{
    NativeDriver driver;
    ASSERT_NO_FATAL_FAILURE(driver.Start(GetParam().state));
    EXPECT_TRUE(EndTheSession(driver.window));
    // Windows ends the process as soon as WM_ENDSESSION has returned.
    driver.process.kill();
    Ended(driver.process);
    EXPECT_EQ(OnDisk(driver.home), SavedOnExit(GetParam().games));
    EXPECT_FALSE(QFile::exists(driver.home.LockFile()));
    QProcess next;
    Start(next, WINDOW_DRIVER, driver.home, { "idle" });
    EXPECT_TRUE(NextLine(next).startsWith("ready")) << "exit status " << next.exitCode();
}

INSTANTIATE_TEST_SUITE_P(, SessionEnd, EveryState, RowName);

class ClosedByWmClose : public SessionEnd { };

// Qt itself drops WM_CLOSE while a box blocks the window.
TEST_P(ClosedByWmClose, TheShutdownWritesThePositionAndTheStatisticsAndTheExitStatusIsZero)
{
    NativeDriver driver;
    ASSERT_NO_FATAL_FAILURE(driver.Start(GetParam().state));
    ASSERT_TRUE(PostMessageW(driver.window, WM_CLOSE, 0, 0));
    ASSERT_TRUE(Ended(driver.process));
    EXPECT_EQ(driver.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(driver.process.exitCode(), 0);
    EXPECT_EQ(OnDisk(driver.home), SavedOnExit(GetParam().games));
    EXPECT_FALSE(QFile::exists(driver.home.LockFile()));
}

INSTANTIATE_TEST_SUITE_P(, ClosedByWmClose, EveryState, RowName);

}
