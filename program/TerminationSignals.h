#pragma once

#include <QObject>

namespace pairfall {

// SIGTERM, SIGINT and SIGHUP, which would end the program on the spot,
// become a request that the event loop hands on: the handler itself only
// writes a byte into a pipe the loop watches.  A signal the program was
// started with ignored (nohup, a background job) stays ignored.  Only one
// may exist at a time; where there are no such signals it never fires.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    TerminationSignals();
    // The signals end the program on the spot again.
    ~TerminationSignals() override;

    // Whether one of the signals has reached the event loop.
    bool Received() const { return m_received; }

signals:
    void received();

private:
    void Drain();

    int m_readEnd = -1;
    int m_writeEnd = -1;
    bool m_received = false;
};

}
