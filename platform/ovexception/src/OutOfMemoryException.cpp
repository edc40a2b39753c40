#include "ovexception/OutOfMemoryException.h"

#include <utility>

namespace orvane {

OutOfMemoryException::OutOfMemoryException(std::string message) : ExceptionBase(std::move(message), false) {}

OutOfMemoryException::OutOfMemoryException(const OutOfMemoryException& other) : ExceptionBase(other) {}

OutOfMemoryException::~OutOfMemoryException() noexcept = default;

} // namespace orvane
