#include "integration/intern/GLDrawAreaStateObservable.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/intern/boundary/TraceEvents.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

GLDrawAreaStateObservable::GLDrawAreaStateObservable(GLDrawAreaInterface& drawArea) : m_drawArea(&drawArea) {}

GLDrawAreaStateObservable::~GLDrawAreaStateObservable() { traceGone(m_drawArea); }

void GLDrawAreaStateObservable::addStateListener(GLDrawAreaListenerInterface* const listener)
{
    m_listeners.add(listener);
}

void GLDrawAreaStateObservable::removeStateListener(GLDrawAreaListenerInterface* const listener)
{
    m_listeners.remove(listener);
}

void GLDrawAreaStateObservable::notifyOfExposed(bool fullDamage)
{
    const HostReportScope report("drawAreaExposed", "area", m_drawArea, "full", fullDamage);
    m_listeners.notify(
        [this, fullDamage](GLDrawAreaListenerInterface& listener) { listener.drawAreaExposed(*m_drawArea, fullDamage); });
}

void GLDrawAreaStateObservable::notifyOfDestroyed()
{
    const HostReportScope report("drawAreaDestroyed", "area", m_drawArea);
    m_listeners.notify([this](GLDrawAreaListenerInterface& listener) { listener.drawAreaDestroyed(*m_drawArea); });
}

void GLDrawAreaStateObservable::notifyOfFocusGained()
{
    const HostReportScope report("drawAreaFocusGained", "area", m_drawArea);
    m_listeners.notify([this](GLDrawAreaListenerInterface& listener) { listener.drawAreaFocusGained(*m_drawArea); });
}

void GLDrawAreaStateObservable::reportExposed(bool fullDamage)
{
    notifyOfExposed(fullDamage);
    m_drawArea->signalDrawAreaExposed(fullDamage);
}

void GLDrawAreaStateObservable::reportDestroyed()
{
    notifyOfDestroyed();
    m_drawArea->signalDrawAreaDestroyed();
}

void GLDrawAreaStateObservable::reportFocusGained()
{
    notifyOfFocusGained();
    m_drawArea->signalDrawAreaFocusGained();
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
