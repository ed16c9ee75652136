#include "fakes/ScriptedMessageBoxes.h"
#include "fakes/ScriptedRandom.h"
#include "game/PicturePath.h"
#include "stats/MemorySettingsStore.h"
#include "ui/CardFaces.h"
#include "ui/CardPainter.h"
#include "ui/EmptySlotPicture.h"
#include "ui/HelpCommands.h"
#include "ui/OutlineShape.h"
#include "ui/SlotPicture.h"
#include "ui/StatusLine.h"
#include "ui/Table.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

class NoHelpViewer final : public HelpViewer {
public:
    void Open(QWidget*, const std::string&, HelpCommand) override { ++opened; }
    int opened = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    void Open(const std::string& programFolder = PAIRFALL_SOURCE_DIR)
    {
        window = std::make_unique<frmMain>(frmMainServices { store, random, boxes, help, programFolder, "" });
        window->Form_Load();
    }
    void TearDown() override
    {
        if (window)
            window->setAttribute(Qt::WA_DeleteOnClose, false);
        window.reset();
    }

    SlotPicture* Slot(int i) { return window->TableArea().Slot(i); }
    OutlineShape* Outline(int i) { return window->TableArea().Outline(i); }
    QString Status() { return window->StatusBarLine().Text(); }
    QAction* Action(const char* name) { return window->findChild<QAction*>(name); }
    void ClickSlot(int i) { QTest::mouseClick(Slot(i), Qt::LeftButton, {}, QPoint(30, 40)); }

    MemorySettingsStore store;
    SeededRandom random { 99 };
    ScriptedMessageBoxes boxes;
    NoHelpViewer help;
    std::unique_ptr<frmMain> window;
};

