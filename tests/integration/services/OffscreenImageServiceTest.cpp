// Offscreen images as the engine creates, reads and destroys them.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvane {
namespace test {
namespace {

typedef std::vector<std::string> Texts;

class OffscreenImageServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        RecordingOffscreenImageService::forgetRegistration();
        service.makeCurrent();
    }

    // The engine's creation request; `handle` keeps its value unless written.
    Boolean_t create()
    {
        handle = -1;
        const auto& registration = sim::callbacks().offscreenImageCreate;
        return registration.callback(64, 48, ExportRegion_AllFrames, registration.clientData, &handle);
    }

    static void initEngine(std::vector<std::string> arguments)
    {
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(&argument[0]);
        ASSERT_EQ(OrvEngInit(static_cast<int>(argv.size()), argv.data(), StateModernizationLevel_Legacy), 0);
    }

    RecordingOffscreenImageService service;
    long long handle = -1;
};

TEST_F(OffscreenImageServiceTest, ImageIsNamedByItsImageInterfaceAndRendered)
{
    service.imageTemplate.renderResult = false;
    EXPECT_EQ(create(), FALSE); // the render's answer
    ASSERT_EQ(service.images.size(), 1u);
    EXPECT_EQ(handle, service.images[0]->handle());
    EXPECT_EQ(service.images[0]->log, Texts{"render(1)"});

    const sim::Callbacks& engine = sim::callbacks();
    unsigned char red = 0, green = 0, blue = 0;
    EXPECT_EQ(engine.offscreenImageGetRGBRow.callback(handle, 5, 0, &red, &green, &blue), TRUE);
    engine.offscreenImageDestroy.callback(0, 0);
    engine.offscreenImageDestroy.callback(handle, 0);
    const std::string name = std::to_string(handle);
    EXPECT_EQ(service.log, (Texts{"create(64, 48)", "row(" + name + ", 5)", "destroy(" + name + ")"}));

    service.makesImages = false;
    EXPECT_EQ(create(), FALSE);
    EXPECT_EQ(handle, 0);
}

TEST_F(OffscreenImageServiceTest, FailuresAreReportedWithTheResultAsItStood)
{
    initEngine({"host", "-h", "/opt/engine"});
    service.createThrows = "No pixel format";
    EXPECT_EQ(create(), FALSE);
    EXPECT_EQ(handle, -1);

    service.createThrows.reset();
    service.imageTemplate.renderThrows = "";
    EXPECT_EQ(create(), TRUE); // the image was made before rendering failed
    EXPECT_EQ(handle, service.images.back()->handle());

    EXPECT_EQ(sim::errorMessages(), (Texts{"No pixel format", ""}));
}

TEST_F(OffscreenImageServiceTest, BatchModeExplainsFailuresWithoutAMessage)
{
    initEngine({"host", "-b", "-h", "/opt/engine"});
    service.createThrows = "";
    create();
    service.createThrows = "Context lost";
    create();

    EXPECT_EQ(sim::errorMessages(),
              (Texts{"Please confirm that your graphics drivers are up to date. "
                     "Try exporting without the batch mode flag (-b).",
                     "Context lost"}));
}

TEST_F(OffscreenImageServiceTest, OtherExceptionsReachTheEngine)
{
    struct Throwing : RecordingOffscreenImageService
    {
        services::OffscreenImageInterface* createImage(int, int) override { throw std::runtime_error("bad"); }
    } throwing;
    throwing.makeCurrent();

    EXPECT_THROW(create(), std::runtime_error);
    EXPECT_TRUE(sim::errorMessages().empty());
}

} // namespace
} // namespace test
} // namespace orvane
