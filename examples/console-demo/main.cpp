// A console host: starts and stops the simulated engine through the
// integration manager and prints what crosses the boundary.
#include "BoundaryLog.h"

#include "integration/ManagerAbstract.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <iostream>

namespace integration = orvane::sdk::integration;

namespace {

// The host's manager: nothing to add yet beyond what ManagerAbstract does.
class ConsoleManager : public integration::ManagerAbstract
{
};

int run()
{
    BoundaryLog log;
    std::cout << "Orvane integration manager - console demo against the simulated engine\n";

    log.host("constructs its manager (no engine call is made)");
    ConsoleManager manager;
    manager.connectEngineStarted([&log] { log.library("signalEngineStarted"); });
    manager.connectEngineShutdownInitiated([&log] { log.library("signalEngineShutdownInitiated"); });
    manager.connectEngineShutdownFinished([&log] { log.library("signalEngineShutdownFinished"); });

    char program[] = "console-demo";
    char* argv[] = {program};
    log.host("init(\"console-demo\", home directory \"/opt/orvane\")");
    const auto initResult = manager.init(1, argv, "/opt/orvane");
    log.library("init answers " + std::to_string(initResult) + " \"" + manager.returnCodeString(initResult) + "\"");
    if (initResult != integration::ManagerInterface::ManagerStartReturnCode_Ok)
        return 1;

    log.host("start()");
    const auto startResult = manager.start();
    log.library("start answers " + std::to_string(startResult) + " \"" + manager.returnCodeString(startResult) + "\"");

    log.host("getHelpAbout()");
    log.library("\"" + manager.getHelpAbout() + "\"");

    log.host("stop()");
    manager.stop();
    log.flushEngineCalls();

    std::cout << "\nEngine texts still held: " << orvane::sim::outstandingTexts()
              << ", engine misuses noticed: " << orvane::sim::misuses().size() << "\n";
    return orvane::sim::misuses().empty() ? 0 : 1;
}

} // namespace

int main()
{
    return run();
}
