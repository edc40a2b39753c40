// The four render callbacks, as the engine calls them for every destination
// code, and the stack of page render deciders.
#include "integration/Diagnostics.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/services/OffscreenImageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"
#include "util/ScopedExitAction.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <stdexcept>

namespace {

using namespace orvane::sdk::integration;
using orvane::test::TestDrawArea;
using orvane::test::TestGLContext;
namespace sim = orvane::sim;
typedef std::vector<TestGLContext::Call> Calls;

class RefusingDecider : public PageRenderDeciderInterface
{
public:
    bool shouldOpenGLBuffersBeSwapped(PageInterface&) const override { return false; }
};

class TestImage : public services::OffscreenImageInterface
{
public:
    TestGLContext context;
    bool render(ExportRegion_e) override { return true; }
    GLContextInterface& getGLContext() override { return context; }
};

class RenderDestinationTest : public orvane::test::PageManagerFixture
{
protected:
    bool query(ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderQuery;
        return callback.callback(handle, callback.clientData) == TRUE;
    }
    bool destination(int code, ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderDest;
        return callback.callback(code, handle, callback.clientData) == TRUE;
    }
    void swap(ArbParam_t handle)
    {
        const auto callback = sim::callbacks().swapBuffers;
        callback.callback(handle, callback.clientData);
    }
    std::pair<int, int> size(ArbParam_t handle)
    {
        const auto callback = sim::callbacks().renderDestSize;
        int width = -1;
        int height = -1;
        callback.callback(handle, callback.clientData, &width, &height);
        return {width, height};
    }
    static ArbParam_t handleOf(services::OffscreenImageInterface& image)
    {
        return static_cast<ArbParam_t>(reinterpret_cast<std::intptr_t>(&image));
    }
};

TEST_F(RenderDestinationTest, OffscreenImagesUseTheirOwnContext)
{
    addPage(&d1);
    TestImage image;
    EXPECT_TRUE(destination(2, handleOf(image)));
    EXPECT_TRUE(destination(0, handleOf(image)));
    EXPECT_EQ((Calls{TestGLContext::Call_MakeCurrent, TestGLContext::Call_ReleaseCurrent}), image.context.calls);
    EXPECT_TRUE(d1.context.calls.empty());
    EXPECT_FALSE(destination(2, 0));
}

TEST_F(RenderDestinationTest, TheTopDeciderDecidesTheSwap)
{
    addPage(&d1);
    manager->pushPageRenderDecider(boost::make_shared<RefusingDecider>());
    sim::drawCurrentPage();
    EXPECT_EQ(0, d1.context.count(TestGLContext::Call_SwapBuffers));
    manager->popPageRenderDecider();
    sim::drawCurrentPage();
    EXPECT_EQ(1, d1.context.count(TestGLContext::Call_SwapBuffers));

    // With even the default decider popped, pictures are still shown.
    manager->popPageRenderDecider();
    manager->popPageRenderDecider();
    sim::drawCurrentPage();
    EXPECT_EQ(2, d1.context.count(TestGLContext::Call_SwapBuffers));

    // A decider that has the page deleted and pops itself: nothing is
    // swapped, nothing freed is touched, and the engine is not blamed.
    struct Deleting : PageRenderDeciderInterface
    {
        PageManagerInterface* pages = nullptr;
        bool shouldOpenGLBuffersBeSwapped(PageInterface& page) const override
        {
            pages->deletePage(page);
            pages->popPageRenderDecider();
            return true;
        }
    };
    sim::setMinimalCallbacks(false); // the page goes inside the decider
    const auto deleting = boost::make_shared<Deleting>();
    deleting->pages = manager.get();
    manager->pushPageRenderDecider(deleting);
    Diagnostics::setCheckedMode(true);
    const Diagnostics::Handler previous = Diagnostics::setHandler(
        [](Diagnostics::Severity_e, const std::string& identifier, const std::string&) { ADD_FAILURE() << identifier; });
    sim::drawCurrentPage();
    Diagnostics::setHandler(previous);
    Diagnostics::setCheckedMode(false);
    EXPECT_EQ(2, d1.context.count(TestGLContext::Call_SwapBuffers));
    EXPECT_EQ(0, manager->pageCount());

    // The same for a swap outside a frame: the deleted page is not touched
    // (ASan), and the next swap goes to the page asked for.
    PageInterface& kept = addPage(&d2);
    PageInterface& doomed = addPage(&d3);
    manager->pushPageRenderDecider(deleting);
    swap(doomed);
    swap(kept);
    EXPECT_EQ(0, d3.context.count(TestGLContext::Call_SwapBuffers));
    EXPECT_EQ(1, d2.context.count(TestGLContext::Call_SwapBuffers));
    EXPECT_EQ(1, manager->pageCount());
}

// The library keeps the page of the last frame and its drawing area from
// one callback to the next. Whatever changes in between (the page's drawing
// area, the area's answers and context, the deciders, checked mode), each
// callback answers as one that looks the page up afresh, and each context
// call reaches the context the drawing area has now: the page's, or for a
// frame's end and swap the one its begin made current.
// A page change listener that throws at every move while `throwing`.
struct ThrowingListener : PageChangeListenerInterface
{
    bool throwing = false;
    void pageNameChanged(std::string, PageInterface&) override {}
    void pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface&) override
    {
        if (throwing)
            throw std::runtime_error("listener");
    }
};

