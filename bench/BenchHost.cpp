#include "BenchHost.h"

namespace bench {

using namespace orvane::sdk::integration;

void BenchDrawArea::getSize(int& width, int& height)
{
    width = 800;
    height = 600;
}

void BenchDrawArea::addStateListener(GLDrawAreaListenerInterface* listener) { m_state.addStateListener(listener); }

void BenchDrawArea::removeStateListener(GLDrawAreaListenerInterface* listener)
{
    m_state.removeStateListener(listener);
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
    BenchMouseEvent press(MouseEventInterface::MouseButton_1, x, 10);
    m_mouse.notifyOfButtonPressed(press, *this);
    BenchMouseEvent move(MouseEventInterface::MouseButton_None, x + 5, 12);
    m_mouse.notifyOfMouseMoved(move, *this);
    BenchMouseEvent release(MouseEventInterface::MouseButton_1, x + 5, 12);
    m_mouse.notifyOfButtonReleased(release, *this);
}

void BenchDrawArea::expose()
{
    m_state.notifyOfExposed(true);
    signalDrawAreaExposed(true);
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
