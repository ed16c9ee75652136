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

void ResultSpeech::Dealt(int slot)
{
    m_changes.push_back({ slot, Kind::Dealt });
}

void ResultSpeech::Cleared(int slot)
{
    m_changes.push_back({ slot, Kind::Cleared });
}

void ResultSpeech::SelectionChanged(int slot, bool selected)
{
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

QString ResultSpeech::PlaceWithCard(int slot) const
{
    const SlotPicture* picture = m_table.Slot(slot);
    //: A place on the table ("Row 2, place 3"), then what lies there now or what happened to it.
    return tr("%1: %2").arg(picture->accessibleDescription(), picture->accessibleName());
}

QString ResultSpeech::Words() const
{
    // Only what the table still shows is spoken: not a card that the won
    // game's clearing took away again, nor the outline of a card covered by
    // a new one or taken away.
    const auto cardChanges = [](Kind kind) { return kind == Kind::Dealt || kind == Kind::Cleared; };
    std::vector<std::size_t> spoken;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        const auto sameSlot = [&](const Change& other) { return other.slot == m_changes[i].slot; };
        const auto later = std::views::drop(m_changes, i + 1);
        const bool stays = m_changes[i].kind == Kind::Dealt
            ? std::ranges::none_of(later, [&](const Change& other) { return sameSlot(other) && other.kind == Kind::Cleared; })
            : !cardChanges(m_changes[i].kind) && std::ranges::none_of(m_changes, [&](const Change& other) { return sameSlot(other) && cardChanges(other.kind); });
        if (stays)
            spoken.push_back(i);
    }
    const auto deals = std::count_if(spoken.begin(), spoken.end(), [&](std::size_t i) { return m_changes[i].kind == Kind::Dealt; });
    const int focused = m_table.FocusSlot();

    QStringList parts;
    for (std::size_t i : spoken) {
        const Change& change = m_changes[i];
        if (change.kind == Kind::Dealt) {
            // The focused place's card alone needs no place: the player is there.
            parts << (change.slot == focused && deals == 1 ? m_table.Slot(change.slot)->accessibleName() : PlaceWithCard(change.slot));
            continue;
        }
        //: Spoken when the player selects a card.
        const QString selected = tr("selected");
        //: Spoken when a selected card is put back, or its selection is cleared.
        const QString notSelected = tr("not selected");
        const QString state = change.kind == Kind::Selected ? selected : notSelected;
        if (change.slot == focused)
            parts << state;
        else
            //: A place with its card ("Row 2, place 3: Five of Clubs"), then "selected" or "not selected".
            parts << tr("%1, %2").arg(PlaceWithCard(change.slot), state);
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
        for (int column = 0; column < layout::SlotColumns; ++column) {
            const SlotPicture* picture = m_table.Slot(row * layout::SlotColumns + column);
            QString place = picture->accessibleName();
            if (picture->IsSelected())
                //: A card on the table that the player has selected, as the table key reads it.
                place = tr("%1 (selected)").arg(place);
            //: Two places of one row, as the table key reads them.
            places = places.isEmpty() ? place : tr("%1; %2").arg(places, place);
        }
        //: Spoken by the table key: a row's number, then its four places from the left.
        rows << tr("Row %1: %2").arg(row + 1).arg(places);
    }
    rows << m_status.Text();
    return SpokenSentences(rows);
}

}
