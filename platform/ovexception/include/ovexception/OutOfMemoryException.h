#ifndef OVEXCEPTION_OUTOFMEMORYEXCEPTION_H
#define OVEXCEPTION_OUTOFMEMORYEXCEPTION_H

#include "ovexception/ExceptionBase.h"

namespace orvane {

// Thrown when memory or an engine resource could not be obtained.
class OVEXCEPTION_EXPORT OutOfMemoryException : public ExceptionBase
{
public:
    explicit OutOfMemoryException(std::string message);
    OutOfMemoryException(const OutOfMemoryException& other);
    ~OutOfMemoryException() noexcept override;
};

} // namespace orvane

#endif // OVEXCEPTION_OUTOFMEMORYEXCEPTION_H
