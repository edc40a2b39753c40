// What the GLFW and GTK demos' sessions do alike, in the order the library
// needs: the kit's services current and its window factory the page
// manager's before init, init and start, OpenGL drawing in the simulated
// engine through the kit's context, the repairer of interrupted frames, a
// redraw after each view change, the account listening; focus making the
// page of a window current, a closed window's page deleted; and at the
// end the windows closed before the engine stops.
#ifndef DEMO_SCRIPT_DEMOSESSIONBASE_H
#define DEMO_SCRIPT_DEMOSESSIONBASE_H

#include "AccountedPlotRepairer.h"
#include "BoundaryListeners.h"
#include "DemoToolkit.h"
#include "ViewChangeRedrawer.h"

#include "ovsdkbase/SimulatedEngine.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <boost/shared_ptr.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class BoundaryAccount;

namespace orvane {
namespace sdk {
namespace integration {
class GLDrawAreaFactoryInterface;
class PageInterface;
namespace services {
class ServiceInterface;
} // namespace services
} // namespace integration
} // namespace sdk
} // namespace orvane

class DemoSessionBase : public DemoToolkit
{
public:
    // The subclass's destructor calls stop().
    ~DemoSessionBase() override;
    DemoSessionBase(const DemoSessionBase&) = delete;
    DemoSessionBase& operator=(const DemoSessionBase&) = delete;

    // init and start; false (told to the account) when either fails.
    virtual bool start(const std::string& program, const std::string& homeDirectory) = 0;
    // Closes every window (their pages go), then shuts the engine down.
    void stop();
    const AccountedPlotRepairer& repairer() const override;

protected:
    // Where the windows go and their size, logical pixels; how long to let
    // the window system catch up before the screen is read again.
    static const int WindowWidth = 480;
    static const int WindowHeight = 360;
    static const int HostWindowX = 40;
    static const int EngineWindowX = 560;
    static const int WindowY = 60;
    static const int ScreenWaitMicroseconds = 5000;

    explicit DemoSessionBase(BoundaryAccount& account);

    // init and start with the kit's `services` and `factory`; then the
    // engine draws with the OpenGL `procAddress` gives, and the view
    // redrawer runs its redraws through `later`. False (told to the
    // account) when init or start fails.
    bool startEngine(const std::string& program, const std::string& homeDirectory,
                     const std::vector<orvane::sdk::integration::services::ServiceInterface*>& services,
                     orvane::sdk::integration::GLDrawAreaFactoryInterface& factory,
                     orvane::sim::GetProcAddress_pf procAddress,
                     std::function<void(std::function<void()>)> later);
    // Deletes the windows (the drawing areas go before the engine stops).
    virtual void closeWindows() = 0;
    // Focus makes the page of the window current: the host's choice, which
    // the library leaves to it.
    void followFocus(orvane::sdk::integration::GLDrawAreaInterface& drawArea);
    // Deletes the page of a window the user closes (the window goes after).
    void deletePageOf(orvane::sdk::integration::GLDrawAreaInterface* window);

    BoundaryAccount& m_account;

private:
    orvane::sdk::integration::PageInterface* pageShownIn(orvane::sdk::integration::GLDrawAreaInterface* window);
    void listen(bool on);

    PageAccount m_pageAccount;
    InputAccount m_inputAccount;
    boost::shared_ptr<AccountedPlotRepairer> m_repairer;
    std::unique_ptr<ViewChangeRedrawer> m_viewRedrawer;
    SignalConnectionCollection m_focusConnections;
    bool m_running;
};

#endif // DEMO_SCRIPT_DEMOSESSIONBASE_H
