// What every benchmark program shares: a heap-allocation counter and a
// minimal host (manager, monitor, drawing area, context) whose own work is
// as close to nothing as possible, so that only the library is measured.
#ifndef BENCH_BENCHHOST_H
#define BENCH_BENCHHOST_H

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEventObservable.h"

#include <benchmark/benchmark.h>

namespace bench {

// Heap allocations of the whole process so far (the global operator new is
// replaced in BenchHost.cpp).
long long allocations();

// Sets the counter `name` to the allocations since `before` per `perItems`.
void reportAllocations(benchmark::State& state, const char* name, long long before, long long perItems);

class BenchContext : public orvane::sdk::integration::GLContextInterface
{
public:
    void swapBuffers() override { benchmark::ClobberMemory(); }
    bool makeCurrent() override { return true; }
    bool releaseCurrent() override { return true; }
};

// An 800 x 600 drawing area that can always render, with the library's
// ready-made mouse and key observables.
class BenchDrawArea : public orvane::sdk::integration::GLDrawAreaInterface
{
public:
    bool canRender() override { return true; }
    void getSize(int& width, int& height) override;
    orvane::sdk::integration::GLContextInterface& getGLContext() override { return m_context; }
    bool isValid() override { return true; }
    void addStateListener(orvane::sdk::integration::GLDrawAreaListenerInterface*) override {}
    void removeStateListener(orvane::sdk::integration::GLDrawAreaListenerInterface*) override {}
    void setPageManager(orvane::sdk::integration::PageManagerInterface&) override {}
    void addMouseListener(orvane::sdk::integration::MouseEventListenerInterface* listener) override;
    void removeMouseListener(orvane::sdk::integration::MouseEventListenerInterface* listener) override;
    void addKeyboardListener(orvane::sdk::integration::KeyEventListenerInterface* listener) override;
    void removeKeyboardListener(orvane::sdk::integration::KeyEventListenerInterface* listener) override;

    // The window system reports a drag: press, move, release (3 events).
    void drag(int x);

private:
    BenchContext m_context;
    orvane::sdk::integration::intern::MouseEventObservable m_mouse;
    orvane::sdk::integration::intern::KeyEventObservable m_keys;
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

// An initialised and started manager on a freshly reset engine.
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
