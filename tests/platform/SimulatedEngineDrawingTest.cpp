// The engine's OpenGL drawing without OpenGL: what happens when the host's
// getProcAddress cannot give a function, and when drawing is off. Real
// pictures are checked by the Qt host kit's tests.
#include "EngineTrace.h"

namespace sim = orvane::sim;
using namespace enginetest;

namespace {

std::vector<std::string> asked;

void* knowsNothing(const char* name)
{
    asked.push_back(name);
    return nullptr;
}

class SimulatedEngineDrawingTest : public EngineTest
{
};

TEST_F(SimulatedEngineDrawingTest, AMissingFunctionDrawsNothingAndIsRecorded)
{
    asked.clear();
    OrvEngPageCreateNew(11, nullptr);
    sim::enableOpenGLDrawing(knowsNothing);
    EXPECT_TRUE(sim::drawCurrentPage()); // the frame goes on without a picture
    EXPECT_EQ(std::vector<std::string>{"glViewport"}, asked);
    EXPECT_EQ(std::vector<std::string>{"OpenGL drawing: no glViewport"}, sim::misuses());

    sim::disableOpenGLDrawing();
    EXPECT_TRUE(sim::drawCurrentPage());
    EXPECT_EQ(1u, asked.size());

    sim::enableOpenGLDrawing(nullptr); // the same as disabling
    EXPECT_TRUE(sim::drawCurrentPage());
    EXPECT_EQ(1u, asked.size());
}

} // namespace
