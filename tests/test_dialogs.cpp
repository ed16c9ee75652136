#include "game/RuntimeError.h"
#include "game/SettingsStore.h"
#include "game/Version.h"
#include "stats/MemorySettingsStore.h"
#include "stats/StatsStore.h"
#include "stats/frmGameStats.h"
#include "ui/ErrorBoundary.h"
#include "ui/HelpCommands.h"
#include "ui/MessageBoxService.h"
#include "ui/frmAbout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pairfall {
namespace {

// Answers every box at once and keeps what it was asked.
class RecordingBoxes final : public MessageBoxService {
public:
    struct Box {
        QWidget* parent;
        std::string prompt;
        Buttons buttons;
        std::string title;
        Icon icon;
    };

    Answer Ask(QWidget* parent, const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override
    {
        boxes.push_back({ parent, prompt, buttons, title, icon });
        return buttons == Buttons::OK ? Answer::OK : Answer::No;
    }

    std::vector<Box> boxes;
};

// Lets deleteLater() from a close take effect.
void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template<typename Widget = QWidget>
Widget* Child(QWidget* parent, const char* name)
{
    return parent->findChild<Widget*>(QString::fromLatin1(name));
}

QString LabelText(QWidget* dialog, const char* name)
{
    QLabel* label = Child<QLabel>(dialog, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

// Headless windows have no frame; on a real display Qt guesses the frame
// until the window manager reports it, which can put a new dialog a title
// bar's height off.
int CentringTolerance()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen") ? 2 : 50;
}

// The main window as the dialogs see it: it disables itself before it opens
// the stats dialog.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner.setWindowTitle(QStringLiteral("owner"));
        owner.setGeometry(100, 80, 500, 400);
        owner.show();
    }

    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &owner && window->isVisible())
                window->close();
        }
        FlushDeletes();
    }

    QPointer<frmGameStats> OpenStats()
    {
        owner.setEnabled(false);
        auto* dialog = new frmGameStats(&owner, store, errors, [this] {
            ++resets;
            gamesShownAtReset = LabelText(stats, "lblGames");
        });
        stats = dialog;
        dialog->Form_Load();
        dialog->show();
        return dialog;
    }

    QWidget owner;
    MemorySettingsStore store;
    RecordingBoxes boxes;
    ErrorBoundary errors { boxes, &owner };
    QPointer<frmGameStats> stats;
    int resets = 0;
    QString gamesShownAtReset;
};

// ---- Game Stats: what it reads and shows --------------------------------

struct StoredCounters {
    const char* name;
    const char* games; // nullptr: no entry
    const char* wins;
    const char* losses;
    const char* avg;
    QString shownGames, shownWins, shownLosses, shownAvg;

    friend void PrintTo(const StoredCounters& c, std::ostream* os) { *os << c.name; }
};

class StatsShowsStore : public DialogTest, public ::testing::WithParamInterface<StoredCounters> {};

TEST_P(StatsShowsStore, ReadsTheFourCountersInOrderAndShowsEachInItsLabel)
{
    const StoredCounters& c = GetParam();
    const std::pair<const char*, const char*> entries[] = { { TotalGamesKey, c.games }, { TotalWinsKey, c.wins }, { TotalLossesKey, c.losses }, { AvgCardsLeftKey, c.avg } };
    for (const auto& [key, text] : entries) {
        if (text)
            store.Set(StatsSection, key, text);
    }

    QPointer<frmGameStats> dialog = OpenStats();

    EXPECT_EQ(store.reads, (std::vector<std::string> { "Stats/TotalGames", "Stats/TotalLosses", "Stats/TotalWins", "Stats/AvgCardsLeft" }));
    EXPECT_EQ(LabelText(dialog, "lblGames"), c.shownGames);
    EXPECT_EQ(LabelText(dialog, "lblWins"), c.shownWins);
    EXPECT_EQ(LabelText(dialog, "lblLosses"), c.shownLosses);
    EXPECT_EQ(LabelText(dialog, "lblAvgCards"), c.shownAvg);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(store.writes.empty()) << "showing the stats must not change them";
}

