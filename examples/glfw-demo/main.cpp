// The GLFW demo of the integration manager: two GLFW windows on the GLFW
// host kit, with the simulated engine drawing their pages with OpenGL.
//
//   glfw-demo                      interactive: drag, wheel and keys in the
//                                  plots; 'l' starts a long operation (any
//                                  key or click interrupts it); closing both
//                                  windows ends it
//   glfw-demo --script [--out DIR] a scripted session that checks what it
//                                  shows and writes pictures to DIR
//                                  (demo-out/glfw)
//   ... --trace FILE               also records a boundary trace into FILE
//
// Either way it prints an account of what crosses the boundary between the
// application, the library and the engine.
#include "BoundaryAccount.h"
#include "DemoScript.h"
#include "DemoSession.h"
#include "TraceRecording.h"

#include "ovsdkglfwhost/GlfwEventLoop.h"

#include "integration/KeyEventInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <GLFW/glfw3.h>

#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>

namespace {

// The scripted session gives up after this long.
const double ScriptTimeLimitSeconds = 60.0;
const int InteractiveOperationSteps = 150;

struct Options
{
    bool script = false;
    std::string outputDirectory = "demo-out/glfw";
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

// Interactive: 'l' anywhere starts a long operation, from the loop.
class LongOperationKey : public orvane::sdk::integration::KeyEventListenerInterface
{
public:
    LongOperationKey(orvane::sdk::glfwhost::GlfwEventLoop& loop, BoundaryAccount& account)
        : m_loop(loop), m_account(account)
    {
    }
    void keyPressed(orvane::sdk::integration::KeyEventInterface& event,
                    orvane::sdk::integration::KeyEventObservableInterface&) override
    {
        if (event.key() != 'l' || orvane::sim::isBusyOperationRunning())
            return;
        m_loop.postTask(this, [this] {
            m_account.user("starts a long operation (any key or click interrupts it)");
            orvane::sim::runBusyOperation(InteractiveOperationSteps);
        });
    }
    void keyReleased(orvane::sdk::integration::KeyEventInterface&,
                     orvane::sdk::integration::KeyEventObservableInterface&) override
    {
    }

private:
    orvane::sdk::glfwhost::GlfwEventLoop& m_loop;
    BoundaryAccount& m_account;
};

int runInteractive(orvane::sdk::glfwhost::GlfwEventLoop& loop, DemoSession& session, BoundaryAccount& account)
{
    LongOperationKey longOperation(loop, account);
    session.manager().getApplicationEventMonitor().addKeyboardListener(&longOperation);
    session.openHostWindow();
    account.engine("asks for a page of its own");
    orvane::sim::requestPage({"Engine page"});
    while (session.closeWindowsAskedToClose())
        loop.runOnce();
    loop.cancelTasks(&longOperation);
    session.manager().getApplicationEventMonitor().removeKeyboardListener(&longOperation);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options))
    {
        std::cerr << "usage: glfw-demo [--script [--out DIRECTORY]] [--trace FILE]\n";
        return 2;
    }
    std::cout << "Orvane integration manager - GLFW demo against the simulated engine"
              << (options.script ? " (scripted session)" : "") << "\n";
    try
    {
        orvane::sdk::glfwhost::GlfwEventLoop loop;
        const TraceRecording trace(options.traceFile);
        BoundaryAccount account(std::cout);
        account.road("Start");
        DemoSession session(loop, account);
        if (!session.start("glfw-demo", currentDirectory()))
            return 1;
        int result = 0;
        if (options.script)
        {
            DemoScript script(loop, session, account, options.outputDirectory);
            script.start(ScriptTimeLimitSeconds);
            while (!script.finished())
            {
                loop.runOnce();
                session.closeWindowsAskedToClose();
            }
            account.road("Stop");
            session.stop();
            script.checkShutdown();
            result = script.passed() ? 0 : 1;
        }
        else
        {
            result = runInteractive(loop, session, account);
            account.road("Stop");
            session.stop();
        }
        return result;
    }
    catch (const orvane::ExceptionBase& error)
    {
        std::cerr << "glfw-demo: " << error.what() << "\n";
        return 1;
    }
}
