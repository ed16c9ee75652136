#include "art/EmptySlotPicture.h"

#include "art/CardSize.h"

#include <QColor>

namespace pairfall {

namespace {

constexpr QRgb Ink = qRgb(0, 0, 0);
constexpr QRgb Field = qRgb(0, 123, 0);

// The dots sit on a sparse lattice: one family of rows every 4 pixels and
// two interleaved families every 8, each shifted sideways so that the dots
// of neighbouring dotted rows never line up.
struct DotRows {
    int firstRow;
    int rowStep;
    int firstColumn;
    int columnStep;
};

constexpr DotRows DotRowFamilies[] = {
    { 2, 4, 3, 4 },
    { 4, 8, 5, 8 },
    { 8, 8, 1, 8 },
};

}

QImage MakeEmptySlotPicture(int scale)
{
    QImage image(CardSize, QImage::Format_RGB32);
    image.fill(Field);

    const int right = CardWidth - 1;
    const int bottom = CardHeight - 1;

    for (int x = 0; x <= right; ++x) {
        image.setPixel(x, 0, Ink);
        image.setPixel(x, bottom, Ink);
    }
    for (int y = 0; y <= bottom; ++y) {
        image.setPixel(0, y, Ink);
        image.setPixel(right, y, Ink);
    }

    // Bevel each corner: clear the corner and its two edge neighbours and
    // close the frame diagonally one pixel in.
    struct Corner {
        int x, y, dx, dy; // corner pixel and the direction towards the inside
    };
    const Corner corners[] = { { 0, 0, 1, 1 }, { right, 0, -1, 1 }, { 0, bottom, 1, -1 }, { right, bottom, -1, -1 } };
    for (const Corner& c : corners) {
        image.setPixel(c.x, c.y, Field);
        image.setPixel(c.x + c.dx, c.y, Field);
        image.setPixel(c.x, c.y + c.dy, Field);
        image.setPixel(c.x + c.dx, c.y + c.dy, Ink);
    }

    for (const DotRows& rows : DotRowFamilies) {
        for (int y = rows.firstRow; y < bottom; y += rows.rowStep) {
            for (int x = rows.firstColumn; x < right; x += rows.columnStep)
                image.setPixel(x, y, Ink);
        }
    }
    // The dot pattern is designed pixel by pixel: larger, each pixel is
    // repeated rather than blurred.
    QImage scaled = image.scaled(CardSize * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(scale);
    return scaled;
}

}
