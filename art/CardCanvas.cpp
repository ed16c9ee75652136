#include "art/CardCanvas.h"

#include "art/Inks.h"
#include "art/TableGreen.h"
#include "game/Card.h"

#include <QPainter>

namespace pairfall {

namespace {

constexpr qreal CornerRadius = 4.0;

}

CardToPaint BeginCard(int id, int scale)
{
    Q_ASSERT(IsCardId(id));
    return { SuitOfCard(id), CardValue(static_cast<Int16>(id)), BlankCard(scale) };
}

QImage BlankCard(int scale)
{
    QImage canvas(CardSize * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(scale);
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
    const int width = canvas.width();
    const int height = canvas.height();
    for (int y = height / 2; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            canvas.setPixel(x, y, canvas.pixel(width - 1 - x, height - 1 - y));
    }
}

QImage Opaque(const QImage& canvas)
{
    return canvas.convertToFormat(QImage::Format_RGB32);
}

}
