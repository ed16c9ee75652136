#include "fakes/ScriptedMessageBoxes.h"
#include "game/RuntimeError.h"
#include "game/Version.h"
#include "stats/MemorySettingsStore.h"
#include "stats/StatsStore.h"
#include "stats/frmGameStats.h"
#include "ui/ErrorBoundary.h"
#include "ui/HelpCommands.h"
#include "ui/frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pairfall {
namespace {

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
QPushButton* Button(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }
QString LabelText(QWidget* dialog, const char* name)
{
    auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

// The owner is disabled before the stats dialog opens, as the main window does.
class DialogTest : public ::testing::Test {
protected:
    QPointer<frmGameStats> OpenStats()
    {
        owner.setEnabled(false);
        auto* dialog = new frmGameStats(&owner, store, errors, [this] { ++resets; });
        dialog->Form_Load();
        dialog->show();
        return dialog;
    }
    QWidget owner;
    MemorySettingsStore store;
    testing::ScriptedMessageBoxes boxes;
    ErrorBoundary errors { boxes, &owner };
    int resets = 0;
};

constexpr std::array<const char*, 4> Keys { TotalGamesKey, TotalWinsKey, TotalLossesKey, AvgCardsLeftKey };
constexpr std::array<const char*, 4> ValueLabels { "lblGames", "lblWins", "lblLosses", "lblAvgCards" };

struct StatsCase {
    const char* name;
    std::array<const char*, 4> stored; // games, wins, losses, average
    int damaged; // index of the entry that does not convert and so shows 0, or -1
};

class StatsShows : public DialogTest, public ::testing::WithParamInterface<StatsCase> {};
TEST_P(StatsShows, ReadsTheFourCountersInOrderAndShowsEach)
{
    const StatsCase& c = GetParam();
    for (std::size_t i = 0; i < Keys.size(); ++i)
        store.Set(StatsSection, Keys[i], c.stored[i]);
    QPointer<frmGameStats> dialog = OpenStats();
    EXPECT_EQ(store.reads, (std::vector<std::string> { "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins", "Stats/AvgCardsLeft" }));
    for (std::size_t i = 0; i < ValueLabels.size(); ++i)
        EXPECT_EQ(LabelText(dialog, ValueLabels[i]), static_cast<int>(i) == c.damaged ? "0" : c.stored[i]) << ValueLabels[i];
    ASSERT_EQ(boxes.boxes.size(), c.damaged < 0 ? 0u : 1u);
    if (c.damaged < 0)
        return;
    const std::string& prompt = boxes.boxes[0].prompt;
    EXPECT_NE(prompt.find(Keys[static_cast<std::size_t>(c.damaged)]), std::string::npos) << prompt;
    EXPECT_NE(prompt.find(c.stored[static_cast<std::size_t>(c.damaged)]), std::string::npos) << prompt;
}

INSTANTIATE_TEST_SUITE_P(Counters, StatsShows,
    ::testing::Values(StatsCase { "AfterALostGame", { "1", "0", "1", "7" }, -1 },
        StatsCase { "DamagedLosses", { "12", "5", "3x", "19" }, 2 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, StatsResetCallsTheResetAndShowsZeros)
{
    for (const char* key : Keys)
        store.Set(StatsSection, key, "9");
    QPointer<frmGameStats> dialog = OpenStats();
    QTest::mouseClick(Button(dialog, "cmdResetStats"), Qt::LeftButton);
    EXPECT_EQ(resets, 1);
    for (const char* name : ValueLabels)
        EXPECT_EQ(LabelText(dialog, name), "0") << name;
}

class StatsCloses : public DialogTest, public ::testing::WithParamInterface<std::pair<const char*, std::function<void(frmGameStats&)>>> {};
TEST_P(StatsCloses, EnablesTheOwnerAgainAndUnloads)
{
    QPointer<frmGameStats> dialog = OpenStats();
    ASSERT_FALSE(owner.isEnabled());
    GetParam().second(*dialog);
    EXPECT_TRUE(owner.isEnabled());
    FlushDeletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(resets, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, StatsCloses,
    ::testing::Values(std::make_pair("CloseButton", [](frmGameStats& d) { QTest::mouseClick(Button(&d, "cmdClose"), Qt::LeftButton); }),
        std::make_pair("CloseBox", [](frmGameStats& d) { d.close(); }),
        std::make_pair("Escape", [](frmGameStats& d) { QTest::keyClick(&d, Qt::Key_Escape); })),
    [](const auto& info) { return std::string(info.param.first); });

// The next widget after w in the focus chain that Tab stops at.
QWidget* NextTabStop(QWidget* w)
{
    for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            return next;
    return w;
}

TEST_F(DialogTest, StatsLayout)
{
    QPointer<frmGameStats> dialog = OpenStats();
    EXPECT_EQ(dialog->size(), QSize(312, 237));
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const std::pair<const char*, QPoint> controls[] = { { "cmdResetStats", { 32, 192 } }, { "cmdClose", { 176, 192 } }, { "lblGames", { 128, 56 } },
        { "lblWins", { 128, 88 } }, { "lblLosses", { 128, 120 } }, { "lblAvgCards", { 232, 152 } } };
    for (const auto& [name, at] : controls) {
        auto* control = dialog->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->pos(), at) << name;
    }
    QPushButton *closeButton = Button(dialog, "cmdClose"), *reset = Button(dialog, "cmdResetStats");
    for (QPushButton* button : { closeButton, reset })
        EXPECT_EQ(button->size(), QSize(97, 33)) << button->objectName().toStdString();
    EXPECT_EQ(dialog->focusWidget(), closeButton) << "cmdClose leads the tab order";
    EXPECT_EQ(NextTabStop(closeButton), reset);
    EXPECT_EQ(NextTabStop(reset), closeButton) << "only the two buttons take the focus";
}

TEST_F(DialogTest, AboutShowsTheProgramVersion)
{
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->Form_Load();
    EXPECT_EQ(LabelText(about, "lblVersion"), QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
    EXPECT_NE(LabelText(about, "lblVersion"), "Version 1.0");
}

class AboutCloses : public DialogTest, public ::testing::WithParamInterface<Qt::Key> {};
TEST_P(AboutCloses, OnTheKeyLikeAClickOnOK)
{
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->show();
    QTest::keyClick(about, GetParam());
    EXPECT_FALSE(about->isVisible());
    FlushDeletes();
    EXPECT_TRUE(about.isNull()) << "closing unloads it";
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutCloses, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

using HelpCalls = std::vector<std::pair<std::string, std::uint32_t>>;

struct FakeViewer final : HelpViewer {
    void Open(QWidget*, const std::string& helpFile, HelpCommand command) override
    {
        calls.emplace_back(helpFile, static_cast<std::uint32_t>(command));
        if (fails)
            throw RuntimeError::FileNotFound(helpFile);
    }
    HelpCalls calls;
    bool fails = false; // throws as the platform viewer does when it cannot start
};

struct HelpCase {
    const char* name;
    HelpCommand command;
    std::uint32_t code; // what the viewer must be sent
    const char* file;
    bool viewerFails;
    const char* prompt; // nullptr: no box
    Icon icon;
};

class Help : public ::testing::TestWithParam<HelpCase> {};
TEST_P(Help, ShowsTheRightBoxOrStartsTheViewer)
{
    const HelpCase& c = GetParam();
    testing::ScriptedMessageBoxes boxes;
    FakeViewer viewer;
    viewer.fails = c.viewerFails;
    ShowHelp(nullptr, boxes, viewer, c.file, c.command, "Pairfall");
    EXPECT_EQ(viewer.calls, (*c.file ? HelpCalls { { c.file, c.code } } : HelpCalls {}));
    ASSERT_EQ(boxes.boxes.size(), c.prompt ? 1u : 0u);
    if (!c.prompt)
        return;
    EXPECT_EQ(boxes.boxes[0].prompt, c.prompt);
    EXPECT_EQ(boxes.boxes[0].icon, c.icon);
    EXPECT_EQ(boxes.boxes[0].buttons, Buttons::OK);
    EXPECT_EQ(boxes.boxes[0].title, "Pairfall");
}

constexpr const char* NoHelp = "Unable to display Help Contents. There is no Help associated with this project.";
constexpr const char* HelpFile = "/opt/pairfall/pairfall.hlp";
constexpr const char* NotFound = "File not found: /opt/pairfall/pairfall.hlp";
INSTANTIATE_TEST_SUITE_P(Commands, Help,
    ::testing::Values(HelpCase { "ContentsNoFile", HelpCommand::Contents, 3, "", false, NoHelp, Icon::Information },
        HelpCase { "SearchNoFile", HelpCommand::PartialKey, 0x0105, "", false, NoHelp, Icon::Information },
        HelpCase { "ContentsViewerFails", HelpCommand::Contents, 3, HelpFile, true, NotFound, Icon::None },
        HelpCase { "SearchViewerFails", HelpCommand::PartialKey, 0x0105, HelpFile, true, NotFound, Icon::None },
        HelpCase { "ContentsViewerWorks", HelpCommand::Contents, 3, HelpFile, false, nullptr, Icon::None },
        HelpCase { "SearchViewerWorks", HelpCommand::PartialKey, 0x0105, HelpFile, false, nullptr, Icon::None }),
    [](const auto& info) { return std::string(info.param.name); });

}
}
