// The Qt demo's scripted session, run as a user would run it: it must end
// by itself with success and leave screenshots and an exported image that
// show the engine's plots.
#include "ovsdkbase/SimulatedEngine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

namespace {

namespace sim = orvane::sim;

bool isColour(QRgb pixel, sim::PlotColour colour)
{
    return qRed(pixel) == colour.red && qGreen(pixel) == colour.green && qBlue(pixel) == colour.blue;
}

// Pixels of each colour of the image.
std::map<QRgb, int> histogram(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    return counts;
}

int countColour(const std::map<QRgb, int>& counts, sim::PlotColour colour)
{
    int count = 0;
    for (const auto& entry : counts)
        count += isColour(entry.first, colour) ? entry.second : 0;
    return count;
}

// The image shows the plot of page 1 or 2: its background over a good part
// of it, its curve, and more than the two of them.
void expectPlot(const QString& fileName)
{
    SCOPED_TRACE(fileName.toStdString());
    const QImage image(fileName);
    ASSERT_FALSE(image.isNull());
    const std::map<QRgb, int> counts = histogram(image);
    const int pixels = image.width() * image.height();
    EXPECT_GT(counts.size(), 3u);
    bool plotShown = false;
    for (UniqueID_t page : {1, 2})
        plotShown = plotShown || (countColour(counts, sim::backgroundColour(page)) > pixels / 4 &&
                                  countColour(counts, sim::curveColour(page)) > 200);
    EXPECT_TRUE(plotShown);
}

TEST(ScriptedDemoTest, TheSessionEndsBySelfAndLeavesPicturesOfThePlots)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess demo;
    demo.setProcessChannelMode(QProcess::MergedChannels);
    demo.start(QStringLiteral(QT_DEMO_EXECUTABLE), {"--script", "--out", output.path()});
    ASSERT_TRUE(demo.waitForFinished(90000)) << "the scripted session did not end by itself";
    const QString account = QString::fromUtf8(demo.readAll());
    EXPECT_EQ(QProcess::NormalExit, demo.exitStatus());
    EXPECT_EQ(0, demo.exitCode()) << account.toStdString();

    // Both long operations were interrupted through the engine's own call.
    EXPECT_EQ(2, account.count(QStringLiteral("library > engine: OrvUtilInterrupt()")));
    for (const char* name : {"01-host-page.png", "02-engine-page.png", "03-resized.png", "04-dragged.png",
                             "05-busy.png", "export.png"})
        expectPlot(QDir(output.path()).filePath(QString::fromLatin1(name)));
}

} // namespace
