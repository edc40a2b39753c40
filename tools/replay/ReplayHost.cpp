#include "ReplayHost.h"

#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/ManagerAbstract.h"
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

#include <cstring>
#include <map>
#include <vector>

namespace orvane {
namespace replay {

namespace integration = sdk::integration;
namespace services = sdk::integration::services;

namespace {

// A number the host answers with: the recorded result of the host call
// `name` at the cursor, `fallback` when the recording has none there.
long long hostAnswer(ReplaySession& session, const char* name, const char* key = "result", long long fallback = 0)
{
    const RecordedSpan* span = session.enter("host", name);
    if (span == nullptr)
        return fallback;
    session.moveTo(span->end);
    return span->number(key, fallback);
}

// A result of the callback the engine fires now.
long long callbackAnswer(ReplaySession& session, const char* key, long long fallback = 0)
{
    const RecordedSpan* span = session.currentCallback();
    return span != nullptr ? span->number(key, fallback) : fallback;
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
        hostAnswer(m_session, "swapBuffers");
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
        if (m_session.drawing != nullptr)
            m_session.drawing->resize(m_number, width, height);
    }
    integration::GLContextInterface& getGLContext() override { return m_context; }
    bool isValid() override { return hostAnswer(m_session, "isValid") != 0; }
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

// The render decider the host pushed, when the recording shows one asked.
class Decider : public integration::PageRenderDeciderInterface
{
public:
    explicit Decider(ReplaySession& session) : m_session(session) {}
    bool shouldOpenGLBuffersBeSwapped(integration::PageInterface&) const override
    {
        return hostAnswer(m_session, "shouldOpenGLBuffersBeSwapped", "result", 1) != 0;
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
    void getDotPitch(double* x, double* y) override
    {
        *x = static_cast<double>(callbackAnswer(m_session, "xNanometres")) / 1e6;
        *y = static_cast<double>(callbackAnswer(m_session, "yNanometres")) / 1e6;
    }
    void getScreenSize(int* width, int* height) override
    {
        *width = static_cast<int>(callbackAnswer(m_session, "width"));
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
        const RecordedSpan* span = m_session.currentCallback();
        return span != nullptr ? span->text("result") : std::string();
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
        if (const RecordedSpan* span = m_session.currentCallback())
            text = span->text("text");
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

class Image : public services::OffscreenImageInterface
{
public:
    explicit Image(ReplaySession& session) : m_context(session) {}
    bool render(ExportRegion_e) override { return true; }
    integration::GLContextInterface& getGLContext() override { return m_context; }

private:
    Context m_context;
};

class ImageService : public services::OffscreenImageServiceAbstract
{
public:
    explicit ImageService(ReplaySession& session) : m_session(session) {}
    services::OffscreenImageInterface* createImage(int, int) override
    {
        if (callbackAnswer(m_session, "result") == 0)
            return nullptr;
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

class ReplayHost::Impl : public integration::PageManagerListenerInterface,
                         public integration::GLDrawAreaFactoryInterface,
                         public integration::OnIdleListenerInterface
{
public:
    explicit Impl(ReplaySession& session)
        : m_session(session),
          m_manager(session),
          m_misc(session),
          m_messageBox(session),
          m_simpleText(session),
          m_images(session)
    {
        session.setHostActor([this](std::size_t end, bool queries) { act(end, queries); });
        integration::PageManagerInterface& pages = m_manager.getPageManager();
        pages.setGLDrawAreaFactory(*this);
        pages.addListener(this);
        // Slots where the recording shows them: a signal without one is not recorded.
        if (session.recording().hasHostSpan("page signal"))
            for (auto* signal : {&pages.signalPageCreated, &pages.signalPageDestroyed, &pages.signalPageCurrentChanged})
                signal->connect([this](integration::PageInterface&) { m_session.actInHostSpan("page signal"); });
        if (session.recording().hasHostSpan("signalEngineStarted"))
            m_manager.signalEngineStarted.connect([this] { m_session.actInHostSpan("signalEngineStarted"); });
    }

    ~Impl() override
    {
        // A recording cut short (a shrunk one) may end with the engine
        // running: the replay stops it, as a host does before it exits.
        try
        {
            m_manager.stop();
        }
        catch (...)
        {
        }
        m_manager.getPageManager().removeListener(this);
    }

    // --- the library's calls on the host ---
    void pageCreated(integration::PageInterface& page, integration::PageManagerInterface&) override
    {
        m_pages.push_back(&page);
        m_session.actInHostSpan("page listeners");
    }
    void pageDestroyed(integration::PageInterface& page, integration::PageManagerInterface&) override
    {
        for (auto it = m_pages.begin(); it != m_pages.end(); ++it)
            if (*it == &page)
            {
                m_pages.erase(it);
                break;
            }
        m_session.actInHostSpan("page listeners");
    }
    void currentPageChanged(integration::PageInterface&, integration::PageManagerInterface&) override
    {
        m_session.actInHostSpan("page listeners");
    }
    integration::GLDrawAreaInterface* createGLDrawArea(orvane::toolbox::StringList&) override
    {
        const RecordedSpan* span = m_session.enter("host", "createGLDrawArea");
        if (span == nullptr || span->number("result") == 0)
            return nullptr;
        m_session.moveTo(span->end);
        return &area(span->number("result"));
    }
    void onIdle(integration::OnIdleObservableInterface&) override { m_session.actInHostSpan("idle listeners"); }

    std::size_t recordingSize() const { return m_session.recording().spans().size(); }

    // --- the host's part ---
    void act(std::size_t end, bool queries = true)
    {
        while (m_session.cursor() < end)
        {
            const std::size_t at = m_session.cursor();
            const RecordedSpan& span = m_session.span(at);
            if (span.category() == "callback")
            {
                m_session.fire(at);
                continue;
            }
            // A frame the engine drew by itself: its callbacks are fired.
            if (span.category() == "frame")
            {
                m_session.moveTo(at + 1);
                continue;
            }
            // The library's own listeners make the engine calls in a listener set.
            if (!queries && Recording::isCrossing(span) && !m_session.recording().isHostQuery(at))
                return;
            if (span.category() == "request")
                request(span);
            else if (span.category() == "input")
                input(span);
            else if (span.is("idle", "damage"))
                sdk::ui::common::processIdleActions();
            else if (span.category() == "engine" && span.name() != "AppLock")
                query(span, end);
            m_session.moveTo(std::max(m_session.cursor(), span.end));
        }
    }

private:
    DrawArea& area(long long number)
    {
        std::unique_ptr<DrawArea>& made = m_areas[number];
        if (!made)
            made.reset(new DrawArea(m_session, number));
        return *made;
    }

    boost::shared_ptr<StopButton>& stopButton(long long number)
    {
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

    void request(const RecordedSpan& span)
    {
        const std::string& name = span.name();
        Monitor& monitor = m_manager.monitor();
        integration::PageManagerInterface& pages = m_manager.getPageManager();
        if (name == "init")
            init(span);
        else if (name == "start")
            m_manager.start();
        else if (name == "stop")
            m_manager.stop();
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
            pages.pushPageRenderDecider(boost::make_shared<Decider>(m_session));
        else if (name == "popPageRenderDecider")
            pages.popPageRenderDecider();
        else if (name.compare(0, 8, "drawArea") == 0)
            area(span.number("area")).tell(name, span.number("full") != 0);
        else if (name == "registerStopButton")
            monitor.registerStopButton(stopButton(span.number("button")));
        else if (name == "unRegisterStopButton")
            monitor.unRegisterStopButton(stopButton(span.number("button")));
        else if (name == "widgetChangeDueToTimerEvent")
            monitor.signalWidgetChangeDuetoTimerEvent();
        else if (name == "engineIsNoLongerBusy")
            monitor.signalEngineIsNoLongerBusy();
        else if (integration::PageInterface* target = page(span.number("page")))
        {
            if (name == "deletePage")
                pages.deletePage(*target);
            else if (name == "setCurrentPage")
                pages.setCurrentPage(*target);
            else if (name == "redraw")
                target->redraw();
            else if (name == "setDrawArea")
                target->setDrawArea(span.number("area") != 0 ? &area(span.number("area")) : nullptr);
        }
    }

    void init(const RecordedSpan& span)
    {
        // The host's arguments: as many as the recording's, less the home directory's two.
        long long argc = 1;
        for (std::size_t i = m_session.cursor(); i < span.end; ++i)
            if (m_session.span(i).is("engine", "OrvEngInit"))
            {
                argc = std::max(1LL, m_session.span(i).number("argc") - 2);
                break;
            }
        static char program[] = "orvane-replay";
        static char argument[] = "-replayed";
        std::vector<char*> argv(static_cast<std::size_t>(argc), argument);
        argv[0] = program;
        m_manager.init(static_cast<int>(argc), argv.data(), "/replay");
        m_manager.getEventManager().addOnIdleListener(this);
        if (m_session.recording().hasHostSpan("signalOnIdle"))
            m_manager.getEventManager().signalOnIdle.connect(
            [this] { m_session.actInHostSpan("signalOnIdle"); });
    }

    void report(const RecordedSpan& span)
    {
        Monitor& monitor = m_manager.monitor();
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
        if (services::ServiceInterface* service = serviceRegistering(name))
            m_manager.getServiceRepository().setService(service);
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
                return m_madeCurrent[entry.second]++ == 0 ? objects[entry.second] : nullptr;
        return nullptr;
    }

    ReplaySession& m_session;
    Manager m_manager;
    MiscService m_misc;
    MessageBoxService m_messageBox;
    SimpleTextService m_simpleText;
    CursorService m_cursor;
    MRUService m_mru;
    ProgressService m_progress;
    CoordsService m_coords;
    RegionService m_region;
    ImageService m_images;
    int m_madeCurrent[9] = {};
    std::map<long long, std::unique_ptr<DrawArea>> m_areas;
    std::vector<integration::PageInterface*> m_pages;
    // Stand-ins for the widgets that received GUI events, by their numbers.
    std::map<long long, char> m_receivers;
    std::map<long long, boost::shared_ptr<StopButton>> m_stopButtons;
};

ReplayHost::ReplayHost(ReplaySession& session) : m_impl(new Impl(session)) {}

ReplayHost::~ReplayHost() = default;

void ReplayHost::run() { m_impl->act(m_impl->recordingSize()); }

} // namespace replay
} // namespace orvane