INSTANTIATE_TEST_SUITE_P(Counters, StatsShowsStore,
    ::testing::Values(
        StoredCounters { "OneLostGame", "1", "0", "1", "7", "1", "0", "1", "7" },
        StoredCounters { "AllDifferent", "12", "5", "7", "19", "12", "5", "7", "19" },
        StoredCounters { "Extremes", "32767", "-32768", "0", "-1", "32767", "-32768", "0", "-1" },
        StoredCounters { "NothingStored", nullptr, nullptr, nullptr, nullptr, "0", "0", "0", "0" }),
    [](const auto& info) { return std::string(info.param.name); });

struct DamagedEntry {
    const char* key;
    const char* text;

    friend void PrintTo(const DamagedEntry& c, std::ostream* os) { *os << c.key; }
};

class StatsDamagedEntry : public DialogTest, public ::testing::WithParamInterface<DamagedEntry> {};

TEST_P(StatsDamagedEntry, IsReportedAndShowsZeroWhileTheOthersShow)
{
    const DamagedEntry& damaged = GetParam();
    const std::pair<const char*, const char*> values[] = { { TotalGamesKey, "12" }, { TotalWinsKey, "5" }, { TotalLossesKey, "7" }, { AvgCardsLeftKey, "19" } };
    const std::pair<const char*, const char*> labels[] = { { TotalGamesKey, "lblGames" }, { TotalWinsKey, "lblWins" }, { TotalLossesKey, "lblLosses" }, { AvgCardsLeftKey, "lblAvgCards" } };
    for (const auto& [key, text] : values)
        store.Set(StatsSection, key, std::string(key) == damaged.key ? damaged.text : text);

    QPointer<frmGameStats> dialog = OpenStats();

    ASSERT_EQ(boxes.boxes.size(), 1u);
    const auto& box = boxes.boxes.front();
    EXPECT_NE(box.prompt.find(damaged.key), std::string::npos) << box.prompt;
    EXPECT_NE(box.prompt.find(damaged.text), std::string::npos) << box.prompt;
    EXPECT_EQ(box.title, "Pairfall");
    EXPECT_EQ(box.icon, Icon::Critical);
    EXPECT_EQ(box.buttons, Buttons::OK);
    EXPECT_EQ(store.reads.size(), 4u) << "a damaged entry must not stop the others being read";
    for (std::size_t i = 0; i < 4; ++i) {
        const QString expected = std::string(labels[i].first) == damaged.key ? QStringLiteral("0") : QString::fromLatin1(values[i].second);
        EXPECT_EQ(LabelText(dialog, labels[i].second), expected) << labels[i].second;
    }
}

INSTANTIATE_TEST_SUITE_P(EachEntry, StatsDamagedEntry,
    ::testing::Values(
        DamagedEntry { TotalGamesKey, "many" },
        DamagedEntry { TotalWinsKey, "99999" },
        DamagedEntry { TotalLossesKey, "3x" },
        DamagedEntry { AvgCardsLeftKey, "seven" }),
    [](const auto& info) { return std::string(info.param.key); });

TEST_F(DialogTest, SeveralDamagedEntriesAreReportedInOneBoxNamingEach)
{
    store.Set(StatsSection, TotalGamesKey, "lots");
    store.Set(StatsSection, TotalWinsKey, "3");
    store.Set(StatsSection, AvgCardsLeftKey, "40000");

    QPointer<frmGameStats> dialog = OpenStats();

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].prompt.find("TotalGames"), std::string::npos);
    EXPECT_NE(boxes.boxes[0].prompt.find("AvgCardsLeft"), std::string::npos);
    EXPECT_EQ(LabelText(dialog, "lblGames"), "0");
    EXPECT_EQ(LabelText(dialog, "lblWins"), "3");
    EXPECT_EQ(LabelText(dialog, "lblAvgCards"), "0");
}

