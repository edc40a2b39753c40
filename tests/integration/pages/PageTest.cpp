// A page's own behaviour: identity and name learnt from the engine, drawing
// areas, damage folding, listeners and the application-lock brackets.
#include "integration/intern/Page.h"
#include "integration/PageChangeListenerInterface.h"
#include "integration/PageInterface.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <utility>

namespace {

using namespace orvane::sdk::integration;
using orvane::sdk::ui::common::processIdleActions;
using orvane::test::ranOutsideAppLock;
using orvane::test::ranUnderAppLock;
namespace sim = orvane::sim;
typedef std::vector<std::string> Lines;

class PageTest : public orvane::test::PageManagerFixture
{
protected:
    // Records the page's listener calls and signals.
    void watch(PageInterface& page)
    {
        page.addChangeListener(&recorder);
        recorder.recordSignals(page);
    }
};

TEST_F(PageTest, LearnsItsUniqueIdFromTheFirstCurrentPageChange)
{
    // A page the manager has not created, on an engine without page
    // callbacks: with no engine page, state changes are ignored.
    sim::reset();
    Page page(*manager, nullptr);
    sim::fireStateChange(50);
    EXPECT_EQ(0, page.getUniqueID());
    // Without an id, attaching a drawing area reports no damage.
    page.setDrawArea(&d3);
    EXPECT_EQ(0u, sim::countCalls("OrvEngPageDamaged"));
    page.setDrawArea(nullptr);

    OrvEngPageCreateNew(12345, nullptr); // the engine's page 1, made current
    EXPECT_EQ(1, page.getUniqueID());
    OrvEngPageCreateNew(67890, nullptr); // another current page: the id stays
    EXPECT_EQ(1, page.getUniqueID());
    EXPECT_TRUE(ranOutsideAppLock("OrvUtilPageGetCount"));
}

TEST_F(PageTest, FollowsNameChangesOfItsOwnPage)
{
    PageInterface& first = addPage(&d1);
    PageInterface& second = addPage(&d2);
    watch(first);
    EXPECT_EQ("", second.getName()); // not read from the engine yet

    // A layout change makes every page read its name.
    sim::fireStateChange(31);
    EXPECT_EQ("Page 1", first.getName());
    EXPECT_EQ("Page 2", second.getName());
    EXPECT_EQ((Lines{"listener name #1", "signal name #1"}), log); // the old name was empty

    log.clear();
    sim::renamePage(1, "Overview");
    EXPECT_EQ("Overview", first.getName());
    EXPECT_EQ((Lines{"listener name #1 Page 1", "signal name #1 Page 1"}), log);

    // Another page's rename, by either style name, does not concern it.
    log.clear();
    sim::renamePage(2, "Details");
    sim::fireStateChange(7, {"PAGENAME"}, 2);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ("Overview", first.getName());
    EXPECT_EQ("Details", second.getName());
    EXPECT_TRUE(ranOutsideAppLock("OrvUtilStyleGetString"));

    // A plot-type change refreshes the name only while a layout is processed
    // (the engine named the new page "Page 3"; it has not read it).
    PageInterface& third = addPage(&d3);
    sim::fireStateChange(7, {"PLOTTYPE"}, 3);
    EXPECT_EQ("", third.getName());
    sim::setProcessingLayout(true);
    sim::fireStateChange(7, {"PLOTTYPE"}, 3);
    EXPECT_EQ("Page 3", third.getName());
}

// Name listeners that delete or create pages while a layout change is
// handed out (each page reads its name): a deleted page is not told, every
// page alive is told once.
TEST_F(PageTest, AStateChangeReachesEveryLivePageWhateverTheNameListenersDo)
{
    struct NameListener : PageChangeListenerInterface
    {
        std::function<void()> reaction;
        void pageNameChanged(std::string, PageInterface&) override
        {
            if (reaction)
                reaction();
        }
        void pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface&) override {}
    } listeners[3];
    bool reacted = false;
    const auto watchAll = [&](PageInterface* const(&pages)[3], std::function<void(int)> reaction) {
        reacted = false;
        for (int i = 0; i < 3; ++i)
        {
            pages[i]->addChangeListener(&listeners[i]);
            listeners[i].reaction = [&reacted, reaction, i] {
                if (!std::exchange(reacted, true))
                    reaction(i);
            };
        }
    };

