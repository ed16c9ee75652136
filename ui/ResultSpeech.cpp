#include "ui/ResultSpeech.h"

#include "ui/SlotPicture.h"
#include "ui/StatusLine.h"
#include "ui/Table.h"
#include "ui/TableLayout.h"
#include "widgets/Announcer.h"

#include <QStringList>

#include <algorithm>
#include <ranges>

namespace pairfall {

ResultSpeech::ResultSpeech(const Table& table, const StatusLine& status, Announcer& announcer)
    : m_table(table)
    , m_status(status)
    , m_announcer(announcer)
{
}

// Only what the table still shows is spoken: not a card that the won game's
// clearing took away again, nor the outline of a card covered by a new one
// or taken away.  So a card's change drops the slot's earlier selection
// changes (and a clearing its earlier deal), and a selection change after
// a card's change on its slot is not kept.
void ResultSpeech::Dealt(int slot)
{
    std::erase_if(m_changes, [slot](const Change& earlier) { return earlier.slot == slot && earlier.kind != Kind::Dealt && earlier.kind != Kind::Cleared; });
    m_changes.push_back({ slot, Kind::Dealt });
}

void ResultSpeech::Cleared(int slot)
{
    std::erase_if(m_changes, [slot](const Change& earlier) { return earlier.slot == slot && earlier.kind != Kind::Cleared; });
    m_changes.push_back({ slot, Kind::Cleared });
}

void ResultSpeech::SelectionChanged(int slot, bool selected)
{
    if (std::ranges::any_of(m_changes, [slot](const Change& earlier) { return earlier.slot == slot && (earlier.kind == Kind::Dealt || earlier.kind == Kind::Cleared); }))
        return;
    m_changes.push_back({ slot, selected ? Kind::Selected : Kind::Deselected });
}

void ResultSpeech::StatusChanged()
{
    m_statusChanged = true;
}

void ResultSpeech::Flush()
{
    const QString words = Words();
    m_changes.clear();
    m_statusChanged = false;
    m_announcer.Announce(words);
}

QString ResultSpeech::CardWithPlace(int slot) const
{
    //: A card, then the place it lies in: "Six of Hearts, row 2, place 3".  The card comes first, so that a player who cuts the speech short has heard it.
    return tr("%1, row %2, place %3").arg(m_table.Slot(slot)->accessibleName()).arg(slot / layout::SlotColumns + 1).arg(slot % layout::SlotColumns + 1);
}

QString ResultSpeech::Words() const
{
    const auto deals = std::ranges::count_if(m_changes, [](const Change& change) { return change.kind == Kind::Dealt; });
    const int focused = m_table.FocusSlot();

    QStringList parts;
    for (const Change& change : m_changes) {
        switch (change.kind) {
        case Kind::Cleared:
            break; // the status line tells
        case Kind::Dealt:
            // The focused place's card alone needs no place: the player is there.
            parts << (change.slot == focused && deals == 1 ? m_table.Slot(change.slot)->accessibleName() : CardWithPlace(change.slot));
            break;
        case Kind::Selected:
        case Kind::Deselected: {
            //: Follows a card's name, of any rank and suit: "Queen of Hearts, selected", or alone after the name the screen reader has just read.  A form that agrees with every card, or none that changes with it.
            const QString selected = tr("selected");
            //: Follows a card's name, of any rank and suit, when its selection is put back or cleared: "Queen of Hearts, not selected", or alone.  A form that agrees with every card, or none that changes with it.
            const QString notSelected = tr("not selected");
            const QString state = change.kind == Kind::Selected ? selected : notSelected;
            //: A card with its place ("Five of Clubs, row 2, place 3"), then "selected" or "not selected".
            parts << (change.slot == focused ? state : tr("%1, %2").arg(CardWithPlace(change.slot), state));
            break;
        }
        }
    }
    if (m_statusChanged)
        parts << m_status.Text();
    return SpokenSentences(parts);
}

QString ResultSpeech::TableSummary() const
{
    QStringList rows;
    for (int row = 0; row < SlotCount / layout::SlotColumns; ++row) {
        QString places;
        bool cards = false;
        for (int column = 0; column < layout::SlotColumns; ++column) {
            const SlotPicture* picture = m_table.Slot(row * layout::SlotColumns + column);
            cards = cards || !picture->IsEmpty();
            QString place = picture->IsEmpty()
                //: An empty place in a row that also holds cards, as the table key reads it: "Row 1: Six of Hearts; empty; empty; Four of Clubs".  One word, agreeing with "place".
                ? tr("empty")
                : picture->accessibleName();
            if (picture->IsSelected())
                //: A card on the table that the player has selected, as the table key reads it: "Queen of Hearts (selected)".  A form that agrees with every card, or none that changes with it.
                place = tr("%1 (selected)").arg(place);
            //: Two places of one row, as the table key reads them.
            places = places.isEmpty() ? place : tr("%1; %2").arg(places, place);
        }
        if (cards)
            //: Spoken by the table key: a row's number, then its four places from the left.
            rows << tr("Row %1: %2").arg(row + 1).arg(places);
        else
            //: Spoken by the table key for a row whose four places are all empty.
            rows << tr("Row %1: empty").arg(row + 1);
    }
    rows << m_status.Text();
    return SpokenSentences(rows);
}

}
