#include "game/PicturePath.h"

#include <filesystem>

namespace pairfall {

std::string PicturePath(const std::string& programFolder, Int16 id)
{
    std::filesystem::path path(programFolder);
    path /= PicturesFolderName;
    path /= std::to_string(id) + ".bmp";
    return path.string();
}

}
