#include "integration/intern/CurrentKeyboard.h"

#include "integration/services/ManagerMiscServiceAbstract.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

const int FirstPrintableKey = 32;
const int LastPrintableKey = 127;

} // namespace

int CurrentKeyboard::modifiers()
{
    services::ManagerMiscServiceInterface* service = services::ManagerMiscServiceAbstract::getCurrentInstance();
    return service ? service->getKeyboardModifiers() : 0;
}

int CurrentKeyboard::engineKeyCode(int hostKey)
{
    if (hostKey >= FirstPrintableKey && hostKey <= LastPrintableKey)
        return hostKey;
    services::ManagerMiscServiceInterface* service = services::ManagerMiscServiceAbstract::getCurrentInstance();
    return service ? static_cast<int>(service->translateKeyCode(hostKey)) : hostKey;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
