#include "support/PageManagerFixture.h"

#include "integration/PageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

namespace orvane {
namespace test {

using namespace sdk::integration;

PageManagerFixture::PageManagerFixture() : recorder(log, "listener")
{
    recorder.areaNames = {{&d1, "D1"}, {&d2, "D2"}, {&d3, "D3"}};
}

void PageManagerFixture::SetUp()
{
    sim::reset();
    manager.reset(new intern::PageManager(host));
    static_cast<intern::SubManagerInterface&>(*manager).registerCallbacks();
}

void PageManagerFixture::TearDown()
{
    OrvEngFinalizeShutdown();
    manager.reset();
    sdk::ui::common::processIdleActions();
}

PageInterface& PageManagerFixture::addPage(TestDrawArea* drawArea) { return manager->addPage(drawArea); }

PageInterface* PageManagerFixture::pageWithId(long long uniqueId)
{
    for (PageIterator pages = manager->getPageIterator(); pages.hasNext();)
    {
        PageInterface& page = pages.next();
        if (page.getUniqueID() == uniqueId)
            return &page;
    }
    return nullptr;
}

std::string PageManagerFixture::walk(PageIterator pages)
{
    std::string ids;
    while (pages.hasNext())
        ids += (ids.empty() ? "" : " ") + pageLabel(pages.next());
    return ids;
}

namespace {

::testing::AssertionResult checkLocks(const std::string& name, int depth, int value)
{
    const std::vector<sim::EngineCall> calls = sim::callsNamed(name);
    if (calls.empty())
        return ::testing::AssertionFailure() << name << " was not called";
    for (const sim::EngineCall& call : calls)
    {
        if (call.lockDepth != depth || call.lockValue != value)
            return ::testing::AssertionFailure() << call.text() << " ran at lock depth " << call.lockDepth
                                                 << " with value " << call.lockValue;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

::testing::AssertionResult ranUnderAppLock(const std::string& name, int value) { return checkLocks(name, 1, value); }

::testing::AssertionResult ranOutsideAppLock(const std::string& name) { return checkLocks(name, 0, -1); }

} // namespace test
} // namespace orvane