TEST_F(DialogTest, ResetButtonResetsThroughTheOwnerThenShowsZeros)
{
    store.Set(StatsSection, TotalGamesKey, "12");
    store.Set(StatsSection, TotalWinsKey, "5");
    store.Set(StatsSection, TotalLossesKey, "7");
    store.Set(StatsSection, AvgCardsLeftKey, "19");
    QPointer<frmGameStats> dialog = OpenStats();

    QTest::mouseClick(Child<QPushButton>(dialog, "cmdResetStats"), Qt::LeftButton);

    EXPECT_EQ(resets, 1);
    EXPECT_EQ(gamesShownAtReset, "12") << "the labels change only after the reset";
    for (const char* name : { "lblGames", "lblWins", "lblLosses", "lblAvgCards" })
        EXPECT_EQ(LabelText(dialog, name), "0") << name;
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible()) << "resetting leaves the dialog open";
    EXPECT_FALSE(owner.isEnabled());
}

// ---- Game Stats: however it closes, the owner comes back ------------------

struct StatsClosing {
    const char* name;
    std::function<void(frmGameStats&)> close;

    friend void PrintTo(const StatsClosing& c, std::ostream* os) { *os << c.name; }
};

class StatsCloses : public DialogTest, public ::testing::WithParamInterface<StatsClosing> {};

