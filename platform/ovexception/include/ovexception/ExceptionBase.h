#ifndef OVEXCEPTION_EXCEPTIONBASE_H
#define OVEXCEPTION_EXCEPTIONBASE_H

#include "ovexception/Export.h"

#include <exception>
#include <string>

namespace orvane {

// Base of the SDK's exceptions: a message and whether the failure is fatal
// to the operation that raised it.
class OVEXCEPTION_EXPORT ExceptionBase : public std::exception
{
public:
    explicit ExceptionBase(const std::string& message, bool isFatal = false);
    ExceptionBase(const ExceptionBase& other);
    ExceptionBase& operator=(const ExceptionBase& other);
    ~ExceptionBase() noexcept override;

    // The message text.
    const char* what() const noexcept override;
    virtual std::string getMessage() const;
    bool isFatal() const;

private:
    std::string m_message;
    bool m_isFatal;
};

} // namespace orvane

#endif // OVEXCEPTION_EXCEPTIONBASE_H
