// The simulated engine moves a page's view on drags and zoom keys but,
// unlike a real engine, leaves the redraw to its host. After each idle pass
// of the engine this redraws the current page when its view moved, from the
// host's event loop (not from inside the engine's idle pass).
#ifndef QT_DEMO_VIEWCHANGEREDRAWER_H
#define QT_DEMO_VIEWCHANGEREDRAWER_H

#include "ovsdkbase/SimulatedEngine.h"

#include <boost/signals2/connection.hpp>

#include <functional>
#include <map>

namespace orvane {
namespace sdk {
namespace integration {
class EventManagerInterface;
class PageManagerInterface;
} // namespace integration
} // namespace sdk
} // namespace orvane

class ViewChangeRedrawer
{
public:
    // Runs an action from the host's event loop, once it gets to it.
    typedef std::function<void(std::function<void()> action)> Later;

    ViewChangeRedrawer(orvane::sdk::integration::EventManagerInterface& events,
                       orvane::sdk::integration::PageManagerInterface& pages, Later later);

private:
    void engineIdle();

    orvane::sdk::integration::PageManagerInterface& m_pages;
    std::map<long long, orvane::sim::PageView> m_views; // by page id, as last seen
    Later m_later;
    boost::signals2::scoped_connection m_idleConnection;
};

#endif // QT_DEMO_VIEWCHANGEREDRAWER_H
