#ifndef OVTOOLBOX_STRINGLIST_H
#define OVTOOLBOX_STRINGLIST_H

#include "ovtoolbox/Export.h"
#include "ovsdkbase.h"

#include <string>
#include <vector>

namespace orvane {
namespace toolbox {

// Read-only view of an engine string list; the list stays the engine's.
// A null handle is an empty list.
class OVTOOLBOX_EXPORT StringList
{
public:
    explicit StringList(StringList_pa list);
    ~StringList();
    StringList(const StringList&) = delete;
    StringList& operator=(const StringList&) = delete;

    int count() const;
    // Item `index`, 1-based as the engine counts; empty when out of range.
    std::string get(int index) const;
    std::vector<std::string> toVector() const;
    StringList_pa handle() const;

private:
    StringList_pa m_list;
};

} // namespace toolbox
} // namespace orvane

#endif // OVTOOLBOX_STRINGLIST_H
