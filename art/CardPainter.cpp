#include "art/CardPainter.h"

#include "art/CardFaces.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

// ---------------------------------------------------------------- colours

const QColor kFaceWhite(255, 255, 255);
const QColor kBorderInk(28, 28, 28);
const QColor kRedInk(204, 16, 32);
const QColor kBlackInk(20, 20, 20);
const QColor kOutline(32, 28, 36);

QColor SuitInk(Suit suit)
{
    return IsRed(suit) ? kRedInk : kBlackInk;
}

// ---------------------------------------------------------------- layout

constexpr qreal kCornerRadius = 4.0;

// Corner index: rank glyph above a small suit symbol, centred on one column.
constexpr qreal kIndexCentreX = 6.0;
constexpr int kIndexMinLeft = 2; // keeps a wide "10" clear of the border
constexpr int kIndexTop = 4;
constexpr int kIndexGlyphGap = 1;
constexpr QRectF kIndexSuitBox(2.5, 15.0, 7.0, 8.0);

// Pips are 11 x 12 and sit on three columns and on rows spread between the
// top and bottom pip centres; pips past the middle are drawn upside down.
constexpr qreal kPipWidth = 11.0;
constexpr qreal kPipHeight = 12.0;
constexpr qreal kPipColumnX[3] = { 21.5, 35.5, 49.5 };
constexpr qreal kPipTopCentreY = 14.0;
constexpr qreal kPipBottomCentreY = 82.0;

constexpr QRectF kAcePipBox(22.0, 33.0, 27.0, 30.0);
// The Ace of Spades traditionally carries the largest, framed pip.
constexpr QRectF kAceOfSpadesPipBox(19.0, 29.0, 33.0, 38.0);

// The framed picture on court cards.
constexpr QRectF kCourtPanel(12.0, 9.0, 47.0, 78.0);

// ---------------------------------------------------------------- index glyphs

// Drawn pixel by pixel so the small corner index is crisp and does not
// depend on which fonts happen to be installed.
struct Glyph {
    char ch;
    std::array<std::string_view, 9> rows;
};

constexpr int kGlyphHeight = 9;

