#include "ovsdkglfwhost/GlfwSelectRegionService.h"

#include <iostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwSelectRegionService::GlfwSelectRegionService(std::ostream& out) : m_out(out) {}

GlfwSelectRegionService::GlfwSelectRegionService() : m_out(std::cerr) {}

void GlfwSelectRegionService::selectItemsInRect(double x1, double y1, double x2, double y2, bool)
{
    m_out << "region selected: (" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")" << std::endl;
}

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
