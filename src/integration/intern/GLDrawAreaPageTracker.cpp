#include "integration/intern/GLDrawAreaPageTracker.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// --- nested listeners -------------------------------------------------------

GLDrawAreaPageTracker::PageManagerListener::PageManagerListener(GLDrawAreaPageTracker& owner) : m_owner(&owner) {}

void GLDrawAreaPageTracker::PageManagerListener::pageCreated(PageInterface& page, PageManagerInterface&)
{
    if (m_owner->shows(page))
        m_owner->m_shown.insert(&page);
    page.addChangeListener(&m_owner->m_pageChangeListener);
}

void GLDrawAreaPageTracker::PageManagerListener::pageDestroyed(PageInterface& page, PageManagerInterface&)
{
    m_owner->m_shown.erase(&page);
    page.removeChangeListener(&m_owner->m_pageChangeListener);
}

void GLDrawAreaPageTracker::PageManagerListener::currentPageChanged(PageInterface&, PageManagerInterface&) {}

GLDrawAreaPageTracker::PageChangeListener::PageChangeListener(GLDrawAreaPageTracker& owner) : m_owner(&owner) {}

void GLDrawAreaPageTracker::PageChangeListener::pageNameChanged(std::string, PageInterface&) {}

void GLDrawAreaPageTracker::PageChangeListener::pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface& page)
{
    if (m_owner->shows(page))
        m_owner->m_shown.insert(&page);
    else
        m_owner->m_shown.erase(&page);
}

// --- tracker ----------------------------------------------------------------

GLDrawAreaPageTracker::GLDrawAreaPageTracker(GLDrawAreaInterface& drawArea)
    : m_drawArea(&drawArea),
      m_pageManager(nullptr),
      m_pageManagerListener(*this),
      m_pageChangeListener(*this)
{
}

GLDrawAreaPageTracker::~GLDrawAreaPageTracker() { detachFromManager(); }

void GLDrawAreaPageTracker::setPageManager(PageManagerInterface& pageManager)
{
    detachFromManager();
    m_pageManager = &pageManager;
    m_pageManager->addListener(&m_pageManagerListener);
    for (PageIterator pages = m_pageManager->getPageIterator(); pages.hasNext();)
        pages.next().addChangeListener(&m_pageChangeListener);
}

int GLDrawAreaPageTracker::pageCount() { return static_cast<int>(m_shown.size()); }

void GLDrawAreaPageTracker::detachFromManager()
{
    if (m_pageManager == nullptr)
        return;
    m_pageManager->removeListener(&m_pageManagerListener);
    for (PageIterator pages = m_pageManager->getPageIterator(); pages.hasNext();)
        pages.next().removeChangeListener(&m_pageChangeListener);
    m_pageManager = nullptr;
}

bool GLDrawAreaPageTracker::shows(PageInterface& page) const { return page.getDrawArea() == m_drawArea; }

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
