// The stored text forms under a Windows locale with a decimal comma.  (The
// paths Windows makes, drive letters, backslashes and non-ASCII folders, are
// the installed game's, run under Wine by tests/e2e.)
#include "GameFixture.h"
#include "game/Conversions.h"

#include <clocale>
#include <string>

namespace pairfall::testing {

// Whatever sets the C library's locale to the user's (Qt does on Unix), a
// German one writes 0,5: the stored text forms must not follow it.
TEST(WindowsTextForms, IgnoreADecimalCommaLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(SingleToText(-1.5f), "-1.5");
    EXPECT_EQ(TextToSingle("0.25"), 0.25f);
    EXPECT_EQ(TextToInt16("2.5E1"), 25);
    ExpectError([] { TextToSingle("0,25"); }, Kind::TypeMismatch);
    std::setlocale(LC_ALL, saved.c_str());
}

}
