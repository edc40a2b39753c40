#include "ovtoolbox/StringList.h"

namespace orvane {
namespace toolbox {

StringList::StringList(StringList_pa list) : m_list(list) {}

StringList::~StringList() = default;

int StringList::count() const { return m_list == nullptr ? 0 : OrvUtilStringListGetCount(m_list); }

std::string StringList::get(int index) const
{
    if (index < 1 || index > count())
        return std::string();
    char* text = OrvUtilStringListGetString(m_list, index);
    if (text == nullptr)
        return std::string();
    std::string result(text);
    OrvUtilStringDealloc(&text);
    return result;
}

std::vector<std::string> StringList::toVector() const
{
    std::vector<std::string> items;
    const int n = count();
    items.reserve(static_cast<std::size_t>(n));
    for (int index = 1; index <= n; ++index)
        items.push_back(get(index));
    return items;
}

StringList_pa StringList::handle() const { return m_list; }

} // namespace toolbox
} // namespace orvane
