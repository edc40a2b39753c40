#include "support/TestGLContext.h"

#include <algorithm>

namespace orvane {
namespace test {

int TestGLContext::count(Call call) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void TestGLContext::swapBuffers()
{
    calls.push_back(Call_SwapBuffers);
}

bool TestGLContext::makeCurrent()
{
    calls.push_back(Call_MakeCurrent);
    return makeCurrentSucceeds;
}

bool TestGLContext::releaseCurrent()
{
    calls.push_back(Call_ReleaseCurrent);
    return releaseCurrentSucceeds;
}

} // namespace test
} // namespace orvane
