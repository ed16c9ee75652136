#pragma once

#include <QColor>
#include <QImage>

// Card pictures drawn entirely in code, at the size the table lays them out.
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

// The table cloth that shows through outside the rounded card corners.
inline QColor TableGreen() {
    return QColor(0, 128, 0);
}

// The face of card id (1..52). Opaque, kCardWidth x kCardHeight.
QImage PaintCard(int id);

// Shown instead of a card whose picture file is missing or unreadable; it
// still names the card so that the game stays playable.
QImage PaintStandIn(int id);
