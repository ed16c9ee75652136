#pragma once

#include <QString>

// The four suits and which one each card id (1..52) belongs to.  This is the
// only place that knows the order of the suits within the ids.
namespace pairfall {

enum class Suit {
    Clubs,
    Diamonds,
    Hearts,
    Spades
};

Suit SuitOfCard(int id);
bool IsRed(Suit suit);

}
