// Offscreen images as the engine creates, reads and destroys them.

#include "ovsdkbase/SimulatedEngine.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvane {
namespace test {
namespace {

const char* const DriverHint =
    "Please confirm that your graphics drivers are up to date. Try exporting without the batch mode flag (-b).";

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
    Boolean_t create(ExportRegion_e region = ExportRegion_CurrentFrame)
    {
        const auto& registration = sim::callbacks().offscreenImageCreate;
        return registration.callback(64, 48, region, registration.clientData, &handle);
    }

    static void startEngine(bool batchMode)
    {
        std::vector<std::string> arguments = {"host"};
        if (batchMode)
            arguments.push_back("-b");
        arguments.insert(arguments.end(), {"-h", "/opt/engine"});
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(&argument[0]);
        ASSERT_EQ(OrvEngInit(static_cast<int>(argv.size()), argv.data(), StateModernizationLevel_Legacy), 0);
        ASSERT_EQ(sim::isBatchMode(), batchMode);
    }

    RecordingOffscreenImageService service;
    long long handle = -1;
};

TEST_F(OffscreenImageServiceTest, CreatedImageIsNamedByItsImageInterfaceAndRendered)
{
    service.imageTemplate.renderResult = false;

    EXPECT_EQ(create(ExportRegion_AllFrames), FALSE); // the render's answer
    ASSERT_EQ(service.images.size(), 1u);
    const FakeOffscreenImage& image = *service.images.front();
    EXPECT_EQ(handle, image.handle());
    EXPECT_NE(handle, reinterpret_cast<long long>(&image)); // not the object's start
    EXPECT_EQ(image.renders, std::vector<ExportRegion_e>{ExportRegion_AllFrames});

    service.images.front()->renderResult = true;
    service.imageTemplate.renderResult = true;
    EXPECT_EQ(create(), TRUE);
    EXPECT_TRUE(sim::errorMessages().empty());
}

TEST_F(OffscreenImageServiceTest, NoImageGivesHandleZeroAndNoCurrentObjectLeavesTheHandleAlone)
{
    service.makesImages = false;
    EXPECT_EQ(create(), FALSE);
    EXPECT_EQ(handle, 0);

    RecordingOffscreenImageService::forgetRegistration();
    {
        RecordingOffscreenImageService gone;
        gone.makeCurrent();
    }
    handle = -1;
    EXPECT_EQ(create(), FALSE);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(service.calls, 1);
}

TEST_F(OffscreenImageServiceTest, FailuresAreReportedWithTheResultAsItStood)
{
    startEngine(false);
    service.createThrows = "No pixel format";
    EXPECT_EQ(create(), FALSE);
    EXPECT_EQ(handle, -1);

    service.createThrows.reset();
    service.imageTemplate.renderThrows = "";
    EXPECT_EQ(create(), TRUE); // the image was made before rendering failed
    EXPECT_EQ(handle, service.images.back()->handle());

    EXPECT_EQ(sim::errorMessages(), (std::vector<std::string>{"No pixel format", ""}));
}

TEST_F(OffscreenImageServiceTest, BatchModeExplainsFailuresWithoutAMessage)
{
    startEngine(true);
    service.createThrows = "";
    create();
    service.createThrows = "Context lost";
    create();

    EXPECT_EQ(sim::errorMessages(), (std::vector<std::string>{DriverHint, "Context lost"}));
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

TEST_F(OffscreenImageServiceTest, RowsAndDestructionGoToTheHost)
{
    const auto& rows = sim::callbacks().offscreenImageGetRGBRow;
    const auto& destroy = sim::callbacks().offscreenImageDestroy;
    create();
    unsigned char red[64], green[64], blue[64];

    EXPECT_EQ(rows.callback(handle, 5, rows.clientData, red, green, blue), TRUE);
    EXPECT_EQ(blue[63], 5);
    service.rowResult = false;
    EXPECT_EQ(rows.callback(handle, 6, rows.clientData, red, green, blue), FALSE);

    destroy.callback(0, destroy.clientData);
    destroy.callback(handle, destroy.clientData);
    EXPECT_EQ(service.destroyed, std::vector<long long>{handle});

    {
        RecordingOffscreenImageService gone;
        gone.makeCurrent();
    }
    EXPECT_EQ(rows.callback(handle, 7, rows.clientData, red, green, blue), FALSE);
    EXPECT_EQ(service.rowReads.size(), 2u);
}

} // namespace
} // namespace test
} // namespace orvane
