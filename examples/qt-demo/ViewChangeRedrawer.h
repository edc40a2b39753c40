// The simulated engine moves a page's view on drags and zoom keys but,
// unlike a real engine, leaves the redraw to its host. After each idle pass
// of the engine this redraws the current page when its view moved.
#ifndef QT_DEMO_VIEWCHANGEREDRAWER_H
#define QT_DEMO_VIEWCHANGEREDRAWER_H

#include "ovsdkbase/SimulatedEngine.h"

#include <boost/signals2/connection.hpp>

#include <QObject>

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
    ViewChangeRedrawer(orvane::sdk::integration::EventManagerInterface& events,
                       orvane::sdk::integration::PageManagerInterface& pages);

private:
    void engineIdle();

    orvane::sdk::integration::PageManagerInterface& m_pages;
    std::map<long long, orvane::sim::PageView> m_views; // by page id, as last seen
    QObject m_redrawContext; // a posted redraw dies with it
    boost::signals2::scoped_connection m_idleConnection;
};

#endif // QT_DEMO_VIEWCHANGEREDRAWER_H
