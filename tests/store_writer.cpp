// A second process on the real settings store, for the store tests:
//   store_writer game-end        wins a game on an empty store, prints "ended" and waits to be killed
//   store_writer hammer <k> <n>  n statistics writes, write i holding k * 1000 + i in all four counters
#include "fakes/RecordingTableView.h"
#include "game/Game.h"
#include "game/SettingsEntries.h"
#include "stats/QtSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace pairfall;

// The deck used up is a win; the game records it as it ends.
void WinAGame()
{
    GameState state;
    testing::EventLog log;
    testing::RecordingTableView view { log };
    QtSettingsStore store;
    ClockRandomSource random;
    Game game(state, view, store, random, ".");
    state.CardsLeft = 0;
    game.You_Win();
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
    if (argc == 2 && std::string(argv[1]) == "game-end") {
        WinAGame();
        std::puts("ended");
        std::fflush(stdout);
        return app.exec(); // until killed
    }
    if (argc == 4 && std::string(argv[1]) == "hammer") {
        Hammer(std::atoi(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    return 2; // see the usage above
}
