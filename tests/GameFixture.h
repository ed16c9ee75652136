#pragma once

#include "fakes/MemorySettingsStore.h"
#include "fakes/RecordingTableView.h"
#include "fakes/ScriptedRandom.h"
#include "game/Game.h"

#include <gtest/gtest.h>

namespace pairfall::testing {

using Kind = RuntimeError::Kind;
using Strings = std::vector<std::string>;
using Slots = std::vector<Int16>;

// A row of a parameterised test is named by its name field.
inline constexpr auto RowName = [](const auto& info) { return std::string(info.param.name); };

// Runs f and expects it to stop with a RuntimeError of this kind.
template<typename F>
void ExpectError(F f, Kind kind)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), kind) << e.what();
        return;
    }
    ADD_FAILURE() << "no error";
}

// A full table with no play left: three of each face, and 1, 2, 3.
inline const Slots DeadTable = { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 };

// The statistics write as the log shows it, in the order it is made.
inline Strings StatsWrites(int average, int games, int wins, int losses)
{
    return { "write Stats/AvgCardsLeft=" + std::to_string(average), "write Stats/TotalGames=" + std::to_string(games), "write Stats/TotalWins=" + std::to_string(wins), "write Stats/TotalLosses=" + std::to_string(losses) };
}

// A game as start-up leaves it; the view and the store write to one event log.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
        : game(state, view, store, random, "/opt/pairfall")
    {
        game.BuildDeck();
        game.Shuffle_Deck();
    }

    // Puts cards of these values on the empty slots 0, 1, ... (0 = none) and sets how many are left.
    void LayTable(const Slots& values, Int16 cardsLeft)
    {
        for (std::size_t i = 0; i < values.size(); ++i) {
            state.SlotValue(static_cast<Int16>(i)) = values[i];
            if (values[i] != 0)
                ++state.SlotsFilled;
        }
        state.CardsLeft = cardsLeft;
    }

    void Click(const Slots& slots)
    {
        for (Int16 slot : slots)
            game.Slot_Click(slot);
    }

    // Where the first event beginning with prefix stands in the log; a missing event fails the test.
    int At(const std::string& prefix) const
    {
        const int index = log.IndexOf(prefix);
        EXPECT_NE(index, -1) << "no event " << prefix;
        return index;
    }

    // The slots a card was dealt onto since the log was cleared, in order.
    Slots DealtSlots() const
    {
        Slots slots;
        for (const std::string& event : log.Starting("picture ")) {
            if (!event.ends_with(game.EmptySlotPicturePath()))
                slots.push_back(static_cast<Int16>(std::stoi(event.substr(8))));
        }
        return slots;
    }

    void SetCounters(Int16 games, Int16 wins, Int16 losses, Int16 average)
    {
        state.TotalGames = games;
        state.TotalWins = wins;
        state.TotalLosses = losses;
        state.AvgCardsLeft = average;
    }

    EventLog log;
    RecordingTableView view { log };
    MemorySettingsStore store { log };
    ScriptedRandom random;
    GameState state;
    Game game;
};

}
