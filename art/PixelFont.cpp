#include "art/PixelFont.h"

#include <QPainter>

#include <array>
#include <string_view>

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
    int x = topLeft.x();
    for (QChar ch : text) {
        const Glyph* glyph = FindGlyph(ch);
        if (!glyph)
            continue;
        for (int row = 0; row < GlyphHeight; ++row) {
            const std::string_view line = glyph->rows[static_cast<std::size_t>(row)];
            for (std::size_t column = 0; column < line.size(); ++column) {
                if (line[column] == '#')
                    p.fillRect(x + static_cast<int>(column) * scale, topLeft.y() + row * scale, scale, scale, ink);
            }
        }
        x += (GlyphWidth(*glyph) + GlyphGap) * scale;
    }
}

}
