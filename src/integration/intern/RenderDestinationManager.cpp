#include "integration/intern/RenderDestinationManager.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/PageRegistry.h"
#include "integration/intern/boundary/EngineCallbacks.h"
#include "integration/intern/boundary/HostCalls.h"
#include "integration/intern/boundary/TraceEvents.h"
#include "integration/services/OffscreenImageInterface.h"

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

// The handle kept when no page is: the address of this object, which no
// page has and no engine passes by chance (as it might 0 or -1).
const char NoPageMark = 0;
ArbParam_t noPage() { return static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(&NoPageMark)); }

GLContextInterface* imageContext(ArbParam_t imageHandle)
{
    services::OffscreenImageInterface* image = fromHandle<services::OffscreenImageInterface>(imageHandle);
    return image != nullptr ? &image->getGLContext() : nullptr;
}

void reportNoDrawArea(const char* request)
{
    DiagnosticReporter::report(DiagnosticReporter::Kind_RenderNoDrawArea,
                               std::string("The engine asked ") + request +
                                   " of a page that has no drawing area: nothing is drawn. Give the page a drawing "
                                   "area (PageInterface::setDrawArea) or delete it.");
}

} // namespace

RenderDestinationManager::RenderDestinationManager(PageRegistry& pages)
    : m_pages(&pages),
      m_lastRenderDest(RenderDest_None),
      m_keptHandle(noPage()),
      m_keptDrawArea(nullptr),
      m_frameHandle(noPage()),
      m_frameDrawArea(nullptr),
      m_framePageAlive(false),
      m_frameReleased(false),
      m_frameTrace(pages)
{
}

RenderDestinationManager::~RenderDestinationManager() { traceGone(this); }

void RenderDestinationManager::registerCallbacks()
{
    const ArbParam_t self = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(this));
    engine::OrvEngRenderQueryRegisterCallback(&callbacks::renderQuery<RenderDestinationManager>, self);
    engine::OrvEngRenderDestRegisterCallback(&callbacks::renderDest<RenderDestinationManager>, self);
    engine::OrvEngSwapBuffersRegisterCallback(&callbacks::swapBuffers<RenderDestinationManager>, self);
    engine::OrvEngRenderDestSizeRegisterCallback(&callbacks::renderDestSize<RenderDestinationManager>, self);
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
//
// The kept page is served first, in a few instructions; everything else takes
// the general path.

template <bool Watched>
Boolean_t RenderDestinationManager::renderQuery(ArbParam_t pageHandle)
{
    if (pageHandle != m_keptHandle && !selectDrawn(pageHandle, "whether it may draw", true))
        return FALSE;
    GLDrawAreaInterface& drawArea = *m_keptDrawArea;
    return host::isValid<Watched>(drawArea) && host::canRender<Watched>(drawArea) ? TRUE : FALSE;
}

template <bool Watched>
Boolean_t RenderDestinationManager::renderDest(int renderDest, ArbParam_t handle)
{
    const int previous = m_lastRenderDest;
    m_lastRenderDest = renderDest;
    if (renderDest == RenderDest_Screen)
        return beginScreen<Watched>(handle) ? TRUE : FALSE;
    // The end of a frame acts on the drawing area its begin made current; a
    // page that left it meanwhile has released its context already.
    if (renderDest == RenderDest_End && handle == m_frameHandle && previous == RenderDest_Screen)
        return (m_frameDrawArea == nullptr ? m_frameReleased
                                           : host::releaseCurrent<Watched>(m_frameDrawArea->getGLContext()))
                   ? TRUE
                   : FALSE;
    return otherDestination<Watched>(renderDest, previous, handle) ? TRUE : FALSE;
}

template <bool Watched>
bool RenderDestinationManager::beginScreen(ArbParam_t handle)
{
    endFrame();
    // Checked mode reports a page without drawing area here too.
    if (handle != m_keptHandle && !selectDrawn(handle, "to draw to the screen", DiagnosticReporter::isCheckedMode()))
        return false;
    m_frameHandle = handle;
    m_frameDrawArea = m_keptDrawArea;
    m_framePageAlive = true;
    if (host::makeCurrent<Watched>(m_keptDrawArea->getGLContext()))
        return true;
    if (Watched && DiagnosticReporter::isCheckedMode())
        DiagnosticReporter::report(DiagnosticReporter::Kind_RenderMakeCurrentFailed,
                                   "GLContextInterface::makeCurrent() answered false for the drawing area of the page "
                                   "the engine draws: the frame is lost. The drawing area's context must be usable "
                                   "whenever its canRender() answers true.");
    return false;
}

template <bool Watched>
bool RenderDestinationManager::otherDestination(int renderDest, int previous, ArbParam_t handle)
{
    GLContextInterface* context = nullptr;
    if (renderDest == RenderDest_NoContext)
        return true;
    if (renderDest == RenderDest_OffscreenImage)
    {
        context = imageContext(handle);
        return context != nullptr && host::makeCurrent<Watched>(*context);
    }
    if (renderDest != RenderDest_End)
        return false;
    switch (previous)
    {
    case RenderDest_Screen:
        context = screenContext(handle);
        break;
    case RenderDest_OffscreenImage:
        context = imageContext(handle);
        break;
    case RenderDest_NoContext:
        return true;
    default:
        return false; // nothing began since the last end
    }
    return context != nullptr && host::releaseCurrent<Watched>(*context);
}

