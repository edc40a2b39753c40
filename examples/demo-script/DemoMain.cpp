#include "DemoMain.h"

#include "BoundaryAccount.h"
#include "DemoScript.h"
#include "DemoSessionBase.h"
#include "TraceRecording.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "integration/ManagerAbstract.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <unistd.h>

#include <iostream>

namespace {

// The scripted session gives up after this long.
const double ScriptTimeLimitSeconds = 60.0;
const int InteractiveOperationSteps = 150;

struct Options
{
    bool script = false;
    std::string outputDirectory;
    std::string traceFile;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--script")
            options.script = true;
        else if (argument == "--out" && i + 1 < argc)
            options.outputDirectory = argv[++i];
        else if (argument == "--trace" && i + 1 < argc)
            options.traceFile = argv[++i];
        else
            return false;
    }
    return true;
}

std::string currentDirectory()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
}

// Interactive: 'l' anywhere starts a long operation, from the loop (not
// from inside the toolkit's input handling, which may hold further input
// back until it ends).
class LongOperationKey : public orvane::sdk::integration::KeyEventListenerInterface
{
public:
    LongOperationKey(DemoToolkit& toolkit, BoundaryAccount& account) : m_toolkit(toolkit), m_account(account) {}
    void keyPressed(orvane::sdk::integration::KeyEventInterface& event,
                    orvane::sdk::integration::KeyEventObservableInterface&) override
    {
        if (event.key() != 'l' || orvane::sim::isBusyOperationRunning())
            return;
        m_toolkit.later([this] {
            m_account.user("starts a long operation (Escape, any key or a click stops it)");
            orvane::sim::runBusyOperation(InteractiveOperationSteps);
        });
    }
    void keyReleased(orvane::sdk::integration::KeyEventInterface&,
                     orvane::sdk::integration::KeyEventObservableInterface&) override
    {
    }

private:
    DemoToolkit& m_toolkit;
    BoundaryAccount& m_account;
};

int runInteractive(DemoSessionBase& session, BoundaryAccount& account)
{
    LongOperationKey longOperation(session, account);
    session.manager().getApplicationEventMonitor().addKeyboardListener(&longOperation);
    session.openHostWindow();
    // The engine's page once the host's is on the screen: a toolkit may
    // report the focus the host's window got meanwhile, and its page would
    // become current again behind the engine's.
    while (session.drawArea(DemoToolkit::Window_Host) != nullptr &&
           !session.drawArea(DemoToolkit::Window_Host)->canRender())
        session.runOnce();
    account.engine("asks for a page of its own");
    orvane::sim::requestPage({"Engine page"});
    while (session.hasWindows())
        session.runOnce();
    session.manager().getApplicationEventMonitor().removeKeyboardListener(&longOperation);
    return 0;
}

int runScript(DemoSessionBase& session, BoundaryAccount& account, const std::string& outputDirectory)
{
    DemoScript script(session, account, outputDirectory);
    script.start(ScriptTimeLimitSeconds);
    while (!script.finished())
        session.runOnce();
    account.road("Stop");
    session.stop();
    script.checkShutdown();
    return script.passed() ? 0 : 1;
}

} // namespace

int runDemo(int argc, char** argv, const std::string& program, const std::string& outputName,
            const std::function<std::unique_ptr<DemoSessionBase>(BoundaryAccount&)>& makeSession)
{
    Options options;
    options.outputDirectory = "demo-out/" + outputName;
    if (!parse(argc, argv, options))
    {
        std::cerr << "usage: " << program << " [--script [--out DIRECTORY]] [--trace FILE]\n";
        return 2;
    }
    std::cout << "Orvane integration manager - " << program << " against the simulated engine"
              << (options.script ? " (scripted session)" : "") << "\n";
    try
    {
        const TraceRecording trace(options.traceFile);
        BoundaryAccount account(std::cout);
        account.road("Start");
        const std::unique_ptr<DemoSessionBase> session = makeSession(account);
        if (!session->start(program, currentDirectory()))
            return 1;
        if (options.script)
            return runScript(*session, account, options.outputDirectory);
        const int result = runInteractive(*session, account);
        account.road("Stop");
        session->stop();
        return result;
    }
    catch (const orvane::ExceptionBase& error)
    {
        std::cerr << program << ": " << error.what() << "\n";
        return 1;
    }
}
