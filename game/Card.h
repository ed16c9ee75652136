#pragma once

#include "game/Numbers.h"

// The card vocabulary the whole program shares: ids, values and ranks.
namespace pairfall {

inline constexpr Int16 CardsInDeck = 52;
inline constexpr Int16 CardsPerRank = 13; // one run of ids per suit, Ace to King
inline constexpr Int16 Ace = 1;
inline constexpr Int16 Ten = 10;
inline constexpr Int16 Jack = 11;
inline constexpr Int16 Queen = 12;
inline constexpr Int16 King = 13;
inline constexpr Int16 PairTotal = 10;
inline constexpr Int16 FaceCardsPerRank = 4;

// One deck entry.  Copied as a whole record.
struct Card {
    Int16 Id = 0; // 1..52, also names the card's picture file
    Int16 Value = 0; // 1..13: number cards at face value, 11..13 Jack, Queen, King
    friend bool operator==(const Card&, const Card&) = default;
};

// ((id - 1) mod 13) + 1 for the ids 1..52, 0 for anything else.  The value
// is also the rank the card's picture shows.
Int16 CardValue(Int16 id);

inline constexpr bool IsCardId(int id) { return id >= 1 && id <= CardsInDeck; }

}
