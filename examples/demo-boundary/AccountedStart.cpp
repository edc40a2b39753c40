#include "AccountedStart.h"

#include "BoundaryAccount.h"

#include "integration/ManagerAbstract.h"
#include "integration/PageManagerInterface.h"

namespace integration = orvane::sdk::integration;

namespace {

// How long the engine works on each step of a long operation.
const int BusyStepMilliseconds = 20;

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

void prepareDrawing(integration::ManagerAbstract& manager, orvane::sim::GetProcAddress_pf procAddress,
                    boost::shared_ptr<integration::PageRenderDeciderInterface> decider)
{
    orvane::sim::enableOpenGLDrawing(procAddress);
    orvane::sim::setBusyStepMilliseconds(BusyStepMilliseconds);
    manager.getPageManager().pushPageRenderDecider(decider);
}
