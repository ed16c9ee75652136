#pragma once

#include "game/BoundedArray.h"
#include "game/Card.h"
#include "game/Numbers.h"

namespace pairfall {

inline constexpr Int16 SlotCount = 12;
inline constexpr Int16 NoSlot = -1;
inline constexpr Int16 NoRank = -1;

// What the player has selected (SelMode), with its stored values.
enum class SelectionMode : Int16 {
    NothingSelected = 0,
    NumberSelected = 1, // one number card, in FirstSlot
    CollectingFaces = 2, // face cards of FaceRank, in FaceSlot(1..4)
};

// GameOver: Yes from the end of a game until the next one starts.
enum class GameOverFlag : Int16 {
    No = 0,
    Yes = 1,
};

// The whole state of the game: plain variables of the main window, all zero
// when the window is created.  The engine procedures work on it in place.
struct GameState {
    BoundedArray<Card, 0, CardsInDeck> Deck; // Deck(0) is never used
    Int16 CardsLeft = 0; // also the index of the next card dealt
    BoundedArray<Int16, 0, SlotCount - 1> SlotValue; // 0 = empty slot
    Int16 FirstSlot = 0;
    SelectionMode SelMode = SelectionMode::NothingSelected;
    Int16 SlotsFilled = 0;
    Int16 FaceCount = 0;
    Int16 FaceRank = 0;
    BoundedArray<Int16, 0, FaceCardsPerRank> FaceSlot; // FaceSlot(0) is never used
    Int16 TotalGames = 0;
    Int16 TotalWins = 0;
    Int16 TotalLosses = 0;
    Int16 AvgCardsLeft = 0;
    GameOverFlag GameOver = GameOverFlag::No;
};

}
