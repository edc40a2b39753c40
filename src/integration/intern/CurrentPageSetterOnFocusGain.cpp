#include "integration/intern/CurrentPageSetterOnFocusGain.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <boost/signals2/connection.hpp>
#include <unordered_map>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

// Focus alone does not make a page current.
void ignoreFocusGain() {}

} // namespace

class CurrentPageSetterOnFocusGain::Impl
{
public:
    explicit Impl(PageManagerInterface& pageManager)
    {
        m_connections.add(pageManager.connectPageCreated([this](PageInterface& page) { onPageCreated(page); }));
        m_connections.add(pageManager.connectPageDestroyed([this](PageInterface& page) { onPageDestroyed(page); }));
    }

private:
    // The connections made for one page: to its drawing-area changes, and to
    // the focus of the drawing area it had when it was created.
    struct PageWatch
    {
        boost::signals2::scoped_connection drawAreaChanged;
        boost::signals2::scoped_connection focusGained;
        bool watchingFocus = false;
    };

    void onPageCreated(PageInterface& page)
    {
        GLDrawAreaInterface* const creationDrawArea = page.getDrawArea();
        PageInterface* const watched = &page;
        m_watches[watched].drawAreaChanged = page.connectDrawAreaChanged(
            [this, watched, creationDrawArea](GLDrawAreaInterface*) { watchDrawArea(*watched, creationDrawArea); });
        watchDrawArea(page, creationDrawArea);
    }

    // Connects to the focus of `drawArea` on behalf of `page`, in place of
    // the page's earlier connection there. A drawing area ends the
    // connections to its signals when it is destroyed: a focus connection
    // that has ended by itself means that the area is gone, and it is never
    // touched again.
    void watchDrawArea(PageInterface& page, GLDrawAreaInterface* drawArea)
    {
        if (drawArea == nullptr)
            return;
        PageWatch& watch = m_watches[&page];
        if (watch.watchingFocus && !watch.focusGained.connected())
        {
            watch.drawAreaChanged.disconnect();
            return;
        }
        watch.focusGained = drawArea->connectDrawAreaFocusGained(&ignoreFocusGain);
        watch.watchingFocus = true;
    }

    void onPageDestroyed(PageInterface& page) { m_watches.erase(&page); }

    SignalConnectionCollection m_connections;
    std::unordered_map<PageInterface*, PageWatch> m_watches;
};

CurrentPageSetterOnFocusGain::CurrentPageSetterOnFocusGain(PageManagerInterface& pageManager)
    : m_impl(new Impl(pageManager))
{
}

CurrentPageSetterOnFocusGain::~CurrentPageSetterOnFocusGain() = default;

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
