// The table from the keyboard, and as screen readers see it through QAccessible.
#include "art/TableGreen.h"
#include "fakes/MemorySettingsStore.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "fakes/ScriptedRandom.h"
#include "ui/HelpCommands.h"
#include "ui/OutlineShape.h"
#include "ui/SlotPicture.h"
#include "ui/StatusLine.h"
#include "ui/Table.h"
#include "ui/TableLayout.h"
#include "ui/frmMain.h"

#include <QAccessible>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

// A shown, active main window with a deck that is the same in every run.
struct Player {
    Player()
    {
        window.Form_Load();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    SlotPicture* Slot(int i) { return window.TableArea().Slot(i); }
    QAccessibleInterface* Accessible(int i) { return QAccessible::queryAccessibleInterface(Slot(i)); }
    void Click(int i) { QTest::mouseClick(Slot(i), Qt::LeftButton, {}, QPoint(30, 40)); }
    void Key(int i, Qt::Key key)
    {
        Slot(i)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Slot(i), key);
    }
    QImage TableShot() { return window.TableArea().grab().toImage(); }
    QRect CardAndOutline(int i) { return Slot(i)->geometry().united(window.TableArea().Outline(i)->geometry()); }

    EventLog log;
    MemorySettingsStore store { log };
    SeededRandom random { 7 };
    ScriptedMessageBoxes boxes;
    PlatformHelpViewer help;
    frmMain window { frmMainServices { store, random, boxes, help, PAIRFALL_SOURCE_DIR, "" } };
};

// What the player sees and hears: each slot's name and outline, the status line, the boxes.
std::string Seen(Player& player)
{
    std::string seen;
    for (int i = 0; i < SlotCount; ++i) {
        seen += player.Slot(i)->accessibleName().toStdString();
        if (player.Slot(i)->IsSelected())
            seen += " (outlined)";
        seen += "; ";
    }
    seen += player.window.StatusBarLine().Text().toStdString();
    for (const std::string& box : player.boxes.boxes)
        seen += " | " + box;
    return seen;
}

}

TEST(Accessibility, PressingASlotDoesWhatSpaceDoes)
{
    Player player;
    player.Accessible(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(player.window.State().CardsLeft, 51);
    EXPECT_EQ(player.window.State().SlotValue(4), player.window.State().Deck(52).Value);
}

TEST(Keyboard, AHeldKeyPressesOnce)
{
    Player player;
    player.Key(0, Qt::Key_Space);
    const std::string dealt = Seen(player);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(player.Slot(0), &repeat);
    EXPECT_EQ(Seen(player), dealt);
}

TEST(Keyboard, AClickLeavesTheKeyboardFocusWhereItWas)
{
    Player player;
    player.Key(2, Qt::Key_Right);
    player.Click(7);
    EXPECT_TRUE(player.Slot(3)->hasFocus());
}

TEST(Keyboard, MousePlayLeavesTheTableAsDesignedWithoutAFocusRing)
{
    Player player; // slot 0 has the focus since the window opened
    for (int i = 0; i < 3; ++i)
        player.Click(i);
    player.window.State().SlotValue(1) = 3;
    player.Click(1);
    // Cover every card and outline with table green: plain green must be left.
    QImage shot = player.TableShot();
    QPainter painter(&shot);
    for (int i = 0; i < SlotCount; ++i)
        painter.fillRect(player.CardAndOutline(i), TableGreen);
    painter.end();
    QImage green(shot.size(), shot.format());
    green.fill(TableGreen);
    EXPECT_EQ(shot, green);
}

TEST(Keyboard, TheFocusRingLiesOutsideTheCardAndItsOutline)
{
    Player player;
    player.Click(5);
    player.window.State().SlotValue(5) = 3;
    player.Click(5);
    const QImage before = player.TableShot();
    player.Key(4, Qt::Key_Right);
    const QImage after = player.TableShot();
    EXPECT_EQ(after.copy(player.CardAndOutline(5)), before.copy(player.CardAndOutline(5)));
    EXPECT_EQ(after.pixelColor(player.window.TableArea().FocusRingRect(5).topLeft()), layout::FocusRingWhite);
}
