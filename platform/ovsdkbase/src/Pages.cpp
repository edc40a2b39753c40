// Pages: creation, the current page, deletion, page names and print preview.
#include "CallLog.h"
#include "EngineSteps.h"

#include <algorithm>
#include <memory>

namespace orvane {
namespace sim {
namespace {

const int StateChange_Style = 7;
const int StateChange_CurrentPage = 50;

const std::vector<std::string>& pageNameStyleParams()
{
    static const std::vector<std::string>* const params = new std::vector<std::string>{"PAGE", "NAME"};
    return *params;
}

bool isPageName(const char* p1, const char* p2)
{
    return p1 != nullptr && p2 != nullptr && std::string(p1) == "PAGE" && std::string(p2) == "NAME";
}

std::vector<PageState>::iterator pagePosition(UniqueID_t id)
{
    std::vector<PageState>& pages = detail::engine().pages;
    return std::find_if(pages.begin(), pages.end(), [id](const PageState& page) { return page.id == id; });
}

// Counts a host's page call for the lifetime of the object: with minimal
// callbacks, the page callbacks it causes wait.
class HostCall
{
public:
    HostCall() { ++detail::engine().hostCallDepth; }
    ~HostCall() { --detail::engine().hostCallDepth; }
    HostCall(const HostCall&) = delete;
    HostCall& operator=(const HostCall&) = delete;
};

bool callbacksWait()
{
    const detail::EngineState& state = detail::engine();
    return state.knobs.minimalCallbacks && state.hostCallDepth > 0;
}

// `id` becomes the current page: the new-current callback with its client
// handle (later, with minimal callbacks), then state change 50.
void announceCurrentPage(UniqueID_t id)
{
    detail::EngineState& state = detail::engine();
    state.currentPageId = id;
    const Registration<PageNewCurrentCallback_pf> newCurrent = state.callbacks.pageNewCurrent;
    const ArbParam_t handle = detail::pageById(id)->clientHandle;
    if (callbacksWait())
        state.pendingCallbacks.push_back([newCurrent, handle] {
            if (newCurrent)
                newCurrent.callback(handle, newCurrent.clientData);
        });
    else if (newCurrent)
        newCurrent.callback(handle, newCurrent.clientData);
    fireStateChange(StateChange_CurrentPage);
}

void forgetPendingRedraw(UniqueID_t id)
{
    std::vector<UniqueID_t>& pending = detail::engine().pendingRedraws;
    pending.erase(std::remove(pending.begin(), pending.end(), id), pending.end());
}

bool isBeingDeleted(UniqueID_t id)
{
    const std::vector<UniqueID_t>& deleting = detail::engine().pagesBeingDeleted;
    return std::find(deleting.begin(), deleting.end(), id) != deleting.end();
}

// Calls the destroy callback of a page; a deletion of the same page asked
// from inside it is refused.
void announceDestruction(const PageState& page)
{
    detail::EngineState& state = detail::engine();
    const Registration<PageDestroyCallback_pf> destroy = state.callbacks.pageDestroy;
    if (!destroy)
        return;
    if (callbacksWait())
    {
        const ArbParam_t handle = page.clientHandle;
        state.pendingCallbacks.push_back([destroy, handle] { destroy.callback(handle, destroy.clientData); });
        return;
    }
    const UniqueID_t id = page.id;
    state.pagesBeingDeleted.push_back(id);
    struct Done
    {
        UniqueID_t id;
        ~Done()
        {
            std::vector<UniqueID_t>& deleting = detail::engine().pagesBeingDeleted;
            deleting.erase(std::remove(deleting.begin(), deleting.end(), id), deleting.end());
        }
    } done{id};
    destroy.callback(page.clientHandle, destroy.clientData);
}

} // namespace

namespace detail {

PageState* pageById(UniqueID_t id)
{
    const auto position = pagePosition(id);
    return position == engine().pages.end() ? nullptr : &*position;
}

void destroyAllPages()
{
    // Newest first; no page becomes current meanwhile.
    EngineState& state = engine();
    while (!state.pages.empty())
    {
        const PageState page = state.pages.back();
        announceDestruction(page);
        const auto position = pagePosition(page.id);
        if (position != state.pages.end())
            state.pages.erase(position);
        forgetPendingRedraw(page.id);
    }
    state.currentPageId = 0;
}

} // namespace detail

std::vector<PageState> pages() { return detail::engine().pages; }

UniqueID_t currentPageId() { return detail::engine().currentPageId; }

const PageState* findPage(UniqueID_t id) { return detail::pageById(id); }

bool deletePage(UniqueID_t id)
{
    const PageState* page = detail::pageById(id);
    if (page == nullptr || isBeingDeleted(id))
        return false;
    try
    {
        announceDestruction(*page);
    }
    catch (...)
    {
        // The host's exception passes on; the page is gone all the same.
        const auto position = pagePosition(id);
        if (position != detail::engine().pages.end())
            detail::engine().pages.erase(position);
        forgetPendingRedraw(id);
        if (detail::engine().currentPageId == id)
            detail::engine().currentPageId = 0;
        throw;
    }

    // The destroy callback may have deleted another page, or reset the engine.
    detail::EngineState& state = detail::engine();
    const auto position = pagePosition(id);
    if (position == state.pages.end())
        return true;
    const std::size_t index = static_cast<std::size_t>(position - state.pages.begin());
    state.pages.erase(position);
    forgetPendingRedraw(id);
    if (state.currentPageId != id)
        return true;
    if (state.pages.empty())
    {
        state.currentPageId = 0;
        return true;
    }
    // The page before it in creation order follows it, or the next one if
    // it was the first.
    announceCurrentPage(state.pages[index > 0 ? index - 1 : 0].id);
    return true;
}

bool requestPage(const std::vector<std::string>& arguments)
{
    const Registration<PageCreateCallback_pf> create = detail::engine().callbacks.pageCreate;
    if (!create)
        return false;
    // The list goes also when the host's exception passes through.
    const std::unique_ptr<_StringList_s, void (*)(StringList_pa)> list(makeStringList(arguments), &freeStringList);
    return create.callback(list.get(), create.clientData) == TRUE;
}

bool makePageCurrent(UniqueID_t id)
{
    if (detail::pageById(id) == nullptr)
        return false;
    if (detail::engine().currentPageId != id)
        announceCurrentPage(id);
    return true;
}

int deliverPendingCallbacks()
{
    int made = 0;
    std::deque<std::function<void()>>& pending = detail::engine().pendingCallbacks;
    while (!pending.empty())
    {
        const std::function<void()> callback = std::move(pending.front());
        pending.pop_front();
        callback();
        ++made;
    }
    return made;
}

bool renamePage(UniqueID_t id, const std::string& name)
{
    PageState* page = detail::pageById(id);
    if (page == nullptr)
        return false;
    page->name = name;
    fireStateChange(StateChange_Style, pageNameStyleParams(), id);
    return true;
}

} // namespace sim
} // namespace orvane

