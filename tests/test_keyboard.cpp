// The table from the keyboard, and as screen readers see it through QAccessible.
#include "MainWindowOnFakes.h"
#include "art/TableGreen.h"
#include "ui/OutlineShape.h"
#include "ui/TableLayout.h"

#include <QAccessible>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

// A shown, active main window with a deck that is the same in every run.
class Keyboard : public MainWindow {
protected:
    void SetUp() override
    {
        Open();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QAccessibleInterface* Accessible(int i) { return QAccessible::queryAccessibleInterface(Slot(i)); }
    void Key(int i, Qt::Key key)
    {
        Slot(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Slot(i), key);
    }
    QImage TableShot() { return window->TableArea().grab().toImage(); }
    QRect CardAndOutline(int i) { return Slot(i)->geometry().united(window->TableArea().Outline(i)->geometry()); }
};

using Accessibility = Keyboard;

}

TEST_F(Accessibility, PressingASlotDoesWhatSpaceDoes)
{
    Accessible(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window->State().CardsLeft, 51);
    EXPECT_EQ(window->State().SlotValue(4), window->State().Deck(52).Value);
}

TEST_F(Keyboard, AHeldKeyPressesOnce)
{
    window->State().Deck(52) = Card { 40, 1 };
    Key(0, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(Slot(0), &repeat);
    // A second press would select the ace it dealt.
    EXPECT_FALSE(Slot(0)->IsSelected());
    EXPECT_EQ(window->State().CardsLeft, 51);
}

TEST_F(Keyboard, AClickLeavesTheKeyboardFocusWhereItWas)
{
    Key(2, Qt::Key_Right);
    ClickSlot(7);
    EXPECT_TRUE(Slot(3)->hasFocus());
}

TEST_F(Keyboard, MousePlayLeavesTheTableAsDesignedWithoutAFocusRing)
{
    // slot 0 has the focus since the window opened
    for (int i = 0; i < 3; ++i)
        ClickSlot(i);
    window->State().SlotValue(1) = 3;
    ClickSlot(1);
    // Cover every card and outline with table green: plain green must be left.
    QImage shot = TableShot();
    QPainter painter(&shot);
    for (int i = 0; i < SlotCount; ++i)
        painter.fillRect(CardAndOutline(i), TableGreen);
    painter.end();
    QImage green(shot.size(), shot.format());
    green.fill(TableGreen);
    EXPECT_EQ(shot, green);
}

TEST_F(Keyboard, TheFocusRingLiesOutsideTheCardAndItsOutline)
{
    ClickSlot(5);
    window->State().SlotValue(5) = 3;
    ClickSlot(5);
    const QImage before = TableShot();
    Key(4, Qt::Key_Right);
    const QImage after = TableShot();
    EXPECT_EQ(after.copy(CardAndOutline(5)), before.copy(CardAndOutline(5)));
    EXPECT_EQ(after.pixelColor(window->TableArea().FocusRingRect(5).topLeft()), layout::FocusRingWhite);
}
