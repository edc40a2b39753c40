#ifndef ORVANE_TESTS_SUPPORT_TESTDRAWAREA_H
#define ORVANE_TESTS_SUPPORT_TESTDRAWAREA_H

#include "integration/GLDrawAreaInterface.h"
#include "integration/MouseWheelEventInterface.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEventObservable.h"
#include "support/TestGLContext.h"

#include <set>
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
    sdk::integration::GLContextInterface& getGLContext() override { return context; }
    bool isValid() override { return valid; }
    void addStateListener(sdk::integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(sdk::integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(sdk::integration::PageManagerInterface& manager) override { pageManagers.push_back(&manager); }
    void addMouseListener(sdk::integration::MouseEventListenerInterface* listener) override;
    void removeMouseListener(sdk::integration::MouseEventListenerInterface* listener) override;
    void addKeyboardListener(sdk::integration::KeyEventListenerInterface* listener) override;
    void removeKeyboardListener(sdk::integration::KeyEventListenerInterface* listener) override;

    // The window system, simulated.
    void simulateMove(int x, int y, MouseButton button = sdk::integration::MouseEventInterface::MouseButton_None);
    void simulatePress(MouseButton button, int x, int y);
    void simulateDoublePress(MouseButton button, int x, int y);
    void simulateRelease(MouseButton button, int x, int y);
    void simulateWheel(int delta, Orientation orientation, int x = 0, int y = 0);
    // Key events take their modifiers and translation from the current
    // miscellaneous-queries service.
    void simulateKeyPress(int key);
    void simulateKeyRelease(int key);
    void simulateExpose(bool fullDamage);
    // Tells the listeners and the signal while the window still exists, then
    // the drawing area turns invalid.
    void simulateDestroy();
    void simulateFocusGained();

private:
    typedef void (sdk::integration::intern::MouseEventObservable::*MouseNotification)(
        sdk::integration::MouseEventInterface&, sdk::integration::MouseEventObservableInterface&);

    // Listeners first, then the signal, with a host mouse event.
    void reportMouse(MouseNotification notification, MouseEventSignal& signal, MouseButton button, int x, int y);

    sdk::integration::intern::MouseEventObservable m_mouseObservable;
    sdk::integration::intern::KeyEventObservable m_keyObservable;
    sdk::integration::intern::GLDrawAreaStateObservable m_stateObservable;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_TESTDRAWAREA_H
