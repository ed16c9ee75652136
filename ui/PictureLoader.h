#pragma once

#include <QImage>

#include <optional>
#include <string>

namespace pairfall {

struct LoadedPicture {
    QImage image;
    // Set when the file could not be used; image is then a stand-in.
    std::optional<std::string> problem;
};

// The card a picture file stands for, by its name ("7.bmp" is card 7); 0 for
// the empty-slot picture or any other file.
int CardIdOfPicture(const std::string& path);

// Reads a slot picture, which must be a BMP file.  A picture that is missing
// or unreadable gives a stand-in that still shows what the file stands for:
// the card named by the file's number, or an empty slot.
LoadedPicture LoadSlotPicture(const std::string& path);

}
