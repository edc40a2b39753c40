// The four render callbacks, as the engine calls them for every destination
// code, and the stack of page render deciders.
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/services/OffscreenImageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <cstdint>

namespace {

using namespace orvane::sdk::integration;
using orvane::test::TestGLContext;
namespace sim = orvane::sim;
typedef std::vector<TestGLContext::Call> Calls;

class RefusingDecider : public PageRenderDeciderInterface
{
public:
    bool shouldOpenGLBuffersBeSwapped(PageInterface&) const override { return false; }
};

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
    bool query(ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderQuery;
        return callback.callback(handle, callback.clientData) == TRUE;
    }
    bool destination(int code, ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderDest;
        return callback.callback(code, handle, callback.clientData) == TRUE;
    }
    void swap(ArbParam_t handle)
    {
        const auto callback = sim::callbacks().swapBuffers;
        callback.callback(handle, callback.clientData);
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

TEST_F(RenderDestinationTest, AFrameMakesTheContextCurrentReleasesItAndSwaps)
{
    addPage(&d1);
    EXPECT_TRUE(sim::drawCurrentPage());
    EXPECT_EQ((Calls{TestGLContext::Call_MakeCurrent, TestGLContext::Call_ReleaseCurrent,
                     TestGLContext::Call_SwapBuffers}),
              d1.context.calls);
    EXPECT_EQ(1, sim::findPage(1)->framesDrawn);
}

TEST_F(RenderDestinationTest, TheRenderQueryAsksForAUsableDrawingArea)
{
    PageInterface& page = addPage(&d1);
    EXPECT_TRUE(query(page));
    d1.renderable = false;
    EXPECT_FALSE(query(page));
    d1.renderable = true;
    d1.valid = false;
    EXPECT_FALSE(query(page));
    d1.valid = true;
    EXPECT_FALSE(query(0));
}

TEST_F(RenderDestinationTest, ScreenDestinationAnswersWithTheContextsResults)
{
    PageInterface& page = addPage(&d1);
    EXPECT_FALSE(destination(0, page)); // nothing began yet
    EXPECT_TRUE(destination(1, page));
    d1.context.releaseCurrentSucceeds = false;
    EXPECT_FALSE(destination(0, page));
    EXPECT_FALSE(destination(0, page)); // a second end has nothing to end
    d1.context.makeCurrentSucceeds = false;
    EXPECT_FALSE(destination(1, page));
    EXPECT_EQ((Calls{TestGLContext::Call_MakeCurrent, TestGLContext::Call_ReleaseCurrent,
                     TestGLContext::Call_MakeCurrent}),
              d1.context.calls);
}

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

TEST_F(RenderDestinationTest, DestinationsWithoutAContextAndUnknownCodes)
{
    PageInterface& page = addPage(&d1);
    EXPECT_TRUE(destination(3, 0));
    EXPECT_TRUE(destination(0, 0));
    EXPECT_FALSE(destination(7, page));
    EXPECT_FALSE(destination(0, page)); // the unknown code was the last one
    EXPECT_FALSE(destination(-1, page));
    EXPECT_TRUE(d1.context.calls.empty());
}

TEST_F(RenderDestinationTest, TheEngineNeverGetsAnEmptyExtent)
{
    PageInterface& page = addPage(&d1);
    d1.width = 0;
    d1.height = 0;
    EXPECT_EQ(std::make_pair(1, 1), size(page));
    d1.width = -5;
    d1.height = 20;
    EXPECT_EQ(std::make_pair(1, 20), size(page));
}

TEST_F(RenderDestinationTest, APageWithoutDrawingAreaIsNeverDrawnToTheScreen)
{
    PageInterface& page = addPage(nullptr);
    EXPECT_FALSE(query(page));
    EXPECT_EQ(std::make_pair(800, 600), size(page));
    EXPECT_FALSE(destination(1, page));
    EXPECT_FALSE(destination(0, page));
    swap(page); // nothing to swap, and no crash
    EXPECT_FALSE(sim::drawCurrentPage());
}

TEST_F(RenderDestinationTest, TheTopDeciderDecidesTheSwap)
{
    addPage(&d1);
    manager->pushPageRenderDecider(boost::make_shared<RefusingDecider>());
    sim::drawCurrentPage();
    EXPECT_EQ(0, d1.context.count(TestGLContext::Call_SwapBuffers));
    manager->popPageRenderDecider();
    sim::drawCurrentPage();
    EXPECT_EQ(1, d1.context.count(TestGLContext::Call_SwapBuffers));

    // With even the default decider popped, pictures are still shown.
    manager->popPageRenderDecider();
    manager->popPageRenderDecider();
    sim::drawCurrentPage();
    EXPECT_EQ(2, d1.context.count(TestGLContext::Call_SwapBuffers));
}

} // namespace
