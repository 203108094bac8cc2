#pragma once
// An environment variable set, or unset, for one scope: given back its former
// value when the scope ends, however the test leaves it, so that it never
// reaches the next test.
#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace tarvek::testing
{

class ScopedVariable
{
public:
    // std::nullopt unsets the variable.
    ScopedVariable(const char *name, const std::optional<QByteArray> &value)
        : m_name(name), m_former(read(name))
    {
        write(m_name, value);
    }
    ~ScopedVariable() { write(m_name, m_former); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    static std::optional<QByteArray> read(const char *name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    static void write(const char *name, const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    const char *m_name;
    std::optional<QByteArray> m_former;
};

} // namespace tarvek::testing
