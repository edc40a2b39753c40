// The application's manager: it owns the engine through the library and
// its application event monitor, which must live as long as the engine runs.
#ifndef QT_DEMO_DEMOMANAGER_H
#define QT_DEMO_DEMOMANAGER_H

#include "DemoMonitor.h"

#include "integration/ManagerAbstract.h"

class DemoManager : public orvane::sdk::integration::ManagerAbstract
{
public:
    explicit DemoManager(BoundaryAccount& account);

    DemoMonitor& monitor();
    orvane::sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;

private:
    DemoMonitor m_monitor;
};

#endif // QT_DEMO_DEMOMANAGER_H
