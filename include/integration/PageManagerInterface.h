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

    // Connects `slot` at the back of signalPageCreated, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectPageCreated(const PageSignal::slot_type& slot);
    // Connects `slot` at the back of signalPageDestroyed, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectPageDestroyed(const PageSignal::slot_type& slot);
    // Connects `slot` at the back of signalPageCurrentChanged, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectPageCurrentChanged(const PageSignal::slot_type& slot);

    // Listeners are not owned and must not be null.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // announcement.
    virtual void addListener(PageManagerListenerInterface* listener) = 0;
    // Stops `listener` hearing announcements; an unknown one is ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again.
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
    // Creates a page shown in `drawArea` (may be null) and makes it current;
    // it is announced (created, then current-page changed) before it returns.
    //
    // @thread_safety GUI thread only; checked: reports `thread.not-init-thread`.
    // @reentrancy May be called from a listener or slot; the page is alive
    // when it returns.
    // @current The new page is the engine's current page.
    // @errors orvane::OutOfMemoryException when the engine cannot create it;
    // orvane::ExceptionBase when a listener or slot stopped the engine on the
    // way; see `docs/host-guide.md#announcements-and-exceptions`.
    virtual PageInterface& addPage(GLDrawAreaInterface* drawArea) = 0;
    // Has the engine delete `page`; the object goes when the engine reports
    // it destroyed, inside this call or later.
    //
    // @thread_safety GUI thread only; checked: reports `thread.not-init-thread`.
    // @reentrancy May be called from a listener, a slot or a busy pass; it may
    // wait for idle time: see `docs/host-guide.md#requests-that-wait`.
    // @current The page is made the engine's current page first.
    // @errors orvane::ExceptionBase when the page is not managed here;
    // report `request.waits` when a waiting deletion is set aside.
    virtual void deletePage(PageInterface& page) = 0;
    // The engine's current page, or null when there is none.
    virtual PageInterface* getCurrentPage() = 0;
    // Has the engine make `page` current, unless it is already.
    //
    // @thread_safety GUI thread only; checked: reports `thread.not-init-thread`.
    // @reentrancy May be called from a listener, a slot or a busy pass; it may
    // wait for idle time: see `docs/host-guide.md#requests-that-wait`.
    // @current getCurrentPage() changes when the engine reports the switch.
    // @errors orvane::ExceptionBase when the page is not managed here; report
    // `request.ignored` while a page is being created.
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
