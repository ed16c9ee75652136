#include "ui/frmMain.h"

#include "art/ProgramIcon.h"
#include "game/SettingsEntries.h"
#include "game/Texts.h"
#include "ui/HelpCommands.h"
#include "ui/StatusLine.h"
#include "ui/Table.h"
#include "ui/TableLayout.h"
#include "ui/WindowPosition.h"
#include "ui/frmAbout.h"
#include "ui/frmGameStats.h"
#include "widgets/Announcer.h"
#include "widgets/MessageBoxService.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

#ifdef Q_OS_WIN
#include "platform/UiaNotification.h"
#endif

namespace pairfall {

frmMain::frmMain(const frmMainServices& services)
    : m_services(services)
    , m_table(new Table(this))
    , m_status(new StatusLine(this))
    , m_announcer(new Announcer(m_status))
    , m_speech(*m_table, *m_status, *m_announcer)
    , m_errors(services.boxes, this)
    , m_view(this, *m_table, *m_status, services.boxes, m_errors, m_speech)
    , m_game(m_state, m_view, services.store, services.random, services.programFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    // Every window of the program, message boxes included, shows this icon.
    QApplication::setWindowIcon(ProgramIcon());
    setCentralWidget(m_table);
    setStatusBar(m_status);
    BuildMenus();
    // Client area below the menu bar: the table above the status bar.  The
    // bar's height as laid out at this width: on Windows its size hint is a
    // pixel short, which took a row off the table.
    resize(layout::ClientArea.width(), menuBar()->heightForWidth(layout::ClientArea.width()) + layout::ClientArea.height());
    connect(m_table, &Table::slotClicked, this, [this](int index) {
        if (isEnabled())
            Slot_Click(index);
    });
#ifdef Q_OS_WIN
    // Qt's UI Automation bridge has no notifications of its own.
    connect(m_announcer, &Announcer::announced, this, [this](const QString& text) {
        RaiseUiaNotification(winId(), text.toStdWString());
    });
#endif
    // Heard, not shown: no menu names it, and F3 is no other command's.
    auto* readTable = new QShortcut(QKeySequence(Qt::Key_F3), this);
    readTable->setObjectName(QStringLiteral("ReadTable"));
    connect(readTable, &QShortcut::activated, this, [this] {
        if (isEnabled())
            ReadTable();
    });
    connect(m_table, &Table::screenChanged, this, [this] { m_view.RefreshPictures(); });
    m_registry.Register(this);
}

QAction* frmMain::AddCommand(QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // A disabled window takes no commands, whatever reaches the action.
    connect(action, &QAction::triggered, this, [this, handler] {
        if (isEnabled())
            (this->*handler)();
    });
    return action;
}

void frmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* newGame = AddCommand(file, "mnuFileNew", tr("&New"), &frmMain::mnuFileNew_Click);
    newGame->setShortcut(QKeySequence(Qt::Key_F2));
    AddCommand(file, "mnuGameStats", tr("&Game Stats"), &frmMain::mnuGameStats_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    AddCommand(file, "mnuFileExit", tr("E&xit"), &frmMain::mnuFileExit_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddCommand(help, "mnuHelpContents", tr("&Contents"), &frmMain::mnuHelpContents_Click);
    AddCommand(help, "mnuHelpSearch", tr("&Search For Help On..."), &frmMain::mnuHelpSearch_Click);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpBar1"));
    //: %1 is the program's name.
    AddCommand(help, "mnuHelpAbout", tr("&About %1...").arg(QString::fromLatin1(ApplicationTitle)), &frmMain::mnuHelpAbout_Click);
}

bool frmMain::event(QEvent* event)
{
    // Status tips would replace the game's status line; the line is the game's alone.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void frmMain::Form_Load()
{
    // A damaged entry must not lock the player out: it is reported, its
    // default is used, and the next write replaces it.
    std::vector<RuntimeError> problems;
    m_errors.Run([&] {
        RestorePosition(problems);
        m_game.LoadStatistics(problems);
        m_game.BuildDeck();
        m_game.Shuffle_Deck();
        m_state.GameOver = GameOverFlag::No;
    });
    //: Heads the list of stored settings that could not be read at start, one a line with its error.
    m_errors.Report(tr("Some saved settings could not be read; their defaults are used instead:"), problems);
}

void frmMain::RestorePosition(std::vector<RuntimeError>& problems)
{
    const auto read = [&](const char* key) {
        try {
            return ReadWindowCoordinate(m_services.store, key);
        } catch (const RuntimeError& error) {
            problems.push_back(error);
            return DefaultWindowTwips;
        }
    };
    float left = read(MainLeftKey);
    float top = read(MainTopKey);
    QPoint pixels(TwipsToPixels(left), TwipsToPixels(top));
    // A position on a screen since unplugged would leave the window unreachable.
    if (!IsOnSomeScreen(QRect(pixels, size()))) {
        left = top = DefaultWindowTwips;
        pixels = QPoint(TwipsToPixels(left), TwipsToPixels(top));
    }
    move(pixels);
    m_restoredLeftTwips = left;
    m_restoredTopTwips = top;
    m_restoredPixels = pixels;
}

float frmMain::LeftTwips() const
{
    return pos().x() == m_restoredPixels.x() ? m_restoredLeftTwips : PixelsToTwips(pos().x());
}

float frmMain::TopTwips() const
{
    return pos().y() == m_restoredPixels.y() ? m_restoredTopTwips : PixelsToTwips(pos().y());
}

void frmMain::Form_Unload()
{
    emit unloadBegins();
    m_errors.Run([&] {
        m_registry.UnloadAllButFirst();
        if (!(windowState() & Qt::WindowMinimized)) {
            WriteWindowCoordinate(m_services.store, MainLeftKey, LeftTwips());
            WriteWindowCoordinate(m_services.store, MainTopKey, TopTwips());
        }
        m_game.WriteStatistics();
    });
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

void frmMain::Play(const std::function<void()>& command)
{
    m_errors.Run(command);
    m_speech.Flush();
}

void frmMain::Slot_Click(int index)
{
    Play([&] { m_game.Slot_Click(ToInt16(index)); });
}

void frmMain::mnuFileNew_Click()
{
    Play([&] { m_game.New_Game(); });
}

void frmMain::ReadTable()
{
    m_announcer->Announce(m_speech.TableSummary());
}

void frmMain::mnuGameStats_Click()
{
    // The dialog reads the store, so the counters go there first.
    if (!m_errors.Run([&] { m_game.WriteStatistics(); }))
        return;
    setEnabled(false);
    auto* dialog = new frmGameStats(
        this, m_services.store, m_errors, [this] { Reset_Stats(); }, m_announcer);
    m_registry.Register(dialog);
    dialog->Form_Load();
    dialog->show();
    std::vector<RuntimeError> problems;
    m_game.ReadStatisticsBack(problems);
    //: Heads the list of stored statistics that Game Stats could not read back, one a line with its error; the counts shown are those the program kept.
    m_errors.Report(tr("Some saved statistics could not be read back; the counts of this run are kept:"), problems);
}

void frmMain::Reset_Stats()
{
    Play([&] { m_game.Reset_Stats(); });
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuHelpContents_Click()
{
    ShowHelp(this, m_services.boxes, m_services.help, HelpFilePath(m_services.programFolder, m_services.helpFile), HelpCommand::Contents, windowTitle());
}

void frmMain::mnuHelpSearch_Click()
{
    ShowHelp(this, m_services.boxes, m_services.help, HelpFilePath(m_services.programFolder, m_services.helpFile), HelpCommand::PartialKey, windowTitle());
}

void frmMain::mnuHelpAbout_Click()
{
    auto* about = new frmAbout(this);
    m_registry.Register(about);
    about->Form_Load();
    about->exec();
}

}
