#ifndef ORVANE_INTEGRATION_PAGEINTERFACE_H
#define ORVANE_INTEGRATION_PAGEINTERFACE_H

#include "util/Export.h"

#include <boost/signals2/signal.hpp>

#include <string>

namespace orvane {
namespace sdk {
namespace integration {

class GLDrawAreaInterface;
class PageChangeListenerInterface;

// The host-side twin of one engine page: its name, its engine identity, the
// drawing area that shows it, print preview and redraw. Pages are created,
// owned and deleted by the page manager only.
//
// Two identities cross the engine boundary: the client handle (the address
// of this interface part, see operator long long) and the engine's unique
// page id (getUniqueID, learnt from the engine after creation).
class OVSDK_INTEGRATION_EXPORT PageInterface
{
public:
    // The signal of a rename, with the old name.
    typedef boost::signals2::signal<void(const std::string& oldName)> NameChangedSignal;
    // The signal of a change of drawing area, with the old one.
    typedef boost::signals2::signal<void(GLDrawAreaInterface* oldDrawArea)> DrawAreaChangedSignal;

    // Made by the page manager only.
    PageInterface();
    // Not copyable: the engine knows the page by its address.
    PageInterface(const PageInterface&) = delete;
    // Not copyable.
    PageInterface& operator=(const PageInterface&) = delete;
    // Deleted by the page manager when the engine reports the page destroyed.
    virtual ~PageInterface();

    // After the name changed, with the previous name.
    NameChangedSignal signalNameChanged;
    // After the drawing area changed, with the previous one (may be null).
    DrawAreaChangedSignal signalDrawAreaChanged;

    // Connects `slot` at the back of signalNameChanged, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectNameChanged(const NameChangedSignal::slot_type& slot);
    // Connects `slot` at the back of signalDrawAreaChanged, then calls its
    // ...Connected() hook.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a slot; the new slot hears the next one.
    boost::signals2::connection connectDrawAreaChanged(const DrawAreaChangedSignal::slot_type& slot);

    // Makes the page current and has the engine redraw; true on success.
    //
    // @thread_safety GUI thread only; checked: reports `thread.not-init-thread`.
    // @reentrancy The switch may wait for idle time: see
    // `docs/host-guide.md#requests-that-wait`.
    // @current The engine's current page becomes this one, unless the switch
    // waits.
    // @errors False, with no redraw, when a listener of the switch deletes
    // the page.
    virtual bool redraw() = 0;
    // The engine's unique id of the page; 0 until the page has learnt it.
    virtual long long getUniqueID() = 0;
    // The page's name, as the engine last reported it or setName() set it.
    virtual std::string getName() = 0;
    // Renames the page through the engine; true on success.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy The change listeners and signalNameChanged hear the new
    // name from inside this call; one of them may delete the page.
    // @current The page's name is the new one once it returns true.
    // @errors False when the engine refuses the name; nothing is announced.
    virtual bool setName(std::string name) = 0;
    // The drawing area's size, or 800 x 600 without a usable one.
    virtual void getSize(int& width, int& height) = 0;
    // Listeners are not owned; a null one is reported to the engine and ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: the new one hears the next
    // change.
    virtual void addChangeListener(PageChangeListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalNameChangedConnected() const;
    virtual void signalDrawAreaChangedConnected() const;

public:
    // Stops `listener` hearing this page; a null one is reported to the
    // engine (OrvEngDoOUAssert) and ignored.
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener: a removed listener is not
    // called again.
    virtual void removeChangeListener(PageChangeListenerInterface* listener) = 0;
    // Makes the page current and switches the engine's print preview.
    //
    // @thread_safety GUI thread only; checked: reports `thread.not-init-thread`.
    // @reentrancy The switch may wait for idle time, as redraw()'s.
    // @current While the switch waits, the engine's current page gets the
    // preview.
    // @errors No exception of its own.
    virtual void setPrintPreviewActive(bool active) = 0;
    // The last value given to setPrintPreviewActive.
    virtual bool isPrintPreviewActive() = 0;
    // The drawing area showing the page, or null.
    virtual GLDrawAreaInterface* getDrawArea() = 0;
    // Attaches the page to a drawing area (detaching any other page shown
    // there first), or detaches it (null).
    //
    // @thread_safety GUI thread only; not checked.
    // @reentrancy May be called from a listener, except during this page's
    // own move: see `docs/host-guide.md#announcements-and-exceptions`.
    // @current getDrawArea() answers the new area when listeners are told.
    // @errors orvane::ExceptionBase when a listener of the move interferes
    // with it; no report.
    virtual void setDrawArea(GLDrawAreaInterface* drawArea) = 0;
    // Whether the destruction of the drawing area deletes the page.
    // When true (it starts false), the page asks to be deleted
    // (PageManagerInterface::deletePage)
    // when its drawing area reports itself destroyed.
    virtual void setDeleteWithDrawArea(bool deleteWithDrawArea) = 0;
    // The last value given to setDeleteWithDrawArea().
    virtual bool getDeleteWithDrawArea() = 0;
    // The client handle the engine names this page by: the address of this
    // interface part. Fixed for the page's lifetime.
    virtual operator long long() const;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEINTERFACE_H
