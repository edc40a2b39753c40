#include "PageTabs.h"

#include "BoundaryAccount.h"

#include "ovsdkqthost/QtGLDrawArea.h"

#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"

#include <QSignalBlocker>

namespace {

QString titleOf(PageTabs::Page& page)
{
    const std::string name = page.getName();
    return QString::fromStdString(name.empty() ? "Page " + std::to_string(page.getUniqueID()) : name);
}

} // namespace

PageTabs::PageTabs(PageManager& pages, BoundaryAccount& account, QWidget* parent)
    : QTabWidget(parent), m_pages(pages), m_account(account)
{
    setTabsClosable(true);
    setDocumentMode(true);
    m_pages.addListener(this);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) { tabChosen(index); });
    connect(this, &QTabWidget::tabCloseRequested, this, [this](int index) {
        if (Page* page = pageAt(index))
        {
            m_account.host("closes the tab of " + titleOf(*page).toStdString() + ": deletePage");
            m_pages.deletePage(*page);
        }
    });
}

PageTabs::~PageTabs()
{
    m_pages.removeListener(this);
    const QSignalBlocker quiet(this);
    // Those of deleted pages too, whose deletion is still pending.
    while (!m_drawAreas.empty())
        delete m_drawAreas.begin()->first;
}

void PageTabs::addWindow(DrawArea* drawArea, const QString& title)
{
    QWidget* container = QWidget::createWindowContainer(drawArea, this);
    container->setMinimumSize(160, 120);
    m_drawAreas[container] = drawArea;
    connect(container, &QObject::destroyed, this, [this, container] { m_drawAreas.erase(container); });
    {
        // The page is not there yet: the engine makes it current next.
        const QSignalBlocker quiet(this);
        setCurrentIndex(addTab(container, title));
    }
    if (m_windowAdded)
        m_windowAdded(*drawArea);
}

void PageTabs::setWindowAdded(std::function<void(DrawArea&)> windowAdded) { m_windowAdded = std::move(windowAdded); }

PageTabs::DrawArea* PageTabs::drawAreaAt(int index) const
{
    const auto found = m_drawAreas.find(widget(index));
    return found != m_drawAreas.end() ? found->second : nullptr;
}

PageTabs::Page* PageTabs::pageAt(int index)
{
    DrawArea* drawArea = drawAreaAt(index);
    if (drawArea == nullptr)
        return nullptr;
    for (orvane::sdk::integration::PageIterator pages = m_pages.getPageIterator(); pages.hasNext();)
    {
        Page& page = pages.next();
        if (page.getDrawArea() == drawArea)
            return &page;
    }
    return nullptr;
}

int PageTabs::indexOf(Page& page) const
{
    for (int index = 0; index < count(); ++index)
        if (drawAreaAt(index) != nullptr && page.getDrawArea() == drawAreaAt(index))
            return index;
    return -1;
}

void PageTabs::pageCreated(Page& page, PageManager&)
{
    showTitle(page);
    m_nameConnections.add(page.connectNameChanged([this, &page](const std::string&) { showTitle(page); }));
}

void PageTabs::pageDestroyed(Page& page, PageManager&)
{
    const int index = indexOf(page);
    if (index < 0)
        return;
    QWidget* container = widget(index);
    {
        // The engine chooses the next current page itself.
        const QSignalBlocker quiet(this);
        removeTab(index);
    }
    // The window may be what is being destroyed: it goes once the page has.
    container->deleteLater();
}

void PageTabs::currentPageChanged(Page&, PageManager& manager)
{
    Page* current = manager.getCurrentPage();
    const int index = current != nullptr ? indexOf(*current) : -1;
    if (index < 0 || index == currentIndex())
        return;
    const QSignalBlocker quiet(this); // the engine's choice already
    setCurrentIndex(index);
}

void PageTabs::tabChosen(int index)
{
    Page* page = pageAt(index);
    if (page == nullptr || page == m_pages.getCurrentPage())
        return;
    m_account.host("chooses the tab of " + titleOf(*page).toStdString() + ": setCurrentPage");
    m_pages.setCurrentPage(*page);
}

void PageTabs::showTitle(Page& page)
{
    const int index = indexOf(page);
    if (index >= 0)
        setTabText(index, titleOf(page));
}
