#include "art/CardFaces.h"

#include <QStringList>

#include <array>

namespace {

// Each run of 13 ids is one suit, in this order.
constexpr std::array<Suit, 4> kSuitOfRun = { Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades };

// Maps unit coordinates (0..1 across the box) into the box.
class UnitBox {
public:
    explicit UnitBox(const QRectF& box)
        : box_(box)
    {
    }
    QPointF operator()(qreal ux, qreal uy) const
    {
        return { box_.left() + ux * box_.width(), box_.top() + uy * box_.height() };
    }
    qreal w(qreal u) const { return u * box_.width(); }

private:
    QRectF box_;
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
    const qreal r = p.w(0.235);
    auto leaf = [](QPointF centre, qreal radius) {
        QPainterPath c;
        c.addEllipse(centre, radius, radius);
        return c;
    };
    const qreal sideY = p(0, 0.57).y();
    return leaf({ p(0.5, 0).x(), box.top() + r }, r)
        .united(leaf({ box.left() + r, sideY }, r))
        .united(leaf({ box.right() - r, sideY }, r))
        .united(leaf(p(0.5, 0.5), p.w(0.14))) // closes the gap between the leaves
        .united(StemShape(box, 0.55));
}

} // namespace

bool IsValidCardId(int id)
{
    return id >= kFirstCardId && id <= kLastCardId;
}

Suit SuitOfCard(int id)
{
    Q_ASSERT(IsValidCardId(id));
    return kSuitOfRun.at(static_cast<std::size_t>((id - 1) / kRanksPerSuit));
}

int RankOfCard(int id)
{
    Q_ASSERT(IsValidCardId(id));
    return (id - 1) % kRanksPerSuit + 1;
}

QString RankIndex(int rank)
{
    switch (rank) {
    case kAce:
        return QStringLiteral("A");
    case kJack:
        return QStringLiteral("J");
    case kQueen:
        return QStringLiteral("Q");
    case kKing:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

QString RankName(int rank)
{
    static const QStringList kNames = {
        QStringLiteral("Ace"), QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four"),
        QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven"), QStringLiteral("Eight"),
        QStringLiteral("Nine"), QStringLiteral("Ten"), QStringLiteral("Jack"), QStringLiteral("Queen"),
        QStringLiteral("King")
    };
    Q_ASSERT(rank >= kAce && rank <= kKing);
    return kNames.at(rank - 1);
}

QString SuitName(Suit suit)
{
    switch (suit) {
    case Suit::Clubs:
        return QStringLiteral("Clubs");
    case Suit::Diamonds:
        return QStringLiteral("Diamonds");
    case Suit::Hearts:
        return QStringLiteral("Hearts");
    case Suit::Spades:
        return QStringLiteral("Spades");
    }
    return {};
}

QString CardName(int id)
{
    return QStringLiteral("%1 of %2").arg(RankName(RankOfCard(id)), SuitName(SuitOfCard(id)));
}

bool IsRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
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
