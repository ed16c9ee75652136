#include "art/IconArt.h"

#include "art/Inks.h"
#include "art/Paths.h"
#include "art/SuitShape.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <string_view>

namespace pairfall {

namespace {

constexpr QColor BoxRed { 178, 28, 40 };
constexpr QColor BoxSide { 122, 16, 28 };
constexpr QColor BoxInside { 60, 8, 16 };
constexpr QColor LidInside { 214, 96, 96 };
constexpr QColor GoldTrim { 240, 196, 64 };
constexpr QColor IconOutline { 40, 12, 16 };
constexpr QColor CardEdge { 150, 150, 160 };
constexpr QColor CardBack { 40, 76, 168 };
constexpr QColor CardBackPattern { 120, 156, 224 };

// One letter per pixel in the small sizes; '.' is transparent.
struct PaletteEntry {
    char key;
    QRgb colour;
};

const PaletteEntry Palette[] = {
    { '.', qRgba(0, 0, 0, 0) },
    { 'k', IconOutline.rgb() },
    { 'R', BoxRed.rgb() }, // box front
    { 'r', BoxSide.rgb() },
    { 'd', BoxInside.rgb() },
    { 'l', LidInside.rgb() },
    { 'Y', GoldTrim.rgb() },
    { 'W', FaceWhite.rgb() }, // card face, spade emblem
    { 'h', RedInk.rgb() }, // heart
    { 'B', CardBack.rgb() },
    { 'b', CardBackPattern.rgb() },
};

constexpr std::array<std::string_view, 16> Icon16 = {
    ".......kkkkkkkk.",
    ".......kllllllkk",
    ".kkkkkkkllllllkk",
    ".kBBBkkkkkkkkklk",
    ".kBbBkWhhWhhWklk",
    ".kBBbkWhhhhhWklk",
    ".kBbBkWWhhhWWkkk",
    ".kBBbkWWWhWWWkrk",
    "kkkkkkkkkkkkkrrk",
    "kRRRRRWRRRRRkrrk",
    "kRRRRWWWRRRRkrrk",
    "kRRRWWWWWRRRkrrk",
    "kRRRWWWWWRRRkrrk",
    "kRRRRRWRRRRRkrrk",
    "kRRRRWWWRRRRkrrk",
    "kkkkkkkkkkkkkrk.",
};

constexpr std::array<std::string_view, 32> Icon32 = {
    "..................kkkkkkkk......",
    "................kkllllllllkk....",
    "...............kllllllllllllk...",
    ".............kkkkkkkkkkkkkkkkkk.",
    "..kkkkkkkkkkkkkkllllllllllllllk.",
    "..kBBBBBBBBBBBBkllllllllllllllk.",
    "..kBBBbBBBkkkkkkkkkkkkkkkkllllk.",
    "..kBBbBbBbkWWWWWWWWWWWWWWkllllk.",
    "..kBbBBBbBkWWWhhWWWhhWWWWkllllk.",
    "..kBBbBbBbkWWhhhhWhhhhWWWkllllk.",
    "..kBBBbBBBkWWhhhhhhhhhWWWkllllk.",
    "..kBBbBbBbkWWhhhhhhhhhWWWkddddk.",
    "..kBbBBBbBkWWWhhhhhhhWWWWkdddkk.",
    "..kBBbBbBbkWWWWhhhhhWWWWWkdkkrk.",
    "..kBBBbBBBkWWWWWhhhWWWWWWkkrrrk.",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkrrrrk.",
    "kRRRRRRRRRRRRRRRRRRRRRRRkrrrrrk.",
    "kYYYYYYYYYYYYYYYYYYYYYYYkrrrrrk.",
    "kRRRRRRRRRRRRRRRRRRRRRRRkrrrrrk.",
    "kRRRRRRRRRYYYYYRRRRRRRRRkrrrrrk.",
    "kRRRRRRRRYRRWRRYRRRRRRRRkrrrrrk.",
    "kRRRRRRRYRRWWWRRYRRRRRRRkrrrrrk.",
    "kRRRRRRYRRWWWWWRRYRRRRRRkrrrrrk.",
    "kRRRRRRYRWWWWWWWRYRRRRRRkrrrrrk.",
    "kRRRRRRYRWWWWWWWRYRRRRRRkrrrrrk.",
    "kRRRRRRYRRWWRWWRRYRRRRRRkrrrrrk.",
    "kRRRRRRYRRRRWRRRRYRRRRRRkrrrrrk.",
    "kRRRRRRRYRRWWWRRYRRRRRRRkrrrrrk.",
    "kRRRRRRRRYRRRRRYRRRRRRRRkrrrrk..",
    "kRRRRRRRRRYYYYYRRRRRRRRRkrrkk...",
    "kRRRRRRRRRRRRRRRRRRRRRRRkrk.....",
    "kkkkkkkkkkkkkkkkkkkkkkkkkk......",
};

uint PaletteIndex(char key)
{
    const auto entry = std::find_if(std::begin(Palette), std::end(Palette), [key](const PaletteEntry& e) { return e.key == key; });
    Q_ASSERT(entry != std::end(Palette));
    return static_cast<uint>(entry - std::begin(Palette));
}

template<std::size_t N>
QImage IconFromPixels(const std::array<std::string_view, N>& rows)
{
    const int size = static_cast<int>(N);
    QImage image(size, size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const PaletteEntry& entry : Palette)
        table.append(entry.colour);
    image.setColorTable(table);
    for (int y = 0; y < size; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        Q_ASSERT(row.size() == N);
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, PaletteIndex(row[static_cast<std::size_t>(x)]));
    }
    return image;
}

// The closed outline through points given in fractions of the icon size s.
QPainterPath ScaledPolygon(std::initializer_list<QPointF> points, qreal s)
{
    return QTransform::fromScale(s, s).map(Polygon(points));
}

// The card box in full colour, for the larger sizes.
QImage PaintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = size;
    const QPen outline(IconOutline, std::max(1.0, s / 64.0), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);

