#include "integration/intern/WorkAreaEventDispatcher.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/TraceRecorder.h"
#include "ovsdkbase.h"
#include "ovsdkcommon/AppLock.h"
#include "util/ConnectAtBack.h"
#include "util/ScopedExitAction.h"

#include <algorithm>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

typedef WorkAreaEventDispatcher::EventInfo EventInfo;

const std::size_t InitialQueueCapacity = 32;
const int NoButton = 0;

// The engine's number of a mouse button: 0 to 3, -1 for any other.
int engineButton(MouseEventInterface::MouseButton_e button)
{
    const int number = button;
    return number >= MouseEventInterface::MouseButton_None && number <= MouseEventInterface::MouseButton_3 ? number
                                                                                                          : -1;
}

Boolean_t toBoolean(bool value) { return value ? TRUE : FALSE; }

const char* kindName(int kind)
{
    switch (kind)
    {
    case EventInfo::Kind_ButtonPressed:
        return "buttonPressed";
    case EventInfo::Kind_ButtonReleased:
        return "buttonReleased";
    case EventInfo::Kind_ButtonDoublePressed:
        return "buttonDoublePressed";
    case EventInfo::Kind_MouseMoved:
        return "mouseMoved";
    case EventInfo::Kind_KeyPressed:
        return "keyPressed";
    case EventInfo::Kind_KeyReleased:
        return "keyReleased";
    default:
        return "drag";
    }
}

// The trace's flow of the `index`th event a registration queued.
unsigned long long inputFlow(long long serial, long long index)
{
    return (static_cast<unsigned long long>(serial) << 32) + static_cast<unsigned long long>(index) + 1;
}

// The span of one event handed to the engine, where its flow ends; nothing
// for an event queued before the recording, nothing at all untraced.
template <bool Traced>
class DispatchSpan;

template <>
class DispatchSpan<false>
{
public:
    DispatchSpan(unsigned long long, const EventInfo&) {}
    void close(bool) {}
};

template <>
class DispatchSpan<true>
{
public:
    DispatchSpan(unsigned long long flow, const EventInfo& info)
        : m_span("input", "input.dispatch",
                 {traceText("kind", kindName(info.kind)), traceNumber("x", info.x), traceNumber("y", info.y),
                  traceNumber("buttonOrKey", info.buttonOrKey)})
    {
        if (flow != 0)
            TraceRecorder::flowEnd("input", flow);
    }
    void close(bool interrupted) { m_span.close({traceNumber("interrupted", interrupted)}); }

private:
    TraceSpan m_span;
};

} // namespace

std::array<bool, 4> WorkAreaEventDispatcher::s_mouseButtonStates = {};

WorkAreaEventDispatcher::WorkAreaEventDispatcher(PageManagerInterface& pageManager,
                                                 ApplicationEventMonitorInterface& monitor, Observer* observer)
    : m_pageManager(&pageManager),
      m_applicationEventMonitor(&monitor),
      m_observer(observer),
      m_signalsConnected(false),
      m_isDispatching(false),
      m_heldButton(NoButton),
      m_lastDispatchedEvent{0, 0, 0, 0, false, false, false},
      m_currentPage(nullptr),
      m_registrationsMade(0)
{
    pageManager.addListener(this);
    m_connections.add(monitor.connectMouseButtonStateChanged(&WorkAreaEventDispatcher::recordMouseButtonState));
}

WorkAreaEventDispatcher::~WorkAreaEventDispatcher()
{
    for (const auto& entry : m_registrations)
    {
        entry.second->drawArea->removeMouseListener(this);
        entry.second->drawArea->removeKeyboardListener(this);
    }
    for (PageIterator pages = m_pageManager->getPageIterator(); pages.hasNext();)
        pages.next().removeChangeListener(this);
    m_pageManager->removeListener(this);
}

boost::signals2::connection WorkAreaEventDispatcher::connectBeforeDispatch(const DispatchSignal::slot_type& slot)
{
    m_signalsConnected = true;
    return util::connectAtBack(signalBeforeDispatch, slot, [this] { signalBeforeDispatchConnected(); });
}

