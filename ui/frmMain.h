#pragma once

#include "game/Game.h"
#include "game/GameState.h"
#include "ui/QtTableView.h"
#include "ui/ResultSpeech.h"
#include "ui/WindowRegistry.h"
#include "widgets/ErrorBoundary.h"

#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

class QAction;

namespace pairfall {

class Announcer;
class HelpViewer;
class MessageBoxService;
class RandomSource;
class SettingsStore;
class StatusLine;
class Table;

// What the main window works with; tests put fakes in.
struct frmMainServices {
    SettingsStore& store;
    RandomSource& random;
    MessageBoxService& boxes;
    HelpViewer& help;
    std::string programFolder; // holds the pictures folder
    std::string helpFile; // empty: the help commands say there is no help; relative: to programFolder
};

// The game table and the only window that lives for the whole run.  It owns
// the game state; its handlers run the game procedures inside the error
// boundary.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(const frmMainServices& services);

    void Form_Load();
    void Form_Unload();

    void Slot_Click(int index);
    void mnuFileNew_Click();
    void mnuGameStats_Click();
    void mnuFileExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void Reset_Stats();

    GameState& State() { return m_state; }
    Game& GameProcedures() { return m_game; }
    WindowRegistry& Registry() { return m_registry; }
    Table& TableArea() { return *m_table; }
    StatusLine& StatusBarLine() { return *m_status; }
    Announcer& Speech() { return *m_announcer; }
    // The table key: the twelve places and the status line, spoken.
    void ReadTable();

    // The position the next shutdown writes, in twips.
    float LeftTwips() const;
    float TopTwips() const;

signals:
    // Form_Unload has begun: nothing may take the window over any more.
    void unloadBegins();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Every command of the game goes this way: a failure is reported, then
    // what it changed on the table is spoken, once.
    void Play(const std::function<void()>& command);
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)());
    void RestorePosition(std::vector<RuntimeError>& problems);

    frmMainServices m_services;
    GameState m_state;
    Table* m_table;
    StatusLine* m_status;
    Announcer* m_announcer;
    ResultSpeech m_speech;
    ErrorBoundary m_errors;
    QtTableView m_view;
    Game m_game;
    WindowRegistry m_registry;
    bool m_unloaded = false;

    // The stored position and where it put the window: a window the player
    // did not move writes back exactly the twips it was given.
    float m_restoredLeftTwips = 0;
    float m_restoredTopTwips = 0;
    QPoint m_restoredPixels;
};

}
