#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

// Which rank and suit each card id (1..52) shows. This is the only place
// that knows the order of the suits within the ids.

enum class Suit { Clubs,
    Diamonds,
    Hearts,
    Spades };

constexpr int kFirstCardId = 1;
constexpr int kLastCardId = 52;
constexpr int kRanksPerSuit = 13;

constexpr int kAce = 1;
constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;

bool IsValidCardId(int id);

Suit SuitOfCard(int id);
int RankOfCard(int id);

// Short rank label as printed in the card corners: "A", "2".."10", "J", "Q", "K".
QString RankIndex(int rank);
QString RankName(int rank);
QString SuitName(Suit suit);
// Full name, e.g. "Queen of Hearts".
QString CardName(int id);

bool IsRed(Suit suit);

// The suit symbol as a filled vector outline fitted into box (upright).
QPainterPath SuitShape(Suit suit, QRectF box);
