#include "integration/intern/RenderDestinationManager.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/PageIndex.h"
#include "integration/services/OffscreenImageInterface.h"

#include <cstdint>
#include <memory>

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

RenderDestinationManager& manager(ArbParam_t clientData) { return *fromHandle<RenderDestinationManager>(clientData); }

GLContextInterface* imageContext(ArbParam_t imageHandle)
{
    services::OffscreenImageInterface* image = fromHandle<services::OffscreenImageInterface>(imageHandle);
    return image != nullptr ? &image->getGLContext() : nullptr;
}

bool makeCurrent(GLContextInterface* context) { return context != nullptr && context->makeCurrent(); }

void reportNoDrawArea(const char* request)
{
    DiagnosticReporter::report(DiagnosticReporter::Kind_RenderNoDrawArea,
                               std::string("The engine asked ") + request +
                                   " of a page that has no drawing area: nothing is drawn. Give the page a drawing "
                                   "area (PageInterface::setDrawArea) or delete it.");
}

bool releaseCurrent(GLContextInterface* context) { return context != nullptr && context->releaseCurrent(); }

} // namespace

// Held by the slot the manager connects to the cached page's
// signalDrawAreaChanged: the slot tells of a new drawing area, and its end
// (the page, and with it its signal, destroyed) of the page's end. Either
// makes the manager forget the page, unless it moved on to another one.
class RenderDestinationManager::PageWatch
{
public:
    explicit PageWatch(RenderDestinationManager& owner) : m_owner(&owner) {}
    ~PageWatch() { pageChanged(); }
    PageWatch(const PageWatch&) = delete;
    PageWatch& operator=(const PageWatch&) = delete;

    void pageChanged()
    {
        if (m_owner != nullptr)
            m_owner->forgetCachedPage();
    }
    void release() { m_owner = nullptr; }

private:
    RenderDestinationManager* m_owner;
};

RenderDestinationManager::RenderDestinationManager(PageIndex& pages)
    : m_pages(&pages),
      m_lastRenderDest(RenderDest_None),
      m_cachedHandle(0),
      m_cachedDrawArea(nullptr),
      m_cachedContext(nullptr),
      m_pageWatch(nullptr)
{
}

RenderDestinationManager::~RenderDestinationManager() { forgetCachedPage(); }

void RenderDestinationManager::registerCallbacks()
{
    const ArbParam_t self = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(this));
    OrvEngRenderQueryRegisterCallback(&RenderDestinationManager::renderQueryCallback, self);
    OrvEngRenderDestRegisterCallback(&RenderDestinationManager::renderDestCallback, self);
    OrvEngSwapBuffersRegisterCallback(&RenderDestinationManager::swapBuffersCallback, self);
    OrvEngRenderDestSizeRegisterCallback(&RenderDestinationManager::renderDestSizeCallback, self);
}

void RenderDestinationManager::pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider)
{
    m_pageRenderDeciders.push_back(decider);
}

void RenderDestinationManager::popPageRenderDecider()
{
    // Popping the default decider leaves the stack as empty as before.
    if (!m_pageRenderDeciders.empty())
        m_pageRenderDeciders.pop_back();
}

// --- engine callbacks -------------------------------------------------------

Boolean_t RenderDestinationManager::renderQueryCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    RenderDestinationManager& self = manager(clientData);
    if (!self.select(pageHandle))
        return FALSE;
    GLDrawAreaInterface* drawArea = self.m_cachedDrawArea;
    if (drawArea == nullptr)
    {
        reportNoDrawArea("whether it may draw");
        return FALSE;
    }
    return drawArea->isValid() && drawArea->canRender() ? TRUE : FALSE;
}

Boolean_t RenderDestinationManager::renderDestCallback(int renderDest, ArbParam_t handle, ArbParam_t clientData)
{
    RenderDestinationManager& self = manager(clientData);
    const int previous = self.m_lastRenderDest;
    self.m_lastRenderDest = renderDest;
    // A page's frame begins and ends on the screen: those two first.
    if (renderDest == RenderDest_Screen)
    {
        // The checks need the answer: out of the path when checked mode is off.
        if (DiagnosticReporter::isCheckedMode())
            return self.makeScreenCurrentChecked(handle) ? TRUE : FALSE;
        return makeCurrent(self.screenContext(handle)) ? TRUE : FALSE;
    }
    if (renderDest == RenderDest_End && previous == RenderDest_Screen)
        return releaseCurrent(self.screenContext(handle)) ? TRUE : FALSE;
    return otherDestination(renderDest, previous, handle) ? TRUE : FALSE;
}

