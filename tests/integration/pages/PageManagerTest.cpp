// The page manager against the simulated engine: creation from both sides,
// announcements, current-page changes, deferral while busy, deletion.
#include "integration/PageInterface.h"
#include "ovexception/OutOfMemoryException.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk::integration;
using orvane::test::PageRecorder;
using orvane::test::ranUnderAppLock;
using orvane::test::TestDrawArea;
namespace sim = orvane::sim;
typedef std::vector<std::string> Lines;

class PageManagerTest : public orvane::test::PageManagerFixture
{
protected:
    void SetUp() override
    {
        PageManagerFixture::SetUp();
        manager->addListener(&recorder);
        recorder.recordSignals(*manager);
    }
    void TearDown() override
    {
        manager->removeListener(&recorder);
        PageManagerFixture::TearDown();
    }
};

TEST_F(PageManagerTest, AddPageAnnouncesCreationThenTheCurrentChangeListenersFirst)
{
    PageInterface& first = manager->addPage(&d1);
    EXPECT_EQ((Lines{"listener created #1", "signal created #1", "listener current #1 was #1", "signal current #1"}),
              log);
    sim::deliverPendingCallbacks(); // (an engine that reports the new page later announces it again)
    EXPECT_EQ(1, manager->pageCount());
    EXPECT_EQ(&first, manager->getCurrentPage());
    EXPECT_TRUE(ranUnderAppLock("OrvEngPageCreateNew", 0));
    EXPECT_EQ(&d1, first.getDrawArea());
    // The drawing area heard of the manager before the page existed.
    EXPECT_EQ(1u, d1.pageManagers.size());

    log.clear();
    PageInterface& second = manager->addPage(&d2);
    // The current-page change carries the page that was current before.
    EXPECT_EQ((Lines{"listener created #2", "signal created #2", "listener current #2 was #1", "signal current #1"}),
              log);
    EXPECT_EQ(&second, manager->getCurrentPage());
    EXPECT_EQ(2, manager->pageCount());
}

TEST_F(PageManagerTest, RefusedCreationThrowsAndLeavesNothingBehind)
{
    PageInterface& first = addPage(&d1);
    log.clear();
    sim::setPageCreateResult(false);
    try
    {
        addPage(&d2);
        FAIL() << "no exception";
    }
    catch (const orvane::OutOfMemoryException& failure)
    {
        EXPECT_EQ("Failed to allocate memory for the new page.", failure.getMessage());
    }
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(1, manager->pageCount());
    EXPECT_EQ(&first, manager->getCurrentPage());
    EXPECT_TRUE(d2.stateListeners.empty()); // the abandoned page let go of its drawing area
    EXPECT_EQ("#1", walk(manager->getPageIterator()));

    // The manager is usable afterwards: creation is not stuck.
    sim::setPageCreateResult(true);
    PageInterface& second = addPage(&d2);
    manager->setCurrentPage(first);
    EXPECT_EQ(&first, manager->getCurrentPage());
    EXPECT_NE(&first, &second);
}

TEST_F(PageManagerTest, PagesOfAnotherManagerAreRefused)
{
    orvane::sdk::integration::intern::PageManager otherManager(host);
    PageInterface& page = addPage(&d1);
    EXPECT_THROW(otherManager.setCurrentPage(page), orvane::ExceptionBase);
    try
    {
        otherManager.deletePage(page);
        FAIL() << "no exception";
    }
    catch (const orvane::ExceptionBase& failure)
    {
        EXPECT_EQ("The page passed to setCurrentPage() does not match any of the managed pages; see addPage().",
                  failure.getMessage());
    }
    EXPECT_EQ(0u, sim::countCalls("OrvUtilPageDelete"));
}

// Once the manager stopped, its event manager is neither there nor asked.
TEST_F(PageManagerTest, OnceStoppedTheEngineCountsAsIdle)
{
    PageInterface& first = addPage(&d1);
    addPage(&d2);
    host.hasEventManager = false;
    manager->stopped();
    manager->setCurrentPage(first);
    EXPECT_EQ(&first, manager->getCurrentPage());
}

} // namespace
