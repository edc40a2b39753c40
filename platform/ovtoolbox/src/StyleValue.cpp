#include "ovtoolbox/StyleValue.h"

namespace orvane {
namespace toolbox {

namespace {

// The engine takes a missing second style name as null.
const char* optionalName(const std::string& name) { return name.empty() ? nullptr : name.c_str(); }

} // namespace

StyleValue::StyleValue(UniqueID_t objectID, const std::string& p1, const std::string& p2)
    : m_objectID(objectID), m_p1(p1), m_p2(p2)
{
}

int StyleValue::get(std::string& value) const
{
    char* text = nullptr;
    const int result = OrvUtilStyleGetString(m_objectID, m_p1.c_str(), optionalName(m_p2), &text);
    if (result == 0 && text != nullptr)
        value = text;
    if (text != nullptr)
        OrvUtilStringDealloc(&text);
    return result;
}

SetValueReturnCode_e StyleValue::set(const std::string& value) const
{
    return OrvUtilStyleSetString(m_objectID, m_p1.c_str(), optionalName(m_p2), value.c_str());
}

UniqueID_t StyleValue::objectID() const { return m_objectID; }

} // namespace toolbox
} // namespace orvane
