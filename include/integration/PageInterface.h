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
    typedef boost::signals2::signal<void(const std::string& oldName)> NameChangedSignal;
    typedef boost::signals2::signal<void(GLDrawAreaInterface* oldDrawArea)> DrawAreaChangedSignal;

    PageInterface();
    PageInterface(const PageInterface&) = delete;
    PageInterface& operator=(const PageInterface&) = delete;
    virtual ~PageInterface();

    // After the name changed, with the previous name.
    NameChangedSignal signalNameChanged;
    // After the drawing area changed, with the previous one (may be null).
    DrawAreaChangedSignal signalDrawAreaChanged;

    // Each connects at the back of the signal's slots, then calls the
    // signal's ...Connected() hook.
    boost::signals2::connection connectNameChanged(const NameChangedSignal::slot_type& slot);
    boost::signals2::connection connectDrawAreaChanged(const DrawAreaChangedSignal::slot_type& slot);

    // Makes the page current and has the engine redraw; true on success.
    virtual bool redraw() = 0;
    // The engine's unique id of the page; 0 until the page has learnt it.
    virtual long long getUniqueID() = 0;
    virtual std::string getName() = 0;
    // Renames the page through the engine; true on success.
    virtual bool setName(std::string name) = 0;
    // The drawing area's size, or 800 x 600 without a usable one.
    virtual void getSize(int& width, int& height) = 0;
    // Listeners are not owned; a null one is reported to the engine and ignored.
    virtual void addChangeListener(PageChangeListenerInterface* listener) = 0;

private:
    // Called after every connection to the signal of the same name.
    virtual void signalNameChangedConnected() const;
    virtual void signalDrawAreaChangedConnected() const;

public:
    virtual void removeChangeListener(PageChangeListenerInterface* listener) = 0;
    virtual void setPrintPreviewActive(bool active) = 0;
    // The last value given to setPrintPreviewActive.
    virtual bool isPrintPreviewActive() = 0;
    // The drawing area showing the page, or null.
    virtual GLDrawAreaInterface* getDrawArea() = 0;
    // Attaches the page to a drawing area (detaching any other page shown
    // there first), or detaches it (null). Every change listener and the
    // signal hear of it before the first exception of theirs passes on.
    // Throws orvane::ExceptionBase when called on this page by a listener of
    // the page it takes the area from, while it does.
    virtual void setDrawArea(GLDrawAreaInterface* drawArea) = 0;
    // Whether the destruction of the drawing area deletes the page.
    virtual void setDeleteWithDrawArea(bool deleteWithDrawArea) = 0;
    virtual bool getDeleteWithDrawArea() = 0;
    // The client handle the engine names this page by: the address of this
    // interface part. Fixed for the page's lifetime.
    virtual operator long long() const;
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_PAGEINTERFACE_H
