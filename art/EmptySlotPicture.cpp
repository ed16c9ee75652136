#include "art/EmptySlotPicture.h"

#include <QColor>

namespace {

const QRgb kInk = qRgb(0, 0, 0);
const QRgb kField = qRgb(0, 123, 0);

// The dots sit on a sparse lattice: one family of rows every 4 pixels and
// two interleaved families every 8, each shifted sideways so that the dots
// of neighbouring dotted rows never line up.
struct DotRows {
    int firstRow;
    int rowStep;
    int firstColumn;
    int columnStep;
};

constexpr DotRows kDotRows[] = {
    { 2, 4, 3, 4 },
    { 4, 8, 5, 8 },
    { 8, 8, 1, 8 },
};

} // namespace

QImage MakeEmptySlotPicture()
{
    QImage image(kEmptySlotWidth, kEmptySlotHeight, QImage::Format_RGB32);
    image.fill(kField);

    const int right = kEmptySlotWidth - 1;
    const int bottom = kEmptySlotHeight - 1;

    for (int x = 0; x <= right; ++x) {
        image.setPixel(x, 0, kInk);
        image.setPixel(x, bottom, kInk);
    }
    for (int y = 0; y <= bottom; ++y) {
        image.setPixel(0, y, kInk);
        image.setPixel(right, y, kInk);
    }

    // Bevel each corner: clear the corner and its two edge neighbours and
    // close the frame diagonally one pixel in.
    struct Corner {
        int x, y, dx, dy; // corner pixel and the direction towards the inside
    };
    const Corner corners[] = { { 0, 0, 1, 1 }, { right, 0, -1, 1 }, { 0, bottom, 1, -1 }, { right, bottom, -1, -1 } };
    for (const Corner& c : corners) {
        image.setPixel(c.x, c.y, kField);
        image.setPixel(c.x + c.dx, c.y, kField);
        image.setPixel(c.x, c.y + c.dy, kField);
        image.setPixel(c.x + c.dx, c.y + c.dy, kInk);
    }

    for (const DotRows& rows : kDotRows) {
        for (int y = rows.firstRow; y < bottom; y += rows.rowStep) {
            for (int x = rows.firstColumn; x < right; x += rows.columnStep)
                image.setPixel(x, y, kInk);
        }
    }
    return image;
}
