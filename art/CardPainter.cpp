#include "art/CardPainter.h"

#include "art/CardCanvas.h"
#include "art/CornerIndex.h"
#include "art/CourtFigures.h"
#include "art/Pips.h"
#include "art/Suit.h"
#include "game/Card.h"

#include <QPainter>

namespace pairfall {

QImage PaintCard(int id, int scale)
{
    auto [suit, rank, canvas] = BeginCard(id, scale);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, true);
        DrawCornerIndex(p, rank, suit);
        if (rank >= Jack)
            DrawCourtHalf(p, rank, suit);
        else
            DrawMirroredPips(p, rank, suit);
    }
    MirrorUpperHalf(canvas);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (rank == Ace)
            DrawAce(p, suit);
        else
            DrawOneEndedPips(p, rank, suit);
    }
    return Opaque(canvas);
}

}
