#include "integration/intern/RenderDestinationManager.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/intern/DiagnosticReporter.h"
#include "integration/intern/PageRegistry.h"
#include "integration/intern/TraceRecorder.h"
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

RenderDestinationManager& manager(ArbParam_t clientData) { return *fromHandle<RenderDestinationManager>(clientData); }

GLContextInterface* imageContext(ArbParam_t imageHandle)
{
    services::OffscreenImageInterface* image = fromHandle<services::OffscreenImageInterface>(imageHandle);
    return image != nullptr ? &image->getGLContext() : nullptr;
}

bool makeCurrent(GLContextInterface* context)
{
    if (context == nullptr)
        return false;
    const TraceSpan call("host", "makeCurrent");
    return context->makeCurrent();
}

bool isValid(GLDrawAreaInterface& drawArea)
{
    const TraceSpan call("host", "isValid");
    return drawArea.isValid();
}

bool canRender(GLDrawAreaInterface& drawArea)
{
    const TraceSpan call("host", "canRender");
    return drawArea.canRender();
}

void swapBuffers(GLContextInterface& context)
{
    const TraceSpan call("host", "swapBuffers");
    context.swapBuffers();
}

void reportNoDrawArea(const char* request)
{
    DiagnosticReporter::report(DiagnosticReporter::Kind_RenderNoDrawArea,
                               std::string("The engine asked ") + request +
                                   " of a page that has no drawing area: nothing is drawn. Give the page a drawing "
                                   "area (PageInterface::setDrawArea) or delete it.");
}

bool releaseCurrent(GLContextInterface* context)
{
    if (context == nullptr)
        return false;
    const TraceSpan call("host", "releaseCurrent");
    return context->releaseCurrent();
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
      m_tracedFrameSession(0),
      m_tracedFrameDepth(0),
      m_tracedFrameHandle(noPage()),
      m_tracedFrameWidth(0),
      m_tracedFrameHeight(0)
{
}

RenderDestinationManager::~RenderDestinationManager() = default;

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
//
// Each serves the kept page in a few instructions and leaves the rest to its
// general path.

Boolean_t RenderDestinationManager::renderQueryCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    RenderDestinationManager& self = manager(clientData);
    if (DiagnosticReporter::isWatched())
        return self.watchedQuery(pageHandle);
    if (pageHandle != self.m_keptHandle)
        return query(pageHandle, self);
    GLDrawAreaInterface& drawArea = *self.m_keptDrawArea;
    return drawArea.isValid() && drawArea.canRender() ? TRUE : FALSE;
}

Boolean_t RenderDestinationManager::renderDestCallback(int renderDest, ArbParam_t handle, ArbParam_t clientData)
{
    RenderDestinationManager& self = manager(clientData);
    if (DiagnosticReporter::isWatched())
        return self.watchedDestination(renderDest, handle);
    const int previous = self.m_lastRenderDest;
    self.m_lastRenderDest = renderDest;
    if (handle == self.m_keptHandle && renderDest == RenderDest_Screen)
    {
        self.m_frameHandle = handle;
        self.m_frameDrawArea = self.m_keptDrawArea;
        self.m_framePageAlive = true;
        return self.m_keptDrawArea->getGLContext().makeCurrent() ? TRUE : FALSE;
    }
    // The end acts on the drawing area the screen begin made current; a
    // page that left it meanwhile has released its context already.
    if (handle == self.m_frameHandle && renderDest == RenderDest_End && previous == RenderDest_Screen)
    {
        if (self.m_frameDrawArea == nullptr)
            return self.m_frameReleased ? TRUE : FALSE;
        return self.m_frameDrawArea->getGLContext().releaseCurrent() ? TRUE : FALSE;
    }
    return destination(renderDest, handle, self, previous);
}

void RenderDestinationManager::swapBuffersCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    RenderDestinationManager& self = manager(clientData);
    if (DiagnosticReporter::isWatched())
        return self.watchedSwap(pageHandle);
    // Without a decider of the host's, the frame's buffers are swapped.
    if (pageHandle == self.m_frameHandle && self.m_frameDrawArea != nullptr && self.m_pageRenderDeciders.empty())
    {
        self.m_frameHandle = noPage();
        self.m_frameDrawArea->getGLContext().swapBuffers();
    }
    else
        swap(pageHandle, self);
}

void RenderDestinationManager::renderDestSizeCallback(ArbParam_t pageHandle, ArbParam_t clientData, int* width,
                                                      int* height)
{
    RenderDestinationManager& self = manager(clientData);
    if (DiagnosticReporter::isWatched())
        return self.watchedSize(pageHandle, width, height);
    if (width == nullptr || height == nullptr)
        return;
    if (pageHandle != self.m_keptHandle)
    {
        if (!size(pageHandle, self, *width, *height))
            return;
    }
    else if (self.m_keptDrawArea->isValid())
        self.m_keptDrawArea->getSize(*width, *height);
    else
        self.keptPageSize(*width, *height);
    // The engine never receives a zero or negative extent.
    if (*width < 1)
        *width = 1;
    if (*height < 1)
        *height = 1;
}