void RenderDestinationManager::swapBuffersCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    RenderDestinationManager& self = manager(clientData);
    if (!self.select(pageHandle))
        return;
    // Without a decider of the host's, the buffers are swapped.
    const auto& deciders = self.m_pageRenderDeciders;
    if (!deciders.empty() && !deciders.back()->shouldOpenGLBuffersBeSwapped(*fromHandle<PageInterface>(pageHandle)))
        return;
    if (GLContextInterface* context = self.m_cachedContext)
        context->swapBuffers();
}

void RenderDestinationManager::renderDestSizeCallback(ArbParam_t pageHandle, ArbParam_t clientData, int* width,
                                                      int* height)
{
    RenderDestinationManager& self = manager(clientData);
    if (!self.select(pageHandle) || width == nullptr || height == nullptr)
        return;
    // The page's size is its drawing area's while that is valid; the page
    // itself knows its size without one.
    GLDrawAreaInterface* drawArea = self.m_cachedDrawArea;
    if (drawArea != nullptr && drawArea->isValid())
        drawArea->getSize(*width, *height);
    else
        fromHandle<PageInterface>(pageHandle)->getSize(*width, *height);
    // The engine never receives a zero or negative extent.
    if (*width < 1)
        *width = 1;
    if (*height < 1)
        *height = 1;
}

// --- steps ------------------------------------------------------------------

bool RenderDestinationManager::otherDestination(int renderDest, int previous, ArbParam_t handle)
{
    switch (renderDest)
    {
    case RenderDest_OffscreenImage:
        return makeCurrent(imageContext(handle));
    case RenderDest_NoContext:
        return true;
    case RenderDest_End:
        switch (previous)
        {
        case RenderDest_OffscreenImage:
            return releaseCurrent(imageContext(handle));
        case RenderDest_NoContext:
            return true;
        default:
            return false; // nothing began since the last end
        }
    default:
        return false;
    }
}

bool RenderDestinationManager::makeScreenCurrentChecked(ArbParam_t pageHandle)
{
    DiagnosticReporter::checkThread("The engine's render-destination callback");
    if (!select(pageHandle))
        return false; // no page, or a stale handle (reported)
    if (m_cachedContext == nullptr)
    {
        reportNoDrawArea("to draw to the screen");
        return false;
    }
    if (m_cachedContext->makeCurrent())
        return true;
    DiagnosticReporter::report(DiagnosticReporter::Kind_RenderMakeCurrentFailed,
                               "GLContextInterface::makeCurrent() answered false for the drawing area of the page "
                               "the engine draws: the frame is lost. The drawing area's context must be usable "
                               "whenever its canRender() answers true.");
    return false;
}

bool RenderDestinationManager::cache(ArbParam_t pageHandle)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    if (page == nullptr)
        return false;
    // The cached page is alive (it is forgotten when it is destroyed); any
    // other is checked in checked mode.
    if (DiagnosticReporter::isCheckedMode() && !m_pages->isLivePage(page))
    {
        DiagnosticReporter::report(DiagnosticReporter::Kind_StalePageHandle,
                                   "An engine render callback named a page handle that is no live page; the "
                                   "callback ignored it.");
        return false;
    }
    forgetCachedPage();
    const auto watch = std::make_shared<PageWatch>(*this);
    m_pageConnection = page->connectDrawAreaChanged([watch](GLDrawAreaInterface*) { watch->pageChanged(); });
    m_pageWatch = watch.get();
    m_cachedHandle = pageHandle;
    m_cachedDrawArea = page->getDrawArea();
    m_cachedContext = m_cachedDrawArea != nullptr ? &m_cachedDrawArea->getGLContext() : nullptr;
    return true;
}

void RenderDestinationManager::forgetCachedPage()
{
    m_cachedHandle = 0;
    m_cachedDrawArea = nullptr;
    m_cachedContext = nullptr;
    if (m_pageWatch == nullptr)
        return;
    // The watch may outlive the connection (its slot is freed later): it
    // must no longer speak for this manager.
    m_pageWatch->release();
    m_pageWatch = nullptr;
    m_pageConnection.disconnect();
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
