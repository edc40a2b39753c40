// The suite's engine session, as an application runs one: a manager whose
// monitor the host's factory makes, the host's services current, init and
// start; stop when it goes.
#ifndef OVSDKHOSTCONFORMANCE_CONFORMANCESESSION_H
#define OVSDKHOSTCONFORMANCE_CONFORMANCESESSION_H

#include "ovsdkhostconformance/HostFactory.h"

#include "integration/ManagerAbstract.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace hostconformance {

class ConformanceSession
{
public:
    explicit ConformanceSession(HostFactory& factory);
    ~ConformanceSession();
    ConformanceSession(const ConformanceSession&) = delete;
    ConformanceSession& operator=(const ConformanceSession&) = delete;

    // The result of init(), then of start() when init() succeeded; with no
    // monitor from the factory neither is tried.
    integration::ManagerInterface::ManagerStartReturnCode_e startResult() const;
    bool hasMonitor() const;

    HostFactory& factory();
    HostDriver& driver();
    integration::ManagerAbstract& manager();
    integration::intern::ApplicationEventMonitorAbstract& monitor();
    integration::services::ManagerMiscServiceAbstract& misc();
    // Null when the host makes no offscreen images.
    integration::services::OffscreenImageServiceAbstract* offscreen();

private:
    class Manager : public integration::ManagerAbstract
    {
    public:
        explicit Manager(HostFactory& factory);
        ~Manager() override;
        integration::ApplicationEventMonitorInterface& getApplicationEventMonitor() override;
        integration::intern::ApplicationEventMonitorAbstract& monitor();
        bool hasMonitor() const { return m_monitor != nullptr; }

    private:
        std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> m_monitor;
    };

    HostFactory& m_factory;
    std::unique_ptr<integration::services::ManagerMiscServiceAbstract> m_misc;
    std::unique_ptr<integration::services::OffscreenImageServiceAbstract> m_offscreen;
    Manager m_manager;
    integration::ManagerInterface::ManagerStartReturnCode_e m_startResult;
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_CONFORMANCESESSION_H
