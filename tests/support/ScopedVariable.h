#pragma once
// An environment variable set for one scope: unset again when the scope ends,
// however the test leaves it, so that it never reaches the next test.
#include <QByteArray>
#include <QtGlobal>

namespace tarvek::testing
{

class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value) : m_name(name)
    {
        qputenv(m_name, value);
    }
    ~ScopedVariable() { qunsetenv(m_name); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
};

} // namespace tarvek::testing
