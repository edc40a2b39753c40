#ifndef ORVANE_INTEGRATION_PAGEMANAGERINTERFACE_H
#define ORVANE_INTEGRATION_PAGEMANAGERINTERFACE_H

#include "integration/PageIterator.h"
#include "util/Export.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaFactoryInterface;
class GLDrawAreaInterface;
class PageInterface;
class PageManagerListenerInterface;
class PageRenderDeciderInterface;

// Keeps the host's pages in step with the engine's. Pages come from the host
// (addPage) or from the engine (through the drawing-area factory); the engine
// alone destroys pages and chooses the current one. Every change is announced
// to the listeners first, then to the signal of the same kind.
class OVSDK_INTEGRATION_EXPORT PageManagerInterface
{
public:
    // The signal of a page announcement.
    typedef boost::signals2::signal<void(PageInterface& page)> PageSignal;

    // Made by ManagerAbstract only.
    PageManagerInterface();
    // Not copyable.
    PageManagerInterface(const PageManagerInterface&) = delete;
    // Not copyable.
    PageManagerInterface& operator=(const PageManagerInterface&) = delete;

    // A page was created and counted.
    PageSignal signalPageCreated;
    // A page is being destroyed; it is still alive during the signal.
    PageSignal signalPageDestroyed;
    // The engine's current page changed; see
    // PageManagerListenerInterface::currentPageChanged for the argument.
    PageSignal signalPageCurrentChanged;

    // Each connects at the back of the signal's slots, then calls the
    // signal's ...Connected() hook.
    boost::signals2::connection connectPageCreated(const PageSignal::slot_type& slot);
    // Connects `slot` at the back of signalPageDestroyed.
    boost::signals2::connection connectPageDestroyed(const PageSignal::slot_type& slot);
    // Connects `slot` at the back of signalPageCurrentChanged.
    boost::signals2::connection connectPageCurrentChanged(const PageSignal::slot_type& slot);

    // Listeners are not owned and must not be null.
    virtual void addListener(PageManagerListenerInterface* listener) = 0;
    // Stops `listener` hearing announcements; an unknown one is ignored. May
    // be called from a listener: it is not called again.
    virtual void removeListener(PageManagerListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalPageCreatedConnected() const;
    virtual void signalPageDestroyedConnected() const;
    virtual void signalPageCurrentChangedConnected() const;

public:
    // Makes the drawing areas of the pages the engine asks for; not owned.
    virtual void setGLDrawAreaFactory(GLDrawAreaFactoryInterface& factory) = 0;
    // The top render decider answers every swap-buffers request. An empty
    // pointer is refused: reported through OrvEngDoOUAssert, nothing pushed.
    virtual void pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider) = 0;
    // Does nothing on an empty stack.
    virtual void popPageRenderDecider() = 0;
    // The number of pages created and not yet destroyed.
    virtual int pageCount() = 0;
    // Creates a page shown in `drawArea` (may be null) and makes it current.
    //
    // @thread_safety GUI thread only; from another thread it is reported
    // ("thread.not-init-thread") and carried out anyway.
    // @reentrancy May be called from a listener or slot; the new page is
    // announced (created, then current-page changed) before it returns, and
    // it is alive when it returns.
    // @current The new page is the engine's current page.
    // @errors The first exception of a listener or slot of its
    // announcements passes on once the page is counted.
    // @throws orvane::OutOfMemoryException "Failed to allocate memory for
    // the new page." when the engine cannot create it; nothing is announced.
    virtual PageInterface& addPage(GLDrawAreaInterface* drawArea) = 0;
    // Has the engine delete the page: makes it the engine's current page,
    // then has the engine delete its current page (both under the
    // application lock, value 0). The page object goes when the engine
    // reports it destroyed, inside this call or later.
    //
    // @thread_safety GUI thread only; from another thread it is reported
    // ("thread.not-init-thread") and carried out anyway.
    // @reentrancy May be called from a listener, a slot or the engine's busy
    // loop. It waits, and is carried out at the next idle time when the
    // engine can take it: while the engine is busy, while another host
    // request waits (requests are carried out in the order made), while a
    // page is being created or destroyed (from a listener of its
    // announcements), and while the page itself is being announced
    // (created, destroyed, or named by a current-page change). A waiting
    // deletion is never cancelled; it goes with its page when the engine
    // destroys that first.
    // @current When a page other than this one becomes current while it is
    // being made current (a listener created a page), or the engine has not
    // reported the switch and the page it reported last is being announced,
    // the deletion waits instead of having the engine delete that page. A
    // page that has not learnt its unique id cannot be made current: the
    // engine then deletes its current page.
    // @errors A deletion that meets such a switch a second time, at idle
    // time, is dropped and reported ("request.dropped"). The first exception
    // of a listener or slot of the announcements it causes passes on once
    // the deletion has been asked of the engine.
    // @throws orvane::ExceptionBase "The page passed to setCurrentPage() does
    // not match any of the managed pages; see addPage()." for a page that is
    // not managed here (the text names setCurrentPage() for both).
    virtual void deletePage(PageInterface& page) = 0;
    // The engine's current page, or null when there is none.
    virtual PageInterface* getCurrentPage() = 0;
    // Has the engine make `page` current, unless it is already: under the
    // application lock (value 0).
    //
    // @thread_safety GUI thread only; from another thread it is reported
    // ("thread.not-init-thread") and carried out anyway.
    // @reentrancy May be called from a listener, a slot or the engine's busy
    // loop. It waits, and is carried out at the next idle time when the
    // engine can take it: while the engine is busy, or while another host
    // request waits. Of waiting switches only the latest counts; one waiting
    // is cancelled when the engine destroys a page by itself (not at the
    // host's request), as the engine has then chosen the current page.
    // @current The engine reports the new current page, inside this call or
    // later; until then getCurrentPage() answers as before. Ignored for a
    // page the engine is destroying.
    // @errors Ignored while a page is being created (from a listener or slot
    // of its creation announcement), as the engine makes the new page
    // current: reported ("request.ignored"). The first exception of a
    // listener or slot of the current-page announcement passes on.
    // @throws orvane::ExceptionBase "The page passed to setCurrentPage() does
    // not match any of the managed pages; see addPage()." for a page that is
    // not managed here.
    virtual void setCurrentPage(PageInterface& page) = 0;
    // Walks every page once, starting at the current page.
    virtual PageIterator getPageIterator() = 0;
    // Walks every page once, backward, starting at the current page.
    virtual PageIterator getReversePageIterator() = 0;
    // Owned by ManagerAbstract; destroying it deletes no page.
    virtual ~PageManagerInterface();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEMANAGERINTERFACE_H
