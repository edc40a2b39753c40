// One session at the library's boundary decoded from bytes: host requests,
// drawing-area and application input, engine callbacks in any order (with
// hostile arguments and failing answers), interrupts, and host code that
// throws or calls back in. The model engine of the randomized model test
// takes the engine's place (this program exports its C functions); it is
// reset for each input and every registration is forgotten, so nothing
// outlives a session but the process-wide state-change relay, which
// registers again with the next session's engine.
//
// The oracle, besides the sanitizers: after every step the library and the
// engine agree on the pages and the current page; the engine sees no call
// before init or after the shutdown; every deletion asked for is carried
// out once (or set aside with its report) once the host's loop runs dry,
// and the host's last switch, when nothing else moved the pages since, is
// the engine's current page then; a removed listener hears nothing; the
// context made current for a frame is released with it; a frame is swapped
// only on the host's render decider's yes, and never while the engine is
// interrupted under the repairer; a drawing area that cannot render may not
// draw; a null stop button, decider or page listener is refused with a
// report; every offscreen image the host made is destroyed once;
// drawing-area input reaches the engine at idle time as the dispatch rules
// say (see Session's part on it); and after the session no idle work is
// left behind. A broken invariant aborts with its description and the last
// steps. The model test runs the same sessions on seeded random bytes.
#include "fuzz/BoundarySession.h"

#include "model/Agreement.h"
#include "model/ModelEngine.h"

#include "integration/Diagnostics.h"
#include "integration/DialogLauncherInterface.h"
#include "integration/DialogManagerInterface.h"
#include "integration/EventManagerInterface.h"
#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventListenerInterface.h"
#include "integration/OnIdleListenerInterface.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/InterruptedPlotRepairer.h"
#include "integration/intern/GLDrawAreaPageTracker.h"
#include "integration/intern/WorkAreaEventDispatcher.h"
#include "integration/services/OffscreenImageServiceAbstract.h"
#include "integration/services/ServiceRepositoryInterface.h"
#include "integration/Trace.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingServices.h"
#include "support/TestDrawArea.h"
#include "support/TestGLContext.h"
#include "support/TestHostManager.h"
#include "support/TestStopButton.h"

#include <boost/make_shared.hpp>
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace fuzz {
namespace {

using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;
typedef MouseEventInterface::MouseButton_e Button;

// What the session's host code throws when it misbehaves on purpose.
struct HostFault : std::runtime_error
{
    HostFault() : std::runtime_error("host fault") {}
};

// The session's choices, read from the input with libFuzzer's data
// provider (numbers from the back, texts from the front). Once the input is
// used up every pick is the last choice (the callers' quiet one), every
// number the lowest, every flag false and every text empty.
class Choices
{
public:
    Choices(const std::uint8_t* data, std::size_t size) : m_data(data, size) {}

    bool empty() { return m_data.remaining_bytes() == 0; }
    // A number in [0, count).
    unsigned pick(unsigned count)
    {
        if (count <= 1)
            return 0;
        return empty() ? count - 1 : m_data.ConsumeIntegralInRange(0u, count - 1);
    }
    int range(int lowest, int highest) { return m_data.ConsumeIntegralInRange(lowest, highest); }
    bool chance(unsigned in, unsigned outOf) { return pick(outOf) < in; }
    bool flag() { return m_data.ConsumeBool(); }
    std::string text(std::size_t longest) { return m_data.ConsumeRandomLengthString(longest); }

    // A whole number a hostile caller might pass: the edges, small ones, or any.
    int hostileInt()
    {
        const int edges[] = {0, -1, INT_MIN, INT_MAX};
        const unsigned kind = pick(8);
        return kind < 4 ? edges[kind] : kind == 4 ? range(-3, 3) : kind == 5 ? range(1, 64) : range(INT_MIN, INT_MAX);
    }
    double hostileDouble()
    {
        const double edges[] = {0.0, -1e308, 1e308, std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity()};
        const unsigned kind = pick(6);
        return kind < 5 ? edges[kind] : range(-100000, 100000) / 7.0;
    }

private:
    FuzzedDataProvider m_data;
};

class Session;

// A context that knows whether it is current, as OpenGL does: one context
// is current at a time, making another current replaces it.
class TrackedContext : public orvane::test::TestGLContext
{
public:
    explicit TrackedContext(Session& session) : m_session(&session) {}
    ~TrackedContext() override;
    bool makeCurrent() override;
    bool releaseCurrent() override;
    void swapBuffers() override;

private:
    Session* m_session;
};

typedef model::WorkAreaEvent Event;
typedef intern::WorkAreaEventDispatcher::EventInfo EventInfo;
const int Dropped = -1; // the kind of an event the dispatch rules hand over as nothing
typedef std::map<const GLDrawAreaInterface*, std::deque<Event>> Queues;

// A drawing area whose queued input goes when the library stops listening to it.
struct Area : TestDrawArea
{
    Queues* queues = nullptr;
    void removeMouseListener(MouseEventListenerInterface* listener) override
    {
        TestDrawArea::removeMouseListener(listener);
        queues->erase(this);
    }
};

// A window: its drawing area and the context the area answers with.
struct Window
{
    explicit Window(Session& session) : context(session) { area.recreatedContext = &context; }
    TrackedContext context;
    Area area;
    // The pages the area shows, counted from when the tracker began.
    std::unique_ptr<intern::GLDrawAreaPageTracker> tracker;
    int shownWhenTracked = 0;
};

class Image : public services::OffscreenImageInterface
{
public:
    explicit Image(Session& session) : m_session(&session), m_context(session) {}
    bool render(ExportRegion_e region) override;
    GLContextInterface& getGLContext() override { return m_context; }

private:
    Session* m_session;
    TrackedContext m_context;
};

class Images : public orvane::test::ResettableService<services::OffscreenImageServiceAbstract>
{
public:
    explicit Images(Session& session) : m_session(&session) {}
    services::OffscreenImageInterface* createImage(int width, int height) override;
    void destroyImage(long long imageHandle) override;
    bool getRGBRow(long long imageHandle, int row, unsigned char* red, unsigned char* green,
                   unsigned char* blue) override;

    std::set<long long> live;

private:
    Session* m_session;
};

// The screen, keyboard and mouse; output places the engine passes may be null.
class Misc : public orvane::test::FakeManagerMiscService
{
public:
    void getDotPitch(double* x, double* y) override
    {
        if (x != nullptr && y != nullptr)
            FakeManagerMiscService::getDotPitch(x, y);
    }
    void getScreenSize(int* width, int* height) override
    {
        if (width != nullptr && height != nullptr)
            FakeManagerMiscService::getScreenSize(width, height);
    }
};

// Host code of every kind the library calls: page, key, mouse and idle
// listeners, a render decider, a page change listener, a dialog launcher,
// a draw-area factory. Each call may throw, make a host request or (where
// the library must refuse it) stop the manager.
class HostCode : public PageManagerListenerInterface,
                 public PageRenderDeciderInterface,
                 public PageChangeListenerInterface,
                 public KeyEventListenerInterface,
                 public MouseEventListenerInterface,
                 public OnIdleListenerInterface,
                 public DialogLauncherInterface,
                 public GLDrawAreaFactoryInterface
{
public:
    explicit HostCode(Session& session) : m_session(&session) {}
    void pageCreated(PageInterface& page, PageManagerInterface&) override;
    void pageDestroyed(PageInterface& page, PageManagerInterface&) override;
    void currentPageChanged(PageInterface& page, PageManagerInterface&) override;
    bool shouldOpenGLBuffersBeSwapped(PageInterface& page) const override;
    void pageNameChanged(std::string, PageInterface& page) override;
    void pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface& page) override;
    void keyPressed(KeyEventInterface&, KeyEventObservableInterface&) override;
    void keyReleased(KeyEventInterface&, KeyEventObservableInterface&) override;
    void mouseMoved(MouseEventInterface&, MouseEventObservableInterface&) override;
    void buttonPressed(MouseEventInterface&, MouseEventObservableInterface&) override;
    void buttonDoublePressed(MouseEventInterface&, MouseEventObservableInterface&) override;
    void buttonReleased(MouseEventInterface&, MouseEventObservableInterface&) override;
    void onIdle(OnIdleObservableInterface&) override;
    void launch() override;
    GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList&) override;

    // Whether it is registered where it listens: it must hear nothing
    // otherwise.
    bool pageListener = false;
    bool inputListener = false;

private:
    void heard(bool registered, const char* what, PageInterface* page = nullptr);
    Session* m_session;
};

