#ifndef ORVANE_TESTS_SUPPORT_TESTDRAWAREA_H
#define ORVANE_TESTS_SUPPORT_TESTDRAWAREA_H

#include "integration/GLDrawAreaInterface.h"
#include "integration/MouseWheelEventInterface.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseListenerSet.h"
#include "integration/intern/MouseWheelEvent.h"
#include "support/TestGLContext.h"

#include <set>
#include <stdexcept>
#include <vector>

namespace orvane {
namespace test {

// A drawing area as a host writes one, without a window: it keeps its
// listeners in the library's ready-made observables and reports input and
// window changes with itself as the source, listeners first, then signals.
// Tests play the window system through the simulate operations and read
// back what the library did to it.
class TestDrawArea : public virtual sdk::integration::GLDrawAreaInterface
{
public:
    typedef sdk::integration::MouseEventInterface::MouseButton_e MouseButton;
    typedef sdk::integration::MouseWheelEventInterface::Orientation Orientation;

    // What the drawing area answers.
    int width = 640;
    int height = 480;
    bool valid = true;
    bool renderable = true;
    // The modifier bits the window system reports with mouse input.
    int mouseModifiers = 0;
    TestGLContext context;
    // When set, the context the area answers with instead (a toolkit that
    // recreated the area's context).
    TestGLContext* recreatedContext = nullptr;
    // When set, getGLContext() throws a std::runtime_error.
    bool contextThrows = false;

    // What the library did to it.
    std::vector<sdk::integration::PageManagerInterface*> pageManagers;
    std::set<sdk::integration::MouseEventListenerInterface*> mouseListeners;
    std::set<sdk::integration::KeyEventListenerInterface*> keyListeners;
    std::set<sdk::integration::GLDrawAreaListenerInterface*> stateListeners;

    TestDrawArea() : m_stateObservable(*this) {}

    bool canRender() override { return renderable; }
    void getSize(int& widthOut, int& heightOut) override
    {
        widthOut = width;
        heightOut = height;
    }
    sdk::integration::GLContextInterface& getGLContext() override
    {
        if (contextThrows)
            throw std::runtime_error("no context");
        if (recreatedContext != nullptr)
            return *recreatedContext;
        return context;
    }
    bool isValid() override { return valid; }
    void addStateListener(sdk::integration::GLDrawAreaListenerInterface* listener) override
    {
        m_stateObservable.addStateListener(listener);
        stateListeners.insert(listener);
    }
    void removeStateListener(sdk::integration::GLDrawAreaListenerInterface* listener) override
    {
        m_stateObservable.removeStateListener(listener);
        stateListeners.erase(listener);
    }
    void setPageManager(sdk::integration::PageManagerInterface& manager) override { pageManagers.push_back(&manager); }
    void addMouseListener(sdk::integration::MouseEventListenerInterface* listener) override
    {
        m_mouseObservable.addMouseListener(listener);
        mouseListeners.insert(listener);
    }
    void removeMouseListener(sdk::integration::MouseEventListenerInterface* listener) override
    {
        m_mouseObservable.removeMouseListener(listener);
        mouseListeners.erase(listener);
    }
    void addKeyboardListener(sdk::integration::KeyEventListenerInterface* listener) override
    {
        m_keyObservable.addKeyboardListener(listener);
        keyListeners.insert(listener);
    }
    void removeKeyboardListener(sdk::integration::KeyEventListenerInterface* listener) override
    {
        m_keyObservable.removeKeyboardListener(listener);
        keyListeners.erase(listener);
    }

    // The window system, simulated.
    void simulateMove(int x, int y, MouseButton button = sdk::integration::MouseEventInterface::MouseButton_None)
    {
        reportMouse(&MouseObservable::notifyOfMouseMoved, signalMouseMoved, button, x, y);
    }
    void simulatePress(MouseButton button, int x, int y)
    {
        reportMouse(&MouseObservable::notifyOfButtonPressed, signalButtonPressed, button, x, y);
    }
    void simulateDoublePress(MouseButton button, int x, int y)
    {
        reportMouse(&MouseObservable::notifyOfButtonDoublePressed, signalButtonDoublePressed, button, x, y);
    }
    void simulateRelease(MouseButton button, int x, int y)
    {
        reportMouse(&MouseObservable::notifyOfButtonReleased, signalButtonReleased, button, x, y);
    }
    void simulateWheel(int delta, Orientation orientation, int x = 0, int y = 0)
    {
        sdk::integration::intern::MouseWheelEvent event(x, y, delta, false, false, false, orientation);
        signalWheelRotated(event);
    }
    // Key events take their modifiers and translation from the current
    // miscellaneous-queries service.
    void simulateKeyPress(int key)
    {
        sdk::integration::intern::KeyEvent event(this, key);
        m_keyObservable.notifyOfKeyPressed(event, *this);
    }
    void simulateKeyRelease(int key)
    {
        sdk::integration::intern::KeyEvent event(this, key);
        m_keyObservable.notifyOfKeyReleased(event, *this);
    }
    void simulateExpose(bool fullDamage)
    {
        m_stateObservable.notifyOfExposed(fullDamage);
        signalDrawAreaExposed(fullDamage);
    }
    // Tells the listeners and the signal while the window still exists, then
    // the drawing area turns invalid.
    void simulateDestroy()
    {
        m_stateObservable.notifyOfDestroyed();
        signalDrawAreaDestroyed();
        valid = false;
    }
    void simulateFocusGained()
    {
        m_stateObservable.notifyOfFocusGained();
        signalDrawAreaFocusGained();
    }

private:
    typedef sdk::integration::intern::MouseListenerSet MouseObservable;
    typedef void (MouseObservable::*MouseNotification)(sdk::integration::MouseEventInterface&,
                                                       sdk::integration::MouseEventObservableInterface&);

    // Listeners first, then the signal, with a host mouse event.
    void reportMouse(MouseNotification notification, MouseEventSignal& signal, MouseButton button, int x, int y)
    {
        sdk::integration::intern::MouseEvent event(this, button, x, y, mouseModifiers);
        (m_mouseObservable.*notification)(event, *this);
        signal(event);
    }

    MouseObservable m_mouseObservable;
    sdk::integration::intern::KeyEventObservable m_keyObservable;
    sdk::integration::intern::GLDrawAreaStateObservable m_stateObservable;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTDRAWAREA_H
