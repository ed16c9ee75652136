// The main window and the windows it opens, on fakes; the game's rules are
// tested on the engine.  Positions are in twips, 15 to the pixel.
#include "art/CardPainter.h"
#include "art/StandIn.h"
#include "art/TableGreen.h"
#include "fakes/EventLog.h"
#include "fakes/MemorySettingsStore.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "fakes/ScriptedRandom.h"
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/Version.h"
#include "stats/frmGameStats.h"
#include "ui/HelpCommands.h"
#include "ui/OutlineShape.h"
#include "ui/SlotPicture.h"
#include "ui/Table.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace pairfall;
using namespace pairfall::testing;
using Strings = std::vector<std::string>;

namespace {

// Records the command it is asked for and can fail as the platform's viewer does.
struct FakeHelpViewer final : HelpViewer {
    void Open(QWidget*, const std::string& file, HelpCommand command) override
    {
        code = static_cast<std::uint32_t>(command);
        if (fails)
            throw RuntimeError::FileNotFound(file);
    }
    std::uint32_t code = 0;
    bool fails = false;
};

// The main window on fakes, opened as the program opens it.  The store's
// reads, writes and commits land in one log.
class MainWindow : public ::testing::Test {
protected:
    void Open() { Open(store, PAIRFALL_SOURCE_DIR); }
    void Open(SettingsStore& settings, const std::string& programFolder)
    {
        window = std::make_unique<frmMain>(frmMainServices { settings, random, boxes, help, programFolder, helpFile });
        window->Form_Load();
        window->show();
    }
    void Trigger(const char* command) { window->findChild<QAction*>(command)->trigger(); }
    SlotPicture* Slot(int index) { return window->TableArea().Slot(index); }
    void ClickSlot(int index) { QTest::mouseClick(Slot(index), Qt::LeftButton, {}, QPoint(30, 40)); }

    EventLog log;
    MemorySettingsStore store { log };
    ScriptedMessageBoxes boxes;
    SeededRandom random { 99 };
    FakeHelpViewer help;
    std::string helpFile; // none: the help commands say there is no help
    std::unique_ptr<frmMain> window;
};

class OpenWindow : public MainWindow {
protected:
    void SetUp() override { Open(); }
};

using Startup = MainWindow;
using Shutdown = OpenWindow;
using TheTable = OpenWindow;
using Pictures = MainWindow;
using Menus = OpenWindow;
using HelpMenu = OpenWindow;
using HelpFile = MainWindow;

TEST_F(Startup, ReadsThePositionThenTheFourCounters)
{
    Open();
    const Strings expected { "read Settings/MainLeft", "read Settings/MainTop", "read Stats/AvgCardsLeft", "read Stats/TotalGames", "read Stats/TotalLosses", "read Stats/TotalWins" };
    EXPECT_EQ(log.Starting("read "), expected);
}

TEST_F(Startup, AnEmptyStoreOpensTheWindowAtAThousandTwipsAndExitWritesThemBack)
{
    Open();
    EXPECT_EQ(window->pos(), QPoint(67, 67));
    Trigger("mnuFileExit");
    EXPECT_EQ(log.Starting("write Settings/"), (Strings { "write Settings/MainLeft=1000", "write Settings/MainTop=1000" }));
}

TEST_F(Startup, APartlyOffScreenPositionIsKeptExactly)
{
    store.Set("Settings", "MainLeft", "-120");
    store.Set("Settings", "MainTop", "1000.5");
    Open();
    EXPECT_EQ(window->pos(), QPoint(-8, 67));
    Trigger("mnuFileExit");
    EXPECT_EQ(log.Starting("write Settings/"), (Strings { "write Settings/MainLeft=-120", "write Settings/MainTop=1000.5" }));
}

TEST_F(Startup, APositionOnAScreenSinceUnpluggedFallsBackToTheDefault)
{
    store.Set("Settings", "MainLeft", "-300000");
    store.Set("Settings", "MainTop", "90000000");
    Open();
    EXPECT_EQ(window->pos(), QPoint(67, 67));
}

TEST_F(Startup, DamagedPositionEntriesAreReportedInOneBoxAndTheDefaultIsUsed)
{
    store.Set("Settings", "MainLeft", "left");
    store.Set("Settings", "MainTop", "abc");
    Open();
    EXPECT_EQ(window->pos(), QPoint(67, 67));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "Settings/MainLeft: \"left\"");
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "Settings/MainTop: \"abc\"");
}