class Session
{
public:
    Session(const std::uint8_t* data, std::size_t size, std::string* failure)
        : m_in(data, size), m_failure(failure), m_code(*this), m_bystander(*this), m_images(*this)
    {
        // A fresh process, as far as the engine and the host know.
        model::reset();
        model::forgetCallbacks();
        forgetServiceRegistrations();
        model::engine().onMisuse = [this](const char* what) {
            if (!(m_nullArgumentsPassed && std::string(what).rfind("assertion ", 0) == 0))
                fail(std::string("engine misuse: ") + what);
            ++m_nullsRefused;
        };
        model::engine().onBusyStep = [this] { engineActsWhileBusy(); };
        model::engine().onWorkAreaEvent = [this](const Event& event) { handedOver(event); };
        model::engine().onInterruptQuery = [this] { interruptQueried(); };
        model::engine().onHostDeletion = [this](ArbParam_t handle) { hostDeletion(handle); };
        const unsigned setup = m_in.pick(256);
        model::engine().reportsCurrentPage = (setup & 3) != 0;
        model::engine().refusesSwitches = (setup & 12) == 4;
        m_strictRequests = strictEngine();
        Diagnostics::setCheckedMode((setup & 16) != 0);
        Diagnostics::setHandler([this](Diagnostics::Severity_e severity, const std::string& identifier,
                                       const std::string& message) { diagnostic(severity, identifier, message); });
        m_misc.makeCurrent();
        m_images.makeCurrent();
        m_messages->makeCurrent();
        m_cursor.makeCurrent();
        m_text->makeCurrent();
        m_layouts.makeCurrent();
        m_progress.makeCurrent();
        m_coordinates.makeCurrent();
        m_regions.makeCurrent();
        newManager();
    }

    ~Session()
    {
        // The host closes down: stop, let the idle loop run dry, and the
        // engine gives back every image it holds.
        m_depth = 100; // host code no longer acts
        hostFaultsEnd([this] { m_host->stop(); });
        forgetTrackers();
        hostFaultsEnd([this] { drainIdle(); });
        for (long long image : m_engineImages)
            model::callbacks().imageDestroy.callback(image, 0);
        m_engineImages.clear();
        if (!m_images.live.empty())
            fail(std::to_string(m_images.live.size()) + " offscreen images were never destroyed");
        if (model::engine().lifecycle != model::Lifecycle_Off)
            fail("the engine was not shut down by stop()");
        m_host.reset();
        m_windows.clear();
        if (orvane::sdk::ui::common::pendingIdleActions() != 0)
            fail(std::to_string(orvane::sdk::ui::common::pendingIdleActions()) +
                 " idle actions outlive the manager");
        model::engine().onMisuse = nullptr;
        model::engine().onBusyStep = nullptr;
        model::engine().onWorkAreaEvent = nullptr;
        model::engine().onInterruptQuery = nullptr;
        model::engine().onHostDeletion = nullptr;
        Diagnostics::setHandler(Diagnostics::Handler());
        Diagnostics::setCheckedMode(false);
        orvane::test::RecordingCursorShapeService::forgetLastStyle();
        // What the engine kept goes with the session: an input that ends with
        // more allocations than it began with costs the fuzzer a leak check.
        model::reset();
        model::forgetCallbacks();
    }

    void run()
    {
        while (!m_in.empty() && !m_failed)
        {
            ++m_step;
            hostFaultsEnd([this] { operation(); });
            checkInvariants();
        }
        settle();
        checkInvariants();
    }

    // --- what host code does when the library calls it -------------------

    // The part of host code the input decides: nothing, a throw, a request
    // back into the library, or (from an announcement or a busy pass) a
    // stop, which shuts the engine down at once.
    void hostCodeRuns(const char* where, PageInterface* page)
    {
        if (m_depth > 2)
            return;
        switch (m_in.pick(16))
        {
        case 0:
            note("  ", where, " throws");
            throw HostFault();
        case 1:
        case 2:
            note("  ", where, " makes a request");
            hostRequest();
            break;
        case 3:
            if (page != nullptr && m_live.count(page) != 0)
            {
                note("  ", where, " deletes its page");
                askDeletion(*page);
            }
            break;
        case 4:
            if (page != nullptr && m_live.count(page) != 0)
            {
                note("  ", where, " moves its page");
                page->setDrawArea(randomArea(true));
            }
            break;
        case 5:
            if (m_inAnnouncement > 0 || m_busyPasses > 0)
                stop(where);
            break;
        default:
            break;
        }
    }

    void announced(const char* what, PageInterface& page)
    {
        ++m_inAnnouncement;
        struct Leave
        {
            int& depth;
            ~Leave() { --depth; }
        } leave{m_inAnnouncement};
        note("  announced ", what);
        hostCodeRuns(what, &page);
    }

    void pageCreated(PageInterface& page)
    {
        m_live.insert(&page);
        if (m_in.flag())
            page.addChangeListener(&m_code);
        announced("created", page);
    }

    void pageDestroyed(PageInterface& page)
    {
        m_live.erase(&page);
        m_deletionsAsked.erase(&page);
        announced("destroyed", page);
    }

    void heardWhileRemoved(const char* what) { fail(std::string("a removed listener heard ") + what); }

    // A frame is swapped only on its decider's yes, when the host's decider decides.
    bool swapDecision(PageInterface& page)
    {
        m_deciderSaidYes = false;
        hostCodeRuns("render decider", &page);
        return m_deciderSaidYes = m_in.pick(4) != 0;
    }
    void swapped()
    {
        if (!m_deciders.empty() && m_deciders.back() && !m_deciderSaidYes)
            fail("buffers swapped without the render decider's yes");
        if (!m_deciders.empty() && !m_deciders.back() && model::engine().interrupted)
            fail("an interrupted picture swapped under the interrupted-plot repairer");
        m_deciderSaidYes = false;
    }

    GLDrawAreaInterface* areaForEnginePage()
    {
        switch (m_in.pick(5))
        {
        case 0:
            return nullptr;
        case 1:
            note("  the factory throws");
            throw HostFault();
        default:
            return randomArea(false);
        }
    }

    bool renderImage()
    {
        switch (m_in.pick(6))
        {
        case 0:
            note("  the image throws");
            throw HostFault();
        case 1:
            note("  the image fails");
            throw orvane::ExceptionBase("no graphics", false);
        case 2:
            return false;
        case 3:
            hostCodeRuns("image", nullptr);
            return true;
        default:
            return true;
        }
    }

    bool readImageRow()
    {
        if (m_in.chance(1, 12))
            throw HostFault();
        return true;
    }

    // --- the contexts ------------------------------------------------------

    void madeCurrent(const GLContextInterface* context) { m_currentContext = context; }
    void released(const GLContextInterface* context)
    {
        if (m_currentContext == context)
            m_currentContext = nullptr;
    }
    void contextGone(const GLContextInterface* context)
    {
        if (m_currentContext == context)
            m_currentContext = nullptr;
    }

    void imageMade(Image* image) { m_images.live.insert(reinterpret_cast<long long>(image)); }
    void imageDestroyed(long long handle)
    {
        if (m_images.live.erase(handle) == 0)
            fail("an offscreen image destroyed that is not live");
        else
            delete reinterpret_cast<services::OffscreenImageInterface*>(handle);
    }

private:
    // --- set-up --------------------------------------------------------------

    static void forgetServiceRegistrations()
    {
        orvane::test::ResettableService<services::ManagerMiscServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::OffscreenImageServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::MessageBoxServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::CursorShapeServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::DialogGetSimpleTextServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::MRULayoutServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::ProgressStatusServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::RunningCoordsServiceAbstract>::forgetRegistration();
        orvane::test::ResettableService<services::SelectRegionServiceAbstract>::forgetRegistration();
        orvane::test::RecordingCursorShapeService::forgetLastStyle();
    }

    PageManagerInterface& pages() { return m_host->getPageManager(); }

    // Trackers go before their page manager.
    void forgetTrackers()
    {
        for (const auto& window : m_windows)
            window->tracker.reset();
    }

    int pagesShowing(const GLDrawAreaInterface* area)
    {
        int count = 0;
        for (PageInterface* page : managedPages())
            count += page->getDrawArea() == area ? 1 : 0;
        return count;
    }
    // Where pages know their id and switches are taken, every deletion asked for is carried out.
    static bool strictEngine() { return model::engine().reportsCurrentPage && !model::engine().refusesSwitches; }
    bool running() const { return model::engine().lifecycle == model::Lifecycle_Running && m_initialized; }

    void newManager()
    {
        if (m_host)
        {
            stop("a new manager");
            forgetTrackers();
            m_host.reset();
        }
        m_host.reset(new orvane::test::TestHostManager);
        // Once the engine said it shuts down, the monitor reports no idle time.
        m_idleRefused = false;
        m_host->connectEngineShutdownInitiated([this] { m_idleRefused = true; });
        m_initialized = false;
        m_code.pageListener = false;
        m_code.inputListener = false;
        m_bystanderRegistered = false;
        m_deciders.clear();
        m_setAside = false;
        m_host->getPageManager().setGLDrawAreaFactory(m_code);
        m_host->getPageManager().addListener(&m_taken);
        m_host->getPageManager().addListener(&m_watcher);
    }

