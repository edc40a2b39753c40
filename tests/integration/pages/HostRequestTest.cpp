// The host's setCurrentPage and deletePage, as the engine sees them: what is
// asked at once, what waits for idle time and in which order, against an
// engine that reports pages inside its calls and one that reports them
// later (minimal callbacks).
#include "integration/Diagnostics.h"
#include "integration/PageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

using namespace orvane::sdk::integration;
using orvane::sdk::ui::common::processIdleActions;
namespace sim = orvane::sim;
typedef std::vector<std::string> Lines;

// The engine's page switches ("s1": to page 1) and deletions ("d"), with
// the lock they ran under unless it is the lock of value 0 ("s1 unlocked",
// "d lock 1").
Lines pageRequests()
{
    Lines requests;
    for (const sim::EngineCall& call : sim::calls())
        if (call.name == "OrvUtilPageSetCurrentByUniqueID" || call.name == "OrvUtilPageDelete")
            requests.push_back((call.name == "OrvUtilPageDelete" ? "d" : "s" + call.text().substr(32, 1)) +
                               (call.lockDepth == 0   ? " unlocked"
                                : call.lockValue == 0 ? ""
                                                      : " lock " + std::to_string(call.lockValue)));
    return requests;
}

class HostRequestTest : public orvane::test::PageManagerFixture
{
public:
    // The scripts of the table play the host through these.
    using PageManagerFixture::addPage;
    using PageManagerFixture::host;
    using PageManagerFixture::manager;
    using PageManagerFixture::recorder;

protected:
    void SetUp() override
    {
        PageManagerFixture::SetUp();
        manager->addListener(&recorder);
        for (orvane::test::TestDrawArea* area : {&d1, &d2, &d3})
            addPage(area); // #1 #2 #3, #3 current
        sim::clearCalls();
    }
    void TearDown() override
    {
        manager->removeListener(&recorder);
        PageManagerFixture::TearDown();
    }

public:
    PageInterface& page(int id) { return *pageWithId(id); }
    void idle()
    {
        host.eventManager.busy = false;
        processIdleActions();
        sim::deliverPendingCallbacks();
    }
};

struct Case
{
    const char* name;
    bool minimalCallbacks;
    std::function<void(HostRequestTest&)> script;
    Lines requests; // the engine's switches and deletions, in order
    int current;    // the engine's current page at the end
};

// By name: Google Test would otherwise print the bytes, padding included.
void PrintTo(const Case& rule, std::ostream* out) { *out << rule.name; }

class HostRequests : public HostRequestTest, public ::testing::WithParamInterface<Case>
{
};

TEST_P(HostRequests, ReachTheEngineInTheOrderMadeAndAtOnceWhenItCanTakeThem)
{
    sim::setMinimalCallbacks(GetParam().minimalCallbacks);
    GetParam().script(*this);
    idle();
    EXPECT_EQ(GetParam().requests, pageRequests());
    EXPECT_EQ(GetParam().current, sim::currentPageId());
    EXPECT_EQ(static_cast<int>(sim::pages().size()), manager->pageCount());
    // Nothing is left waiting.
    sim::clearCalls();
    idle();
    EXPECT_TRUE(pageRequests().empty());
}

