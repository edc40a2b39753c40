#ifndef ORVANE_INTEGRATION_MANAGERINTERFACE_H
#define ORVANE_INTEGRATION_MANAGERINTERFACE_H

#include "ovsdkbase.h"
#include "util/Export.h"

#include <boost/signals2/signal.hpp>

#include <string>

namespace orvane {
namespace sdk {
namespace integration {

class PageManagerInterface;
class EventManagerInterface;
class DialogManagerInterface;
namespace services {
class ServiceRepositoryInterface;
}

// The public face of one running engine: its start-up, shutdown and
// sub-managers. A host gets one by subclassing ManagerAbstract.
class OVSDK_INTEGRATION_EXPORT ManagerInterface
{
public:
    // Start-up results. Int-sized: the translation of an engine result also
    // produces the bare value 255, which has no name and no text.
    enum ManagerStartReturnCode_e : int
    {
        // Success.
        ManagerStartReturnCode_Ok = 0,
        // init() found no home directory: none given, "-h" last on the
        // command line, or an empty one.
        ManagerStartReturnCode_HomeDirectoryNotSpecified = 1,
        // The engine failed to initialise (its result 3) or to start, or the
        // monitor was not ready.
        ManagerStartReturnCode_InternalInitializationError = 5,
        // start() before a successful init().
        ManagerStartReturnCode_EngineNotInitialized = 6
    };

    // The signal of an engine start or shutdown step.
    typedef boost::signals2::signal<void()> EngineSignal;

    // Made as part of ManagerAbstract.
    ManagerInterface();

    // The page manager; it exists from construction on.
    virtual PageManagerInterface& getPageManager() = 0;
    // The event manager.
    //
    // @errors orvane::ExceptionBase outside the time between a successful
    // init() and stop(); no report.
    virtual EventManagerInterface& getEventManager() = 0;
    // The dialog manager.
    //
    // @errors orvane::ExceptionBase outside the time between a successful
    // init() and stop(); no report.
    virtual DialogManagerInterface& getDialogManager() = 0;
    // The service repository, through which services are made current; it
    // exists from construction on.
    virtual services::ServiceRepositoryInterface& getServiceRepository() = 0;
    // The text of a start-up result: "Ok", "Home Directory Not Specified",
    // "Internal Initialization Error", "The Orvane Engine is not
    // initialized. Call the init() method."; empty for 255 and unknown
    // values.
    virtual std::string returnCodeString(ManagerStartReturnCode_e code) = 0;
    // Initialises the engine with the host's command line ("-h DIR" overrides
    // `homeDirectory`, "-b" or "-B" is batch mode), creates the event and
    // dialog managers and registers the engine callbacks.
    //
    // @thread_safety GUI thread: later calls are checked against its thread.
    // @reentrancy Call it once, before start(), outside any engine call.
    // @errors Failures are returned as codes, never thrown; report
    // `init.no-misc-service`. See `docs/host-guide.md#starting-and-stopping`.
    virtual ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory,
                                          StateModernizationLevel_e level) = 0;
    // init() with the engine's default modernization level (0).
    virtual ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory) = 0;
    // Starts the engine (OrvEngStartup), then fires signalEngineStarted.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy Call it once, after a successful init(), outside any
    // engine call.
    // @errors ManagerStartReturnCode_EngineNotInitialized before init() (or
    // after stop()); ManagerStartReturnCode_InternalInitializationError when
    // the engine fails to start, with no signal. Slots' exceptions pass on.
    virtual ManagerStartReturnCode_e start() = 0;
    // Shuts the engine down and destroys the event and dialog managers; does
    // nothing before init(), after an earlier stop() and from host code that
    // stop()'s shutdown calls (the one under way goes on).
    //
    // @thread_safety GUI thread only; checked: reports `thread.not-init-thread`.
    // @reentrancy Also inside a busy pass or a page announcement: the engine
    // shuts down at once, and what is in use below the call goes when the
    // outermost call into the library returns: see
    // `docs/host-guide.md#starting-and-stopping`.
    // @errors Exceptions of the signals' slots pass on.
    virtual void stop() = 0;
    // The engine's "about" text (OrvEngGetHelpAbout); empty when it has none.
    virtual std::string getHelpAbout() const = 0;
    // Whether the last init() found "-b" or "-B" on the command line.
    virtual bool isInBatchMode() const = 0;

private:
    virtual void signalEngineStartedConnected() const;
    virtual void signalEngineShutdownInitiatedConnected() const;
    virtual void signalEngineShutdownFinishedConnected() const;

public:
    // Destroying the manager without stop() leaves the engine running.
    virtual ~ManagerInterface();

    // The engine has started (end of start()).
    EngineSignal signalEngineStarted;
    // The engine's shutdown begins: from stop(), or from the engine's own
    // quit (state change 15), whichever comes first; once per init().
    EngineSignal signalEngineShutdownInitiated;
    // The engine's shutdown has finished (in stop()).
    EngineSignal signalEngineShutdownFinished;

    // Connects `slot` at the back of signalEngineStarted, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectEngineStarted(const EngineSignal::slot_type& slot);
    // Connects `slot` at the back of signalEngineShutdownInitiated, then
    // calls its ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectEngineShutdownInitiated(const EngineSignal::slot_type& slot);
    // Connects `slot` at the back of signalEngineShutdownFinished, then
    // calls its ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectEngineShutdownFinished(const EngineSignal::slot_type& slot);

private:
    ManagerInterface(const ManagerInterface&) = delete;
    ManagerInterface& operator=(const ManagerInterface&) = delete;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MANAGERINTERFACE_H
