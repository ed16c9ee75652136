#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <utility>

class QLabel;
class QPushButton;

namespace pairfall {

class Announcer;
class ErrorBoundary;
class SettingsStore;

// The Game Stats dialog.  It shows what the settings store holds, never the
// main window's counters, and resets them through the main window.  It is
// not modal: its owner is disabled while it is open and enabled again
// however it closes.  Deletes itself when closed.
class frmGameStats : public QDialog {
    Q_OBJECT

public:
    // The announcer, if any, speaks the counters after a reset.
    frmGameStats(QWidget* owner, SettingsStore& store, ErrorBoundary& errors, std::function<void()> resetStats, Announcer* announcer = nullptr);

    // Reads the four counters from the store into the labels; a damaged
    // entry is reported and its label shows the default.
    void Form_Load();
    void cmdResetStats_Click();
    void cmdClose_Click();

private:
    // Every caption with its value, as a screen reader speaks them, made the
    // dialog's description, which a reader speaks when the dialog opens.
    QString DescribeValues();

    QWidget* m_owner;
    SettingsStore& m_store;
    ErrorBoundary& m_errors;
    std::function<void()> m_resetStats;
    Announcer* m_announcer;
    QLabel* m_lblGames = nullptr;
    QLabel* m_lblWins = nullptr;
    QLabel* m_lblLosses = nullptr;
    QLabel* m_lblAvgCards = nullptr;
    // Each value with the caption before it, in the order they stand.
    std::array<std::pair<QLabel*, QLabel*>, 4> m_spoken {};
};

}
