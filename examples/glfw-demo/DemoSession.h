// One engine session as a GLFW application has it, in the order the library
// needs: idle actions from the loop, the services (the miscellaneous
// queries before init), the manager with the kit's application event
// monitor, init and start, OpenGL drawing in the simulated engine, the
// repairer of interrupted frames, and the windows: the host's own, and one
// for each page the engine asks for. The account hears what crosses the
// boundary.
#ifndef GLFW_DEMO_DEMOSESSION_H
#define GLFW_DEMO_DEMOSESSION_H

#include "AccountedPlotRepairer.h"
#include "BoundaryListeners.h"
#include "ViewChangeRedrawer.h"

#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwDialogGetSimpleTextService.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwGLDrawAreaFactory.h"
#include "ovsdkglfwhost/GlfwIdleScheduler.h"
#include "ovsdkglfwhost/GlfwMRULayoutService.h"
#include "ovsdkglfwhost/GlfwManagerMiscService.h"
#include "ovsdkglfwhost/GlfwMessageBoxService.h"
#include "ovsdkglfwhost/GlfwOffscreenImageService.h"
#include "ovsdkglfwhost/GlfwProgressStatusService.h"
#include "ovsdkglfwhost/GlfwSelectRegionService.h"

#include "integration/ManagerAbstract.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>
#include <vector>

class BoundaryAccount;

class DemoSession
{
public:
    DemoSession(orvane::sdk::glfwhost::GlfwEventLoop& loop, BoundaryAccount& account);
    // Closes the windows and stops the engine if it still runs.
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // init and start; false (told to the account) when either fails.
    bool start(const std::string& program, const std::string& homeDirectory);
    // Closes every window (their pages go), then shuts the engine down.
    void stop();

    // The host's own window with a page the host adds to it.
    orvane::sdk::glfwhost::GlfwGLDrawArea& openHostWindow();
    orvane::sdk::glfwhost::GlfwGLDrawArea* hostWindow();
    // The window of the page the engine asked for last; null without one.
    orvane::sdk::glfwhost::GlfwGLDrawArea* engineWindow();
    // Deletes the windows the user asked to close; false once none is left.
    bool closeWindowsAskedToClose();

    orvane::sdk::integration::ManagerAbstract& manager();
    const AccountedPlotRepairer& repairer() const;

private:
    class Manager : public orvane::sdk::integration::ManagerAbstract
    {
    public:
        explicit Manager(orvane::sdk::glfwhost::GlfwEventLoop& loop);
        orvane::sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
        orvane::sdk::glfwhost::GlfwApplicationEventMonitor& monitor();

    private:
        orvane::sdk::glfwhost::GlfwApplicationEventMonitor m_monitor;
    };

    void placeEngineWindow(orvane::sdk::glfwhost::GlfwGLDrawArea* drawArea);
    // Focus makes the page of the window current: the host's choice, which
    // the library leaves to it.
    void followFocus(orvane::sdk::glfwhost::GlfwGLDrawArea& drawArea);
    orvane::sdk::integration::PageInterface* pageShownIn(orvane::sdk::glfwhost::GlfwGLDrawArea* window);
    // Deletes the page of a window the user closes (the window goes after).
    void close(orvane::sdk::glfwhost::GlfwGLDrawArea* window);
    void listen(bool on);

    orvane::sdk::glfwhost::GlfwEventLoop& m_loop;
    BoundaryAccount& m_account;
    orvane::sdk::glfwhost::GlfwIdleScheduler m_idleScheduler;
    orvane::sdk::glfwhost::GlfwManagerMiscService m_misc;
    orvane::sdk::glfwhost::GlfwOffscreenImageService m_offscreen;
    orvane::sdk::glfwhost::GlfwMessageBoxService m_messageBox;
    orvane::sdk::glfwhost::GlfwDialogGetSimpleTextService m_simpleText;
    orvane::sdk::glfwhost::GlfwProgressStatusService m_progress;
    orvane::sdk::glfwhost::GlfwSelectRegionService m_selectRegion;
    orvane::sdk::glfwhost::GlfwMRULayoutService m_recentLayouts;
    orvane::sdk::glfwhost::GlfwGLDrawAreaFactory m_drawAreaFactory;
    Manager m_manager;
    PageAccount m_pageAccount;
    InputAccount m_inputAccount;
    boost::shared_ptr<AccountedPlotRepairer> m_repairer;
    std::unique_ptr<ViewChangeRedrawer> m_viewRedrawer;
    std::unique_ptr<orvane::sdk::glfwhost::GlfwGLDrawArea> m_hostWindow;
    std::vector<std::unique_ptr<orvane::sdk::glfwhost::GlfwGLDrawArea>> m_engineWindows;
    SignalConnectionCollection m_focusConnections;
    bool m_running;
};

#endif // GLFW_DEMO_DEMOSESSION_H
