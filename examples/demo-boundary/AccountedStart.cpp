#include "AccountedStart.h"

#include "BoundaryAccount.h"

#include "integration/ManagerAbstract.h"

namespace integration = orvane::sdk::integration;

namespace {

bool answered(BoundaryAccount& account, integration::ManagerAbstract& manager, const char* call,
              integration::ManagerInterface::ManagerStartReturnCode_e code)
{
    account.toHost(std::string(call) + " answers", std::to_string(code) + " \"" + manager.returnCodeString(code) + "\"");
    return code == integration::ManagerInterface::ManagerStartReturnCode_Ok;
}

} // namespace

StartReached initAndStart(integration::ManagerAbstract& manager, BoundaryAccount& account, const std::string& program,
                          const std::string& homeDirectory)
{
    manager.connectEngineStarted([&account] { account.toHost("signalEngineStarted"); });
    manager.connectEngineShutdownInitiated([&account] { account.toHost("signalEngineShutdownInitiated"); });
    manager.connectEngineShutdownFinished([&account] { account.toHost("signalEngineShutdownFinished"); });

    account.host("init(\"" + program + "\", home directory \"" + homeDirectory + "\")");
    std::string arguments = program;
    char* argv[] = {&arguments[0]};
    if (!answered(account, manager, "init", manager.init(1, argv, homeDirectory)))
        return StartReached::InitFailed;
    account.host("start()");
    return answered(account, manager, "start", manager.start()) ? StartReached::Started : StartReached::StartFailed;
}
