// Offscreen images: what the engine does with one when it exports a plot.
#include "Checks.h"
#include "ContractText.h"
#include "GLPainter.h"

#include "integration/GLContextInterface.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

namespace {

const int Width = 64;
const int Height = 48;
const GLPainter::Colour Top{220, 120, 20};
const GLPainter::Colour Bottom{20, 100, 220};

} // namespace

void checkOffscreenImages(ConformanceTest& test)
{
    integration::services::OffscreenImageServiceAbstract* service = test.session().offscreen();
    if (service == nullptr)
        GTEST_SKIP() << hostClassOf(test.session().factory())
                     << " makes no offscreen image service: offscreen images are not checked";
    const std::string serviceClass = hostClassOf(*service);
    integration::services::OffscreenImageInterface* image = service->createImage(Width, Height);
    ASSERT_NE(nullptr, image) << contractText(serviceClass, "createImage(64, 48) to make an image",
                                              "make an image of the size asked for (null only when none can be made)");
    const long long handle = reinterpret_cast<long long>(image);
    const std::string imageClass = hostClassOf(*image);
    EXPECT_TRUE(image->render(ExportRegion_CurrentFrame))
        << contractText(imageClass, "render() to answer true for a new image", "answer whether the image can be drawn into");

    integration::GLContextInterface& context = image->getGLContext();
    ASSERT_TRUE(context.makeCurrent()) << contractText(hostClassOf(context), "makeCurrent() of the image's context to answer true",
                                                       "make the context current with the image as the framebuffer drawn into");
    GLPainter painter(test.driver());
    const GLPainter::Result_e result = painter.fill(Bottom, 0, 0, Width, Height);
    const bool painted = result == GLPainter::Result_Painted &&
                         painter.fill(Top, 0, Height / 2, Width, Height - Height / 2) == GLPainter::Result_Painted;
    EXPECT_NE(GLPainter::Result_NotLegacy, result) << painter.legacyFailure(hostClassOf(context));
    EXPECT_TRUE(context.releaseCurrent())
        << contractText(hostClassOf(context), "releaseCurrent() of the image's context to answer true",
                        "release the context once the engine has drawn (and keep what it drew for getRGBRow)");

    std::vector<std::string> unreadable, wrong;
    for (int row = 0; row < Height; ++row)
    {
        std::vector<unsigned char> red(Width), green(Width), blue(Width);
        if (!service->getRGBRow(handle, row, red.data(), green.data(), blue.data()))
        {
            unreadable.push_back(std::to_string(row));
            continue;
        }
        const GLPainter::Colour expected = row < Height / 2 ? Top : Bottom;
        for (int column = 0; painted && column < Width; ++column)
            if (!(GLPainter::Colour{red[column], green[column], blue[column]} == expected))
            {
                wrong.push_back("row " + std::to_string(row) + " column " + std::to_string(column) + ": " +
                                GLPainter::Colour{red[column], green[column], blue[column]}.text() + " instead of " +
                                expected.text());
                break;
            }
    }
    service->destroyImage(handle);
    EXPECT_EQ(std::vector<std::string>{}, unreadable)
        << contractText(serviceClass, "getRGBRow() to give every row 0..47 of a 64 x 48 image; these failed",
                        "answer each row of the image the handle names, one byte a pixel and channel");
    EXPECT_EQ(std::vector<std::string>{}, wrong)
        << contractText(serviceClass, "getRGBRow() to give what was drawn into the image, row 0 at the top",
                        "read the image's pixels back after the engine drew (at releaseCurrent()) and hand them out "
                        "top row first (OpenGL's rows start at the bottom)");
    if (result == GLPainter::Result_NoOpenGL)
        GTEST_SKIP() << "the rows were readable; their pixels are not checked: " << hostClassOf(test.driver())
                     << " resolves no OpenGL functions (glProcAddress() answers null)";
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