    void init()
    {
        static char program[] = "fuzz";
        static char batch[] = "-b";
        static char home[] = "-h";
        static char homeDirectory[] = "/opt/engine";
        std::vector<char*> argv{program};
        if (m_in.chance(1, 4))
            argv.push_back(batch);
        if (m_in.chance(1, 8))
            argv.push_back(home); // and nothing after it: refused
        else if (m_in.chance(1, 8))
        {
            argv.push_back(home);
            argv.push_back(homeDirectory);
        }
        const int engineResult[] = {3, 7, -1, 0, 0, 0, 0};
        model::engine().answers.initResult = engineResult[m_in.pick(7)];
        m_host->monitor.ready = m_in.pick(8) != 0;
        const std::string directory = m_in.chance(1, 8) ? std::string() : std::string("/opt/engine");
        note("init");
        const ManagerInterface::ManagerStartReturnCode_e result =
            m_host->init(static_cast<int>(argv.size()), argv.data(), directory);
        model::engine().answers.initResult = 0;
        m_initialized = model::engine().lifecycle == model::Lifecycle_Running;
        // A fresh start has no deletion of the engine's refusals left (a long session gets there).
        if (m_initialized)
            m_strictRequests =
                strictEngine() && !model::engine().answers.deleteFails && !model::engine().answers.idleFails;
        if (result == ManagerInterface::ManagerStartReturnCode_Ok && !m_initialized)
            fail("init() answered Ok for an engine that did not start");
        if (m_initialized)
        {
            m_dispatch = Dispatch();
            m_host->getEventManager().addKeyboardListener(&m_taken);
            m_host->getEventManager().addMouseListener(&m_taken);
        }
        if (m_initialized && m_in.flag())
        {
            m_host->getEventManager().addKeyboardListener(&m_code);
            m_host->getEventManager().addMouseListener(&m_code);
            m_host->getEventManager().addOnIdleListener(&m_code);
            m_code.inputListener = true;
        }
    }

    // --- choices -------------------------------------------------------------

    // The last steps, for the report of a failure: texts that live as long
    // as the program (the ring costs no allocation, the session's hot path).
    void note(const char* first, const char* second = "", const char* third = "", long long number = NoNumber)
    {
        m_recent[m_recentNext++ % m_recent.size()] = Note{m_step, first, second, third, number};
    }

    // The fuzzer's crash: the report, then abort. A caller that takes the
    // report instead gets the first one, and the session ends after its step.
    void fail(const std::string& what)
    {
        if (m_failed)
            return;
        m_failed = true;
        std::string report =
            "boundary invariant broken at step " + std::to_string(m_step) + ": " + what + "\nlast steps:\n";
        for (std::size_t i = m_recentNext > m_recent.size() ? m_recentNext - m_recent.size() : 0; i < m_recentNext; ++i)
        {
            const Note& line = m_recent[i % m_recent.size()];
            report += "  " + std::to_string(line.step) + ": " + line.first + line.second + line.third;
            if (line.number != NoNumber)
                report += " " + std::to_string(line.number);
            report += "\n";
        }
        if (m_failure != nullptr)
            return void(*m_failure = report);
        std::fprintf(stderr, "\n%s", report.c_str());
        std::abort();
    }

    void diagnostic(Diagnostics::Severity_e severity, const std::string& identifier, const std::string& message)
    {
        note("  report ", m_reportIdentifiers.insert(identifier).first->c_str());
        if (identifier == "request.waits")
        {
            ++m_asideReports;
            m_setAside = true;
        }
        if (identifier == "request.ignored")
            ++m_requests;
        if (severity != Diagnostics::Severity_Error)
            return;
        if (identifier == "argument.null" && m_nullArgumentsPassed)
            return void(++m_nullsRefused);
        if (identifier == "render.make-current-failed" && m_contextsFail)
            return;
        if (identifier == "engine.stale-page-handle" && m_staleHandlesPassed)
            return;
        fail("report " + identifier + ": " + message);
    }

    std::vector<PageInterface*> managedPages()
    {
        std::vector<PageInterface*> all;
        for (PageIterator walk = pages().getPageIterator(); walk.hasNext();)
            all.push_back(&walk.next());
        return all;
    }

    PageInterface* livePage(ArbParam_t handle)
    {
        for (PageInterface* page : managedPages())
            if (static_cast<long long>(*page) == handle)
                return page;
        return nullptr;
    }

    PageInterface* randomPage()
    {
        const std::vector<PageInterface*> all = managedPages();
        return all.empty() ? nullptr : all[m_in.pick(static_cast<unsigned>(all.size()))];
    }

    TestDrawArea* newArea()
    {
        m_windows.emplace_back(new Window(*this));
        m_windows.back()->area.queues = &m_dispatch.queued;
        return &m_windows.back()->area;
    }

    // An area to show a page in: a window of the session, a new one, or
    // none when `orNone`.
    GLDrawAreaInterface* randomArea(bool orNone)
    {
        if (orNone && m_in.chance(1, 5))
            return nullptr;
        if (m_windows.empty() || m_in.chance(1, 6))
            return m_windows.size() < 8 ? newArea() : &m_windows.front()->area;
        return &m_windows[m_in.pick(static_cast<unsigned>(m_windows.size()))]->area;
    }

    Window* randomWindow()
    {
        return m_windows.empty() ? nullptr : m_windows[m_in.pick(static_cast<unsigned>(m_windows.size()))].get();
    }

    // --- operations ----------------------------------------------------------

    void operation()
    {
        // Host requests four times as often as most, input and the engine's
        // operations twice.
        typedef void (Session::*Step)();
        static const Step kinds[] = {
            &Session::hostRequest,     &Session::hostRequest,     &Session::hostRequest,   &Session::hostRequest,
            &Session::input,           &Session::input,           &Session::engineOperation,
            &Session::engineOperation, &Session::busyOperation,   &Session::renderCallbacks,
            &Session::serviceCallback, &Session::stateChange,     &Session::images,        &Session::answers,
            &Session::lifecycle,       &Session::listeners,       &Session::settle,        &Session::idle,
            &Session::interrupts,      &Session::windows};
        const unsigned kind = m_in.pick(20);
        if (kind < 10 || kind == 11 || kind == 14 || kind > 17)
            m_wanted = nullptr; // what may move the engine's current page ends the host's last word
        (this->*kinds[kind])();
    }

    void lifecycle()
    {
        switch (m_in.pick(6))
        {
        case 0:
        case 1:
            if (model::engine().lifecycle == model::Lifecycle_Off)
                init();
            break;
        case 2:
            note("start");
            if (m_host->start() == ManagerInterface::ManagerStartReturnCode_Ok && !running())
                fail("start() answered Ok for an engine not running");
            break;
        case 3:
            stop("the top level");
            break;
        case 4:
            if (!running())
                newManager();
            break;
        default:
            note("help about");
            m_host->getHelpAbout();
            break;
        }
    }

    // One thing a host does: from the top level, from host code the
    // library calls, or from inside the engine's busy loop.
    void hostRequest()
    {
        if (!running())
            return;
        ++m_depth;
        struct Leave
        {
            int& depth;
            ~Leave() { --depth; }
        } leave{m_depth};
        m_wanted = nullptr;
        ++m_requests;
        try
        {
            PageInterface* page = randomPage();
            switch (m_in.pick(9))
            {
            case 0:
            case 1:
                if (pages().pageCount() < 10)
                {
                    GLDrawAreaInterface* area = randomArea(true);
                    note(area != nullptr ? "addPage" : "addPage without an area");
                    PageInterface& added = pages().addPage(area);
                    if (m_in.flag() && m_live.count(&added) != 0)
                        added.setDeleteWithDrawArea(true);
                }
                break;
            case 2:
                if (page != nullptr)
                    askDeletion(*page);
                break;
            case 3:
            case 4:
                if (page != nullptr)
                {
                    note("setCurrentPage");
                    const unsigned long requests = m_requests;
                    pages().setCurrentPage(*page);
                    // Where no deletion asked before it may still move the engine, and neither
                    // host code it called, an announcement's operation nor a request it was
                    // made inside goes on after it, the switch is the last word.
                    const model::Page* current = model::currentPage();
                    if (m_inAnnouncement == 0 && m_depth == 1 && m_requests == requests &&
                        (m_deletionsAsked.empty() || current == nullptr ||
                         current->handle != static_cast<long long>(*page)))
                        m_wanted = page;
                }
                break;
            case 5:
                if (page != nullptr)
                {
                    note("redraw");
                    page->redraw();
                }
                break;
            case 6:
                if (page != nullptr)
                {
                    note("move");
                    page->setDrawArea(randomArea(true));
                }
                break;
            case 7:
                if (page != nullptr)
                {
                    note("setName");
                    page->setName(m_in.chance(1, 32) ? std::string(5000, 'n') : m_in.text(24));
                }
                break;
            default:
                if (page != nullptr)
                {
                    note("print preview");
                    page->setPrintPreviewActive(m_in.flag());
                }
                break;
            }
        }
        catch (const orvane::ExceptionBase& refusal)
        {
            // A request the library refuses says why.
            if (refusal.getMessage().empty())
                fail("a refusal without a message");
            note("  refused");
        }
    }

    void askDeletion(PageInterface& page)
    {
        note("deletePage");
        // The deletion of a managed page is never refused: whatever host code
        // that hears of it throws (a fault, or the refusal of a request of its
        // own), it is carried out or waits.
        m_deletionsAsked.insert(&page);
        pages().deletePage(page);
    }

    // The engine deletes its current page for the host: it must be a page
    // the host asked to delete.
    void hostDeletion(ArbParam_t handle)
    {
        if (!m_strictRequests)
            return;
        for (PageInterface* page : m_deletionsAsked)
            if (static_cast<long long>(*page) == handle)
                return;
        fail("the engine was asked to delete a page nobody asked to delete");
    }

    // From anywhere (inside a busy pass or an announcement too) stop()
    // shuts the engine down before it returns, also when host code throws
    // on the way; one from host code of that shutdown leaves it to the one
    // under way. The manager may be started again.
    void stop(const char* where)
    {
        note("  stop from ", where);
        if (m_stopping)
            return m_host->stop();
        m_stopping = true;
        const struct Stopped
        {
            Session& session;
            ~Stopped()
            {
                session.m_stopping = false;
                if (model::engine().lifecycle != model::Lifecycle_Off)
                    session.fail("stop() left the engine running");
                session.m_initialized = false;
                // The engine shut down: it ends no destination it began before.
                session.m_openDestination = 0;
                session.m_code.inputListener = false;
            }
        } stopped{*this};
        m_host->stop();
    }

    void windows()
    {
        switch (m_in.pick(6))
        {
        case 5:
            // A tracker counts the pages that come after it began: one begins
            // where no page is shown yet.
            if (Window* window = randomWindow(); window != nullptr && pagesShowing(&window->area) == 0)
            {
                note("track pages");
                window->tracker.reset(new intern::GLDrawAreaPageTracker(window->area));
                window->tracker->setPageManager(pages());
                window->shownWhenTracked = pagesShowing(&window->area);
            }
            break;
        case 0:
            if (!m_windows.empty())
            {
                const std::size_t index = m_in.pick(static_cast<unsigned>(m_windows.size()));
                std::unique_ptr<Window> window = std::move(m_windows[index]);
                m_windows.erase(m_windows.begin() + index);
                note("close window");
                for (PageInterface* page : managedPages())
                    if (page->getDrawArea() == &window->area && page->getDeleteWithDrawArea())
                        m_deletionsAsked.insert(page);
                window->area.simulateDestroy();
                for (PageInterface* page : managedPages())
                    if (page->getDrawArea() == &window->area)
                        fail("a page shows a closed window");
                // The host frees the window now: the library must not touch it again.
            }
            break;
        case 1:
            if (m_windows.size() < 8)
            {
                note("new window");
                newArea();
            }
            break;
        case 2:
            if (Window* window = randomWindow())
            {
                note("window answers change");
                window->area.valid = m_in.pick(4) != 0;
                window->area.renderable = m_in.pick(4) != 0;
                window->area.width = m_in.hostileInt();
                window->area.height = m_in.hostileInt();
                window->context.makeCurrentSucceeds = !m_in.chance(1, 4);
                window->context.throws = m_in.chance(1, 8);
                m_contextsFail = m_contextsFail || !window->context.makeCurrentSucceeds;
            }
            break;
        case 3:
            if (Window* window = randomWindow())
            {
                note("expose");
                window->area.simulateExpose(m_in.flag());
            }
            break;
        default:
            if (Window* window = randomWindow())
            {
                note("focus");
                window->area.simulateFocusGained();
            }
            break;
        }
    }

    // A few events in one window, mostly where the engine takes input.
    void input()
    {
        Window* window = randomWindow();
        for (const auto& shown : m_windows)
            if (&shown->area == dispatchArea() && m_in.chance(3, 4))
                window = shown.get();
        for (unsigned events = 1 + m_in.pick(4); window != nullptr && events > 0; --events)
            input(*window);
        if (m_busyPasses == 0 && m_depth == 0 && running() && m_in.flag())
        {
            note("host idle after the input");
            hostIdle();
        }
    }

    void input(Window& window)
    {
        const Button buttons[] = {MouseEventInterface::MouseButton_None, MouseEventInterface::MouseButton_1,
                                  MouseEventInterface::MouseButton_2, MouseEventInterface::MouseButton_3,
                                  MouseEventInterface::MouseButton_Invalid};
        const Button button = buttons[m_in.pick(5)];
        const int x = m_in.hostileInt();
        const int y = m_in.hostileInt();
        window.area.mouseModifiers = static_cast<int>(m_in.pick(8));
        m_misc.modifiers = static_cast<int>(m_in.pick(8));
        const int kind = static_cast<int>(m_in.pick(8)); // 0 to 3: the mouse input of the engine's kind
        if (kind < 2 && button <= MouseEventInterface::MouseButton_3 && m_in.flag())
            reportButton(button, kind == 0); // as the host's monitor sees it, before the drawing area
        if (kind < 4)
            queued(window.area, x, y, button <= MouseEventInterface::MouseButton_3 ? button : -1, kind,
                   intern::MouseEvent(&window.area, button, x, y, window.area.mouseModifiers));
        switch (kind)
        {
        case 0:
            note("press");
            window.area.simulatePress(button, x, y);
            break;
        case 1:
            note("release");
            window.area.simulateRelease(button, x, y);
            break;
        case 2:
            note("double press");
            window.area.simulateDoublePress(button, x, y);
            break;
        case 3:
            note("move");
            window.area.simulateMove(x, y, button);
            break;
        case 4:
            note("wheel");
            window.area.simulateWheel(m_in.hostileInt(), m_in.flag() ? MouseWheelEventInterface::Orientation_Vertical
                                                                     : MouseWheelEventInterface::Orientation_Horizontal,
                                      x, y);
            break;
        default:
        {
            const int key = m_in.chance(1, 4) ? 27 : m_in.hostileInt();
            const intern::KeyEvent event(&window.area, key); // the key and modifiers as the library reads them
            const int engineKind = kind == 5 ? EventInfo::Kind_KeyReleased : EventInfo::Kind_KeyPressed;
            queued(window.area, -1, -1, event.key(), engineKind, event);
            note(kind == 5 ? "key release" : "key press");
            if (kind == 5)
                window.area.simulateKeyRelease(key);
            else
                window.area.simulateKeyPress(key);
            break;
        }
        }
    }

    // Application-wide input, interrupts and stop buttons.
    void interrupts()
    {
        orvane::test::TestApplicationEventMonitor& monitor = m_host->monitor;
        switch (m_in.pick(6))
        {
        case 0:
            if (running())
            {
                note("interrupt");
                monitor.interrupt();
            }
            break;
        case 1:
        {
            note("application key");
            orvane::sdk::integration::intern::KeyEvent event(&monitor, m_in.chance(1, 2) ? 27 : m_in.hostileInt());
            if (m_in.flag())
                monitor.notifyOfKeyPressed(event);
            else
                monitor.notifyOfKeyReleased(event);
            break;
        }
        case 2:
        {
            note("application mouse");
            const Button button = static_cast<Button>(m_in.pick(4));
            intern::MouseEvent event(nullptr, button, m_in.hostileInt(), m_in.hostileInt(), 0);
            const unsigned what = m_in.pick(4);
            if (what < 2) // the host reports the button's state before the event
                reportButton(button, what == 0);
            switch (what)
            {
            case 0:
                monitor.notifyOfButtonPressed(event);
                break;
            case 1:
                monitor.notifyOfButtonReleased(event);
                break;
            case 2:
                monitor.notifyOfButtonDoublePressed(event);
                break;
            default:
                monitor.notifyOfMouseMoved(event);
                break;
            }
            break;
        }
        case 3:
            note("stop button");
            if (m_in.flag() || m_stopButtons.empty())
            {
                m_stopButtons.push_back(boost::make_shared<orvane::test::TestStopButton>());
                m_stopButtons.back()->active = m_in.flag();
                monitor.registerStopButton(m_stopButtons.back());
            }
            else
            {
                monitor.unRegisterStopButton(m_stopButtons.back());
                m_stopButtons.pop_back();
            }
            break;
        case 4:
            note("the engine is interrupted");
            model::engine().interrupted = m_in.flag();
            break;
        default:
            note("null arguments");
            m_nullArgumentsPassed = true;
            m_nullsRefused = 0;
            monitor.registerStopButton(nullptr);
            pages().pushPageRenderDecider(nullptr);
            pages().addListener(nullptr);
            pages().removeListener(nullptr);
            if (PageInterface* page = running() ? randomPage() : nullptr)
            {
                page->addChangeListener(nullptr);
                page->removeChangeListener(nullptr);
                m_nullsRefused -= 2;
            }
            if (m_nullsRefused != 2)
                fail("a null stop button, render decider or page listener refused without a report");
            m_nullArgumentsPassed = false;
            break;
        }
    }

    void listeners()
    {
        switch (m_in.pick(6))
        {
        case 0:
            note(m_code.pageListener ? "remove page listener" : "add page listener");
            if (m_code.pageListener)
                pages().removeListener(&m_code);
            else
                pages().addListener(&m_code);
            m_code.pageListener = !m_code.pageListener;
            break;
        case 1:
            note(m_bystanderRegistered ? "remove bystander" : "add bystander");
            if (m_bystanderRegistered)
                pages().removeListener(&m_bystander);
            else
                pages().addListener(&m_bystander);
            m_bystanderRegistered = !m_bystanderRegistered;
            break;
        case 2:
            if (!m_deciders.empty() && m_in.flag())
            {
                note("pop decider");
                pages().popPageRenderDecider();
                m_deciders.pop_back();
            }
            else if (m_deciders.size() < 4)
            {
                const bool repairer = m_in.flag();
                note(repairer ? "push the interrupted-plot repairer" : "push decider");
                if (repairer)
                    pages().pushPageRenderDecider(boost::make_shared<InterruptedPlotRepairer>());
                else
                    pages().pushPageRenderDecider(m_decider);
                m_deciders.push_back(!repairer);
            }
            break;
        case 3:
            if (m_initialized && running())
            {
                const bool add = !m_code.inputListener;
                note(add ? "add input listeners" : "remove input listeners");
                EventManagerInterface& events = m_host->getEventManager();
                if (add)
                {
                    events.addKeyboardListener(&m_code);
                    events.addMouseListener(&m_code);
                    events.addOnIdleListener(&m_code);
                }
                else
                {
                    events.removeKeyboardListener(&m_code);
                    events.removeMouseListener(&m_code);
                    events.removeOnIdleListener(&m_code);
                }
                m_code.inputListener = add;
            }
            break;
        case 4:
            if (PageInterface* page = running() ? randomPage() : nullptr)
            {
                note("page change listener");
                if (m_in.flag())
                    page->addChangeListener(&m_code);
                else
                    page->removeChangeListener(&m_code);
            }
            break;
        default:
            if (m_initialized && running())
            {
                note("dialog launcher");
                m_host->getDialogManager().registerDialogLauncher(m_in.chance(1, 4) ? nullptr : &m_code,
                                                                  m_in.range(-2, 5));
            }
            break;
        }
    }

    void idle()
    {
        switch (m_in.pick(3))
        {
        case 0:
            note("host idle");
            hostIdle();
            break;
        case 1:
            note("idle actions");
            orvane::sdk::ui::common::processIdleActions();
            break;
        default:
            if (running())
            {
                note("the engine's own idle tasks");
                model::runIdleTasks();
            }
            break;
        }
    }

    void answers()
    {
        using model::Answers;
        static bool Answers::*const flags[] = {
            &Answers::startupFails, &Answers::deleteFails, &Answers::redrawFails,
            &Answers::textAllocFails, &Answers::styleSetFails, &Answers::styleGetFails,
            &Answers::styleParamsFail, &Answers::idleFails, &Answers::dispatchFails};
        model::Answers& answers = model::engine().answers;
        answers.*flags[m_in.pick(9)] = m_in.flag();
        note("engine answers change");
        // A deletion the engine refused, or whose switch the engine never
        // reported, may stay undone.
        if (answers.deleteFails || answers.idleFails)
            m_strictRequests = false;
    }

    // --- the engine ----------------------------------------------------------

    const model::Page* randomEnginePage()
    {
        const std::vector<model::Page>& all = model::engine().pages;
        return all.empty() ? nullptr : &all[m_in.pick(static_cast<unsigned>(all.size()))];
    }

    void engineOperation()
    {
        if (!running())
            return;
        const model::Page* any = randomEnginePage();
        m_wanted = nullptr;
        switch (m_in.pick(6))
        {
        case 0:
            if (model::engine().pages.size() < 10)
            {
                note("engine requests a page");
                model::engine().refuseNextPage = m_in.chance(1, 6);
                model::requestPage();
            }
            break;
        case 1:
            if (any != nullptr)
            {
                note("engine deletes a page");
                model::deletePage(any->id);
            }
            break;
        case 2:
            if (any != nullptr)
            {
                note("engine switches");
                model::makeCurrent(any->id);
            }
            break;
        case 3:
            render();
            break;
        case 4:
            if (model::currentPage() != nullptr)
            {
                note("engine renames the current page");
                model::changeCurrentPageName(m_in.text(16));
            }
            break;
        default:
            note("engine exports");
            model::exportImage(m_in.range(1, 4), m_in.range(1, 3));
            break;
        }
    }

    void render()
    {
        note("engine renders");
        const int dropped = model::engine().framesDropped;
        const bool drawn = model::renderCurrentPage();
        if (drawn && dropped == model::engine().framesDropped && m_currentContext != nullptr && m_depth == 0 &&
            m_busyPasses == 0)
            fail("a context made current for a frame was not released when the frame ended");
    }

    // The engine's page and render callbacks one by one, in any order.
    void renderCallbacks()
    {
        if (!running())
            return;
        const model::Callbacks& all = model::callbacks();
        const model::Page* page = randomEnginePage();
        ArbParam_t handle = page != nullptr ? page->handle : 0;
        if (handle == 0 || (Diagnostics::isCheckedMode() && m_in.chance(1, 8)))
        {
            // In checked mode a handle of no live page is looked up and ignored.
            if (!Diagnostics::isCheckedMode())
                return;
            handle = m_in.flag() ? 0 : static_cast<ArbParam_t>(0x1000 + m_in.pick(64) * 16);
            m_staleHandlesPassed = true;
        }
        switch (m_in.pick(5))
        {
        case 0:
        {
            note("render query");
            const bool may = all.renderQuery.callback(handle, all.renderQuery.clientData) == TRUE;
            PageInterface* shown = page != nullptr && handle == page->handle ? livePage(handle) : nullptr;
            const TestDrawArea* area =
                shown != nullptr ? dynamic_cast<const TestDrawArea*>(shown->getDrawArea()) : nullptr;
            if (may && area != nullptr && !(area->valid && area->renderable))
                fail("a drawing area that cannot render may draw");
            break;
        }
        case 1:
        {
            note("render size");
            int width = m_in.hostileInt();
            int height = m_in.hostileInt();
            all.renderDestSize.callback(handle, all.renderDestSize.clientData, &width, &height);
            if (handle != 0 && page != nullptr && handle == page->handle && (width < 1 || height < 1))
                fail("a destination size below 1 x 1");
            break;
        }
        case 2:
        {
            const int codes[] = {1, 1, 0, 3, -1, 4, 2};
            int code = codes[m_in.pick(7)];
            if (code == 2)
            {
                if (m_engineImages.empty())
                    return;
                handle = m_engineImages[m_in.pick(static_cast<unsigned>(m_engineImages.size()))];
            }
            note("render destination", "", "", code);
            const ArbParam_t open = code == 0 ? lastOpenDestination() : handle;
            // The engine ends only the destination it began last, on a page or image it still has.
            if (code == 0 && (open == 0 || (!m_openDestinationIsImage && model::findHandle(open) == nullptr)))
            {
                m_openDestination = 0;
                return;
            }
            // Begun or ended as far as the engine knows, also when host code throws out of the call.
            m_openDestination = code == 0 ? 0 : (code == 1 || code == 2 ? handle : m_openDestination);
            m_openDestinationIsImage = code == 2 ? true : (code == 1 ? false : m_openDestinationIsImage);
            m_framesBegunAtOpen = model::engine().framesBegun;
            all.renderDest.callback(code, open, all.renderDest.clientData);
            break;
        }
        case 3:
            note("swap");
            all.swapBuffers.callback(handle, all.swapBuffers.clientData);
            break;
        default:
            if (all.busyEvents.callback != nullptr)
            {
                note("busy events outside a busy operation");
                all.busyEvents.callback(all.busyEvents.clientData);
            }
            break;
        }
    }

    // A long operation; host requests and input arrive while it runs.
    void busyOperation()
    {
        if (!running() || m_depth > 0)
            return;
        const int events = 1 + static_cast<int>(m_in.pick(4));
        for (int i = 0; i < events; ++i)
            m_host->monitor.post([this] {
                // The host's event processing returns into the engine: no
                // fault of its own code gets out of it.
                ++m_busyPasses;
                hostFaultsEnd([this] {
                    switch (m_in.pick(6))
                    {
                    case 0:
                        input();
                        break;
                    case 1:
                        interrupts();
                        break;
                    case 2:
                        stop("a busy pass");
                        break;
                    default:
                        hostRequest();
                        break;
                    }
                });
                --m_busyPasses;
            });
        note("busy operation");
        m_engineOperationRuns = true;
        model::runBusyOperation(1 + static_cast<int>(m_in.pick(3)));
        m_engineOperationRuns = false;
    }

    void engineActsWhileBusy()
    {
        if (m_engineOperationRuns && m_depth == 0 && m_in.chance(1, 3))
            engineOperation();
    }

    void stateChange()
    {
        if (!running())
            return;
        const int codes[] = {7, 15, 31, 50, 50, 7, 0, -1, 1000};
        int code = codes[m_in.pick(9)];
        // Pages without an id learn the current page's from the next 50: an
        // engine that reports none when it makes a page sends none later.
        if (code == 50 && !model::engine().reportsCurrentPage)
            code = 31;
        std::vector<std::string> params;
        const unsigned count = m_in.pick(4);
        const char* names[] = {"PAGE", "NAME", "PLOTTYPE", ""};
        for (unsigned i = 0; i < count; ++i)
            params.push_back(m_in.flag() ? names[m_in.pick(4)] : m_in.text(8));
        const model::Page* page = randomEnginePage();
        const UniqueID_t id = m_in.chance(1, 4) ? m_in.hostileInt() : (page != nullptr ? page->id : 0);
        note("state change", "", "", code);
        model::fireStateChange(code, params, id);
    }

