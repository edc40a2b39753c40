#ifndef OVSIGNALS_SIGNALCONNECTIONCOLLECTION_H
#define OVSIGNALS_SIGNALCONNECTIONCOLLECTION_H

#include "ovsignals/Export.h"

#include <boost/signals2/connection.hpp>

#include <cstddef>
#include <vector>

// Keeps signal connections and ends them all when it is destroyed. An object
// that connects its slots to other objects' signals holds one as a member,
// so that none of its slots is called once it is gone.
class OVSIGNALS_EXPORT SignalConnectionCollection
{
public:
    SignalConnectionCollection();
    ~SignalConnectionCollection();
    SignalConnectionCollection(const SignalConnectionCollection&) = delete;
    SignalConnectionCollection& operator=(const SignalConnectionCollection&) = delete;

    void add(const boost::signals2::connection& connection);
    // Ends every connection now; the collection is empty afterwards.
    void disconnectAll();
    std::size_t size() const;

private:
    std::vector<boost::signals2::connection> m_connections;
};

#endif // OVSIGNALS_SIGNALCONNECTIONCOLLECTION_H
