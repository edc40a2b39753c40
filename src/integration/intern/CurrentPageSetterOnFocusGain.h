#ifndef ORVANE_INTEGRATION_INTERN_CURRENTPAGESETTERONFOCUSGAIN_H
#define ORVANE_INTEGRATION_INTERN_CURRENTPAGESETTERONFOCUSGAIN_H

#include <memory>

namespace orvane {
namespace sdk {
namespace integration {

class PageManagerInterface;

namespace intern {

// Watches the focus of the drawing areas that show the manager's pages: when
// a page is created it connects to the focus-gained signal of the drawing
// area the page has then, and again each time that page reports a
// drawing-area change (always to that same creation-time area, replacing its
// earlier connection). Gaining focus does not change the current page by
// itself, so the reaction is empty: the connections exist for the drawing
// areas' hooks (signalDrawAreaFocusGainedConnected), which learn that someone
// listens. It disconnects nothing else itself before it goes, with two
// exceptions that keep memory flat over a long session: a page's new focus
// connection replaces its earlier one (the hook is still told of each), and
// a page's connections end when the page is destroyed, although its
// creation-time drawing area may live on. A connection also ends when that
// drawing area is destroyed; all end with this object.
class CurrentPageSetterOnFocusGain
{
public:
    explicit CurrentPageSetterOnFocusGain(PageManagerInterface& pageManager);
    CurrentPageSetterOnFocusGain(const CurrentPageSetterOnFocusGain&) = delete;
    CurrentPageSetterOnFocusGain& operator=(const CurrentPageSetterOnFocusGain&) = delete;
    virtual ~CurrentPageSetterOnFocusGain();

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_CURRENTPAGESETTERONFOCUSGAIN_H