    // The engine's service and dialog callbacks, with hostile arguments.
    void serviceCallback()
    {
        const model::Callbacks& all = model::callbacks();
        const std::string text = m_in.chance(1, 32) ? std::string(70000, 't') : m_in.text(32);
        const char* hostileText = m_in.chance(1, 4) ? nullptr : text.c_str();
        switch (m_in.pick(16))
        {
        case 0:
            note("message box");
            all.messageBox.callback(hostileText, static_cast<MessageBoxType_e>(m_in.pick(256)), 0);
            break;
        case 1:
        {
            note("simple text");
            char* engineText = nullptr;
            if (m_in.flag())
            {
                // Engine-owned, as the engine's own texts are.
                engineText = static_cast<char*>(std::malloc(text.size() + 1));
                std::memcpy(engineText, text.c_str(), text.size() + 1);
            }
            const bool useText = m_in.flag();
            m_text->accept = m_in.pick(4) != 0;
            m_text->answer = m_in.text(16);
            all.simpleText.callback(hostileText, m_in.chance(1, 6) ? nullptr : &engineText, useText ? TRUE : FALSE,
                                    0);
            OrvUtilStringDealloc(&engineText);
            break;
        }
        case 2:
            note("layout name");
            all.mruLayout.callback(hostileText, 0);
            break;
        case 3:
        {
            note("dot pitch");
            double x = 0;
            double y = 0;
            all.dotPitch.callback(0, m_in.flag() ? &x : nullptr, m_in.flag() ? &y : nullptr);
            break;
        }
        case 4:
        {
            note("screen size");
            int width = 0;
            int height = 0;
            all.screenSize.callback(0, m_in.flag() ? &width : nullptr, m_in.flag() ? &height : nullptr);
            break;
        }
        case 5:
        {
            note("key state");
            Boolean_t flags[3] = {2, 2, 2};
            all.keyState.callback(0, m_in.flag() ? &flags[0] : nullptr, m_in.flag() ? &flags[1] : nullptr,
                                  m_in.flag() ? &flags[2] : nullptr);
            for (Boolean_t flag : flags)
                if (flag != 0 && flag != 1 && flag != 2)
                    fail("a key state neither 0 nor 1");
            break;
        }
        case 6:
            note("mouse button state");
            all.mouseButtonState.callback(m_in.hostileInt(), 0);
            break;
        case 7:
        {
            note("OpenGL version");
            m_misc.openGLVersion = text;
            const char* version = all.openGLVersion.callback(0);
            char* owned = const_cast<char*>(version);
            OrvUtilStringDealloc(&owned);
            break;
        }
        case 8:
            note("cursor");
            all.baseCursorStyle.callback(static_cast<CursorStyle_e>(m_in.pick(256)),
                                         m_in.flag() ? 0 : m_in.hostileInt(), 0);
            all.waitCursorState.callback(static_cast<Boolean_t>(m_in.pick(256)), 0);
            break;
        case 9:
            note("status line");
            all.statusLine.callback(hostileText, 0);
            break;
        case 10:
            note("progress");
            all.progressStart.callback(static_cast<Boolean_t>(m_in.pick(256)), static_cast<Boolean_t>(m_in.pick(3)),
                                       0);
            all.progress.callback(m_in.hostileInt(), 0);
            all.progressFinish.callback(0);
            break;
        case 11:
            note("running coordinates");
            all.runningCoordinates.callback(hostileText, m_in.flag() ? nullptr : text.c_str(), 0);
            break;
        case 12:
            note("select region");
            all.selectRegion.callback(m_in.hostileDouble(), m_in.hostileDouble(), m_in.hostileDouble(),
                                      m_in.hostileDouble(), static_cast<Boolean_t>(m_in.pick(256)), 0);
            break;
        case 13:
            if (!all.dialogs.empty())
            {
                note("dialog launch");
                auto dialog = all.dialogs.begin();
                std::advance(dialog, m_in.pick(static_cast<unsigned>(all.dialogs.size())));
                const model::Registration<DialogLaunchCallback_pf> launch = dialog->second.first;
                launch.callback(launch.clientData);
            }
            break;
        default:
            note("a service replaced");
            replaceService();
            break;
        }
    }

    // A service object goes and another takes its place, or none does.
    void replaceService()
    {
        switch (m_in.pick(3))
        {
        case 0:
            m_messages.reset(new orvane::test::RecordingMessageBoxService);
            if (m_in.flag())
                m_messages->makeCurrent();
            break;
        case 1:
            m_host->getServiceRepository().setService(m_in.flag() ? static_cast<services::ServiceInterface*>(&m_misc)
                                                                  : &m_images);
            break;
        default:
            m_text.reset(new orvane::test::RecordingSimpleTextService);
            if (m_in.flag())
                m_text->makeCurrent();
            break;
        }
    }

    // Offscreen images step by step: made, drawn into, read and destroyed
    // in any order the engine likes.
    void images()
    {
        const model::Callbacks& all = model::callbacks();
        if (all.imageCreate.callback == nullptr)
            return;
        switch (m_in.pick(4))
        {
        case 0:
        {
            note("image create");
            ArbParam_t image = 0;
            all.imageCreate.callback(m_in.hostileInt(), m_in.hostileInt(),
                                     static_cast<ExportRegion_e>(m_in.pick(4) == 0 ? m_in.pick(256) : 0), 0,
                                     m_in.chance(1, 8) ? nullptr : &image);
            if (image != 0)
                m_engineImages.push_back(image);
            break;
        }
        case 1:
            if (!m_engineImages.empty())
            {
                note("image row");
                const ArbParam_t image = m_engineImages[m_in.pick(static_cast<unsigned>(m_engineImages.size()))];
                unsigned char pixel[3];
                all.imageGetRGBRow.callback(image, m_in.hostileInt(), 0, m_in.flag() ? pixel : nullptr, pixel + 1,
                                            pixel + 2);
            }
            break;
        case 2:
            if (!m_engineImages.empty())
            {
                note("image destroy");
                const std::size_t index = m_in.pick(static_cast<unsigned>(m_engineImages.size()));
                const ArbParam_t image = m_engineImages[index];
                // A destination still open on the image is ended first.
                if (lastOpenDestination() == image && m_openDestinationIsImage)
                {
                    all.renderDest.callback(0, image, all.renderDest.clientData);
                    m_openDestination = 0;
                }
                m_engineImages.erase(m_engineImages.begin() + index);
                all.imageDestroy.callback(image, 0);
            }
            break;
        default:
            note("image destroy 0");
            all.imageDestroy.callback(0, 0);
            break;
        }
    }

    // The destination the session began, while no frame of the engine's
    // own began since (which it may have dropped unended).
    ArbParam_t lastOpenDestination() const
    {
        return model::engine().framesBegun == m_framesBegunAtOpen ? m_openDestination : 0;
    }

    // --- settling ------------------------------------------------------------

    void drainIdle()
    {
        for (int round = 0; round < 8; ++round)
        {
            if (running())
                hostIdle();
            orvane::sdk::ui::common::processIdleActions();
            if (orvane::sdk::ui::common::pendingIdleActions() == 0)
                break;
        }
    }

    // The host's loop runs dry: every deletion asked for is done, or set
    // aside with its report (until the pages change).
    void settle()
    {
        if (m_depth > 0 || m_busyPasses > 0 || m_engineOperationRuns)
            return;
        note("settle");
        const int savedDepth = m_depth;
        m_depth = 100; // host code does nothing now
        bool faulted = false;
        for (int round = 0; round < 8; ++round)
        {
            hostFaultsEnd([this, &faulted] {
                try
                {
                    drainIdle();
                }
                catch (...)
                {
                    faulted = true;
                    throw;
                }
            });
            if (orvane::sdk::ui::common::pendingIdleActions() == 0)
                break;
        }
        m_depth = savedDepth;
        if (m_strictRequests && !faulted && running())
        {
            const std::size_t lost = m_deletionsAsked.size();
            if (lost > static_cast<std::size_t>(m_asideReports))
                fail(std::to_string(lost) + " deletions asked for were neither carried out nor reported waiting");
        }
        const model::Page* current = model::currentPage();
        if (m_strictRequests && !faulted && running() && !m_setAside && m_wanted != nullptr &&
            std::count(m_deciders.begin(), m_deciders.end(), false) == 0 /* its repairs redraw */ &&
            m_live.count(m_wanted) != 0 && (current == nullptr || current->handle != static_cast<long long>(*m_wanted)))
            fail("the host's last switch was not the last to reach the engine");
        m_wanted = nullptr;
        // What is left was reported waiting: still asked for, and the engine
        // may carry it out at a later idle pass.
        m_asideReports = static_cast<int>(m_deletionsAsked.size());
        // Pages come and go on the same windows: their focus connections do not pile up.
        for (const auto& window : m_windows)
            if (window->area.signalDrawAreaFocusGained.num_slots() > static_cast<std::size_t>(pages().pageCount()))
                fail("focus connections pile up on a drawing area");
        // Nothing waits any more: a switch now reaches the engine at once,
        // and only once.
        if (!faulted && running() && current != nullptr && model::engine().reportsCurrentPage &&
            !model::engine().refusesSwitches)
            for (PageInterface* page : managedPages())
                if (static_cast<long long>(*page) != current->handle)
                {
                    const int asked = model::engine().switchesAsked;
                    m_depth = 100;
                    hostFaultsEnd([this, page] { pages().setCurrentPage(*page); });
                    m_depth = savedDepth;
                    if (model::engine().switchesAsked != asked + 1)
                        fail("a switch asked for once reached the engine " +
                             std::to_string(model::engine().switchesAsked - asked) + " times once nothing waited");
                    break;
                }
    }

