#include "integration/intern/WorkAreaEventDispatcher.h"

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"
#include "ovsdkbase.h"
#include "ovsdkcommon/AppLock.h"
#include "util/ConnectAtBack.h"
#include "util/ScopedExitAction.h"

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

} // namespace

std::map<MouseEventInterface::MouseButton_e, bool> WorkAreaEventDispatcher::s_mouseButtonStates;

WorkAreaEventDispatcher::WorkAreaEventDispatcher(PageManagerInterface& pageManager,
                                                 ApplicationEventMonitorInterface& monitor)
    : m_pageManager(&pageManager),
      m_applicationEventMonitor(&monitor),
      m_isDispatching(false),
      m_heldButton(NoButton),
      m_lastDispatchedEvent{0, 0, 0, 0, false, false, false},
      m_currentPage(nullptr)
{
    pageManager.addListener(this);
    m_connections.add(monitor.connectMouseButtonStateChanged(&WorkAreaEventDispatcher::recordMouseButtonState));
}

WorkAreaEventDispatcher::~WorkAreaEventDispatcher()
{
    for (const auto& entry : m_eventQueues)
    {
        entry.first->removeMouseListener(this);
        entry.first->removeKeyboardListener(this);
    }
    for (PageIterator pages = m_pageManager->getPageIterator(); pages.hasNext();)
        pages.next().removeChangeListener(this);
    m_pageManager->removeListener(this);
}

boost::signals2::connection WorkAreaEventDispatcher::connectBeforeDispatch(const DispatchSignal::slot_type& slot)
{
    return util::connectAtBack(signalBeforeDispatch, slot, [this] { signalBeforeDispatchConnected(); });
}

boost::signals2::connection WorkAreaEventDispatcher::connectAfterDispatch(const DispatchSignal::slot_type& slot)
{
    return util::connectAtBack(signalAfterDispatch, slot, [this] { signalAfterDispatchConnected(); });
}

void WorkAreaEventDispatcher::signalBeforeDispatchConnected() const {}
void WorkAreaEventDispatcher::signalAfterDispatchConnected() const {}

void WorkAreaEventDispatcher::recordMouseButtonState(MouseEventInterface::MouseButton_e button, bool pressed)
{
    s_mouseButtonStates[button] = pressed;
}

// --- drawing areas ------------------------------------------------------------

void WorkAreaEventDispatcher::registerDrawArea(GLDrawAreaInterface& drawArea)
{
    if (m_eventQueues.find(&drawArea) == m_eventQueues.end())
        m_eventQueues.emplace(&drawArea, EventQueue(InitialQueueCapacity));
    drawArea.addMouseListener(this);
    drawArea.addKeyboardListener(this);
}

void WorkAreaEventDispatcher::unregisterDrawArea(GLDrawAreaInterface& drawArea)
{
    m_eventQueues.erase(&drawArea);
    drawArea.removeMouseListener(this);
    drawArea.removeKeyboardListener(this);
}

bool WorkAreaEventDispatcher::isDrawAreaInUse(GLDrawAreaInterface* drawArea, const PageInterface* leaving)
{
    for (PageIterator pages = m_pageManager->getPageIterator(); pages.hasNext();)
    {
        PageInterface& page = pages.next();
        if (&page != leaving && page.getDrawArea() == drawArea)
            return true;
    }
    return false;
}

WorkAreaEventDispatcher::EventQueue* WorkAreaEventDispatcher::findQueue(GLDrawAreaInterface* drawArea)
{
    const auto entry = m_eventQueues.find(drawArea);
    return entry != m_eventQueues.end() ? &entry->second : nullptr;
}

GLDrawAreaInterface* WorkAreaEventDispatcher::currentDrawArea() const
{
    return m_currentPage != nullptr ? m_currentPage->getDrawArea() : nullptr;
}

// --- pages --------------------------------------------------------------------

void WorkAreaEventDispatcher::pageCreated(PageInterface& page, PageManagerInterface&)
{
    page.addChangeListener(this);
    if (GLDrawAreaInterface* drawArea = page.getDrawArea())
        registerDrawArea(*drawArea);
}

