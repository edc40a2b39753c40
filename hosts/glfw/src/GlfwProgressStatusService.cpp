#include "ovsdkglfwhost/GlfwProgressStatusService.h"

#include <iostream>

namespace orvane {
namespace sdk {
namespace glfwhost {

GlfwProgressStatusService::GlfwProgressStatusService(std::ostream& out) : m_out(out), m_percentDone(-1) {}

GlfwProgressStatusService::GlfwProgressStatusService() : GlfwProgressStatusService(std::cerr) {}

void GlfwProgressStatusService::setStatusLine(const char* text)
{
    m_out << "status: " << (text != nullptr ? text : "") << std::endl;
}

void GlfwProgressStatusService::startProgressMonitor(bool, bool)
{
    m_percentDone = 0;
    m_out << "progress: started" << std::endl;
}

void GlfwProgressStatusService::finishProgressMonitor()
{
    m_percentDone = -1;
    m_out << "progress: finished" << std::endl;
}

void GlfwProgressStatusService::updateProgressMonitor(int percentDone)
{
    if (percentDone / 10 != m_percentDone / 10)
        m_out << "progress: " << percentDone << "%" << std::endl;
    m_percentDone = percentDone;
}

int GlfwProgressStatusService::percentDone() const { return m_percentDone; }

} // namespace glfwhost
} // namespace sdk
} // namespace orvane
