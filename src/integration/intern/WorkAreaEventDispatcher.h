#ifndef ORVANE_INTEGRATION_INTERN_WORKAREAEVENTDISPATCHER_H
#define ORVANE_INTEGRATION_INTERN_WORKAREAEVENTDISPATCHER_H

#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/MouseEventListenerInterface.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <boost/circular_buffer.hpp>
#include <boost/signals2/signal.hpp>

#include <array>
#include <memory>
#include <unordered_map>

namespace orvane {
namespace sdk {
namespace integration {

class ApplicationEventMonitorInterface;
class GLDrawAreaInterface;

namespace intern {

class PageRegistry;

// Feeds the input of the drawing areas that show pages to the engine's work
// area. Each drawing area's mouse and key input is queued as it arrives; at
// idle time the queue of the current page's drawing area is handed to the
// engine, event by event, in arrival order.
//
// On the way it follows the one mouse button whose press the engine has
// seen: a second press or a double press while it is held is dropped, so is
// the release of another button; a move while it is held becomes a drag;
// and when the host reports the held button up without a release coming,
// a release is made up. After each event it asks the engine whether the
// user interrupted it, and if so drops the rest of the queue.
//
// Moves are dropped at once while the engine is busy; presses, releases and
// keys wait for the next idle time. Key releases never reach the engine:
// they only pass through the two signals.
class WorkAreaEventDispatcher : public virtual PageManagerListenerInterface,
                                public virtual PageChangeListenerInterface,
                                public virtual MouseEventListenerInterface,
                                public virtual KeyEventListenerInterface
{
public:
    // One drawing-area input event, in the engine's terms.
    struct EventInfo
    {
        // The engine's event kinds, passed to it unchanged.
        enum Kind_e
        {
            Kind_ButtonPressed = 0,
            Kind_ButtonReleased = 1,
            Kind_ButtonDoublePressed = 2,
            Kind_MouseMoved = 3,
            Kind_Drag = 4, // only made from a move while a button is held
            Kind_KeyPressed = 5,
            Kind_KeyReleased = 255 // never handed to the engine
        };

        int x;           // -1 for keys
        int y;           // -1 for keys
        int buttonOrKey; // mouse: 0 to 3, -1 for any other button; keys: the key code
        int kind;
        bool shift;
        bool alt;
        bool control;
    };

    typedef boost::signals2::signal<void(GLDrawAreaInterface& drawArea, const EventInfo& info)> DispatchSignal;

    // The dispatcher's owner, told of each event directly, before the signals.
    class Observer
    {
    public:
        virtual ~Observer() = default;
        virtual void beforeDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info) = 0;
        virtual void afterDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info) = 0;
    };

    // Every event taken from a queue, as it was queued, before the engine
    // sees anything of it. Both signals are emitted only once a slot was
    // connected through connectBeforeDispatch or connectAfterDispatch.
    DispatchSignal signalBeforeDispatch;
    // The same event once handled, as translated (a drag with the held
    // button), whether or not it reached the engine.
    DispatchSignal signalAfterDispatch;

    boost::signals2::connection connectBeforeDispatch(const DispatchSignal::slot_type& slot);
    boost::signals2::connection connectAfterDispatch(const DispatchSignal::slot_type& slot);

    // Pages that exist already are not picked up: create the dispatcher
    // before the engine has pages. `observer` (may be null) hears of each
    // event before the signals do. `pageManager` must be the library's own
    // (std::bad_cast otherwise): its page index says which drawing area
    // shows a page.
    WorkAreaEventDispatcher(PageManagerInterface& pageManager, ApplicationEventMonitorInterface& monitor,
                            Observer* observer = nullptr);
    ~WorkAreaEventDispatcher() override;
    WorkAreaEventDispatcher(const WorkAreaEventDispatcher&) = delete;
    WorkAreaEventDispatcher& operator=(const WorkAreaEventDispatcher&) = delete;

    // Hands the current page's queued input to the engine. A nested call
    // (from inside the engine) does nothing.
    void dispatchQueuedEvents();

