// The main window's own behaviour; the game's rules are tested on the engine.
#include "art/CardNames.h"
#include "art/CardPainter.h"
#include "art/EmptySlotPicture.h"
#include "art/StandIn.h"
#include "fakes/MemorySettingsStore.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "fakes/ScriptedRandom.h"
#include "game/PicturePath.h"
#include "ui/HelpCommands.h"
#include "ui/OutlineShape.h"
#include "ui/SlotPicture.h"
#include "ui/StatusLine.h"
#include "ui/Table.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace pairfall;
using namespace pairfall::testing;
using Strings = std::vector<std::string>;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void Open(const std::string& folder = PAIRFALL_SOURCE_DIR)
    {
        boxes.boxes.clear();
        window = std::make_unique<frmMain>(frmMainServices { store, random, boxes, help, folder, "" });
        window->Form_Load(), window->show();
    }
    SlotPicture* Slot(int i) { return window->TableArea().Slot(i); }
    void Trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    void ClickSlot(int i) { QTest::mouseClick(Slot(i), Qt::LeftButton, {}, QPoint(30, 40)); }
    bool Reported(std::size_t box, const std::string& part) { return boxes.boxes.at(box).prompt.find(part) != std::string::npos; }

    MemorySettingsStore store;
    pairfall::testing::SeededRandom random { 99 };
    pairfall::testing::ScriptedMessageBoxes boxes;
    PlatformHelpViewer help; // never asked: there is no help file
    std::unique_ptr<frmMain> window;
};

TEST_F(MainWindowTest, OpensAsAnEmptyTableWithItsMenus)
{
    Open();
    EXPECT_EQ(window->objectName() + " " + window->windowTitle(), "frmMain Pairfall");
    ASSERT_EQ(window->findChildren<SlotPicture*>("Slot").size() + window->findChildren<OutlineShape*>("outline").size(), 24);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(Slot(i)->geometry(), QRect(24 + 88 * (i % 4), 24 + 112 * (i / 4), 71, 96)) << i;
        EXPECT_EQ(Slot(i)->Picture(), MakeEmptySlotPicture()) << i;
        EXPECT_TRUE(window->TableArea().Outline(i)->isHidden()) << i;
    }
    // Client area 385 x 388 below the menu bar, the status bar along its bottom.
    EXPECT_EQ(window->size(), QSize(385, window->menuBar()->height() + 388));
    EXPECT_EQ(window->statusBar()->objectName() + " " + window->StatusBarLine().Text(), "sbStatusBar Ready");
    EXPECT_EQ(window->statusBar()->geometry(), QRect(0, window->height() - 18, 385, 18));
    QStringList tree; // each menu, then its items: name, caption ("-" for a separator) and key
    for (QAction* menu : window->menuBar()->actions())
        for (const QAction* item : QList<QAction*> { menu } + menu->menu()->actions())
            tree << QStringList { item == menu ? menu->menu()->objectName() : item->objectName(), item->isSeparator() ? QString("-") : item->text(), item->shortcut().toString() }.join(' ').trimmed();
    EXPECT_EQ(tree.join(" | "), "mnuFile &File | mnuFileNew &New F2 | mnuGameStats &Game Stats | mnuFileBar1 - | mnuFileExit E&xit | "
                                "mnuHelp &Help | mnuHelpContents &Contents | mnuHelpSearch &Search For Help On... | mnuHelpBar1 - | mnuHelpAbout &About Pairfall...");
}

