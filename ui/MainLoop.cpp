#include "ui/MainLoop.h"

#include "ui/SingleInstance.h"
#include "ui/TerminationSignals.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

namespace pairfall {

namespace {

// Closes each box or dialog that waits for an answer as Escape closes it, so
// a play-again question counts as No.  True if there was one.
bool CloseModalWindows()
{
    QWidget* previous = nullptr;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == previous)
            break; // it would not close
        previous = modal;
        modal->close();
    }
    return previous != nullptr;
}

// Closes the main window as Exit does, but only once the code that asked a
// closed box has finished and a box it asked next is closed too, so that
// Form_Unload writes last.  Something that keeps a loop running without a
// box is not waited for long.
void End(frmMain& window, int waits = 0)
{
    const bool answered = CloseModalWindows();
    if ((answered || QThread::currentThread()->loopLevel() > 1) && waits < 100) {
        QTimer::singleShot(10, &window, [&window, waits] { End(window, waits + 1); });
        return;
    }
    window.close();
    QCoreApplication::exit(0);
}

void BringToFront(QWidget& window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

}

int RunMainWindow(frmMain& window, SingleInstance& copy)
{
    TerminationSignals ending;
    QObject::connect(&ending, &TerminationSignals::received, &window, [&window] { End(window); });
    // The end of the session: on X11 Qt closes the windows itself; on Windows
    // it only announces the quit before the system ends the process.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, &QWidget::close);
    QObject::connect(&copy, &SingleInstance::activationRequested, &window, [&window] { BringToFront(window); });

    window.Form_Load();
    // A signal that came while a start-up report waited: nothing is shown.
    if (ending.Received()) {
        window.close();
        return 0;
    }
    window.show();
    return QApplication::exec();
}

}
