// A minimal host on the engine stub: manager, monitor, drawing area and
// context whose own work is as close to nothing as possible, so that only
// the library is measured. Built on the installed library's exported
// classes only.
#ifndef BENCH_BENCHHOST_H
#define BENCH_BENCHHOST_H

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/MouseEventInterface.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEventObservable.h"

namespace bench {

class BenchContext : public orvane::sdk::integration::GLContextInterface
{
public:
    void swapBuffers() override { ++swaps; }
    bool makeCurrent() override { return true; }
    bool releaseCurrent() override { return true; }

    long long swaps = 0;
};

class BenchMouseEvent : public orvane::sdk::integration::MouseEventInterface
{
public:
    BenchMouseEvent(MouseButton_e button, int x, int y) : m_button(button), m_x(x), m_y(y) {}
    int keyboardModifiers() const override { return 0; }
    bool isControlDown() const override { return false; }
    bool isShiftDown() const override { return false; }
    bool isAltDown() const override { return false; }
    MouseButton_e button() const override { return m_button; }
    int x() const override { return m_x; }
    int y() const override { return m_y; }
    MouseEventInterface* clone() const override { return new BenchMouseEvent(*this); }

private:
    MouseButton_e m_button;
    int m_x;
    int m_y;
};

// An 800 x 600 drawing area that can always render, with the library's
// ready-made listener sets.
class BenchDrawArea : public orvane::sdk::integration::GLDrawAreaInterface
{
public:
    BenchDrawArea() : m_state(*this) {}
    bool canRender() override { return true; }
    void getSize(int& width, int& height) override;
    orvane::sdk::integration::GLContextInterface& getGLContext() override { return context; }
    bool isValid() override { return true; }
    void addStateListener(orvane::sdk::integration::GLDrawAreaListenerInterface* listener) override;
    void removeStateListener(orvane::sdk::integration::GLDrawAreaListenerInterface* listener) override;
    void setPageManager(orvane::sdk::integration::PageManagerInterface&) override {}
    void addMouseListener(orvane::sdk::integration::MouseEventListenerInterface* listener) override;
    void removeMouseListener(orvane::sdk::integration::MouseEventListenerInterface* listener) override;
    void addKeyboardListener(orvane::sdk::integration::KeyEventListenerInterface* listener) override;
    void removeKeyboardListener(orvane::sdk::integration::KeyEventListenerInterface* listener) override;

    // The window system reports a drag: press, move, release (3 events).
    void drag(int x);
    // The window system reports an expose: state listeners, then the signal.
    void expose();

    BenchContext context;

private:
    orvane::sdk::integration::intern::MouseEventObservable m_mouse;
    orvane::sdk::integration::intern::KeyEventObservable m_keys;
    orvane::sdk::integration::intern::GLDrawAreaStateObservable m_state;
};

class BenchMonitor : public orvane::sdk::integration::intern::ApplicationEventMonitorAbstract
{
public:
    using ApplicationEventMonitorAbstract::ApplicationEventMonitorAbstract;
    using ApplicationEventMonitorAbstract::notifyOfIdle;
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void processPendingEvents() override {}
    void engineInterrupted() override {}
};

// An initialised and started manager; the engine's remaining pages go when
// it stops.
class BenchHost : public orvane::sdk::integration::ManagerAbstract
{
public:
    BenchHost();
    ~BenchHost() override;
    orvane::sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;

    BenchMonitor monitor{*this};
};

} // namespace bench

#endif // BENCH_BENCHHOST_H
