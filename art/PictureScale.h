#pragma once

#include <QString>

// Every picture file comes in two sizes: as designed for 96 dpi, and at
// twice that size for high-DPI screens.
namespace pairfall {

inline constexpr int PictureScales[] = { 1, 2 };

// The file of the picture at path drawn at scale times its size sits beside
// it, named as Qt names a high-DPI partner: 7.bmp at scale 2 is 7@2x.bmp.
// At scale 1 it is the path itself.
QString ScaledPicturePath(const QString& path, int scale);

}
