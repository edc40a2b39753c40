#include "ovsdkglfwhost/GlfwMRULayoutService.h"

#include <algorithm>
#include <iostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwMRULayoutService::GlfwMRULayoutService(std::ostream& out) : m_out(out) {}

GlfwMRULayoutService::GlfwMRULayoutService() : m_out(std::cerr) {}

void GlfwMRULayoutService::updateMRULayout(const std::string& layoutFileName)
{
    m_layouts.erase(std::remove(m_layouts.begin(), m_layouts.end(), layoutFileName), m_layouts.end());
    m_layouts.insert(m_layouts.begin(), layoutFileName);
    if (m_layouts.size() > maximumCount())
        m_layouts.resize(maximumCount());
    m_out << "recent layout: " << layoutFileName << std::endl;
}

const std::vector<std::string>& GlfwMRULayoutService::layouts() const { return m_layouts; }

std::size_t GlfwMRULayoutService::maximumCount() { return 10; }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
