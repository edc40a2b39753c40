#include "integration/ManagerAbstract.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/StateChangeEventObservable.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/boundary/Engine.h"
#include "integration/intern/boundary/HostCalls.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "integration/intern/DialogManager.h"
#include "integration/intern/EventManager.h"
#include "integration/intern/PageManager.h"
#include "integration/intern/RenderlessGLDrawAreaFactory.h"
#include "integration/services/ManagerMiscServiceAbstract.h"
#include "integration/services/intern/ServiceRepository.h"
#include "ovexception/ExceptionBase.h"
#include "ovexception/OutOfMemoryException.h"
#include "util/FirstException.h"

#include <memory>
#include <new>
#include <vector>

namespace orvane {
namespace sdk {
namespace integration {

namespace {

// The engine's code for "the engine begins to quit".
const int StateChangeQuit = 15;

const ManagerInterface::ManagerStartReturnCode_e UnknownEngineResult =
    static_cast<ManagerInterface::ManagerStartReturnCode_e>(255);

bool isOption(const char* argument, const char* lower, const char* upper)
{
    const std::string text(argument != nullptr ? argument : "");
    return text == lower || text == upper;
}

// Thrown by the getters of sub-managers that do not exist at the moment.
[[noreturn]] void throwMissing(const char* what)
{
    throw orvane::ExceptionBase(std::string("The ") + what + " exists only between a successful init() and stop().",
                                false);
}

// The sub-managers a stop() inside another call took off the manager: in
// use below that call, they are freed when the outermost call returns, so
// that an init() in between makes new ones beside them. When the manager
// goes first, they are left as its destructor leaves an event manager (the
// host's monitor they would talk to may be gone).
struct RetiredSubManagers
{
    std::unique_ptr<intern::EventManager> events;
    std::unique_ptr<intern::DialogManager> dialogs;

