#include "GtkInputState.h"

#include "ovsdkgtkhost/GtkGLDrawArea.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace sdk {
namespace gtkhost {

namespace {

const int EscapeKey = 27;

struct KeyCode
{
    unsigned keyval;
    short engineKey;
};

const KeyCode EngineKeys[] = {
    {GDK_KEY_Tab, 9},        {GDK_KEY_ISO_Left_Tab, 9}, {GDK_KEY_BackSpace, 8}, {GDK_KEY_Return, 13},
    {GDK_KEY_KP_Enter, 13},  {GDK_KEY_Delete, 127},     {GDK_KEY_Insert, 262},   {GDK_KEY_Home, 272},
    {GDK_KEY_End, 273},      {GDK_KEY_Left, 274},       {GDK_KEY_Up, 275},       {GDK_KEY_Right, 276},
    {GDK_KEY_Down, 277},     {GDK_KEY_Page_Up, 278},    {GDK_KEY_Page_Down, 279},
};
const short EngineF1 = 304;

bool isEngineSpecialKey(int code) { return code == 262 || (code >= 272 && code <= 279) || (code >= 304 && code <= 338); }

} // namespace

GtkInputState& GtkInputState::instance()
{
    static GtkInputState state;
    return state;
}

void GtkInputState::arriving(const GtkInputEvent& event, GtkGLDrawArea& drawArea)
{
    wake();
    if (event.kind == GtkInputEvent::FocusIn)
        m_focused = &drawArea;
    if (!event.isInput())
        return;
    m_modifiers = libraryModifiers(event.modifiers);
    if (event.button < 32 && event.kind == GtkInputEvent::ButtonPress)
        m_buttonsDown |= 1u << event.button;
    if (event.button < 32 && event.kind == GtkInputEvent::ButtonRelease)
        m_buttonsDown &= ~(1u << event.button);
    const std::vector<GtkInputObserver*> observers = m_observers;
    for (GtkInputObserver* observer : observers)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end() && liveArea(&drawArea))
            observer->inputArriving(event, drawArea);
}

