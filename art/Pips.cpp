#include "art/Pips.h"

#include "art/CardSize.h"
#include "art/Inks.h"
#include "art/SuitShape.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pairfall {

namespace {

// Pips are 11 x 12 and sit on three columns and on rows spread between the
// top and bottom pip centres.
constexpr qreal PipWidth = 11.0;
constexpr qreal PipHeight = 12.0;
constexpr qreal PipColumnX[3] = { 21.5, 35.5, 49.5 };
constexpr qreal PipTopCentreY = 14.0;
constexpr qreal PipBottomCentreY = 82.0;

constexpr QRectF AcePipBox(22.0, 33.0, 27.0, 30.0);
// The Ace of Spades traditionally carries the largest, framed pip.
constexpr QRectF AceOfSpadesPipBox(19.0, 29.0, 33.0, 38.0);

struct PipSpot {
    int column; // 0 left, 1 centre, 2 right
    qreal t; // 0 at the top pip row, 1 at the bottom one
};

std::vector<PipSpot> PipLayout(int rank)
{
    constexpr PipSpot topLeft { 0, 0.0 };
    constexpr PipSpot topRight { 2, 0.0 };
    constexpr PipSpot bottomLeft { 0, 1.0 };
    constexpr PipSpot bottomRight { 2, 1.0 };
    constexpr qreal third = 1.0 / 3.0;
    switch (rank) {
    case 2:
        return { { 1, 0.0 }, { 1, 1.0 } };
    case 3:
        return { { 1, 0.0 }, { 1, 0.5 }, { 1, 1.0 } };
    case 4:
        return { topLeft, topRight, bottomLeft, bottomRight };
    case 5:
        return { topLeft, topRight, bottomLeft, bottomRight, { 1, 0.5 } };
    case 6:
        return { topLeft, topRight, bottomLeft, bottomRight, { 0, 0.5 }, { 2, 0.5 } };
    case 7:
        return { topLeft, topRight, bottomLeft, bottomRight, { 0, 0.5 }, { 2, 0.5 }, { 1, 0.25 } };
    case 8:
        return { topLeft, topRight, bottomLeft, bottomRight, { 0, 0.5 }, { 2, 0.5 }, { 1, 0.25 }, { 1, 0.75 } };
    case 9:
        return { topLeft, topRight, bottomLeft, bottomRight, { 0, third }, { 2, third }, { 0, 2 * third }, { 2, 2 * third }, { 1, 0.5 } };
    case 10:
        return { topLeft, topRight, bottomLeft, bottomRight, { 0, third }, { 2, third }, { 0, 2 * third }, { 2, 2 * third }, { 1, third / 2 }, { 1, 1 - third / 2 } };
    default:
        return {};
    }
}

// pixelRatio is how many canvas pixels a card pixel spans.
QRectF PipBox(int column, qreal t, qreal pixelRatio)
{
    const qreal centreY = PipTopCentreY + t * (PipBottomCentreY - PipTopCentreY);
    // Edges on whole canvas pixels keep the pips sharp and both halves
    // pixel-identical.
    const qreal top = std::round((centreY - PipHeight / 2.0) * pixelRatio) / pixelRatio;
    return { PipColumnX[column] - PipWidth / 2.0, top, PipWidth, PipHeight };
}

bool HasTurnedTwin(const std::vector<PipSpot>& layout, const PipSpot& spot)
{
    return std::any_of(layout.begin(), layout.end(), [&](const PipSpot& other) {
        return other.column == 2 - spot.column && std::abs(other.t - (1.0 - spot.t)) < 1e-9;
    });
}

bool PaintedBeforeMirror(const std::vector<PipSpot>& layout, const PipSpot& spot)
{
    return spot.t < 0.5 && HasTurnedTwin(layout, spot);
}

bool MadeByMirror(const std::vector<PipSpot>& layout, const PipSpot& spot)
{
    return spot.t > 0.5 && HasTurnedTwin(layout, spot);
}

void DrawPip(QPainter& p, const PipSpot& spot, Suit suit)
{
    const qreal pixelRatio = p.device()->devicePixelRatio();
    if (spot.t <= 0.5) {
        p.fillPath(SuitShape(suit, PipBox(spot.column, spot.t, pixelRatio)), SuitInk(suit));
        return;
    }
    // Upside down: its upright twin, turned about the card centre.
    p.save();
    p.translate(CardWidth, CardHeight);
    p.rotate(180.0);
    p.fillPath(SuitShape(suit, PipBox(2 - spot.column, 1.0 - spot.t, pixelRatio)), SuitInk(suit));
    p.restore();
}

}

void DrawMirroredPips(QPainter& p, int rank, Suit suit)
{
    const std::vector<PipSpot> layout = PipLayout(rank);
    for (const PipSpot& spot : layout) {
        if (PaintedBeforeMirror(layout, spot))
            DrawPip(p, spot, suit);
    }
}

void DrawOneEndedPips(QPainter& p, int rank, Suit suit)
{
    const std::vector<PipSpot> layout = PipLayout(rank);
    for (const PipSpot& spot : layout) {
        if (!PaintedBeforeMirror(layout, spot) && !MadeByMirror(layout, spot))
            DrawPip(p, spot, suit);
    }
}

void DrawAce(QPainter& p, Suit suit)
{
    if (suit != Suit::Spades) {
        p.fillPath(SuitShape(suit, AcePipBox), SuitInk(suit));
        return;
    }
    // A thin contour a little way outside the pip.
    const QPainterPath spade = SuitShape(suit, AceOfSpadesPipBox);
    auto grown = [&](qreal by) {
        QPainterPathStroker stroker;
        stroker.setWidth(2.0 * by);
        stroker.setJoinStyle(Qt::RoundJoin);
        return stroker.createStroke(spade).united(spade);
    };
    p.fillPath(grown(3.0).subtracted(grown(2.0)), SuitInk(suit));
    p.fillPath(spade, SuitInk(suit));
}

}
