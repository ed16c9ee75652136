#pragma once

#include "game/RuntimeError.h"

#include <QImage>

#include <optional>
#include <string>

namespace pairfall {

struct LoadedPicture {
    QImage image;
    // Set when a file could not be used; it names the file.
    std::optional<RuntimeError> problem;
};

// The card a picture file stands for, by its name ("7.bmp" is card 7); 0 for
// the empty-slot picture or any other file.
int CardIdOfPicture(const std::string& path);

// The picture set a screen of this device-pixel ratio needs: the double-size
// one above 1, the designed one otherwise.
int PictureScaleFor(qreal ratio);

// Reads a slot picture, which must be a BMP file.  A picture that is missing
// or unreadable gives a stand-in that still shows what the file stands for:
// the card named by the file's number, or an empty slot.  Above ratio 1 the
// double-size partner (7@2x.bmp for 7.bmp, twice CardSize) is read instead
// when there is one; a partner that cannot be used is reported and the
// designed picture shown.
LoadedPicture LoadSlotPicture(const std::string& path, qreal ratio = 1);

}
