// The same page at the same size gives the same picture drawn by the
// headless kit (its drawing area's frame, and its offscreen image export)
// as exported through the Qt kit's offscreen image. Both run Mesa's
// OpenGL; the tolerance allows for rounding where two drivers' paths
// differ: every channel of every pixel within Tolerance of the Qt export.
#include "kits/TwoKitSession.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

namespace {

const int Tolerance = 2;

struct Difference
{
    int largest = 0;
    std::size_t pixels = 0; // differing by more than Tolerance in a channel
};

Difference compare(const std::vector<unsigned char>& rgb, const unsigned char* other, std::size_t otherStride)
{
    Difference difference;
    for (std::size_t pixel = 0; pixel < rgb.size() / 3; ++pixel)
    {
        int largest = 0;
        for (std::size_t channel = 0; channel < 3; ++channel)
            largest = std::max(largest, std::abs(int(rgb[pixel * 3 + channel]) - int(other[pixel * otherStride + channel])));
        difference.largest = std::max(difference.largest, largest);
        difference.pixels += largest > Tolerance;
    }
    return difference;
}

TEST(HeadlessAgainstQt, APageLooksTheSameHeadlessAsInTheQtKitsExport)
{
    for (const auto& size : {std::make_pair(320, 240), std::make_pair(1024, 768)})
    {
        SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
        TwoKitSession session(size.first, size.second);
        ASSERT_TRUE(session.started());
        const orvane::sim::ExportedImage qt = session.exportWith(TwoKitSession::Kit_Qt);
        ASSERT_TRUE(qt.ok);
        const orvane::sdk::headlesshost::HeadlessFrame& frame = session.drawHeadless();
        ASSERT_EQ(size.first, frame.width);
        ASSERT_EQ(size.second, frame.height);
        const Difference drawn = compare(qt.rgb, frame.rgba.data(), 4);
        EXPECT_EQ(0u, drawn.pixels) << "the headless frame differs by up to " << drawn.largest;
        const orvane::sim::ExportedImage headless = session.exportWith(TwoKitSession::Kit_Headless);
        ASSERT_TRUE(headless.ok);
        const Difference exported = compare(qt.rgb, headless.rgb.data(), 3);
        EXPECT_EQ(0u, exported.pixels) << "the headless export differs by up to " << exported.largest;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
