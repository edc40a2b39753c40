#ifndef ORVANE_UTIL_FIRSTEXCEPTION_H
#define ORVANE_UTIL_FIRSTEXCEPTION_H

#include <exception>

namespace orvane {
namespace sdk {
namespace util {

// Runs host code one call after another and keeps the first exception any
// of them throws, so that every listener and slot hears of a change before
// that exception passes on.
class FirstException
{
public:
    template <typename Call>
    // Calls `call`, keeping its exception if it is the first one.
    void run(Call&& call)
    {
        try
        {
            call();
        }
        catch (...)
        {
            if (!m_first)
                m_first = std::current_exception();
        }
    }

    // Keeps `exception` unless an earlier one is kept.
    void add(const std::exception_ptr& exception)
    {
        if (!m_first)
            m_first = exception;
    }

    // Whether an exception is kept.
    explicit operator bool() const { return static_cast<bool>(m_first); }
    // The kept exception, or null.
    std::exception_ptr get() const { return m_first; }
    // Throws the kept exception; does nothing when none is kept.
    void rethrow() const
    {
        if (m_first)
            std::rethrow_exception(m_first);
    }

private:
    std::exception_ptr m_first;
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_FIRSTEXCEPTION_H
