#include "art/CardCanvas.h"

#include "art/Inks.h"
#include "art/TableGreen.h"

#include <QPainter>

namespace pairfall {

namespace {

constexpr qreal CornerRadius = 4.0;

}

QImage BlankCard()
{
    QImage canvas(CardSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(TableGreen);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(BorderInk, 1.0));
    p.setBrush(FaceWhite);
    p.drawRoundedRect(QRectF(0.5, 0.5, CardWidth - 1.0, CardHeight - 1.0), CornerRadius, CornerRadius);
    return canvas;
}

void MirrorUpperHalf(QImage& canvas)
{
    for (int y = CardMiddleRow; y < CardHeight; ++y) {
        for (int x = 0; x < CardWidth; ++x)
            canvas.setPixel(x, y, canvas.pixel(CardWidth - 1 - x, CardHeight - 1 - y));
    }
}

QImage Opaque(const QImage& canvas)
{
    return canvas.convertToFormat(QImage::Format_RGB32);
}

}