// --- watched paths ----------------------------------------------------------
//
// The general paths do for the kept page what the short paths do, with the
// same calls on the host.

Boolean_t RenderDestinationManager::watchedQuery(ArbParam_t pageHandle)
{
    DiagnosticReporter::checkThreadIfChecked("The engine's render-query callback");
    beginTracedFrame(pageHandle);
    TraceSpan span("callback", "renderQuery");
    const Boolean_t answer = query(pageHandle, *this);
    span.close({traceNumber("answer", answer == TRUE)});
    if (answer != TRUE)
        endTracedFrame(false, false);
    return answer;
}

Boolean_t RenderDestinationManager::watchedDestination(int renderDest, ArbParam_t handle)
{
    DiagnosticReporter::checkThreadIfChecked("The engine's render-destination callback");
    TraceSpan span("callback", "renderDest", {traceNumber("dest", renderDest)});
    const int previous = m_lastRenderDest;
    m_lastRenderDest = renderDest;
    const Boolean_t answer = renderDest == RenderDest_End && handle == m_frameHandle && previous == RenderDest_Screen
                                 ? endDestination()
                                 : destination(renderDest, handle, *this, previous);
    span.close({traceNumber("answer", answer == TRUE)});
    return answer;
}

Boolean_t RenderDestinationManager::endDestination()
{
    if (m_frameDrawArea == nullptr)
        return m_frameReleased ? TRUE : FALSE;
    const TraceSpan call("host", "releaseCurrent");
    return m_frameDrawArea->getGLContext().releaseCurrent() ? TRUE : FALSE;
}

void RenderDestinationManager::watchedSwap(ArbParam_t pageHandle)
{
    DiagnosticReporter::checkThreadIfChecked("The engine's swap-buffers callback");
    bool swapped = false;
    {
        TraceSpan span("callback", "swapBuffers");
        swapped = swap(pageHandle, *this);
        span.close({traceNumber("swapped", swapped)});
    }
    if (pageHandle == m_tracedFrameHandle)
        endTracedFrame(true, swapped);
}

void RenderDestinationManager::watchedSize(ArbParam_t pageHandle, int* width, int* height)
{
    DiagnosticReporter::checkThreadIfChecked("The engine's render-destination-size callback");
    TraceSpan span("callback", "renderDestSize");
    if (width == nullptr || height == nullptr)
        return;
    if (pageHandle != m_keptHandle)
    {
        if (!size(pageHandle, *this, *width, *height))
            return;
    }
    else if (isValid(*m_keptDrawArea))
    {
        const TraceSpan call("host", "getSize");
        m_keptDrawArea->getSize(*width, *height);
    }
    else
        keptPageSize(*width, *height);
    if (*width < 1)
        *width = 1;
    if (*height < 1)
        *height = 1;
    span.close({traceNumber("width", *width), traceNumber("height", *height)});
    if (pageHandle == m_tracedFrameHandle)
    {
        m_tracedFrameWidth = *width;
        m_tracedFrameHeight = *height;
    }
}

void RenderDestinationManager::beginTracedFrame(ArbParam_t pageHandle)
{
    const unsigned session = TraceRecorder::session();
    if (session == 0)
        return;
    // A frame the engine left without a swap ends here, if it can.
    if (m_tracedFrameSession != 0)
        endTracedFrame(true, false);
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    const long long id = page != nullptr && m_pages->isLivePage(page) ? page->getUniqueID() : -1;
    TraceRecorder::begin("frame", "frame", {traceNumber("page", id)});
    m_tracedFrameSession = session;
    m_tracedFrameDepth = TraceRecorder::depth();
    m_tracedFrameHandle = pageHandle;
    m_tracedFrameWidth = 0;
    m_tracedFrameHeight = 0;
}

void RenderDestinationManager::endTracedFrame(bool drawn, bool swapped)
{
    // Only at the depth it was begun at: spans stay strictly nested (a frame
    // the engine ends inside another callback stays open).
    if (m_tracedFrameSession == 0)
        return;
    if (m_tracedFrameSession == TraceRecorder::session() && TraceRecorder::depth() == m_tracedFrameDepth)
        TraceRecorder::end({traceNumber("drawn", drawn), traceNumber("swapped", swapped),
                            traceNumber("width", m_tracedFrameWidth), traceNumber("height", m_tracedFrameHeight)});
    m_tracedFrameSession = 0;
    m_tracedFrameHandle = noPage();
}

