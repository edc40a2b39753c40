#ifndef OVSDKGLFWHOST_GLFWDIALOGGETSIMPLETEXTSERVICE_H
#define OVSDKGLFWHOST_GLFWDIALOGGETSIMPLETEXTSERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/DialogGetSimpleTextServiceAbstract.h"

#include <ostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

// A minimal text-entry service for GLFW applications, which have no
// dialogs.
//
// Implements: DialogGetSimpleTextService by printing "text asked for:
// <instructions>" on a stream (standard error by default) and cancelling:
// the engine keeps its own text.
// Leaves to the application: a real text entry: subclass it and override
// getSimpleText, or make a service of its own current.
class OVSDKGLFWHOST_EXPORT GlfwDialogGetSimpleTextService
    : public integration::services::DialogGetSimpleTextServiceAbstract
{
public:
    // A service writing to `out`, which outlives it.
    explicit GlfwDialogGetSimpleTextService(std::ostream& out);
    // A service writing to standard error.
    GlfwDialogGetSimpleTextService();

    bool getSimpleText(std::string instructions, std::string& text) override;

private:
    std::ostream& m_out;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWDIALOGGETSIMPLETEXTSERVICE_H