TEST_F(MainWindowTest, OpensAsAnEmptyTableOnTheDesignedGrid)
{
    Open();
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_EQ(window->windowTitle(), "Pairfall");
    EXPECT_FALSE(window->windowIcon().isNull());
    const QList<SlotPicture*> slotPictures = window->findChildren<SlotPicture*>("Slot");
    const QList<OutlineShape*> outlines = window->findChildren<OutlineShape*>("outline");
    ASSERT_EQ(slotPictures.size(), 12);
    ASSERT_EQ(outlines.size(), 12);
    const QImage emptySlot = MakeEmptySlotPicture();
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Slot(i)->pos(), QPoint(24 + 88 * (i % 4), 24 + 112 * (i / 4)));
        EXPECT_EQ(Slot(i)->size(), QSize(71, 96));
        EXPECT_EQ(Slot(i)->Picture(), emptySlot);
        EXPECT_TRUE(Outline(i)->isHidden());
    }
    const auto* status = window->findChild<QStatusBar*>("sbStatusBar");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->height(), 18);
    EXPECT_EQ(Status(), "Ready");
    // Client area below the menu bar: 385 x 388, the status bar along the bottom.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const int menuHeight = window->menuBar()->height();
    EXPECT_EQ(window->width(), 385);
    EXPECT_EQ(window->height() - menuHeight, 388);
    EXPECT_EQ(status->geometry(), QRect(0, window->height() - 18, 385, 18));
    EXPECT_EQ(window->TableArea().palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(window->State().CardsLeft, 52);
    EXPECT_EQ(window->State().GameOver, 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, OutlineFramesTheCardWithoutCoveringIt)
{
    Open();
    window->show();
    ClickSlot(5);
    window->State().SlotValue(5) = 3; // make sure the click below selects
    ClickSlot(5);
    ASSERT_TRUE(Outline(5)->isVisible());
    const QImage shot = window->TableArea().grab().toImage();
    const QPoint slot = Slot(5)->pos();
    const QColor blue(0, 0, 255);
    EXPECT_EQ(shot.pixelColor(slot + QPoint(-1, 40)), blue);
    EXPECT_EQ(shot.pixelColor(slot + QPoint(-2, 40)), blue);
    EXPECT_EQ(shot.pixelColor(slot + QPoint(-3, 40)), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(slot + QPoint(72, 40)), blue);
    EXPECT_EQ(shot.pixelColor(slot + QPoint(30, -1)), blue);
    EXPECT_EQ(shot.pixelColor(slot + QPoint(30, 97)), blue);
    // Inside the card only the card shows.
    const QImage card = Slot(5)->Picture();
    for (const QPoint inside : { QPoint(0, 0), QPoint(1, 40), QPoint(70, 95), QPoint(35, 48) })
        EXPECT_EQ(shot.pixelColor(slot + inside), card.pixelColor(inside));
}

TEST_F(MainWindowTest, OnlyALeftClickOnASlotPlays)
{
    Open();
    window->show();
    QTest::mouseClick(Slot(0), Qt::RightButton, {}, QPoint(30, 40));
    QTest::mouseClick(&window->TableArea(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(Slot(0), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(Slot(0), Qt::LeftButton, {}, QPoint(200, 40)); // released off the slot
    EXPECT_EQ(window->State().CardsLeft, 52);
    ClickSlot(0);
    EXPECT_EQ(window->State().CardsLeft, 51);
    EXPECT_EQ(Status(), "There are 51 cards left");
    const Card dealt = window->State().Deck(52);
    EXPECT_EQ(Slot(0)->Picture(), QImage(QString::fromStdString(window->GameProcedures().CardPicturePath(dealt.Id))));
    EXPECT_EQ(Slot(0)->accessibleName(), CardName(dealt.Id));
    EXPECT_EQ(Slot(1)->accessibleName(), "Empty place");
}

TEST_F(MainWindowTest, MenusAsDesigned)
{
    Open();
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Help");
    EXPECT_EQ(menus[0]->menu()->objectName(), "mnuFile");
    EXPECT_EQ(menus[1]->menu()->objectName(), "mnuHelp");
    const std::vector<std::pair<QString, QString>> file = { { "mnuFileNew", "&New" }, { "mnuGameStats", "&Game Stats" }, { "mnuFileBar1", "" }, { "mnuFileExit", "E&xit" } };
    const std::vector<std::pair<QString, QString>> helpItems = { { "mnuHelpContents", "&Contents" }, { "mnuHelpSearch", "&Search For Help On..." }, { "mnuHelpBar1", "" }, { "mnuHelpAbout", "&About Pairfall..." } };
    for (const auto& [menu, expected] : { std::pair { menus[0]->menu(), file }, std::pair { menus[1]->menu(), helpItems } }) {
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(items[i]->objectName(), expected[i].first);
            EXPECT_EQ(items[i]->isSeparator(), expected[i].second.isEmpty());
            if (!items[i]->isSeparator()) {
                EXPECT_EQ(items[i]->text(), expected[i].second);
            }
            EXPECT_EQ(items[i]->shortcut(), items[i]->objectName() == "mnuFileNew" ? QKeySequence(Qt::Key_F2) : QKeySequence());
            EXPECT_TRUE(items[i]->isEnabled());
            EXPECT_FALSE(items[i]->isCheckable());
        }
    }
}

TEST_F(MainWindowTest, F2StartsANewGameUnlessTheWindowIsDisabled)
{
    Open();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ClickSlot(3);
    ASSERT_EQ(window->State().CardsLeft, 51);

    window->setEnabled(false);
    QTest::keyClick(window.get(), Qt::Key_F2);
    Action("mnuFileNew")->trigger();
    EXPECT_EQ(window->State().CardsLeft, 51);
    EXPECT_NE(Status(), "Ready");

    window->setEnabled(true);
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(window->State().CardsLeft, 52);
    EXPECT_EQ(window->State().SlotValue(3), 0);
    EXPECT_EQ(Status(), "Ready");
}

TEST_F(MainWindowTest, StatusTipsNeverReplaceTheGamesLine)
{
    Open();
    window->show();
    ClickSlot(0);
    QStatusTipEvent tip(QStringLiteral("Start a new game"));
    QApplication::sendEvent(window.get(), &tip);
    QStatusTipEvent empty(QString {});
    QApplication::sendEvent(window.get(), &empty);
    EXPECT_EQ(Status(), "There are 51 cards left");
    EXPECT_TRUE(window->findChild<QLabel*>("sbStatusLine")->isVisible());
}

TEST_F(MainWindowTest, FirstRunOpensAt1000TwipsAndExitWritesItBack)
{
    Open();
    EXPECT_EQ(window->pos(), QPoint(67, 67)); // 1000 twips at 15 a pixel
    EXPECT_EQ(store.reads, (std::vector<std::string> { "Settings/MainLeft", "Settings/MainTop", "Stats/AvgCardsLeft", "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins" }));
    window->show();
    Action("mnuFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    const std::vector<MemorySettingsStore::Write> expected = {
        { "Settings", "MainLeft", "1000" }, { "Settings", "MainTop", "1000" },
        { "Stats", "AvgCardsLeft", "0" }, { "Stats", "TotalGames", "0" }, { "Stats", "TotalWins", "0" }, { "Stats", "TotalLosses", "0" },
    };
    EXPECT_EQ(store.writes, expected);
}

TEST_F(MainWindowTest, StoredPositionIsKeptUnlessNoScreenShowsIt)
{
    const struct { const char* left; const char* top; QPoint pixels; float leftTwips; } cases[] = {
        { "-120", "1500", { -8, 100 }, -120.0f }, // partly visible: kept exactly
        { "1000.5", "1000", { 67, 67 }, 1000.5f },
        { "-300000", "90000000", { 67, 67 }, 1000.0f }, // on a screen since unplugged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        store.Set("Settings", "MainLeft", c.left);
        store.Set("Settings", "MainTop", c.top);
        Open();
        EXPECT_EQ(window->pos(), c.pixels);
        EXPECT_EQ(window->LeftTwips(), c.leftTwips);
    }
    window->move(200, 150);
    EXPECT_EQ(window->LeftTwips(), 3000.0f);
    EXPECT_EQ(window->TopTwips(), 2250.0f);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, DamagedEntriesAreReportedOnceAndStartUpFinishes)
{
    store.Set("Settings", "MainLeft", "left");
    store.Set("Stats", "TotalGames", "abc");
    store.Set("Stats", "TotalWins", "3");
    Open();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    const std::string& report = boxes.boxes[0].prompt;
    EXPECT_NE(report.find("Settings/MainLeft"), std::string::npos);
    EXPECT_NE(report.find("\"left\""), std::string::npos);
    EXPECT_NE(report.find("Stats/TotalGames"), std::string::npos);
    EXPECT_NE(report.find("\"abc\""), std::string::npos);
    EXPECT_EQ(boxes.boxes[0].title, "Pairfall");
    EXPECT_EQ(window->pos().x(), 67);
    EXPECT_EQ(window->State().TotalGames, 0);
    EXPECT_EQ(window->State().TotalWins, 3);
    EXPECT_EQ(window->State().CardsLeft, 52);
    ClickSlot(0);
    EXPECT_EQ(window->State().CardsLeft, 51);
    // The next write replaces the bad entry.
    window->close();
    EXPECT_EQ(store.Get("Stats", "TotalGames"), "0");
    EXPECT_EQ(store.Get("Settings", "MainLeft"), "1000");
}

TEST_F(MainWindowTest, MinimizedWindowKeepsTheStoredPosition)
{
    store.Set("Settings", "MainLeft", "1500");
    Open();
    window->show();
    window->setWindowState(Qt::WindowMinimized);
    window->close();
    EXPECT_EQ(store.writes.size(), 4u);
    EXPECT_EQ(store.writes.front().key, "AvgCardsLeft");
    EXPECT_EQ(store.Get("Settings", "MainLeft"), "1500");
    EXPECT_FALSE(store.Has("Settings", "MainTop"));
}

TEST_F(MainWindowTest, ShutdownClosesOtherWindowsMostRecentFirstThenSaves)
{
    Open();
    window->show();
    std::vector<std::string> events;
    auto* first = new QWidget(window.get(), Qt::Window);
    auto* second = new QWidget(window.get(), Qt::Window);
    for (QWidget* w : { first, second }) {
        w->show();
        window->Registry().Register(w);
    }
    QObject::connect(first, &QObject::destroyed, [&] { events.push_back("first"); });
    QObject::connect(second, &QObject::destroyed, [&] { events.push_back("second"); });
    first->setAttribute(Qt::WA_DeleteOnClose);
    second->setAttribute(Qt::WA_DeleteOnClose);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(events, (std::vector<std::string> { "second", "first" }));
    EXPECT_EQ(store.writes.size(), 6u);
}

TEST_F(MainWindowTest, GameStatsShowsAFinishedGameAndResets)
{
    Open();
    window->show();
    // A game lost with 7 cards left.
    GameState& state = window->State();
    for (Int16 i = 0; i < 12; ++i)
        state.SlotValue(i) = std::array<Int16, 12> { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 }[static_cast<std::size_t>(i)];
    state.SlotsFilled = 12;
    state.CardsLeft = 7;
    boxes.answers = { Answer::No };
    window->GameProcedures().Check_NoPlay();
    // The dialog must show the window's counters, so the command has to
    // store them before the dialog reads: make the store hold stale ones.
    for (const char* key : { "TotalGames", "TotalWins", "TotalLosses", "AvgCardsLeft" })
        store.Set("Stats", key, "0");
    store.writes.clear();
    store.reads.clear();

    Action("mnuGameStats")->trigger();
    auto* dialog = window->findChild<QDialog*>("frmGameStats");
    ASSERT_NE(dialog, nullptr);
    // Written first, then read by the dialog, then read back by the window.
    ASSERT_EQ(store.writes.size(), 4u);
    EXPECT_EQ(store.reads, (std::vector<std::string> { "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins", "Stats/AvgCardsLeft",
                               "Stats/AvgCardsLeft", "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins" }));
    const auto label = [&](const char* name) { return dialog->findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(label("lblGames"), "1");
    EXPECT_EQ(label("lblWins"), "0");
    EXPECT_EQ(label("lblLosses"), "1");
    EXPECT_EQ(label("lblAvgCards"), "7");
    EXPECT_FALSE(window->isEnabled());

    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton);
    EXPECT_EQ(label("lblGames"), "0");
    EXPECT_EQ(label("lblAvgCards"), "0");
    EXPECT_EQ(state.TotalGames, 0);
    EXPECT_EQ(state.TotalLosses, 0);
    EXPECT_EQ(store.Get("Stats", "TotalLosses"), "0");
    EXPECT_EQ(store.Get("Stats", "AvgCardsLeft"), "0");
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, GameStatsDialogIsUnloadedBeforeTheSave)
{
    Open();
    window->show();
    Action("mnuGameStats")->trigger();
    EXPECT_FALSE(window->isEnabled());
    auto* dialog = window->findChild<QDialog*>("frmGameStats");
    ASSERT_NE(dialog, nullptr);
    store.writes.clear();
    window->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(store.writes.size(), 6u);
}

TEST_F(MainWindowTest, AMissingPictureShowsAStandInAndIsReportedOnce)
{
    QTemporaryDir empty;
    Open(empty.path().toStdString());
    window->show();
    const Card top = window->State().Deck(52);
    ClickSlot(0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].prompt, "File not found: " + window->GameProcedures().CardPicturePath(top.Id));
    EXPECT_EQ(Slot(0)->Picture(), PaintStandIn(top.Id));
    EXPECT_EQ(window->State().SlotValue(0), top.Value);
    // The game goes on; New reports the empty-slot picture once, not twelve times.
    Action("mnuFileNew")->trigger();
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_NE(boxes.boxes[1].prompt.find("69.bmp"), std::string::npos);
    EXPECT_EQ(Slot(0)->Picture(), MakeEmptySlotPicture());
    EXPECT_EQ(Status(), "Ready");
}

TEST_F(MainWindowTest, APictureThatIsNotABitmapIsReported)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("pictures");
    for (Int16 id = 1; id <= 52; ++id) {
        QFile file(QString::fromStdString(PicturePath(folder.path().toStdString(), id)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (id % 2 == 0)
            PaintCard(id).save(&file, "PNG"); // the wrong format under a .bmp name
        else
            file.write("BM\x10\x00");          // a truncated bitmap
    }
    Open(folder.path().toStdString());
    window->show();
    const Card top = window->State().Deck(52);
    ClickSlot(0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].prompt.find("could not be read"), std::string::npos);
    EXPECT_EQ(Slot(0)->Picture(), PaintStandIn(top.Id));
}

TEST_F(MainWindowTest, AFailedSaveAtExitIsReportedAndTheWindowStillCloses)
{
    Open();
    window->show();
    store.failCommits = true;
    window->close();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].prompt.find("could not be saved"), std::string::npos);
    EXPECT_FALSE(window->isVisible());
}

}
