#pragma once

#include "fakes/RecordingTableView.h"
#include "fakes/ScriptedRandom.h"
#include "game/Deck.h"
#include "game/Game.h"
#include "stats/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <initializer_list>
#include <vector>

namespace pairfall::testing {

inline constexpr const char* ProgramFolder = "/opt/pairfall";

// A game as start-up leaves it (deck built, shuffled, GameOver 0), with a
// recording view, an in-memory store and no randomness.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
        : game(state, view, store, random, ProgramFolder)
    {
        game.BuildDeck();
        game.Shuffle_Deck();
        state.GameOver = 0;
    }

    // Orders the deck so that the next cards dealt have these values, first
    // value first; the deck stays a permutation of the 52 cards.
    void StackDeck(const std::vector<Int16>& values)
    {
        std::vector<Card> pool;
        for (Int16 i = 1; i <= CardsInDeck; ++i)
            pool.push_back({ i, CardValue(i) });
        std::vector<Card> top;
        for (Int16 value : values) {
            auto found = std::find_if(pool.begin(), pool.end(), [&](const Card& c) { return c.Value == value; });
            if (found == pool.end())
                throw std::logic_error("more than four cards of a value stacked");
            top.push_back(*found);
            pool.erase(found);
        }
        Int16 index = state.CardsLeft;
        for (const Card& card : top)
            state.Deck(index--) = card;
        for (const Card& card : pool) {
            if (index < 1)
                break;
            state.Deck(index--) = card;
        }
    }

    // Puts cards on the table directly (0 = empty) and sets how many are left.
    void LayTable(std::initializer_list<Int16> values, Int16 cardsLeft)
    {
        Int16 slot = 0;
        state.SlotsFilled = 0;
        for (Int16 value : values) {
            state.SlotValue(slot++) = value;
            if (value != 0)
                ++state.SlotsFilled;
        }
        state.CardsLeft = cardsLeft;
    }

    void Click(Int16 slot) { game.Slot_Click(slot); }
    void Clicks(std::initializer_list<Int16> slots)
    {
        for (Int16 slot : slots)
            game.Slot_Click(slot);
    }

    std::vector<MemorySettingsStore::Write> StatsWrite(Int16 avg, Int16 games, Int16 wins, Int16 losses) const
    {
        return { { "Stats", "AvgCardsLeft", std::to_string(avg) },
            { "Stats", "TotalGames", std::to_string(games) },
            { "Stats", "TotalWins", std::to_string(wins) },
            { "Stats", "TotalLosses", std::to_string(losses) } };
    }

    GameState state;
    RecordingTableView view;
    MemorySettingsStore store;
    ScriptedRandom random;
    Game game;
};

// A test name gtest accepts, made from a case's description.
template<typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name = info.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    return name;
}

// A table of twelve cards with no play left: no ten, no four of a face rank,
// no two cards totalling 10.
inline constexpr std::initializer_list<Int16> DeadTable = { 11, 11, 11, 12, 12, 12, 13, 13, 13, 1, 2, 3 };

}
