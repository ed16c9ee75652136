#include "game/PicturePath.h"

#include "game/Utf8Path.h"

namespace pairfall {

std::string PicturePath(const std::string& programFolder, Int16 id)
{
    std::filesystem::path path = PathFromUtf8(programFolder);
    path /= PicturesFolderName;
    path /= std::to_string(id) + ".bmp";
    // Qt reports the folder with forward slashes on Windows too: one kind of
    // separator throughout, the platform's own.
    path.make_preferred();
    return Utf8FromPath(path);
}

}
