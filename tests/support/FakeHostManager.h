#ifndef ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H

#include "support/TestHostManager.h"

namespace orvane {
namespace test {

// The event manager's answer to whether the engine is busy, as told.
struct FakeEventManager
{
    bool busy = false;
};

// A host's manager, never initialised, as the page manager sees it: the
// engine is busy as its fake event manager says.
class FakeHostManager : public TestHostManager
{
public:
    FakeEventManager eventManager;

    bool isEngineBusy() const { return eventManager.busy; }
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