// Whatever moves, whatever the listeners of a move do, and whichever
// context the drawing area has now.
TEST_F(RenderDestinationTest, EveryCallbackAnswersForThePagesDrawingAreaOfNow)
{
    TestDrawArea* const areas[] = {&d1, &d2, &d3};
    TestGLContext recreated[3];
    ThrowingListener listener;
    d2.width = 100;
    d2.height = 50;
    d3.width = 0;
    d3.height = 7;
    PageInterface* const pages[] = {&addPage(&d1), &addPage(&d2), &addPage(nullptr)};
    for (PageInterface* page : pages)
        page->addChangeListener(&listener);
    const auto contextOf = [](TestDrawArea* area) -> TestGLContext& {
        if (area->recreatedContext != nullptr)
            return *area->recreatedContext;
        return area->context;
    };
    const Diagnostics::Handler previousHandler = Diagnostics::setHandler(
        [](Diagnostics::Severity_e, const std::string& identifier, const std::string&) {
            EXPECT_EQ("render.", identifier.substr(0, 7)); // no stale page handle, no wrong thread
        });
    const bool checked = Diagnostics::isCheckedMode();
    const ScopedExitAction restore([&] {
        for (PageInterface* page : pages)
            page->removeChangeListener(&listener);
        Diagnostics::setCheckedMode(checked);
        Diagnostics::setHandler(previousHandler);
    });
    std::mt19937 random(11);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    int lastCode = 255;
    bool refusing = false;
    // The frame under way: the page of the last screen begin and the
    // drawing area it made current, until the page's swap; when the page
    // left that area meanwhile, the answer of the release made then.
    PageInterface* framePage = nullptr;
    TestDrawArea* frameArea = nullptr;
    bool frameLeft = false;
    bool frameReleased = false;
    for (int step = 0; step < 20000; ++step)
    {
        const int pageIndex = pick(4);
        PageInterface* page = pageIndex < 3 ? pages[pageIndex] : nullptr;
        const ArbParam_t handle = page != nullptr ? static_cast<ArbParam_t>(*page) : 0;
        TestDrawArea* area = nullptr;
        for (TestDrawArea* candidate : areas)
            if (page != nullptr && page->getDrawArea() == candidate)
                area = candidate;
        const bool valid = area != nullptr && area->valid;
        std::size_t before[3];
        for (int i = 0; i < 3; ++i)
            before[i] = areas[i]->context.calls.size() + recreated[i].calls.size();
        // The call the step expects of the area's context, if any.
        int expectedCall = -1;
        switch (pick(9))
        {
        case 0:
        {
            listener.throwing = pick(3) == 0;
            if (page == nullptr)
                break;
            TestDrawArea* const target = pick(4) < 3 ? areas[pick(3)] : nullptr;
            // The frame's page leaves its area when it moves away from it,
            // or when another page takes the area from it.
            const bool leaves = framePage != nullptr && !frameLeft && target != area &&
                                ((page == framePage && area == frameArea) ||
                                 (page != framePage && target == frameArea && target != nullptr));
            if (leaves)
            {
                frameLeft = true;
                frameReleased = lastCode == 1 && contextOf(frameArea).releaseCurrentSucceeds;
                if (lastCode == 1)
                    expectedCall = TestGLContext::Call_ReleaseCurrent;
            }
            area = leaves ? frameArea : nullptr;
            try
            {
                page->setDrawArea(target);
            }
            catch (const std::runtime_error&)
            {
            }
            break;
        }
        case 1:
        {
            const int index = pick(3);
            TestDrawArea& changed = *areas[index];
            if (pick(4) == 0)
            {
                changed.recreatedContext = changed.recreatedContext != nullptr ? nullptr : &recreated[index];
                contextOf(&changed).makeCurrentSucceeds = true;
                contextOf(&changed).releaseCurrentSucceeds = true;
                break;
            }
            bool* const flags[] = {&changed.valid, &changed.renderable, &contextOf(&changed).makeCurrentSucceeds,
                                   &contextOf(&changed).releaseCurrentSucceeds};
            bool& flag = *flags[pick(4)];
            flag = !flag;
            break;
        }
        case 2:
            if (refusing)
                manager->popPageRenderDecider();
            else
                manager->pushPageRenderDecider(boost::make_shared<RefusingDecider>());
            refusing = !refusing;
            break;
        case 3:
            Diagnostics::setCheckedMode(pick(2) == 0);
            break;
        case 4:
            EXPECT_EQ(valid && area->renderable, query(handle)) << "step " << step;
            break;
        case 5:
        {
            const std::pair<int, int> expected =
                page == nullptr ? std::make_pair(-1, -1)
                : valid         ? std::make_pair(std::max(area->width, 1), std::max(area->height, 1))
                                : std::make_pair(800, 600);
            EXPECT_EQ(expected, size(handle)) << "step " << step;
            break;
        }
        case 6:
        case 7:
        {
            const int codes[] = {0, 1, 3, 7};
            const int code = codes[pick(4)];
            bool expected = code == 3 || (code == 0 && lastCode == 3);
            if (code == 1)
            {
                framePage = area != nullptr ? page : nullptr;
                frameArea = area;
                frameLeft = false;
            }
            // The end acts on the area its frame's begin made current, or
            // answers the release made when the page left it.
            if (code == 0 && lastCode == 1 && page != nullptr && page == framePage)
            {
                area = frameLeft ? nullptr : frameArea;
                if (frameLeft)
                {
                    lastCode = code;
                    EXPECT_EQ(frameReleased, destination(code, handle)) << "step " << step;
                    break;
                }
            }
            if (area != nullptr && code == 1)
            {
                expectedCall = TestGLContext::Call_MakeCurrent;
                expected = contextOf(area).makeCurrentSucceeds;
            }
            if (area != nullptr && code == 0 && lastCode == 1)
            {
                expectedCall = TestGLContext::Call_ReleaseCurrent;
                expected = contextOf(area).releaseCurrentSucceeds;
            }
            lastCode = code;
            EXPECT_EQ(expected, destination(code, handle)) << "step " << step << ", code " << code;
            break;
        }
        case 8:
            // The frame's swap goes to its area and ends it.
            if (page != nullptr && page == framePage)
            {
                area = frameLeft ? nullptr : frameArea;
                framePage = nullptr;
            }
            if (area != nullptr && !refusing)
                expectedCall = TestGLContext::Call_SwapBuffers;
            swap(handle);
            break;
        }
        for (int i = 0; i < 3; ++i)
        {
            // Only the context the area has now is called.
            const std::vector<TestGLContext::Call>& calls = contextOf(areas[i]).calls;
            const std::size_t now = areas[i]->context.calls.size() + recreated[i].calls.size();
            if (areas[i] == area && expectedCall >= 0)
                ASSERT_TRUE(now == before[i] + 1 && calls.back() == expectedCall) << "step " << step;
            else
                ASSERT_EQ(before[i], now) << "step " << step;
        }
    }
}

} // namespace