TEST_P(StatsCloses, EnablesTheOwnerAndUnloads)
{
    QPointer<frmGameStats> dialog = OpenStats();
    ASSERT_FALSE(owner.isEnabled());
    ASSERT_TRUE(dialog->isEnabled()) << "the dialog must stay usable while its owner is disabled";

    GetParam().close(*dialog);

    EXPECT_TRUE(owner.isEnabled());
    FlushDeletes();
    EXPECT_TRUE(dialog.isNull()) << "closing must unload the dialog";
    EXPECT_EQ(resets, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, StatsCloses,
    ::testing::Values(
        StatsClosing { "CloseButton", [](frmGameStats& d) { QTest::mouseClick(Child<QPushButton>(&d, "cmdClose"), Qt::LeftButton); } },
        StatsClosing { "CloseHandler", [](frmGameStats& d) { d.cmdClose_Click(); } },
        StatsClosing { "CloseBoxOrShutdown", [](frmGameStats& d) { d.close(); } },
        StatsClosing { "EscapeOnCloseButton", [](frmGameStats& d) { QTest::keyClick(Child<QPushButton>(&d, "cmdClose"), Qt::Key_Escape); } },
        StatsClosing { "EscapeOnResetButton", [](frmGameStats& d) { QTest::keyClick(Child<QPushButton>(&d, "cmdResetStats"), Qt::Key_Escape); } },
        StatsClosing { "EscapeOnDialog", [](frmGameStats& d) { QTest::keyClick(&d, Qt::Key_Escape); } },
        StatsClosing { "Reject", [](frmGameStats& d) { d.reject(); } }),
    [](const auto& info) { return std::string(info.param.name); });

struct EnterKey {
    const char* name;
    const char* target; // nullptr: the dialog itself
    Qt::Key key;

    friend void PrintTo(const EnterKey& c, std::ostream* os) { *os << c.name; }
};

class StatsEnter : public DialogTest, public ::testing::WithParamInterface<EnterKey> {};

TEST_P(StatsEnter, NeitherResetsNorCloses)
{
    store.Set(StatsSection, TotalGamesKey, "4");
    QPointer<frmGameStats> dialog = OpenStats();
    QWidget* target = GetParam().target ? Child(dialog, GetParam().target) : dialog.data();
    ASSERT_NE(target, nullptr);

    QTest::keyClick(target, GetParam().key);
    FlushDeletes();

    EXPECT_EQ(resets, 0);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(LabelText(dialog, "lblGames"), "4");
    EXPECT_FALSE(owner.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Keys, StatsEnter,
    ::testing::Values(
        EnterKey { "ReturnOnReset", "cmdResetStats", Qt::Key_Return },
        EnterKey { "EnterOnReset", "cmdResetStats", Qt::Key_Enter },
        EnterKey { "ReturnOnClose", "cmdClose", Qt::Key_Return },
        EnterKey { "ReturnOnDialog", nullptr, Qt::Key_Return }),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Game Stats: the window and its controls -----------------------------

// Where Tab goes from w.
QWidget* NextTabStop(QWidget* w)
{
    for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(w->window()))
            return next;
    }
    return w;
}

enum class Sizing { FollowsText, GrowsDown, Exact };

struct Placed {
    const char* name;
    QRect at;
    Sizing sizing;
    int points; // 0: the system default font
    bool bold;
};

TEST_F(DialogTest, StatsWindowHasItsCaptionFrameAndControlsInPlace)
{
    QPointer<frmGameStats> dialog = OpenStats();

    EXPECT_EQ(dialog->objectName(), "frmGameStats");
    EXPECT_EQ(dialog->windowTitle(), "Game Stats");
    EXPECT_EQ(dialog->size(), QSize(312, 237));
    EXPECT_EQ(dialog->parentWidget(), &owner);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->testAttribute(Qt::WA_DeleteOnClose));
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(dialog->minimumSize(), dialog->maximumSize()) << "the window is sizable";
    EXPECT_LE((dialog->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), CentringTolerance()) << "centred over its owner";

    const Placed controls[] = {
        { "Label1", { 64, 8, 180, 37 }, Sizing::FollowsText, 24, true },
        { "Label2", { 8, 56, 108, 20 }, Sizing::FollowsText, 12, true },
        { "Label3", { 8, 88, 90, 20 }, Sizing::FollowsText, 12, true },
        { "Label4", { 8, 120, 108, 20 }, Sizing::FollowsText, 12, true },
        { "Label5", { 8, 152, 213, 20 }, Sizing::FollowsText, 12, true },
        { "lblGames", { 128, 56, 121, 17 }, Sizing::GrowsDown, 12, false },
        { "lblWins", { 128, 88, 121, 17 }, Sizing::GrowsDown, 12, false },
        { "lblLosses", { 128, 120, 121, 17 }, Sizing::GrowsDown, 12, false },
        { "lblAvgCards", { 232, 152, 65, 17 }, Sizing::GrowsDown, 12, false },
        { "cmdResetStats", { 32, 192, 97, 33 }, Sizing::Exact, 0, false },
        { "cmdClose", { 176, 192, 97, 33 }, Sizing::Exact, 0, false },
    };
    for (const Placed& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = Child(dialog, c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), c.at.topLeft());
        switch (c.sizing) {
        case Sizing::FollowsText:
            EXPECT_EQ(w->size(), w->sizeHint());
            break;
        case Sizing::GrowsDown:
            // A taller font may lengthen it downwards, never shorten it.
            EXPECT_EQ(w->width(), c.at.width());
            EXPECT_GE(w->height(), c.at.height());
            break;
        case Sizing::Exact:
            EXPECT_EQ(w->size(), c.at.size());
            break;
        }
        if (c.points > 0) {
            EXPECT_EQ(w->font().pointSize(), c.points);
            EXPECT_EQ(w->font().bold(), c.bold);
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
        }
    }
}

