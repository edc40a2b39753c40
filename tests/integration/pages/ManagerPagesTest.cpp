// The page manager as the integration manager owns it: there from
// construction, its callbacks registered by init, its pages gone after stop.
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/TestDrawArea.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk::integration;
namespace sim = orvane::sim;

class HostManager : public orvane::test::TestHostManager
{
};

TEST(ManagerPagesTest, PagesLiveFromInitToStop)
{
    sim::reset();
    orvane::test::TestDrawArea drawArea;
    HostManager manager;
    PageManagerInterface& pages = manager.getPageManager();
    EXPECT_FALSE(sim::callbacks().pageCreate); // nothing registered before init

    char program[] = "host";
    char* argv[] = {program};
    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, manager.init(1, argv, "/opt/engine"));
    const sim::Callbacks& callbacks = sim::callbacks();
    EXPECT_TRUE(callbacks.pageCreate && callbacks.pageDestroy && callbacks.pageNewCurrent);
    EXPECT_TRUE(callbacks.renderQuery && callbacks.renderDest && callbacks.swapBuffers && callbacks.renderDestSize);

    pages.addPage(&drawArea);
    ASSERT_TRUE(sim::requestPage({}));   // the renderless factory: no drawing area
    EXPECT_EQ(nullptr, pages.getCurrentPage()->getDrawArea());
    EXPECT_EQ(2, pages.pageCount());

    manager.stop(); // the engine's shutdown deletes every page
    EXPECT_EQ(0, pages.pageCount());
    EXPECT_TRUE(drawArea.stateListeners.empty());
}

} // namespace
