// A console host: runs the simulated engine through the integration manager
// and prints what crosses the boundary on every road: the host adds pages
// shown in its (windowless) drawing areas and switches between them, the
// engine creates, draws and deletes pages, an interrupted frame is repaired
// at idle time, a drag in a drawing area reaches the engine, the host stays
// responsive while the engine is busy and the user interrupts it (also past
// a stop button), and the engine asks the host a question. Like the host
// kits, it prints the library's diagnostics and reads ORVANE_CHECKED, and
// records a boundary trace into the file ORVANE_TRACE names.
#include "BoundaryLog.h"
#include "ConsoleDrawArea.h"
#include "ConsoleDrawAreaFactory.h"
#include "ConsoleHost.h"
#include "HostDiagnostics.h"
#include "HostTrace.h"

#include "integration/EventManagerInterface.h"
#include "integration/InterruptedPlotRepairer.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <boost/make_shared.hpp>

#include <iostream>

namespace integration = orvane::sdk::integration;
namespace sim = orvane::sim;

namespace {

const int EscapeKey = 27;
const demo::MouseButton LeftButton = integration::MouseEventInterface::MouseButton_1;

std::string describe(integration::PageInterface& page)
{
    return "page #" + std::to_string(page.getUniqueID()) +
           (page.getName().empty() ? std::string() : " \"" + page.getName() + "\"");
}

// Tells the host's user what the page manager announces.
class PageAnnouncer : public integration::PageManagerListenerInterface
{
public:
    explicit PageAnnouncer(BoundaryLog& log) : m_log(log) {}

