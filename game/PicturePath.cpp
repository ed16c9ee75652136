#include "game/PicturePath.h"

#include <filesystem>

namespace pairfall {

std::string PicturePath(const std::string& programFolder, Int16 id)
{
    // Paths travel as UTF-8 text; on Windows a plain string would be taken
    // in the local code page instead.
    std::filesystem::path path(std::u8string(programFolder.begin(), programFolder.end()));
    path /= PicturesFolderName;
    path /= std::to_string(id) + ".bmp";
    // Qt reports the folder with forward slashes on Windows too: one kind of
    // separator throughout, the platform's own.
    path.make_preferred();
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}