boost::signals2::connection WorkAreaEventDispatcher::connectAfterDispatch(const DispatchSignal::slot_type& slot)
{
    m_signalsConnected = true;
    return util::connectAtBack(signalAfterDispatch, slot, [this] { signalAfterDispatchConnected(); });
}

void WorkAreaEventDispatcher::signalBeforeDispatchConnected() const {}
void WorkAreaEventDispatcher::signalAfterDispatchConnected() const {}

void WorkAreaEventDispatcher::recordMouseButtonState(MouseEventInterface::MouseButton_e button, bool pressed)
{
    const std::size_t index = static_cast<std::size_t>(button);
    if (index < s_mouseButtonStates.size())
        s_mouseButtonStates[index] = pressed;
}

// --- drawing areas ------------------------------------------------------------

void WorkAreaEventDispatcher::showsPage(GLDrawAreaInterface& drawArea)
{
    if (Registration* registration = findRegistration(&drawArea))
    {
        ++registration->pages;
        return;
    }
    std::unique_ptr<Registration> registration(
        new Registration{&drawArea, EventQueue(InitialQueueCapacity), 1, ++m_registrationsMade, 0, 0, 0});
    m_byMouseSource[&drawArea] = registration.get();
    m_byKeySource[&drawArea] = registration.get();
    m_registrations[&drawArea] = std::move(registration);
    drawArea.addMouseListener(this);
    drawArea.addKeyboardListener(this);
}

void WorkAreaEventDispatcher::showsPageNoMore(GLDrawAreaInterface& drawArea)
{
    Registration* registration = findRegistration(&drawArea);
    if (registration == nullptr || --registration->pages > 0)
        return;
    if (TraceRecorder::isRecording())
        traceDropped(*registration, "drawing area shows no page");
    m_byMouseSource.erase(&drawArea);
    m_byKeySource.erase(&drawArea);
    m_registrations.erase(&drawArea);
    drawArea.removeMouseListener(this);
    drawArea.removeKeyboardListener(this);
}

WorkAreaEventDispatcher::Registration* WorkAreaEventDispatcher::findRegistration(GLDrawAreaInterface* drawArea)
{
    const auto entry = m_registrations.find(drawArea);
    return entry != m_registrations.end() ? entry->second.get() : nullptr;
}

template <typename Source>
WorkAreaEventDispatcher::Registration*
WorkAreaEventDispatcher::registrationOf(Source& source, const std::unordered_map<const Source*, Registration*>& bySource)
{
    const auto entry = bySource.find(&source);
    if (entry != bySource.end())
        return entry->second;
    // A source that is not the drawing area's own part: look it up by the
    // drawing area it belongs to (and refuse one that is none).
    return findRegistration(&dynamic_cast<GLDrawAreaInterface&>(source));
}

WorkAreaEventDispatcher::EventQueue* WorkAreaEventDispatcher::findQueue(GLDrawAreaInterface* drawArea)
{
    Registration* registration = findRegistration(drawArea);
    return registration != nullptr ? &registration->queue : nullptr;
}

GLDrawAreaInterface* WorkAreaEventDispatcher::currentDrawArea() const
{
    return m_currentPage != nullptr ? m_currentPage->getDrawArea() : nullptr;
}

// --- pages --------------------------------------------------------------------

void WorkAreaEventDispatcher::pageCreated(PageInterface& page, PageManagerInterface&)
{
    page.addChangeListener(this);
    m_drawAreaOfPage[&page] = nullptr;
    pageDrawAreaChanged(nullptr, page);
}

void WorkAreaEventDispatcher::pageDestroyed(PageInterface& page, PageManagerInterface&)
{
    const auto counted = m_drawAreaOfPage.find(&page);
    if (counted != m_drawAreaOfPage.end())
    {
        if (counted->second != nullptr)
            showsPageNoMore(*counted->second);
        m_drawAreaOfPage.erase(counted);
    }
    if (&page == m_currentPage)
        m_currentPage = nullptr;
}

