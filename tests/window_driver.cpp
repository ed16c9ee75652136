// The program in a process of its own, held in a known state, for the tests
// of the store across processes, of one running copy and of the end on
// signals and on Windows messages: the real window, store, boxes and main
// loop, on the pictures of the source folder, with its settings where
// PAIRFALL_SETTINGS_FILE says (as the program's).
//   window_driver idle | game-stats | question | behind | closing
//                 [slow-start] [bound=MILLISECONDS]
// the window as started, with Game Stats open, with the play-again question of
// a game just won (and recorded) open, with another window in front of it, or
// closed at once as Exit closes it.
// Prints "ready" once there (on Windows followed by the main window's handle,
// "ready 1234"), then "activated" whenever its window becomes the active one,
// and "asked" whenever a later start has asked it to come to the front.
// When closing, it prints "unloading" as Form_Unload begins and holds the
// shutdown there until a line comes on its standard input.
// A slow start prints "starting" once it holds the lock and listens, and
// waits likewise before it opens the store.
// A later start prints "waiting" when it finds a live copy holding the lock,
// "asking" each time it puts its question to it, then "handed over" and exits
// 0, or "no answer" and exits 1, as the program does (which shows a box for
// the latter), within the bound given (the program's own by default).
#include "game/RandomSource.h"
#include "program/MainLoop.h"
#include "program/SingleInstance.h"
#include "settings/QtSettingsStore.h"
#include "ui/HelpCommands.h"
#include "ui/frmMain.h"
#include "widgets/MessageBoxService.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace pairfall;

void Print(const char* line)
{
    std::puts(line);
    std::fflush(stdout);
}

// Slow, as a start or a shutdown can be from outside (a cold disk, a virus
// scanner): until the test says to go on.
void HoldUntilToldToGoOn()
{
    std::string line;
    std::getline(std::cin, line);
}

void PrintReady(frmMain& window)
{
#ifdef Q_OS_WIN
    std::printf("ready %llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
#else
    (void)window;
    Print("ready");
#endif
}

void Drive(frmMain& window, const std::string& state, QWidget& front)
{
    if (state == "game-stats")
        window.findChild<QAction*>("mnuGameStats")->trigger();
    if (state == "behind") {
        front.show();
        QCoreApplication::processEvents(); // the focus moves to it
    }
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&window](QWindow* focused) {
        if (focused == window.windowHandle())
            Print("activated");
    });
    if (state == "question") {
        // The last card dealt wins; "ready" comes from inside the question.
        window.State().CardsLeft = 1;
        QTimer::singleShot(0, [&window] { PrintReady(window); });
        window.Slot_Click(0);
        return;
    }
    if (state == "closing") {
        // After the copy has stopped answering, which was connected first.
        QObject::connect(&window, &frmMain::unloadBegins, [] {
            Print("unloading");
            HoldUntilToldToGoOn();
        });
        window.findChild<QAction*>("mnuFileExit")->trigger();
        return;
    }
    PrintReady(window);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 3;
    std::string start;
    int bound = SingleInstance::BoundMs;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option.starts_with("bound="))
            bound = std::stoi(option.substr(6));
        else
            start = option;
    }
    const SettingsLocation settings = SettingsLocation::FromEnvironment();
    SingleInstance copy(settings, bound);
    QObject::connect(&copy, &SingleInstance::waiting, [] { Print("waiting"); });
    QObject::connect(&copy, &SingleInstance::asking, [] { Print("asking"); });
    QObject::connect(&copy, &SingleInstance::activationRequested, [] { Print("asked"); });
    switch (copy.Claim()) {
    case SingleInstance::Start::First:
        break;
    case SingleInstance::Start::HandedOver:
        Print("handed over");
        return 0;
    case SingleInstance::Start::NoAnswer:
        Print("no answer");
        return 1;
    }
    if (start == "slow-start") {
        Print("starting");
        HoldUntilToldToGoOn();
    }
    QtSettingsStore store(settings);
    ClockRandomSource random;
    QtMessageBoxService boxes;
    PlatformHelpViewer help;
    frmMain window({ store, random, boxes, help, PAIRFALL_SOURCE_DIR, "" });
    QWidget front;
    QTimer::singleShot(0, &window, [&] { Drive(window, argv[1], front); });
    return RunMainWindow(window, copy, settings);
}
