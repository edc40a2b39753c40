// A console host: runs every road through the integration manager against
// the simulated engine and prints what crosses the boundary between the
// host, the library and the engine.
#include "BoundaryLog.h"
#include "ConsoleHost.h"

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <boost/make_shared.hpp>

#include <iostream>

namespace integration = orvane::sdk::integration;
namespace sim = orvane::sim;

namespace {

const int EscapeKey = 27;
const demo::MouseButton LeftButton = integration::MouseEventInterface::MouseButton_1;

std::string code(integration::ManagerAbstract& manager, integration::ManagerInterface::ManagerStartReturnCode_e result)
{
    return std::to_string(result) + " \"" + manager.returnCodeString(result) + "\"";
}

void startUp(BoundaryLog& log, demo::ConsoleManager& manager, demo::ConsoleMiscService& misc,
             demo::ConsoleMessageBoxService& messageBoxes)
{
    log.road("Start");
    log.host("makes its services current (the miscellaneous queries first: events read the keyboard through it)");
    manager.getServiceRepository().setService(&misc);
    manager.getServiceRepository().setService(&messageBoxes);

    char program[] = "console-demo";
    char* argv[] = {program};
    log.host("init(\"console-demo\", home directory \"/opt/orvane\")");
    const auto initResult = manager.init(1, argv, "/opt/orvane");
    log.library("init answers " + code(manager, initResult));
    log.host("start()");
    const auto startResult = manager.start();
    log.library("start answers " + code(manager, startResult));
}

integration::PageInterface& showPage(BoundaryLog& log, demo::ConsoleManager& manager, demo::ConsoleDrawArea& window)
{
    log.road("A page created by the host");
    log.host("addPage(plot window)");
    integration::PageInterface& page = manager.getPageManager().addPage(&window);
    log.library("the page is the engine's current page, unique id " + std::to_string(page.getUniqueID()));

    log.road("A frame");
    log.host("(the engine draws its current page)");
    sim::drawCurrentPage();
    return page;
}

void dragInWindow(BoundaryLog& log, demo::ConsoleManager& manager, demo::ConsoleDrawArea& window,
                  integration::PageInterface& page)
{
    log.road("A mouse drag in a drawing area");
    window.userPresses(LeftButton, 100, 100);
    window.userMoves(140, 120);
    window.userReleases(LeftButton, 140, 120);
    log.library("nothing reaches the engine yet: the input waits for idle time");
    manager.monitor().idle();
    const sim::PageState* state = sim::findPage(page.getUniqueID());
    log.library("the engine panned the page by (" + std::to_string(static_cast<int>(state->view.panX)) + ", " +
                std::to_string(static_cast<int>(state->view.panY)) + ")");
}

void busyWithKeyInterrupt(BoundaryLog& log, demo::ConsoleManager& manager, demo::ConsoleDrawArea& window)
{
    log.road("Staying responsive while the engine is busy; a key press interrupts");
    demo::ConsoleMonitor& monitor = manager.monitor();
    static const int toolbar = 0;
    monitor.post("a repaint of the tool bar", [] {});
    monitor.post("a press in the plot window (queued for idle time)", [&] { window.userPresses(LeftButton, 10, 10); });
    monitor.post("the user presses 'x' in the tool bar", [&] { monitor.userPressesKey(&toolbar, 'x'); });
    log.host("(the engine starts a long operation of 10 steps)");
    const bool completed = sim::runBusyOperation(10);
    log.library(completed ? "the operation completed" : "the operation was interrupted");
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
    log.host("(the engine starts a long operation of 3 steps)");
    log.library(sim::runBusyOperation(3) ? "the operation completed: the click was deferred"
                                         : "the operation was interrupted");
    monitor.post("the user presses Escape", [&] { monitor.userPressesKey(&toolbar, EscapeKey); });
    log.host("(the engine starts a long operation of 3 steps)");
    log.library(sim::runBusyOperation(3) ? "the operation completed" : "the operation was interrupted by Escape");
    manager.getEventManager().unRegisterStopButton(stopButton);
}

void serviceRequest(BoundaryLog& log)
{
    log.road("A service request");
    log.host("(the engine asks the user a question)");
    const MessageBoxReply_e reply = sim::requestMessageBox("Save the layout?", MessageBoxType_YesNo);
    log.library("the engine got reply " + std::to_string(reply));
}

int run()
{
    BoundaryLog log;
    std::cout << "Orvane integration manager - console demo against the simulated engine\n";

    log.road("Construction");
    log.host("constructs its manager and its application event monitor");
    demo::ConsoleManager manager(log);
    manager.connectEngineStarted([&log] { log.library("signalEngineStarted"); });
    manager.connectEngineShutdownInitiated([&log] { log.library("signalEngineShutdownInitiated"); });
    manager.connectEngineShutdownFinished([&log] { log.library("signalEngineShutdownFinished"); });
    demo::ConsoleMiscService misc;
    demo::ConsoleMessageBoxService messageBoxes(log);
    demo::ConsoleDrawArea window(log, manager.monitor(), "plot window");

    startUp(log, manager, misc, messageBoxes);
    integration::PageInterface& page = showPage(log, manager, window);
    dragInWindow(log, manager, window, page);
    busyWithKeyInterrupt(log, manager, window);
    busyWithStopButton(log, manager);
    serviceRequest(log);

    log.road("Stop");
    log.host("stop()");
    manager.stop();
    log.flushEngineCalls();

    std::cout << "\nEngine texts still held: " << sim::outstandingTexts()
              << ", engine misuses noticed: " << sim::misuses().size() << "\n";
    return sim::misuses().empty() ? 0 : 1;
}

} // namespace

int main()
{
    return run();
}
