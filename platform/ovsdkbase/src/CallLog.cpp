#include "CallLog.h"

namespace orvane {
namespace sim {
namespace detail {

void logCallWithTexts(const char* name, std::vector<std::string> arguments)
{
    EngineState& state = engine();
    EngineCall call;
    call.name = name;
    call.args = std::move(arguments);
    call.lockDepth = static_cast<int>(state.appLockValues.size());
    call.lockValue = state.appLockValues.empty() ? -1 : state.appLockValues.back();
    state.calls.push_back(std::move(call));
}

} // namespace detail

std::string EngineCall::text() const
{
    std::string result = name + "(";
    for (std::size_t index = 0; index < args.size(); ++index)
    {
        if (index > 0)
            result += ", ";
        result += args[index];
    }
    return result + ")";
}

const std::vector<EngineCall>& calls() { return detail::engine().calls; }

void clearCalls() { detail::engine().calls.clear(); }

std::vector<std::string> callTexts(const std::string& prefix)
{
    std::vector<std::string> texts;
    for (const EngineCall& call : detail::engine().calls)
    {
        if (call.name.compare(0, prefix.size(), prefix) == 0)
            texts.push_back(call.text());
    }
    return texts;
}

std::vector<EngineCall> callsNamed(const std::string& name)
{
    std::vector<EngineCall> named;
    for (const EngineCall& call : detail::engine().calls)
    {
        if (call.name == name)
            named.push_back(call);
    }
    return named;
}

std::size_t countCalls(const std::string& name)
{
    std::size_t count = 0;
    for (const EngineCall& call : detail::engine().calls)
    {
        if (call.name == name)
            ++count;
    }
    return count;
}

const std::vector<std::string>& misuses() { return detail::engine().misuses; }

} // namespace sim
} // namespace orvane
