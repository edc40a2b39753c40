#include "integration/services/MessageBoxServiceAbstract.h"

#include "integration/intern/TraceRecorder.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

MessageBoxServiceInterface* MessageBoxServiceAbstract::m_currentInstance = nullptr;
bool MessageBoxServiceAbstract::m_callbacksRegistered = false;

MessageBoxServiceAbstract::MessageBoxServiceAbstract() = default;

MessageBoxServiceAbstract::~MessageBoxServiceAbstract()
{
    m_currentInstance = nullptr;
}

void MessageBoxServiceAbstract::registerCallbacks()
{
    OrvEngDialogMessageBoxRegisterCallback(dialogMessageBoxCallback, 0);
}

void MessageBoxServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

MessageBoxReply_e MessageBoxServiceAbstract::dialogMessageBoxCallback(const char* message, MessageBoxType_e type,
                                                                      ArbParam_t)
{
    const integration::intern::TraceSpan span("callback", "dialogMessageBoxCallback");
    if (!m_currentInstance)
        return MessageBoxReply_Invalid;
    return m_currentInstance->showMessageBox(message, type);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