    // The first page told deletes the others: they are not told.
    PageInterface* const doomed[] = {&addPage(&d1), &addPage(&d2), &addPage(&d3)};
    std::size_t mark = 0;
    watchAll(doomed, [&](int first) {
        for (int other = 0; other < 3; ++other)
            if (other != first)
            {
                doomed[other]->removeChangeListener(&listeners[other]);
                manager->deletePage(*doomed[other]);
            }
        // (An engine that reports deletions later has deleted nothing yet.)
        mark = manager->pageCount() == 1 ? sim::calls().size() : std::numeric_limits<std::size_t>::max();
    });
    sim::fireStateChange(31);
    sim::deliverPendingCallbacks(); // (an engine that reports the deletions later)
    ASSERT_EQ(1, manager->pageCount());
    for (std::size_t call = mark; call < sim::calls().size(); ++call)
        EXPECT_EQ(std::string::npos, sim::calls()[call].name.find("OrvUtilStyleGetString")) << "a deleted page was told";

    // The first page told creates one and names it (two nested state
    // changes): the others are still told of the layout change.
    PageInterface& survivor = *manager->getCurrentPage();
    for (NameListener& listener : listeners)
        survivor.removeChangeListener(&listener);
    PageInterface* const pages[] = {&survivor, &addPage(&d2), &addPage(&d3)};
    sim::renamePage(survivor.getUniqueID(), "renamed");
    watchAll(pages, [this](int) { addPage(nullptr).setName("added"); });
    sim::fireStateChange(31);
    for (PageInterface* page : pages)
        EXPECT_EQ(sim::findPage(page->getUniqueID())->name, page->getName());
    EXPECT_EQ(4, manager->pageCount());
    for (int i = 0; i < 3; ++i)
        pages[i]->removeChangeListener(&listeners[i]);
}

TEST_F(PageTest, SetNameWritesThroughTheEngineAndNotifiesOnce)
{
    PageInterface& page = addPage(&d1);
    watch(page);
    sim::clearCalls();

    EXPECT_TRUE(page.setName("Overview"));
    EXPECT_EQ("Overview", sim::findPage(1)->name);
    EXPECT_EQ((Lines{"listener name #1", "signal name #1"}), log);
    EXPECT_TRUE(ranUnderAppLock("OrvUtilStyleSetString", 0));

    sim::clearCalls();
    EXPECT_TRUE(page.setName("Overview"));
    EXPECT_TRUE(sim::calls().empty());

    log.clear();
    sim::setStyleSetResult(SetValueReturnCode_InvalidValue);
    EXPECT_FALSE(page.setName("Other"));
    EXPECT_EQ("Overview", page.getName());
    EXPECT_TRUE(log.empty());
}

TEST_F(PageTest, MovingADrawingAreaDetachesTheOtherPageFirst)
{
    PageInterface& a = addPage(&d1);
    PageInterface& b = addPage(&d2);
    watch(a);
    watch(b);
    sim::clearCalls();

    b.setDrawArea(&d1);
    EXPECT_EQ((Lines{"listener area #1 D1", "signal area #1 D1", "listener area #2 D2", "signal area #2 D2"}), log);
    EXPECT_EQ(nullptr, a.getDrawArea());
    EXPECT_EQ(&d1, b.getDrawArea());
    EXPECT_TRUE(d2.stateListeners.empty());
    EXPECT_EQ(1u, d1.stateListeners.size());
    // The page knows its id: the new drawing area is damaged at once.
    EXPECT_EQ((Lines{"OrvEngPageDamaged(1, 2)"}), sim::callTexts("OrvEngPageDamaged"));
    EXPECT_TRUE(ranOutsideAppLock("OrvEngPageDamaged"));

    log.clear();
    sim::clearCalls();
    b.setDrawArea(&d1); // the same drawing area: nothing
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(sim::calls().empty());
}

