#include "fakes/MemorySettingsStore.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "game/RuntimeError.h"
#include "game/Version.h"
#include "stats/frmGameStats.h"
#include "ui/HelpCommands.h"
#include "ui/frmAbout.h"
#include "widgets/ErrorBoundary.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

QPushButton* Button(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(name); }
class DialogTest : public ::testing::Test {
protected:
    frmGameStats* OpenStats()
    {
        owner.setEnabled(false); // as the main window does before it opens the dialog
        auto* dialog = new frmGameStats(&owner, store, errors, [this] { ++resets; });
        return dialog->Form_Load(), dialog->show(), dialog;
    }
    QWidget owner;
    MemorySettingsStore store;
    pairfall::testing::ScriptedMessageBoxes boxes;
    ErrorBoundary errors { boxes, &owner };
    int resets = 0;
};

TEST_F(DialogTest, StatsShowsWhatTheStoreHoldsResetsAndEnablesTheOwnerHoweverItCloses)
{
    const struct {
        const char *games, *wins, *losses, *average, *shown, *report;
        void (*close)(frmGameStats*);
    } cases[] = {
        { "1", "0", "1", "7", "1 0 1 7", nullptr, [](frmGameStats* d) { QTest::mouseClick(Button(d, "cmdClose"), Qt::LeftButton); } },
        { "12", "5", "3x", "19", "12 5 0 19", "Stats/TotalLosses: \"3x\"", [](frmGameStats* d) { d->close(); } }, // damaged: reported, shown as 0
        { "3", "3", "0", "0", "3 3 0 0", nullptr, [](frmGameStats* d) { QTest::keyClick(d, Qt::Key_Escape); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        for (const auto& [key, text] : { std::pair { "TotalGames", c.games }, { "TotalWins", c.wins }, { "TotalLosses", c.losses }, { "AvgCardsLeft", c.average } })
            store.Set("Stats", key, text);
        store.reads.clear(), boxes.boxes.clear(), resets = 0;
        QPointer<frmGameStats> dialog = OpenStats();
        const auto shown = [&] { QStringList t; for (const char* label : { "lblGames", "lblWins", "lblLosses", "lblAvgCards" }) t << dialog->findChild<QLabel*>(label)->text(); return t.join(' '); };
        EXPECT_EQ(store.reads, (std::vector<std::string> { "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins", "Stats/AvgCardsLeft" }));
        EXPECT_EQ(shown(), c.shown);
        ASSERT_EQ(boxes.boxes.size(), c.report ? 1u : 0u);
        EXPECT_TRUE(!c.report || boxes.boxes[0].prompt.find(c.report) != std::string::npos) << "the report names the entry and its text";
        QTest::mouseClick(Button(dialog, "cmdResetStats"), Qt::LeftButton);
        EXPECT_EQ(resets, 1);
        EXPECT_EQ(shown(), "0 0 0 0");
        c.close(dialog);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(owner.isEnabled() && dialog.isNull()) << "the owner enabled again and the dialog unloaded";
    }
}

TEST_F(DialogTest, StatsLayoutTakesTheFocusOnCloseAndNoEnterResets)
{
    QPointer<frmGameStats> dialog = OpenStats();
    EXPECT_EQ(dialog->size(), QSize(312, 237)); // and where each control lies; a label may grow downwards where the font needs it
    for (const auto& [name, area] : { std::pair { "lblGames", QRect(128, 56, 121, 17) }, { "lblWins", QRect(128, 88, 121, 17) }, { "lblLosses", QRect(128, 120, 121, 17) },
             { "lblAvgCards", QRect(232, 152, 65, 17) }, { "cmdResetStats", QRect(32, 192, 97, 33) }, { "cmdClose", QRect(176, 192, 97, 33) } }) {
        const QWidget* control = dialog->findChild<QWidget*>(name);
        EXPECT_EQ(control ? QRect(control->pos(), QSize(control->width(), std::min(control->height(), area.height()))) : QRect(), area) << name;
    }
    EXPECT_EQ(dialog->focusWidget(), Button(dialog, "cmdClose"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    Button(dialog, "cmdResetStats")->setFocus();
    QTest::keyClick(dialog, Qt::Key_Return); // a stray Enter
    EXPECT_EQ(resets, 0);
}

TEST_F(DialogTest, AboutShowsTheProgramVersionAndClosesOnEnterOrEscape)
{
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape }) {
        QPointer<frmAbout> about = new frmAbout(&owner);
        about->Form_Load(), about->show();
        EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
        QTest::keyClick(about, key);
        EXPECT_FALSE(about->isVisible()) << key;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull()) << key;
    }
}

// Records each call; a file it cannot find fails as with the platform viewer.
struct FakeViewer final : HelpViewer {
    void Open(QWidget*, const std::string& file, HelpCommand command) override
    {
        calls.emplace_back(file, static_cast<std::uint32_t>(command));
        if (!QFile::exists(QString::fromStdString(file)))
            throw RuntimeError::FileNotFound(file);
    }
    std::vector<std::pair<std::string, std::uint32_t>> calls;
};

TEST(Help, TellsOfNoHelpReportsAFailingViewerAndSendsTheViewerTheRightCommand)
{
    const std::string missing = "/opt/pairfall/pairfall.hlp", present = PAIRFALL_SOURCE_DIR "/CMakeLists.txt";
    const struct {
        HelpCommand command;
        std::uint32_t code;
        std::string file, prompt;
        Icon icon;
    } cases[] = {
        { HelpCommand::Contents, 3, "", "Unable to display Help Contents. There is no Help associated with this project.", Icon::Information },
        { HelpCommand::PartialKey, 0x0105, missing, "File not found: " + missing, Icon::None },
        { HelpCommand::Contents, 3, present, "", Icon::None },
        { HelpCommand::PartialKey, 0x0105, present, "", Icon::None },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.file);
        pairfall::testing::ScriptedMessageBoxes boxes;
        FakeViewer viewer;
        ShowHelp(nullptr, boxes, viewer, c.file, c.command, "Pairfall");
        EXPECT_EQ(viewer.calls, (c.file.empty() ? decltype(viewer.calls) {} : decltype(viewer.calls) { { c.file, c.code } }));
        ASSERT_EQ(boxes.boxes.size(), c.prompt.empty() ? 0u : 1u);
        for (const auto& box : boxes.boxes)
            EXPECT_EQ(std::tuple(box.prompt, box.buttons, box.title, box.icon), std::tuple(c.prompt, Buttons::OK, "Pairfall", c.icon));
    }
}

}