// Only a left press and release on a slot plays; status tips never replace the game's line; the outline
// shows around a card; F2 and New do nothing while the window is disabled.
TEST_F(MainWindowTest, PlayingOnTheTable)
{
    Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(Slot(0), Qt::RightButton, {}, QPoint(30, 40));
    QTest::mouseClick(&window->TableArea(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(Slot(0), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(Slot(0), Qt::LeftButton, {}, QPoint(200, 40)); // released off the slot
    EXPECT_EQ(window->State().CardsLeft, 52);
    const Card dealt = window->State().Deck(52);
    ClickSlot(0);
    EXPECT_EQ(Slot(0)->Picture(), QImage(QString::fromStdString(window->GameProcedures().CardPicturePath(dealt.Id))));
    EXPECT_EQ(Slot(0)->accessibleName(), CardName(dealt.Id));
    QStatusTipEvent tip(QStringLiteral("Start a new game"));
    QApplication::sendEvent(window.get(), &tip); // the line is the game's alone
    EXPECT_EQ(window->statusBar()->currentMessage() + window->StatusBarLine().Text(), "There are 51 cards left");
    window->State().SlotValue(0) = 3; // a card the next click selects: the outline frames it without covering it
    ClickSlot(0);
    ASSERT_TRUE(window->TableArea().Outline(0)->isVisible());
    const QImage shot = window->TableArea().grab().toImage();
    for (const auto& [p, colour] : { std::pair<QPoint, QColor> { { -2, 40 }, Qt::blue }, { { -3, 40 }, Qt::darkGreen }, { { 72, 40 }, Qt::blue }, { { 73, 40 }, Qt::darkGreen }, { { 30, 97 }, Qt::blue } })
        EXPECT_EQ(shot.pixelColor(Slot(0)->pos() + p), colour) << p.x() << ", " << p.y();
    for (const QPoint inside : { QPoint(0, 0), QPoint(1, 40), QPoint(70, 95), QPoint(35, 48) })
        EXPECT_EQ(shot.pixelColor(Slot(0)->pos() + inside), Slot(0)->Picture().pixelColor(inside)) << inside.x() << ", " << inside.y();
    for (const bool byKey : { true, false }) {
        for (const bool enabled : { false, true }) {
            window->setEnabled(enabled);
            byKey ? QTest::keyClick(window.get(), Qt::Key_F2) : Trigger("mnuFileNew");
            EXPECT_EQ(window->State().CardsLeft, enabled ? 52 : 51) << (byKey ? "F2" : "New");
        }
        ClickSlot(0);
    }
}

TEST_F(MainWindowTest, StartsWhereTheStoreSaysAndExitWritesThePositionAndStats)
{
    enum Twist { None,
        Moved,
        Minimized,
        SaveFails };
    const struct {
        const char *left, *top;
        QPoint pixels;
        Twist twist;
        const char *leftOut, *topOut;
        Strings report;
    } cases[] = {
        { nullptr, nullptr, { 67, 67 }, None, "1000", "1000", {} }, // empty store: 1000 twips at 15 a pixel
        { "-120", "1000.5", { -8, 67 }, None, "-120", "1000.5", {} }, // partly on screen: kept exactly
        { "-300000", "90000000", { 67, 67 }, None, "1000", "1000", {} }, // on a screen since unplugged
        { "1500", "1500", { 100, 100 }, Moved, "3000", "2250", {} }, // moved to (200, 150)
        { "1500", "1500", { 100, 100 }, Minimized, "", "", {} }, // no position written
        { "1500", "1500", { 100, 100 }, SaveFails, "1500", "1500", { "could not be saved" } }, // the window still closes
        { "left", "abc", { 67, 67 }, None, "1000", "1000", { "Settings/MainLeft: \"left\"", "Settings/MainTop: \"abc\"" } }, // damaged: reported once, replaced by the next write
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        if (c.left)
            store.Set("Settings", "MainLeft", c.left), store.Set("Settings", "MainTop", c.top);
        store.reads.clear(), store.writes.clear(), store.failCommits = c.twist == SaveFails;
        Open();
        EXPECT_EQ(window->pos(), c.pixels);
        EXPECT_EQ(store.reads, (Strings { "Settings/MainLeft", "Settings/MainTop", "Stats/AvgCardsLeft", "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins" }));
        EXPECT_EQ(window->State().CardsLeft, 52);
        c.twist == Moved ? window->move(200, 150) : window->setWindowState(c.twist == Minimized ? Qt::WindowMinimized : Qt::WindowNoState);
        Trigger("mnuFileExit");
        EXPECT_FALSE(window->isVisible());
        const std::vector<MemorySettingsStore::Write> written { { "Settings", "MainLeft", c.leftOut }, { "Settings", "MainTop", c.topOut }, { "Stats", "AvgCardsLeft", "0" },
            { "Stats", "TotalGames", "0" }, { "Stats", "TotalWins", "0" }, { "Stats", "TotalLosses", "0" } };
        EXPECT_EQ(store.writes, decltype(written)(written.begin() + (*c.leftOut ? 0 : 2), written.end()));
        ASSERT_EQ(boxes.boxes.size(), c.report.empty() ? 0u : 1u);
        for (const std::string& part : c.report)
            EXPECT_TRUE(Reported(0, part)) << part;
    }
}

// Game Stats shows the window's counts, stored first over stale ones, and resets them.  At shutdown the
// windows opened later close first, Game Stats last opened, and only then does the window save.
TEST_F(MainWindowTest, GameStatsShowsTheWindowsCountsAndResetsThemAndShutdownClosesItFirst)
{
    Open();
    QPointer<QDialog> stats;
    Strings seen;
    auto* other = new QDialog(window.get()); // opened before Game Stats; notes what it sees as it closes
    QObject::connect(other, &QDialog::finished, [&] { seen.push_back((stats && stats->isVisible() ? "stats open, " : "stats closed, ") + std::to_string(store.writes.size()) + " writes"); });
    window->Registry().Register(other);
    other->show();
    GameState& state = window->State(); // the counts after a game lost with 7 cards left
    state.TotalGames = state.TotalLosses = 1, state.AvgCardsLeft = 7;
    for (const char* key : { "TotalGames", "TotalWins", "TotalLosses", "AvgCardsLeft" })
        store.Set("Stats", key, "0");
    Trigger("mnuGameStats");
    stats = window->findChild<QDialog*>("frmGameStats");
    ASSERT_FALSE(stats.isNull());
    const auto shown = [&] { QStringList t; for (const char* label : { "lblGames", "lblWins", "lblLosses", "lblAvgCards" }) t << stats->findChild<QLabel*>(label)->text(); return t.join(' '); };
    EXPECT_EQ(shown(), "1 0 1 7");
    EXPECT_FALSE(window->isEnabled());
    QTest::mouseClick(stats->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton);
    EXPECT_EQ(shown(), "0 0 0 0");
    EXPECT_EQ(state.TotalGames + state.TotalLosses + state.AvgCardsLeft, 0);
    store.writes.clear();
    window->close();
    EXPECT_EQ(seen, Strings { "stats closed, 0 writes" });
    EXPECT_EQ(store.writes.size(), 6u);
    EXPECT_TRUE(window->isEnabled());
}

// A PNG under a .bmp name, a truncated bitmap, no picture at all: the stand-in shows, the problem is reported once.
TEST_F(MainWindowTest, AnUnusablePictureShowsTheStandInAndIsReportedOnce)
{
    for (const char* content : { "PNG", "BM\x10", "" }) {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath("pictures");
        for (Int16 id = 1; *content && id <= 52; ++id) {
            QFile file(QString::fromStdString(PicturePath(folder.path().toStdString(), id)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && (content == std::string("PNG") ? PaintCard(id).save(&file, "PNG") : file.write(content) > 0));
        }
        Open(folder.path().toStdString());
        const Card top = window->State().Deck(52);
        ClickSlot(0);
        ASSERT_EQ(boxes.boxes.size(), 1u) << content;
        EXPECT_TRUE(Reported(0, *content ? "could not be read" : "File not found: " + window->GameProcedures().CardPicturePath(top.Id))) << content;
        EXPECT_EQ(Slot(0)->Picture(), PaintStandIn(top.Id)) << content;
        Trigger("mnuFileNew"); // twelve empty slots, and no empty-slot picture in the folder: one report
        ASSERT_EQ(boxes.boxes.size(), 2u);
        EXPECT_TRUE(Reported(1, "69.bmp"));
        EXPECT_EQ(Slot(0)->Picture(), MakeEmptySlotPicture());
    }
}

}
