// The render callbacks as the engine calls them (the randomized boundary
// session checks frames, swaps, deciders and whether an area may draw).
#include "integration/PageInterface.h"
#include "integration/services/OffscreenImageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;
using orvane::test::TestGLContext;
namespace sim = orvane::sim;
typedef std::vector<TestGLContext::Call> Calls;

class TestImage : public services::OffscreenImageInterface
{
public:
    TestGLContext context;
    bool render(ExportRegion_e) override { return true; }
    GLContextInterface& getGLContext() override { return context; }
};

class RenderDestinationTest : public orvane::test::PageManagerFixture
{
protected:
    bool destination(int code, ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderDest;
        return callback.callback(code, handle, callback.clientData) == TRUE;
    }
    std::pair<int, int> size(ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderDestSize;
        int width = -1;
        int height = -1;
        callback.callback(handle, callback.clientData, &width, &height);
        return {width, height};
    }
    static ArbParam_t handleOf(services::OffscreenImageInterface& image)
    {
        return static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(&image));
    }
};

TEST_F(RenderDestinationTest, OffscreenImagesUseTheirOwnContext)
{
    addPage(&d1);
    TestImage image;
    EXPECT_TRUE(destination(2, handleOf(image)));
    EXPECT_TRUE(destination(0, handleOf(image)));
    EXPECT_EQ((Calls{TestGLContext::Call_MakeCurrent, TestGLContext::Call_ReleaseCurrent}), image.context.calls);
    EXPECT_TRUE(d1.context.calls.empty());
    EXPECT_FALSE(destination(2, 0));
}

// The size is the page's own while its drawing area is not valid.
TEST_F(RenderDestinationTest, SizeFollowsTheDrawingArea)
{
    PageInterface& page = addPage(&d1);
    d1.valid = false;
    EXPECT_EQ(std::make_pair(800, 600), size(page));
}

} // namespace
