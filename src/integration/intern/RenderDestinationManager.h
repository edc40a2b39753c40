#ifndef ORVANE_INTEGRATION_INTERN_RENDERDESTINATIONMANAGER_H
#define ORVANE_INTEGRATION_INTERN_RENDERDESTINATIONMANAGER_H

#include "integration/intern/SubManagerInterface.h"
#include "integration/intern/boundary/FrameTrace.h"
#include "ovsdkbase.h"

#include <boost/shared_ptr.hpp>

#include <deque>

namespace orvane {
namespace sdk {
namespace integration {

class GLContextInterface;
class GLDrawAreaInterface;
class PageInterface;
class PageRenderDeciderInterface;

namespace intern {

class PageRegistry;

// Answers the engine's four render callbacks: may a page be drawn now, how
// large is its destination, make the destination's OpenGL context current
// (or release it), and swap the buffers when the top page render decider
// agrees. Pages are named by their client handle, offscreen images by the
// handle the offscreen image service gave the engine.
//
// A page whose drawing area is missing is never drawn: the render query
// answers false, and the screen destination and swap requests for it answer
// false and do nothing.
//
// Every frame names the same page five times: the page of the last frame
// is kept with its drawing area, until the page gets another drawing area
// or goes (the page manager tells). Each callback first serves that page on
// a short path (only a page with a drawing area is kept, and the swap takes
// the short path only while no decider of the host's is on the stack);
// everything else takes the general path. Either way the drawing area is
// asked for its context at each callback: a host may replace a drawing
// area's context between frames.
//
// Each callback is written once, as a template on whether checked mode or
// a trace watches (EngineCallbacks.h decides, with one load, and records
// the callback): the unwatched form calls the host directly, the watched
// one through HostCalls.h.
//
// In checked mode every callback reports a call from another thread, a page
// handle other than the kept page's is first looked up among the live pages
// of the page manager, and a stale one is reported and treated as null (the
// kept page is alive: it is forgotten when it is destroyed); the screen
// destination also reports a context that cannot be made current.
//
// A frame runs from a screen begin to its swap. Its end and swap act on the
// drawing area the begin made current; a page that leaves that area during
// the frame (moved, detached, or destroyed with it) releases the area's
// context at once, while the area is surely there, and its swap shows
// nothing. A decider may have the page deleted while it decides: nothing
// is swapped then.
class RenderDestinationManager : public virtual SubManagerInterface
{
public:
    // The destination codes of the engine's render-destination callback.
    enum RenderDest_e
    {
        RenderDest_End = 0,
        RenderDest_Screen = 1,
        RenderDest_OffscreenImage = 2,
        RenderDest_NoContext = 3,
        RenderDest_None = 255
    };

    // The stack starts with a decider that always swaps. `pages` are the
    // page manager's, which owns this manager.
    explicit RenderDestinationManager(PageRegistry& pages);
    RenderDestinationManager(const RenderDestinationManager&) = delete;
    RenderDestinationManager& operator=(const RenderDestinationManager&) = delete;
    // The engine callbacks stay registered.
    ~RenderDestinationManager() override;

    // The four render callbacks, with this manager as client value.
    void registerCallbacks() override;
    // The back of the stack is the active decider.
    void pushPageRenderDecider(boost::shared_ptr<PageRenderDeciderInterface> decider);
    // Does nothing on an empty stack; an empty stack swaps always.
    void popPageRenderDecider();
    // `page` showed `oldDrawArea` and shows another drawing area now, or
    // is being destroyed (`gone`, showing `oldDrawArea`).
    void pageChanged(const PageInterface& page, GLDrawAreaInterface* oldDrawArea, bool gone);

    // The four render callbacks, served for the trampolines of
    // EngineCallbacks.h; `Watched` when checked mode or a trace watches.
    template <bool Watched>
    Boolean_t renderQuery(ArbParam_t pageHandle);
    template <bool Watched>
    Boolean_t renderDest(int renderDest, ArbParam_t handle);
    // Whether the buffers were swapped.
    template <bool Watched>
    bool swapBuffers(ArbParam_t pageHandle);
    template <bool Watched>
    void renderDestSize(ArbParam_t pageHandle, int* width, int* height);
    FrameTrace& frameTrace() { return m_frameTrace; }

private:
    // Whether the page `pageHandle` names is drawn: it is kept then. A page
    // without drawing area is reported (`request` says what the engine
    // asked) when `report`.
    bool selectDrawn(ArbParam_t pageHandle, const char* request, bool report);
    template <bool Watched>
    bool beginScreen(ArbParam_t handle);
    // The destinations other than a screen begin and its frame's end.
    template <bool Watched>
    bool otherDestination(int renderDest, int previous, ArbParam_t handle);
    // The general swap: any page, any decider.
    template <bool Watched>
    bool swap(ArbParam_t pageHandle);
    // The page's size when it is not the kept page; false without a page.
    template <bool Watched>
    bool size(ArbParam_t pageHandle, int& width, int& height);
    // The kept page's size when its drawing area is not valid.
    void keptPageSize(int& width, int& height);
    // The page `pageHandle` names, which becomes the kept page when it has a
    // drawing area; null for 0 and, in checked mode, for a stale handle
    // (reported).
    PageInterface* select(ArbParam_t pageHandle);
    // The context of the drawing area of the page `pageHandle` names, or null.
    GLContextInterface* screenContext(ArbParam_t pageHandle);
    void keep(PageInterface& page);
    void endFrame();

    PageRegistry* m_pages;
    int m_lastRenderDest;
    // The host's deciders; the default one, which always swaps, is not
    // stored: an empty stack decides as it does.
    std::deque<boost::shared_ptr<PageRenderDeciderInterface>> m_pageRenderDeciders;
    // The kept page (noPage() when none) and its drawing area, not null
    // while a page is kept.
    ArbParam_t m_keptHandle;
    GLDrawAreaInterface* m_keptDrawArea;
    // The frame under way, from a screen begin to its swap: its page
    // (noPage() when none), the drawing area the begin made current (null
    // once the page left it: its context was released then, with the
    // answer kept for the frame's end) and whether the page still lives.
    // The end and the swap act on that area, whatever the page shows now.
    ArbParam_t m_frameHandle;
    GLDrawAreaInterface* m_frameDrawArea;
    bool m_framePageAlive;
    bool m_frameReleased;
    FrameTrace m_frameTrace;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_RENDERDESTINATIONMANAGER_H
