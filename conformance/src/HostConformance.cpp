#include "ovsdkhostconformance/HostConformance.h"

#include "Checks.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

namespace {

struct NamedCheck
{
    const char* name;
    ConformanceTest::Check check;
};

const NamedCheck Checks[] = {
    {"FramesReachTheScreen", checkFramesReachTheScreen},
    {"FramesUseTheDrawAreasOwnContext", checkFramesUseTheDrawAreasOwnContext},
    {"BusyPassKeepsTheFramesContext", checkBusyPassKeepsTheFramesContext},
    {"SizeIsInDevicePixels", checkSizeIsInDevicePixels},
    {"StateNotifications", checkStateNotifications},
    {"MouseInput", checkMouseInput},
    {"KeyInput", checkKeyInput},
    {"KeyTranslation", checkKeyTranslation},
    {"MonitorIsReady", checkMonitorIsReady},
    {"IdleTimeDeliversInput", checkIdleTimeDeliversInput},
    {"BusyPass", checkBusyPass},
    {"OffscreenImages", checkOffscreenImages},
};

// The engine session lives from before the first check to after the last.
class SessionEnvironment : public ::testing::Environment
{
public:
    explicit SessionEnvironment(HostFactory& factory) : m_factory(factory) {}

    void SetUp() override
    {
        m_session.reset(new ConformanceSession(m_factory));
        ConformanceTest::setSession(m_session.get());
    }

    void TearDown() override
    {
        ConformanceTest::setSession(nullptr);
        m_session.reset();
    }

private:
    HostFactory& m_factory;
    std::unique_ptr<ConformanceSession> m_session;
};

} // namespace

void HostConformance::registerTests(HostFactory& factory)
{
    ::testing::AddGlobalTestEnvironment(new SessionEnvironment(factory));
    for (const NamedCheck& entry : Checks)
    {
        const ConformanceTest::Check check = entry.check;
        ::testing::RegisterTest("HostConformance", entry.name, nullptr, nullptr, __FILE__, __LINE__,
                                [check]() -> ConformanceTest* { return new ConformanceTest(check); });
    }
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