    void pageCreated(PageInterface& page, PageManagerInterface& manager) override;
    void pageDestroyed(PageInterface& page, PageManagerInterface& manager) override;
    void currentPageChanged(PageInterface& page, PageManagerInterface& manager) override;
    void pageNameChanged(std::string oldName, PageInterface& page) override;
    void pageDrawAreaChanged(GLDrawAreaInterface* oldDrawArea, PageInterface& page) override;

    // `source` must be a drawing area (std::bad_cast otherwise); input of a
    // drawing area that shows no page is ignored.
    void mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source) override;
    void buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source) override;
    void buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source) override;
    void buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source) override;
    void keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source) override;
    void keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source) override;

private:
    virtual void signalBeforeDispatchConnected() const;
    virtual void signalAfterDispatchConnected() const;

    // A queue keeps its capacity once grown, so steady input costs no
    // allocation.
    typedef boost::circular_buffer<EventInfo> EventQueue;

    // A drawing area that shows a page: its queue and its input's trace.
    struct Registration
    {
        GLDrawAreaInterface* drawArea;
        EventQueue queue;
        InputTrace trace;
    };

    // Whether the page index says that a page, not going, shows `drawArea`.
    bool showsPage(GLDrawAreaInterface* drawArea) const;
    // Registers `drawArea` when it shows a page.
    void follow(GLDrawAreaInterface* drawArea);
    // Forgets the drawing areas that show no page any more (their queued
    // input is dropped).
    void forgetUnshown();
    void registerDrawArea(GLDrawAreaInterface& drawArea);
    void unregister(GLDrawAreaInterface& drawArea, const char* reason);
    void recordMouseButtonState(MouseEventInterface::MouseButton_e button, bool pressed);
    void queueMouseEvent(MouseEventInterface& event, MouseEventObservableInterface& source, int kind);
    void queueKeyEvent(KeyEventInterface& event, KeyEventObservableInterface& source, int kind);
    void queue(Registration* registration, const EventInfo& info);
    // Doubles a full queue's capacity (rare: out of the push's line).
    static void grow(EventQueue& queue);
    std::size_t totalQueued() const;
    // Null for a drawing area that shows no page.
    Registration* findRegistration(GLDrawAreaInterface* drawArea);
    // Throws std::bad_cast when `source` is not a drawing area.
    template <typename Source>
    Registration* registrationOf(Source& source, const std::unordered_map<const Source*, Registration*>& bySource);
    EventQueue* findQueue(GLDrawAreaInterface* drawArea);
    GLDrawAreaInterface* currentDrawArea() const;
    // Decides whether `info` goes to the engine, turning a move with a held
    // button into a drag; first makes up a lost release of the held button.
    bool translateEvent(EventInfo& info);
    void releaseLostButton();
    bool wasHeldButtonReleasedUnseen();
    // Hands `info` to the engine; true when the engine reports an interrupt.
    bool dispatchToEngine(const EventInfo& info);
    void beforeDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info);
    void afterDispatch(GLDrawAreaInterface& drawArea, const EventInfo& info);

    PageManagerInterface* m_pageManager;
    PageRegistry* m_pages;
    ApplicationEventMonitorInterface* m_applicationEventMonitor;
    Observer* m_observer;
    bool m_signalsConnected; // through connectBeforeDispatch or connectAfterDispatch
    bool m_isDispatching;
    std::unordered_map<const GLDrawAreaInterface*, std::unique_ptr<Registration>> m_registrations;
    std::unordered_map<const MouseEventObservableInterface*, Registration*> m_byMouseSource;
    std::unordered_map<const KeyEventObservableInterface*, Registration*> m_byKeySource;
    // The button whose press the engine received and whose release it has
    // not; 0 for none.
    int m_heldButton;
    SignalConnectionCollection m_connections;
    // The last event the queue walk handed to the engine; its position and
    // modifiers serve a made-up release.
    EventInfo m_lastDispatchedEvent;
    PageInterface* m_currentPage;
    // The pressed state of each button (0 to 3) as the host last reported
    // it through the monitor; other buttons are not followed.
    std::array<bool, 4> m_mouseButtonStates;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_WORKAREAEVENTDISPATCHER_H
