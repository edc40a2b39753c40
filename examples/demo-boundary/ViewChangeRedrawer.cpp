#include "ViewChangeRedrawer.h"

#include "integration/EventManagerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"

namespace {

bool sameView(const orvane::sim::PageView& a, const orvane::sim::PageView& b)
{
    return a.panX == b.panX && a.panY == b.panY && a.zoom == b.zoom;
}

} // namespace

ViewChangeRedrawer::ViewChangeRedrawer(orvane::sdk::integration::EventManagerInterface& events,
                                       orvane::sdk::integration::PageManagerInterface& pages, Later later)
    : m_pages(pages), m_later(std::move(later)), m_idleConnection(events.connectOnIdle([this] { engineIdle(); }))
{
}

void ViewChangeRedrawer::engineIdle()
{
    orvane::sdk::integration::PageInterface* page = m_pages.getCurrentPage();
    const orvane::sim::PageState* state = page != nullptr ? orvane::sim::findPage(page->getUniqueID()) : nullptr;
    if (state == nullptr)
        return;
    const auto seen = m_views.emplace(state->id, state->view);
    if (seen.second || sameView(seen.first->second, state->view))
        return;
    seen.first->second = state->view;
    m_later([this] {
        if (orvane::sdk::integration::PageInterface* current = m_pages.getCurrentPage())
            current->redraw();
    });
}
