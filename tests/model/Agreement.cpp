#include "model/Agreement.h"

#include "model/ModelEngine.h"

#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "integration/PageManagerInterface.h"

#include <vector>

namespace model {

using orvane::sdk::integration::PageInterface;
using orvane::sdk::integration::PageIterator;

std::string disagreement(orvane::sdk::integration::PageManagerInterface& pages, std::vector<PageInterface*>& managed)
{
    const std::vector<Page>& enginePages = engine().pages;
    managed.clear();
    for (PageIterator walk = pages.getPageIterator(); walk.hasNext();)
        managed.push_back(&walk.next());
    if (pages.pageCount() != static_cast<int>(enginePages.size()) || managed.size() != enginePages.size())
        return "the manager counts " + std::to_string(pages.pageCount()) + " pages, walks " +
               std::to_string(managed.size()) + ", the engine has " + std::to_string(enginePages.size());
    int backwards = 0;
    for (PageIterator walk = pages.getReversePageIterator(); walk.hasNext(); walk.next())
        ++backwards;
    if (backwards != pages.pageCount())
        return "the backward walk disagrees with the count";
    for (PageInterface* page : managed)
        if (findHandle(static_cast<long long>(*page)) == nullptr)
            return "page #" + std::to_string(page->getUniqueID()) + " is not the engine's";
    const Page* current = currentPage();
    PageInterface* managedCurrent = pages.getCurrentPage();
    if ((current == nullptr) != (managedCurrent == nullptr) ||
        (current != nullptr && current->handle != static_cast<long long>(*managedCurrent)))
        return "the current page differs from the engine's";
    return std::string();
}

} // namespace model
