#include "ContractText.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

namespace orvane {
namespace sdk {
namespace hostconformance {

std::string hostClassName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                          std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

std::string contractText(const std::string& hostClass, const std::string& expected, const std::string& change)
{
    return hostClass + ": expected " + expected + ".\n  Change: " + change;
}

std::string listText(const std::vector<std::string>& entries)
{
    std::string text = "[";
    for (const std::string& entry : entries)
        text += (text.size() > 1 ? "; " : "") + entry;
    return text + "]";
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
