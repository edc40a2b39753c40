#include "ovexception/ExceptionBase.h"

namespace orvane {

ExceptionBase::ExceptionBase(const std::string& message, bool isFatal) : m_message(message), m_isFatal(isFatal) {}

ExceptionBase::ExceptionBase(const ExceptionBase& other)
    : std::exception(other), m_message(other.m_message), m_isFatal(other.m_isFatal)
{
}

ExceptionBase& ExceptionBase::operator=(const ExceptionBase& other)
{
    m_message = other.m_message;
    m_isFatal = other.m_isFatal;
    return *this;
}

ExceptionBase::~ExceptionBase() noexcept = default;

const char* ExceptionBase::what() const noexcept { return m_message.c_str(); }

std::string ExceptionBase::getMessage() const { return m_message; }

bool ExceptionBase::isFatal() const { return m_isFatal; }

} // namespace orvane