using namespace orvane::sim;
using namespace orvane::sim::detail;

extern "C" {

int OrvUtilPageGetCount(void)
{
    logCall("OrvUtilPageGetCount");
    return static_cast<int>(engine().pages.size());
}

UniqueID_t OrvUtilPageGetUniqueID(void)
{
    logCall("OrvUtilPageGetUniqueID");
    return engine().currentPageId;
}

Boolean_t OrvUtilPageSetCurrentByUniqueID(UniqueID_t id)
{
    logCall("OrvUtilPageSetCurrentByUniqueID", id);
    const HostCall call;
    return makePageCurrent(id) ? TRUE : FALSE;
}

Boolean_t OrvEngPageCreateNew(ArbParam_t clientHandle, StringList_pa arguments)
{
    logCall("OrvEngPageCreateNew", clientHandle, arguments);
    const HostCall call;
    EngineState& state = engine();
    if (!state.knobs.pageCreateOk)
        return FALSE;
    PageState page;
    page.id = state.nextPageId++;
    page.clientHandle = clientHandle;
    page.name = "Page " + std::to_string(page.id);
    if (arguments != nullptr)
        page.arguments = arguments->items;
    state.pages.push_back(page);
    announceCurrentPage(page.id);
    return TRUE;
}

Boolean_t OrvUtilPageDelete(void)
{
    logCall("OrvUtilPageDelete");
    const HostCall call;
    return deletePage(engine().currentPageId) ? TRUE : FALSE;
}

void OrvEngPagePrintPreviewSetActive(Boolean_t active)
{
    logCall("OrvEngPagePrintPreviewSetActive", active);
    PageState* page = pageById(engine().currentPageId);
    if (page != nullptr)
        page->printPreview = active != FALSE;
}

Boolean_t OrvUtilStateIsProcessingLayout(void)
{
    logCall("OrvUtilStateIsProcessingLayout");
    return engine().knobs.processingLayout ? TRUE : FALSE;
}

SetValueReturnCode_e OrvUtilStyleSetString(UniqueID_t objectID, const char* p1, const char* p2, const char* value)
{
    logCall("OrvUtilStyleSetString", objectID, p1, p2, value);
    const SetValueReturnCode_e forced = engine().knobs.styleSetResult;
    if (forced != SetValueReturnCode_Ok)
        return forced;
    if (!isPageName(p1, p2) || value == nullptr || !renamePage(objectID, value))
        return SetValueReturnCode_InvalidValue;
    return SetValueReturnCode_Ok;
}

int OrvUtilStyleGetString(UniqueID_t objectID, const char* p1, const char* p2, char** value)
{
    logCall("OrvUtilStyleGetString", objectID, p1, p2);
    if (value == nullptr)
    {
        recordMisuse("OrvUtilStyleGetString: null value pointer");
        return 1;
    }
    const PageState* page = pageById(objectID);
    if (!isPageName(p1, p2) || page == nullptr)
        return 1;
    char* copy = copyText(page->name);
    if (copy == nullptr)
        return 1;
    *value = copy;
    return 0;
}

} // extern "C"
