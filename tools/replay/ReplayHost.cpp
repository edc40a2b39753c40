#include "ReplayHost.h"

#include "integration/Diagnostics.h"
#include "integration/DialogLauncherInterface.h"
#include "integration/DialogManagerInterface.h"
#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/ManagerAbstract.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/EventManagerInterface.h"
#include "integration/OnIdleListenerInterface.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/MouseAndKeyListenerSets.h"
#include "integration/intern/MouseWheelEvent.h"
#include "integration/services/CursorShapeServiceAbstract.h"
#include "integration/services/DialogGetSimpleTextServiceAbstract.h"
#include "integration/services/MRULayoutServiceAbstract.h"
#include "integration/services/ManagerMiscServiceAbstract.h"
#include "integration/services/MessageBoxServiceAbstract.h"
#include "integration/services/OffscreenImageServiceAbstract.h"
#include "integration/services/ProgressStatusServiceAbstract.h"
#include "integration/services/RunningCoordsServiceAbstract.h"
#include "integration/services/SelectRegionServiceAbstract.h"
#include "integration/services/ServiceRepositoryInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/StopButtonInterface.h"
#include "ovexception/ExceptionBase.h"

#include <boost/make_shared.hpp>
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace orvane {
namespace replay {

namespace integration = sdk::integration;
namespace services = sdk::integration::services;

namespace {

// A number the host answers with: the recorded result of the host call
// `name` at the cursor, `fallback` when the recording has none there. With
// `acts`, the host's code acts inside the call first, as recorded.
// Errors: HostFault where the recorded call has no `key`.
long long hostAnswer(ReplaySession& session, const char* name, const char* key = "result", long long fallback = 0,
                     bool acts = false)
{
    const RecordedSpan* span = session.enter("host", name);
    if (span == nullptr)
        return fallback;
    if (acts)
        session.actAsHost(span->end);
    session.moveTo(span->end);
    if (!span->span->results.contains(key))
        throw HostFault();
    return span->number(key, fallback);
}

// A result of the callback the engine fires now.
// Errors: HostFault where the callback is recorded with no result at all
// (the host's service threw through it).
long long callbackAnswer(ReplaySession& session, const char* key, long long fallback = 0)
{
    const RecordedSpan* span = session.currentCallback();
    if (span != nullptr && span->span->results.empty())
        throw HostFault();
    return span != nullptr ? span->number(key, fallback) : fallback;
}

// A text the host answers the callback being fired with: the recorded
// `key`, at the length the library copied: the recording cuts a text at its
// first zero byte and after a length, so zeros fill the rest.
std::string callbackText(ReplaySession& session, const char* key)
{
    const RecordedSpan* call = session.currentCallback();
    if (call == nullptr)
        return std::string();
    std::string text = call->text(key);
    for (std::size_t at = static_cast<std::size_t>(call - &session.span(0)) + 1; at < call->end; ++at)
        if (session.span(at).is("engine", "OrvUtilStringAlloc"))
        {
            const auto allocated = static_cast<std::size_t>(session.span(at).number("size", 1) - 1);
            text.resize(std::max(text.size(), allocated), '\0');
        }
    return text;
}

// A context answering as recorded; with `real`, what the recording shows
// done is done on that context too.
class Context : public integration::GLContextInterface
{
public:
    explicit Context(ReplaySession& session, integration::GLContextInterface* real = nullptr)
        : m_session(session), m_real(real)
    {
    }
    void swapBuffers() override
    {
        if (const RecordedSpan* span = m_session.enter("host", "swapBuffers"))
        {
            m_session.moveTo(span->end);
            if (span->span->results.contains("threw"))
                throw HostFault();
        }
        if (m_real != nullptr)
            m_real->swapBuffers();
    }
    bool makeCurrent() override
    {
        const bool made = hostAnswer(m_session, "makeCurrent", "result", 1) != 0;
        if (made && m_real != nullptr)
            m_real->makeCurrent();
        return made;
    }
    bool releaseCurrent() override
    {
        const bool released = hostAnswer(m_session, "releaseCurrent", "result", 1) != 0;
        if (released && m_real != nullptr)
            m_real->releaseCurrent();
        return released;
    }

private:
    ReplaySession& m_session;
    integration::GLContextInterface* m_real;
};

// Input as recorded: a key or mouse event with the recorded modifiers.
class Event : public virtual integration::MouseEventInterface, public virtual integration::KeyEventInterface
{
public:
    explicit Event(const RecordedSpan& span)
        : m_x(static_cast<int>(span.number("x"))),
          m_y(static_cast<int>(span.number("y"))),
          m_buttonOrKey(static_cast<int>(span.number("buttonOrKey"))),
          m_modifiers(static_cast<int>(span.number("modifiers")))
    {
    }
    int keyboardModifiers() const override { return m_modifiers; }
    bool isShiftDown() const override { return (m_modifiers & 1) != 0; }
    bool isControlDown() const override { return (m_modifiers & 2) != 0; }
    bool isAltDown() const override { return (m_modifiers & 4) != 0; }
    MouseButton_e button() const override { return toMouseButton(m_buttonOrKey); }
    int x() const override { return m_x; }
    int y() const override { return m_y; }
    MouseEventInterface* clone() const override { return new Event(*this); }
    int key() const override { return m_buttonOrKey; }

private:
    int m_x, m_y, m_buttonOrKey, m_modifiers;
};

class DrawArea : public virtual integration::GLDrawAreaInterface, public integration::intern::MouseAndKeyListenerSets
{
public:
    DrawArea(ReplaySession& session, long long number)
        : m_session(session),
          m_number(number),
          m_context(session, session.drawing != nullptr ? &session.drawing->context(number) : nullptr),
          m_state(*this)
    {
    }

    bool canRender() override { return hostAnswer(m_session, "canRender") != 0; }
    void getSize(int& width, int& height) override
    {
        const RecordedSpan* span = m_session.enter("host", "getSize");
        width = span != nullptr ? static_cast<int>(span->number("width")) : 1;
        height = span != nullptr ? static_cast<int>(span->number("height")) : 1;
        if (span != nullptr)
            m_session.moveTo(span->end);
        if (span != nullptr && !span->span->results.contains("width"))
            throw HostFault();
        if (m_session.drawing != nullptr)
            m_session.drawing->resize(m_number, width, height);
    }
    integration::GLContextInterface& getGLContext() override { return m_context; }
    long long number() const { return m_number; }
    // A page asks before it takes its area's size, inside the size the
    // recording shows for the page: the area was usable there.
    bool isValid() override
    {
        const std::size_t at = m_session.cursor();
        if (at < m_session.recording().spans().size() && m_session.span(at).is("host", "getSize"))
            return true;
        return hostAnswer(m_session, "isValid") != 0;
    }
    void addStateListener(integration::GLDrawAreaListenerInterface* listener) override
    {
        m_state.addStateListener(listener);
    }
    void removeStateListener(integration::GLDrawAreaListenerInterface* listener) override
    {
        m_state.removeStateListener(listener);
    }
    void setPageManager(integration::PageManagerInterface&) override {}
    // The window's state, as the recording's report `name` says.
    void tell(const std::string& name, bool full)
    {
        if (name == "drawAreaExposed")
            m_state.notifyOfExposed(full);
        else if (name == "drawAreaDestroyed")
            m_state.notifyOfDestroyed();
        else if (name == "drawAreaFocusGained")
            m_state.notifyOfFocusGained();
    }

    // Input as the host's window reports it (the span's kind, place, button or key).
    void input(const RecordedSpan& span)
    {
        const std::string& kind = span.name();
        Event event(span);
        if (kind == "keyPressed")
            m_keyEventObservable.notifyOfKeyPressed(event, *this);
        else if (kind == "keyReleased")
            m_keyEventObservable.notifyOfKeyReleased(event, *this);
        else if (kind == "buttonPressed")
            m_mouseEventObservable.notifyOfButtonPressed(event, *this);
        else if (kind == "buttonReleased")
            m_mouseEventObservable.notifyOfButtonReleased(event, *this);
        else if (kind == "buttonDoublePressed")
            m_mouseEventObservable.notifyOfButtonDoublePressed(event, *this);
        else if (kind == "mouseMoved")
            m_mouseEventObservable.notifyOfMouseMoved(event, *this);
    }

private:
    ReplaySession& m_session;
    const long long m_number;
    Context m_context;
    integration::intern::GLDrawAreaStateObservable m_state;
};

// A dialog launcher the host registered: the host acts in the launch.
class Launcher : public integration::DialogLauncherInterface
{
public:
    explicit Launcher(ReplaySession& session) : m_session(session) {}
    // Errors: HostFault where the recording shows the launch threw (the
    // callback has no result).
    void launch() override
    {
        const RecordedSpan* call = m_session.currentCallback();
        m_session.actAsHost(call->end);
        if (call->span->results.empty())
            throw HostFault();
    }

private:
    ReplaySession& m_session;
};

// A stop button the host registered: active as recorded.
class StopButton : public integration::StopButtonInterface
{
public:
    explicit StopButton(ReplaySession& session) : m_session(session) {}
    bool isActive() const override { return hostAnswer(m_session, "isActive") != 0; }
    bool isWidget(const void*) const override { return false; }

private:
    ReplaySession& m_session;
};

// The render decider the host pushed, when the recording shows one asked;
// the host's code may act in it.
class Decider : public integration::PageRenderDeciderInterface
{
public:
    explicit Decider(ReplaySession& session) : m_session(session) {}
    bool shouldOpenGLBuffersBeSwapped(integration::PageInterface&) const override
    {
        return hostAnswer(m_session, "shouldOpenGLBuffersBeSwapped", "result", 1, true) != 0;
    }

private:
    ReplaySession& m_session;
};

class Monitor : public integration::intern::ApplicationEventMonitorAbstract
{
public:
    Monitor(integration::ManagerInterface& manager, ReplaySession& session)
        : ApplicationEventMonitorAbstract(manager), m_session(session)
    {
    }
    bool isReady() override { return true; }
    bool stopMonitoring() override { return true; }
    void processPendingEvents() override
    {
        if (const RecordedSpan* pass = m_session.enter("pass", "busy pass"))
            m_session.actAsHost(pass->end);
    }
    void engineInterrupted() override { m_session.actInHostSpan("engineInterrupted"); }

    using ApplicationEventMonitorAbstract::notifyOfButtonDoublePressed;
    using ApplicationEventMonitorAbstract::notifyOfButtonPressed;
    using ApplicationEventMonitorAbstract::notifyOfButtonReleased;
    using ApplicationEventMonitorAbstract::notifyOfIdle;
    using ApplicationEventMonitorAbstract::notifyOfKeyPressed;
    using ApplicationEventMonitorAbstract::notifyOfKeyReleased;
    using ApplicationEventMonitorAbstract::notifyOfMouseMoved;

private:
    ReplaySession& m_session;
};

class Manager : public integration::ManagerAbstract
{
public:
    explicit Manager(ReplaySession& session) : m_monitor(*this, session) {}
    integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override { return m_monitor; }
    Monitor& monitor() { return m_monitor; }

private:
    Monitor m_monitor;
};

// --- services: each answers with the recorded results of the callback that asks ---

class MiscService : public services::ManagerMiscServiceAbstract
{
public:
    explicit MiscService(ReplaySession& session) : m_session(session) {}
    int getKeyboardModifiers() override
    {
        return (callbackAnswer(m_session, "shift") == 1 ? 1 : 0) | (callbackAnswer(m_session, "control") == 1 ? 2 : 0) |
               (callbackAnswer(m_session, "alt") == 1 ? 4 : 0);
    }
    short translateKeyCode(int keyCode) override { return static_cast<short>(keyCode); }
    // The engine may pass no place for an answer.
    void getDotPitch(double* x, double* y) override
    {
        if (x != nullptr)
            *x = static_cast<double>(callbackAnswer(m_session, "xNanometres")) / 1e6;
        if (y != nullptr)
            *y = static_cast<double>(callbackAnswer(m_session, "yNanometres")) / 1e6;
    }
    void getScreenSize(int* width, int* height) override
    {
        if (width != nullptr)
            *width = static_cast<int>(callbackAnswer(m_session, "width"));
        if (height != nullptr)
            *height = static_cast<int>(callbackAnswer(m_session, "height"));
    }
    // Asked by the engine's callback, or by the library (its own host call).
    bool isMouseButtonPressed(integration::MouseEventInterface::MouseButton_e) override
    {
        if (m_session.currentCallback() != nullptr &&
            m_session.currentCallback()->is("callback", "staticMouseButtonStateCallback"))
            return callbackAnswer(m_session, "result") != 0;
        return hostAnswer(m_session, "isMouseButtonPressed") != 0;
    }
    std::string getOpenGLVersionString() override
    {
        return callbackText(m_session, "result");
    }
    double getDevicePixelRatio() override { return 1.0; }

private:
    ReplaySession& m_session;
};

class MessageBoxService : public services::MessageBoxServiceAbstract
{
public:
    explicit MessageBoxService(ReplaySession& session) : m_session(session) {}
    MessageBoxReply_e showMessageBox(const char*, MessageBoxType_e) override
    {
        return static_cast<MessageBoxReply_e>(callbackAnswer(m_session, "result", MessageBoxReply_Invalid));
    }

private:
    ReplaySession& m_session;
};

class SimpleTextService : public services::DialogGetSimpleTextServiceAbstract
{
public:
    explicit SimpleTextService(ReplaySession& session) : m_session(session) {}
    bool getSimpleText(std::string, std::string& text) override
    {
        text = callbackText(m_session, "text");
        return callbackAnswer(m_session, "result") != 0;
    }

private:
    ReplaySession& m_session;
};

class CursorService : public services::CursorShapeServiceAbstract
{
public:
    void showWaitCursor(bool) override {}
    void setBaseCursorStyle(long long, CursorStyle_e) override {}
};

class MRUService : public services::MRULayoutServiceAbstract
{
public:
    void updateMRULayout(const std::string&) override {}
};

class ProgressService : public services::ProgressStatusServiceAbstract
{
public:
    void setStatusLine(const char*) override {}
    void startProgressMonitor(bool, bool) override {}
    void finishProgressMonitor() override {}
    void updateProgressMonitor(int) override {}
};

class CoordsService : public services::RunningCoordsServiceAbstract
{
public:
    void showRunningCoordinates(const char*, const char*) override {}
};

class RegionService : public services::SelectRegionServiceAbstract
{
public:
    void selectItemsInRect(double, double, double, double, bool) override {}
};

// What the library reported to the engine inside the callback being fired
// (an image that failed); empty when it reported nothing.
const RecordedSpan* failureReport(ReplaySession& session)
{
    const RecordedSpan* call = session.currentCallback();
    if (call == nullptr)
        return nullptr;
    for (std::size_t at = static_cast<std::size_t>(call - &session.span(0)) + 1; at < call->end; ++at)
        if (session.span(at).is("engine", "OrvUtilDialogErrMsg"))
            return &session.span(at);
    return nullptr;
}

// An image renders as recorded: the graphics' failure the library
// reported, or the recorded result.
class Image : public services::OffscreenImageInterface
{
public:
    explicit Image(ReplaySession& session) : m_session(session), m_context(session) {}
    bool render(ExportRegion_e) override
    {
        if (const RecordedSpan* failure = failureReport(m_session))
            throw orvane::ExceptionBase(failure->text("message"));
        return callbackAnswer(m_session, "result") != 0;
    }
    integration::GLContextInterface& getGLContext() override { return m_context; }

private:
    ReplaySession& m_session;
    Context m_context;
};

class ImageService : public services::OffscreenImageServiceAbstract
{
public:
    explicit ImageService(ReplaySession& session) : m_session(session) {}
    // An image the engine got no handle of failed with another exception
    // than the graphics' (the library reported its message), or was none.
    services::OffscreenImageInterface* createImage(int, int) override
    {
        if (callbackAnswer(m_session, "image") == 0)
        {
            if (const RecordedSpan* failure = failureReport(m_session))
                throw std::runtime_error(failure->text("message"));
            return nullptr;
        }
        m_images.push_back(std::unique_ptr<Image>(new Image(m_session)));
        return m_images.back().get();
    }
    void destroyImage(long long) override {}
    bool getRGBRow(long long, int, unsigned char*, unsigned char*, unsigned char*) override
    {
        return callbackAnswer(m_session, "result") != 0;
    }

private:
    ReplaySession& m_session;
    std::vector<std::unique_ptr<Image>> m_images;
};

} // namespace

class ReplayHost::Impl : public integration::PageChangeListenerInterface,
                         public integration::GLDrawAreaFactoryInterface,
                         public integration::OnIdleListenerInterface
{
public:
    explicit Impl(ReplaySession& session)
        : m_session(session),
          m_misc(session),
          m_messageBox(session),
          m_simpleText(session),
          m_images(session)
    {
        session.setHostActor([this](std::size_t end, bool queries) { act(end, queries); });
        servicesFirst();
        newManager();
    }

    ~Impl() override
    {
        // A recording cut short (a shrunk one) may end with the engine
        // running: the replay stops it, as a host does before it exits.
        try
        {
            m_manager->stop();
        }
        catch (...)
        {
        }
        stopListening();
    }

    // --- the library's calls on the host ---

    // The page manager tells its listeners in the order of their addresses,
    // the library's own among them. The host's part listens twice: first
    // (an object of the program's, below the heap) and last (one of the
    // thread's, above it), and acts in the turn the recording shows.
    class PageListener : public integration::PageManagerListenerInterface
    {
    public:
        void pageCreated(integration::PageInterface& page, integration::PageManagerInterface&) override
        {
            if (!last)
            {
                impl->m_pages.push_back(&page);
                page.addChangeListener(impl);
            }
            impl->pageListenersTurn(last);
        }
        void pageDestroyed(integration::PageInterface& page, integration::PageManagerInterface&) override
        {
            if (!last)
            {
                std::vector<integration::PageInterface*>& pages = impl->m_pages;
                pages.erase(std::remove(pages.begin(), pages.end(), &page), pages.end());
            }
            impl->pageListenersTurn(last);
        }
        void currentPageChanged(integration::PageInterface&, integration::PageManagerInterface&) override
        {
            impl->pageListenersTurn(last);
        }

        Impl* impl = nullptr;
        bool last = false;
    };
    static PageListener& pageListener(bool last)
    {
        static PageListener first;
        static thread_local PageListener then;
        PageListener& listener = last ? then : first;
        listener.last = last;
        return listener;
    }
    void stopListening()
    {
        for (bool last : {false, true})
            m_manager->getPageManager().removeListener(&pageListener(last));
    }
    // The host's listener acts in the turn where the recording shows it:
    // last where the library's own listeners left a mark (input dropped)
    // before the host's first request.
    void pageListenersTurn(bool last)
    {
        if (actsLast() == last)
            m_session.actInHostSpan("page listeners");
    }
    bool actsLast() const
    {
        const int open = m_session.openSpan();
        std::size_t set = open >= 0 && m_session.span(static_cast<std::size_t>(open)).is("host", "page listeners")
                              ? static_cast<std::size_t>(open)
                              : m_session.cursor();
        if (set >= recordingSize() || !m_session.span(set).is("host", "page listeners"))
            return false;
        for (std::size_t at = set + 1; at < m_session.span(set).end; at = m_session.span(at).end)
        {
            if (m_session.span(at).category() == "request")
                return false;
            if (m_session.span(at).name().compare(0, 6, "input.") == 0)
                return true;
        }
        return false;
    }
    integration::GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList&) override
    {
        const long long number = hostAnswer(m_session, "createGLDrawArea");
        return number != 0 ? &area(number) : nullptr;
    }
    void onIdle(integration::OnIdleObservableInterface&) override { m_session.actInHostSpan("idle listeners"); }
    // A page's change listeners have no span: the requests the recording
    // shows next are theirs.
    void pageNameChanged(std::string, integration::PageInterface&) override { requestsHere(); }
    void pageDrawAreaChanged(integration::GLDrawAreaInterface*, integration::PageInterface& page) override
    {
        // Told inside the move's span, which the replay has not entered yet
        // where the library moved the page itself (a page added to an area,
        // or one that lets go of the area another page takes).
        const int open = m_session.openSpan();
        const RecordedSpan* move = m_session.cursor() < recordingSize() ? &m_session.span(m_session.cursor()) : nullptr;
        const DrawArea* area = dynamic_cast<DrawArea*>(page.getDrawArea());
        if (open >= 0 && move != nullptr && move->is("request", "setDrawArea") && move->parent == open &&
            move->number("page") == page.getUniqueID() && move->number("area") == (area ? area->number() : 0))
            m_session.moveTo(m_session.cursor() + 1);
        requestsHere();
    }
    void requestsHere()
    {
        const int open = m_session.openSpan();
        if (open < 0 || m_session.span(static_cast<std::size_t>(open)).category() != "request")
            return;
        while (m_session.cursor() < recordingSize() && m_session.span(m_session.cursor()).category() == "request" &&
               m_session.span(m_session.cursor()).parent == open)
        {
            const RecordedSpan& span = m_session.span(m_session.cursor());
            request(span);
            m_session.moveTo(std::max(m_session.cursor(), span.end));
        }
    }

    std::size_t recordingSize() const { return m_session.recording().spans().size(); }

    // --- the host's part ---
    void act(std::size_t end, bool queries = true)
    {
        while (m_session.cursor() < end)
        {
            const std::size_t at = m_session.cursor();
            const RecordedSpan& span = m_session.span(at);
            // What the library or a host object throws at a step of the
            // host's code ends the step there, as the host's code catches
            // (its event loop at the top); where the recording shows the
            // exception leave a host span, the span throws again as it ends.
            try
            {
                if (!step(span, at, end, queries))
                    return;
            }
            catch (const std::exception&)
            {
                m_session.moveTo(std::max(m_session.cursor(), span.end));
            }
        }
    }

private:
    // One step of the host's part at the cursor; false where the library's
    // own listeners take over.
    bool step(const RecordedSpan& span, std::size_t at, std::size_t end, bool queries)
    {
        if (span.category() == "callback")
        {
            m_session.fire(at);
            return true;
        }
        // A frame the engine drew by itself: its callbacks are fired.
        if (span.category() == "frame")
        {
            m_session.moveTo(at + 1);
            return true;
        }
        // The library's own listeners make the engine calls in a listener set.
        if (!queries && Recording::isCrossing(span) && !m_session.recording().isHostQuery(at))
            return false;
        if (span.category() == "request")
            request(span);
        else if (span.category() == "input")
            input(span);
        else if (span.is("idle", "damage"))
            sdk::ui::common::processIdleActions();
        // The host asked for an interrupt, which its stop buttons were asked
        // about first (an active one defers it: no request is recorded then).
        else if (span.is("host", "isActive"))
            m_manager->monitor().interrupt();
        // The engine told of a state change there.
        else if (span.is("engine", "OrvUtilParentLockStart"))
            m_session.moveTo(m_session.stateChangeAt(at, end));
        else if (span.category() == "engine" && span.name() != "AppLock")
            query(span, end);
        m_session.moveTo(std::max(m_session.cursor(), span.end));
        return true;
    }

    // The host's manager, made again where the recording shows the host
    // making a new one (its monitor's registration at the top, or between
    // the callbacks of a frame the engine draws callback by callback).
    void newManager()
    {
        if (m_manager)
            stopListening();
        m_manager.reset();
        m_pages.clear();
        m_manager.reset(new Manager(m_session));
        integration::PageManagerInterface& pages = m_manager->getPageManager();
        pages.setGLDrawAreaFactory(*this);
        for (bool last : {false, true})
        {
            pageListener(last).impl = this;
            pages.addListener(&pageListener(last));
        }
        // Slots where the recording shows them: a signal without one is not recorded.
        if (m_session.recording().hasHostSpan("page signal"))
            for (auto* signal : {&pages.signalPageCreated, &pages.signalPageDestroyed, &pages.signalPageCurrentChanged})
                signal->connect([this](integration::PageInterface&) { m_session.actInHostSpan("page signal"); });
        if (m_session.recording().hasHostSpan("signalEngineStarted"))
            m_manager->signalEngineStarted.connect([this] { m_session.actInHostSpan("signalEngineStarted"); });
    }

    DrawArea& area(long long number)
    {
        std::unique_ptr<DrawArea>& made = m_areas[number];
        if (!made)
            made.reset(new DrawArea(m_session, number));
        return *made;
    }

    Launcher& launcher(long long number)
    {
        std::unique_ptr<Launcher>& made = m_launchers[number];
        if (!made)
            made.reset(new Launcher(m_session));
        return *made;
    }

    // Number 0: the host passed none.
    boost::shared_ptr<StopButton> stopButton(long long number)
    {
        if (number == 0)
            return nullptr;
        boost::shared_ptr<StopButton>& button = m_stopButtons[number];
        if (!button)
            button = boost::make_shared<StopButton>(m_session);
        return button;
    }

    integration::PageInterface* page(long long id)
    {
        for (integration::PageInterface* each : m_pages)
            if (each->getUniqueID() == id)
                return each;
        return nullptr;
    }

    // A request as the recording shows it, the cursor in its span while
    // the library serves it.
    void request(const RecordedSpan& span)
    {
        m_session.moveTo(static_cast<std::size_t>(&span - &m_session.span(0)) + 1);
        const std::string& name = span.name();
        Monitor& monitor = m_manager->monitor();
        integration::PageManagerInterface& pages = m_manager->getPageManager();
        if (name == "init")
            init(span);
        else if (name == "start")
            m_manager->start();
        else if (name == "stop")
            m_manager->stop();
        else if (name == "addPage")
            pages.addPage(span.number("area") != 0 ? &area(span.number("area")) : nullptr);
        else if (name == "interrupt")
            monitor.interrupt();
        else if (name == "carry out" || name == "request dropped")
            sdk::ui::common::processIdleActions();
        else if (name == "notifyOfIdle")
            monitor.notifyOfIdle(monitor);
        else if (name.compare(0, 8, "notifyOf") == 0)
            report(span);
        else if (name == "processingNewEvent")
            monitor.signalProcessingNewEvent(integration::ApplicationEventMonitorInterface::EventReceiverInfo{
                &m_receivers[span.number("receiver")], span.number("allowsInterrupt") != 0});
        else if (name == "wheelRotated")
        {
            integration::intern::MouseWheelEvent wheel(0, 0, 0, false, false, false,
                                                       integration::MouseWheelEventInterface::Orientation_Vertical);
            monitor.signalWheelRotated(wheel);
        }
        else if (name == "pushPageRenderDecider")
            pages.pushPageRenderDecider(span.span->arguments.contains("decider") ? nullptr
                                                                                 : boost::make_shared<Decider>(m_session));
        else if (name == "popPageRenderDecider")
            pages.popPageRenderDecider();
        else if (name.compare(0, 8, "drawArea") == 0)
            area(span.number("area")).tell(name, span.number("full") != 0);
        else if (name == "registerStopButton")
            monitor.registerStopButton(stopButton(span.number("button")));
        else if (name == "unRegisterStopButton")
            monitor.unRegisterStopButton(stopButton(span.number("button")));
        else if (name == "setCheckedMode")
            integration::Diagnostics::setCheckedMode(span.number("checked") != 0);
        else if (name == "widgetChangeDueToTimerEvent")
            monitor.signalWidgetChangeDuetoTimerEvent();
        else if (name == "engineIsNoLongerBusy")
            monitor.signalEngineIsNoLongerBusy();
        else if (integration::PageInterface* target = page(span.number("page")))
        {
            if (name == "deletePage")
                pages.deletePage(*target);
            else if (name == "setCurrentPage" && printPreview(span.end))
                target->setPrintPreviewActive(m_session.span(span.end + 1).number("active") != 0);
            else if (name == "setCurrentPage")
                pages.setCurrentPage(*target);
            else if (name == "redraw")
                target->redraw();
            else if (name == "setDrawArea")
                target->setDrawArea(span.number("area") != 0 ? &area(span.number("area")) : nullptr);
        }
    }

    // Whether the span at `index` is the print preview set under the
    // application lock, which a page does after it made itself current.
    bool printPreview(std::size_t index) const
    {
        return index + 1 < recordingSize() && m_session.span(index).is("engine", "AppLock") &&
               m_session.span(index + 1).is("engine", "OrvEngPagePrintPreviewSetActive");
    }

    void init(const RecordedSpan& span)
    {
        // The host's arguments: as many as the recording's, less the home directory's two.
        // No engine call: the library refused them (a "-h" with no directory).
        long long argc = 0;
        for (std::size_t i = m_session.cursor(); i < span.end; ++i)
            if (m_session.span(i).is("engine", "OrvEngInit"))
            {
                argc = std::max(1LL, m_session.span(i).number("argc") - 2);
                break;
            }
        static char program[] = "orvane-replay";
        static char argument[] = "-replayed";
        static char noHome[] = "-h";
        std::vector<char*> argv(argc == 0 ? 2 : static_cast<std::size_t>(argc), argc == 0 ? noHome : argument);
        argv[0] = program;
        argc = static_cast<long long>(argv.size());
        if (m_manager->init(static_cast<int>(argc), argv.data(), "/replay") !=
            integration::ManagerInterface::ManagerStartReturnCode_Ok)
            return;
        m_manager->getEventManager().addOnIdleListener(this);
        if (m_session.recording().hasHostSpan("signalOnIdle"))
            m_manager->getEventManager().signalOnIdle.connect(
            [this] { m_session.actInHostSpan("signalOnIdle"); });
    }

    void report(const RecordedSpan& span)
    {
        Monitor& monitor = m_manager->monitor();
        const std::string& name = span.name();
        Event event(span);
        if (name == "notifyOfKeyPressed")
            monitor.notifyOfKeyPressed(event);
        else if (name == "notifyOfKeyReleased")
            monitor.notifyOfKeyReleased(event);
        else if (name == "notifyOfMouseMoved")
            monitor.notifyOfMouseMoved(event);
        else if (name == "notifyOfButtonPressed")
            monitor.notifyOfButtonPressed(event);
        else if (name == "notifyOfButtonReleased")
            monitor.notifyOfButtonReleased(event);
        else if (name == "notifyOfButtonDoublePressed")
            monitor.notifyOfButtonDoublePressed(event);
    }

    // Input a drawing area reports.
    void input(const RecordedSpan& span)
    {
        if (span.name().compare(0, 6, "input.") != 0)
            area(span.number("area")).input(span);
    }

    // An engine call at the host's level: a service made current (its
    // registrations), or the busy check of a drawing area's move that
    // follows. The host's queries are not repeated.
    void query(const RecordedSpan& span, std::size_t end)
    {
        const std::string& name = span.name();
        if (name == "OrvUtilIsBusy" && span.end < end && m_session.span(span.end).is("input", "mouseMoved"))
        {
            const RecordedSpan& move = m_session.span(span.end);
            input(move);
            m_session.moveTo(std::max(m_session.cursor(), move.end));
            return;
        }
        if (name == "OrvEngProcessBusyEventsRegisterCallback" &&
            (span.parent < 0 || m_session.span(static_cast<std::size_t>(span.parent)).category() == "frame"))
            newManager();
        else if (name == "OrvEngDialogLaunchDropRegisterCallbacks")
            m_manager->getDialogManager().registerDialogLauncher(
                span.number("client") != 0 ? &launcher(span.number("client")) : nullptr, static_cast<int>(span.number("dialog")));
        else if (services::ServiceInterface* service = serviceRegistering(name))
            service->makeCurrent();
    }

    // What a host did before it made its manager, where the recording
    // opens with it: checked mode set, services made current (their
    // registrations come before the monitor's).
    void servicesFirst()
    {
        while (m_session.cursor() < recordingSize())
        {
            const RecordedSpan& span = m_session.span(m_session.cursor());
            services::ServiceInterface* service = span.parent < 0 ? serviceRegistering(span.name()) : nullptr;
            if (span.is("request", "setCheckedMode"))
                integration::Diagnostics::setCheckedMode(span.number("checked") != 0);
            else if (service != nullptr)
                service->makeCurrent();
            else
                break;
            m_session.moveTo(std::max(m_session.cursor(), span.end));
        }
    }

    services::ServiceInterface* serviceRegistering(const std::string& registration)
    {
        static const std::pair<const char*, int> Classes[] = {
            {"DotPitch", 0},       {"ScreenSize", 0},       {"KeyState", 0},         {"MouseButtonState", 0},
            {"OpenGLVersion", 0},  {"DialogMessageBox", 1}, {"DialogGetSimpleText", 2}, {"BaseCursorStyle", 3},
            {"WaitCursorState", 3}, {"MRULayout", 4},       {"StatusLine", 5},       {"ProgressMonitor", 5},
            {"ShowRunningCoordinates", 6}, {"SelectRegion", 7}, {"OffscreenImage", 8}};
        services::ServiceInterface* const objects[] = {&m_misc,     &m_messageBox, &m_simpleText,
                                                       &m_cursor,   &m_mru,        &m_progress,
                                                       &m_coords,   &m_region,     &m_images};
        for (const auto& entry : Classes)
            if (registration.compare(0, 6, "OrvEng") == 0 &&
                registration.compare(6, std::strlen(entry.first), entry.first) == 0)
                return objects[entry.second];
        return nullptr;
    }

    ReplaySession& m_session;
    MiscService m_misc;
    MessageBoxService m_messageBox;
    SimpleTextService m_simpleText;
    CursorService m_cursor;
    MRUService m_mru;
    ProgressService m_progress;
    CoordsService m_coords;
    RegionService m_region;
    ImageService m_images;
    std::unique_ptr<Manager> m_manager;
    std::map<long long, std::unique_ptr<DrawArea>> m_areas;
    std::vector<integration::PageInterface*> m_pages;
    // Stand-ins for the widgets that received GUI events, by their numbers.
    std::map<long long, char> m_receivers;
    std::map<long long, boost::shared_ptr<StopButton>> m_stopButtons;
    std::map<long long, std::unique_ptr<Launcher>> m_launchers;
};

ReplayHost::ReplayHost(ReplaySession& session) : m_impl(new Impl(session)) {}

ReplayHost::~ReplayHost() = default;

void ReplayHost::run() { m_impl->act(m_impl->recordingSize()); }

} // namespace replay
} // namespace orvane