TEST_F(Startup, ADamagedCounterIsReportedAndCountsAsZeroWhileTheRestLoadsAndTheGameStarts)
{
    store.Set("Stats", "TotalGames", "abc");
    store.Set("Stats", "TotalWins", "2");
    Open();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "Stats/TotalGames: \"abc\"");
    EXPECT_EQ(window->State().TotalGames, 0);
    EXPECT_EQ(window->State().TotalWins, 2);
    EXPECT_EQ(window->State().CardsLeft, 52);
    EXPECT_EQ(window->State().SlotsFilled, 0);
}

TEST_F(Shutdown, AMovedWindowWritesItsNewPosition)
{
    window->move(200, 150);
    Trigger("mnuFileExit");
    EXPECT_EQ(log.Starting("write Settings/"), (Strings { "write Settings/MainLeft=3000", "write Settings/MainTop=2250" }));
}

TEST_F(Shutdown, AMinimizedWindowWritesTheStatisticsButNoPosition)
{
    window->setWindowState(Qt::WindowMinimized);
    log.Clear();
    Trigger("mnuFileExit");
    const Strings expected { "write Stats/AvgCardsLeft=0", "write Stats/TotalGames=0", "write Stats/TotalWins=0", "write Stats/TotalLosses=0", "commit" };
    EXPECT_EQ(log.events, expected);
}

TEST_F(Shutdown, ASaveThatFailsIsReportedAndTheWindowStillCloses)
{
    store.failCommits = true;
    Trigger("mnuFileExit");
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "could not be saved");
}

TEST_F(Shutdown, ClosesTheLaterWindowsFirstAndGameStatsBeforeSaving)
{
    auto* earlier = new QDialog(window.get());
    window->Registry().Register(earlier);
    earlier->show();
    QObject::connect(earlier, &QDialog::finished, [this] { log.Add("closed the earlier window"); });
    Trigger("mnuGameStats");
    QObject::connect(window->findChild<frmGameStats*>(), &QDialog::finished, [this] { log.Add("closed Game Stats"); });
    log.Clear();
    window->close();
    ASSERT_GE(log.events.size(), 3u);
    const Strings firstThree(log.events.begin(), log.events.begin() + 3);
    EXPECT_EQ(firstThree, (Strings { "closed Game Stats", "closed the earlier window", "write Settings/MainLeft=1000" }));
}

TEST_F(TheTable, ALeftClickOnAnEmptySlotDealsTheTopCardThere)
{
    const QString picture = QString::fromStdString(window->GameProcedures().CardPicturePath(window->State().Deck(52).Id));
    ClickSlot(0);
    EXPECT_EQ(Slot(0)->Picture(), QImage(picture));
}

TEST_F(TheTable, ARightClickDoesNotPlay)
{
    QTest::mouseClick(Slot(0), Qt::RightButton, {}, QPoint(30, 40));
    EXPECT_EQ(window->State().CardsLeft, 52);
}

TEST_F(TheTable, APressReleasedOffTheSlotDoesNotPlay)
{
    QTest::mousePress(Slot(0), Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(Slot(0), Qt::LeftButton, {}, QPoint(200, 40));
    EXPECT_EQ(window->State().CardsLeft, 52);
}

TEST_F(TheTable, AStatusTipNeverReplacesTheStatusLine)
{
    QStatusTipEvent tip(QStringLiteral("Start a new game"));
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusBar()->currentMessage(), "");
}

