// Pages rendered per second at 1024 x 768 with no display (the headless
// kit: the frame of a drawing area, and an offscreen image export) against
// the same page exported through the Qt kit's offscreen image, in one run.
// Each path runs for about a second after one warm-up page; run it on a
// display (the Qt kit's OpenGL needs one): ./run.sh bench does, under
// xvfb-run.
#include "kits/TwoKitSession.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

const int Width = 1024;
const int Height = 768;

// Pages per second of `render`, which answers whether the page came out.
double pagesPerSecond(const std::function<bool()>& render)
{
    if (!render())
        return 0.0;
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(1);
    int pages = 0;
    auto now = start;
    while (now < end)
    {
        if (!render())
            return 0.0;
        ++pages;
        now = std::chrono::steady_clock::now();
    }
    return pages / std::chrono::duration<double>(now - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    TwoKitSession session(Width, Height);
    if (!session.started())
    {
        std::fprintf(stderr, "bench_pages: the engine did not start\n");
        return 1;
    }
    const double drawn = pagesPerSecond([&] { return !session.drawHeadless().empty(); });
    const double headless = pagesPerSecond([&] { return session.exportWith(TwoKitSession::Kit_Headless).ok; });
    const double qt = pagesPerSecond([&] { return session.exportWith(TwoKitSession::Kit_Qt).ok; });
    std::printf("\nPages rendered per second at %d x %d (higher is better)\n\n", Width, Height);
    std::printf("| path | pages/s | against the Qt kit's export |\n|---|---:|---:|\n");
    std::printf("| headless kit, drawing area frame (no display) | %.1f | %.2f |\n", drawn, qt > 0 ? drawn / qt : 0.0);
    std::printf("| headless kit, offscreen image export (no display) | %.1f | %.2f |\n", headless,
                qt > 0 ? headless / qt : 0.0);
    std::printf("| Qt kit, offscreen image export (virtual display) | %.1f | 1.00 |\n", qt);
    return drawn > 0 && headless > 0 && qt > 0 ? 0 : 1;
}
