#pragma once

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace pairfall {

class Announcer;
class StatusLine;
class Table;

// What a press changed on the table, in words for screen readers: each dealt
// card (then its place, unless it is the one focused and the only one), each
// selection put on or taken off, then the status line once it changed.  The
// changes gather while the game works and are spoken as one text when the
// press ends or a message box is about to speak for itself.
class ResultSpeech {
    Q_DECLARE_TR_FUNCTIONS(ResultSpeech)

public:
    ResultSpeech(const Table& table, const StatusLine& status, Announcer& announcer);

    // After the slot was given its new card and name.
    void Dealt(int slot);
    // After the slot was emptied for a new game, which its status line tells.
    void Cleared(int slot);
    void SelectionChanged(int slot, bool selected);
    void StatusChanged();
    // Speaks what gathered since the last time, if anything did.
    void Flush();

    // The twelve places row by row, then the status line, as shown now; a row
    // without a card in a word, an empty place among cards in one.
    QString TableSummary() const;

private:
    enum class Kind { Dealt,
        Cleared,
        Selected,
        Deselected };
    struct Change {
        int slot;
        Kind kind;
    };

    QString Words() const;
    QString CardWithPlace(int slot) const;

    const Table& m_table;
    const StatusLine& m_status;
    Announcer& m_announcer;
    std::vector<Change> m_changes;
    bool m_statusChanged = false;
};

}
