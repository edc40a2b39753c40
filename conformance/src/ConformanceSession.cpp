#include "ConformanceSession.h"

#include "integration/services/ServiceRepositoryInterface.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

using integration::ManagerInterface;

ConformanceSession::Manager::Manager(HostFactory& factory) : m_monitor(factory.createMonitor(*this)) {}

// The monitor goes before the manager's parts, as it came after them.
ConformanceSession::Manager::~Manager() { m_monitor.reset(); }

integration::ApplicationEventMonitorInterface& ConformanceSession::Manager::getApplicationEventMonitor()
{
    return *m_monitor;
}

integration::intern::ApplicationEventMonitorAbstract& ConformanceSession::Manager::monitor() { return *m_monitor; }

ConformanceSession::ConformanceSession(HostFactory& factory)
    : m_factory(factory),
      m_misc(factory.createMiscService()),
      m_offscreen(factory.createOffscreenImageService()),
      m_manager(factory),
      m_startResult(ManagerInterface::ManagerStartReturnCode_InternalInitializationError)
{
    if (!m_manager.hasMonitor())
        return; // every check fails, saying so
    m_manager.getServiceRepository().setService(m_misc.get());
    if (m_offscreen)
        m_manager.getServiceRepository().setService(m_offscreen.get());
    char program[] = "ovsdkhostconformance";
    char* argv[] = {program, nullptr};
    m_startResult = m_manager.init(1, argv, "/tmp");
    if (m_startResult == ManagerInterface::ManagerStartReturnCode_Ok)
        m_startResult = m_manager.start();
}

ConformanceSession::~ConformanceSession() { m_manager.stop(); }

ManagerInterface::ManagerStartReturnCode_e ConformanceSession::startResult() const { return m_startResult; }

bool ConformanceSession::hasMonitor() const { return m_manager.hasMonitor(); }

HostFactory& ConformanceSession::factory() { return m_factory; }

HostDriver& ConformanceSession::driver() { return m_factory.driver(); }

integration::ManagerAbstract& ConformanceSession::manager() { return m_manager; }

integration::intern::ApplicationEventMonitorAbstract& ConformanceSession::monitor() { return m_manager.monitor(); }

integration::services::ManagerMiscServiceAbstract& ConformanceSession::misc() { return *m_misc; }

integration::services::OffscreenImageServiceAbstract* ConformanceSession::offscreen() { return m_offscreen.get(); }

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
