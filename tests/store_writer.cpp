// A second process for the store tests: it writes the real settings store
// and then waits to be killed, or writes it over and over at the same time
// as another one.
//
//   store_writer game-end <seed>   plays one game by random clicks to its end,
//                                  prints "ended G W L A" and waits
//   store_writer hammer <k> <n>    n statistics writes, write i holding
//                                  k * 1000 + i in all four counters

#include "game/Deck.h"
#include "game/Game.h"
#include "game/RandomSource.h"
#include "game/SettingsEntries.h"
#include "stats/QtSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace {

class SilentTable final : public pairfall::TableView {
public:
    void SetSlotPicture(pairfall::Int16, const std::string&) override { }
    void SetOutlineVisible(pairfall::Int16, bool) override { }
    void SetStatusText(const std::string&) override { }
    pairfall::Answer MessageBox(const std::string&, pairfall::Buttons, const std::string&, pairfall::Icon) override { return pairfall::Answer::No; }
};

int PlayToTheEnd(unsigned seed)
{
    pairfall::GameState state;
    SilentTable view;
    pairfall::QtSettingsStore store;
    pairfall::ClockRandomSource random;
    pairfall::Game game(state, view, store, random, ".");
    std::vector<std::string> problems;
    game.LoadStatistics(problems);
    game.BuildDeck();
    game.Shuffle_Deck();
    std::mt19937 player(seed);
    while (state.GameOver == pairfall::GameOverFlag::No)
        game.Slot_Click(static_cast<pairfall::Int16>(player() % 12));
    std::printf("ended %d %d %d %d\n", state.TotalGames, state.TotalWins, state.TotalLosses, state.AvgCardsLeft);
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

int Hammer(int k, int n)
{
    pairfall::QtSettingsStore store;
    for (int i = 0; i < n; ++i) {
        const auto value = static_cast<pairfall::Int16>(k * 1000 + i);
        pairfall::WriteStatistics(store, { value, value, value, value });
    }
    return 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "game-end" && argc == 3)
        return PlayToTheEnd(static_cast<unsigned>(std::atoi(argv[2])));
    if (mode == "hammer" && argc == 4)
        return Hammer(std::atoi(argv[2]), std::atoi(argv[3]));
    std::fprintf(stderr, "usage: store_writer game-end <seed> | hammer <k> <n>\n");
    return 2;
}
