#include "integration/services/ManagerMiscServiceAbstract.h"

#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/services/intern/EngineText.h"
#include "integration/services/intern/MakeServiceCurrent.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace services {

namespace callbacks = integration::intern::callbacks;
namespace engine = integration::intern::engine;

ManagerMiscServiceInterface* ManagerMiscServiceAbstract::m_currentInstance = nullptr;
bool ManagerMiscServiceAbstract::m_callbacksRegistered = false;

namespace {

void storeFlag(Boolean_t* flag, int modifiers, EventInterface::KeyboardModifier modifier)
{
    if (flag)
        *flag = (modifiers & modifier) ? TRUE : FALSE;
}

// The engine numbers its buttons from 1; its 0 is no button it can ask about.
MouseEventInterface::MouseButton_e engineMouseButton(int button)
{
    return button == MouseEventInterface::MouseButton_None ? MouseEventInterface::MouseButton_Invalid
                                                           : MouseEventInterface::toMouseButton(button);
}

} // namespace

ManagerMiscServiceAbstract::ManagerMiscServiceAbstract() = default;

ManagerMiscServiceAbstract::~ManagerMiscServiceAbstract()
{
    m_currentInstance = nullptr;
}

void ManagerMiscServiceAbstract::registerCallbacks()
{
    engine::OrvEngDotPitchRegisterCallback(
        &callbacks::dotPitch<&ManagerMiscServiceAbstract::staticDotPitchCallback>,
        0);
    engine::OrvEngScreenSizeRegisterCallback(
        &callbacks::screenSize<&ManagerMiscServiceAbstract::staticScreenSizeCallback>,
        0);
    engine::OrvEngKeyStateRegisterCallback(
        &callbacks::keyState<&ManagerMiscServiceAbstract::staticKeyStateCallback>,
        0);
    engine::OrvEngMouseButtonStateRegisterCallback(
        &callbacks::mouseButtonState<&ManagerMiscServiceAbstract::staticMouseButtonStateCallback>,
        0);
    engine::OrvEngOpenGLVersionStringRegisterCallback(
        &callbacks::openGLVersionString<&ManagerMiscServiceAbstract::staticOpenGLVersionStringCallback>,
        0);
}

void ManagerMiscServiceAbstract::makeCurrent()
{
    intern::makeServiceCurrent(*this, m_currentInstance, m_callbacksRegistered);
}

ManagerMiscServiceInterface* ManagerMiscServiceAbstract::getCurrentInstance()
{
    return m_currentInstance;
}

// The engine should ask these only while an object is current. Should the
// current object be gone, the engine's own values stand: outputs are left as
// the engine passed them, the button counts as released and the version text
// is null.

void ManagerMiscServiceAbstract::staticDotPitchCallback(ArbParam_t, double* dotPitchX, double* dotPitchY)
{
    if (m_currentInstance)
        m_currentInstance->getDotPitch(dotPitchX, dotPitchY);
}

void ManagerMiscServiceAbstract::staticScreenSizeCallback(ArbParam_t, int* width, int* height)
{
    if (m_currentInstance)
        m_currentInstance->getScreenSize(width, height);
}

void ManagerMiscServiceAbstract::staticKeyStateCallback(ArbParam_t, Boolean_t* shift, Boolean_t* alt,
                                                        Boolean_t* control)
{
    if (!m_currentInstance)
        return;
    const int modifiers = m_currentInstance->getKeyboardModifiers();
    storeFlag(shift, modifiers, EventInterface::KeyboardModifier_Shift);
    storeFlag(alt, modifiers, EventInterface::KeyboardModifier_Alt);
    storeFlag(control, modifiers, EventInterface::KeyboardModifier_Control);
}

Boolean_t ManagerMiscServiceAbstract::staticMouseButtonStateCallback(int button, ArbParam_t)
{
    if (!m_currentInstance)
        return FALSE;
    return m_currentInstance->isMouseButtonPressed(engineMouseButton(button)) ? TRUE : FALSE;
}

const char* ManagerMiscServiceAbstract::staticOpenGLVersionStringCallback(ArbParam_t)
{
    if (!m_currentInstance)
        return nullptr;
    return intern::toEngineText(m_currentInstance->getOpenGLVersionString(), "OpengGL Version String");
}

} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane
