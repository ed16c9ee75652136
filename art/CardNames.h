#pragma once

#include <QString>

// What a card is called: in its corners, and aloud for screen readers.
namespace pairfall {

// The rank as printed in the card corners: "A", "2".."10", "J", "Q", "K".
QString RankIndex(int rank);
// Full name of card id (1..52), e.g. "Queen of Hearts", in the player's language.
QString CardName(int id);

}
