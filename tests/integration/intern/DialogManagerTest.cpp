// Host-provided engine dialogs, launched by the engine.

#include "integration/intern/DialogManager.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvane {
namespace test {
namespace {

using sdk::integration::DialogLauncherInterface;
using sdk::integration::intern::DialogManager;

struct CountingLauncher : DialogLauncherInterface
{
    int launches = 0;
    void launch() override { ++launches; }
};

class DialogManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { sim::reset(); }
};

TEST_F(DialogManagerTest, EngineLaunchOpensTheRegisteredLauncher)
{
    CountingLauncher pageSetup, exportDialog;
    auto manager = std::make_unique<DialogManager>();
    manager->registerDialogLauncher(&pageSetup, 3);
    manager->registerDialogLauncher(&exportDialog, 9);

    EXPECT_TRUE(sim::launchDialog(9));
    EXPECT_EQ(exportDialog.launches, 1);
    EXPECT_EQ(pageSetup.launches, 0);

    // Registrations outlive the manager.
    manager.reset();
    EXPECT_TRUE(sim::launchDialog(3));
    EXPECT_EQ(pageSetup.launches, 1);

    // A null launcher makes the launch a no-op that succeeds.
    DialogManager().registerDialogLauncher(nullptr, 4);
    EXPECT_TRUE(sim::launchDialog(4));
}

} // namespace
} // namespace test
} // namespace orvane
