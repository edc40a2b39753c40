// A host shows engine pages in its drawing areas: pages the host creates,
// pages the engine asks for, and the frames the engine draws into them.
#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/RunningHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace sim = orvane::sim;
using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;
using orvane::test::TestGLContext;

namespace {

// The host's page list, kept in step with the library.
class HostPageList : public PageManagerListenerInterface
{
public:
    std::vector<std::string> heard;
    void pageCreated(PageInterface& page, PageManagerInterface&) override { heard.push_back("created " + name(page)); }
    void pageDestroyed(PageInterface& page, PageManagerInterface&) override
    {
        heard.push_back("destroyed " + name(page));
    }
    void currentPageChanged(PageInterface&, PageManagerInterface& manager) override
    {
        heard.push_back("current " + name(*manager.getCurrentPage()));
    }

private:
    static std::string name(PageInterface& page) { return page.getDrawArea() != nullptr ? "shown" : "hidden"; }
};

// The host opens a window for each page the engine asks for.
class HostWindowFactory : public GLDrawAreaFactoryInterface
{
public:
    std::vector<std::unique_ptr<TestDrawArea>> windows;
    GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList&) override
    {
        windows.emplace_back(new TestDrawArea());
        return windows.back().get();
    }
};

class PagesAndFramesScenarioTest : public orvane::test::RunningHost
{
protected:
    HostPageList pageList;
};

} // namespace

TEST_F(PagesAndFramesScenarioTest, APageCreatedByTheHostIsTheEnginesNewCurrentPage)
{
    pages().addListener(&pageList);
    std::vector<std::string> signalled;
    pages().connectPageCreated([&](PageInterface&) { signalled.push_back("signalPageCreated"); });

    PageInterface& page = pages().addPage(&areaA);

    EXPECT_EQ(std::vector<std::string>({"created shown", "current shown"}), pageList.heard);
    EXPECT_EQ(1u, signalled.size());
    EXPECT_EQ(1u, areaA.pageManagers.size());
    ASSERT_EQ(1u, sim::pages().size());
    EXPECT_EQ(static_cast<long long>(page), sim::pages()[0].clientHandle);
    EXPECT_EQ(sim::pages()[0].id, page.getUniqueID());
    EXPECT_EQ(&page, pages().getCurrentPage());
    // Its drawing area's input now goes to the engine's work area.
    EXPECT_FALSE(areaA.mouseListeners.empty());
    EXPECT_FALSE(areaA.keyListeners.empty());
    pages().removeListener(&pageList);
}

TEST_F(PagesAndFramesScenarioTest, APageTheEngineAsksForGetsAWindowFromTheHostsFactory)
{
    HostWindowFactory factory;
    pages().setGLDrawAreaFactory(factory);
    ASSERT_TRUE(sim::requestPage({"layout.lay"}));
    ASSERT_EQ(1u, factory.windows.size());
    PageInterface* page = pages().getCurrentPage();
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(factory.windows[0].get(), page->getDrawArea());

    factory.windows[0]->simulateKeyPress(43); // '+' zooms in
    reportIdle();
    EXPECT_DOUBLE_EQ(1.25, sim::findPage(page->getUniqueID())->view.zoom);
    host->stop(); // while the host's windows still exist
}

TEST_F(PagesAndFramesScenarioTest, AFrameIsDrawnIntoTheCurrentPagesDrawingArea)
{
    PageInterface& page = pages().addPage(&areaA);
    ASSERT_TRUE(sim::drawCurrentPage());
    EXPECT_EQ(std::vector<TestGLContext::Call>(
                  {TestGLContext::Call_MakeCurrent, TestGLContext::Call_ReleaseCurrent, TestGLContext::Call_SwapBuffers}),
              areaA.context.calls);
    EXPECT_EQ(1, sim::findPage(page.getUniqueID())->framesDrawn);

    // A drawing area that cannot render now is skipped.
    areaA.renderable = false;
    EXPECT_FALSE(sim::drawCurrentPage());
    EXPECT_EQ(3u, areaA.context.calls.size());
}