const Case Cases[] = {
    {"SwitchAtOnce", true,
     [](HostRequestTest& t) {
         t.manager->setCurrentPage(t.page(1));
         // The engine has switched before it reports it.
         EXPECT_EQ(1, sim::currentPageId());
         t.manager->setCurrentPage(t.page(1)); // already current: not asked again
     },
     {"s1"}, 1},
    {"DeletionAtOnceWithoutWaitingForTheEnginesReport", true,
     [](HostRequestTest& t) {
         t.manager->deletePage(t.page(1));
         EXPECT_EQ(3, t.manager->pageCount()); // the page goes when the engine reports it
         sim::deliverPendingCallbacks();
         EXPECT_EQ(2, t.manager->pageCount());
         t.manager->deletePage(t.page(2)); // current already: deleted at once
     },
     {"s1", "d", "d"}, 3},
    {"AWaitingSwitchGoesWhenTheEngineDestroysAPageByItself", false,
     [](HostRequestTest& t) {
         t.host.eventManager.busy = true;
         t.manager->setCurrentPage(t.page(1));
         sim::deletePage(2);
     },
     {}, 3},
    {"ARequestMadeBeforeTheIdleRunWaitsBehindTheWaitingOnes", true,
     [](HostRequestTest& t) {
         t.host.eventManager.busy = true;
         t.manager->setCurrentPage(t.page(1));
         t.host.eventManager.busy = false; // the busy pass is over; idle time has not come
         t.manager->deletePage(t.page(2));
         EXPECT_TRUE(pageRequests().empty());
     },
     {"s1", "s2", "d"}, 1},
    {"ADeletionFromTheCreatedPagesAnnouncementWaits", false,
     [](HostRequestTest& t) {
         t.recorder.onCall = [&t](PageInterface& page) {
             if (page.getDrawArea() == nullptr)
                 t.manager->deletePage(page);
         };
         t.addPage(nullptr); // #4
         t.recorder.onCall = nullptr;
         EXPECT_EQ(4, t.manager->pageCount());
     },
     {"d"}, 3},
    {"FromACurrentChangeTheAnnouncedPagesWaitAndOthersGoAtOnce", false,
     [](HostRequestTest& t) {
         t.recorder.onCall = [&t](PageInterface&) {
             t.recorder.onCall = nullptr;
             t.manager->deletePage(t.page(2));
             EXPECT_EQ(2, t.manager->pageCount());
             t.manager->deletePage(t.page(3)); // named by the announcement
             EXPECT_EQ(2, t.manager->pageCount());
         };
         sim::makePageCurrent(1); // the engine switches from #3 to #1
     },
     {"s2", "d", "s3", "d"}, 1},
    {"ADeletionWhosePageWasOvertakenWaitsFirstInLine", false,
     [](HostRequestTest& t) {
         // While #1 is made current for its deletion, a listener creates a
         // page: deleting the current page now would delete that one.
         t.recorder.onCall = [&t](PageInterface& page) {
             if (page.getUniqueID() == 3 && t.manager->pageCount() == 3)
                 t.addPage(nullptr);
         };
         t.host.eventManager.busy = true;
         t.manager->deletePage(t.page(1));
         t.manager->setCurrentPage(t.page(3));
         t.idle();
         t.recorder.onCall = nullptr;
         EXPECT_EQ((Lines{"s1"}), pageRequests());
     },
     {"s1", "s1", "d", "s3"}, 3},
    {"ADeletionOvertakenTwiceWaitsAsideUntilThePagesChange", false,
     [](HostRequestTest& t) {
         t.recorder.onCall = [&t](PageInterface&) {
             if (t.manager->getCurrentPage()->getUniqueID() == 1 && t.manager->pageCount() < 6)
                 t.addPage(nullptr);
         };
         int waits = 0;
         const Diagnostics::Handler previous = Diagnostics::setHandler(
             [&waits](Diagnostics::Severity_e, const std::string& identifier, const std::string&) {
                 waits += identifier == "request.waits";
             });
         t.manager->deletePage(t.page(1)); // overtaken: waits first in line
         t.manager->setCurrentPage(t.page(3)); // not behind it
         t.idle();                             // overtaken again: set aside
         t.recorder.onCall = nullptr;
         Diagnostics::setHandler(previous);
         EXPECT_EQ(1, waits);
         t.idle(); // nothing changed: it is not tried again
         EXPECT_EQ(5, t.manager->pageCount());
         t.addPage(nullptr); // the pages change: tried again at idle time
     },
     {"s1", "s3", "s1", "s1", "d"}, 2},
};

INSTANTIATE_TEST_SUITE_P(Rules, HostRequests, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// What is left after the first waiting request made the engine busy, or a
// listener of its announcement threw, waits for the next idle time.
TEST_F(HostRequestTest, TheRestWaitsWhenTheFirstMakesTheEngineBusyOrThrows)
{
    sim::setMinimalCallbacks(false); // the switch is announced inside the call
    for (const bool throws : {false, true})
    {
        PageInterface& added = addPage(&d2);
        host.eventManager.busy = true;
        manager->setCurrentPage(page(1));
        manager->deletePage(added);
        recorder.onCall = [this, throws](PageInterface&) {
            recorder.onCall = nullptr;
            if (throws)
                throw std::runtime_error("listener");
            host.eventManager.busy = true; // the listener's redraw runs long
        };
        sim::clearCalls();
        host.eventManager.busy = false;
        if (throws)
            EXPECT_THROW(processIdleActions(), std::runtime_error);
        else
            processIdleActions();
        EXPECT_EQ((Lines{"s1"}), pageRequests());
        idle();
        EXPECT_EQ(1u, sim::countCalls("OrvUtilPageDelete"));
    }
}

TEST_F(HostRequestTest, AnExceptionOfTheCurrentChangeDuringAddPageReachesTheHostWithThePageInPlace)
{
    const boost::signals2::scoped_connection throwing =
        manager->connectPageCurrentChanged([](PageInterface&) { throw std::runtime_error("slot"); });
    EXPECT_THROW(addPage(nullptr), std::runtime_error);
    EXPECT_EQ(4, manager->pageCount());
    EXPECT_EQ(4, manager->getCurrentPage()->getUniqueID());
}

} // namespace
