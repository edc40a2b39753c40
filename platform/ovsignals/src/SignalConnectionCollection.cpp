#include "ovsignals/SignalConnectionCollection.h"

SignalConnectionCollection::SignalConnectionCollection() = default;

SignalConnectionCollection::~SignalConnectionCollection() { disconnectAll(); }

void SignalConnectionCollection::add(const boost::signals2::connection& connection)
{
    m_connections.push_back(connection);
}

void SignalConnectionCollection::disconnectAll()
{
    for (boost::signals2::connection& connection : m_connections)
        connection.disconnect();
    m_connections.clear();
}

std::size_t SignalConnectionCollection::size() const { return m_connections.size(); }
