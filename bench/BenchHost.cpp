#include "BenchHost.h"

#include "integration/intern/MouseEvent.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> g_allocations{0};

} // namespace

// Counting replacements of the global allocation functions. They pair malloc
// with free; GCC cannot see that through inlining and calls them mismatched.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace bench {

using namespace orvane::sdk::integration;

long long allocations() { return g_allocations; }

void reportAllocations(benchmark::State& state, const char* name, long long before, long long perItems)
{
    state.counters[name] = benchmark::Counter(static_cast<double>(g_allocations - before) /
                                              static_cast<double>(perItems > 0 ? perItems : 1));
}

void BenchDrawArea::getSize(int& width, int& height)
{
    width = 800;
    height = 600;
}

void BenchDrawArea::addMouseListener(MouseEventListenerInterface* listener) { m_mouse.addMouseListener(listener); }

void BenchDrawArea::removeMouseListener(MouseEventListenerInterface* listener)
{
    m_mouse.removeMouseListener(listener);
}

void BenchDrawArea::addKeyboardListener(KeyEventListenerInterface* listener) { m_keys.addKeyboardListener(listener); }

void BenchDrawArea::removeKeyboardListener(KeyEventListenerInterface* listener)
{
    m_keys.removeKeyboardListener(listener);
}

void BenchDrawArea::drag(int x)
{
    intern::MouseEvent press(this, MouseEventInterface::MouseButton_1, x, 10);
    m_mouse.notifyOfButtonPressed(press, *this);
    intern::MouseEvent move(this, MouseEventInterface::MouseButton_None, x + 5, 12);
    m_mouse.notifyOfMouseMoved(move, *this);
    intern::MouseEvent release(this, MouseEventInterface::MouseButton_1, x + 5, 12);
    m_mouse.notifyOfButtonReleased(release, *this);
}

BenchHost::BenchHost()
{
    char program[] = "bench";
    char* argv[] = {program};
    init(1, argv, "/opt/orvane");
    start();
}

BenchHost::~BenchHost() { stop(); }

ApplicationEventMonitorInterface& BenchHost::getApplicationEventMonitor() { return monitor; }

} // namespace bench
