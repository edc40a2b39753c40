// A console host: runs the simulated engine through the integration manager
// and prints what crosses the boundary: the host adds pages shown in its
// (windowless) drawing areas and switches between them, the engine creates,
// draws and deletes pages, and an interrupted frame is repaired at idle time.
#include "BoundaryLog.h"
#include "ConsoleDrawArea.h"
#include "ConsoleDrawAreaFactory.h"

#include "integration/InterruptedPlotRepairer.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

#include <boost/make_shared.hpp>

#include <iostream>

namespace integration = orvane::sdk::integration;
namespace sim = orvane::sim;

namespace {

// The host's manager: nothing to add beyond what ManagerAbstract does.
class ConsoleManager : public integration::ManagerAbstract
{
};

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

// The host's idle time: the library's idle work, then the engine's.
void idle(BoundaryLog& log)
{
    log.host("is idle: runs the library's idle actions, then the engine's idle tasks");
    orvane::sdk::ui::common::processIdleActions();
    sim::processIdleTasks();
}

void runPages(BoundaryLog& log, integration::ManagerAbstract& manager, ConsoleDrawArea& windowA,
              ConsoleDrawArea& windowB)
{
    integration::PageManagerInterface& pages = manager.getPageManager();

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
    idle(log);

    log.engine("asks for a new page with the layout \"sales.lay\"");
    sim::requestPage({"-layout", "sales.lay"});
    log.engine("draws its current page");
    sim::drawCurrentPage();

    log.host("pushes an interrupted-plot repairer; the user interrupts the next frame");
    pages.pushPageRenderDecider(boost::make_shared<integration::InterruptedPlotRepairer>());
    sim::setInterruptFlag(true);
    log.engine("draws its current page, interrupted");
    sim::drawCurrentPage();
    sim::setInterruptFlag(false);
    idle(log);

    log.engine("deletes " + describe(second) + " by itself");
    sim::deletePage(second.getUniqueID());
    log.host("asks for the first page to be deleted");
    pages.deletePage(first);
    log.library(std::to_string(pages.pageCount()) + " page(s) left");
}

int run()
{
    BoundaryLog log;
    std::cout << "Orvane integration manager - console demo against the simulated engine\n";

    // The host's windows outlive the manager's pages.
    ConsoleDrawArea windowA(log, "Window A", 800, 600);
    ConsoleDrawArea windowB(log, "Window B", 640, 480);
    ConsoleDrawAreaFactory factory(log);
    PageAnnouncer announcer(log);

    log.host("constructs its manager (no engine call is made)");
    ConsoleManager manager;
    manager.connectEngineStarted([&log] { log.library("signalEngineStarted"); });
    manager.connectEngineShutdownInitiated([&log] { log.library("signalEngineShutdownInitiated"); });
    manager.connectEngineShutdownFinished([&log] { log.library("signalEngineShutdownFinished"); });
    log.host("sets its drawing-area factory and listens to the page manager");
    manager.getPageManager().setGLDrawAreaFactory(factory);
    manager.getPageManager().addListener(&announcer);

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
    return run();
}
