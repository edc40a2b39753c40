#ifndef ORVANE_INTEGRATION_MANAGERABSTRACT_H
#define ORVANE_INTEGRATION_MANAGERABSTRACT_H

#include "integration/ManagerInterface.h"
#include "integration/services/OffscreenImageRenderCapabilitiesInterface.h"
#include "ovtoolbox/StateChangeNotifier.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace integration {

class ApplicationEventMonitorInterface;

namespace intern {
class DialogManager;
class EventManager;
class PageManager;
class RenderlessGLDrawAreaFactory;
} // namespace intern
namespace services {
namespace intern {
class ServiceRepository;
}
} // namespace services

// The class a host subclasses to run the engine: construct it once, make the
// services current, init() with the command line and the engine's home
// directory, start(), run the GUI event loop, stop(). It owns every
// sub-manager, has them register their engine callbacks, announces the
// engine's start and shutdown, and reports every start-up failure as a
// ManagerStartReturnCode_e (never thrown).
class OVSDK_INTEGRATION_EXPORT ManagerAbstract : public virtual ManagerInterface
{
public:
    // Answers the capability queries from the owner's offscreen-rendering flag.
    class OVSDK_INTEGRATION_EXPORT OffscreenImageRenderCapabilities
        : public virtual services::OffscreenImageRenderCapabilitiesInterface
    {
    public:
        // Answers for `owner`, which outlives it.
        explicit OffscreenImageRenderCapabilities(ManagerAbstract& owner);
        // Not disabled by the owner.
        bool isOffscreenRenderingAvailable() override;
        // Follows isOffscreenRenderingAvailable(), also when a subclass overrides it.
        bool isOffscreenExportAvailable() override;

    private:
        ManagerAbstract* m_owner;
    };

    // Learns that the engine has begun to quit (state change 15), fires the
    // owner's shutdown-initiated signal and detaches itself.
    class OVSDK_INTEGRATION_EXPORT StateChangeListener : public virtual orvane::toolbox::StateChangeListenerInterface
    {
    public:
        // Listens for `owner`, which outlives it; attached by init().
        explicit StateChangeListener(ManagerAbstract& owner);
        // Fires the owner's signalEngineShutdownInitiated on state change 15,
        // once, and detaches itself; ignores every other change.
        //
        // @thread_safety Called on the GUI thread, inside the engine's callback.
        void stateChanged(const orvane::toolbox::StateChangeEventInterface& event,
                          orvane::toolbox::StateChangeNotifier& notifier) override;
        // Leaves detaching to the owner's destructor.
        ~StateChangeListener() override;

    private:
        ManagerAbstract* m_owner;
    };

    // Makes the page manager, the service repository and the listeners; calls
    // no engine function.
    //
    // @thread_safety Construct it on the GUI thread.
    ManagerAbstract();
    // Destroys the sub-managers. Call stop() first: without it the engine keeps
    // running and the event manager is leaked on purpose (taking it down
    // talks to the host's monitor, which is usually gone by then).
    ~ManagerAbstract() override;

    PageManagerInterface& getPageManager() override;
    EventManagerInterface& getEventManager() override;
    DialogManagerInterface& getDialogManager() override;
    services::ServiceRepositoryInterface& getServiceRepository() override;
    std::string returnCodeString(ManagerStartReturnCode_e code) override;
    ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory,
                                  StateModernizationLevel_e level) override;
    ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory) override;
    ManagerStartReturnCode_e start() override;
    void stop() override;
    std::string getHelpAbout() const override;
    bool isInBatchMode() const override;

    // The host's application event monitor, normally its subclass of
    // intern::ApplicationEventMonitorAbstract. Asked by init(): the event
    // manager listens to it, and outside batch mode its isReady() decides
    // whether init() succeeds.
    virtual ApplicationEventMonitorInterface& getApplicationEventMonitor() = 0;

protected:
    // The event manager (with the page manager, the host's monitor and the
    // miscellaneous-queries service current now), then the dialog manager.
    virtual void subManagersInstantiate();
    // The page manager's engine callbacks, then the event manager's.
    virtual void subManagersRegisterCallbacks();
    // The event manager, then the dialog manager.
    virtual void subManagersDestroy();
    // The answers to the offscreen capability queries; the nested
    // OffscreenImageRenderCapabilities object unless a subclass overrides it.
    virtual services::OffscreenImageRenderCapabilitiesInterface& getOffscreenImageRenderCapabilities();

private:
    // The page manager, with the renderless factory as its drawing-area
    // factory until the host sets its own.
    void initializePageManager();
    ManagerStartReturnCode_e preScanCommandLine(int argc, char* const* argv, std::string& homeDirectory);
    ManagerStartReturnCode_e initializeEngine(int argc, char* const* argv, const std::string& homeDirectory,
                                              StateModernizationLevel_e level);
    static ManagerStartReturnCode_e translateOrvEngInitReturnCode(int result);
    void finalShutdown();
    void fireShutdownInitiated();
    void fireShutdownFinished();

    bool m_offscreenImageRenderingDisabled;
    bool m_isInBatchMode;
    bool m_engineInitialized;
    bool m_engineShutdownFinished;
    // While stop() shuts the engine down: a stop() from host code the
    // shutdown calls leaves it to the one under way.
    bool m_shuttingDown;
    // Owned here and destroyed last; the pages themselves are deleted only
    // when the engine reports them destroyed (stop() shuts the engine down).
    std::unique_ptr<intern::PageManager> m_pageManager;
    // Both live from init() to stop().
    std::unique_ptr<intern::EventManager> m_eventManager;
    std::unique_ptr<intern::DialogManager> m_dialogManager;
    std::unique_ptr<services::intern::ServiceRepository> m_serviceRepository;
    std::unique_ptr<intern::RenderlessGLDrawAreaFactory> m_glDrawAreaFactory;
    std::unique_ptr<StateChangeListener> m_stateChangeListener;
    std::unique_ptr<OffscreenImageRenderCapabilities> m_offscreenImageRenderCapabilities;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MANAGERABSTRACT_H
