// The help viewer's call without Qt, on Windows.
#include "game/RuntimeError.h"
#include "platform/WinHelp.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace pairfall::testing {

// The error the help command reports.
template<typename F>
RuntimeError ErrorThrown(F f)
{
    try {
        f();
    } catch (const RuntimeError& error) {
        return error;
    }
    return RuntimeError(RuntimeError::Kind::Overflow, { "no error" });
}

const std::vector<std::string> MissingFunction { "WinHelpZ", "user32" };

TEST(WinHelpA, AMissingFunctionIsReportedByNameNotCalled)
{
    const RuntimeError error = ErrorThrown([] { OpenWinHelp(0, "C:\\Help\\pairfall.hlp", 3, "user32", "WinHelpZ"); });
    EXPECT_EQ(error.kind(), RuntimeError::Kind::HelpViewerNotFound);
    EXPECT_EQ(error.fields(), MissingFunction);
}

// WinHelpA takes a single-byte path: the UTF-8 text is converted, as Qt's
// toLocal8Bit did, so "für" reaches it as the one byte 0xFC of code page 1252.
TEST(WinHelpA, ThePathGoesInTheAnsiCodePage)
{
    ASSERT_EQ(GetACP(), 1252u) << "this test needs code page 1252 (Wine gives it with LC_ALL=C.UTF-8, as scripts/test-windows sets)";
    EXPECT_EQ(ToAnsiCodePage("C:\\Spiele\\Hilfe f\xC3\xBCr Zwei.hlp"), "C:\\Spiele\\Hilfe f\xFCr Zwei.hlp");
    EXPECT_EQ(ToAnsiCodePage("\xE2\x99\xA0.hlp"), "?.hlp"); // the spade sign has no place there
}

}
