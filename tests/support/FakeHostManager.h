#ifndef ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
#define ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H

#include "integration/ManagerAbstract.h"
#include "support/FakeEventManager.h"

namespace orvane {
namespace test {

// The integration manager as a sub-manager sees it, never initialised: its
// event manager is a fake that is there while `hasEventManager` (as between
// init() and stop()).
class FakeHostManager : public sdk::integration::ManagerAbstract
{
public:
    FakeEventManager eventManager;
    bool hasEventManager = true;

    sdk::integration::EventManagerInterface& getEventManager() override;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEHOSTMANAGER_H