    // Open lid, leaning back behind the cards, with its tuck flap.
    QPainterPath tuck;
    tuck.moveTo(0.40 * s, 0.08 * s);
    tuck.quadTo(0.64 * s, -0.04 * s, 0.88 * s, 0.08 * s);
    tuck.closeSubpath();
    DrawOutlined(p, tuck, LidInside, outline);
    DrawOutlined(p, ScaledPolygon({ { 0.32, 0.27 }, { 0.84, 0.27 }, { 0.89, 0.08 }, { 0.39, 0.08 } }, s), LidInside, outline);
    // The dark inside of the box.
    DrawOutlined(p, ScaledPolygon({ { 0.14, 0.37 }, { 0.66, 0.37 }, { 0.84, 0.27 }, { 0.32, 0.27 } }, s), BoxInside, outline);

    // Two cards standing in the box: one shows its back, one its face.
    auto card = [&](qreal cx, qreal angle, bool face) {
        p.save();
        p.translate(cx * s, 0.46 * s);
        p.rotate(angle);
        const QRectF r(-0.15 * s, -0.40 * s, 0.30 * s, 0.42 * s);
        p.setPen(QPen(CardEdge, std::max(1.0, s / 64.0)));
        p.setBrush(FaceWhite);
        p.drawRoundedRect(r, 0.03 * s, 0.03 * s);
        if (face) {
            const QRectF pip(-0.08 * s, r.top() + 0.06 * s, 0.16 * s, 0.16 * s);
            p.fillPath(SuitShape(Suit::Hearts, pip), RedInk);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(CardBack);
            p.drawRoundedRect(r.adjusted(0.035 * s, 0.035 * s, -0.035 * s, 0), 0.015 * s, 0.015 * s);
        }
        p.restore();
    };
    card(0.38, -14.0, false);
    card(0.50, 6.0, true);

    // Side and front of the box, with a gold-ringed spade on the front.
    DrawOutlined(p, ScaledPolygon({ { 0.66, 0.37 }, { 0.84, 0.27 }, { 0.84, 0.86 }, { 0.66, 0.96 } }, s), BoxSide, outline);
    DrawOutlined(p, ScaledPolygon({ { 0.14, 0.37 }, { 0.66, 0.37 }, { 0.66, 0.96 }, { 0.14, 0.96 } }, s), BoxRed, outline);
    p.fillRect(QRectF(0.14 * s + 1, 0.415 * s, 0.52 * s - 1, s / 32.0), GoldTrim);
    const QRectF medal(0.22 * s, 0.52 * s, 0.36 * s, 0.36 * s);
    p.setPen(QPen(GoldTrim, s / 28.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(medal.adjusted(s / 56.0, s / 56.0, -s / 56.0, -s / 56.0));
    p.fillPath(SuitShape(Suit::Spades, medal.adjusted(0.085 * s, 0.07 * s, -0.085 * s, -0.08 * s)), FaceWhite);
    p.end();
    return image;
}

}

QImage DrawProgramIcon(int size)
{
    if (size == 16)
        return IconFromPixels(Icon16);
    if (size == 32)
        return IconFromPixels(Icon32);
    return PaintIcon(size);
}

}