TEST_F(PageTest, ExposesFoldIntoOneDamageReportPerIdleTime)
{
    addPage(&d1);
    sim::clearCalls();
    d1.simulateExpose(false);
    d1.simulateExpose(true);
    d1.simulateExpose(false); // a waiting full report is not downgraded
    EXPECT_EQ(0u, sim::countCalls("OrvEngPageDamaged"));
    processIdleActions();
    EXPECT_EQ((Lines{"OrvEngPageDamaged(1, 1)"}), sim::callTexts("OrvEngPageDamaged"));
    EXPECT_TRUE(ranUnderAppLock("OrvEngPageDamaged", 0));

    sim::clearCalls();
    d1.simulateExpose(false);
    d1.simulateExpose(false);
    processIdleActions();
    EXPECT_EQ((Lines{"OrvEngPageDamaged(0, 1)"}), sim::callTexts("OrvEngPageDamaged"));
}

TEST_F(PageTest, RedrawCancelsTheWaitingDamageAndDrawsUnderTheLock)
{
    PageInterface& first = addPage(&d1);
    addPage(&d2);
    d1.simulateExpose(true);
    sim::clearCalls();

    EXPECT_TRUE(first.redraw());
    EXPECT_EQ(1, sim::currentPageId()); // made current first
    EXPECT_TRUE(ranUnderAppLock("OrvUtilRedraw", 0));
    EXPECT_EQ(1, d1.context.count(orvane::test::TestGLContext::Call_SwapBuffers));
    processIdleActions();
    EXPECT_EQ(0u, sim::countCalls("OrvEngPageDamaged"));
}

// A listener that throws at a move: every listener and the signal still
// hear of it before the exception passes on. A page that goes while its
// drawing area is not valid stops listening to the area all the same.
TEST_F(PageTest, AThrowingListenerOrAnInvalidAreaLeavesThePageInStep)
{
    PageInterface& page = addPage(&d1);
    struct Throwing : PageChangeListenerInterface
    {
        void pageNameChanged(std::string, PageInterface&) override {}
        void pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface&) override { throw std::runtime_error("host"); }
    } throwing[2];
    page.addChangeListener(&throwing[0]);
    page.addChangeListener(&throwing[1]);
    watch(page);
    EXPECT_THROW(page.setDrawArea(&d2), std::runtime_error);
    EXPECT_EQ((Lines{"listener area #1 D1", "signal area #1 D1"}), log);
    EXPECT_EQ(&d2, page.getDrawArea());

    // A page created on that area takes it all the same; the exception
    // reaches addPage's caller once the page is there. Moving the page
    // from inside that is refused.
    struct Mover : PageChangeListenerInterface
    {
        PageInterface* moved = nullptr;
        orvane::test::TestDrawArea elsewhere;
        void pageNameChanged(std::string, PageInterface&) override {}
        void pageDrawAreaChanged(GLDrawAreaInterface*, PageInterface&) override
        {
            if (moved != nullptr)
            {
                EXPECT_THROW(std::exchange(moved, nullptr)->setDrawArea(&elsewhere), orvane::ExceptionBase);
            }
        }
    } mover;
    page.addChangeListener(&mover);
    EXPECT_THROW(addPage(&d2), std::runtime_error);
    ASSERT_EQ(2, manager->pageCount());
    EXPECT_EQ(&d2, manager->getCurrentPage()->getDrawArea());
    EXPECT_EQ(nullptr, page.getDrawArea());
    EXPECT_THROW(page.setDrawArea(&d1), std::runtime_error); // its own listeners
    PageInterface& taker = *manager->getCurrentPage();
    mover.moved = &taker;
    EXPECT_THROW(taker.setDrawArea(&d1), std::runtime_error);
    EXPECT_EQ(&d1, taker.getDrawArea());
    EXPECT_EQ(nullptr, mover.moved);
    page.removeChangeListener(&mover);
    page.removeChangeListener(&throwing[0]);
    page.removeChangeListener(&throwing[1]);

    d2.valid = false;
    sim::deletePage(1);
    EXPECT_TRUE(d2.stateListeners.empty());
    d2.simulateExpose(true); // reaches no freed page
}

} // namespace
