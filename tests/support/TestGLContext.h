#ifndef ORVANE_TESTS_SUPPORT_TESTGLCONTEXT_H
#define ORVANE_TESTS_SUPPORT_TESTGLCONTEXT_H

#include "integration/GLContextInterface.h"

#include <algorithm>
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

    // What the context answers.
    bool makeCurrentSucceeds = true;
    bool releaseCurrentSucceeds = true;

    // What it was asked, in order.
    std::vector<Call> calls;

    int count(Call call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

    void swapBuffers() override { calls.push_back(Call_SwapBuffers); }
    bool makeCurrent() override
    {
        calls.push_back(Call_MakeCurrent);
        return makeCurrentSucceeds;
    }
    bool releaseCurrent() override
    {
        calls.push_back(Call_ReleaseCurrent);
        return releaseCurrentSucceeds;
    }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTGLCONTEXT_H
