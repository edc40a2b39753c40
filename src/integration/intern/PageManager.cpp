#include "integration/intern/PageManager.h"

#include "integration/EventManagerInterface.h"
#include "integration/GLDrawAreaFactoryInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerInterface.h"
#include "integration/PageManagerListenerInterface.h"
#include "integration/intern/CurrentPageSetterOnFocusGain.h"
#include "integration/intern/Page.h"
#include "integration/intern/PageCollection.h"
#include "integration/intern/RenderDestinationManager.h"
#include "ovexception/OutOfMemoryException.h"
#include "ovsdkcommon/AppLock.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "ovtoolbox/StringList.h"
#include "util/ScopedExitAction.h"

#include <cstdint>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

template <typename T>
T* fromHandle(ArbParam_t handle)
{
    return reinterpret_cast<T*>(static_cast<std::intptr_t>(handle));
}

} // namespace

PageManager::PageManager(ManagerInterface& manager)
    : m_manager(&manager),
      m_glDrawAreaFactory(nullptr),
      m_isCreatingPage(false),
      m_currentPage(nullptr),
      m_pageCount(0),
      m_deferredRequests(0)
{
    m_pageCollection.reset(new PageCollection(*this));
    m_renderDestinationManager.reset(new RenderDestinationManager());
    m_currentPageSetterOnFocusGain.reset(new CurrentPageSetterOnFocusGain(*this));
}

PageManager::~PageManager()
{
    m_renderDestinationManager.reset();
    m_pageCollection.reset();
    m_currentPageSetterOnFocusGain.reset();
    m_pendingSetCurrent.reset();
}

// --- listeners and configuration -------------------------------------------

void PageManager::addListener(PageManagerListenerInterface* listener) { m_listeners.add(listener); }

void PageManager::removeListener(PageManagerListenerInterface* listener) { m_listeners.remove(listener); }

void PageManager::setGLDrawAreaFactory(GLDrawAreaFactoryInterface& factory) { m_glDrawAreaFactory = &factory; }

void PageManager::pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider)
{
    m_renderDestinationManager->pushPageRenderDecider(decider);
}

void PageManager::popPageRenderDecider() { m_renderDestinationManager->popPageRenderDecider(); }

void PageManager::registerCallbacks()
{
    const ArbParam_t self = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(this));
    OrvEngPageCreateRegisterCallback(&PageManager::onEnginePageCreateCallback, self);
    OrvEngPageDestroyRegisterCallback(&PageManager::onEnginePageDestroyCallback, self);
    OrvEngPageNewCurrentRegisterCallback(&PageManager::onEnginePageNewCurrentCallback, self);
    m_renderDestinationManager->registerCallbacks();
}

// --- pages ------------------------------------------------------------------

int PageManager::pageCount() { return m_pageCount; }

PageInterface& PageManager::addPage(GLDrawAreaInterface* drawArea) { return createPage(drawArea, nullptr); }

void PageManager::deletePage(PageInterface& page)
{
    const unsigned long deferredBefore = m_deferredRequests;
    setCurrentPage(page);
    if (m_deferredRequests == deferredBefore)
    {
        deleteEngineCurrentPage();
        return;
    }
    // The engine is busy and the activation waits for idle time: the
    // deletion waits with it, so that the page the engine deletes is this one.
    m_pendingSetCurrent.reset(new ui::common::OnIdleActionPerformerSingleShot([this, &page] {
        activatePageInEngine(page);
        deleteEngineCurrentPage();
    }));
}

PageInterface* PageManager::getCurrentPage()
{
    const UniqueID_t id = OrvUtilPageGetUniqueID();
    PageInterface* found = nullptr;
    for (PageIterator pages = getPageIterator(); pages.hasNext();)
    {
        PageInterface& page = pages.next();
        if (page.getUniqueID() == id)
            found = &page;
    }
    // A page that has not learnt its unique id yet is found through the
    // engine's last report.
    return found != nullptr ? found : m_currentPage;
}

void PageManager::setCurrentPage(PageInterface& page)
{
    if (m_isCreatingPage)
        return;
    requireManaged(page);
    whenIdle([this, &page] { activatePageInEngine(page); });
}

PageIterator PageManager::getPageIterator() { return m_pageCollection->getPageIterator(); }

PageIterator PageManager::getReversePageIterator() { return m_pageCollection->getReversePageIterator(); }

// --- creation ---------------------------------------------------------------

