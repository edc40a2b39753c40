// The headless kit's behaviour that the conformance suite does not see: a
// new image on a reused context gives no row before it is drawn into, never
// the last image's, and the application's interrupt. (Its pictures:
// test_headless_qt_comparison.)
#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"
#include "ovsdkheadlesshost/HeadlessSession.h"

#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk;

// One engine for the test program, in batch mode.
struct Session
{
    headlesshost::HeadlessSession kit;
    headlesshost::HeadlessEventLoop& loop = kit.loop();
    bool started = kit.start("test_headlesshost", "/tmp") == integration::ManagerInterface::ManagerStartReturnCode_Ok;
};

Session& session()
{
    static Session running;
    return running;
}

// An image made on the context of one that was drawn into has no row to
// give before it is drawn into itself, never the last image's.
TEST(HeadlessHost, ANewImageOnAReusedContextGivesNoRowBeforeItIsDrawnInto)
{
    ASSERT_TRUE(session().started);
    headlesshost::HeadlessOffscreenImageService& images = session().kit.images();
    integration::services::OffscreenImageInterface* drawn = images.createImage(8, 4);
    ASSERT_TRUE(drawn->getGLContext().makeCurrent());
    drawn->getGLContext().releaseCurrent();
    unsigned char rgb[3][8];
    EXPECT_TRUE(images.getRGBRow(reinterpret_cast<long long>(drawn), 0, rgb[0], rgb[1], rgb[2]));
    images.destroyImage(reinterpret_cast<long long>(drawn));
    const long long next = reinterpret_cast<long long>(images.createImage(8, 4));
    EXPECT_FALSE(images.getRGBRow(next, 0, rgb[0], rgb[1], rgb[2]));
    images.destroyImage(next);
}

TEST(HeadlessHost, TheApplicationsInterruptStopsTheEnginesOperationOnly)
{
    ASSERT_TRUE(session().started);
    headlesshost::HeadlessEventLoop& loop = session().loop;
    // Outside an operation there is nothing to stop.
    loop.requestInterrupt();
    loop.runOnce();
    EXPECT_FALSE(orvane::sim::interruptFlag());
    EXPECT_TRUE(loop.isInterruptRequested());
    // One request interrupts one operation: heard once until cleared.
    EXPECT_TRUE(orvane::sim::runBusyOperation(5));
    loop.clearInterrupt();

    int passes = 0;
    std::function<void()> countPass = [&] {
        if (++passes == 3)
            loop.requestInterrupt(); // as a SIGINT handler would, during the operation
        else
            loop.postTask(countPass);
    };
    loop.postTask(countPass);
    EXPECT_FALSE(orvane::sim::runBusyOperation(1000));
    EXPECT_EQ(3, passes);
    EXPECT_TRUE(loop.isInterruptRequested());
    loop.clearInterrupt();
    EXPECT_TRUE(orvane::sim::runBusyOperation(5));
}

} // namespace