void WorkAreaEventDispatcher::pageDestroyed(PageInterface& page, PageManagerInterface&)
{
    // The page may still be among the manager's pages: it must not keep its
    // own drawing area registered.
    GLDrawAreaInterface* drawArea = page.getDrawArea();
    if (drawArea != nullptr && !isDrawAreaInUse(drawArea, &page))
        unregisterDrawArea(*drawArea);
    if (&page == m_currentPage)
        m_currentPage = nullptr;
}

void WorkAreaEventDispatcher::currentPageChanged(PageInterface&, PageManagerInterface& manager)
{
    // Input given to a drawing area before its page became current is kept
    // for it; every other queue is emptied (all of them without a current page).
    m_currentPage = manager.getCurrentPage();
    GLDrawAreaInterface* current = currentDrawArea();
    for (auto& entry : m_eventQueues)
    {
        if (entry.first == current)
            continue;
        m_heldButton = NoButton;
        entry.second.clear();
    }
}

void WorkAreaEventDispatcher::pageNameChanged(std::string, PageInterface&) {}

void WorkAreaEventDispatcher::pageDrawAreaChanged(GLDrawAreaInterface* oldDrawArea, PageInterface& page)
{
    if (oldDrawArea != nullptr && !isDrawAreaInUse(oldDrawArea, nullptr))
        unregisterDrawArea(*oldDrawArea);
    if (GLDrawAreaInterface* drawArea = page.getDrawArea())
        registerDrawArea(*drawArea);
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
    GLDrawAreaInterface& drawArea = dynamic_cast<GLDrawAreaInterface&>(source);
    const EventInfo info{event.x(),          event.y(),          engineButton(event.button()),
                         kind,               event.isShiftDown(), event.isAltDown(),
                         event.isControlDown()};
    // Moves are not collected while the engine is busy.
    if (kind == EventInfo::Kind_MouseMoved && m_applicationEventMonitor->isBusy())
        return;
    queue(drawArea, info);
}

void WorkAreaEventDispatcher::queueKeyEvent(KeyEventInterface& event, KeyEventObservableInterface& source, int kind)
{
    GLDrawAreaInterface& drawArea = dynamic_cast<GLDrawAreaInterface&>(source);
    queue(drawArea, EventInfo{-1, -1, event.key(), kind, event.isShiftDown(), event.isAltDown(), event.isControlDown()});
}

void WorkAreaEventDispatcher::queue(GLDrawAreaInterface& drawArea, const EventInfo& info)
{
    EventQueue* queue = findQueue(&drawArea);
    if (queue == nullptr)
        return;
    if (queue->full())
        queue->set_capacity(2 * queue->capacity());
    queue->push_back(info);
}

// --- dispatch -----------------------------------------------------------------

void WorkAreaEventDispatcher::dispatchQueuedEvents()
{
    if (m_isDispatching)
        return;
    m_isDispatching = true;
    const ScopedExitAction endDispatch([this] { m_isDispatching = false; });

    GLDrawAreaInterface* drawArea = currentDrawArea();
    // The queue is looked up again for every event: while the engine handles
    // one, the host may take the drawing area off its page, and the queue
    // goes with it.
    for (EventQueue* queue = findQueue(drawArea); queue != nullptr && !queue->empty(); queue = findQueue(drawArea))
    {
        EventInfo info = queue->front();
        queue->pop_front();
        signalBeforeDispatch(*drawArea, info);
        bool interrupted = false;
        if (info.kind != EventInfo::Kind_KeyReleased && translateEvent(info))
            interrupted = dispatchToEngine(info);
        signalAfterDispatch(*drawArea, info);
        if (interrupted)
        {
            m_heldButton = NoButton;
            if (EventQueue* rest = findQueue(drawArea))
                rest->clear();
            return;
        }
    }
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
    if (m_heldButton == NoButton || s_mouseButtonStates[MouseEventInterface::toMouseButton(m_heldButton)])
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
    OrvUtilDispatchWorkAreaEvent(last.x, last.y, m_heldButton, EventInfo::Kind_ButtonReleased, toBoolean(last.shift),
                                 toBoolean(last.alt), toBoolean(last.control));
    m_heldButton = NoButton;
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
