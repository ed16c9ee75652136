#include "art/CardNames.h"

#include "art/Suit.h"
#include "game/Card.h"

#include <QCoreApplication>

#include <array>

namespace pairfall {

namespace {

// Whole names, not a rank and a suit joined: other languages change the
// words with the suit's gender and case.  In the order of the card ids.
constexpr std::array<const char*, CardsInDeck> Names = {
    // Clubs
    QT_TRANSLATE_NOOP("CardNames", "Ace of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Two of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Four of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Six of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Eight of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Ten of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Queen of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "King of Clubs"),
    // Diamonds
    QT_TRANSLATE_NOOP("CardNames", "Ace of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Two of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Four of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Six of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Eight of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Ten of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Queen of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "King of Diamonds"),
    // Hearts
    QT_TRANSLATE_NOOP("CardNames", "Ace of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Two of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Four of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Six of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Eight of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Ten of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Queen of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "King of Hearts"),
    // Spades
    QT_TRANSLATE_NOOP("CardNames", "Ace of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Two of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Four of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Six of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Eight of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Ten of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Queen of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "King of Spades"),
};

}

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

QString CardName(int id)
{
    Q_ASSERT(IsCardId(id));
    return QCoreApplication::translate("CardNames", Names.at(static_cast<std::size_t>(id - 1)));
}

}
