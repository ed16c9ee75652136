#include "game/Texts.h"

namespace pairfall {

std::string CardsLeftText(Int16 cardsLeft)
{
    return "There are " + std::to_string(cardsLeft) + " cards left";
}

}
