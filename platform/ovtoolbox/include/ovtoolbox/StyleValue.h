#ifndef OVTOOLBOX_STYLEVALUE_H
#define OVTOOLBOX_STYLEVALUE_H

#include "ovtoolbox/Export.h"
#include "ovsdkbase.h"

#include <string>

namespace orvane {
namespace toolbox {

// One engine style value, named by an object's unique id and up to two style
// names ("PAGE", "NAME"). Reads and writes go straight to the engine.
class OVTOOLBOX_EXPORT StyleValue
{
public:
    StyleValue(UniqueID_t objectID, const std::string& p1, const std::string& p2 = std::string());

    // OrvUtilStyleGetString; 0 on success, when `value` receives the text.
    // On failure `value` is left as it was.
    int get(std::string& value) const;
    // OrvUtilStyleSetString; SetValueReturnCode_Ok (0) on success.
    SetValueReturnCode_e set(const std::string& value) const;

    UniqueID_t objectID() const;

private:
    UniqueID_t m_objectID;
    std::string m_p1;
    std::string m_p2;
};

} // namespace toolbox
} // namespace orvane

#endif // OVTOOLBOX_STYLEVALUE_H