// Two pixels of blue show around the card; the rest of the frame lies beneath it.
TEST_F(TheTable, TheOutlineFramesASelectedCardWithoutCoveringIt)
{
    ClickSlot(0);
    window->State().SlotValue(0) = 3; // a number card, which the next click selects
    ClickSlot(0);
    ASSERT_TRUE(window->TableArea().Outline(0)->isVisible());
    const QImage table = window->TableArea().grab().toImage();
    const QImage card = Slot(0)->Picture();
    const QPoint corner = Slot(0)->pos();
    EXPECT_EQ(table.pixelColor(corner + QPoint(-2, 40)), QColor(Qt::blue));
    EXPECT_EQ(table.pixelColor(corner + QPoint(-3, 40)), TableGreen);
    EXPECT_EQ(table.pixelColor(corner + QPoint(30, 97)), QColor(Qt::blue));
    EXPECT_EQ(table.pixelColor(corner + QPoint(1, 40)), card.pixelColor(1, 40));
    EXPECT_EQ(table.pixelColor(corner), card.pixelColor(0, 0));
}

TEST_F(Pictures, AMissingCardPictureShowsTheStandInAndIsReported)
{
    QTemporaryDir noPictures;
    Open(store, noPictures.path().toStdString());
    const Card top = window->State().Deck(52);
    ClickSlot(0);
    EXPECT_EQ(Slot(0)->Picture(), PaintStandIn(top.Id));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "File not found: " + window->GameProcedures().CardPicturePath(top.Id));
}

TEST_F(Pictures, AMissingEmptySlotPictureIsReportedOnceForAllTwelveSlots)
{
    QTemporaryDir noPictures;
    Open(store, noPictures.path().toStdString());
    Trigger("mnuFileNew");
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

// Each menu by name and caption, then its items, a separator shown as "-".
QStringList Tree(const QMenu* menu)
{
    QStringList tree { menu->objectName() + " " + menu->title() };
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator())
            tree << item->objectName() + " -";
        else
            tree << item->objectName() + " " + item->text();
    }
    return tree;
}

TEST_F(Menus, HoldTheCommandsInOrder)
{
    const QStringList file { "mnuFile &File", "mnuFileNew &New", "mnuGameStats &Game Stats", "mnuFileBar1 -", "mnuFileExit E&xit" };
    const QStringList help { "mnuHelp &Help", "mnuHelpContents &Contents", "mnuHelpSearch &Search For Help On...", "mnuHelpBar1 -", "mnuHelpAbout &About Pairfall..." };
    EXPECT_EQ(Tree(window->findChild<QMenu*>("mnuFile")), file);
    EXPECT_EQ(Tree(window->findChild<QMenu*>("mnuHelp")), help);
}

