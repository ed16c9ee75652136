#include "game/Card.h"

namespace pairfall {

Int16 CardValue(Int16 id)
{
    if (id < 1 || id > CardsInDeck)
        return 0;
    return static_cast<Int16>((id - 1) % CardsPerRank + 1);
}

}
