#ifndef ORVANE_TESTS_SUPPORT_TESTGLCONTEXT_H
#define ORVANE_TESTS_SUPPORT_TESTGLCONTEXT_H

#include "integration/GLContextInterface.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace orvane {
namespace test {

// An OpenGL context that draws nothing: it answers as told and records the
// calls it gets, in order.
class TestGLContext : public virtual sdk::integration::GLContextInterface
{
public:
    enum Call
    {
        Call_MakeCurrent,
        Call_ReleaseCurrent,
        Call_SwapBuffers
    };

    // What the context answers; with `throws`, each call throws a
    // std::runtime_error after it is recorded.
    bool makeCurrentSucceeds = true;
    bool releaseCurrentSucceeds = true;
    bool throws = false;

    // What it was asked, in order.
    std::vector<Call> calls;

    int count(Call call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

    void swapBuffers() override { record(Call_SwapBuffers); }
    bool makeCurrent() override
    {
        record(Call_MakeCurrent);
        return makeCurrentSucceeds;
    }
    bool releaseCurrent() override
    {
        record(Call_ReleaseCurrent);
        return releaseCurrentSucceeds;
    }

private:
    void record(Call call)
    {
        calls.push_back(call);
        if (throws)
            throw std::runtime_error("context call failed");
    }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTGLCONTEXT_H
