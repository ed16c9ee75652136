// How long a click on a place takes to show its card: from the mouse press
// to the end of the place's next paint, for deals onto eleven places, round
// after round (a new game between them; a full table might end the game).  Prints the median and the
// quartiles in microseconds.
//   bench_click_paint [ROUNDS]        (default 40; run with QT_QPA_PLATFORM=offscreen or under X)
#include "game/RandomSource.h"
#include "settings/QtSettingsStore.h"
#include "ui/HelpCommands.h"
#include "ui/SlotPicture.h"
#include "ui/Table.h"
#include "ui/frmMain.h"
#include "widgets/MessageBoxService.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when the watched place is painted.
class PaintWatch final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    QTemporaryDir settings;
    pairfall::QtSettingsStore store(pairfall::SettingsLocation::IniFile(settings.filePath(QStringLiteral("bench.ini"))));
    pairfall::ClockRandomSource random;
    pairfall::QtMessageBoxService boxes; // eleven deals never end a game
    pairfall::PlatformHelpViewer help;
    pairfall::frmMain window({ store, random, boxes, help, PAIRFALL_PROGRAM_FOLDER, "" });
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    std::vector<qint64> times;
    PaintWatch watch;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < pairfall::SlotCount - 1; ++i) {
            pairfall::SlotPicture* slot = window.TableArea().Slot(i);
            slot->installEventFilter(&watch);
            watch.painted = false;
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(slot, Qt::LeftButton, {}, QPoint(30, 40));
            while (!watch.painted)
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            times.push_back(timer.nsecsElapsed() / 1000);
            slot->removeEventFilter(&watch);
        }
        window.mnuFileNew_Click();
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) { return times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))]; };
    std::printf("click to paint over %zu clicks: median %lld us (quartiles %lld, %lld us)\n", times.size(), static_cast<long long>(at(0.5)),
        static_cast<long long>(at(0.25)), static_cast<long long>(at(0.75)));
    return 0;
}
