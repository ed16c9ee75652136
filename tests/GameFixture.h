#pragma once

#include "fakes/MemorySettingsStore.h"
#include "fakes/RecordingTableView.h"
#include "fakes/ScriptedRandom.h"
#include "game/Game.h"
#include "game/RuntimeError.h"
#include "game/TableView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <tuple>

namespace pairfall::testing {

using Kind = RuntimeError::Kind;
using Strings = std::vector<std::string>;

// Runs f, expects it to stop with a RuntimeError of this kind and returns the error's description.
template<typename F>
std::string ExpectError(F f, Kind kind)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), kind) << e.what();
        return e.description();
    }
    ADD_FAILURE() << "no error";
    return {};
}

// Deck(1..52) holds each card once with its value, and Deck(0) is untouched.
inline bool IsShuffledDeck(const GameState& s)
{
    std::bitset<CardsInDeck + 1> seen;
    for (Int16 i = 1; i <= CardsInDeck; ++i)
        if (s.Deck(i).Value != 0 && s.Deck(i).Value == CardValue(s.Deck(i).Id))
            seen.set(static_cast<std::size_t>(s.Deck(i).Id));
    return seen.count() == CardsInDeck && s.Deck(0) == Card {};
}

inline const std::vector<Int16> DeadTable = { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 }; // no play left

// A game as start-up leaves it, with a recording view, an in-memory store and a fixed shuffle.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
        : game(state, view, store, random, "/opt/pairfall")
    {
        game.BuildDeck();
        game.Shuffle_Deck();
    }

    // Brings cards of these values to the top of the deck, the first to be dealt first.
    void StackDeck(const std::vector<Int16>& values)
    {
        for (Int16 top = state.CardsLeft; Int16 value : values) {
            Int16 i = top;
            while (state.Deck(i).Value != value)
                --i; // Deck(-1) throws when no card of the value is left
            std::swap(state.Deck(i), state.Deck(top--));
        }
    }

    // Puts cards on the table directly (0 = empty) and sets how many are left.
    void LayTable(const std::vector<Int16>& values, Int16 cardsLeft)
    {
        state.SlotsFilled = static_cast<Int16>(values.size() - std::ranges::count(values, 0));
        for (std::size_t i = 0; i < values.size(); ++i)
            state.SlotValue(static_cast<Int16>(i)) = values[i];
        state.CardsLeft = cardsLeft;
    }

    void Click(std::initializer_list<Int16> slots)
    {
        for (Int16 slot : slots)
            game.Slot_Click(slot);
    }

    // The slots dealt onto since the log was cleared, in order.
    std::vector<Int16> DealtSlots() const
    {
        std::vector<Int16> slots;
        for (const std::string& line : view.log.events)
            if (line.starts_with("picture ") && !line.ends_with(game.EmptySlotPicturePath()))
                slots.push_back(static_cast<Int16>(std::stoi(line.substr(8))));
        return slots;
    }

    GameState state;
    RecordingTableView view;
    MemorySettingsStore store;
    ScriptedRandom random;
    Game game;
};

}
