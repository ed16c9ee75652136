#pragma once

#include "art/CardSize.h"
#include "art/TableGreen.h"

#include <QImage>

constexpr int kCardWidth = pairfall::CardWidth;
constexpr int kCardHeight = pairfall::CardHeight;

// The face of card id (1..52). Opaque, kCardWidth x kCardHeight.
QImage PaintCard(int id);

// Shown instead of a card whose picture file is missing or unreadable; it
// still names the card so that the game stays playable.
QImage PaintStandIn(int id);
