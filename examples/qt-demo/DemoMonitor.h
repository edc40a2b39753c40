// The kit's application event monitor, telling the account when the engine
// is interrupted and letting each long operation start with no interrupt
// held back.
#ifndef QT_DEMO_DEMOMONITOR_H
#define QT_DEMO_DEMOMONITOR_H

#include "ovsdkqthost/QtApplicationEventMonitor.h"

class BoundaryAccount;

class DemoMonitor : public orvane::sdk::qthost::QtApplicationEventMonitor
{
public:
    DemoMonitor(orvane::sdk::integration::ManagerInterface& manager, BoundaryAccount& account);

    void engineInterrupted() override;
    // Forgets an interrupt an active stop button held back.
    void forgetDeferredInterrupt();

private:
    BoundaryAccount& m_account;
};

#endif // QT_DEMO_DEMOMONITOR_H