// --- general paths ----------------------------------------------------------

Boolean_t RenderDestinationManager::query(ArbParam_t pageHandle, RenderDestinationManager& self)
{
    if (self.select(pageHandle) == nullptr)
        return FALSE;
    if (pageHandle != self.m_keptHandle)
    {
        reportNoDrawArea("whether it may draw");
        return FALSE;
    }
    return isValid(*self.m_keptDrawArea) && canRender(*self.m_keptDrawArea) ? TRUE : FALSE;
}

Boolean_t RenderDestinationManager::destination(int renderDest, ArbParam_t handle, RenderDestinationManager& self,
                                                int previous)
{
    bool ready = false;
    switch (renderDest)
    {
    case RenderDest_Screen:
        self.beginFrame(handle);
        ready = DiagnosticReporter::isCheckedMode() ? self.makeScreenCurrentChecked(handle)
                                                    : makeCurrent(self.screenContext(handle));
        break;
    case RenderDest_OffscreenImage:
        ready = makeCurrent(imageContext(handle));
        break;
    case RenderDest_NoContext:
        ready = true;
        break;
    case RenderDest_End:
        switch (previous)
        {
        case RenderDest_Screen:
            ready = releaseCurrent(self.screenContext(handle));
            break;
        case RenderDest_OffscreenImage:
            ready = releaseCurrent(imageContext(handle));
            break;
        case RenderDest_NoContext:
            ready = true;
            break;
        default:
            break; // nothing began since the last end
        }
        break;
    default:
        break;
    }
    return ready ? TRUE : FALSE;
}

bool RenderDestinationManager::swap(ArbParam_t pageHandle, RenderDestinationManager& self)
{
    const bool ofFrame = pageHandle == self.m_frameHandle;
    // The frame's page may be gone: its handle is not followed then.
    PageInterface* page = ofFrame && !self.m_framePageAlive ? nullptr : self.select(pageHandle);
    bool swaps = page != nullptr;
    if (swaps && !self.m_pageRenderDeciders.empty())
    {
        // Held for the call: the decider may pop itself. It may also have
        // the page deleted: nothing is left to show then.
        const boost::shared_ptr<PageRenderDeciderInterface> decider = self.m_pageRenderDeciders.back();
        TraceSpan call("host", "shouldOpenGLBuffersBeSwapped");
        swaps = decider->shouldOpenGLBuffersBeSwapped(*page);
        call.close({traceNumber("answer", swaps)});
        swaps = swaps && self.m_pages->isLivePage(page);
    }
    if (!ofFrame)
    {
        GLContextInterface* context = swaps ? self.screenContext(pageHandle) : nullptr;
        if (context != nullptr)
            swapBuffers(*context);
        return context != nullptr;
    }
    // The frame's picture is in the drawing area its begin made current; a
    // page that left it meanwhile has nothing to show.
    GLDrawAreaInterface* const drawArea = self.m_frameDrawArea;
    self.endFrame();
    if (!swaps || drawArea == nullptr)
        return false;
    swapBuffers(drawArea->getGLContext());
    return true;
}

bool RenderDestinationManager::size(ArbParam_t pageHandle, RenderDestinationManager& self, int& width, int& height)
{
    PageInterface* page = self.select(pageHandle);
    if (page == nullptr)
        return false;
    // The page's size is its drawing area's while that is valid; the page
    // itself knows its size without one.
    const TraceSpan call("host", "getSize");
    page->getSize(width, height);
    return true;
}

void RenderDestinationManager::keptPageSize(int& width, int& height)
{
    fromHandle<PageInterface>(m_keptHandle)->getSize(width, height);
}

bool RenderDestinationManager::makeScreenCurrentChecked(ArbParam_t pageHandle)
{
    if (select(pageHandle) == nullptr)
        return false; // no page, or a stale handle (reported)
    if (pageHandle != m_keptHandle)
    {
        reportNoDrawArea("to draw to the screen");
        return false;
    }
    if (makeCurrent(&m_keptDrawArea->getGLContext()))
        return true;
    DiagnosticReporter::report(DiagnosticReporter::Kind_RenderMakeCurrentFailed,
                               "GLContextInterface::makeCurrent() answered false for the drawing area of the page "
                               "the engine draws: the frame is lost. The drawing area's context must be usable "
                               "whenever its canRender() answers true.");
    return false;
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

void RenderDestinationManager::beginFrame(ArbParam_t pageHandle)
{
    endFrame();
    PageInterface* page = select(pageHandle);
    if (page == nullptr || pageHandle != m_keptHandle)
        return;
    m_frameHandle = pageHandle;
    m_frameDrawArea = m_keptDrawArea;
    m_framePageAlive = true;
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
