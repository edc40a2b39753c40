// Engine texts (allocated, handed out and released through the engine) and
// engine string lists.
#include "CallLog.h"
#include "EngineSteps.h"

#include <cstring>
#include <new>

namespace orvane {
namespace sim {
namespace detail {

char* allocateText(int size)
{
    if (size < 1)
        return nullptr;
    char* text = new (std::nothrow) char[static_cast<std::size_t>(size)]();
    if (text != nullptr)
        engine().texts.insert(text);
    return text;
}

char* copyText(const std::string& text)
{
    char* copy = allocateText(static_cast<int>(text.size() + 1));
    if (copy != nullptr)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

bool releaseText(char* text, const char* caller)
{
    if (engine().texts.erase(text) == 0)
    {
        recordMisuse(std::string(caller) + ": text not handed out by the engine or already released");
        return false;
    }
    delete[] text;
    return true;
}

void forgetTexts()
{
    for (char* text : engine().texts)
        delete[] text;
    engine().texts.clear();
}

} // namespace detail

std::size_t outstandingTexts() { return detail::engine().texts.size(); }

StringList_pa makeStringList(const std::vector<std::string>& items) { return new _StringList_s{items}; }

void freeStringList(StringList_pa list) { delete list; }

} // namespace sim
} // namespace orvane

using namespace orvane::sim::detail;

extern "C" {

char* OrvUtilStringAlloc(int size, const char* debugInfo)
{
    logCall("OrvUtilStringAlloc", size, debugInfo);
    if (engine().knobs.stringAllocFails)
        return nullptr;
    return allocateText(size);
}

void OrvUtilStringDealloc(char** text)
{
    logCall("OrvUtilStringDealloc");
    if (text == nullptr || *text == nullptr)
        return;
    if (releaseText(*text, "OrvUtilStringDealloc"))
        *text = nullptr;
}

int OrvUtilStringListGetCount(StringList_pa list)
{
    logCall("OrvUtilStringListGetCount");
    return list == nullptr ? 0 : static_cast<int>(list->items.size());
}

char* OrvUtilStringListGetString(StringList_pa list, int index)
{
    logCall("OrvUtilStringListGetString", index);
    if (list == nullptr || index < 1 || static_cast<std::size_t>(index) > list->items.size())
    {
        recordMisuse("OrvUtilStringListGetString: index " + std::to_string(index) + " out of range");
        return nullptr;
    }
    return copyText(list->items[static_cast<std::size_t>(index - 1)]);
}

} // extern "C"
