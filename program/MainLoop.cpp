#include "program/MainLoop.h"

#include "program/SingleInstance.h"
#include "program/TerminationSignals.h"
#include "settings/SettingsLocation.h"
#include "ui/frmMain.h"
#include "widgets/ErrorBoundary.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_WIN
#include "platform/WindowMessages.h"

#include <QAbstractNativeEventFilter>
#endif

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

#ifdef Q_OS_WIN

// WM_CLOSE to the main window, as taskkill without /F sends it.  Qt drops it
// while a box blocks the window (during a play-again question, say), so it
// takes the way of the signals on Unix instead: the box first, then Exit.
class CloseRequests final : public QAbstractNativeEventFilter {
public:
    explicit CloseRequests(frmMain& window)
        : m_window(window)
    {
        qApp->installNativeEventFilter(this);
    }
    ~CloseRequests() override { qApp->removeNativeEventFilter(this); }
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "windows_generic_MSG" || !IsCloseRequest(message, static_cast<std::uintptr_t>(m_window.internalWinId())))
            return false;
        End(m_window);
        return true;
    }

private:
    frmMain& m_window;
};

#endif

}

int RunMainWindow(frmMain& window, SingleInstance& copy, const SettingsLocation& settings)
{
    TerminationSignals ending;
    QObject::connect(&ending, &TerminationSignals::received, &window, [&window] { End(window); });
#ifdef Q_OS_WIN
    CloseRequests closing(window);
#endif
    // Later starts wait for the lock from the moment the shutdown begins,
    // rather than be handed over to a window that is going.
    QObject::connect(&window, &frmMain::unloadBegins, &copy, &SingleInstance::StopAnswering);
    // The end of the session: on X11 Qt closes the windows itself; on Windows
    // it only announces the quit, inside WM_ENDSESSION, and the system ends
    // the process as soon as that returns.  No box may hold the logoff up (a
    // failure goes to the log beside the settings instead), and the lock
    // must not outlive the process.  On every other way out the
    // window is closed by now and this gives the lock up.
    const QString log = settings.FileBeside(QStringLiteral(".log"));
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, [&window, &copy, log] {
        {
            const ErrorBoundary::WithoutBoxes intoTheLog(log);
            window.close();
        }
        copy.Release();
    });
    QObject::connect(&copy, &SingleInstance::activationRequested, &window, [&window] { BringToFront(window); });

    window.Form_Load();
    // A signal that came while a start-up report waited: nothing is shown.
    if (ending.Received()) {
        window.close();
        copy.Release();
        return 0;
    }
    window.show();
    const int status = QApplication::exec();
    copy.Release();
    return status;
}

}