    template <typename Operation>
    void hostFaultsEnd(Operation operation)
    {
        try
        {
            operation();
        }
        catch (const HostFault&)
        {
            note("  a host fault ended the operation");
        }
        catch (const std::runtime_error&)
        {
            note("  a context's fault ended the operation");
        }
        catch (const orvane::ExceptionBase& refusal)
        {
            note("  refused");
        }
    }

    // --- drawing-area input on its way to the engine ---------------------------
    //
    // The session keeps what each drawing area's queue holds, sees each event
    // the library takes from the current page's one (as the event manager's
    // first input listener), and checks what the engine receives against the
    // rules: the event taken as it was queued, a move as a drag of the held
    // button, a press or double press only when no button is held, a release
    // only of the held one, no key release; a release the host lost made up
    // first at the last event's place; and an interrupt query under the
    // application lock after each event handed over, and only then.

    void reportButton(Button button, bool down)
    {
        m_dispatch.down[button] = down;
        m_host->monitor.signalMouseButtonStateChanged(button, down);
    }

    GLDrawAreaInterface* dispatchArea() { return m_dispatch.page ? m_dispatch.page->getDrawArea() : nullptr; }

    // Input the library queues: that of a drawing area it listens to, but no
    // move while the engine is busy.
    void queued(TestDrawArea& area, int x, int y, int buttonOrKey, int kind, const EventInterface& event)
    {
        if (!area.mouseListeners.empty() && (kind != EventInfo::Kind_MouseMoved || !m_host->monitor.isBusy()))
            m_dispatch.queued[&area].push_back(
                {x, y, buttonOrKey, kind, event.isShiftDown(), event.isAltDown(), event.isControlDown()});
    }

    // A switch empties every other drawing area's queue and forgets the held button.
    void switched()
    {
        m_dispatch.page = pages().getCurrentPage();
        for (const auto& window : m_windows)
            if (&window->area != dispatchArea() && !window->area.mouseListeners.empty())
            {
                m_dispatch.held = 0;
                m_dispatch.queued.erase(&window->area);
            }
    }

    // What the engine receives next for the event taken: a release of the
    // held button the host reported up (with none queued), made up; else the
    // event as the rules pass it on, or kind -1 for none.
    Event handed(Event event)
    {
        const Dispatch& d = m_dispatch;
        const std::deque<Event>& queue = m_dispatch.queued[dispatchArea()];
        const int held = d.held;
        const bool release = event.kind == EventInfo::Kind_ButtonReleased;
        const bool heldDown = held > 0 && held < 4 && d.down[held];
        const bool releaseQueued = std::any_of(queue.begin(), queue.end(), [held](const Event& e) {
            return e.kind == EventInfo::Kind_ButtonReleased && e.buttonOrKey == held;
        });
        if (!release && event.kind != EventInfo::Kind_KeyReleased && held != 0 && !heldDown && !releaseQueued)
            return {d.last.x, d.last.y, held, EventInfo::Kind_ButtonReleased, d.last.shift, d.last.alt, d.last.control};
        if (event.kind == EventInfo::Kind_MouseMoved && held != 0)
            return {event.x, event.y, held, EventInfo::Kind_Drag, event.shift, event.alt, event.control};
        const bool passesWhileHeld =
            event.kind == EventInfo::Kind_MouseMoved || event.kind == EventInfo::Kind_KeyPressed;
        const bool dropped = release ? event.buttonOrKey != held
                                     : event.kind == EventInfo::Kind_KeyReleased || (!passesWhileHeld && held != 0);
        if (dropped)
            event.kind = Dropped;
        return event;
    }

    // The event taken before and not handed over: the rules dropped it.
    void settleTaken()
    {
        if (m_dispatch.taken && handed(*m_dispatch.taken).kind != Dropped)
            fail("input the dispatch rules give the engine was dropped");
        m_dispatch.taken.reset();
    }

    void taken(int kind)
    {
        settleTaken();
        std::deque<Event>& queue = m_dispatch.queued[dispatchArea()];
        if (m_dispatch.queryOwed || queue.empty() || queue.front().kind != kind)
            return fail("input taken from a queue out of order, or with no interrupt query after the one before");
        m_dispatch.taken = queue.front();
        queue.pop_front();
    }

    void handedOver(const Event& event)
    {
        Dispatch& d = m_dispatch;
        if (d.queryOwed || !d.taken || event != handed(*d.taken))
            return fail("the engine received a work-area event the dispatch rules do not give");
        if (event.kind == EventInfo::Kind_ButtonPressed || event.kind == EventInfo::Kind_ButtonReleased)
            d.held = event.kind == EventInfo::Kind_ButtonPressed ? event.buttonOrKey : 0;
        if (event.kind == EventInfo::Kind_ButtonReleased && d.taken->kind != EventInfo::Kind_ButtonReleased)
            return; // the made-up release: the event taken comes next
        d.last = event;
        d.taken.reset();
        d.queryOwed = true;
        // The engine may call the host back meanwhile: an idle pass then dispatches nothing.
        if (m_depth == 0 && m_in.chance(1, 8))
        {
            m_depth = 100;
            hostFaultsEnd([this] { m_host->monitor.notifyOfIdle(m_host->monitor); });
            m_depth = 0;
        }
    }

    void interruptQueried()
    {
        const model::Engine& engine = model::engine();
        if (!m_dispatch.queryOwed || engine.appLockDepth == 0 || engine.appLockValue != TRUE)
            fail("an interrupt query other than the one under the application lock after a work-area event");
        m_dispatch.queryOwed = false;
        if (engine.interrupted)
        {
            m_dispatch.held = 0;
            m_dispatch.queued.erase(dispatchArea());
        }
    }

    // The host's loop has nothing to do: the current page's input goes to the engine.
    void hostIdle()
    {
        GLDrawAreaInterface* area = dispatchArea();
        m_dispatch.taken.reset(); // lost if a host fault ended the pass before
        m_host->monitor.notifyOfIdle(m_host->monitor);
        // (Host code at idle time may have moved the pages since the dispatch.)
        if (!running() || m_idleRefused || area != dispatchArea())
            return;
        settleTaken();
        if (!m_dispatch.queued[area].empty())
            fail("input left queued after an idle pass");
    }

    // --- invariants ----------------------------------------------------------

    void checkInvariants()
    {
        if (!m_initialized || model::engine().lifecycle != model::Lifecycle_Running)
        {
            if (pages().pageCount() != 0 && model::engine().lifecycle == model::Lifecycle_Off)
                fail("pages outlive the engine");
            return;
        }
        const std::string disagreement = model::disagreement(pages(), m_managed);
        if (!disagreement.empty())
            fail(disagreement);
        m_announced.assign(m_managed.begin(), m_managed.end());
        std::sort(m_announced.begin(), m_announced.end(), std::less<PageInterface*>());
        m_announced.erase(std::unique(m_announced.begin(), m_announced.end()), m_announced.end());
        if (!std::equal(m_announced.begin(), m_announced.end(), m_live.begin(), m_live.end()))
            fail("the pages announced are not the pages managed");
        for (PageInterface* page : m_managed)
        {
            GLDrawAreaInterface* area = page->getDrawArea();
            if (area == nullptr)
                continue;
            bool known = false;
            for (const auto& window : m_windows)
                known = known || static_cast<GLDrawAreaInterface*>(&window->area) == area;
            if (!known)
                fail("a page shows a drawing area that was closed");
        }
        for (const auto& window : m_windows)
        {
            const GLDrawAreaInterface* area = &window->area;
            const long showing = std::count_if(m_managed.begin(), m_managed.end(),
                                               [area](PageInterface* page) { return page->getDrawArea() == area; });
            // The library listens to the input of exactly the drawing areas that show pages.
            if (window->area.mouseListeners.empty() != (showing == 0) ||
                window->area.keyListeners.empty() != (showing == 0))
                fail("the library listens to a drawing area's input though no page shows it, or not though one does");
            if (!window->tracker)
                continue;
            const long since = showing - window->shownWhenTracked;
            if (window->tracker->pageCount() != since)
                fail("a drawing area's page tracker counts " + std::to_string(window->tracker->pageCount()) +
                     " pages, " + std::to_string(since) + " came since it began");
        }
    }

    // The session's page-manager listener, always registered.
    class Watcher : public PageManagerListenerInterface
    {
    public:
        explicit Watcher(Session& session) : m_session(&session) {}
        void pageCreated(PageInterface& page, PageManagerInterface&) override { m_session->pageCreated(page); }
        void pageDestroyed(PageInterface& page, PageManagerInterface&) override { m_session->pageDestroyed(page); }
        void currentPageChanged(PageInterface& page, PageManagerInterface&) override
        {
            m_session->announced("current", page);
        }

    private:
        Session* m_session;
    };

