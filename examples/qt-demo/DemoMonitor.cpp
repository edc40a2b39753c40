#include "DemoMonitor.h"

#include "BoundaryAccount.h"

DemoMonitor::DemoMonitor(orvane::sdk::integration::ManagerInterface& manager, BoundaryAccount& account)
    : QtApplicationEventMonitor(manager), m_account(account)
{
}

void DemoMonitor::engineInterrupted() { m_account.toHost("engineInterrupted", "the monitor issued OrvUtilInterrupt"); }

void DemoMonitor::forgetDeferredInterrupt() { m_interruptDeferred = false; }
