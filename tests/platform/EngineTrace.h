// What the simulated engine's tests share: a trace that small C callbacks
// write to, and a fixture that starts every test from a fresh engine.
#ifndef TESTS_PLATFORM_ENGINETRACE_H
#define TESTS_PLATFORM_ENGINETRACE_H

#include "ovsdkbase.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace enginetest {

inline std::vector<std::string>& trace()
{
    static std::vector<std::string> lines;
    return lines;
}

inline void record(const std::string& line) { trace().push_back(line); }

inline void recordNewCurrent(ArbParam_t page, ArbParam_t) { record("new-current " + std::to_string(page)); }
inline void recordDestroy(ArbParam_t page, ArbParam_t) { record("destroy " + std::to_string(page)); }
inline void recordStateChange(int code, ArbParam_t) { record("state " + std::to_string(code)); }
inline void recordBusyEvents(ArbParam_t) { record("busy-events"); }

class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        orvane::sim::reset();
        trace().clear();
    }
    void TearDown() override
    {
        for (const Registration& registration : registrations())
            OrvUtilStateChangeRemoveCallback(registration.callback, registration.clientData);
        registrations().clear();
        orvane::sim::reset();
    }

    // State-change callbacks outlive reset(): each test's own are removed
    // when it ends.
    static Boolean_t addStateChangeCallback(StateChangeCallback_pf callback, ArbParam_t clientData)
    {
        registrations().push_back({callback, clientData});
        return OrvUtilStateChangeAddCallback(callback, clientData);
    }

    // Registers the page callbacks and a state-change callback that trace.
    static void tracePages()
    {
        OrvEngPageNewCurrentRegisterCallback(recordNewCurrent, 0);
        OrvEngPageDestroyRegisterCallback(recordDestroy, 0);
        addStateChangeCallback(recordStateChange, 0);
    }

private:
    struct Registration
    {
        StateChangeCallback_pf callback;
        ArbParam_t clientData;
    };
    static std::vector<Registration>& registrations()
    {
        static std::vector<Registration> list;
        return list;
    }
};

using Lines = std::vector<std::string>;

} // namespace enginetest

#endif // TESTS_PLATFORM_ENGINETRACE_H