TEST_F(DialogTest, StatsTextsFitWithoutClippingOrOverlapping)
{
    QPointer<frmGameStats> dialog = OpenStats();
    // Widest values a counter can show.
    for (const char* name : { "lblGames", "lblWins", "lblLosses", "lblAvgCards" })
        Child<QLabel>(dialog, name)->setText(QStringLiteral("-32768"));

    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()));
        EXPECT_GE(label->height(), metrics.height());
        EXPECT_TRUE(dialog->rect().contains(label->geometry()));
    }
    // Each caption ends before the value beside it begins.
    const std::pair<const char*, const char*> rows[] = { { "Label2", "lblGames" }, { "Label3", "lblWins" }, { "Label4", "lblLosses" }, { "Label5", "lblAvgCards" } };
    for (const auto& [caption, value] : rows)
        EXPECT_LT(Child(dialog, caption)->geometry().right(), Child(dialog, value)->x()) << caption;
    const QRect title = Child(dialog, "Label1")->geometry();
    EXPECT_LE(title.bottom(), Child(dialog, "Label2")->y()) << "title over the first row";
    for (const char* name : { "cmdResetStats", "cmdClose" }) {
        auto* button = Child<QPushButton>(dialog, name);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), room.width()) << name;
    }
}

TEST_F(DialogTest, StatsResizingLeavesTheControlsWhereTheyAre)
{
    QPointer<frmGameStats> dialog = OpenStats();
    std::vector<std::pair<QWidget*, QRect>> before;
    for (QWidget* w : dialog->findChildren<QWidget*>())
        before.emplace_back(w, w->geometry());

    dialog->resize(520, 400);
    QCoreApplication::processEvents();
    dialog->resize(200, 120);
    QCoreApplication::processEvents();

    for (const auto& [w, geometry] : before)
        EXPECT_EQ(w->geometry(), geometry) << w->objectName().toStdString();
}

TEST_F(DialogTest, StatsKeyboardGoesToCloseThenResetOnly)
{
    QPointer<frmGameStats> dialog = OpenStats();
    auto* closeButton = Child<QPushButton>(dialog, "cmdClose");
    auto* reset = Child<QPushButton>(dialog, "cmdResetStats");

    EXPECT_EQ(dialog->focusWidget(), closeButton);
    std::vector<QWidget*> takesFocus;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (w->focusPolicy() & Qt::TabFocus)
            takesFocus.push_back(w);
    }
    EXPECT_EQ(takesFocus.size(), 2u);
    EXPECT_EQ(NextTabStop(closeButton), reset);
    EXPECT_EQ(NextTabStop(reset), closeButton);
    for (QPushButton* button : { closeButton, reset }) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
}

// ---- About ----------------------------------------------------------------

TEST_F(DialogTest, AboutShowsTheProgramVersionOnceLoaded)
{
    QPointer<frmAbout> about = new frmAbout(&owner);
    EXPECT_EQ(LabelText(about, "lblVersion"), "Version 1.0");

    about->Form_Load();

    const QString expected = QStringLiteral("Version ") + QString::number(VersionMajor) + "." + QString::number(VersionMinor) + "." + QString::number(VersionRevision);
    EXPECT_EQ(LabelText(about, "lblVersion"), expected);
    EXPECT_NE(LabelText(about, "lblVersion"), "Version 1.0");
    about->close();
}

struct AboutKey {
    const char* name;
    Qt::Key key;
    bool onButton; // else sent to the window itself

    friend void PrintTo(const AboutKey& c, std::ostream* os) { *os << c.name; }
};

class AboutCloses : public DialogTest, public ::testing::WithParamInterface<AboutKey> {};

