#include "art/CourtFigures.h"

#include "art/CardCanvas.h"
#include "art/Inks.h"
#include "art/Paths.h"
#include "art/SuitShape.h"
#include "game/Card.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace pairfall {

namespace {

constexpr QColor Skin { 250, 222, 186 };
constexpr QColor PanelPaper { 253, 248, 232 };
constexpr QColor WhiteFur { 252, 252, 252 };
constexpr QColor Gold { 236, 192, 64 };
constexpr QColor Steel { 214, 220, 230 };
constexpr QColor Outline { 32, 28, 36 };

struct CourtColours {
    QColor robe;
    QColor robeShade;
    QColor trim;
    QColor accent;
    QColor jewel;
};

CourtColours ColoursFor(Suit suit)
{
    if (IsRed(suit))
        return { QColor(196, 28, 40), QColor(150, 20, 30), Gold, QColor(40, 76, 168), QColor(40, 76, 168) };
    // Black suits keep to blue, black and gold: no red, as on their pips.
    return { QColor(36, 56, 120), QColor(24, 36, 80), Gold, QColor(30, 30, 34), QColor(70, 140, 220) };
}

// The framed picture; its lower half is the mirror copy of the upper.
constexpr QRectF CourtPanel(12.0, 9.0, 47.0, 78.0);

// Geometry of the half figure, in card pixels, for the upper end of the card.
constexpr qreal MidX = CardWidth / 2.0;
constexpr qreal HalfY = CardMiddleRow;
constexpr qreal HeadY = 25.0;
constexpr qreal HeadRx = 6.0;
constexpr qreal HeadRy = 7.0;
constexpr qreal NeckY = 33.0;
constexpr qreal ShoulderX = 18.5; // half the width of the shoulders
constexpr qreal StaffX = MidX + 13.5;
constexpr QPointF Hand(StaffX, 41.5);

void DrawShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 0.8)
{
    DrawOutlined(p, path, fill, QPen(Outline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Band(qreal left, qreal top, qreal right, qreal bottom)
{
    return Polygon({ { left, top }, { right, top }, { right, bottom }, { left, bottom } });
}

// Shoulders and chest, cut off where the two halves of the card meet.
QPainterPath BodyShape()
{
    QPainterPath path;
    path.moveTo(MidX - ShoulderX, HalfY + 1.0);
    path.lineTo(MidX - ShoulderX, 41.0);
    path.cubicTo(MidX - ShoulderX, 36.0, MidX - 12.0, NeckY + 0.5, MidX - 5.0, NeckY);
    path.lineTo(MidX + 5.0, NeckY);
    path.cubicTo(MidX + 12.0, NeckY + 0.5, MidX + ShoulderX, 36.0, MidX + ShoulderX, 41.0);
    path.lineTo(MidX + ShoulderX, HalfY + 1.0);
    path.closeSubpath();
    return path;
}

void DrawStaff(QPainter& p, qreal top, const QColor& colour)
{
    DrawShape(p, Band(StaffX - 0.8, top, StaffX + 0.8, HalfY + 1.0), colour, 0.5);
}

// The arm on the staff side, its hand gripping the staff in front of the body.
void DrawArm(QPainter& p, const QColor& sleeve, const QColor& staff)
{
    DrawStaff(p, NeckY, staff);
    QPainterPath arm;
    arm.moveTo(MidX + 11.0, 35.0);
    arm.quadTo(MidX + 8.5, 41.0, Hand.x() - 2.0, Hand.y() + 2.5);
    arm.lineTo(Hand.x() + 0.5, Hand.y() - 1.0);
    arm.quadTo(MidX + 13.5, 38.0, MidX + 16.5, 37.0);
    arm.closeSubpath();
    DrawShape(p, arm, sleeve, 0.6);
    DrawShape(p, Ellipse(Hand.x(), Hand.y(), 2.0, 2.0), Skin, 0.6);
}

void DrawFace(QPainter& p, const QColor& brows, bool mouth)
{
    DrawShape(p, Ellipse(MidX, HeadY, HeadRx, HeadRy), Skin, 0.7);
    const QColor eye(36, 30, 30);
    p.fillRect(QRectF(MidX - 2.5, HeadY - 0.5, 1.0, 1.5), eye);
    p.fillRect(QRectF(MidX + 1.5, HeadY - 0.5, 1.0, 1.5), eye);
    p.fillRect(QRectF(MidX - 3.5, HeadY - 2.5, 2.5, 0.8), brows);
    p.fillRect(QRectF(MidX + 1.0, HeadY - 2.5, 2.5, 0.8), brows);
    p.fillRect(QRectF(MidX - 0.5, HeadY + 1.0, 1.0, 1.5), QColor(222, 180, 150));
    if (mouth)
        p.fillRect(QRectF(MidX - 1.5, HeadY + 3.5, 3.0, 0.8), QColor(190, 120, 110));
}

void DrawKingHalf(QPainter& p, Suit suit)
{
    const CourtColours c = ColoursFor(suit);
    const QColor white(236, 236, 240);
    // Sceptre with an orb.
    DrawStaff(p, 16.0, Gold);
    DrawShape(p, Ellipse(StaffX, 14.0, 2.6, 2.6), c.jewel, 0.6);
    p.fillRect(QRectF(StaffX - 0.5, 9.5, 1.0, 2.5), Gold);
    // Robe with a jewelled gold front band and an ermine cape.
    DrawShape(p, BodyShape(), c.robe);
    DrawShape(p, Band(MidX - 2.0, NeckY, MidX + 2.0, HalfY + 1.0), c.trim, 0.5);
    for (qreal y : { 42.0, 45.5 })
        DrawShape(p, Ellipse(MidX, y, 0.9, 0.9), c.jewel, 0.4);
    QPainterPath cape = BodyShape().intersected(Band(0, 0, CardWidth, 39.5));
    DrawShape(p, cape, WhiteFur, 0.6);
    for (const QPointF& spot : { QPointF(MidX - 13.0, 37.0), QPointF(MidX - 8.0, 35.0), QPointF(MidX + 8.0, 35.0),
             QPointF(MidX + 13.0, 37.0), QPointF(MidX - 15.5, 38.5), QPointF(MidX - 4.0, 38.0),
             QPointF(MidX + 4.0, 38.0) })
        p.fillRect(QRectF(spot.x() - 0.5, spot.y() - 1.0, 1.0, 2.0), BlackInk);
    DrawArm(p, c.robeShade, Gold);
    // Long white hair, face, moustache and pointed beard.
    DrawShape(p, Ellipse(MidX, HeadY + 1.0, HeadRx + 2.0, HeadRy + 1.0), white, 0.6);
    DrawFace(p, QColor(150, 150, 160), false);
    QPainterPath beard;
    beard.moveTo(MidX - 6.0, HeadY + 0.5);
    beard.quadTo(MidX - 6.0, HeadY + 8.0, MidX, HeadY + 12.0);
    beard.quadTo(MidX + 6.0, HeadY + 8.0, MidX + 6.0, HeadY + 0.5);
    beard.quadTo(MidX + 3.0, HeadY + 5.0, MidX, HeadY + 3.0);
    beard.quadTo(MidX - 3.0, HeadY + 5.0, MidX - 6.0, HeadY + 0.5);
    DrawShape(p, beard, white, 0.6);
    // Crown of three points, each tipped with a pearl.
    const qreal base = HeadY - 4.0;
    const QPointF tips[] = { { MidX - 7.5, base - 8.0 }, { MidX, base - 9.5 }, { MidX + 7.5, base - 8.0 } };
    QPainterPath crown;
    crown.moveTo(MidX - 6.5, base);
    crown.lineTo(tips[0]);
    crown.lineTo(MidX - 3.5, base - 4.0);
    crown.lineTo(tips[1]);
    crown.lineTo(MidX + 3.5, base - 4.0);
    crown.lineTo(tips[2]);
    crown.lineTo(MidX + 6.5, base);
    crown.closeSubpath();
    DrawShape(p, crown, Gold, 0.7);
    DrawShape(p, Band(MidX - 6.5, base - 2.0, MidX + 6.5, base), c.trim, 0.5);
    DrawShape(p, Ellipse(MidX, base - 4.0, 1.4, 1.4), c.jewel, 0.5);
    for (const QPointF& tip : tips)
        DrawShape(p, Ellipse(tip.x(), tip.y(), 0.9, 0.9), WhiteFur, 0.4);
}

void DrawQueenHalf(QPainter& p, Suit suit)
{
    const CourtColours c = ColoursFor(suit);
    const QColor hair(214, 160, 64);
    const QColor stem(70, 150, 70);
    // A flower on a long stem.
    DrawStaff(p, 17.0, stem);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2.0 * std::numbers::pi / 5.0;
        DrawShape(p, Ellipse(StaffX + 2.3 * std::sin(a), 14.5 - 2.3 * std::cos(a), 1.7, 1.7), WhiteFur, 0.5);
    }
    DrawShape(p, Ellipse(StaffX, 14.5, 1.3, 1.3), Gold, 0.4);
    // Long hair falls behind the shoulders.
    QPainterPath locks;
    locks.moveTo(MidX - 7.0, HeadY - 4.0);
    locks.quadTo(MidX - 10.5, HeadY + 7.0, MidX - 9.5, 38.0);
    locks.lineTo(MidX + 9.5, 38.0);
    locks.quadTo(MidX + 10.5, HeadY + 7.0, MidX + 7.0, HeadY - 4.0);
    locks.closeSubpath();
    DrawShape(p, locks, hair, 0.6);
    // Gown with a square neckline, pearls and a gold hem.
    DrawShape(p, BodyShape(), c.robe);
    DrawShape(p, Polygon({ { MidX - 5.5, NeckY - 0.5 }, { MidX + 5.5, NeckY - 0.5 }, { MidX + 4.0, 38.0 }, { MidX - 4.0, 38.0 } }),
        Skin, 0.5);
    for (qreal dx : { -3.0, -1.0, 1.0, 3.0 })
        DrawShape(p, Ellipse(MidX + dx, 35.3 + std::abs(dx) * 0.3, 0.7, 0.7), WhiteFur, 0.3);
    DrawShape(p, Band(MidX - ShoulderX, 42.0, MidX + ShoulderX, 44.0), c.trim, 0.5);
    DrawShape(p, Band(MidX - 4.0, 38.0, MidX + 4.0, 42.0), c.accent, 0.5);
    DrawArm(p, c.robeShade, stem);
    DrawFace(p, QColor(150, 100, 40), true);
    // Hair parted over the forehead.
    QPainterPath fringe;
    fringe.moveTo(MidX - 6.2, HeadY + 1.0);
    fringe.quadTo(MidX - 6.5, HeadY - 7.5, MidX, HeadY - 7.2);
    fringe.quadTo(MidX + 6.5, HeadY - 7.5, MidX + 6.2, HeadY + 1.0);
    fringe.quadTo(MidX + 4.5, HeadY - 4.0, MidX, HeadY - 4.0);
    fringe.quadTo(MidX - 4.5, HeadY - 4.0, MidX - 6.2, HeadY + 1.0);
    DrawShape(p, fringe, hair, 0.5);
    // A low crown of arches topped with pearls.
    const qreal base = HeadY - 5.5;
    QPainterPath tiara;
    tiara.moveTo(MidX - 5.5, base);
    tiara.lineTo(MidX - 6.0, base - 3.0);
    tiara.quadTo(MidX - 3.0, base - 6.5, MidX, base - 4.0);
    tiara.quadTo(MidX + 3.0, base - 6.5, MidX + 6.0, base - 3.0);
    tiara.lineTo(MidX + 5.5, base);
    tiara.closeSubpath();
    DrawShape(p, tiara, Gold, 0.6);
    DrawShape(p, Ellipse(MidX, base - 5.2, 1.3, 1.3), c.jewel, 0.4);
    for (qreal dx : { -6.0, 6.0 })
        DrawShape(p, Ellipse(MidX + dx, base - 3.8, 1.0, 1.0), WhiteFur, 0.4);
}

void DrawJackHalf(QPainter& p, Suit suit)
{
    const CourtColours c = ColoursFor(suit);
    const QColor hair(120, 76, 40);
    const QColor shaft(150, 104, 56);
    // Halberd.
    DrawStaff(p, 12.0, shaft);
    QPainterPath axe;
    axe.moveTo(StaffX, 9.5);
    axe.lineTo(StaffX + 1.2, 13.0);
    axe.quadTo(StaffX + 5.0, 13.0, StaffX + 5.5, 18.0);
    axe.quadTo(StaffX + 3.0, 17.0, StaffX + 0.8, 17.5);
    axe.lineTo(StaffX - 2.5, 15.5);
    axe.lineTo(StaffX - 1.0, 13.0);
    axe.closeSubpath();
    DrawShape(p, axe, Steel, 0.6);
    // Tunic in two halves with a gold collar and belt.
    DrawShape(p, BodyShape(), c.robe);
    DrawShape(p, BodyShape().intersected(Band(MidX, 0, CardWidth, CardHeight)), c.accent, 0.6);
    DrawShape(p, Band(MidX - ShoulderX, 44.5, MidX + ShoulderX, 46.5), c.trim, 0.5);
    DrawShape(p, Polygon({ { MidX - 6.0, NeckY - 0.5 }, { MidX + 6.0, NeckY - 0.5 }, { MidX + 3.5, 37.5 }, { MidX - 3.5, 37.5 } }),
        c.trim, 0.5);
    DrawArm(p, c.robeShade, shaft);
    // Short curled hair, face.
    DrawShape(p, Ellipse(MidX, HeadY + 1.5, HeadRx + 1.5, HeadRy - 0.5), hair, 0.6);
    DrawFace(p, hair, true);
    // Floppy cap with a feather sweeping back.
    QPainterPath feather;
    feather.moveTo(MidX - 2.0, HeadY - 8.0);
    feather.cubicTo(MidX - 5.0, HeadY - 15.0, MidX - 10.0, HeadY - 15.0, MidX - 11.5, HeadY - 11.0);
    feather.cubicTo(MidX - 8.5, HeadY - 12.5, MidX - 5.5, HeadY - 11.0, MidX - 3.5, HeadY - 6.5);
    feather.closeSubpath();
    DrawShape(p, feather, WhiteFur, 0.5);
    QPainterPath cap;
    cap.moveTo(MidX - 7.5, HeadY - 3.0);
    cap.cubicTo(MidX - 8.5, HeadY - 11.0, MidX + 6.0, HeadY - 13.0, MidX + 9.0, HeadY - 5.0);
    cap.quadTo(MidX, HeadY - 6.5, MidX - 7.5, HeadY - 3.0);
    cap.closeSubpath();
    DrawShape(p, cap, c.accent, 0.6);
    DrawShape(p, Polygon({ { MidX - 7.5, HeadY - 3.5 }, { MidX + 9.0, HeadY - 5.5 }, { MidX + 9.0, HeadY - 3.8 }, { MidX - 7.5, HeadY - 1.8 } }),
        c.trim, 0.5);
}

}

void DrawCourtHalf(QPainter& p, int rank, Suit suit)
{
    const QRectF upperPanel(CourtPanel.left(), CourtPanel.top(), CourtPanel.width(), HalfY - CourtPanel.top());
    p.fillRect(upperPanel, PanelPaper);
    p.save();
    p.setClipRect(upperPanel.adjusted(1.0, 1.0, -1.0, -1.0));
    switch (rank) {
    case King:
        DrawKingHalf(p, suit);
        break;
    case Queen:
        DrawQueenHalf(p, suit);
        break;
    default:
        DrawJackHalf(p, suit);
        break;
    }
    p.restore();
    const QRectF pipBox(CourtPanel.left() + 2.5, CourtPanel.top() + 2.5, 8.0, 9.0);
    p.fillPath(SuitShape(suit, pipBox), SuitInk(suit));
    // Frame; its bottom row, doubled by the mirror copy, divides the halves.
    p.setPen(QPen(SuitInk(suit), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(upperPanel.adjusted(0.5, 0.5, -0.5, -0.5));
}

}
