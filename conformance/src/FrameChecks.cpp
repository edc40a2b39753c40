// Frames: what the engine draws through the library reaches the screen, in
// the right window, with the context calls answered as the engine needs.
#include "Checks.h"
#include "ContractText.h"
#include "FramedDrawArea.h"
#include "InputRecorder.h"

#include "integration/GLContextInterface.h"
#include "integration/PageInterface.h"

#include <algorithm>
#include <cstdlib>

namespace orvane {
namespace sdk {
namespace hostconformance {

using integration::GLDrawAreaInterface;

namespace {

const GLPainter::Colour Red{200, 30, 30};
const GLPainter::Colour Blue{30, 40, 200};
const GLPainter::Colour Green{30, 180, 60};

bool contains(const std::vector<std::string>& entries, const std::string& entry)
{
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

bool near(unsigned char a, unsigned char b) { return std::abs(int(a) - int(b)) <= 3; }

// What the window shows, compared with the colour it should show.
struct ScreenLook
{
    bool grabbed = false;
    int width = 0;
    int height = 0;
    double share = 0.0; // of the pixels showing the colour
    GLPainter::Colour centre{0, 0, 0};
};

ScreenLook look(HostDriver& driver, GLDrawAreaInterface& drawArea, GLPainter::Colour colour)
{
    ScreenLook result;
    std::vector<unsigned char> rgb;
    result.grabbed = driver.grabScreen(drawArea, result.width, result.height, rgb);
    const std::size_t pixels = std::size_t(std::max(result.width, 0)) * std::size_t(std::max(result.height, 0));
    if (!result.grabbed || pixels == 0 || rgb.size() < pixels * 3)
        return result;
    std::size_t matching = 0;
    for (std::size_t pixel = 0; pixel < pixels; ++pixel)
        matching += near(rgb[pixel * 3], colour.red) && near(rgb[pixel * 3 + 1], colour.green) &&
                    near(rgb[pixel * 3 + 2], colour.blue);
    result.share = double(matching) / double(pixels);
    const std::size_t centre = (std::size_t(result.height / 2) * std::size_t(result.width) + std::size_t(result.width / 2)) * 3;
    result.centre = GLPainter::Colour{rgb[centre], rgb[centre + 1], rgb[centre + 2]};
    return result;
}

// Whether the driver reads the window's pixels from the screen.
bool givesPixels(HostDriver& driver, GLDrawAreaInterface& drawArea)
{
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    return driver.grabScreen(drawArea, width, height, rgb);
}

void expectShows(ConformanceTest& test, GLDrawAreaInterface& drawArea, GLPainter::Colour colour, const std::string& when)
{
    ScreenLook shown;
    test.waitFor([&] {
        shown = look(test.driver(), drawArea, colour);
        return shown.share > 0.9;
    });
    ASSERT_TRUE(shown.grabbed) << hostClassOf(test.driver()) << ": grabScreen() gave pixels once, then no more";
    int width = 0, height = 0;
    drawArea.getSize(width, height);
    EXPECT_TRUE(std::abs(shown.width - width) <= 1 && std::abs(shown.height - height) <= 1)
        << contractText(hostClassOf(drawArea),
                        "getSize() (" + std::to_string(width) + " x " + std::to_string(height) +
                            ") to be the size of the window on the screen (" + std::to_string(shown.width) + " x " +
                            std::to_string(shown.height) + " device pixels)",
                        "report getSize() in device pixels: the logical size times the window's device pixel ratio");
    EXPECT_GT(shown.share, 0.9) << contractText(
        hostClassOf(drawArea.getGLContext()),
        "the frame the engine drew into this window (" + colour.text() + ") on the screen " + when +
            "; it shows " + shown.centre.text() + " at its centre (" + std::to_string(int(shown.share * 100)) +
            "% of it right)",
        "the engine calls swapBuffers() after releaseCurrent(), with no context current, once the frame is finished: "
        "the window must then show that frame, by swapping its own back buffer (make the context current on this "
        "window's surface for the swap, or swap through the window system) or, where the toolkit owns presentation "
        "and draws only when it paints, by handing the frame over and having the toolkit show it at its next paint; "
        "makeCurrent() must bind this window's own surface or framebuffer");
}

} // namespace

void checkFramesReachTheScreen(ConformanceTest& test)
{
    HostDriver& driver = test.driver();
    std::unique_ptr<GLDrawAreaInterface> first = test.makeDrawArea(240, 160);
    std::unique_ptr<GLDrawAreaInterface> second = test.makeDrawArea(160, 120);
    ASSERT_TRUE(first && second);
    if (!givesPixels(driver, *first))
        GTEST_SKIP() << hostClassOf(driver)
                     << " gives no screen pixels (grabScreen() answers false): frames on the screen are not checked";
    GLPainter painter(driver);
    FramedDrawArea framedFirst(*first, painter);
    FramedDrawArea framedSecond(*second, painter);
    const ConformanceTest::PageScope pageScope(test);
    integration::PageInterface& firstPage = test.pages().addPage(&framedFirst);
    integration::PageInterface& secondPage = test.pages().addPage(&framedSecond);
    framedFirst.setColour(Red);
    framedSecond.setColour(Blue);
    test.settle();
    firstPage.redraw();
    secondPage.redraw();
    if (contains(framedFirst.frameCalls(), "cannot paint"))
        GTEST_FAIL() << painter.legacyFailure(hostClassOf(first->getGLContext()));
    if (contains(framedFirst.frameCalls(), "not painted"))
        GTEST_SKIP() << hostClassOf(driver)
                     << " resolves no OpenGL functions (glProcAddress() answers null): frames on the screen are not "
                        "checked";

    expectShows(test, *first, Red, "after its page was drawn");
    expectShows(test, *second, Blue, "after its page was drawn");
    framedFirst.setColour(Green);
    firstPage.redraw();
    expectShows(test, *first, Green, "after its page was drawn again");
    expectShows(test, *second, Blue, "while another window's page was drawn");

    int width = 0, height = 0;
    driver.resize(*first, 200, 140);
    test.waitFor([&] {
        first->getSize(width, height);
        return width == 200 && height == 140;
    });
    firstPage.redraw();
    expectShows(test, *first, Green, "after its window was resized and its page drawn again");

    // The engine swaps no interrupted frame: what it drew must not show.
    ASSERT_TRUE(first->getGLContext().makeCurrent());
    painter.fill(Red, 0, 0, width, height);
    first->getGLContext().releaseCurrent();
    test.settle();
    const ScreenLook unswapped = look(driver, *first, Green);
    EXPECT_GT(unswapped.share, 0.9) << contractText(
        hostClassOf(first->getGLContext()),
        "a frame drawn but not swapped to stay off the screen; it shows " + unswapped.centre.text() + " at its centre",
        "draw into a back buffer (or a framebuffer of the host's) and show it only at swapBuffers()");
}

// The engine may run a busy pass in the middle of a frame, in which other
// windows repaint: it draws on into whatever is current when the pass
// returns.
void checkBusyPassKeepsTheFramesContext(ConformanceTest& test)
{
    HostDriver& driver = test.driver();
    std::unique_ptr<GLDrawAreaInterface> frame = test.makeDrawArea(200, 150);
    std::unique_ptr<GLDrawAreaInterface> other = test.makeDrawArea(160, 120);
    ASSERT_TRUE(frame && other);
    if (!givesPixels(driver, *frame))
        GTEST_SKIP() << hostClassOf(driver) << " gives no screen pixels: the frame's context is not checked";
    integration::intern::ApplicationEventMonitorAbstract& monitor = test.session().monitor();
    InputRecorder recorder(*other, monitor);
    test.settle();
    recorder.onKeyPressed([&other](int) { other->getGLContext().makeCurrent(); });
    driver.pressKey(*other, 'a', 0);
    integration::GLContextInterface& context = frame->getGLContext();
    ASSERT_TRUE(context.makeCurrent());
    monitor.processPendingEvents();
    GLPainter painter(driver);
    int width = 0, height = 0;
    frame->getSize(width, height);
    const GLPainter::Result_e painted = painter.fill(Green, 0, 0, width, height);
    context.releaseCurrent();
    context.swapBuffers();
    recorder.onKeyPressed(nullptr);
    if (painted != GLPainter::Result_Painted)
        GTEST_SKIP() << "the frame could not be painted (see FramesReachTheScreen)";
    ScreenLook shown;
    test.waitFor([&] {
        shown = look(driver, *frame, Green);
        return shown.share > 0.9;
    });
    EXPECT_GT(shown.share, 0.9) << contractText(
        hostClassOf(monitor),
        "a frame drawn across a busy pass, in which another window's listener made that window's context current, "
        "on the screen (" + Green.text() + "); it shows " + shown.centre.text() + " at its centre",
        "processPendingEvents() must leave current the OpenGL context current on entry, with its framebuffer bound: "
        "the engine may be in the middle of a frame");

    // Unless the frame's window went in the pass: nothing may touch it then.
    recorder.onKeyPressed([&](int) {
        other->getGLContext().makeCurrent();
        driver.destroyWindow(*frame);
    });
    driver.pressKey(*other, 'b', 0);
    ASSERT_TRUE(context.makeCurrent());
    EXPECT_NO_THROW(monitor.processPendingEvents());
    recorder.onKeyPressed(nullptr);
    other->getGLContext().releaseCurrent();
}

void checkFramesUseTheDrawAreasOwnContext(ConformanceTest& test)
{
    std::unique_ptr<GLDrawAreaInterface> first = test.makeDrawArea(200, 150);
    std::unique_ptr<GLDrawAreaInterface> second = test.makeDrawArea(160, 120);
    ASSERT_TRUE(first && second);
    const std::string hostClass = hostClassOf(*first);
    EXPECT_EQ(&first->getGLContext(), &first->getGLContext())
        << contractText(hostClass, "getGLContext() to give the same context every time",
                        "keep one GLContextInterface per window and return it");
    EXPECT_NE(&first->getGLContext(), &second->getGLContext())
        << contractText(hostClass, "each drawing area to have a context of its own",
                        "give each window its own GLContextInterface, bound to that window's surface");
    EXPECT_TRUE(first->isValid() && first->canRender())
        << contractText(hostClass, "isValid() and canRender() to answer true for a window shown and exposed",
                        "answer isValid() while the native window exists and canRender() while it is also exposed "
                        "and has a context and a size");

    GLPainter painter(test.driver());
    FramedDrawArea framed(*first, painter);
    const ConformanceTest::PageScope pageScope(test);
    integration::PageInterface& page = test.pages().addPage(&framed);
    test.settle();
    framed.clearFrameCalls();
    page.redraw();
    std::vector<std::string> calls = framed.frameCalls();
    EXPECT_FALSE(contains(calls, "cannot paint")) << painter.legacyFailure(hostClassOf(first->getGLContext()));
    calls.erase(std::remove_if(calls.begin(), calls.end(),
                               [](const std::string& call) { return call.find("paint") != std::string::npos; }),
                calls.end());
    EXPECT_EQ((std::vector<std::string>{"makeCurrent true", "releaseCurrent true", "swapBuffers"}), calls)
        << contractText(hostClassOf(first->getGLContext()),
                        "makeCurrent() and releaseCurrent() to answer true for a shown window, so that a frame is "
                        "drawn and swapped",
                        "make the context current on the window's surface in makeCurrent() and release it in "
                        "releaseCurrent(), answering whether it worked");

    framed.clearFrameCalls();
    test.driver().expose(*first);
    EXPECT_TRUE(test.waitFor([&] {
        const std::vector<std::string>& now = framed.frameCalls();
        return std::find(now.begin(), now.end(), "swapBuffers") != now.end();
    })) << contractText(hostClass, "an expose of the window to get its page redrawn at idle time",
                        "report exposes to the state listeners (intern::GLDrawAreaStateObservable::notifyOfExposed), "
                        "run the library's idle actions (processIdleActions() or an IdleActionScheduler) and report "
                        "idle time to the monitor (notifyOfIdle) whenever the event loop goes idle");
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
