#include "art/PixelFont.h"

#include <QPainter>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pairfall {

namespace {

constexpr int GlyphHeight = 9;
constexpr int GlyphGap = 1; // blank columns between two glyphs

struct Glyph {
    char ch;
    std::array<std::string_view, GlyphHeight> rows;
};

constexpr Glyph Glyphs[] = {
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
    for (const Glyph& glyph : Glyphs) {
        if (QLatin1Char(glyph.ch) == ch)
            return &glyph;
    }
    return nullptr;
}

int GlyphWidth(const Glyph& glyph)
{
    return static_cast<int>(glyph.rows[0].size());
}

using GlyphPixels = std::vector<std::string>;

// One quarter of a pixel, doubled: a blank pixel takes ink in the corner
// whose two neighbours are inked while the two across from them are blank.
// That smooths the steps of a diagonal and rounds a corner without ever
// thinning a stroke.
char Quarter(char pixel, char vertical, char horizontal, char otherVertical, char otherHorizontal)
{
    if (vertical == '#' && horizontal == '#' && otherVertical == '.' && otherHorizontal == '.')
        return '#';
    return pixel;
}

// Doubles a glyph, its pixels split in quarters as above (the inking half
// of the Scale2x rule).
GlyphPixels Doubled(const GlyphPixels& rows)
{
    // A blank border spares the edge pixels a bounds check.
    const std::string blank(rows[0].size() + 2, '.');
    GlyphPixels framed { blank };
    for (const std::string& row : rows)
        framed.push_back('.' + row + '.');
    framed.push_back(blank);

    GlyphPixels doubled;
    for (std::size_t y = 1; y + 1 < framed.size(); ++y) {
        std::string upper;
        std::string lower;
        for (std::size_t x = 1; x + 1 < blank.size(); ++x) {
            const char pixel = framed[y][x];
            const char up = framed[y - 1][x];
            const char down = framed[y + 1][x];
            const char left = framed[y][x - 1];
            const char right = framed[y][x + 1];
            upper += { Quarter(pixel, up, left, down, right), Quarter(pixel, up, right, down, left) };
            lower += { Quarter(pixel, down, left, up, right), Quarter(pixel, down, right, up, left) };
        }
        doubled.push_back(upper);
        doubled.push_back(lower);
    }
    return doubled;
}

}

int PixelTextWidth(const QString& text, int scale)
{
    int width = 0;
    for (QChar ch : text) {
        const Glyph* glyph = FindGlyph(ch);
        if (!glyph)
            continue;
        if (width > 0)
            width += GlyphGap;
        width += GlyphWidth(*glyph);
    }
    return width * scale;
}

void DrawPixelText(QPainter& p, const QString& text, QPoint topLeft, int scale, const QColor& ink)
{
    // With two canvas pixels to a card pixel there is room to refine each
    // glyph instead of drawing it in blocks.
    const bool refine = p.device()->devicePixelRatio() >= 2.0;
    int x = topLeft.x();
    for (QChar ch : text) {
        const Glyph* glyph = FindGlyph(ch);
        if (!glyph)
            continue;
        GlyphPixels pixels(glyph->rows.begin(), glyph->rows.end());
        qreal cell = scale;
        if (refine) {
            pixels = Doubled(pixels);
            cell = scale / 2.0;
        }
        for (std::size_t row = 0; row < pixels.size(); ++row) {
            for (std::size_t column = 0; column < pixels[row].size(); ++column) {
                if (pixels[row][column] == '#')
                    p.fillRect(QRectF(x + column * cell, topLeft.y() + row * cell, cell, cell), ink);
            }
        }
        x += (GlyphWidth(*glyph) + GlyphGap) * scale;
    }
}

}
