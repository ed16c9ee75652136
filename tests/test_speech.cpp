// What a screen reader is told of a result that Orca's whole game does not
// reach (tests/e2e/screen_reader.py hears the others), as the accessibility
// bridge of every platform receives it.
#include "MainWindowOnFakes.h"
#include "widgets/Announcer.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

class Speech : public MainWindow {
protected:
    void SetUp() override
    {
        Open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Key(int i, Qt::Key key)
    {
        Slot(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Slot(i), key);
    }
};

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
