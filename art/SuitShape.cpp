#include "art/SuitShape.h"

#include "art/Paths.h"

namespace pairfall {

namespace {

// Maps unit coordinates (0..1 across the box) into the box.
class UnitBox {
public:
    explicit UnitBox(const QRectF& box)
        : m_box(box)
    {
    }
    QPointF operator()(qreal ux, qreal uy) const
    {
        return { m_box.left() + ux * m_box.width(), m_box.top() + uy * m_box.height() };
    }
    qreal Width(qreal u) const { return u * m_box.width(); }

private:
    QRectF m_box;
};

QPainterPath HeartShape(const QRectF& box)
{
    const UnitBox p(box);
    QPainterPath path;
    path.moveTo(p(0.5, 0.24));
    path.cubicTo(p(0.44, 0.06), p(0.28, 0.0), p(0.18, 0.02));
    path.cubicTo(p(0.05, 0.05), p(0.0, 0.17), p(0.0, 0.30));
    path.cubicTo(p(0.0, 0.55), p(0.30, 0.70), p(0.5, 1.0));
    path.cubicTo(p(0.70, 0.70), p(1.0, 0.55), p(1.0, 0.30));
    path.cubicTo(p(1.0, 0.17), p(0.95, 0.05), p(0.82, 0.02));
    path.cubicTo(p(0.72, 0.0), p(0.56, 0.06), p(0.5, 0.24));
    path.closeSubpath();
    return path;
}

QPainterPath DiamondShape(const QRectF& box)
{
    const UnitBox p(box);
    QPainterPath path;
    // Slightly hollow sides, as printed diamonds have.
    path.moveTo(p(0.5, 0.0));
    path.quadTo(p(0.68, 0.27), p(0.94, 0.5));
    path.quadTo(p(0.68, 0.73), p(0.5, 1.0));
    path.quadTo(p(0.32, 0.73), p(0.06, 0.5));
    path.quadTo(p(0.32, 0.27), p(0.5, 0.0));
    path.closeSubpath();
    return path;
}

// The flared foot shared by spades and clubs.
QPainterPath StemShape(const QRectF& box, qreal top)
{
    const UnitBox p(box);
    QPainterPath path;
    path.moveTo(p(0.46, top));
    path.lineTo(p(0.54, top));
    path.quadTo(p(0.56, 0.88), p(0.76, 1.0));
    path.lineTo(p(0.24, 1.0));
    path.quadTo(p(0.44, 0.88), p(0.46, top));
    path.closeSubpath();
    return path;
}

QPainterPath SpadeShape(const QRectF& box)
{
    const UnitBox p(box);
    QPainterPath blade;
    blade.moveTo(p(0.5, 0.0));
    blade.cubicTo(p(0.62, 0.16), p(1.0, 0.34), p(1.0, 0.56));
    blade.cubicTo(p(1.0, 0.70), p(0.90, 0.78), p(0.77, 0.78));
    blade.cubicTo(p(0.66, 0.78), p(0.56, 0.72), p(0.5, 0.64));
    blade.cubicTo(p(0.44, 0.72), p(0.34, 0.78), p(0.23, 0.78));
    blade.cubicTo(p(0.10, 0.78), p(0.0, 0.70), p(0.0, 0.56));
    blade.cubicTo(p(0.0, 0.34), p(0.38, 0.16), p(0.5, 0.0));
    blade.closeSubpath();
    return blade.united(StemShape(box, 0.62));
}

QPainterPath ClubShape(const QRectF& box)
{
    const UnitBox p(box);
    // Leaves are true circles sized by the box width, whatever its height.
    const qreal r = p.Width(0.235);
    const qreal sideY = p(0, 0.57).y();
    const QPointF middle = p(0.5, 0.5);
    const qreal middleR = p.Width(0.14);
    return Ellipse(p(0.5, 0).x(), box.top() + r, r, r)
        .united(Ellipse(box.left() + r, sideY, r, r))
        .united(Ellipse(box.right() - r, sideY, r, r))
        .united(Ellipse(middle.x(), middle.y(), middleR, middleR)) // closes the gap between the leaves
        .united(StemShape(box, 0.55));
}

}

QPainterPath SuitShape(Suit suit, QRectF box)
{
    QPainterPath path;
    switch (suit) {
    case Suit::Clubs:
        path = ClubShape(box);
        break;
    case Suit::Diamonds:
        path = DiamondShape(box);
        break;
    case Suit::Hearts:
        path = HeartShape(box);
        break;
    case Suit::Spades:
        path = SpadeShape(box);
        break;
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

}