    // The event manager's input listener that sees each event taken from a
    // drawing area's queue, and a page listener that hears of the pages as
    // the dispatcher does, before host code: the library's listener sets
    // notify by address, and m_taken comes before m_code and m_watcher (the
    // dispatcher, on the heap, before the session).
    class Taker : public MouseEventListenerInterface,
                  public KeyEventListenerInterface,
                  public PageManagerListenerInterface
    {
    public:
        explicit Taker(Session& session) : m_session(&session) {}
        void pageCreated(PageInterface&, PageManagerInterface&) override {}
        void pageDestroyed(PageInterface& page, PageManagerInterface&) override
        {
            if (&page == m_session->m_dispatch.page)
                m_session->m_dispatch.page = nullptr;
        }
        void currentPageChanged(PageInterface&, PageManagerInterface&) override { m_session->switched(); }
        void mouseMoved(MouseEventInterface&, MouseEventObservableInterface&) override
        {
            m_session->taken(EventInfo::Kind_MouseMoved);
        }
        void buttonPressed(MouseEventInterface&, MouseEventObservableInterface&) override
        {
            m_session->taken(EventInfo::Kind_ButtonPressed);
        }
        void buttonDoublePressed(MouseEventInterface&, MouseEventObservableInterface&) override
        {
            m_session->taken(EventInfo::Kind_ButtonDoublePressed);
        }
        void buttonReleased(MouseEventInterface&, MouseEventObservableInterface&) override
        {
            m_session->taken(EventInfo::Kind_ButtonReleased);
        }
        void keyPressed(KeyEventInterface&, KeyEventObservableInterface&) override
        {
            m_session->taken(EventInfo::Kind_KeyPressed);
        }
        void keyReleased(KeyEventInterface&, KeyEventObservableInterface&) override
        {
            m_session->taken(EventInfo::Kind_KeyReleased);
        }

    private:
        Session* m_session;
    };

    // A page listener the session adds and removes: never called while removed.
    class Bystander : public PageManagerListenerInterface
    {
    public:
        explicit Bystander(Session& session) : m_session(&session) {}
        void pageCreated(PageInterface&, PageManagerInterface&) override { check("a creation"); }
        void pageDestroyed(PageInterface&, PageManagerInterface&) override { check("a destruction"); }
        void currentPageChanged(PageInterface&, PageManagerInterface&) override { check("a switch"); }

    private:
        void check(const char* what)
        {
            if (!m_session->m_bystanderRegistered)
                m_session->heardWhileRemoved(what);
        }
        Session* m_session;
    };

    Choices m_in;
    std::string* m_failure;
    bool m_failed = false;
    unsigned long m_step = 0;
    static constexpr long long NoNumber = -1234567;
    struct Note
    {
        unsigned long step;
        const char* first;
        const char* second;
        const char* third;
        long long number;
    };
    std::array<Note, 64> m_recent{};
    std::set<std::string> m_reportIdentifiers; // the notes' texts of the reports

    std::size_t m_recentNext = 0;
    Taker m_taken{*this};
    HostCode m_code;
    boost::shared_ptr<HostCode> m_decider{boost::make_shared<HostCode>(*this)};
    Watcher m_watcher{*this};
    Bystander m_bystander;
    bool m_bystanderRegistered = false;
    std::vector<bool> m_deciders; // true: the host's decider, false: the repairer
    bool m_deciderSaidYes = false;
    int m_nullsRefused = 0;
    Misc m_misc;
    Images m_images;
    std::unique_ptr<orvane::test::RecordingMessageBoxService> m_messages{
        new orvane::test::RecordingMessageBoxService};
    orvane::test::RecordingCursorShapeService m_cursor;
    std::unique_ptr<orvane::test::RecordingSimpleTextService> m_text{new orvane::test::RecordingSimpleTextService};
    orvane::test::RecordingMRULayoutService m_layouts;
    orvane::test::RecordingProgressStatusService m_progress;
    orvane::test::RecordingRunningCoordsService m_coordinates;
    orvane::test::RecordingSelectRegionService m_regions;
    std::vector<std::unique_ptr<Window>> m_windows;
    std::vector<boost::shared_ptr<orvane::test::TestStopButton>> m_stopButtons;
    std::vector<ArbParam_t> m_engineImages;
    ArbParam_t m_openDestination = 0;
    bool m_openDestinationIsImage = false;
    int m_framesBegunAtOpen = 0;
    std::set<PageInterface*> m_live;
    std::vector<PageInterface*> m_managed; // the invariants' buffers: they run after every step
    std::vector<PageInterface*> m_announced;
    std::set<PageInterface*> m_deletionsAsked;
    bool m_setAside = false; // a deletion set aside may switch pages whenever they change
    unsigned long m_requests = 0;
    PageInterface* m_wanted = nullptr; // the host's last switch, while nothing else may move the current page
    int m_asideReports = 0;
    const GLContextInterface* m_currentContext = nullptr;
    int m_depth = 0;
    int m_busyPasses = 0;
    int m_inAnnouncement = 0;
    bool m_engineOperationRuns = false;
    bool m_stopping = false;
    bool m_initialized = false;
    bool m_strictRequests = true;
    bool m_nullArgumentsPassed = false;
    bool m_contextsFail = false;
    bool m_staleHandlesPassed = false;
    bool m_idleRefused = false;
    // The drawing-area input on its way, as the current manager's dispatcher has it.
    struct Dispatch
    {
        Queues queued;
        std::optional<Event> taken; // the event taken last, not yet handed over
        Event last{};               // the last event handed over
        int held = 0;               // the button whose press the engine received, 0 for none
        std::array<bool, 4> down{}; // the buttons the host reported down
        bool queryOwed = false;
        PageInterface* page = nullptr; // the current page, as the dispatcher last heard
    } m_dispatch;
    std::unique_ptr<orvane::test::TestHostManager> m_host;
};

// --- host code ------------------------------------------------------------------

TrackedContext::~TrackedContext() { m_session->contextGone(this); }

bool TrackedContext::makeCurrent()
{
    if (throws)
        throw std::runtime_error("context lost");
    if (!makeCurrentSucceeds)
        return false;
    m_session->madeCurrent(this);
    return true;
}

bool TrackedContext::releaseCurrent()
{
    m_session->released(this);
    if (throws)
        throw std::runtime_error("context lost");
    return true;
}

void TrackedContext::swapBuffers()
{
    m_session->swapped();
    if (throws)
        throw std::runtime_error("context lost");
}

bool Image::render(ExportRegion_e) { return m_session->renderImage(); }

services::OffscreenImageInterface* Images::createImage(int, int)
{
    Image* image = new Image(*m_session);
    m_session->imageMade(image);
    return image;
}

void Images::destroyImage(long long imageHandle) { m_session->imageDestroyed(imageHandle); }

bool Images::getRGBRow(long long imageHandle, int, unsigned char* red, unsigned char* green, unsigned char* blue)
{
    if (live.count(imageHandle) == 0)
        return false;
    for (unsigned char* channel : {red, green, blue})
        if (channel != nullptr)
            *channel = 0;
    return m_session->readImageRow();
}

void HostCode::heard(bool registered, const char* what, PageInterface* page)
{
    if (!registered)
        m_session->heardWhileRemoved(what);
    m_session->hostCodeRuns(what, page);
}

void HostCode::pageCreated(PageInterface& page, PageManagerInterface&) { heard(pageListener, "page created", &page); }
void HostCode::pageDestroyed(PageInterface&, PageManagerInterface&) { heard(pageListener, "page destroyed"); }
void HostCode::currentPageChanged(PageInterface& page, PageManagerInterface&)
{
    heard(pageListener, "current page", &page);
}
bool HostCode::shouldOpenGLBuffersBeSwapped(PageInterface& page) const { return m_session->swapDecision(page); }
void HostCode::pageNameChanged(std::string, PageInterface& page) { m_session->hostCodeRuns("name changed", &page); }
void HostCode::pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface& page)
{
    m_session->hostCodeRuns("area changed", &page);
}
void HostCode::keyPressed(KeyEventInterface&, KeyEventObservableInterface&) { heard(inputListener, "key pressed"); }
void HostCode::keyReleased(KeyEventInterface&, KeyEventObservableInterface&) { heard(inputListener, "key released"); }
void HostCode::mouseMoved(MouseEventInterface&, MouseEventObservableInterface&) { heard(inputListener, "mouse moved"); }
void HostCode::buttonPressed(MouseEventInterface&, MouseEventObservableInterface&)
{
    heard(inputListener, "button pressed");
}
void HostCode::buttonDoublePressed(MouseEventInterface&, MouseEventObservableInterface&)
{
    heard(inputListener, "double press");
}
void HostCode::buttonReleased(MouseEventInterface&, MouseEventObservableInterface&)
{
    heard(inputListener, "button released");
}
void HostCode::onIdle(OnIdleObservableInterface&) { heard(inputListener, "idle"); }
void HostCode::launch() { m_session->hostCodeRuns("dialog launcher", nullptr); }
GLDrawAreaInterface* HostCode::createGLDrawArea(orvane::toolbox::StringList&) { return m_session->areaForEnginePage(); }

} // namespace

bool runBoundarySession(const std::uint8_t* data, std::size_t size, std::string* failure)
{
    {
        Session session(data, size, failure);
        session.run();
    } // the session's end is checked too
    return failure == nullptr || failure->empty();
}

bool recordBoundarySession(const std::uint8_t* data, std::size_t size, const std::string& path, std::string* failure)
{
    std::ofstream file(path);
    orvane::sdk::integration::Trace::start(file);
    const bool passed = runBoundarySession(data, size, failure);
    orvane::sdk::integration::Trace::stop();
    return passed;
}

} // namespace fuzz