void WorkAreaEventDispatcher::currentPageChanged(PageInterface&, PageManagerInterface& manager)
{
    // Input given to a drawing area before its page became current is kept
    // for it; every other queue is emptied (all of them without a current page).
    m_currentPage = manager.getCurrentPage();
    GLDrawAreaInterface* current = currentDrawArea();
    std::size_t dropped = 0;
    for (auto& entry : m_registrations)
    {
        if (entry.first == current)
            continue;
        m_heldButton = NoButton;
        EventQueue& queue = entry.second->queue;
        if (queue.empty())
            continue;
        dropped += queue.size();
        if (TraceRecorder::isRecording())
            traceDropped(*entry.second, "page not current");
        queue.clear();
    }
    if (dropped > 0)
        DiagnosticReporter::report(
            DiagnosticReporter::Kind_InputNotCurrentPage,
            std::to_string(dropped) +
                " input event(s) of drawing areas whose page is not current were dropped: only the current page's "
                "drawing area gets input. Make a page current (PageManagerInterface::setCurrentPage) when its "
                "drawing area gains focus, before its input.");
}

void WorkAreaEventDispatcher::pageNameChanged(std::string, PageInterface&) {}

void WorkAreaEventDispatcher::pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface& page)
{
    // Counted from what the page shows now, not from the notification's old
    // area: a listener that moves the page again makes the notifications of
    // the two moves arrive out of order.
    const auto counted = m_drawAreaOfPage.find(&page);
    if (counted == m_drawAreaOfPage.end())
        return;
    GLDrawAreaInterface* const drawArea = page.getDrawArea();
    if (counted->second == drawArea)
        return;
    if (counted->second != nullptr)
        showsPageNoMore(*counted->second);
    counted->second = drawArea;
    if (drawArea != nullptr)
        showsPage(*drawArea);
}

// --- queuing input ------------------------------------------------------------

void WorkAreaEventDispatcher::mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    queueMouseEvent(event, source, EventInfo::Kind_MouseMoved);
}

void WorkAreaEventDispatcher::buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    queueMouseEvent(event, source, EventInfo::Kind_ButtonPressed);
}

void WorkAreaEventDispatcher::buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    queueMouseEvent(event, source, EventInfo::Kind_ButtonDoublePressed);
}

void WorkAreaEventDispatcher::buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    queueMouseEvent(event, source, EventInfo::Kind_ButtonReleased);
}

void WorkAreaEventDispatcher::keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    queueKeyEvent(event, source, EventInfo::Kind_KeyPressed);
}

void WorkAreaEventDispatcher::keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    queueKeyEvent(event, source, EventInfo::Kind_KeyReleased);
}

void WorkAreaEventDispatcher::queueMouseEvent(MouseEventInterface& event, MouseEventObservableInterface& source,
                                              int kind)
{
    Registration* registration = registrationOf(source, m_byMouseSource);
    // Moves are not collected while the engine is busy.
    if (kind == EventInfo::Kind_MouseMoved && m_applicationEventMonitor->isBusy())
    {
        if (registration != nullptr && TraceRecorder::isRecording())
            traceMoveDropped(*registration, event);
        return;
    }
    queue(registration, EventInfo{event.x(), event.y(), engineButton(event.button()), kind, event.isShiftDown(),
                                  event.isAltDown(), event.isControlDown()});
}

void WorkAreaEventDispatcher::queueKeyEvent(KeyEventInterface& event, KeyEventObservableInterface& source, int kind)
{
    Registration* registration = registrationOf(source, m_byKeySource);
    queue(registration,
          EventInfo{-1, -1, event.key(), kind, event.isShiftDown(), event.isAltDown(), event.isControlDown()});
}

void WorkAreaEventDispatcher::queue(Registration* registration, const EventInfo& info)
{
    if (registration == nullptr)
        return;
    if (TraceRecorder::isRecording())
        return traceQueued(*registration, info);
    push(registration->queue, info);
}

void WorkAreaEventDispatcher::push(EventQueue& queue, const EventInfo& info)
{
    if (queue.full())
        queue.set_capacity(2 * queue.capacity());
    queue.push_back(info);
}