template <bool Watched>
bool RenderDestinationManager::swapBuffers(ArbParam_t pageHandle)
{
    // Without a decider of the host's, the frame's buffers are swapped.
    if (pageHandle != m_frameHandle || m_frameDrawArea == nullptr || !m_pageRenderDeciders.empty())
        return swap<Watched>(pageHandle);
    m_frameHandle = noPage();
    host::swapBuffers<Watched>(m_frameDrawArea->getGLContext());
    return true;
}

// Inlined into its trampoline: a call of its own costs a tenth of a frame.
template <bool Watched>
__attribute__((always_inline)) inline void RenderDestinationManager::renderDestSize(ArbParam_t pageHandle, int* width,
                                                                                    int* height)
{
    if (width == nullptr || height == nullptr)
        return;
    if (pageHandle != m_keptHandle)
    {
        if (!size<Watched>(pageHandle, *width, *height))
            return;
    }
    else if (host::isValid<Watched>(*m_keptDrawArea))
        host::getSize<Watched>(*m_keptDrawArea, *width, *height);
    else
        keptPageSize(*width, *height);
    // The engine never receives a zero or negative extent.
    if (*width < 1)
        *width = 1;
    if (*height < 1)
        *height = 1;
}

// --- general paths ----------------------------------------------------------

bool RenderDestinationManager::selectDrawn(ArbParam_t pageHandle, const char* request, bool report)
{
    if (select(pageHandle) == nullptr)
        return false; // no page, or a stale handle (reported)
    if (pageHandle == m_keptHandle)
        return true;
    if (report)
        reportNoDrawArea(request);
    return false;
}

template <bool Watched>
bool RenderDestinationManager::swap(ArbParam_t pageHandle)
{
    const bool ofFrame = pageHandle == m_frameHandle;
    // The frame's page may be gone: its handle is not followed then.
    PageInterface* page = ofFrame && !m_framePageAlive ? nullptr : select(pageHandle);
    bool swaps = page != nullptr;
    if (swaps && !m_pageRenderDeciders.empty())
    {
        // Held for the call: the decider may pop itself. It may also have
        // the page deleted: nothing is left to show then.
        const boost::shared_ptr<PageRenderDeciderInterface> decider = m_pageRenderDeciders.back();
        swaps = host::shouldSwap<Watched>(*decider, *page) && m_pages->isLivePage(page);
    }
    if (!ofFrame)
    {
        GLContextInterface* context = swaps ? screenContext(pageHandle) : nullptr;
        if (context != nullptr)
            host::swapBuffers<Watched>(*context);
        return context != nullptr;
    }
    // The frame's picture is in the drawing area its begin made current; a
    // page that left it meanwhile has nothing to show.
    GLDrawAreaInterface* const drawArea = m_frameDrawArea;
    endFrame();
    if (!swaps || drawArea == nullptr)
        return false;
    host::swapBuffers<Watched>(drawArea->getGLContext());
    return true;
}

template <bool Watched>
bool RenderDestinationManager::size(ArbParam_t pageHandle, int& width, int& height)
{
    PageInterface* page = select(pageHandle);
    if (page == nullptr)
        return false;
    // The page's size is its drawing area's while that is valid; the page
    // itself knows its size without one.
    host::getSize<Watched>(*page, width, height);
    return true;
}

void RenderDestinationManager::keptPageSize(int& width, int& height)
{
    fromHandle<PageInterface>(m_keptHandle)->getSize(width, height);
}

PageInterface* RenderDestinationManager::select(ArbParam_t pageHandle)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    if (pageHandle == m_keptHandle || page == nullptr)
        return page;
    // The kept page is alive (it is forgotten when it is destroyed); any
    // other is checked in checked mode.
    if (DiagnosticReporter::isCheckedMode() && !m_pages->isLivePage(page))
    {
        DiagnosticReporter::report(DiagnosticReporter::Kind_StalePageHandle,
                                   "An engine render callback named a page handle that is no live page; the "
                                   "callback ignored it.");
        return nullptr;
    }
    if (page->getDrawArea() != nullptr)
        keep(*page);
    return page;
}

GLContextInterface* RenderDestinationManager::screenContext(ArbParam_t pageHandle)
{
    return select(pageHandle) != nullptr && pageHandle == m_keptHandle ? &m_keptDrawArea->getGLContext() : nullptr;
}

void RenderDestinationManager::keep(PageInterface& page)
{
    m_keptHandle = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(&page));
    m_keptDrawArea = page.getDrawArea();
}

void RenderDestinationManager::pageChanged(const PageInterface& page, GLDrawAreaInterface* oldDrawArea, bool gone)
{
    const ArbParam_t handle = static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(&page));
    if (handle == m_keptHandle)
    {
        m_keptHandle = noPage();
        m_keptDrawArea = nullptr;
    }
    if (handle != m_frameHandle)
        return;
    if (gone)
        m_framePageAlive = false;
    if (oldDrawArea == nullptr || oldDrawArea != m_frameDrawArea)
        return;
    // The page leaves the drawing area of its frame (the area may be about
    // to go): the context the frame's begin made current is released now,
    // while the area is there, unless the frame has ended already.
    m_frameDrawArea = nullptr;
    m_frameReleased = false;
    if (m_lastRenderDest != RenderDest_Screen)
        return;
    try
    {
        m_frameReleased = oldDrawArea->getGLContext().releaseCurrent();
    }
    catch (...)
    {
        // The page's move goes on; the frame's end answers false.
    }
}

void RenderDestinationManager::endFrame()
{
    m_frameHandle = noPage();
    m_frameDrawArea = nullptr;
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
