// The frame road of a page on screen and the offscreen export road.
#include "CallLog.h"
#include "EngineSteps.h"

namespace orvane {
namespace sim {
namespace {

const int RenderDest_End = 0;
const int RenderDest_Screen = 1;
const int RenderDest_Offscreen = 2;

// Without a render-destination callback every destination counts as ready.
bool announceDestination(int destination, ArbParam_t handle)
{
    const Registration<RenderDestCallback_pf> renderDest = detail::engine().callbacks.renderDest;
    return !renderDest || renderDest.callback(destination, handle, renderDest.clientData) == TRUE;
}

void drawPage(UniqueID_t id, int width, int height, int destination)
{
    const PageState* page = detail::pageById(id);
    if (page != nullptr && detail::engine().drawer)
        detail::engine().drawer(*page, width, height, destination);
}

// The part of a frame's drawing that lets the host process its events, as
// a long plot would; the engine counts as busy meanwhile. An interrupt does
// not shorten it: the frame ends as usual, and whoever decides on the swap
// reads the interrupt flag.
void runFrameBusySteps()
{
    const detail::ScopedCount busy(detail::engine().busyFrames);
    for (int step = 0; step < detail::engine().knobs.frameBusySteps; ++step)
        detail::processBusyEvents();
}

bool renderOffscreen(UniqueID_t pageId, ArbParam_t imageHandle, int width, int height)
{
    if (!announceDestination(RenderDest_Offscreen, imageHandle))
        return false;
    drawPage(pageId, width, height, RenderDest_Offscreen);
    return announceDestination(RenderDest_End, imageHandle);
}

bool readRows(ArbParam_t imageHandle, ExportedImage& image)
{
    const Registration<OffscreenImageGetRGBRowCallback_pf> readRow = detail::engine().callbacks.offscreenImageGetRGBRow;
    if (!readRow)
        return false;
    const std::size_t width = static_cast<std::size_t>(image.width);
    std::vector<unsigned char> red(width), green(width), blue(width);
    image.rgb.assign(width * static_cast<std::size_t>(image.height) * 3, 0);
    for (int row = 0; row < image.height; ++row)
    {
        if (readRow.callback(imageHandle, row, readRow.clientData, red.data(), green.data(), blue.data()) != TRUE)
            return false;
        unsigned char* pixel = &image.rgb[static_cast<std::size_t>(row) * width * 3];
        for (std::size_t column = 0; column < width; ++column)
        {
            *pixel++ = red[column];
            *pixel++ = green[column];
            *pixel++ = blue[column];
        }
    }
    return true;
}

} // namespace

namespace detail {

void processBusyEvents()
{
    const Registration<ProcessBusyEventsCallback_pf> busyEvents = engine().callbacks.processBusyEvents;
    if (busyEvents)
        busyEvents.callback(busyEvents.clientData);
}

} // namespace detail

bool drawCurrentPage()
{
    detail::EngineState& state = detail::engine();
    const UniqueID_t id = state.currentPageId;
    const PageState* page = detail::pageById(id);
    if (page == nullptr)
        return false;
    const ArbParam_t handle = page->clientHandle;

    const Registration<RenderQueryCallback_pf> query = state.callbacks.renderQuery;
    if (query && query.callback(handle, query.clientData) != TRUE)
        return false;
    int width = 0;
    int height = 0;
    const Registration<RenderDestSizeCallback_pf> size = state.callbacks.renderDestSize;
    if (size)
        size.callback(handle, size.clientData, &width, &height);
    if (!announceDestination(RenderDest_Screen, handle))
        return false;
    drawPage(id, width, height, RenderDest_Screen);
    runFrameBusySteps();

    // A page deleted while the host processed its events has no destination
    // left to end or to show.
    PageState* drawn = detail::pageById(id);
    if (drawn == nullptr)
        return false;
    announceDestination(RenderDest_End, handle);
    ++drawn->framesDrawn;
    const Registration<SwapBuffersCallback_pf> swap = state.callbacks.swapBuffers;
    if (swap)
        swap.callback(handle, swap.clientData);
    return true;
}

ExportedImage exportImage(int width, int height, ExportRegion_e region)
{
    ExportedImage image;
    image.width = width;
    image.height = height;
    detail::EngineState& state = detail::engine();
    const UniqueID_t pageId = state.currentPageId;
    const Registration<OffscreenImageCreateCallback_pf> create = state.callbacks.offscreenImageCreate;
    if (detail::pageById(pageId) == nullptr || !create || width < 1 || height < 1)
        return image;

    ArbParam_t imageHandle = 0;
    const bool created = create.callback(width, height, region, create.clientData, &imageHandle) == TRUE;
    image.ok = created && imageHandle != 0 && renderOffscreen(pageId, imageHandle, width, height) &&
               readRows(imageHandle, image);
    if (!image.ok)
        image.rgb.clear();

    // An image the host made is destroyed even when a later step failed.
    const Registration<OffscreenImageDestroyCallback_pf> destroy = state.callbacks.offscreenImageDestroy;
    if (imageHandle != 0 && destroy)
        destroy.callback(imageHandle, destroy.clientData);
    return image;
}

void setPageDrawer(PageDrawer drawer) { detail::engine().drawer = std::move(drawer); }

} // namespace sim
} // namespace orvane

extern "C" {

Boolean_t OrvUtilRedraw(Boolean_t doFullDrawing)
{
    orvane::sim::detail::logCall("OrvUtilRedraw", doFullDrawing);
    orvane::sim::detail::engine().interrupted = false;
    return orvane::sim::drawCurrentPage() ? TRUE : FALSE;
}

} // extern "C"
