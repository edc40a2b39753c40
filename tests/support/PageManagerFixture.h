#ifndef ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H
#define ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/intern/PageManager.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/PageRecorder.h"
#include "support/TestDrawArea.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace test {

// A freshly loaded simulated engine. With ORVANE_TEST_MINIMAL_ENGINE=1 (the
// second run of the page, lifecycle and render tests), it calls back only
// where it must: page callbacks that host calls cause come later, when
// the test delivers them (sim::deliverPendingCallbacks).
inline void freshEngine()
{
    sim::reset();
    const char* minimal = std::getenv("ORVANE_TEST_MINIMAL_ENGINE");
    sim::setMinimalCallbacks(minimal != nullptr && std::strcmp(minimal, "1") == 0);
}

// An event manager that only answers isBusy(), as told; the page manager
// asks it before switching pages.
class FakeEventManager : public virtual sdk::integration::EventManagerInterface
{
public:
    bool busy = false;

    bool isBusy() override { return busy; }
    void registerStopButton(const boost::shared_ptr<const sdk::integration::StopButtonInterface>&) override {}
    void unRegisterStopButton(const boost::shared_ptr<const sdk::integration::StopButtonInterface>&) override {}
    void addOnIdleListener(sdk::integration::OnIdleListenerInterface*) override {}
    void removeOnIdleListener(sdk::integration::OnIdleListenerInterface*) override {}
    void addMouseListener(sdk::integration::MouseEventListenerInterface*) override {}
    void removeMouseListener(sdk::integration::MouseEventListenerInterface*) override {}
    void addKeyboardListener(sdk::integration::KeyEventListenerInterface*) override {}
    void removeKeyboardListener(sdk::integration::KeyEventListenerInterface*) override {}
};

// The integration manager as a sub-manager sees it, never initialised: its
// event manager is a fake that is there while `hasEventManager` (as between
// init() and stop()).
class FakeHostManager : public TestHostManager
{
public:
    FakeEventManager eventManager;
    bool hasEventManager = true;

    sdk::integration::EventManagerInterface& getEventManager() override
    {
        return hasEventManager ? eventManager : ManagerAbstract::getEventManager();
    }
};

// A page manager with its engine callbacks registered on a fresh simulated
// engine, three host drawing areas and a recorder. The engine's shutdown
// deletes the pages left at the end.
class PageManagerFixture : public ::testing::Test
{
protected:
    PageManagerFixture() : recorder(log, "listener") { recorder.areaNames = {{&d1, "D1"}, {&d2, "D2"}, {&d3, "D3"}}; }
    void SetUp() override
    {
        freshEngine();
        manager.reset(new sdk::integration::intern::PageManager(host));
        static_cast<sdk::integration::intern::SubManagerInterface&>(*manager).registerCallbacks();
    }
    void TearDown() override
    {
        OrvEngFinalizeShutdown();
        manager.reset();
        sdk::ui::common::processIdleActions();
    }

    // The host's addPage; an engine that reports the new current page later
    // has reported it when this returns.
    sdk::integration::PageInterface& addPage(TestDrawArea* drawArea = nullptr)
    {
        sdk::integration::PageInterface& page = manager->addPage(drawArea);
        sim::deliverPendingCallbacks();
        return page;
    }
    // The page the engine has under `uniqueId`, as the manager knows it.
    sdk::integration::PageInterface* pageWithId(long long uniqueId)
    {
        for (sdk::integration::PageIterator pages = manager->getPageIterator(); pages.hasNext();)
        {
            sdk::integration::PageInterface& page = pages.next();
            if (page.getUniqueID() == uniqueId)
                return &page;
        }
        return nullptr;
    }
    // Unique ids of a walk, "#3 #1 #2".
    static std::string walk(sdk::integration::PageIterator pages)
    {
        std::string ids;
        while (pages.hasNext())
            ids += (ids.empty() ? "" : " ") + pageLabel(pages.next());
        return ids;
    }

    FakeHostManager host;
    TestDrawArea d1;
    TestDrawArea d2;
    TestDrawArea d3;
    std::unique_ptr<sdk::integration::intern::PageManager> manager;
    PageRecorder::Log log;
    PageRecorder recorder;
};

// Every logged engine call named `name` (at least one) ran at lock depth
// `depth` with `value` (-1 for outside the application lock).
inline ::testing::AssertionResult ranWithLock(const std::string& name, int depth, int value)
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

// Every logged engine call named `name` (at least one) ran inside exactly one
// application-lock bracket taken with `value`.
inline ::testing::AssertionResult ranUnderAppLock(const std::string& name, int value)
{
    return ranWithLock(name, 1, value);
}
// Every logged engine call named `name` (at least one) ran outside the
// application lock.
inline ::testing::AssertionResult ranOutsideAppLock(const std::string& name) { return ranWithLock(name, 0, -1); }

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H
