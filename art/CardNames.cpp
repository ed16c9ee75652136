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
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ace of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Two of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Three of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Four of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Five of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Six of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Seven of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Eight of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Nine of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ten of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Jack of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Queen of Clubs"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "King of Clubs"),
    // Diamonds
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ace of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Two of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Three of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Four of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Five of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Six of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Seven of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Eight of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Nine of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ten of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Jack of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Queen of Diamonds"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "King of Diamonds"),
    // Hearts
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ace of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Two of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Three of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Four of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Five of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Six of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Seven of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Eight of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Nine of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ten of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Jack of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Queen of Hearts"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "King of Hearts"),
    // Spades
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ace of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Two of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Three of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Four of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Five of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Six of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Seven of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Eight of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Nine of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Ten of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Jack of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
    QT_TRANSLATE_NOOP("CardNames", "Queen of Spades"),
    //: A card's name. Heard alone, in a list of the table's places and right before "selected": in the nominative, as players say it.
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
