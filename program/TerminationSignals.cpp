#include "program/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace pairfall {

#ifdef Q_OS_UNIX

namespace {

constexpr std::array<int, 3> Ending { SIGTERM, SIGINT, SIGHUP };
volatile sig_atomic_t g_writeEnd = -1;
std::array<struct sigaction, Ending.size()> g_previous {};
std::array<bool, Ending.size()> g_installed {};

// Runs between any two instructions of the program: write() is all it may do.
void Forward(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = saved;
}

}

TerminationSignals::TerminationSignals()
{
    int ends[2];
    // Without the pipe the signals keep their default and end the program at once.
    if (::pipe(ends) != 0)
        return;
    for (const int end : ends) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    g_writeEnd = m_writeEnd;
    auto* notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::Drain);

    struct sigaction action { };
    action.sa_handler = Forward;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t k = 0; k < Ending.size(); ++k) {
        struct sigaction current { };
        ::sigaction(Ending[k], nullptr, &current);
        if (current.sa_handler == SIG_IGN)
            continue;
        g_installed[k] = ::sigaction(Ending[k], &action, &g_previous[k]) == 0;
    }
}

TerminationSignals::~TerminationSignals()
{
    for (std::size_t k = 0; k < Ending.size(); ++k) {
        if (g_installed[k])
            ::sigaction(Ending[k], &g_previous[k], nullptr);
        g_installed[k] = false;
    }
    g_writeEnd = -1;
    if (m_readEnd >= 0) {
        ::close(m_readEnd);
        ::close(m_writeEnd);
    }
}

void TerminationSignals::Drain()
{
    char bytes[16];
    while (::read(m_readEnd, bytes, sizeof bytes) > 0) { }
    m_received = true;
    emit received();
}

#else

TerminationSignals::TerminationSignals() = default;
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::Drain() { }

#endif

}
