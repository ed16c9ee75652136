#pragma once

#include "game/GameState.h"
#include "game/RandomSource.h"

namespace pairfall {

inline constexpr int ShufflePasses = 7;

// Deck(i) = (i, CardValue(i)) for i = 1..52; Deck(0) is left alone.
void BuildDeck(GameState& state);

// The position Deck(i) is swapped with for a draw r: the integer part of
// r * 52 + 1, taken without rounding to single precision, so always 1..52.
Int16 SwapPosition(float r);

// Seven passes of 52 swaps, then the reset for a new game (FaceCount kept).
void Shuffle_Deck(GameState& state, RandomSource& random);

}
