#include "PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tarvek::testing
{

PtyPair::PtyPair()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    m_device = QString::fromLocal8Bit(name);
    m_reader = std::thread([this] { readLoop(); });
}

PtyPair::~PtyPair()
{
    stopReader();
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

void PtyPair::readLoop()
{
    char buffer[512];
    while (!m_stop.load()) {
        pollfd pfd{m_master, POLLIN, 0};
        if (::poll(&pfd, 1, 5) <= 0 || !(pfd.revents & POLLIN))
            continue;
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        const Clock::time_point now = Clock::now();
        if (n <= 0)
            continue;
        const std::lock_guard lock(m_mutex);
        m_received.append(buffer, n);
        m_arrivals.insert(m_arrivals.end(), size_t(n), now);
    }
}

void PtyPair::stopReader()
{
    m_stop.store(true);
    if (m_reader.joinable())
        m_reader.join();
}

QByteArray PtyPair::received() const
{
    const std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<Clock::time_point> PtyPair::arrivals() const
{
    const std::lock_guard lock(m_mutex);
    return m_arrivals;
}

bool PtyPair::waitFor(int count, std::chrono::milliseconds timeout) const
{
    const Clock::time_point end = Clock::now() + timeout;
    while (received().size() < count) {
        if (Clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void PtyPair::hangUp()
{
    stopReader();
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

double MillisBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace tarvek::testing
