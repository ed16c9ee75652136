// The main window and the windows it opens, on fakes.  Positions in twips, 15 to the pixel.
#include "MainWindowOnFakes.h"
#include "art/PictureScale.h"
#include "art/StandIn.h"
#include "art/TableGreen.h"
#include "game/SettingsEntries.h"
#include "ui/OutlineShape.h"
#include "ui/TableLayout.h"
#include "ui/frmGameStats.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <gtest/gtest.h>

#include <set>

using namespace pairfall;
using namespace pairfall::testing;
using Strings = std::vector<std::string>;

namespace {

// The picture file of the card on top of the deck, at twice the size.
QImage TopCardPartner(frmMain& window)
{
    return QImage(QStringLiteral(PAIRFALL_SOURCE_DIR "/pictures/%1@2x.bmp").arg(window.State().Deck(window.State().CardsLeft).Id)).convertToFormat(QImage::Format_RGB32);
}

class OpenWindow : public MainWindow {
protected:
    void SetUp() override { Open(); }
};

using Startup = MainWindow;
using Shutdown = OpenWindow;
using Menus = OpenWindow;
using GameStats = OpenWindow;

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

TEST_F(Startup, DamagedEntriesAreReportedInOneBoxAndTakeTheirDefaultsWhileTheRestLoadsAndTheGameStarts)
{
    store.Set("Settings", "MainLeft", "left");
    store.Set("Settings", "MainTop", "abc");
    store.Set("Stats", "TotalGames", "abc");
    store.Set("Stats", "TotalWins", "2");
    Open();
    EXPECT_EQ(window->pos(), QPoint(67, 67));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0], "Settings/MainLeft: \"left\"");
    EXPECT_PRED2(Contains, boxes.boxes[0], "Settings/MainTop: \"abc\"");
    EXPECT_PRED2(Contains, boxes.boxes[0], "Stats/TotalGames: \"abc\"");
    EXPECT_EQ(window->State().TotalGames, 0);
    EXPECT_EQ(window->State().TotalWins, 2);
    EXPECT_EQ(window->State().CardsLeft, 52);
}

TEST_F(Shutdown, AMinimizedWindowWritesTheStatisticsButNoPosition)
{
    window->setWindowState(Qt::WindowMinimized);
    log.Clear();
    Trigger("mnuFileExit");
    EXPECT_EQ(log.events, (Strings { "write Stats/AvgCardsLeft=0", "write Stats/TotalGames=0", "write Stats/TotalWins=0", "write Stats/TotalLosses=0", "commit" }));
}

TEST_F(Shutdown, ASaveThatFailsIsReportedAndTheWindowStillCloses)
{
    store.failCommits = true;
    Trigger("mnuFileExit");
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0], "could not be saved");
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

TEST_F(MainWindow, AMissingCardPictureShowsTheStandInAndIsReported)
{
    Open(store, PAIRFALL_SOURCE_DIR "/tests/pictures/designed-only");
    const Card top = window->State().Deck(52);
    ClickSlot(0);
    EXPECT_EQ(Slot(0)->Picture(), PaintStandIn(top.Id));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_PRED2(Contains, boxes.boxes[0], "File not found: " + window->GameProcedures().CardPicturePath(top.Id));
}

using ScaledTable = OpenWindow;
using ScaledPictures = MainWindow;

TEST_F(ScaledTable, ADealtSlotAtOneAndAHalfTimesTheScaleShowsASmoothResampleOfItsDoubleSizeFile)
{
    const QImage partner = TopCardPartner(*window);
    ClickSlot(0);
    EXPECT_EQ(Slot(0)->grab().toImage().convertToFormat(QImage::Format_RGB32), partner.scaled(partner.size() * 0.75, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

TEST_F(ScaledTable, AnOutlineAtOneAndAHalfTimesTheScaleIsSolidBlueWithSharpEdges)
{
    ClickSlot(0);
    const QImage outline = window->TableArea().Outline(0)->grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < outline.height(); ++y) {
        for (int x = 0; x < outline.width(); ++x)
            colours.insert(outline.pixel(x, y));
    }
    EXPECT_EQ(colours, (std::set<QRgb> { layout::OutlineBlue.rgb(), TableGreen.rgb() }));
}

// Run on two screens, the second at twice the scale of the first.
using TwoScreens = OpenWindow;

TEST_F(TwoScreens, ACardDealtOnOneScreenShowsItsDoubleSizeFileAfterTheWindowMovesToAScreenOfTwiceTheScale)
{
    const QImage partner = TopCardPartner(*window);
    ClickSlot(0);
    window->windowHandle()->setScreen(QGuiApplication::screens().at(1));
    EXPECT_EQ(Slot(0)->grab().toImage().convertToFormat(QImage::Format_RGB32), partner);
}

TEST_F(ScaledPictures, ADesignedPictureWithoutAPartnerShowsWithoutAReport)
{
    Open(store, PAIRFALL_SOURCE_DIR "/tests/pictures/designed-only");
    Trigger("mnuFileNew");
    EXPECT_EQ(Slot(11)->Picture(), QImage(PAIRFALL_SOURCE_DIR "/pictures/69.bmp"));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ScaledPictures, ACutShortPartnerFallsBackToTheDesignedPictureAndIsReportedOnce)
{
    Open(store, PAIRFALL_SOURCE_DIR "/tests/pictures/cut-partner");
    Trigger("mnuFileNew");
    EXPECT_EQ(Slot(11)->Picture(), QImage(PAIRFALL_SOURCE_DIR "/pictures/69.bmp"));
    const QString partner = ScaledPicturePath(QString::fromStdString(window->GameProcedures().EmptySlotPicturePath()), 2);
    EXPECT_EQ(boxes.boxes, Strings { "Pairfall|The picture " + partner.toStdString() + " could not be read: the file is cut short|OK|critical" });
}

// Opened on counts the store does not hold yet: it holds zeros.
TEST_F(GameStats, ResetZeroesTheWindowsCountsAndTheShownOnes)
{
    window->State().TotalGames = 12;
    window->State().TotalWins = 5;
    window->State().TotalLosses = 7;
    window->State().AvgCardsLeft = 19;
    Trigger("mnuGameStats");
    auto* dialog = window->findChild<frmGameStats*>();
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton);
    EXPECT_EQ(window->State().TotalGames, 0);
    for (const char* label : { "lblGames", "lblWins", "lblLosses", "lblAvgCards" })
        EXPECT_EQ(dialog->findChild<QLabel*>(label)->text(), "0") << label;
}

// TotalGames reads back damaged whatever is written to it, as if another run
// spoiled the entry straight after each write; the rest read as never written.
struct StoreSpoilingTotalGames final : SettingsStore {
    std::string ReadSetting(const std::string&, const std::string&, const std::string& key, const std::string& defaultText) override
    {
        if (key == TotalGamesKey)
            return "abc";
        return defaultText;
    }
    void WriteSetting(const std::string&, const std::string&, const std::string&, const std::string&) override { }
    void Commit() override { }
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
    EXPECT_PRED2(Contains, boxes.boxes[0], "Stats/TotalGames: \"abc\"");
    EXPECT_PRED2(Contains, boxes.boxes[1], "could not be read back");
}

TEST_F(Menus, HelpWithoutAHelpFileSaysThereIsNoHelp)
{
    Trigger("mnuHelpContents");
    EXPECT_EQ(boxes.boxes, Strings { "Pairfall|Unable to display Help Contents. There is no Help associated with this project.|OK|information" });
}

}