    void destroy()
    {
        events.reset();
        dialogs.reset();
    }
    ~RetiredSubManagers() { (void)events.release(); }
};

} // namespace

// --- nested classes ---------------------------------------------------------

ManagerAbstract::OffscreenImageRenderCapabilities::OffscreenImageRenderCapabilities(ManagerAbstract& owner)
    : m_owner(&owner)
{
}

bool ManagerAbstract::OffscreenImageRenderCapabilities::isOffscreenRenderingAvailable()
{
    return !m_owner->m_offscreenImageRenderingDisabled;
}

bool ManagerAbstract::OffscreenImageRenderCapabilities::isOffscreenExportAvailable()
{
    return isOffscreenRenderingAvailable();
}

ManagerAbstract::StateChangeListener::StateChangeListener(ManagerAbstract& owner) : m_owner(&owner) {}

ManagerAbstract::StateChangeListener::~StateChangeListener() = default;

void ManagerAbstract::StateChangeListener::stateChanged(const orvane::toolbox::StateChangeEventInterface& event,
                                                        orvane::toolbox::StateChangeNotifier& notifier)
{
    if (event.getStateChange() != StateChangeQuit)
        return;
    // Recorded: a replay learns of the quit though no page was told of it.
    const intern::StateChangeScope heard(StateChangeQuit);
    m_owner->fireShutdownInitiated();
    notifier.removeListener(this);
}

// --- construction -----------------------------------------------------------

ManagerAbstract::ManagerAbstract()
    : m_offscreenImageRenderingDisabled(false),
      m_isInBatchMode(false),
      m_engineInitialized(false),
      m_engineShutdownFinished(true),
      m_shuttingDown(false)
{
    m_stateChangeListener.reset(new StateChangeListener(*this));
    m_serviceRepository.reset(new services::intern::ServiceRepository());
    m_offscreenImageRenderCapabilities.reset(new OffscreenImageRenderCapabilities(*this));
    initializePageManager();
}

void ManagerAbstract::initializePageManager()
{
    m_pageManager.reset(new intern::PageManager(*this));
    m_glDrawAreaFactory.reset(new intern::RenderlessGLDrawAreaFactory());
    m_pageManager->setGLDrawAreaFactory(*m_glDrawAreaFactory);
}

ManagerAbstract::~ManagerAbstract()
{
    intern::LibraryFrame::cancel(this);
    // The listener must not stay attached to the relay once it is destroyed.
    if (StateChangeEventObservable::instanceExists())
        StateChangeEventObservable::getInstance().removeListener(m_stateChangeListener.get());
    m_stateChangeListener.reset();
    m_offscreenImageRenderCapabilities.reset();
    m_glDrawAreaFactory.reset();
    // Without stop() the event manager is left as it is: taking it down talks
    // to the host's monitor, which a host usually holds in its subclass and
    // so is gone by now.
    m_eventManager.release();
    m_serviceRepository.reset();
    m_pageManager.reset();
}

// --- sub-managers -----------------------------------------------------------

PageManagerInterface& ManagerAbstract::getPageManager() { return *m_pageManager; }

EventManagerInterface& ManagerAbstract::getEventManager()
{
    if (!m_eventManager)
        throwMissing("event manager");
    return *m_eventManager;
}

DialogManagerInterface& ManagerAbstract::getDialogManager()
{
    if (!m_dialogManager)
        throwMissing("dialog manager");
    return *m_dialogManager;
}

services::ServiceRepositoryInterface& ManagerAbstract::getServiceRepository() { return *m_serviceRepository; }

void ManagerAbstract::subManagersInstantiate()
{
    m_eventManager.reset(new intern::EventManager(*m_pageManager, getApplicationEventMonitor(),
                                                  services::ManagerMiscServiceAbstract::getCurrentInstance()));
    m_dialogManager.reset(new intern::DialogManager());
}

void ManagerAbstract::subManagersRegisterCallbacks()
{
    static_cast<intern::SubManagerInterface&>(*m_pageManager).registerCallbacks();
    static_cast<intern::SubManagerInterface&>(*m_eventManager).registerCallbacks();
}

void ManagerAbstract::subManagersDestroy()
{
    m_eventManager.reset();
    m_dialogManager.reset();
}

services::OffscreenImageRenderCapabilitiesInterface& ManagerAbstract::getOffscreenImageRenderCapabilities()
{
    return *m_offscreenImageRenderCapabilities;
}

// --- start-up ---------------------------------------------------------------

std::string ManagerAbstract::returnCodeString(ManagerStartReturnCode_e code)
{
    switch (code)
    {
    case ManagerStartReturnCode_Ok:
        return "Ok";
    case ManagerStartReturnCode_HomeDirectoryNotSpecified:
        return "Home Directory Not Specified";
    case ManagerStartReturnCode_InternalInitializationError:
        return "Internal Initialization Error";
    case ManagerStartReturnCode_EngineNotInitialized:
        return "The Orvane Engine is not initialized. Call the init() method.";
    }
    return std::string();
}

ManagerInterface::ManagerStartReturnCode_e ManagerAbstract::preScanCommandLine(int argc, char* const* argv,
                                                                               std::string& homeDirectory)
{
    m_offscreenImageRenderingDisabled = false;
    m_isInBatchMode = false;
    ManagerStartReturnCode_e result = ManagerStartReturnCode_Ok;
    for (int index = 1; index < argc; ++index)
    {
        if (isOption(argv[index], "-b", "-B"))
        {
            m_isInBatchMode = true;
        }
        else if (isOption(argv[index], "-h", "-H"))
        {
            if (index + 1 < argc)
                homeDirectory = argv[++index] != nullptr ? argv[index] : "";
            else
                result = ManagerStartReturnCode_HomeDirectoryNotSpecified;
        }
    }
    if (homeDirectory.empty())
        result = ManagerStartReturnCode_HomeDirectoryNotSpecified;
    return result;
}

ManagerInterface::ManagerStartReturnCode_e ManagerAbstract::initializeEngine(int argc, char* const* argv,
                                                                             const std::string& homeDirectory,
                                                                             StateModernizationLevel_e level)
{
    try
    {
        // The host's arguments unchanged, then "-h" and the home directory;
        // no terminating null entry.
        std::string homeOption("-h");
        std::string home(homeDirectory);
        std::vector<char*> arguments(argv, argv + argc);
        arguments.push_back(&homeOption[0]);
        arguments.push_back(&home[0]);
        return translateOrvEngInitReturnCode(intern::engine::OrvEngInit(argc + 2, arguments.data(), level));
    }
    catch (const std::bad_alloc&)
    {
        return UnknownEngineResult;
    }
}

ManagerInterface::ManagerStartReturnCode_e ManagerAbstract::translateOrvEngInitReturnCode(int result)
{
    switch (result)
    {
    case 0:
        return ManagerStartReturnCode_Ok;
    case 3:
        return ManagerStartReturnCode_InternalInitializationError;
    default:
        return UnknownEngineResult;
    }
}

ManagerInterface::ManagerStartReturnCode_e ManagerAbstract::init(int argc, char* const* argv,
                                                                 std::string homeDirectory)
{
    return init(argc, argv, homeDirectory, static_cast<StateModernizationLevel_e>(0));
}

ManagerInterface::ManagerStartReturnCode_e ManagerAbstract::init(int argc, char* const* argv,
                                                                 std::string homeDirectory,
                                                                 StateModernizationLevel_e level)
{
    intern::DiagnosticReporter::recordInitThread();
    // No command line (a null argv, or a count below 0): the engine gets a
    // program name of ours, so that "-h" and the home directory stay
    // arguments.
    char programName[] = "ovsdkintegrationmanager";
    char* const placeholder[] = {programName};
    if (argv == nullptr || argc < 0)
    {
        argc = 1;
        argv = placeholder;
    }
    const intern::RequestScope request("init", nullptr);
    std::string home(homeDirectory);
    ManagerStartReturnCode_e result = preScanCommandLine(argc, argv, home);
    if (result != ManagerStartReturnCode_Ok)
        return result;

    result = initializeEngine(argc, argv, home, level);
    if (result != ManagerStartReturnCode_Ok)
    {
        finalShutdown();
        return result;
    }

    m_engineInitialized = true;
    m_engineShutdownFinished = false;

    if (services::ManagerMiscServiceAbstract::getCurrentInstance() == nullptr)
    {
        // The engine is initialised: a diagnostics handler's exception must
        // not leave it without its event manager.
        try
        {
            intern::DiagnosticReporter::report(
                intern::DiagnosticReporter::Kind_InitNoMiscService,
                "init() found no miscellaneous-queries service current: events carry no keyboard modifiers and "
                "moves with a button down never interrupt the engine. Make a ManagerMiscServiceAbstract object "
                "current before init().");
        }
        catch (...)
        {
        }
    }
    subManagersInstantiate();
    subManagersRegisterCallbacks();

    try
    {
        StateChangeEventObservable::getInstance().addListener(m_stateChangeListener.get());
    }
    catch (const orvane::OutOfMemoryException&)
    {
        return ManagerStartReturnCode_InternalInitializationError;
    }

    if (!m_isInBatchMode && !getApplicationEventMonitor().isReady())
        return ManagerStartReturnCode_InternalInitializationError;
    return ManagerStartReturnCode_Ok;
}

ManagerInterface::ManagerStartReturnCode_e ManagerAbstract::start()
{
    const intern::RequestScope request("start", nullptr);
    if (!m_engineInitialized)
        return ManagerStartReturnCode_EngineNotInitialized;
    if (intern::engine::OrvEngStartup() != TRUE)
        return ManagerStartReturnCode_InternalInitializationError;
    intern::host::call("signalEngineStarted", [this] { signalEngineStarted(); });
    return ManagerStartReturnCode_Ok;
}

// --- shutdown ---------------------------------------------------------------

void ManagerAbstract::fireShutdownInitiated()
{
    if (!m_engineInitialized)
        return;
    m_engineInitialized = false;
    signalEngineShutdownInitiated();
}

void ManagerAbstract::fireShutdownFinished()
{
    if (m_engineShutdownFinished)
        return;
    m_engineShutdownFinished = true;
    signalEngineShutdownFinished();
}

// Host code may throw on the way (the shutdown signals' slots, and page
// listeners while the engine destroys its pages): the shutdown still goes
// to its end, so that the engine is never asked to shut down again, and the
// first exception passes on afterwards.
void ManagerAbstract::finalShutdown()
{
    util::FirstException failure;
    failure.run([this] { fireShutdownInitiated(); });
    failure.run([] { intern::engine::OrvEngInitiateShutdown(TRUE); });
    failure.run([] { intern::engine::OrvEngFinalizeShutdown(); });
    failure.run([this] { fireShutdownFinished(); });
    failure.rethrow();
}

void ManagerAbstract::stop()
{
    const intern::RequestScope request("stop", "ManagerAbstract::stop()");
    if (m_engineShutdownFinished || m_shuttingDown)
        return;
    util::FirstException failure;
    m_shuttingDown = true;
    failure.run([this] { finalShutdown(); });
    m_shuttingDown = false;
    m_pageManager->stopped();
    // Inside a busy pass, an announcement or another call into the library,
    // the sub-managers may be in use below this call: they go when the
    // outermost call returns.
    if (intern::LibraryFrame::isNested())
    {
        const auto retired = std::make_shared<RetiredSubManagers>();
        retired->events = std::move(m_eventManager);
        retired->dialogs = std::move(m_dialogManager);
        intern::LibraryFrame::afterOutermost(this, [retired] { retired->destroy(); });
    }
    else
        subManagersDestroy();
    failure.rethrow();
}

// --- queries ----------------------------------------------------------------

std::string ManagerAbstract::getHelpAbout() const
{
    char* text = nullptr;
    if (intern::engine::OrvEngGetHelpAbout(&text) != TRUE)
        return std::string();
    std::string result(text != nullptr ? text : "");
    intern::engine::OrvUtilStringDealloc(&text);
    return result;
}

bool ManagerAbstract::isInBatchMode() const { return m_isInBatchMode; }

} // namespace integration
} // namespace sdk
} // namespace orvane
