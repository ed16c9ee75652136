#include "art/StandIn.h"

#include "art/CardCanvas.h"
#include "art/CardNames.h"
#include "art/Inks.h"
#include "art/PixelFont.h"
#include "art/SuitShape.h"
#include "game/Card.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace pairfall {

QImage PaintStandIn(int id, int scale)
{
    auto [suit, rank, canvas] = BeginCard(id, scale);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);

    // A dashed warning frame sets it apart from any real card face.
    QPen dashed(RedInk, 1.0, Qt::CustomDashLine);
    dashed.setDashPattern({ 3.0, 2.0 });
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, CardWidth - 7.0, CardHeight - 7.0), 2.0, 2.0);

    // The card's name, large: the corner index doubled, above a suit symbol.
    const QString text = RankIndex(rank);
    const int textScale = 2;
    const int width = PixelTextWidth(text, textScale);
    DrawPixelText(p, text, QPoint((CardWidth - width) / 2, 14), textScale, SuitInk(suit));
    p.fillPath(SuitShape(suit, QRectF(CardWidth / 2.0 - 9.0, 38.0, 18.0, 20.0)), SuitInk(suit));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(QColor(96, 96, 96));
    //: Written in two short lines on the grey card drawn for a missing card picture: 63 pixels wide, 8 pixels high.
    p.drawText(QRectF(4.0, 64.0, CardWidth - 8.0, 22.0), Qt::AlignCenter, QCoreApplication::translate("StandIn", "missing\npicture"));
    p.end();
    return Opaque(canvas);
}

}
