#include "integration/intern/CurrentPageSetterOnFocusGain.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsignals/SignalConnectionCollection.h"

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
    }

private:
    void onPageCreated(PageInterface& page)
    {
        // When the page moves, the drawing area now showing it is watched: the
        // one it had before may already be gone.
        PageInterface* const watched = &page;
        m_connections.add(
            page.connectDrawAreaChanged([this, watched](GLDrawAreaInterface*) { watchDrawArea(watched->getDrawArea()); }));
        watchDrawArea(page.getDrawArea());
    }

    void watchDrawArea(GLDrawAreaInterface* drawArea)
    {
        if (drawArea != nullptr)
            m_connections.add(drawArea->connectDrawAreaFocusGained(&ignoreFocusGain));
    }

    SignalConnectionCollection m_connections;
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
