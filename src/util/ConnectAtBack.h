#ifndef ORVANE_UTIL_CONNECTATBACK_H
#define ORVANE_UTIL_CONNECTATBACK_H

#include <boost/signals2/connection.hpp>

namespace orvane {
namespace sdk {
namespace util {

// The one way the system connects a slot to one of its signals: at the back
// of the slot list, then the signal's "...Connected" hook, after every
// connection. Every connect<Name> operation is written with it:
//
//   return util::connectAtBack(signalEngineStarted, slot,
//                              [this] { signalEngineStartedConnected(); });
template <typename Signal, typename Hook>
boost::signals2::connection connectAtBack(Signal& signal, const typename Signal::slot_type& slot, Hook&& hook)
{
    boost::signals2::connection connection = signal.connect(slot, boost::signals2::at_back);
    hook();
    return connection;
}

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_CONNECTATBACK_H
