#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

// The rank letters and digits, drawn pixel by pixel so that the small corner
// index is crisp and does not depend on which fonts happen to be installed.
// Characters without a glyph are skipped.
namespace pairfall {

// Width of text in pixels, each glyph pixel scaled to a square of `scale`.
int PixelTextWidth(const QString& text, int scale);

// Draws text with its top-left pixel at topLeft.  On a canvas with two
// pixels to a card pixel each glyph is refined: corners rounded and diagonal
// steps smoothed, still without blurring.
void DrawPixelText(QPainter& p, const QString& text, QPoint topLeft, int scale, const QColor& ink);

}
