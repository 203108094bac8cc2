#pragma once
// A pseudo-terminal pair standing in for a serial cable: the program writes
// to the slave side (a real tty device, opened through the real serial
// code), and a reader thread takes everything that arrives on the master
// side with the time it arrived.
#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace tarvek::testing
{

using Clock = std::chrono::steady_clock;

class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    // The device path of the slave side, e.g. /dev/pts/3.
    QString device() const { return m_device; }

    // Everything received so far, and when each byte arrived.
    QByteArray received() const;
    std::vector<Clock::time_point> arrivals() const;

    // Waits until `count` bytes have arrived or `timeout` has passed.
    bool waitFor(int count, std::chrono::milliseconds timeout) const;

    // The far end goes away: the master side is closed, so the slave side
    // hangs up and further writes to it fail.
    void hangUp();

private:
    void readLoop();
    void stopReader();

    int m_master = -1;
    int m_slave = -1; // kept open so that the master never reads a hang-up early
    QString m_device;
    std::atomic<bool> m_stop{false};
    std::thread m_reader;
    mutable std::mutex m_mutex;
    QByteArray m_received;
    std::vector<Clock::time_point> m_arrivals;
};

// Milliseconds between two arrivals.
double MillisBetween(Clock::time_point from, Clock::time_point to);

} // namespace tarvek::testing
