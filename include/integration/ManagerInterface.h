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
        ManagerStartReturnCode_Ok = 0,
        ManagerStartReturnCode_HomeDirectoryNotSpecified = 1,
        ManagerStartReturnCode_InternalInitializationError = 5,
        ManagerStartReturnCode_EngineNotInitialized = 6
    };

    typedef boost::signals2::signal<void()> EngineSignal;

    ManagerInterface();

    virtual PageManagerInterface& getPageManager() = 0;
    virtual EventManagerInterface& getEventManager() = 0;
    virtual DialogManagerInterface& getDialogManager() = 0;
    virtual services::ServiceRepositoryInterface& getServiceRepository() = 0;
    // The text of a start-up result; empty for 255 and unknown values.
    virtual std::string returnCodeString(ManagerStartReturnCode_e code) = 0;
    // Initialises the engine with the host's command line followed by "-h"
    // and the home directory ("-h DIR" on the command line overrides it;
    // "-b" or "-B" is batch mode; a null argv is an empty command line),
    // then creates the event and dialog managers and registers the engine
    // callbacks. Failures are returned as
    // codes, never thrown. The "init.no-misc-service" report is made once
    // the engine is initialised: an exception of the diagnostics handler
    // there is not passed on, and init goes on.
    virtual ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory,
                                          StateModernizationLevel_e level) = 0;
    virtual ManagerStartReturnCode_e init(int argc, char* const* argv, std::string homeDirectory) = 0;
    virtual ManagerStartReturnCode_e start() = 0;
    // Shuts the engine down: signalEngineShutdownInitiated (unless the
    // engine's quit state change fired it already), OrvEngInitiateShutdown,
    // OrvEngFinalizeShutdown, signalEngineShutdownFinished, then the event
    // and dialog managers go. Does nothing before init() and after an
    // earlier stop().
    //
    // Thread: the GUI thread only; from another it is reported
    // ("thread.not-init-thread") and goes on. Re-entrancy: refused inside a
    // busy pass (from the host's processPendingEvents, or anything it
    // calls), as the shutdown would pull the engine and the event manager
    // from under the operation that runs: it is reported
    // ("reentry.stop-while-busy") and throws orvane::ExceptionBase, with no
    // engine call; call it once the operation has returned. Refused the same
    // way from a listener or slot of a page announcement
    // ("reentry.stop-in-announcement"). Exceptions of the signals' slots pass
    // on.
    virtual void stop() = 0;
    virtual std::string getHelpAbout() const = 0;
    virtual bool isInBatchMode() const = 0;

private:
    virtual void signalEngineStartedConnected() const;
    virtual void signalEngineShutdownInitiatedConnected() const;
    virtual void signalEngineShutdownFinishedConnected() const;

public:
    virtual ~ManagerInterface();

    EngineSignal signalEngineStarted;
    EngineSignal signalEngineShutdownInitiated;
    EngineSignal signalEngineShutdownFinished;

    // Each connects at the back of the signal's slots, then calls the
    // signal's ...Connected() hook.
    boost::signals2::connection connectEngineStarted(const EngineSignal::slot_type& slot);
    boost::signals2::connection connectEngineShutdownInitiated(const EngineSignal::slot_type& slot);
    boost::signals2::connection connectEngineShutdownFinished(const EngineSignal::slot_type& slot);

private:
    ManagerInterface(const ManagerInterface&) = delete;
    ManagerInterface& operator=(const ManagerInterface&) = delete;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_MANAGERINTERFACE_H
