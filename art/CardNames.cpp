#include "art/CardNames.h"

#include "art/Suit.h"
#include "game/Card.h"

#include <QStringList>

namespace pairfall {

QString RankIndex(int rank)
{
    switch (rank) {
    case Ace:
        return QStringLiteral("A");
    case Jack:
        return QStringLiteral("J");
    case Queen:
        return QStringLiteral("Q");
    case King:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

QString RankName(int rank)
{
    static const QStringList Names = {
        QStringLiteral("Ace"), QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four"),
        QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven"), QStringLiteral("Eight"),
        QStringLiteral("Nine"), QStringLiteral("Ten"), QStringLiteral("Jack"), QStringLiteral("Queen"),
        QStringLiteral("King")
    };
    Q_ASSERT(rank >= Ace && rank <= King);
    return Names.at(rank - Ace);
}

QString CardName(int id)
{
    Q_ASSERT(IsCardId(id));
    const int rank = CardValue(static_cast<Int16>(id));
    return QStringLiteral("%1 of %2").arg(RankName(rank), SuitName(SuitOfCard(id)));
}

}