TEST_P(AboutCloses, LikeAClickOnOK)
{
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->Form_Load();
    about->show();
    auto* ok = Child<QPushButton>(about, "cmdOK");
    ASSERT_NE(ok, nullptr);
    QSignalSpy clicks(ok, &QPushButton::clicked);

    QTest::keyClick(GetParam().onButton ? static_cast<QWidget*>(ok) : about.data(), GetParam().key);

    EXPECT_EQ(clicks.count(), 1) << "the key presses OK";
    EXPECT_FALSE(!about.isNull() && about->isVisible());
    FlushDeletes();
    EXPECT_TRUE(about.isNull()) << "closing must unload the window";
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutCloses,
    ::testing::Values(
        AboutKey { "ReturnOnOK", Qt::Key_Return, true },
        AboutKey { "EnterOnOK", Qt::Key_Enter, true },
        AboutKey { "EscapeOnOK", Qt::Key_Escape, true },
        AboutKey { "ReturnOnWindow", Qt::Key_Return, false },
        AboutKey { "EnterOnWindow", Qt::Key_Enter, false },
        AboutKey { "EscapeOnWindow", Qt::Key_Escape, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, AboutRunModallyReturnsWhenEscapeIsPressed)
{
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->Form_Load();
    bool sent = false;
    QTimer::singleShot(0, about, [&] {
        sent = true;
        QTest::keyClick(about, Qt::Key_Escape);
    });
    // Should the key not close it, the test fails instead of hanging.
    QTimer::singleShot(3000, about, [&] { about->done(QDialog::Accepted); });

    const int result = about->exec();

    EXPECT_TRUE(sent);
    EXPECT_EQ(result, QDialog::Rejected);
    FlushDeletes();
    EXPECT_TRUE(about.isNull());
}

TEST_F(DialogTest, AboutWindowHasItsCaptionFrameAndControlsInPlace)
{
    QPointer<frmAbout> about = new frmAbout(&owner);
    about->Form_Load();
    about->show();

    EXPECT_EQ(about->objectName(), "frmAbout");
    EXPECT_EQ(about->windowTitle(), "About Pairfall");
    EXPECT_EQ(about->size(), QSize(377, 208));
    EXPECT_EQ(about->minimumSize(), about->maximumSize()) << "fixed frame";
    EXPECT_TRUE(about->isModal());
    EXPECT_EQ(about->parentWidget(), &owner);
    EXPECT_TRUE(about->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(about->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_LE((about->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), CentringTolerance()) << "centred over its owner";

    const std::pair<const char*, QRect> controls[] = {
        { "picIcon", { 16, 16, 36, 36 } },
        { "lblDescription", { 70, 75, 259, 78 } },
        { "Line1_1", { QPoint(15, 162), QPoint(363, 162) } },
        { "Line1_0", { 16, 163, 348, 2 } },
        { "cmdOK", { 283, 175, 84, 23 } },
    };
    for (const auto& [name, at] : controls) {
        QWidget* w = Child(about, name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->geometry(), at) << name;
    }
    EXPECT_EQ(Child(about, "Line1_1")->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(Child(about, "Line1_0")->palette().color(QPalette::Window), QColor(Qt::white));

    auto* title = Child<QLabel>(about, "Label1");
    EXPECT_EQ(title->pos(), QPoint(72, 8));
    EXPECT_EQ(title->font().pointSize(), 24);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_GE(title->width(), QFontMetrics(title->font()).horizontalAdvance(title->text()));

    auto* version = Child<QLabel>(about, "lblVersion");
    EXPECT_EQ(version->pos(), QPoint(70, 52));
    EXPECT_EQ(version->width(), 259);
    EXPECT_GE(version->height(), QFontMetrics(version->font()).height());

    auto* icon = Child<QLabel>(about, "picIcon");
    EXPECT_EQ(icon->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_FALSE(icon->pixmap().isNull()) << "the program icon";

    EXPECT_TRUE(Child<QLabel>(about, "lblDescription")->wordWrap());
    auto* ok = Child<QPushButton>(about, "cmdOK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(about->focusWidget(), ok);
    about->close();
}

// ---- Help commands ------------------------------------------------------

class FakeViewer final : public HelpViewer {
public:
    struct Call {
        QWidget* owner;
        std::string helpFile;
        HelpCommand command;
    };

    void Open(QWidget* owner, const std::string& helpFile, HelpCommand command) override
    {
        calls.push_back({ owner, helpFile, command });
        if (fail)
            fail();
    }

    std::vector<Call> calls;
    std::function<void()> fail;
};

struct HelpCase {
    const char* name;
    HelpCommand command;
    std::uint32_t code; // what the viewer is sent

    friend void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }
};

class HelpTest : public ::testing::TestWithParam<HelpCase> {
protected:
    QWidget owner;
    RecordingBoxes boxes;
    FakeViewer viewer;
};

TEST_P(HelpTest, WithoutAHelpFileThePlayerIsToldSoAndNoViewerStarts)
{
    ShowHelp(&owner, boxes, viewer, "", GetParam().command, "Pairfall table");

    ASSERT_EQ(boxes.boxes.size(), 1u);
    const auto& box = boxes.boxes[0];
    EXPECT_EQ(box.prompt, "Unable to display Help Contents. There is no Help associated with this project.");
    EXPECT_EQ(box.buttons, Buttons::OK);
    EXPECT_EQ(box.title, "Pairfall table") << "titled with the caller's caption";
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_EQ(box.parent, &owner);
    EXPECT_TRUE(viewer.calls.empty());
}

TEST_P(HelpTest, AHelpFileGoesToTheViewerWithTheCommandAndNothingIsShown)
{
    ShowHelp(&owner, boxes, viewer, "/opt/pairfall/pairfall.hlp", GetParam().command, "Pairfall");

    EXPECT_TRUE(boxes.boxes.empty());
    ASSERT_EQ(viewer.calls.size(), 1u);
    EXPECT_EQ(viewer.calls[0].owner, &owner);
    EXPECT_EQ(viewer.calls[0].helpFile, "/opt/pairfall/pairfall.hlp");
    EXPECT_EQ(static_cast<std::uint32_t>(viewer.calls[0].command), GetParam().code);
}

TEST_P(HelpTest, AViewerThatFailsIsReportedByItsDescriptionWithoutIcon)
{
    const std::pair<const char*, std::function<void()>> failures[] = {
        { "File not found: /opt/pairfall/pairfall.hlp", [] { throw RuntimeError::FileNotFound("/opt/pairfall/pairfall.hlp"); } },
        { "viewer crashed", [] { throw std::runtime_error("viewer crashed"); } },
    };
    for (const auto& [description, failure] : failures) {
        SCOPED_TRACE(description);
        boxes.boxes.clear();
        viewer.fail = failure;

        EXPECT_NO_THROW(ShowHelp(&owner, boxes, viewer, "/opt/pairfall/pairfall.hlp", GetParam().command, "Pairfall table"));

        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].prompt, description);
        EXPECT_EQ(boxes.boxes[0].buttons, Buttons::OK);
        EXPECT_EQ(boxes.boxes[0].title, "Pairfall");
        EXPECT_EQ(boxes.boxes[0].icon, Icon::None);
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, HelpTest,
    ::testing::Values(HelpCase { "Contents", HelpCommand::Contents, 3 }, HelpCase { "Search", HelpCommand::PartialKey, 0x0105 }),
    [](const auto& info) { return std::string(info.param.name); });

#ifndef Q_OS_WIN
// The headless platform opens no files, which shows how a viewer that
// cannot be started is described.
TEST(PlatformHelpViewerTest, AViewerThatCannotStartIsAnErrorNamingTheFile)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "only the headless platform is sure to open nothing";
    PlatformHelpViewer viewer;
    QTemporaryFile existing;
    ASSERT_TRUE(existing.open());
    const std::string present = existing.fileName().toStdString();
    const std::string missing = present + ".missing";

    try {
        viewer.Open(nullptr, missing, HelpCommand::Contents);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);
        EXPECT_EQ(error.description(), "File not found: " + missing);
    }
    try {
        viewer.Open(nullptr, present, HelpCommand::PartialKey);
        ADD_FAILURE() << "no error when the viewer did not start";
    } catch (const RuntimeError& error) {
        EXPECT_NE(error.description().find(present), std::string::npos) << error.description();
        EXPECT_EQ(error.description().find("File not found"), std::string::npos) << error.description();
    }
}
#endif

}
}
