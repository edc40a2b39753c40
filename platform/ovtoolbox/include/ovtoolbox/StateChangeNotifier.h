#ifndef OVTOOLBOX_STATECHANGENOTIFIER_H
#define OVTOOLBOX_STATECHANGENOTIFIER_H

#include "ovtoolbox/Export.h"
#include "ovsdkbase.h"

#include <boost/signals2/signal.hpp>

#include <string>
#include <vector>

namespace orvane {
namespace toolbox {

class StateChangeNotifier;

// How a notifier delivers engine state changes. The values are bit sets:
// bit 1 delivers events, bit 2 brackets each delivery with lockStart(false)
// and lockFinish().
enum StateChangeMode_e
{
    StateChangeMode_Off = 0,
    StateChangeMode_Deliver = 1,
    StateChangeMode_ParentLockOnly = 2,
    StateChangeMode_DeliverUnderParentLock = 3
};

// One engine state change. It reads the engine lazily and is valid only
// inside the notification that delivers it.
class OVTOOLBOX_EXPORT StateChangeEventInterface
{
public:
    virtual ~StateChangeEventInterface();
    // The engine's state-change code (7 style change, 15 quit, 50 page...).
    virtual int getStateChange() const = 0;
    // Style parameter `index` (1-based); empty when the engine gives none.
    virtual std::string getStyleParameter(int index) const = 0;
    // Unique id of the object the change concerns; 0 when the engine gives none.
    virtual UniqueID_t getStyleUniqueID() const = 0;
};

class OVTOOLBOX_EXPORT StateChangeListenerInterface
{
public:
    virtual void stateChanged(const StateChangeEventInterface& event, StateChangeNotifier& notifier) = 0;
    virtual ~StateChangeListenerInterface();
};

// Relays the engine's state changes (learnt through
// OrvUtilStateChangeAddCallback) to listeners and to signalStateChanged,
// synchronously, inside the engine's callback. Listeners are kept in an
// ordered set (by pointer, no duplicates); a listener removed during a
// delivery is skipped, one added during it waits for the next.
//
// Constructing a notifier makes no engine call: it registers its engine
// callback when the first listener is added (or the first slot connected
// through connectStateChanged) after a time without any, so that an engine
// initialised or reset meanwhile hears of it. A slot connected to
// signalStateChanged directly hears changes only while the notifier is
// registered. Removing listeners makes no engine call; the registration
// stays until the next first listener renews it, or the notifier goes.
class OVTOOLBOX_EXPORT StateChangeNotifier
{
public:
    typedef boost::signals2::signal<void(const StateChangeEventInterface&)> StateChangedSignal;

    explicit StateChangeNotifier(StateChangeMode_e mode);

    // Throws orvane::OutOfMemoryException when the listener cannot be stored.
    // A null listener is ignored.
    virtual void addListener(StateChangeListenerInterface* listener);

private:
    virtual void signalStateChangedConnected() const;

public:
    virtual void removeListener(StateChangeListenerInterface* listener);
    virtual bool isListening(StateChangeListenerInterface* listener);
    // False (and no change) for a value outside StateChangeMode_e.
    virtual bool setMode(StateChangeMode_e mode);
    virtual StateChangeMode_e mode() const;
    virtual ~StateChangeNotifier();

    StateChangedSignal signalStateChanged;
    // Connects at the back, then calls signalStateChangedConnected().
    boost::signals2::connection connectStateChanged(const StateChangedSignal::slot_type& slot);

protected:
    // Hooks around each delivery when the mode asks for the parent lock.
    virtual void lockStart(bool shutdownImplicitRecording);
    virtual void lockFinish();
    // Delivers one event: the listeners, then signalStateChanged.
    virtual void onStateChanged(const StateChangeEventInterface& event);

private:
    StateChangeNotifier(const StateChangeNotifier&) = delete;
    StateChangeNotifier& operator=(const StateChangeNotifier&) = delete;

    static void engineStateChangeCallback(int stateChange, ArbParam_t clientData);
    void deliver(int stateChange);
    bool isHeard() const;
    // (Re-)registers the engine callback, once.
    void registerWithEngine();

    StateChangeMode_e m_mode;
    bool m_registered;
    std::vector<StateChangeListenerInterface*> m_listeners; // sorted by pointer
    std::size_t m_removals;
};

} // namespace toolbox
} // namespace orvane

#endif // OVTOOLBOX_STATECHANGENOTIFIER_H