TEST_F(Menus, F2StartsANewGame)
{
    ClickSlot(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(window->State().CardsLeft, 52);
}

TEST_F(Menus, F2DoesNothingWhileTheWindowIsDisabled)
{
    ClickSlot(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->setEnabled(false);
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(window->State().CardsLeft, 51);
}

TEST_F(Menus, NewDoesNothingWhileTheWindowIsDisabled)
{
    ClickSlot(0);
    window->setEnabled(false);
    Trigger("mnuFileNew");
    EXPECT_EQ(window->State().CardsLeft, 51);
}

// Game Stats opened after 12 games, 5 won and 7 lost with 19 cards left on
// average; the store still holds the zeros it started with.
class GameStats : public OpenWindow {
protected:
    void SetUp() override
    {
        OpenWindow::SetUp();
        window->State().TotalGames = 12;
        window->State().TotalWins = 5;
        window->State().TotalLosses = 7;
        window->State().AvgCardsLeft = 19;
        Trigger("mnuGameStats");
        dialog = window->findChild<frmGameStats*>();
    }
    QPushButton* Button(const char* name) { return dialog->findChild<QPushButton*>(name); }
    int Right(const char* label) { return dialog->findChild<QLabel*>(label)->geometry().right(); }
    int Left(const char* label) { return dialog->findChild<QLabel*>(label)->x(); }
    // Games, wins, losses and average, as the dialog shows them.
    QString Shown()
    {
        QStringList shown;
        for (const char* label : { "lblGames", "lblWins", "lblLosses", "lblAvgCards" })
            shown << dialog->findChild<QLabel*>(label)->text();
        return shown.join(' ');
    }
    std::string Counts()
    {
        const GameState& s = window->State();
        return std::to_string(s.TotalGames) + " " + std::to_string(s.TotalWins) + " " + std::to_string(s.TotalLosses) + " " + std::to_string(s.AvgCardsLeft);
    }

    QPointer<frmGameStats> dialog;
};

TEST_F(GameStats, ShowsTheWindowsCountsNotTheStoredOnes)
{
    EXPECT_EQ(Shown(), "12 5 7 19");
}

TEST_F(GameStats, ResetZeroesTheWindowsCountsAndTheShownOnes)
{
    QTest::mouseClick(Button("cmdResetStats"), Qt::LeftButton);
    EXPECT_EQ(Counts(), "0 0 0 0");
    EXPECT_EQ(Shown(), "0 0 0 0");
}

// The counts stay zero, so the next save that works stores zeros.
TEST_F(GameStats, AResetWhoseSaveFailsIsReportedAndTheNextSaveStoresZeros)
{
    store.failCommits = true;
    QTest::mouseClick(Button("cmdResetStats"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "could not be saved");
    EXPECT_EQ(Counts(), "0 0 0 0");
    store.failCommits = false;
    log.Clear();
    window->close();
    const Strings expected { "write Stats/AvgCardsLeft=0", "write Stats/TotalGames=0", "write Stats/TotalWins=0", "write Stats/TotalLosses=0" };
    EXPECT_EQ(log.Starting("write Stats/"), expected);
}

TEST_F(GameStats, TheMainWindowIsDisabledWhileItIsOpen)
{
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(GameStats, TheCloseButtonEnablesTheMainWindowAgain)
{
    QTest::mouseClick(Button("cmdClose"), Qt::LeftButton);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(GameStats, EscapeEnablesTheMainWindowAgain)
{
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(GameStats, TheCloseButtonHasTheFocus)
{
    EXPECT_EQ(dialog->focusWidget(), Button("cmdClose"));
}

TEST_F(GameStats, AStrayEnterDoesNotReset)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    Button("cmdResetStats")->setFocus();
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_EQ(Counts(), "12 5 7 19");
}

// Whatever font the system gives, no caption runs into its value.
TEST_F(GameStats, EveryCaptionEndsBeforeItsValue)
{
    EXPECT_LT(Right("Label2"), Left("lblGames"));
    EXPECT_LT(Right("Label3"), Left("lblWins"));
    EXPECT_LT(Right("Label4"), Left("lblLosses"));
    EXPECT_LT(Right("Label5"), Left("lblAvgCards"));
}

// A store whose TotalGames reads back damaged whatever is written to it, as
// if another run spoiled the entry straight after each write.
class StoreSpoilingTotalGames final : public SettingsStore {
public:
    std::string ReadSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& defaultText) override
    {
        if (key == TotalGamesKey)
            return "abc";
        return kept.ReadSetting(application, section, key, defaultText);
    }
    void WriteSetting(const std::string& application, const std::string& section, const std::string& key, const std::string& text) override
    {
        kept.WriteSetting(application, section, key, text);
    }
    void Commit() override { kept.Commit(); }

    MemorySettingsStore kept;
};

TEST_F(MainWindow, GameStatsShowsADamagedEntryAsZeroAndTheWindowKeepsItsOwnCount)
{
    StoreSpoilingTotalGames spoiling;
    Open(spoiling, PAIRFALL_SOURCE_DIR);
    window->State().TotalGames = 12;
    boxes.boxes.clear(); // the start-up report
    Trigger("mnuGameStats");
    EXPECT_EQ(window->findChild<QLabel*>("lblGames")->text(), "0");
    EXPECT_EQ(window->State().TotalGames, 12);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_PRED2(Contains, boxes.boxes[0].prompt, "Stats/TotalGames: \"abc\"");
    EXPECT_PRED2(Contains, boxes.boxes[1].prompt, "could not be read back");
}

const std::vector<ScriptedMessageBoxes::Box> NoHelpBox { { "Unable to display Help Contents. There is no Help associated with this project.", Buttons::OK, "Pairfall", Icon::Information } };

TEST_F(HelpMenu, ContentsSaysThereIsNoHelp)
{
    Trigger("mnuHelpContents");
    EXPECT_EQ(boxes.boxes, NoHelpBox);
}

TEST_F(HelpMenu, SearchSaysThereIsNoHelp)
{
    Trigger("mnuHelpSearch");
    EXPECT_EQ(boxes.boxes, NoHelpBox);
}

// About is looked at, then closed, from inside the command: the command must
// still be waiting for it then.
TEST_F(HelpMenu, AboutOpensTheAboutWindowModalToTheMainWindowAndWaitsForItToClose)
{
    bool lookedAtWhileOpen = false;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, window.get(), [&] {
        auto* about = window->findChild<frmAbout*>();
        ASSERT_NE(about, nullptr);
        lookedAtWhileOpen = about->isVisible();
        modality = about->windowModality();
        owner = about->parentWidget();
        about->close();
    });
    Trigger("mnuHelpAbout");
    EXPECT_TRUE(lookedAtWhileOpen);
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_EQ(owner, window.get());
}

TEST_F(HelpFile, ContentsAsksTheViewerForCommand3)
{
    helpFile = "pairfall.hlp";
    Open();
    Trigger("mnuHelpContents");
    EXPECT_EQ(help.code, 3u);
}

TEST_F(HelpFile, SearchAsksTheViewerForCommand0x105)
{
    helpFile = "pairfall.hlp";
    Open();
    Trigger("mnuHelpSearch");
    EXPECT_EQ(help.code, 0x0105u);
}

TEST_F(HelpFile, AViewerThatFailsIsReportedByItsDescription)
{
    helpFile = "pairfall.hlp";
    help.fails = true;
    Open();
    Trigger("mnuHelpContents");
    const std::vector<ScriptedMessageBoxes::Box> expected { { "File not found: pairfall.hlp", Buttons::OK, "Pairfall", Icon::None } };
    EXPECT_EQ(boxes.boxes, expected);
}

// The About window shown on its own, without waiting for it.
class AboutWindow : public OpenWindow {
protected:
    void SetUp() override
    {
        OpenWindow::SetUp();
        about = new frmAbout(window.get());
        about->Form_Load();
        about->show();
    }
    QWidget* Control(const char* name) { return about->findChild<QWidget*>(name); }

    QPointer<frmAbout> about;
};

TEST_F(AboutWindow, ShowsTheProgramsVersion)
{
    const QString version = QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), version);
}

TEST_F(AboutWindow, IsLaidOutAtAFixedSizeWithOKTheFocusedDefaultButton)
{
    EXPECT_EQ(about->minimumSize(), QSize(377, 208));
    EXPECT_EQ(about->maximumSize(), QSize(377, 208));
    EXPECT_EQ(Control("cmdOK")->geometry(), QRect(283, 175, 84, 23));
    EXPECT_TRUE(about->findChild<QPushButton*>("cmdOK")->isDefault());
    EXPECT_EQ(about->focusWidget(), Control("cmdOK"));
    EXPECT_EQ(Control("picIcon")->geometry(), QRect(16, 16, 36, 36));
    EXPECT_EQ(Control("Label1")->pos(), QPoint(72, 8));
    EXPECT_EQ(Control("lblVersion")->pos(), QPoint(70, 52));
    EXPECT_EQ(Control("lblDescription")->pos(), QPoint(70, 75));
}

class AboutWindowKey : public AboutWindow, public ::testing::WithParamInterface<Qt::Key> { };

TEST_P(AboutWindowKey, ClosesTheAboutWindow)
{
    QTest::keyClick(about, GetParam());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

INSTANTIATE_TEST_SUITE_P(ReturnEnterAndEscape, AboutWindowKey, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

}
