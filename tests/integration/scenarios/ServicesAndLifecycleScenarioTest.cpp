// A host's whole life with the library: construct, make services current,
// init, start, serve the engine's requests, stop.
#include "integration/EventManagerInterface.h"
#include "integration/services/ServiceRepositoryInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingServices.h"
#include "support/TestHostManager.h"

#include <gtest/gtest.h>

#include <memory>

namespace sim = orvane::sim;
using namespace orvane::sdk::integration;
using orvane::test::FakeManagerMiscService;
using orvane::test::RecordingMessageBoxService;
using orvane::test::TestHostManager;

namespace {

class ServicesAndLifecycleScenarioTest : public ::testing::Test
{
protected:
    ServicesAndLifecycleScenarioTest()
    {
        sim::reset();
        RecordingMessageBoxService::forgetRegistration();
        host.reset(new TestHostManager());
    }

    ManagerInterface::ManagerStartReturnCode_e init(std::initializer_list<const char*> extraArguments = {})
    {
        std::vector<char*> argv{program};
        for (const char* argument : extraArguments)
            argv.push_back(const_cast<char*>(argument));
        return host->init(static_cast<int>(argv.size()), argv.data(), "/opt/engine");
    }

    char program[5] = "host";
    FakeManagerMiscService miscService;
    RecordingMessageBoxService messageBoxes;
    std::unique_ptr<TestHostManager> host;
};

} // namespace

TEST_F(ServicesAndLifecycleScenarioTest, StartServeAndStop)
{
    host->getServiceRepository().setService(&miscService);
    host->getServiceRepository().setService(&messageBoxes);
    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, init());
    ASSERT_EQ(ManagerInterface::ManagerStartReturnCode_Ok, host->start());
    EXPECT_NO_THROW(host->getEventManager());
    EXPECT_NO_THROW(host->getDialogManager());

    // The engine asks the host a question.
    messageBoxes.reply = MessageBoxReply_Yes;
    EXPECT_EQ(MessageBoxReply_Yes, sim::requestMessageBox("Save the layout?", MessageBoxType_YesNo));
    EXPECT_EQ(std::vector<std::string>({"message(Save the layout?, 4)"}), messageBoxes.log);

    host->stop();
    EXPECT_EQ(1, host->monitor.stopMonitoringCalls);
    EXPECT_THROW(host->getEventManager(), orvane::ExceptionBase);
    EXPECT_THROW(host->getDialogManager(), orvane::ExceptionBase);
    EXPECT_TRUE(sim::isShutdownFinished());
}

