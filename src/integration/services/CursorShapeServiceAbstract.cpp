#include "integration/services/CursorShapeServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

CursorShapeServiceInterface* CursorShapeServiceAbstract::m_currentInstance = nullptr;
bool CursorShapeServiceAbstract::m_callbacksRegistered = false;
CursorStyle_e CursorShapeServiceAbstract::m_currentCursorStyle = CursorStyle_Undefined;
long long CursorShapeServiceAbstract::m_currentRenderHandle = 0;

CursorShapeServiceAbstract::CursorShapeServiceAbstract() = default;

CursorShapeServiceAbstract::~CursorShapeServiceAbstract()
{
    m_currentInstance = nullptr;
}

void CursorShapeServiceAbstract::registerCallbacks()
{
    engine::OrvEngBaseCursorStyleRegisterCallback(
        &callbacks::baseCursorStyle<&CursorShapeServiceAbstract::baseCursorStyleCallback>,
        0);
    engine::OrvEngWaitCursorStateRegisterCallback(
        &callbacks::waitCursorState<&CursorShapeServiceAbstract::waitCursorStateCallback>,
        0);
}

void CursorShapeServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

// The engine repeats the base style often; only a change reaches the host,
// whichever object is current.
void CursorShapeServiceAbstract::baseCursorStyleCallback(CursorStyle_e style, ArbParam_t renderHandle, ArbParam_t)
{
    if (renderHandle == 0 || !m_currentInstance)
        return;
    if (style == m_currentCursorStyle && renderHandle == m_currentRenderHandle)
        return;
    m_currentInstance->setBaseCursorStyle(renderHandle, style);
    m_currentCursorStyle = style;
    m_currentRenderHandle = renderHandle;
}

void CursorShapeServiceAbstract::waitCursorStateCallback(Boolean_t activate, ArbParam_t)
{
    if (m_currentInstance)
        m_currentInstance->showWaitCursor(activate == TRUE);
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
