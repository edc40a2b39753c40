// Texts of the suite's failures: the host class, what the library expected
// of it, and what to change.
#ifndef OVSDKHOSTCONFORMANCE_CONTRACTTEXT_H
#define OVSDKHOSTCONFORMANCE_CONTRACTTEXT_H

#include <string>
#include <typeinfo>
#include <vector>

namespace orvane {
namespace sdk {
namespace hostconformance {

// The demangled name of a dynamic type, such as "orvane::sdk::qthost::QtGLDrawArea".
std::string hostClassName(const std::type_info& type);

template <typename T>
std::string hostClassOf(const T& object)
{
    return hostClassName(typeid(object));
}

// "<hostClass>: expected <expected>.\n  Change: <change>"
std::string contractText(const std::string& hostClass, const std::string& expected, const std::string& change);

// The entries as a readable list: "[a; b; c]".
std::string listText(const std::vector<std::string>& entries);

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_CONTRACTTEXT_H
