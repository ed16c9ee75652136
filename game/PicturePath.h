#pragma once

#include "game/Numbers.h"

#include <string>

namespace pairfall {

inline constexpr const char* PicturesFolderName = "pictures";
inline constexpr Int16 EmptySlotPictureId = 69;

// <programFolder>/pictures/<id>.bmp with the platform's separator; a folder
// that already ends in a separator (a drive's root) does not get a second one.
// Both paths are UTF-8.
std::string PicturePath(const std::string& programFolder, Int16 id);

}
