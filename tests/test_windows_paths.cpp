// Paths and text forms as Windows makes them: drive letters, backslashes,
// non-ASCII folder names, a locale with a decimal comma.
#include "GameFixture.h"
#include "game/Conversions.h"
#include "game/PicturePath.h"
#include "game/Utf8Path.h"

#include <clocale>
#include <filesystem>
#include <fstream>
#include <string>

namespace pairfall::testing {

namespace fs = std::filesystem;

TEST(WindowsPaths, APictureIsInThePicturesFolderBehindOneBackslash)
{
    EXPECT_EQ(PicturePath("C:\\Games\\Pairfall", 7), "C:\\Games\\Pairfall\\pictures\\7.bmp");
    EXPECT_EQ(PicturePath("C:\\Games\\Pairfall\\", 52), "C:\\Games\\Pairfall\\pictures\\52.bmp");
    EXPECT_EQ(PicturePath("D:\\", 69), "D:\\pictures\\69.bmp");
}

// Qt reports the program's folder with forward slashes.
TEST(WindowsPaths, AFolderAsQtReportsItGetsBackslashesThroughout)
{
    EXPECT_EQ(PicturePath("C:/Games/Pairfall", 7), "C:\\Games\\Pairfall\\pictures\\7.bmp");
    EXPECT_EQ(PicturePath("D:/", 69), "D:\\pictures\\69.bmp");
}

// The folder is made for the test, under Wine's temporary folder; the path
// is opened as Qt opens it, the UTF-8 text read into wide characters.
TEST(WindowsPaths, AFolderWithNonAsciiLettersGivesAPathThatOpensThePicture)
{
    const std::string folder = Utf8FromPath(fs::temp_directory_path() / PathFromUtf8("Kartenspiel f\xC3\xBCr Zwei"));
    fs::create_directories(PathFromUtf8(folder) / "pictures");
    std::ofstream(PathFromUtf8(folder) / "pictures" / "7.bmp") << "BM seven";

    const std::string path = PicturePath(folder, 7);
    EXPECT_EQ(path, folder + "\\pictures\\7.bmp");
    std::ifstream file(PathFromUtf8(path));
    std::string text;
    std::getline(file, text);
    EXPECT_EQ(text, "BM seven") << path;
    file.close();
    fs::remove_all(PathFromUtf8(folder));
}

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
