#ifndef ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H

#include "support/FakeEventManager.h"
#include "support/TestHostManager.h"

namespace orvane {
namespace test {

// The integration manager as a sub-manager sees it, never initialised: its
// event manager is a fake that is there while `hasEventManager` (as between
// init() and stop()).
class FakeHostManager : public TestHostManager
{
public:
    FakeEventManager eventManager;
    bool hasEventManager = true;

    sdk::integration::EventManagerInterface& getEventManager() override;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
