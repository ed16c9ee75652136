#include "game/Card.h"

namespace pairfall {

Int16 CardValue(Int16 id)
{
    if (!IsCardId(id))
        return 0;
    return static_cast<Int16>((id - 1) % CardsPerRank + 1);
}

}
