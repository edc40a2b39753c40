#include "integration/services/MessageBoxServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

MessageBoxServiceInterface* MessageBoxServiceAbstract::m_currentInstance = nullptr;
bool MessageBoxServiceAbstract::m_callbacksRegistered = false;

MessageBoxServiceAbstract::MessageBoxServiceAbstract() = default;

MessageBoxServiceAbstract::~MessageBoxServiceAbstract()
{
    m_currentInstance = nullptr;
}

void MessageBoxServiceAbstract::registerCallbacks()
{
    engine::OrvEngDialogMessageBoxRegisterCallback(
        &callbacks::dialogMessageBox<&MessageBoxServiceAbstract::dialogMessageBoxCallback>,
        0);
}

void MessageBoxServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

MessageBoxReply_e MessageBoxServiceAbstract::dialogMessageBoxCallback(const char* message, MessageBoxType_e type,
                                                                      ArbParam_t)
{
    if (!m_currentInstance)
        return MessageBoxReply_Invalid;
    return m_currentInstance->showMessageBox(message, type);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
