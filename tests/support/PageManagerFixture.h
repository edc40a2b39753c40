#ifndef ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H
#define ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H

#include "integration/EventManagerInterface.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/intern/PageManager.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/TestDrawArea.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace test {

// "#<unique id>"
inline std::string pageLabel(sdk::integration::PageInterface& page)
{
    return "#" + std::to_string(page.getUniqueID());
}

// Writes every page-manager and page-change notification it gets, and those
// of the signals it is connected to, into a log shared with other recorders:
// "<label> <what> #<unique id>[ <old value>]", for example
// "listener current #2 was #1" or "signal area #1 was D1". Drawing areas are
// written by the names in `areaNames` ("null" for none).
class PageRecorder : public virtual sdk::integration::PageManagerListenerInterface,
                     public virtual sdk::integration::PageChangeListenerInterface
{
public:
    typedef std::vector<std::string> Log;

    PageRecorder(Log& log, std::string label) : m_log(log), m_label(std::move(label)) {}

    std::map<const sdk::integration::GLDrawAreaInterface*, std::string> areaNames;
    // Runs after each call is logged, with the page of the call.
    std::function<void(sdk::integration::PageInterface&)> onCall;

    // Logs the signals under the label "signal".
    void recordSignals(sdk::integration::PageManagerInterface& manager)
    {
        using sdk::integration::PageInterface;
        manager.connectPageCreated([this](PageInterface& page) { record("signal", "created", page); });
        manager.connectPageDestroyed([this](PageInterface& page) { record("signal", "destroyed", page); });
        manager.connectPageCurrentChanged([this](PageInterface& page) { record("signal", "current", page); });
    }
    void recordSignals(sdk::integration::PageInterface& page)
    {
        sdk::integration::PageInterface* const source = &page;
        page.connectNameChanged([this, source](const std::string& oldName) { record("signal", "name", *source, oldName); });
        page.connectDrawAreaChanged([this, source](sdk::integration::GLDrawAreaInterface* oldDrawArea) {
            record("signal", "area", *source, areaName(oldDrawArea));
        });
    }

    void pageCreated(sdk::integration::PageInterface& page, sdk::integration::PageManagerInterface&) override
    {
        record(m_label, "created", page);
    }
    void pageDestroyed(sdk::integration::PageInterface& page, sdk::integration::PageManagerInterface&) override
    {
        record(m_label, "destroyed", page);
    }
    void currentPageChanged(sdk::integration::PageInterface& page,
                            sdk::integration::PageManagerInterface& manager) override
    {
        sdk::integration::PageInterface* current = manager.getCurrentPage();
        record(m_label, "current " + (current != nullptr ? pageLabel(*current) : std::string("none")) + " was", page);
    }
    void pageNameChanged(std::string oldName, sdk::integration::PageInterface& page) override
    {
        record(m_label, "name", page, oldName);
    }
    void pageDrawAreaChanged(sdk::integration::GLDrawAreaInterface* oldDrawArea,
                             sdk::integration::PageInterface& page) override
    {
        record(m_label, "area", page, areaName(oldDrawArea));
    }

    std::string areaName(const sdk::integration::GLDrawAreaInterface* drawArea) const
    {
        if (drawArea == nullptr)
            return "null";
        auto found = areaNames.find(drawArea);
        return found != areaNames.end() ? found->second : "unnamed";
    }

private:
    void record(const std::string& label, const std::string& what, sdk::integration::PageInterface& page,
                const std::string& old = std::string())
    {
        m_log.push_back(label + " " + what + " " + pageLabel(page) + (old.empty() ? "" : " " + old));
        if (onCall)
            onCall(page);
    }

    Log& m_log;
    std::string m_label;
};

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
