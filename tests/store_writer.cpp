// A second process on the real settings store, for the store tests:
//   store_writer game-end        wins a game, prints "ended G W L A" and waits to be killed
//   store_writer hammer <k> <n>  n statistics writes, write i holding k * 1000 + i in all four counters
#include "game/Game.h"
#include "game/SettingsEntries.h"
#include "stats/QtSettingsStore.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using namespace pairfall;

struct SilentTable final : TableView {
    void SetSlotPicture(Int16, const std::string&) override { }
    void SetOutlineVisible(Int16, bool) override { }
    void SetStatusText(const std::string&) override { }
    Answer MessageBox(const std::string&, Buttons, const std::string&, Icon) override { return Answer::No; }
};

// The deck used up is a win; the game records it as it ends.
[[noreturn]] void WinAGameAndWait()
{
    GameState state;
    SilentTable view;
    QtSettingsStore store;
    ClockRandomSource random;
    Game game(state, view, store, random, ".");
    std::vector<std::string> problems;
    game.LoadStatistics(problems);
    state.CardsLeft = 0;
    game.You_Win();
    std::printf("ended %d %d %d %d\n", state.TotalGames, state.TotalWins, state.TotalLosses, state.AvgCardsLeft);
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

void Hammer(int k, int n)
{
    QtSettingsStore store;
    for (int i = 0; i < n; ++i) {
        const auto value = static_cast<Int16>(k * 1000 + i);
        WriteStatistics(store, { value, value, value, value });
    }
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && std::string(argv[1]) == "game-end")
        WinAGameAndWait();
    if (argc == 4 && std::string(argv[1]) == "hammer") {
        Hammer(std::atoi(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    std::fprintf(stderr, "usage: store_writer game-end | hammer <k> <n>\n");
    return 2;
}
