// A host project built against the installed OrvaneSDK package: it links
// only OrvaneSDK::ovsdkintegrationmanager and gets the engine, the sibling
// libraries, their headers and Boost through it.
#include "integration/ManagerAbstract.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "ovsdkcommon/AppLock.h"

#include <iostream>

namespace {

using namespace orvane::sdk::integration;

// A host without a GUI: nothing to process while the engine is busy.
class ConsumerMonitor : public intern::ApplicationEventMonitorAbstract
{
public:
    using ApplicationEventMonitorAbstract::ApplicationEventMonitorAbstract;
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void processPendingEvents() override {}
    void engineInterrupted() override {}
};

class ConsumerManager : public ManagerAbstract
{
public:
    ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return m_monitor; }

private:
    ConsumerMonitor m_monitor{*this};
};

} // namespace

int main()
{
    ConsumerManager manager;
    char program[] = "consumer";
    char* argv[] = {program};
    const auto result = manager.init(1, argv, "/opt/orvane");
    if (result != ManagerInterface::ManagerStartReturnCode_Ok)
    {
        std::cerr << "init failed: " << manager.returnCodeString(result) << "\n";
        return 1;
    }
    {
        const orvane::sdk::AppLock lock(orvane::sdk::AppLock::ImplicitMacroRecording_Off);
    }
    manager.start();
    std::cout << "consumer ran the engine: " << manager.getHelpAbout() << "\n";
    manager.stop();
    return 0;
}