void WorkAreaEventDispatcher::traceQueued(Registration& registration, const EventInfo& info)
{
    push(registration.queue, info);
    const unsigned session = TraceRecorder::session();
    if (registration.traceSession != session)
    {
        registration.traceSession = session;
        registration.firstTraced = registration.queued;
    }
    ++registration.queued;
    const TraceSpan span("input", kindName(info.kind),
                         {traceNumber("area", static_cast<long long>(registration.serial)), traceNumber("x", info.x),
                          traceNumber("y", info.y), traceNumber("buttonOrKey", info.buttonOrKey)});
    TraceRecorder::flowStart("input", inputFlow(registration.serial, registration.queued - 1));
    traceQueuedCount();
}

long long WorkAreaEventDispatcher::frontFlow(GLDrawAreaInterface* drawArea)
{
    const Registration* registration = findRegistration(drawArea);
    if (registration == nullptr || registration->queue.empty() ||
        registration->traceSession != TraceRecorder::session())
        return 0;
    const long long index = registration->queued - static_cast<long long>(registration->queue.size());
    return index >= registration->firstTraced ? static_cast<long long>(inputFlow(registration->serial, index)) : 0;
}

void WorkAreaEventDispatcher::traceDropped(const Registration& registration, const char* reason)
{
    const std::size_t count = registration.queue.size();
    if (count == 0)
        return;
    const TraceSpan span("input", "input.drop",
                         {traceText("reason", reason), traceNumber("events", static_cast<long long>(count))});
    if (registration.traceSession != TraceRecorder::session())
        return;
    const long long first = registration.queued - static_cast<long long>(count);
    for (long long index = std::max(first, registration.firstTraced); index < registration.queued; ++index)
        TraceRecorder::flowEnd("input", inputFlow(registration.serial, index));
}

void WorkAreaEventDispatcher::traceMoveDropped(const Registration& registration, MouseEventInterface& event)
{
    const TraceSpan span("input", kindName(EventInfo::Kind_MouseMoved),
                         {traceNumber("area", static_cast<long long>(registration.serial)), traceNumber("x", event.x()),
                          traceNumber("y", event.y())});
    const unsigned long long flow = TraceRecorder::newFlowId();
    TraceRecorder::flowStart("input", flow);
    const TraceSpan drop("input", "input.drop",
                         {traceText("reason", "engine busy: moves are not collected"), traceNumber("events", 1)});
    TraceRecorder::flowEnd("input", flow);
}

void WorkAreaEventDispatcher::traceQueuedCount()
{
    std::size_t queued = 0;
    for (const auto& entry : m_registrations)
        queued += entry.second->queue.size();
    TraceRecorder::counter("queued input", static_cast<long long>(queued));
}

// --- dispatch -----------------------------------------------------------------

void WorkAreaEventDispatcher::dispatchQueuedEvents()
{
    if (m_isDispatching)
        return;
    m_isDispatching = true;
    const ScopedExitAction endDispatch([this] { m_isDispatching = false; });
    if (TraceRecorder::isRecording())
        dispatchQueue<true>();
    else
        dispatchQueue<false>();
}

template <bool Traced>
void WorkAreaEventDispatcher::dispatchQueue()
{
    GLDrawAreaInterface* drawArea = currentDrawArea();
    // The queue is looked up again for every event: while the engine handles
    // one, the host may take the drawing area off its page, and the queue
    // goes with it.
    for (EventQueue* queue = findQueue(drawArea); queue != nullptr && !queue->empty(); queue = findQueue(drawArea))
    {
        EventInfo info = queue->front();
        DispatchSpan<Traced> span(Traced ? static_cast<unsigned long long>(frontFlow(drawArea)) : 0, info);
        queue->pop_front();
        beforeDispatch(*drawArea, info);
        bool interrupted = false;
        if (info.kind != EventInfo::Kind_KeyReleased && translateEvent(info))
            interrupted = Traced ? tracedDispatchToEngine(info) : dispatchToEngine(info);
        afterDispatch(*drawArea, info);
        span.close(interrupted);
        if (interrupted)
        {
            m_heldButton = NoButton;
            if (Registration* rest = findRegistration(drawArea))
            {
                if (Traced)
                    traceDropped(*rest, "engine interrupted");
                rest->queue.clear();
            }
            return;
        }
    }
    if (Traced)
        traceQueuedCount();
}

