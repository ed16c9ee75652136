#include "game/Deck.h"

#include <cmath>
#include <utility>

namespace pairfall {

void BuildDeck(GameState& state)
{
    for (Int16 i = 1; i <= CardsInDeck; ++i) {
        state.Deck(i).Id = i;
        state.Deck(i).Value = CardValue(i);
    }
}

Int16 SwapPosition(float r)
{
    // Double holds r * 52 + 1 exactly; in single precision the largest r below 1 would give 53.
    const double position = std::floor(static_cast<double>(r) * CardsInDeck + 1.0);
    return ToInt16(static_cast<std::int64_t>(position));
}

void Shuffle_Deck(GameState& state, RandomSource& random)
{
    random.Reseed();
    for (int pass = 0; pass < ShufflePasses; ++pass) {
        for (Int16 i = 1; i <= CardsInDeck; ++i) {
            const Int16 j = SwapPosition(random.Next());
            const Card temp = state.Deck(i);
            state.Deck(i) = state.Deck(j);
            state.Deck(j) = temp;
        }
    }
    for (Int16 i = 1; i <= FaceCardsPerRank; ++i)
        state.FaceSlot(i) = NoSlot;
    state.FaceRank = NoRank;
    state.SlotsFilled = 0;
    state.SelMode = SelectionMode::NothingSelected;
    state.FirstSlot = NoSlot;
    state.CardsLeft = CardsInDeck;
}

}
