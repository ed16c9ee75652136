// The engine's hot paths, with a table view that shows nothing.
#include "game/Deck.h"
#include "game/Game.h"
#include "game/RandomSource.h"

#include <benchmark/benchmark.h>

using namespace pairfall;

namespace {

class NullTable final : public TableView {
public:
    void SetSlotPicture(Int16, const std::string& path) override { benchmark::DoNotOptimize(path.data()); }
    void SetOutlineVisible(Int16, bool) override { }
    void SetStatusText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void SetCardsLeftStatus(Int16 cardsLeft) override { benchmark::DoNotOptimize(cardsLeft); }
    Answer MessageBox(const std::string&, Buttons, const std::string&, Icon) override { return Answer::No; }
};

// Keeps nothing: a finished game's statistics go nowhere.
class NullStore final : public SettingsStore {
public:
    std::string ReadSetting(const std::string&, const std::string&, const std::string&, const std::string& defaultText) override { return defaultText; }
    void WriteSetting(const std::string&, const std::string&, const std::string&, const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void Commit() override { }
};

struct Table {
    Table()
        : game(state, view, store, random, "/opt/pairfall")
    {
        game.BuildDeck();
        game.Shuffle_Deck();
    }
    // Twelve cards on the table with no ten and no pair: the no-play test
    // counts the faces before it finds the one play, four Kings.
    void LayFullTable()
    {
        const Int16 values[12] = { 1, 2, 3, 13, 11, 11, 12, 12, 12, 13, 13, 13 };
        for (Int16 i = 0; i < 12; ++i)
            state.SlotValue(i) = values[i];
        state.SlotsFilled = 12;
        state.CardsLeft = 40;
        state.GameOver = GameOverFlag::No;
    }
    GameState state;
    NullTable view;
    NullStore store;
    ClockRandomSource random;
    Game game;
};

void BM_Shuffle_Deck(benchmark::State& run)
{
    Table table;
    for (auto _ : run)
        table.game.Shuffle_Deck();
}
BENCHMARK(BM_Shuffle_Deck);

void BM_Check_NoPlay(benchmark::State& run)
{
    Table table;
    table.LayFullTable();
    for (auto _ : run)
        table.game.Check_NoPlay();
}
BENCHMARK(BM_Check_NoPlay);

void BM_Slot_Click_FullTable(benchmark::State& run)
{
    // Select and deselect a card on a full table: each click ends in the no-play test.
    Table table;
    table.LayFullTable();
    for (auto _ : run) {
        table.game.Slot_Click(0);
        table.game.Slot_Click(0);
    }
    run.SetItemsProcessed(run.iterations() * 2);
}
BENCHMARK(BM_Slot_Click_FullTable);

void BM_Slot_Click_Deal(benchmark::State& run)
{
    // A click on a ten deals the next card over it.
    Table table;
    for (auto _ : run) {
        if (table.state.CardsLeft < 2) {
            run.PauseTiming();
            table.game.New_Game();
            run.ResumeTiming();
        }
        table.state.SlotValue(0) = Ten;
        table.game.Slot_Click(0);
    }
}
BENCHMARK(BM_Slot_Click_Deal);

}

BENCHMARK_MAIN();
