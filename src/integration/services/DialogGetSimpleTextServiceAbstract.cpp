#include "integration/services/DialogGetSimpleTextServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/EngineText.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

DialogGetSimpleTextServiceInterface* DialogGetSimpleTextServiceAbstract::m_currentInstance = nullptr;
bool DialogGetSimpleTextServiceAbstract::m_callbacksRegistered = false;

DialogGetSimpleTextServiceAbstract::DialogGetSimpleTextServiceAbstract() = default;

DialogGetSimpleTextServiceAbstract::~DialogGetSimpleTextServiceAbstract()
{
    m_currentInstance = nullptr;
}

void DialogGetSimpleTextServiceAbstract::registerCallbacks()
{
    engine::OrvEngDialogGetSimpleTextRegisterCallback(
        &callbacks::dialogGetSimpleText<&DialogGetSimpleTextServiceAbstract::dialogGetSimpleTextBoxCallback>,
        0);
}

void DialogGetSimpleTextServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

// On success the engine's text is replaced by an engine-owned copy of the
// user's text (null if the engine cannot allocate it); on cancel it is left
// alone. Null instructions count as empty ones; without a place for the result
// the host is not asked.
Boolean_t DialogGetSimpleTextServiceAbstract::dialogGetSimpleTextBoxCallback(const char* instructions, char** text,
                                                                             Boolean_t useText, ArbParam_t)
{
    if (!m_currentInstance || !text)
        return FALSE;
    std::string result;
    if (useText != FALSE && *text)
        result = *text;
    if (!m_currentInstance->getSimpleText(instructions ? instructions : std::string(), result))
        return FALSE;
    if (*text)
        engine::OrvUtilStringDealloc(text);
    *text = intern::toEngineText(result, "Result of EnterTextStringDialog");
    return TRUE;
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
