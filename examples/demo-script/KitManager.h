// The demo's manager: it owns the kit's application event monitor, which
// must live as long as the engine runs, made with the manager and the
// kit's arguments (its loop, if it has one).
#ifndef DEMO_SCRIPT_KITMANAGER_H
#define DEMO_SCRIPT_KITMANAGER_H

#include "integration/ManagerAbstract.h"

template <typename Monitor>
class KitManager : public orvane::sdk::integration::ManagerAbstract
{
public:
    template <typename... Arguments>
    explicit KitManager(Arguments&... arguments) : m_monitor(*this, arguments...)
    {
    }

    orvane::sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override
    {
        return m_monitor;
    }

private:
    Monitor m_monitor;
};

#endif // DEMO_SCRIPT_KITMANAGER_H
