// Writes the card pictures (1.bmp .. 52.bmp, 69.bmp) and the program icon
// PNGs. Usage: make_pictures <pictures-folder> <icons-folder>

#include "art/CardFaces.h"
#include "art/CardPainter.h"
#include "art/EmptySlotPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <array>
#include <string_view>

namespace {

constexpr int kEmptySlotFileNumber = 69;

bool SaveBmp(const QImage& picture, const QDir& dir, int number)
{
    const QString path = dir.filePath(QStringLiteral("%1.bmp").arg(number));
    // RGB888 is what makes the BMP writer produce 24 bits per pixel.
    if (!picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- icon

const QColor kBoxRed(178, 28, 40);
const QColor kBoxSide(122, 16, 28);
const QColor kBoxInside(60, 8, 16);
const QColor kLidInside(214, 96, 96);
const QColor kGoldTrim(240, 196, 64);
const QColor kIconOutline(40, 12, 16);
const QColor kCardWhite(255, 255, 255);
const QColor kCardEdge(150, 150, 160);
const QColor kPipRed(204, 16, 32);
const QColor kCardBack(40, 76, 168);

QPainterPath Poly(std::initializer_list<QPointF> pts, qreal s)
{
    QPainterPath path;
    bool first = true;
    for (QPointF pt : pts) {
        pt *= s;
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// The two small sizes are drawn pixel by pixel: at 16 and 32 pixels a
// scaled drawing smears, hand placed pixels stay legible. One letter per
// pixel, looked up in kIconPalette; '.' is transparent.
struct PaletteEntry {
    char key;
    QRgb colour;
};

const PaletteEntry kIconPalette[] = {
    { '.', qRgba(0, 0, 0, 0) },
    { 'k', qRgb(40, 12, 16) }, // outline
    { 'R', qRgb(178, 28, 40) }, // box front
    { 'r', qRgb(122, 16, 28) }, // box side
    { 'd', qRgb(60, 8, 16) }, // inside of the box
    { 'l', qRgb(214, 96, 96) }, // inside of the lid
    { 'Y', qRgb(240, 196, 64) }, // gold trim
    { 'W', qRgb(255, 255, 255) }, // card face, spade emblem
    { 'h', qRgb(204, 16, 32) }, // heart
    { 'B', qRgb(40, 76, 168) }, // card back
    { 'b', qRgb(120, 156, 224) }, // card back pattern
};

constexpr std::array<std::string_view, 16> kIcon16 = {
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

constexpr std::array<std::string_view, 32> kIcon32 = {
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

template<std::size_t N>
QImage IconFromPixels(const std::array<std::string_view, N>& rows)
{
    const int size = static_cast<int>(N);
    QImage image(size, size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const PaletteEntry& e : kIconPalette)
        table.append(e.colour);
    image.setColorTable(table);
    for (int y = 0; y < size; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        Q_ASSERT(row.size() == N);
        for (int x = 0; x < size; ++x) {
            int index = -1;
            for (int i = 0; i < table.size(); ++i) {
                if (kIconPalette[i].key == row[static_cast<std::size_t>(x)])
                    index = i;
            }
            Q_ASSERT(index >= 0);
            image.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return image;
}

// The card box in full colour, for the larger icon sizes.
QImage PaintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = size;
    const QPen outline(kIconOutline, std::max(1.0, s / 64.0), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
    auto shape = [&](const QPainterPath& path, const QColor& fill) {
        p.setPen(outline);
        p.setBrush(fill);
        p.drawPath(path);
    };

    // Open lid, leaning back behind the cards, with its tuck flap.
    QPainterPath tuck;
    tuck.moveTo(0.40 * s, 0.08 * s);
    tuck.quadTo(0.64 * s, -0.04 * s, 0.88 * s, 0.08 * s);
    tuck.closeSubpath();
    shape(tuck, kLidInside);
    shape(Poly({ { 0.32, 0.27 }, { 0.84, 0.27 }, { 0.89, 0.08 }, { 0.39, 0.08 } }, s), kLidInside);
    // The dark inside of the box.
    shape(Poly({ { 0.14, 0.37 }, { 0.66, 0.37 }, { 0.84, 0.27 }, { 0.32, 0.27 } }, s), kBoxInside);

    // Two cards standing in the box: one shows its back, one its face.
    auto card = [&](qreal cx, qreal angle, bool face) {
        p.save();
        p.translate(cx * s, 0.46 * s);
        p.rotate(angle);
        const QRectF r(-0.15 * s, -0.40 * s, 0.30 * s, 0.42 * s);
        p.setPen(QPen(kCardEdge, std::max(1.0, s / 64.0)));
        p.setBrush(kCardWhite);
        p.drawRoundedRect(r, 0.03 * s, 0.03 * s);
        if (face) {
            const QRectF pip(-0.08 * s, r.top() + 0.06 * s, 0.16 * s, 0.16 * s);
            p.fillPath(SuitShape(Suit::Hearts, pip), kPipRed);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(kCardBack);
            p.drawRoundedRect(r.adjusted(0.035 * s, 0.035 * s, -0.035 * s, 0), 0.015 * s, 0.015 * s);
        }
        p.restore();
    };
    card(0.38, -14.0, false);
    card(0.50, 6.0, true);

    // Side and front of the box, with a gold-ringed spade on the front.
    shape(Poly({ { 0.66, 0.37 }, { 0.84, 0.27 }, { 0.84, 0.86 }, { 0.66, 0.96 } }, s), kBoxSide);
    shape(Poly({ { 0.14, 0.37 }, { 0.66, 0.37 }, { 0.66, 0.96 }, { 0.14, 0.96 } }, s), kBoxRed);
    p.fillRect(QRectF(0.14 * s + 1, 0.415 * s, 0.52 * s - 1, s / 32.0), kGoldTrim);
    const QRectF medal(0.22 * s, 0.52 * s, 0.36 * s, 0.36 * s);
    p.setPen(QPen(kGoldTrim, s / 28.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(medal.adjusted(s / 56.0, s / 56.0, -s / 56.0, -s / 56.0));
    p.fillPath(SuitShape(Suit::Spades, medal.adjusted(0.085 * s, 0.07 * s, -0.085 * s, -0.08 * s)), kCardWhite);
    p.end();
    return image;
}

bool SavePng(const QImage& icon, const QDir& dir, int size)
{
    const QString path = dir.filePath(QStringLiteral("pairfall-%1.png").arg(size));
    if (!icon.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 3) {
        QTextStream(stderr) << "usage: make_pictures <pictures-folder> <icons-folder>\n";
        return 2;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(pictures.path()) || !QDir().mkpath(icons.path())) {
        QTextStream(stderr) << "cannot create output folders\n";
        return 1;
    }

    bool ok = true;
    for (int id = kFirstCardId; id <= kLastCardId; ++id)
        ok = SaveBmp(PaintCard(id), pictures, id) && ok;
    ok = SaveBmp(MakeEmptySlotPicture(), pictures, kEmptySlotFileNumber) && ok;
    ok = SavePng(IconFromPixels(kIcon16), icons, 16) && ok;
    ok = SavePng(IconFromPixels(kIcon32), icons, 32) && ok;
    for (int size : { 48, 64, 128, 256 })
        ok = SavePng(PaintIcon(size), icons, size) && ok;
    return ok ? 0 : 1;
}
