#include "support/FakeHostManager.h"

namespace orvane {
namespace test {

sdk::integration::EventManagerInterface& FakeHostManager::getEventManager()
{
    return hasEventManager ? eventManager : ManagerAbstract::getEventManager();
}

} // namespace test
} // namespace orvane
