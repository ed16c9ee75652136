// What a screen reader is told of each result, as the accessibility bridge
// of every platform receives it.
#include "MainWindowOnFakes.h"
#include "widgets/Announcer.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace pairfall;
using namespace pairfall::testing;
using Strings = std::vector<std::string>;

namespace {

class Speech : public MainWindow {
protected:
    void SetUp() override
    {
        Open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QObject::connect(&window->Speech(), &Announcer::announced, [this](const QString& text) { said.push_back(text.toStdString()); });
    }
    void Key(int i, Qt::Key key)
    {
        Slot(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Slot(i), key);
    }

    Strings said;
};

}

TEST_F(Speech, ADealOntoTheFocusedPlaceSaysTheCardAndTheCount)
{
    window->State().Deck(52) = Card { 40, 1 };
    Key(0, Qt::Key_Space);
    EXPECT_EQ(said, Strings { "Ace of Spades. There are 51 cards left" });
}

// A won game clears the table before it says so: the last card is not there to name.
TEST_F(Speech, TheWinningDealSpeaksTheClearedTablesCountBeforeTheMessage)
{
    QObject::connect(&window->Speech(), &Announcer::announced, [this](const QString& text) { boxes.boxes.push_back(text.toStdString()); });
    window->State().CardsLeft = 1;
    Key(6, Qt::Key_Space);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0], "There are 0 cards left");
    EXPECT_PRED2(Contains, boxes.boxes[1], "You WIN");
}

TEST_F(Speech, ACompletedPairSaysBothNewCardsWithTheirPlacesInTheOrderDealt)
{
    Key(0, Qt::Key_Space);
    Key(1, Qt::Key_Space);
    window->State().SlotValue(0) = 3;
    window->State().SlotValue(1) = 7;
    window->State().Deck(50) = Card { 40, 1 };
    window->State().Deck(49) = Card { 27, 1 };
    Key(1, Qt::Key_Space);
    said.clear();
    Key(0, Qt::Key_Space);
    EXPECT_EQ(said, Strings { "Ace of Spades, row 1, place 2. Ace of Hearts, row 1, place 1. There are 48 cards left" });
}

TEST_F(Speech, TheTableKeySaysARowWithoutCardsAndAnEmptyPlaceAmongCardsInAWord)
{
    window->State().Deck(52) = Card { 40, 1 };
    window->State().Deck(51) = Card { 27, 1 };
    Key(0, Qt::Key_Space);
    Key(3, Qt::Key_Space);
    said.clear();
    Key(3, Qt::Key_F3);
    EXPECT_EQ(said, Strings { "Row 1: Ace of Spades; empty; empty; Ace of Hearts. Row 2: empty. Row 3: empty. There are 50 cards left" });
}

TEST_F(Speech, SelectingAndPuttingBackSayTheState)
{
    Key(3, Qt::Key_Space);
    window->State().SlotValue(3) = 4;
    said.clear();
    Key(3, Qt::Key_Space);
    Key(3, Qt::Key_Space);
    EXPECT_EQ(said, (Strings { "selected", "not selected" }));
}
