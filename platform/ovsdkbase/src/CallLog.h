// Appends one C API call to the engine's call log, with its arguments as
// text and the application lock it ran under. Every C API function calls it
// first; the engine's internal steps never do.
#ifndef OVSDKBASE_CALLLOG_H
#define OVSDKBASE_CALLLOG_H

#include "EngineState.h"

#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

namespace orvane {
namespace sim {
namespace detail {

inline std::string argumentText(const char* text) { return text != nullptr ? text : "(null)"; }
inline std::string argumentText(char* text) { return argumentText(static_cast<const char*>(text)); }

// A string list as its items in braces: "{-b, data.lay}".
inline std::string argumentText(StringList_pa list)
{
    if (list == nullptr)
        return "(null)";
    std::string text = "{";
    for (std::size_t index = 0; index < list->items.size(); ++index)
        text += (index > 0 ? ", " : "") + list->items[index];
    return text + "}";
}

// Integers, Boolean_t and enumerations in decimal, doubles with the stream's
// defaults.
template <typename T>
std::string argumentText(T value)
{
    static_assert(std::is_arithmetic<T>::value || std::is_enum<T>::value, "no text form for this argument");
    if constexpr (std::is_floating_point<T>::value)
    {
        std::ostringstream stream;
        stream << value;
        return stream.str();
    }
    else
    {
        return std::to_string(static_cast<long long>(value));
    }
}

// Appends the call with arguments already in text form.
void logCallWithTexts(const char* name, std::vector<std::string> arguments);

template <typename... Args>
void logCall(const char* name, const Args&... args)
{
    std::vector<std::string> arguments;
    arguments.reserve(sizeof...(args));
    (arguments.push_back(argumentText(args)), ...);
    logCallWithTexts(name, std::move(arguments));
}

} // namespace detail
} // namespace sim
} // namespace orvane

#endif // OVSDKBASE_CALLLOG_H
