// The headless kit's behaviour that the conformance suite does not see: the
// engine's own plot drawn into drawing areas and offscreen images with no
// window system (a new image on a reused context gives no row before it is
// drawn into, never the last image's), and the application's interrupt.
#include "ovsdkheadlesshost/HeadlessGLDrawArea.h"
#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"
#include "ovsdkheadlesshost/HeadlessSession.h"

#include "integration/PageInterface.h"
#include "integration/PageManagerInterface.h"
#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk;
using headlesshost::HeadlessEvent;
using headlesshost::HeadlessFrame;
using headlesshost::HeadlessGLDrawArea;

// One engine for the test program, in batch mode, drawing its plots.
struct Session
{
    headlesshost::HeadlessSession kit;
    headlesshost::HeadlessEventLoop& loop = kit.loop();
    bool started = kit.start("test_headlesshost", "/tmp") == integration::ManagerInterface::ManagerStartReturnCode_Ok;

    Session() { orvane::sim::enableOpenGLDrawing(&headlesshost::HeadlessDisplay::procAddress); }
};

Session& session()
{
    static Session running;
    return running;
}

orvane::sim::PlotColour pixelAt(const HeadlessFrame& frame, int x, int y)
{
    const unsigned char* pixel = frame.row(y) + std::size_t(x) * 4;
    return {pixel[0], pixel[1], pixel[2]};
}

bool operator==(const orvane::sim::PlotColour& a, const orvane::sim::PlotColour& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The engine's plot of `page`, top row first: its background in the top
// right corner, its axes where the plot puts them (a line on a pixel
// boundary may fall on either side) and its curve.
void expectPlot(const HeadlessFrame& frame, UniqueID_t page, int width, int height)
{
    using orvane::sim::AxisColour;
    using orvane::sim::PlotMargin;
    ASSERT_EQ(width, frame.width);
    ASSERT_EQ(height, frame.height);
    EXPECT_TRUE(pixelAt(frame, width - 2, 1) == orvane::sim::backgroundColour(page)) << "top right corner";
    EXPECT_TRUE(pixelAt(frame, PlotMargin - 1, height / 2) == AxisColour ||
                pixelAt(frame, PlotMargin, height / 2) == AxisColour)
        << "y axis";
    EXPECT_TRUE(pixelAt(frame, width / 2, height - PlotMargin) == AxisColour ||
                pixelAt(frame, width / 2, height - PlotMargin - 1) == AxisColour)
        << "x axis";
    int curve = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            curve += pixelAt(frame, x, y) == orvane::sim::curveColour(page);
    EXPECT_GT(curve, width / 2) << "curve";
}

TEST(HeadlessHost, PagesAreDrawnIntoTheirFramesAtEachSizeAndAfterResizes)
{
    ASSERT_TRUE(session().started);
    integration::PageManagerInterface& pages = session().kit.manager().getPageManager();
    struct Case
    {
        int width, height;
        double pixelRatio;
        int resizedWidth, resizedHeight;
    };
    const Case cases[] = {{320, 240, 1.0, 200, 300}, {150, 100, 2.0, 640, 480}, {1024, 768, 1.5, 97, 61}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        HeadlessGLDrawArea area(session().loop, session().kit.display(), c.width, c.height, c.pixelRatio);
        integration::PageInterface& page = pages.addPage(&area);
        const UniqueID_t id = orvane::sim::currentPageId();
        EXPECT_TRUE(area.frame().empty());
        ASSERT_TRUE(page.redraw());
        EXPECT_EQ(1, area.frameCount());
        expectPlot(area.frame(), id, c.width, c.height);

        session().loop.post(area, HeadlessEvent::makeResize(c.resizedWidth, c.resizedHeight));
        session().loop.runOnce();
        ASSERT_TRUE(page.redraw());
        expectPlot(area.frame(), id, c.resizedWidth, c.resizedHeight);

        // The same page exported through an offscreen image is the same picture.
        const orvane::sim::ExportedImage image =
            orvane::sim::exportImage(c.resizedWidth, c.resizedHeight, ExportRegion_CurrentFrame);
        ASSERT_TRUE(image.ok);
        std::size_t differing = 0;
        for (std::size_t pixel = 0; pixel < image.rgb.size() / 3; ++pixel)
            for (std::size_t channel = 0; channel < 3; ++channel)
                differing += image.rgb[pixel * 3 + channel] != area.frame().rgba[pixel * 4 + channel];
        EXPECT_EQ(0u, differing);
        // The next image is made on the context that drew the export: it has
        // no row to give before it is drawn into.
        headlesshost::HeadlessOffscreenImageService& images = session().kit.images();
        const long long next = reinterpret_cast<long long>(images.createImage(c.resizedWidth, c.resizedHeight));
        std::vector<unsigned char> rgb(std::size_t(c.resizedWidth) * 3);
        EXPECT_FALSE(images.getRGBRow(next, 0, &rgb[0], &rgb[rgb.size() / 3], &rgb[rgb.size() / 3 * 2]));
        images.destroyImage(next);
        pages.deletePage(page);
        session().loop.runOnce();
    }
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
