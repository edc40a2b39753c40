#ifndef ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H

#include "integration/EventManagerInterface.h"
#include "support/TestHostManager.h"

namespace orvane {
namespace test {

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

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
