// A host project built against the installed OrvaneSDK package: it links
// only OrvaneSDK::ovsdkintegrationmanager and gets the engine, the sibling
// libraries, their headers and Boost through it.
#include "integration/ManagerAbstract.h"
#include "ovsdkcommon/AppLock.h"

#include <iostream>

namespace {

class ConsumerManager : public orvane::sdk::integration::ManagerAbstract
{
};

} // namespace

int main()
{
    ConsumerManager manager;
    char program[] = "consumer";
    char* argv[] = {program};
    const auto result = manager.init(1, argv, "/opt/orvane");
    if (result != orvane::sdk::integration::ManagerInterface::ManagerStartReturnCode_Ok)
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
