#include "art/Suit.h"

#include "game/Card.h"

#include <array>

namespace pairfall {

namespace {

// Each run of ids, Ace to King, is one suit, in this order.
constexpr std::array<Suit, 4> SuitOfRun = { Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades };

}

Suit SuitOfCard(int id)
{
    Q_ASSERT(IsCardId(id));
    return SuitOfRun.at(static_cast<std::size_t>((id - 1) / CardsPerRank));
}

bool IsRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

}