bool WorkAreaEventDispatcher::translateEvent(EventInfo& info)
{
    if (info.kind != EventInfo::Kind_ButtonReleased && wasHeldButtonReleasedUnseen())
        releaseLostButton();

    switch (info.kind)
    {
    case EventInfo::Kind_ButtonPressed:
        if (m_heldButton != NoButton)
            return false;
        m_heldButton = info.buttonOrKey;
        return true;
    case EventInfo::Kind_ButtonReleased:
        if (info.buttonOrKey != m_heldButton)
            return false;
        m_heldButton = NoButton;
        return true;
    case EventInfo::Kind_ButtonDoublePressed:
        return m_heldButton == NoButton;
    case EventInfo::Kind_MouseMoved:
        if (m_heldButton != NoButton)
        {
            info.buttonOrKey = m_heldButton;
            info.kind = EventInfo::Kind_Drag;
        }
        return true;
    default:
        return true;
    }
}

bool WorkAreaEventDispatcher::wasHeldButtonReleasedUnseen()
{
    const std::size_t held = static_cast<std::size_t>(m_heldButton);
    if (m_heldButton == NoButton || (held < s_mouseButtonStates.size() && s_mouseButtonStates[held]))
        return false;
    // A release still queued will reach the engine by itself.
    if (const EventQueue* queue = findQueue(currentDrawArea()))
        for (const EventInfo& queued : *queue)
            if (queued.kind == EventInfo::Kind_ButtonReleased && queued.buttonOrKey == m_heldButton)
                return false;
    return true;
}

void WorkAreaEventDispatcher::releaseLostButton()
{
    // Where and with which modifiers the engine saw the button last; no
    // interrupt query and no signal for a made-up event.
    const EventInfo& last = m_lastDispatchedEvent;
    const TraceEngineCall call("OrvUtilDispatchWorkAreaEvent");
    OrvUtilDispatchWorkAreaEvent(last.x, last.y, m_heldButton, EventInfo::Kind_ButtonReleased, toBoolean(last.shift),
                                 toBoolean(last.alt), toBoolean(last.control));
    m_heldButton = NoButton;
}

void WorkAreaEventDispatcher::beforeDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info)
{
    if (m_observer != nullptr)
        m_observer->beforeDispatch(drawArea, info);
    // Emitting costs a lock and a walk even without slots.
    if (m_signalsConnected)
        signalBeforeDispatch(drawArea, info);
}

void WorkAreaEventDispatcher::afterDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info)
{
    if (m_observer != nullptr)
        m_observer->afterDispatch(drawArea, info);
    if (m_signalsConnected)
        signalAfterDispatch(drawArea, info);
}

bool WorkAreaEventDispatcher::tracedDispatchToEngine(const EventInfo& info)
{
    m_lastDispatchedEvent = info;
    {
        const TraceEngineCall call("OrvUtilDispatchWorkAreaEvent");
        OrvUtilDispatchWorkAreaEvent(info.x, info.y, info.buttonOrKey, info.kind, toBoolean(info.shift),
                                     toBoolean(info.alt), toBoolean(info.control));
    }
    const TraceAppLock traceLock(AppLock::ImplicitMacroRecording_On);
    const AppLock lock(AppLock::ImplicitMacroRecording_On);
    const TraceEngineCall call("OrvUtilInterruptIsSet");
    return OrvUtilInterruptIsSet() == TRUE;
}

bool WorkAreaEventDispatcher::dispatchToEngine(const EventInfo& info)
{
    m_lastDispatchedEvent = info;
    OrvUtilDispatchWorkAreaEvent(info.x, info.y, info.buttonOrKey, info.kind, toBoolean(info.shift),
                                 toBoolean(info.alt), toBoolean(info.control));
    const AppLock lock(AppLock::ImplicitMacroRecording_On);
    return OrvUtilInterruptIsSet() == TRUE;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
