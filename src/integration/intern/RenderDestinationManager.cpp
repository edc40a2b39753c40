#include "integration/intern/RenderDestinationManager.h"

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/services/OffscreenImageInterface.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cstdint>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

namespace {

// Swaps every picture.
class DefaultPageRenderDecider : public virtual PageRenderDeciderInterface
{
public:
    bool shouldOpenGLBuffersBeSwapped(PageInterface&) const override { return true; }
};

template <typename T>
T* fromHandle(ArbParam_t handle)
{
    return reinterpret_cast<T*>(static_cast<std::intptr_t>(handle));
}

RenderDestinationManager& manager(ArbParam_t clientData) { return *fromHandle<RenderDestinationManager>(clientData); }

// The context of a page's drawing area, or null without a drawing area.
GLContextInterface* screenContext(ArbParam_t pageHandle)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    GLDrawAreaInterface* drawArea = page != nullptr ? page->getDrawArea() : nullptr;
    return drawArea != nullptr ? &drawArea->getGLContext() : nullptr;
}

GLContextInterface* imageContext(ArbParam_t imageHandle)
{
    services::OffscreenImageInterface* image = fromHandle<services::OffscreenImageInterface>(imageHandle);
    return image != nullptr ? &image->getGLContext() : nullptr;
}

bool makeCurrent(GLContextInterface* context) { return context != nullptr && context->makeCurrent(); }

bool releaseCurrent(GLContextInterface* context) { return context != nullptr && context->releaseCurrent(); }

} // namespace

RenderDestinationManager::RenderDestinationManager() : m_lastRenderDest(RenderDest_None)
{
    m_pageRenderDeciders.push_back(boost::make_shared<DefaultPageRenderDecider>());
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
    if (!m_pageRenderDeciders.empty())
        m_pageRenderDeciders.pop_back();
}

// --- engine callbacks -------------------------------------------------------

Boolean_t RenderDestinationManager::renderQueryCallback(ArbParam_t pageHandle, ArbParam_t)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    if (page == nullptr)
        return FALSE;
    GLDrawAreaInterface* drawArea = page->getDrawArea();
    return drawArea != nullptr && drawArea->isValid() && drawArea->canRender() ? TRUE : FALSE;
}

Boolean_t RenderDestinationManager::renderDestCallback(int renderDest, ArbParam_t handle, ArbParam_t clientData)
{
    return manager(clientData).beginOrEnd(renderDest, handle) ? TRUE : FALSE;
}

void RenderDestinationManager::swapBuffersCallback(ArbParam_t pageHandle, ArbParam_t clientData)
{
    if (PageInterface* page = fromHandle<PageInterface>(pageHandle))
        manager(clientData).swapBuffers(*page);
}

void RenderDestinationManager::renderDestSizeCallback(ArbParam_t pageHandle, ArbParam_t, int* width, int* height)
{
    PageInterface* page = fromHandle<PageInterface>(pageHandle);
    if (page == nullptr || width == nullptr || height == nullptr)
        return;
    page->getSize(*width, *height);
    // The engine never receives a zero or negative extent.
    *width = std::max(*width, 1);
    *height = std::max(*height, 1);
}

// --- steps ------------------------------------------------------------------

bool RenderDestinationManager::beginOrEnd(int renderDest, ArbParam_t handle)
{
    const int previous = m_lastRenderDest;
    m_lastRenderDest = renderDest;
    switch (renderDest)
    {
    case RenderDest_Screen:
        return makeCurrent(screenContext(handle));
    case RenderDest_OffscreenImage:
        return makeCurrent(imageContext(handle));
    case RenderDest_NoContext:
        return true;
    case RenderDest_End:
        switch (previous)
        {
        case RenderDest_Screen:
            return releaseCurrent(screenContext(handle));
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

void RenderDestinationManager::swapBuffers(PageInterface& page)
{
    // With every decider popped, swap as the default decider does.
    if (!m_pageRenderDeciders.empty() && !m_pageRenderDeciders.back()->shouldOpenGLBuffersBeSwapped(page))
        return;
    if (GLDrawAreaInterface* drawArea = page.getDrawArea())
        drawArea->getGLContext().swapBuffers();
}

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane
