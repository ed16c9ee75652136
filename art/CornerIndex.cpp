#include "art/CornerIndex.h"

#include "art/CardNames.h"
#include "art/Inks.h"
#include "art/PixelFont.h"
#include "art/SuitShape.h"

#include <QPainter>

#include <algorithm>

namespace pairfall {

namespace {

// Rank and suit are centred on one column.
constexpr qreal CentreX = 6.0;
constexpr int MinLeft = 2; // keeps a wide "10" clear of the border
constexpr int Top = 4;
constexpr QRectF SuitBox(2.5, 15.0, 7.0, 8.0);

}

void DrawCornerIndex(QPainter& p, int rank, Suit suit)
{
    const QString text = RankIndex(rank);
    const int width = PixelTextWidth(text, 1);
    const int left = std::max(MinLeft, qRound(CentreX - width / 2.0));
    DrawPixelText(p, text, QPoint(left, Top), 1, SuitInk(suit));
    p.fillPath(SuitShape(suit, SuitBox), SuitInk(suit));
}

}