PageInterface& PageManager::createPage(GLDrawAreaInterface* drawArea, StringList_pa arguments)
{
    if (drawArea != nullptr)
        drawArea->setPageManager(*this);
    std::unique_ptr<Page> page(new Page(*this, drawArea));
    PageInterface* const oldCurrentPage = m_currentPage;
    PageInterface* created = nullptr;
    {
        // The engine makes the new page current from inside its creation;
        // the flag keeps that report silent until the page is announced.
        m_isCreatingPage = true;
        const ScopedExitAction endCreation([this] { m_isCreatingPage = false; });
        m_currentPage = page.get();
        if (!createInEngine(*page, arguments))
        {
            // Never announced and in no collection: nothing else knows it.
            m_currentPage = oldCurrentPage;
            page.reset();
            throw orvane::OutOfMemoryException("Failed to allocate memory for the new page.");
        }
        created = page.release();
        ++m_pageCount;
        announce(&PageManagerListenerInterface::pageCreated, signalPageCreated, *created);
    }
    announceCurrentPageChanged(oldCurrentPage != nullptr ? *oldCurrentPage : *m_currentPage);
    return *created;
}

bool PageManager::createInEngine(PageInterface& page, StringList_pa arguments)
{
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    return OrvEngPageCreateNew(page, arguments) == TRUE;
}

// --- engine callbacks -------------------------------------------------------

Boolean_t PageManager::onEnginePageCreateCallback(StringList_pa arguments, ArbParam_t clientData)
{
    try
    {
        fromHandle<PageManager>(clientData)->onEnginePageCreate(arguments);
        return TRUE;
    }
    catch (const orvane::ExceptionBase&)
    {
        // The engine learns of the failure from the answer; an exception
        // must not travel through its C code.
        return FALSE;
    }
}

void PageManager::onEnginePageDestroyCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    if (PageInterface* page = fromHandle<PageInterface>(pageHandle))
        fromHandle<PageManager>(clientData)->onEnginePageDestroy(*page);
}

void PageManager::onEnginePageNewCurrentCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    if (PageInterface* page = fromHandle<PageInterface>(pageHandle))
        fromHandle<PageManager>(clientData)->onEnginePageNewCurrent(*page);
}

void PageManager::onEnginePageCreate(StringList_pa arguments)
{
    GLDrawAreaInterface* drawArea = nullptr;
    if (m_glDrawAreaFactory != nullptr)
    {
        orvane::toolbox::StringList list(arguments);
        drawArea = m_glDrawAreaFactory->createGLDrawArea(list);
    }
    createPage(drawArea, arguments);
}

void PageManager::onEnginePageDestroy(PageInterface& page)
{
    // A drawing area destroyed during the announcement must not ask to
    // delete the page again.
    page.setDeleteWithDrawArea(false);
    --m_pageCount;
    // The engine reports the page that follows; until then none is current.
    if (m_pageCount == 0 || &page == m_currentPage)
        m_currentPage = nullptr;
    announce(&PageManagerListenerInterface::pageDestroyed, signalPageDestroyed, page);
    m_pendingSetCurrent.reset();
    delete &page;
}

void PageManager::onEnginePageNewCurrent(PageInterface& page)
{
    PageInterface* const oldCurrentPage = m_currentPage;
    m_currentPage = &page;
    if (!m_isCreatingPage)
        announceCurrentPageChanged(oldCurrentPage != nullptr ? *oldCurrentPage : page);
}

// --- steps ------------------------------------------------------------------

void PageManager::requireManaged(PageInterface& page)
{
    if (!m_pageCollection->contains(page))
        throw orvane::ExceptionBase(
            "The page passed to setCurrentPage() does not match any of the managed pages; see addPage().", false);
}

bool PageManager::isEngineBusy()
{
    try
    {
        return m_manager->getEventManager().isBusy();
    }
    catch (const orvane::ExceptionBase&)
    {
        // No event manager outside init()..stop(): no engine operation runs.
        return false;
    }
}

void PageManager::whenIdle(const boost::function<void()>& action)
{
    if (isEngineBusy())
    {
        m_pendingSetCurrent.reset(new ui::common::OnIdleActionPerformerSingleShot(action));
        ++m_deferredRequests;
    }
    else
    {
        action();
    }
}

void PageManager::activatePageInEngine(PageInterface& page)
{
    if (OrvUtilPageGetUniqueID() == page.getUniqueID())
        return;
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    OrvUtilPageSetCurrentByUniqueID(page.getUniqueID());
}

void PageManager::deleteEngineCurrentPage()
{
    AppLock lock(AppLock::ImplicitMacroRecording_Off);
    OrvUtilPageDelete();
}

void PageManager::announce(Announcement announcement, PageSignal& signal, PageInterface& page)
{
    m_listeners.notify(
        [this, announcement, &page](PageManagerListenerInterface& listener) { (listener.*announcement)(page, *this); });
    signal(page);
}

void PageManager::announceCurrentPageChanged(PageInterface& page)
{
    announce(&PageManagerListenerInterface::currentPageChanged, signalPageCurrentChanged, page);
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