void GtkInputState::addObserver(GtkInputObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void GtkInputState::removeObserver(GtkInputObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void GtkInputState::addArea(GtkGLDrawArea* drawArea) { m_areas.push_back(drawArea); }

void GtkInputState::removeArea(GtkGLDrawArea* drawArea)
{
    m_areas.erase(std::remove(m_areas.begin(), m_areas.end(), drawArea), m_areas.end());
    if (m_focused == drawArea)
        m_focused = nullptr;
}

GtkGLDrawArea* GtkInputState::liveArea(const void* drawArea) const
{
    const auto found = std::find(m_areas.begin(), m_areas.end(), drawArea);
    return found != m_areas.end() ? *found : nullptr;
}

void GtkInputState::wake() { ++m_wakes; }

unsigned GtkInputState::wakes() const { return m_wakes; }

int GtkInputState::modifiers() const { return m_modifiers; }

bool GtkInputState::isButtonDown(unsigned gdkButton) const
{
    return gdkButton < 32 && (m_buttonsDown & (1u << gdkButton)) != 0;
}

double GtkInputState::devicePixelRatio() const
{
    if (m_focused != nullptr)
        return m_focused->devicePixelRatio();
    return m_areas.empty() ? 1.0 : m_areas.front()->devicePixelRatio();
}

integration::MouseEventInterface::MouseButton_e libraryButton(const GtkInputEvent& event)
{
    typedef integration::MouseEventInterface Mouse;
    if (event.kind != GtkInputEvent::ButtonPress && event.kind != GtkInputEvent::ButtonRelease)
        return Mouse::MouseButton_None;
    switch (event.button)
    {
    case GDK_BUTTON_PRIMARY: return Mouse::MouseButton_1;
    case GDK_BUTTON_MIDDLE: return Mouse::MouseButton_2;
    case GDK_BUTTON_SECONDARY: return Mouse::MouseButton_3;
    default: return Mouse::MouseButton_Invalid;
    }
}

integration::intern::MouseAndKeyListenerSets::MouseAction_e mouseActionOf(const GtkInputEvent& event)
{
    typedef integration::intern::MouseAndKeyListenerSets Sets;
    if (event.kind == GtkInputEvent::Motion)
        return Sets::MouseAction_Moved;
    if (event.kind == GtkInputEvent::ButtonRelease)
        return Sets::MouseAction_Released;
    return event.pressCount == 2 ? Sets::MouseAction_DoublePressed : Sets::MouseAction_Pressed;
}

integration::intern::MouseEvent mouseEventOf(integration::MouseEventObservableInterface* source,
                                             const GtkInputEvent& event, double ratio)
{
    return integration::intern::MouseEvent(source, libraryButton(event), int(std::lround(event.x * ratio)),
                                           int(std::lround(event.y * ratio)), libraryModifiers(event.modifiers));
}

integration::intern::MouseWheelEvent wheelEventOf(const GtkInputEvent& scroll, double ratio)
{
    const int WheelDeltaPerNotch = 120;
    const GtkInputState& state = GtkInputState::instance();
    const bool vertical = scroll.scrollY != 0.0;
    // GTK counts towards the user.
    return integration::intern::MouseWheelEvent(
        int(std::lround(scroll.x * ratio)), int(std::lround(scroll.y * ratio)),
        int(std::lround((vertical ? -scroll.scrollY : scroll.scrollX) * WheelDeltaPerNotch)),
        state.isButtonDown(GDK_BUTTON_PRIMARY), state.isButtonDown(GDK_BUTTON_MIDDLE),
        state.isButtonDown(GDK_BUTTON_SECONDARY),
        vertical ? integration::MouseWheelEventInterface::Orientation_Vertical
                 : integration::MouseWheelEventInterface::Orientation_Horizontal);
}

int libraryModifiers(unsigned gdkModifiers)
{
    return ((gdkModifiers & GDK_SHIFT_MASK) != 0 ? 1 : 0) | ((gdkModifiers & GDK_CONTROL_MASK) != 0 ? 2 : 0) |
           ((gdkModifiers & GDK_ALT_MASK) != 0 ? 4 : 0);
}

int hostKeyCode(unsigned keyval)
{
    if (keyval == GDK_KEY_Escape)
        return EscapeKey;
    const gunichar character = gdk_keyval_to_unicode(keyval);
    if (character >= 32 && character <= 126)
        return int(character);
    for (const KeyCode& code : EngineKeys)
        if (code.keyval == keyval)
            return code.engineKey;
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F35)
        return EngineF1 + int(keyval - GDK_KEY_F1);
    return 0;
}

bool isModifierKey(unsigned keyval)
{
    return (keyval >= GDK_KEY_Shift_L && keyval <= GDK_KEY_Hyper_R) || keyval == GDK_KEY_ISO_Level3_Shift;
}

short engineKeyCode(int hostKeyCode)
{
    return (hostKeyCode >= 0 && hostKeyCode < 256) || isEngineSpecialKey(hostKeyCode) ? short(hostKeyCode) : 0;
}

GtkInputEvent GtkInputEvent::buttonEvent(Kind kind, unsigned button, double x, double y, unsigned modifiers,
                                    int pressCount)
{
    return GtkInputEvent{kind, button, pressCount, x, y, 0.0, 0.0, 0, modifiers};
}

GtkInputEvent GtkInputEvent::motionEvent(double x, double y, unsigned modifiers)
{
    return GtkInputEvent{Motion, 0, 0, x, y, 0.0, 0.0, 0, modifiers};
}

GtkInputEvent GtkInputEvent::scrollEvent(double scrollX, double scrollY, double x, double y, unsigned modifiers)
{
    return GtkInputEvent{Scroll, 0, 0, x, y, scrollX, scrollY, 0, modifiers};
}

GtkInputEvent GtkInputEvent::keyEvent(Kind kind, unsigned keyval, unsigned modifiers)
{
    return GtkInputEvent{kind, 0, 0, 0.0, 0.0, 0.0, 0.0, keyval, modifiers};
}

GtkInputEvent GtkInputEvent::focusEvent(bool in) { return GtkInputEvent{in ? FocusIn : FocusOut, 0, 0, 0, 0, 0, 0, 0, 0}; }

bool GtkInputEvent::isInput() const { return kind != FocusIn && kind != FocusOut; }

GtkInputObserver::~GtkInputObserver() = default;

void GtkInputObserver::add(GtkInputObserver* observer) { GtkInputState::instance().addObserver(observer); }

void GtkInputObserver::remove(GtkInputObserver* observer) { GtkInputState::instance().removeObserver(observer); }

} // namespace gtkhost
} // namespace sdk
} // namespace orvane
