// A second process on the real settings store, for the store tests:
//   store_writer game-end        wins a game on an empty store, prints "ended" and waits to be killed
#include "fakes/RecordingTableView.h"
#include "game/Game.h"
#include "stats/QtSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
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
    return 2; // see the usage above
}
