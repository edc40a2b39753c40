#include "ovsdkglfwhost/GlfwDialogGetSimpleTextService.h"

#include <iostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwDialogGetSimpleTextService::GlfwDialogGetSimpleTextService(std::ostream& out) : m_out(out) {}

GlfwDialogGetSimpleTextService::GlfwDialogGetSimpleTextService() : m_out(std::cerr) {}

bool GlfwDialogGetSimpleTextService::getSimpleText(std::string instructions, std::string&)
{
    m_out << "text asked for: " << instructions << " (cancelled: no text entry)" << std::endl;
    return false;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