constexpr Glyph kGlyphs[] = {
    { 'A', { "..##..", ".####.", "##..##", "##..##", "##..##", "######", "######", "##..##", "##..##" } },
    { '2', { ".####.", "##..##", "....##", "...##.", "..##..", ".##...", "##....", "##....", "######" } },
    { '3', { ".####.", "##..##", "....##", "....##", "..###.", "....##", "....##", "##..##", ".####." } },
    { '4', { "...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##." } },
    { '5', { "######", "##....", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####." } },
    { '6', { ".####.", "##..##", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", ".####." } },
    { '7', { "######", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##.." } },
    { '8', { ".####.", "##..##", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", ".####." } },
    { '9', { ".####.", "##..##", "##..##", "##..##", "##..##", ".#####", "....##", "##..##", ".####." } },
    { '1', { ".##", "###", ".##", ".##", ".##", ".##", ".##", ".##", ".##" } },
    { '0', { ".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####." } },
    { 'J', { "..####", "....##", "....##", "....##", "....##", "....##", "##..##", "##..##", ".####." } },
    { 'Q', { ".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##.###", "##..##", ".###.#" } },
    { 'K', { "##..##", "##..##", "##.##.", "####..", "###...", "####..", "##.##.", "##..##", "##..##" } },
};

const Glyph* FindGlyph(QChar ch)
{
    for (const Glyph& g : kGlyphs) {
        if (QLatin1Char(g.ch) == ch)
            return &g;
    }
    return nullptr;
}

int GlyphWidth(const Glyph& g)
{
    return static_cast<int>(g.rows[0].size());
}

int TextWidth(const QString& text, int gap)
{
    int width = 0;
    for (QChar ch : text) {
        if (const Glyph* g = FindGlyph(ch))
            width += GlyphWidth(*g) + (width > 0 ? gap : 0);
    }
    return width;
}

// Draws text with its top-left pixel at (left, top), each glyph pixel scaled
// to a square of `scale` pixels.
void DrawGlyphText(QPainter& p, const QString& text, int left, int top, int gap, int scale, const QColor& ink)
{
    int x = left;
    for (QChar ch : text) {
        const Glyph* g = FindGlyph(ch);
        if (!g)
            continue;
        for (int row = 0; row < kGlyphHeight; ++row) {
            const std::string_view line = g->rows[static_cast<std::size_t>(row)];
            for (std::size_t col = 0; col < line.size(); ++col) {
                if (line[col] == '#')
                    p.fillRect(x + static_cast<int>(col) * scale, top + row * scale, scale, scale, ink);
            }
        }
        x += (GlyphWidth(*g) + gap) * scale;
    }
}

// ---------------------------------------------------------------- helpers

QImage NewCanvas()
{
    QImage image(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(pairfall::TableGreen);
    return image;
}

QImage Finish(const QImage& canvas)
{
    return canvas.convertToFormat(QImage::Format_RGB32);
}

// Real cards read the same from both ends. The upper half is painted and
// then copied, turned half a turn about the card centre, onto the lower half,
// which makes the two ends identical to the pixel.
constexpr int kHalfRow = kCardHeight / 2;

void MirrorUpperHalf(QImage& image)
{
    for (int y = kHalfRow; y < kCardHeight; ++y) {
        for (int x = 0; x < kCardWidth; ++x)
            image.setPixel(x, y, image.pixel(kCardWidth - 1 - x, kCardHeight - 1 - y));
    }
}

void FillShape(QPainter& p, const QPainterPath& path, const QColor& fill)
{
    p.fillPath(path, fill);
}

void DrawShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 0.8)
{
    p.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void DrawCardBlank(QPainter& p, const QColor& face, const QPen& border)
{
    p.setPen(border);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0), kCornerRadius, kCornerRadius);
}

void DrawIndex(QPainter& p, int rank, Suit suit)
{
    const QString text = RankIndex(rank);
    const int width = TextWidth(text, kIndexGlyphGap);
    const int left = std::max(kIndexMinLeft, qRound(kIndexCentreX - width / 2.0));
    DrawGlyphText(p, text, left, kIndexTop, kIndexGlyphGap, 1, SuitInk(suit));
    FillShape(p, SuitShape(suit, kIndexSuitBox), SuitInk(suit));
}

// ---------------------------------------------------------------- pips

struct PipSpot {
    int column; // 0 left, 1 centre, 2 right
    qreal t; // 0 at the top pip row, 1 at the bottom one
};

std::vector<PipSpot> PipLayout(int rank)
{
    constexpr PipSpot tl { 0, 0.0 }, tr { 2, 0.0 }, bl { 0, 1.0 }, br { 2, 1.0 };
    constexpr qreal third = 1.0 / 3.0;
    switch (rank) {
    case 2:
        return { { 1, 0.0 }, { 1, 1.0 } };
    case 3:
        return { { 1, 0.0 }, { 1, 0.5 }, { 1, 1.0 } };
    case 4:
        return { tl, tr, bl, br };
    case 5:
        return { tl, tr, bl, br, { 1, 0.5 } };
    case 6:
        return { tl, tr, bl, br, { 0, 0.5 }, { 2, 0.5 } };
    case 7:
        return { tl, tr, bl, br, { 0, 0.5 }, { 2, 0.5 }, { 1, 0.25 } };
    case 8:
        return { tl, tr, bl, br, { 0, 0.5 }, { 2, 0.5 }, { 1, 0.25 }, { 1, 0.75 } };
    case 9:
        return { tl, tr, bl, br, { 0, third }, { 2, third }, { 0, 2 * third }, { 2, 2 * third }, { 1, 0.5 } };
    case 10:
        return { tl, tr, bl, br, { 0, third }, { 2, third }, { 0, 2 * third }, { 2, 2 * third }, { 1, third / 2 }, { 1, 1 - third / 2 } };
    default:
        return {};
    }
}

QRectF PipBox(int column, qreal t)
{
    const qreal centreY = kPipTopCentreY + t * (kPipBottomCentreY - kPipTopCentreY);
    // Whole-pixel edges keep the pips sharp and both halves pixel-identical.
    const qreal top = std::round(centreY - kPipHeight / 2.0);
    return { kPipColumnX[column] - kPipWidth / 2.0, top, kPipWidth, kPipHeight };
}

// A pip whose turned twin is also in the layout is painted in the upper half
// and copied by the mirror; the others (across the middle, or the lone
// extra pip of the Seven) are painted on their own.
bool HasTurnedTwin(const std::vector<PipSpot>& layout, const PipSpot& spot)
{
    return std::any_of(layout.begin(), layout.end(), [&](const PipSpot& other) {
        return other.column == 2 - spot.column && std::abs(other.t - (1.0 - spot.t)) < 1e-9;
    });
}

bool PaintedByMirror(const std::vector<PipSpot>& layout, const PipSpot& spot)
{
    return spot.t < 0.5 && HasTurnedTwin(layout, spot);
}

void DrawPip(QPainter& p, const PipSpot& spot, Suit suit)
{
    if (spot.t <= 0.5) {
        FillShape(p, SuitShape(suit, PipBox(spot.column, spot.t)), SuitInk(suit));
        return;
    }
    // Upside down: its upright twin, turned about the card centre.
    p.save();
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180.0);
    FillShape(p, SuitShape(suit, PipBox(2 - spot.column, 1.0 - spot.t)), SuitInk(suit));
    p.restore();
}

void DrawMirroredPips(QPainter& p, int rank, Suit suit)
{
    const std::vector<PipSpot> layout = PipLayout(rank);
    for (const PipSpot& spot : layout) {
        if (PaintedByMirror(layout, spot))
            DrawPip(p, spot, suit);
    }
}

void DrawOneEndedPips(QPainter& p, int rank, Suit suit)
{
    const std::vector<PipSpot> layout = PipLayout(rank);
    for (const PipSpot& spot : layout) {
        const bool lowerTwin = spot.t > 0.5 && HasTurnedTwin(layout, spot);
        if (!PaintedByMirror(layout, spot) && !lowerTwin)
            DrawPip(p, spot, suit);
    }
}

void DrawAce(QPainter& p, Suit suit)
{
    if (suit != Suit::Spades) {
        FillShape(p, SuitShape(suit, kAcePipBox), SuitInk(suit));
        return;
    }
    // A thin contour a little way outside the pip.
    const QPainterPath spade = SuitShape(suit, kAceOfSpadesPipBox);
    auto grown = [&](qreal by) {
        QPainterPathStroker stroker;
        stroker.setWidth(2.0 * by);
        stroker.setJoinStyle(Qt::RoundJoin);
        return stroker.createStroke(spade).united(spade);
    };
    FillShape(p, grown(3.0).subtracted(grown(2.0)), SuitInk(suit));
    FillShape(p, spade, SuitInk(suit));
}

// ---------------------------------------------------------------- court cards

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
        return { QColor(196, 28, 40), QColor(150, 20, 30), QColor(236, 192, 64), QColor(40, 76, 168),
            QColor(40, 76, 168) };
    // Black suits keep to blue, black and gold: no red, as on their pips.
    return { QColor(36, 56, 120), QColor(24, 36, 80), QColor(236, 192, 64), QColor(30, 30, 34),
        QColor(70, 140, 220) };
}

const QColor kSkin(250, 222, 186);
const QColor kPanelPaper(253, 248, 232);
const QColor kWhiteFur(252, 252, 252);
const QColor kGold(236, 192, 64);
const QColor kSteel(214, 220, 230);

// Geometry of the half figure, in card pixels, for the upper end of the card.
constexpr qreal kMidX = 35.5;
constexpr qreal kHalfY = 48.0;
constexpr qreal kHeadY = 25.0;
constexpr qreal kHeadRx = 6.0;
constexpr qreal kHeadRy = 7.0;
constexpr qreal kNeckY = 33.0;
constexpr qreal kShoulderX = 18.5; // half the width of the shoulders
constexpr qreal kStaffX = kMidX + 13.5;
constexpr QPointF kHand(kStaffX, 41.5);

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Band(qreal left, qreal top, qreal right, qreal bottom)
{
    return Polygon({ { left, top }, { right, top }, { right, bottom }, { left, bottom } });
}

// Shoulders and chest, cut off where the two halves of the card meet.
QPainterPath BodyShape()
{
    QPainterPath path;
    path.moveTo(kMidX - kShoulderX, kHalfY + 1.0);
    path.lineTo(kMidX - kShoulderX, 41.0);
    path.cubicTo(kMidX - kShoulderX, 36.0, kMidX - 12.0, kNeckY + 0.5, kMidX - 5.0, kNeckY);
    path.lineTo(kMidX + 5.0, kNeckY);
    path.cubicTo(kMidX + 12.0, kNeckY + 0.5, kMidX + kShoulderX, 36.0, kMidX + kShoulderX, 41.0);
    path.lineTo(kMidX + kShoulderX, kHalfY + 1.0);
    path.closeSubpath();
    return path;
}

void DrawStaff(QPainter& p, qreal top, const QColor& colour)
{
    DrawShape(p, Band(kStaffX - 0.8, top, kStaffX + 0.8, kHalfY + 1.0), colour, 0.5);
}

// The arm on the staff side, its hand gripping the staff in front of the body.
void DrawArm(QPainter& p, const QColor& sleeve, const QColor& staff)
{
    DrawStaff(p, kNeckY, staff);
    QPainterPath arm;
    arm.moveTo(kMidX + 11.0, 35.0);
    arm.quadTo(kMidX + 8.5, 41.0, kHand.x() - 2.0, kHand.y() + 2.5);
    arm.lineTo(kHand.x() + 0.5, kHand.y() - 1.0);
    arm.quadTo(kMidX + 13.5, 38.0, kMidX + 16.5, 37.0);
    arm.closeSubpath();
    DrawShape(p, arm, sleeve, 0.6);
    DrawShape(p, Ellipse(kHand.x(), kHand.y(), 2.0, 2.0), kSkin, 0.6);
}

void DrawFace(QPainter& p, const QColor& brows, bool mouth)
{
    DrawShape(p, Ellipse(kMidX, kHeadY, kHeadRx, kHeadRy), kSkin, 0.7);
    const QColor eye(36, 30, 30);
    p.fillRect(QRectF(kMidX - 2.5, kHeadY - 0.5, 1.0, 1.5), eye);
    p.fillRect(QRectF(kMidX + 1.5, kHeadY - 0.5, 1.0, 1.5), eye);
    p.fillRect(QRectF(kMidX - 3.5, kHeadY - 2.5, 2.5, 0.8), brows);
    p.fillRect(QRectF(kMidX + 1.0, kHeadY - 2.5, 2.5, 0.8), brows);
    p.fillRect(QRectF(kMidX - 0.5, kHeadY + 1.0, 1.0, 1.5), QColor(222, 180, 150));
    if (mouth)
        p.fillRect(QRectF(kMidX - 1.5, kHeadY + 3.5, 3.0, 0.8), QColor(190, 120, 110));
}

void DrawKingHalf(QPainter& p, Suit suit)
{
    const CourtColours c = ColoursFor(suit);
    const QColor white(236, 236, 240);
    // Sceptre with an orb.
    DrawStaff(p, 16.0, kGold);
    DrawShape(p, Ellipse(kStaffX, 14.0, 2.6, 2.6), c.jewel, 0.6);
    p.fillRect(QRectF(kStaffX - 0.5, 9.5, 1.0, 2.5), kGold);
    // Robe with a jewelled gold front band and an ermine cape.
    DrawShape(p, BodyShape(), c.robe);
    DrawShape(p, Band(kMidX - 2.0, kNeckY, kMidX + 2.0, kHalfY + 1.0), c.trim, 0.5);
    for (qreal y : { 42.0, 45.5 })
        DrawShape(p, Ellipse(kMidX, y, 0.9, 0.9), c.jewel, 0.4);
    QPainterPath cape = BodyShape().intersected(Band(0, 0, kCardWidth, 39.5));
    DrawShape(p, cape, kWhiteFur, 0.6);
    for (const QPointF& spot : { QPointF(kMidX - 13.0, 37.0), QPointF(kMidX - 8.0, 35.0), QPointF(kMidX + 8.0, 35.0),
             QPointF(kMidX + 13.0, 37.0), QPointF(kMidX - 15.5, 38.5), QPointF(kMidX - 4.0, 38.0),
             QPointF(kMidX + 4.0, 38.0) })
        p.fillRect(QRectF(spot.x() - 0.5, spot.y() - 1.0, 1.0, 2.0), kBlackInk);
    DrawArm(p, c.robeShade, kGold);
    // Long white hair, face, moustache and pointed beard.
    DrawShape(p, Ellipse(kMidX, kHeadY + 1.0, kHeadRx + 2.0, kHeadRy + 1.0), white, 0.6);
    DrawFace(p, QColor(150, 150, 160), false);
    QPainterPath beard;
    beard.moveTo(kMidX - 6.0, kHeadY + 0.5);
    beard.quadTo(kMidX - 6.0, kHeadY + 8.0, kMidX, kHeadY + 12.0);
    beard.quadTo(kMidX + 6.0, kHeadY + 8.0, kMidX + 6.0, kHeadY + 0.5);
    beard.quadTo(kMidX + 3.0, kHeadY + 5.0, kMidX, kHeadY + 3.0);
    beard.quadTo(kMidX - 3.0, kHeadY + 5.0, kMidX - 6.0, kHeadY + 0.5);
    DrawShape(p, beard, white, 0.6);
    // Crown of three points, each tipped with a pearl.
    const qreal base = kHeadY - 4.0;
    QPainterPath crown;
    crown.moveTo(kMidX - 6.5, base);
    crown.lineTo(kMidX - 7.5, base - 8.0);
    crown.lineTo(kMidX - 3.5, base - 4.0);
    crown.lineTo(kMidX, base - 9.5);
    crown.lineTo(kMidX + 3.5, base - 4.0);
    crown.lineTo(kMidX + 7.5, base - 8.0);
    crown.lineTo(kMidX + 6.5, base);
    crown.closeSubpath();
    DrawShape(p, crown, kGold, 0.7);
    DrawShape(p, Band(kMidX - 6.5, base - 2.0, kMidX + 6.5, base), c.trim, 0.5);
    DrawShape(p, Ellipse(kMidX, base - 4.0, 1.4, 1.4), c.jewel, 0.5);
    for (qreal dx : { -7.5, 0.0, 7.5 })
        DrawShape(p, Ellipse(kMidX + dx, base - (dx == 0.0 ? 9.5 : 8.0), 0.9, 0.9), kWhiteFur, 0.4);
}

void DrawQueenHalf(QPainter& p, Suit suit)
{
    const CourtColours c = ColoursFor(suit);
    const QColor hair(214, 160, 64);
    // A flower on a long stem.
    DrawStaff(p, 17.0, QColor(70, 150, 70));
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2.0 * std::numbers::pi / 5.0;
        DrawShape(p, Ellipse(kStaffX + 2.3 * std::sin(a), 14.5 - 2.3 * std::cos(a), 1.7, 1.7), kWhiteFur, 0.5);
    }
    DrawShape(p, Ellipse(kStaffX, 14.5, 1.3, 1.3), kGold, 0.4);
    // Long hair falls behind the shoulders.
    QPainterPath locks;
    locks.moveTo(kMidX - 7.0, kHeadY - 4.0);
    locks.quadTo(kMidX - 10.5, kHeadY + 7.0, kMidX - 9.5, 38.0);
    locks.lineTo(kMidX + 9.5, 38.0);
    locks.quadTo(kMidX + 10.5, kHeadY + 7.0, kMidX + 7.0, kHeadY - 4.0);
    locks.closeSubpath();
    DrawShape(p, locks, hair, 0.6);
    // Gown with a square neckline, pearls and a gold hem.
    DrawShape(p, BodyShape(), c.robe);
    DrawShape(p, Polygon({ { kMidX - 5.5, kNeckY - 0.5 }, { kMidX + 5.5, kNeckY - 0.5 }, { kMidX + 4.0, 38.0 }, { kMidX - 4.0, 38.0 } }),
        kSkin, 0.5);
    for (qreal dx : { -3.0, -1.0, 1.0, 3.0 })
        DrawShape(p, Ellipse(kMidX + dx, 35.3 + std::abs(dx) * 0.3, 0.7, 0.7), kWhiteFur, 0.3);
    DrawShape(p, Band(kMidX - kShoulderX, 42.0, kMidX + kShoulderX, 44.0), c.trim, 0.5);
    DrawShape(p, Band(kMidX - 4.0, 38.0, kMidX + 4.0, 42.0), c.accent, 0.5);
    DrawArm(p, c.robeShade, QColor(70, 150, 70));
    DrawFace(p, QColor(150, 100, 40), true);
    // Hair parted over the forehead.
    QPainterPath fringe;
    fringe.moveTo(kMidX - 6.2, kHeadY + 1.0);
    fringe.quadTo(kMidX - 6.5, kHeadY - 7.5, kMidX, kHeadY - 7.2);
    fringe.quadTo(kMidX + 6.5, kHeadY - 7.5, kMidX + 6.2, kHeadY + 1.0);
    fringe.quadTo(kMidX + 4.5, kHeadY - 4.0, kMidX, kHeadY - 4.0);
    fringe.quadTo(kMidX - 4.5, kHeadY - 4.0, kMidX - 6.2, kHeadY + 1.0);
    DrawShape(p, fringe, hair, 0.5);
    // A low crown of arches topped with pearls.
    const qreal base = kHeadY - 5.5;
    QPainterPath tiara;
    tiara.moveTo(kMidX - 5.5, base);
    tiara.lineTo(kMidX - 6.0, base - 3.0);
    tiara.quadTo(kMidX - 3.0, base - 6.5, kMidX, base - 4.0);
    tiara.quadTo(kMidX + 3.0, base - 6.5, kMidX + 6.0, base - 3.0);
    tiara.lineTo(kMidX + 5.5, base);
    tiara.closeSubpath();
    DrawShape(p, tiara, kGold, 0.6);
    DrawShape(p, Ellipse(kMidX, base - 5.2, 1.3, 1.3), c.jewel, 0.4);
    for (qreal dx : { -6.0, 6.0 })
        DrawShape(p, Ellipse(kMidX + dx, base - 3.8, 1.0, 1.0), kWhiteFur, 0.4);
}

void DrawJackHalf(QPainter& p, Suit suit)
{
    const CourtColours c = ColoursFor(suit);
    const QColor hair(120, 76, 40);
    // Halberd.
    DrawStaff(p, 12.0, QColor(150, 104, 56));
    QPainterPath axe;
    axe.moveTo(kStaffX, 9.5);
    axe.lineTo(kStaffX + 1.2, 13.0);
    axe.quadTo(kStaffX + 5.0, 13.0, kStaffX + 5.5, 18.0);
    axe.quadTo(kStaffX + 3.0, 17.0, kStaffX + 0.8, 17.5);
    axe.lineTo(kStaffX - 2.5, 15.5);
    axe.lineTo(kStaffX - 1.0, 13.0);
    axe.closeSubpath();
    DrawShape(p, axe, kSteel, 0.6);
    // Tunic in two halves with a gold collar and belt.
    DrawShape(p, BodyShape(), c.robe);
    DrawShape(p, BodyShape().intersected(Band(kMidX, 0, kCardWidth, kCardHeight)), c.accent, 0.6);
    DrawShape(p, Band(kMidX - kShoulderX, 44.5, kMidX + kShoulderX, 46.5), c.trim, 0.5);
    DrawShape(p, Polygon({ { kMidX - 6.0, kNeckY - 0.5 }, { kMidX + 6.0, kNeckY - 0.5 }, { kMidX + 3.5, 37.5 }, { kMidX - 3.5, 37.5 } }),
        c.trim, 0.5);
    DrawArm(p, c.robeShade, QColor(150, 104, 56));
    // Short curled hair, face.
    DrawShape(p, Ellipse(kMidX, kHeadY + 1.5, kHeadRx + 1.5, kHeadRy - 0.5), hair, 0.6);
    DrawFace(p, hair, true);
    // Floppy cap with a feather sweeping back.
    QPainterPath feather;
    feather.moveTo(kMidX - 2.0, kHeadY - 8.0);
    feather.cubicTo(kMidX - 5.0, kHeadY - 15.0, kMidX - 10.0, kHeadY - 15.0, kMidX - 11.5, kHeadY - 11.0);
    feather.cubicTo(kMidX - 8.5, kHeadY - 12.5, kMidX - 5.5, kHeadY - 11.0, kMidX - 3.5, kHeadY - 6.5);
    feather.closeSubpath();
    DrawShape(p, feather, kWhiteFur, 0.5);
    QPainterPath cap;
    cap.moveTo(kMidX - 7.5, kHeadY - 3.0);
    cap.cubicTo(kMidX - 8.5, kHeadY - 11.0, kMidX + 6.0, kHeadY - 13.0, kMidX + 9.0, kHeadY - 5.0);
    cap.quadTo(kMidX, kHeadY - 6.5, kMidX - 7.5, kHeadY - 3.0);
    cap.closeSubpath();
    DrawShape(p, cap, c.accent, 0.6);
    DrawShape(p, Polygon({ { kMidX - 7.5, kHeadY - 3.5 }, { kMidX + 9.0, kHeadY - 5.5 }, { kMidX + 9.0, kHeadY - 3.8 }, { kMidX - 7.5, kHeadY - 1.8 } }),
        c.trim, 0.5);
}

// The upper half of the court picture, down to the dividing line.
void DrawCourt(QPainter& p, int rank, Suit suit)
{
    const QRectF upperPanel(kCourtPanel.left(), kCourtPanel.top(), kCourtPanel.width(), kHalfY - kCourtPanel.top());
    p.fillRect(upperPanel, kPanelPaper);
    p.save();
    p.setClipRect(upperPanel.adjusted(1.0, 1.0, -1.0, -1.0));
    switch (rank) {
    case kKing:
        DrawKingHalf(p, suit);
        break;
    case kQueen:
        DrawQueenHalf(p, suit);
        break;
    default:
        DrawJackHalf(p, suit);
        break;
    }
    p.restore();
    const QRectF pipBox(kCourtPanel.left() + 2.5, kCourtPanel.top() + 2.5, 8.0, 9.0);
    FillShape(p, SuitShape(suit, pipBox), SuitInk(suit));
    // Frame; its bottom row, doubled by the mirror copy, divides the halves.
    p.setPen(QPen(SuitInk(suit), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(upperPanel.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

QImage PaintCard(int id)
{
    Q_ASSERT(IsValidCardId(id));
    const Suit suit = SuitOfCard(id);
    const int rank = RankOfCard(id);

    QImage canvas = NewCanvas();
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, true);
        DrawCardBlank(p, kFaceWhite, QPen(kBorderInk, 1.0));
        DrawIndex(p, rank, suit);
        if (rank >= kJack)
            DrawCourt(p, rank, suit);
        else
            DrawMirroredPips(p, rank, suit);
    }
    MirrorUpperHalf(canvas);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (rank == kAce)
            DrawAce(p, suit);
        else
            DrawOneEndedPips(p, rank, suit);
    }
    return Finish(canvas);
}

QImage PaintStandIn(int id)
{
    Q_ASSERT(IsValidCardId(id));
    const Suit suit = SuitOfCard(id);
    const int rank = RankOfCard(id);

    QImage canvas = NewCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    DrawCardBlank(p, kFaceWhite, QPen(kBorderInk, 1.0));

    // A dashed warning frame sets it apart from any real card face.
    QPen dashed(kRedInk, 1.0, Qt::CustomDashLine);
    dashed.setDashPattern({ 3.0, 2.0 });
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, kCardWidth - 7.0, kCardHeight - 7.0), 2.0, 2.0);

    // The card's name, large: doubled index glyphs above a suit symbol.
    const QString text = RankIndex(rank);
    const int scale = 2;
    const int width = TextWidth(text, kIndexGlyphGap) * scale;
    DrawGlyphText(p, text, (kCardWidth - width) / 2, 14, kIndexGlyphGap, scale, SuitInk(suit));
    FillShape(p, SuitShape(suit, QRectF(kCardWidth / 2.0 - 9.0, 38.0, 18.0, 20.0)), SuitInk(suit));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(QColor(96, 96, 96));
    p.drawText(QRectF(4.0, 64.0, kCardWidth - 8.0, 22.0), Qt::AlignCenter,
        QStringLiteral("missing\npicture"));
    p.end();
    return Finish(canvas);
}
