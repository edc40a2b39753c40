#ifndef OVSDKGLFWHOST_GLFWMESSAGEBOXSERVICE_H
#define OVSDKGLFWHOST_GLFWMESSAGEBOXSERVICE_H

#include "ovsdkglfwhost/Export.h"

#include "integration/services/MessageBoxServiceAbstract.h"

#include <ostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

// A minimal message box service for GLFW applications, which have no
// dialogs.
//
// Implements: MessageBoxService by printing "message box (<kind>):
// <message>" on a stream (standard error by default) and answering, without
// asking anybody, the reply that lets the engine do the least: Ok for the
// boxes with only an Ok button (error, warning, information), No for
// yes/no questions, Cancel for boxes that offer it, Invalid for an unknown
// type.
// Leaves to the application: a real message box (an immediate-mode GUI
// window, say): subclass it and override showMessageBox, or make a service
// of its own current.
class OVSDKGLFWHOST_EXPORT GlfwMessageBoxService : public integration::services::MessageBoxServiceAbstract
{
public:
    // A service writing to `out`, which outlives it.
    explicit GlfwMessageBoxService(std::ostream& out);
    // A service writing to standard error.
    GlfwMessageBoxService();

    MessageBoxReply_e showMessageBox(const char* message, MessageBoxType_e type) override;

private:
    std::ostream& m_out;
};

} // namespace glfwhost
} // namespace sdk
} // namespace orvane

#endif // OVSDKGLFWHOST_GLFWMESSAGEBOXSERVICE_H
