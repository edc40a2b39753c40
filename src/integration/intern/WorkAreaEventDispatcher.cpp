#include "integration/intern/WorkAreaEventDispatcher.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/PageRegistry.h"
#include "integration/intern/boundary/Engine.h"
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

} // namespace

WorkAreaEventDispatcher::WorkAreaEventDispatcher(PageManagerInterface& pageManager,
                                                 ApplicationEventMonitorInterface& monitor, Observer* observer)
    : m_pageManager(&pageManager),
      m_pages(&dynamic_cast<PageRegistry&>(pageManager)),
      m_applicationEventMonitor(&monitor),
      m_observer(observer),
      m_signalsConnected(false),
      m_isDispatching(false),
      m_heldButton(NoButton),
      m_lastDispatchedEvent{0, 0, 0, 0, false, false, false},
      m_currentPage(nullptr),
      m_mouseButtonStates{}
{
    pageManager.addListener(this);
    m_connections.add(monitor.connectMouseButtonStateChanged(
        [this](MouseEventInterface::MouseButton_e button, bool pressed) { recordMouseButtonState(button, pressed); }));
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
    if (index < m_mouseButtonStates.size())
        m_mouseButtonStates[index] = pressed;
}

// --- drawing areas ------------------------------------------------------------

bool WorkAreaEventDispatcher::showsPage(GLDrawAreaInterface* drawArea) const
{
    const PageInterface* const page = m_pages->pageShowing(drawArea);
    return page != nullptr && !m_pages->isGoing(*page);
}

void WorkAreaEventDispatcher::follow(GLDrawAreaInterface* drawArea)
{
    if (drawArea != nullptr && showsPage(drawArea) && findRegistration(drawArea) == nullptr)
        registerDrawArea(*drawArea);
}

void WorkAreaEventDispatcher::forgetUnshown()
{
    std::vector<GLDrawAreaInterface*> unshown;
    for (const auto& entry : m_registrations)
        if (!showsPage(entry.second->drawArea))
            unshown.push_back(entry.second->drawArea);
    for (GLDrawAreaInterface* drawArea : unshown)
        unregister(*drawArea, "drawing area shows no page");
}

void WorkAreaEventDispatcher::registerDrawArea(GLDrawAreaInterface& drawArea)
{
    std::unique_ptr<Registration> registration(
        new Registration{&drawArea, EventQueue(InitialQueueCapacity), InputTrace(&drawArea)});
    m_byMouseSource[&drawArea] = registration.get();
    m_byKeySource[&drawArea] = registration.get();
    m_registrations[&drawArea] = std::move(registration);
    drawArea.addMouseListener(this);
    drawArea.addKeyboardListener(this);
}

void WorkAreaEventDispatcher::unregister(GLDrawAreaInterface& drawArea, const char* reason)
{
    Registration* registration = findRegistration(&drawArea);
    registration->trace.dropped(registration->queue.size(), reason);
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
    follow(page.getDrawArea());
}

void WorkAreaEventDispatcher::pageDestroyed(PageInterface& page, PageManagerInterface&)
{
    // The page is going: its drawing area goes with it (whichever it showed
    // last: a page deleted while it told its listeners of a move leaves some
    // of them untold).
    forgetUnshown();
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
        entry.second->trace.dropped(queue.size(), "page not current");
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
    // From what the page index says now, not from the order of the
    // notifications: a listener that moves the page again makes the
    // notifications of the two moves arrive out of order.
    forgetUnshown();
    follow(page.getDrawArea());
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

// Inline in the two callers: one call less for every event a host reports.
__attribute__((always_inline)) inline void WorkAreaEventDispatcher::queue(Registration* registration, const EventInfo& info)
{
    if (registration == nullptr)
        return;
    if (registration->queue.full())
        grow(registration->queue);
    registration->queue.push_back(info);
    if (registration->trace.queued(&kindName, info.kind, info.x, info.y, info.buttonOrKey, info.shift, info.control,
                                   info.alt))
        InputTrace::queuedCount(totalQueued());
}

void WorkAreaEventDispatcher::queueMouseEvent(MouseEventInterface& event, MouseEventObservableInterface& source,
                                              int kind)
{
    Registration* registration = registrationOf(source, m_byMouseSource);
    // Moves are not collected while the engine is busy.
    if (kind == EventInfo::Kind_MouseMoved && m_applicationEventMonitor->isBusy())
    {
        if (registration != nullptr)
            registration->trace.moveDropped(event.x(), event.y());
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

void WorkAreaEventDispatcher::grow(EventQueue& queue) { queue.set_capacity(2 * queue.capacity()); }

std::size_t WorkAreaEventDispatcher::totalQueued() const
{
    std::size_t queued = 0;
    for (const auto& entry : m_registrations)
        queued += entry.second->queue.size();
    return queued;
}

// --- dispatch -----------------------------------------------------------------

void WorkAreaEventDispatcher::dispatchQueuedEvents()
{
    if (m_isDispatching)
        return;
    m_isDispatching = true;
    const ScopedExitAction endDispatch([this] { m_isDispatching = false; });
    GLDrawAreaInterface* drawArea = currentDrawArea();
    // The registration is looked up again for every event: while the engine
    // handles one, the host may take the drawing area off its page, and the
    // queue goes with it.
    for (Registration* registration = findRegistration(drawArea);
         registration != nullptr && !registration->queue.empty(); registration = findRegistration(drawArea))
    {
        EventInfo info = registration->queue.front();
        DispatchScope dispatch(registration->trace, registration->queue.size(), &kindName, info.kind, info.x, info.y,
                               info.buttonOrKey);
        registration->queue.pop_front();
        const engine::ShutdownWatch shutdown;
        beforeDispatch(*drawArea, info);
        // A listener that stopped the manager leaves the engine no events.
        if (shutdown.shutDown())
            return;
        bool interrupted = false;
        if (info.kind != EventInfo::Kind_KeyReleased && translateEvent(info))
            interrupted = dispatchToEngine(info);
        afterDispatch(*drawArea, info);
        dispatch.close(interrupted);
        if (interrupted)
        {
            m_heldButton = NoButton;
            if (Registration* rest = findRegistration(drawArea))
            {
                rest->trace.dropped(rest->queue.size(), "engine interrupted");
                rest->queue.clear();
            }
            return;
        }
    }
    if (InputTrace::isRecording())
        InputTrace::queuedCount(totalQueued());
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
    if (m_heldButton == NoButton || (held < m_mouseButtonStates.size() && m_mouseButtonStates[held]))
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
    engine::OrvUtilDispatchWorkAreaEvent(last.x, last.y, m_heldButton, EventInfo::Kind_ButtonReleased,
                                         toBoolean(last.shift), toBoolean(last.alt), toBoolean(last.control));
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

bool WorkAreaEventDispatcher::dispatchToEngine(const EventInfo& info)
{
    m_lastDispatchedEvent = info;
    engine::OrvUtilDispatchWorkAreaEvent(info.x, info.y, info.buttonOrKey, info.kind, toBoolean(info.shift),
                                         toBoolean(info.alt), toBoolean(info.control));
    const engine::AppLock lock(AppLock::ImplicitMacroRecording_On);
    return engine::OrvUtilInterruptIsSet() == TRUE;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