    void pageCreated(integration::PageInterface& page, integration::PageManagerInterface&) override
    {
        m_log.library("pageCreated: " + describe(page));
    }
    void pageDestroyed(integration::PageInterface& page, integration::PageManagerInterface&) override
    {
        m_log.library("pageDestroyed: " + describe(page));
    }
    void currentPageChanged(integration::PageInterface&, integration::PageManagerInterface& manager) override
    {
        integration::PageInterface* current = manager.getCurrentPage();
        m_log.library("currentPageChanged: now " + (current != nullptr ? describe(*current) : std::string("none")));
    }

private:
    BoundaryLog& m_log;
};

void runPages(BoundaryLog& log, demo::ConsoleManager& manager, ConsoleDrawArea& windowA, ConsoleDrawArea& windowB)
{
    integration::PageManagerInterface& pages = manager.getPageManager();
    log.road("Pages created by the host, and a frame");

    log.host("adds a page shown in " + windowA.name());
    integration::PageInterface& first = pages.addPage(&windowA);
    log.host("adds a page shown in " + windowB.name());
    integration::PageInterface& second = pages.addPage(&windowB);
    log.host("renames the first page \"Overview\"");
    first.setName("Overview");

    log.host("switches to the first page");
    pages.setCurrentPage(first);
    log.engine("draws its current page");
    sim::drawCurrentPage();

    log.host(windowB.name() + " is exposed twice (partly, then fully); the damage waits for idle time");
    windowB.expose(false);
    windowB.expose(true);
    manager.monitor().idle();

    log.road("A page the engine asks for");
    log.engine("asks for a new page with the layout \"sales.lay\"");
    sim::requestPage({"-layout", "sales.lay"});
    log.engine("draws its current page");
    sim::drawCurrentPage();

    log.road("An interrupted frame, repaired at idle time");
    log.host("pushes an interrupted-plot repairer; the user interrupts the next frame");
    pages.pushPageRenderDecider(boost::make_shared<integration::InterruptedPlotRepairer>());
    sim::setInterruptFlag(true);
    log.engine("draws its current page, interrupted");
    sim::drawCurrentPage();
    sim::setInterruptFlag(false);
    manager.monitor().idle();

    log.road("Pages deleted");
    log.engine("deletes " + describe(second) + " by itself");
    sim::deletePage(second.getUniqueID());
    log.host("asks for the first page to be deleted");
    pages.deletePage(first);
    log.library(std::to_string(pages.pageCount()) + " page(s) left");
}

// The user drags in the window of the current page; the engine sees it at
// the host's next idle time.
void dragInWindow(BoundaryLog& log, demo::ConsoleManager& manager, ConsoleDrawArea& window,
                  integration::PageInterface& page)
{
    log.road("A mouse drag in a drawing area");
    demo::ConsoleMonitor& monitor = manager.monitor();
    monitor.buttonChanged(LeftButton, true);
    window.userPresses(LeftButton, 100, 100);
    window.userMoves(140, 120);
    monitor.buttonChanged(LeftButton, false);
    window.userReleases(LeftButton, 140, 120);
    log.library("nothing has reached the engine yet: the input waits for idle time");
    monitor.idle();
    const sim::PageState* state = sim::findPage(page.getUniqueID());
    log.library("the engine panned the page by (" + std::to_string(static_cast<int>(state->view.panX)) + ", " +
                std::to_string(static_cast<int>(state->view.panY)) + ")");
}

void busyWithKeyInterrupt(BoundaryLog& log, demo::ConsoleManager& manager, ConsoleDrawArea& window)
{
    log.road("Staying responsive while the engine is busy; a key press interrupts");
    demo::ConsoleMonitor& monitor = manager.monitor();
    static const int toolbar = 0;
    monitor.post("a repaint of the tool bar", [] {});
    monitor.post("a press in the plot window (queued for idle time)", [&] {
        monitor.buttonChanged(LeftButton, true);
        window.userPresses(LeftButton, 10, 10);
    });
    monitor.post("the user presses 'x' in the tool bar", [&] { monitor.userPressesKey(&toolbar, 'x'); });
    log.engine("starts a long operation of 10 steps");
    log.library(sim::runBusyOperation(10) ? "the operation completed" : "the operation was interrupted");
    monitor.buttonChanged(LeftButton, false);
    window.userReleases(LeftButton, 10, 10);
    monitor.idle();
    log.library("the engine still reports its interrupt after the press: the rest of the queue (the release) "
                "was dropped");
}

void busyWithStopButton(BoundaryLog& log, demo::ConsoleManager& manager)
{
    log.road("An active stop button holds back other input; Escape gets through");
    demo::ConsoleMonitor& monitor = manager.monitor();
    const auto stopButton = boost::make_shared<demo::ConsoleStopButton>();
    log.host("shows its Stop button: registerStopButton");
    manager.getEventManager().registerStopButton(stopButton);
    static const int toolbar = 0;
    monitor.post("the user clicks the tool bar", [&] { monitor.userClicks(&toolbar); });
    log.engine("starts a long operation of 3 steps");
    log.library(sim::runBusyOperation(3) ? "the operation completed: the click was deferred"
                                         : "the operation was interrupted");
    monitor.post("the user presses Escape", [&] { monitor.userPressesKey(&toolbar, EscapeKey); });
    log.engine("starts a long operation of 3 steps");
    log.library(sim::runBusyOperation(3) ? "the operation completed" : "the operation was interrupted by Escape");
    manager.getEventManager().unRegisterStopButton(stopButton);
}

void serviceRequest(BoundaryLog& log)
{
    log.road("A service request");
    log.engine("asks the user a question");
    const MessageBoxReply_e reply = sim::requestMessageBox("Save the layout?", MessageBoxType_YesNo);
    log.library("the engine got reply " + std::to_string(reply) + " (Yes)");
}

int run()
{
    BoundaryLog log;
    std::cout << "Orvane integration manager - console demo against the simulated engine\n";

    // The window objects outlive the manager; their native windows close
    // before stop().
    ConsoleDrawArea windowA(log, "Window A", 800, 600);
    ConsoleDrawArea windowB(log, "Window B", 640, 480);
    ConsoleDrawAreaFactory factory(log);
    PageAnnouncer announcer(log);

    log.road("Start");
    log.host("constructs its manager and its application event monitor (which registers the busy callback)");
    demo::ConsoleManager manager(log);
    manager.connectEngineStarted([&log] { log.library("signalEngineStarted"); });
    manager.connectEngineShutdownInitiated([&log] { log.library("signalEngineShutdownInitiated"); });
    manager.connectEngineShutdownFinished([&log] { log.library("signalEngineShutdownFinished"); });
    log.host("sets its drawing-area factory and listens to the page manager");
    manager.getPageManager().setGLDrawAreaFactory(factory);
    manager.getPageManager().addListener(&announcer);

    demo::ConsoleMiscService misc;
    demo::ConsoleMessageBoxService messageBoxes(log);
    log.host("makes its services current (the miscellaneous queries before init)");
    manager.getServiceRepository().setService(&misc);
    manager.getServiceRepository().setService(&messageBoxes);

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

    runPages(log, manager, windowA, windowB);

    log.road("A page for the input roads");
    log.host("adds a page shown in " + windowA.name());
    integration::PageInterface& page = manager.getPageManager().addPage(&windowA);
    dragInWindow(log, manager, windowA, page);
    busyWithKeyInterrupt(log, manager, windowA);
    busyWithStopButton(log, manager);
    serviceRequest(log);

    log.road("Stop");
    log.host("closes its windows: each drawing area reports its native window destroyed");
    windowA.destroyWindow();
    windowB.destroyWindow();
    factory.closeWindows();
    log.host("stop() - the engine's shutdown deletes the pages left");
    manager.stop();
    manager.getPageManager().removeListener(&announcer);
    log.flushEngineCalls();

    std::cout << "\nEngine texts still held: " << sim::outstandingTexts()
              << ", engine misuses noticed: " << sim::misuses().size() << "\n";
    return sim::misuses().empty() ? 0 : 1;
}

} // namespace

int main()
{
    orvane::sdk::hostcommon::setUpHostDiagnostics();
    orvane::sdk::hostcommon::beginHostTrace();
    const int status = run();
    orvane::sdk::hostcommon::endHostTrace();
    return status;
}
