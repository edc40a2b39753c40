// The GTK demo of the integration manager: two GTK 4 windows on the GTK
// host kit, with the simulated engine drawing their pages with OpenGL.
//
//   gtk-demo                      interactive: drag, wheel and keys in the
//                                 plots; 'l' starts a long operation
//                                 (Escape or a click stops it); closing
//                                 both windows ends it
//   gtk-demo --script [--out DIR] a scripted session that checks what it
//                                 shows and writes pictures to DIR
//                                 (demo-out/gtk)
//   ... --trace FILE              also records a boundary trace into FILE
//
// Either way it prints an account of what crosses the boundary between the
// application, the library and the engine.
#include "BoundaryAccount.h"
#include "DemoScript.h"
#include "DemoSession.h"
#include "TraceRecording.h"

#include "ovsdkgtkhost/GtkLegacyGL.h"

#include "integration/KeyEventInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <iostream>
#include <string>

namespace {

// The scripted session gives up after this long.
const double ScriptTimeLimitSeconds = 60.0;
const int InteractiveOperationSteps = 150;

struct Options
{
    bool script = false;
    std::string outputDirectory = "demo-out/gtk";
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

// Interactive: 'l' anywhere starts a long operation, from the main loop
// (not from inside GTK's input handling, which would hold further input
// back until it ends).
class LongOperationKey : public orvane::sdk::integration::KeyEventListenerInterface
{
public:
    LongOperationKey(DemoSession& session, BoundaryAccount& account) : m_session(session), m_account(account) {}
    void keyPressed(orvane::sdk::integration::KeyEventInterface& event,
                    orvane::sdk::integration::KeyEventObservableInterface&) override
    {
        if (event.key() != 'l' || orvane::sim::isBusyOperationRunning())
            return;
        m_session.later([this] {
            m_account.user("starts a long operation (Escape or a click stops it)");
            orvane::sim::runBusyOperation(InteractiveOperationSteps);
        });
    }
    void keyReleased(orvane::sdk::integration::KeyEventInterface&,
                     orvane::sdk::integration::KeyEventObservableInterface&) override
    {
    }

private:
    DemoSession& m_session;
    BoundaryAccount& m_account;
};

int runInteractive(DemoSession& session, BoundaryAccount& account)
{
    LongOperationKey longOperation(session, account);
    session.manager().getApplicationEventMonitor().addKeyboardListener(&longOperation);
    session.openHostWindow();
    // The engine's page once the host's is on the screen: GTK reports the
    // focus the host's window got meanwhile, and its page would become
    // current again behind the engine's.
    while (!session.hostWindow()->isExposed())
        g_main_context_iteration(nullptr, TRUE);
    account.engine("asks for a page of its own");
    orvane::sim::requestPage({"Engine page"});
    while (session.hasWindows())
        g_main_context_iteration(nullptr, TRUE);
    session.manager().getApplicationEventMonitor().removeKeyboardListener(&longOperation);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options))
    {
        std::cerr << "usage: gtk-demo [--script [--out DIRECTORY]] [--trace FILE]\n";
        return 2;
    }
    std::cout << "Orvane integration manager - GTK demo against the simulated engine"
              << (options.script ? " (scripted session)" : "") << "\n";
    try
    {
        // Before GTK starts: the engine draws with OpenGL 1.x.
        orvane::sdk::gtkhost::GtkLegacyGL::requestBeforeGtkInit();
        if (!gtk_init_check())
        {
            std::cerr << "gtk-demo: GTK could not be initialised (no display)\n";
            return 1;
        }
        const TraceRecording trace(options.traceFile);
        BoundaryAccount account(std::cout);
        account.road("Start");
        DemoSession session(account);
        if (!session.start("gtk-demo", currentDirectory()))
            return 1;
        int result = 0;
        if (options.script)
        {
            DemoScript script(session, account, options.outputDirectory);
            script.start(ScriptTimeLimitSeconds);
            while (!script.finished())
                g_main_context_iteration(nullptr, TRUE);
            account.road("Stop");
            session.stop();
            script.checkShutdown();
            result = script.passed() ? 0 : 1;
        }
        else
        {
            result = runInteractive(session, account);
            account.road("Stop");
            session.stop();
        }
        return result;
    }
    catch (const orvane::ExceptionBase& error)
    {
        std::cerr << "gtk-demo: " << error.what() << "\n";
        return 1;
    }
}
