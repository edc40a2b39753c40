// One engine session as a GTK application has it, in the order the library
// needs: idle actions from GLib's main loop, the services (the
// miscellaneous queries before init), the manager with the kit's
// application event monitor, init and start, OpenGL drawing in the
// simulated engine, the repairer of interrupted frames, and the windows:
// the host's own, and one for each page the engine asks for. Closing a
// window deletes its page, then the window. The account hears what crosses
// the boundary.
#ifndef GTK_DEMO_DEMOSESSION_H
#define GTK_DEMO_DEMOSESSION_H

#include "AccountedPlotRepairer.h"
#include "BoundaryListeners.h"
#include "ViewChangeRedrawer.h"

#include "ovsdkgtkhost/GtkApplicationEventMonitor.h"
#include "ovsdkgtkhost/GtkDialogs.h"
#include "ovsdkgtkhost/GtkGLDrawArea.h"
#include "ovsdkgtkhost/GtkGLDrawAreaFactory.h"
#include "ovsdkgtkhost/GtkIdleScheduler.h"
#include "ovsdkgtkhost/GtkManagerMiscService.h"
#include "ovsdkgtkhost/GtkOffscreenImageService.h"

#include "integration/ManagerAbstract.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <boost/shared_ptr.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class BoundaryAccount;

class DemoSession
{
public:
    explicit DemoSession(BoundaryAccount& account);
    // Closes the windows and stops the engine if it still runs.
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // init and start; false (told to the account) when either fails.
    bool start(const std::string& program, const std::string& homeDirectory);
    // Closes every window (their pages go), then shuts the engine down.
    void stop();

    // The host's own window with a page the host adds to it.
    orvane::sdk::gtkhost::GtkGLDrawArea& openHostWindow();
    orvane::sdk::gtkhost::GtkGLDrawArea* hostWindow();
    // The window of the page the engine asked for last; null without one.
    orvane::sdk::gtkhost::GtkGLDrawArea* engineWindow();
    // Whether any window is left.
    bool hasWindows() const;
    // Runs `task` from the main loop when it is idle next (dropped when the
    // session goes first).
    void later(std::function<void()> task);

    orvane::sdk::integration::ManagerAbstract& manager();
    const AccountedPlotRepairer& repairer() const;

private:
    class Manager : public orvane::sdk::integration::ManagerAbstract
    {
    public:
        Manager();
        orvane::sdk::integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
        orvane::sdk::gtkhost::GtkApplicationEventMonitor& monitor();

    private:
        orvane::sdk::gtkhost::GtkApplicationEventMonitor m_monitor;
    };

    void placeEngineWindow(orvane::sdk::gtkhost::GtkGLDrawArea* drawArea);
    // Shows the window at x; closing it closes the page.
    void show(orvane::sdk::gtkhost::GtkGLDrawArea& drawArea, int x);
    // Focus makes the page of the window current: the host's choice, which
    // the library leaves to it.
    void followFocus(orvane::sdk::gtkhost::GtkGLDrawArea& drawArea);
    orvane::sdk::integration::PageInterface* pageShownIn(orvane::sdk::gtkhost::GtkGLDrawArea* window);
    // The user closes `window`: its page goes, then the window.
    void close(orvane::sdk::gtkhost::GtkGLDrawArea* window);
    void listen(bool on);
    void runLater();

    BoundaryAccount& m_account;
    orvane::sdk::gtkhost::GtkIdleScheduler m_idleScheduler;
    orvane::sdk::gtkhost::GtkManagerMiscService m_misc;
    orvane::sdk::gtkhost::GtkOffscreenImageService m_offscreen;
    orvane::sdk::gtkhost::GtkMessageBoxService m_messageBox;
    orvane::sdk::gtkhost::GtkDialogGetSimpleTextService m_simpleText;
    orvane::sdk::gtkhost::GtkGLDrawAreaFactory m_drawAreaFactory;
    Manager m_manager;
    PageAccount m_pageAccount;
    InputAccount m_inputAccount;
    boost::shared_ptr<AccountedPlotRepairer> m_repairer;
    std::unique_ptr<ViewChangeRedrawer> m_viewRedrawer;
    std::vector<std::unique_ptr<orvane::sdk::gtkhost::GtkGLDrawArea>> m_windows;
    orvane::sdk::gtkhost::GtkGLDrawArea* m_host;
    SignalConnectionCollection m_focusConnections;
    std::vector<std::function<void()>> m_later;
    unsigned m_laterSource;
    bool m_running;
};

#endif // GTK_DEMO_DEMOSESSION_H
