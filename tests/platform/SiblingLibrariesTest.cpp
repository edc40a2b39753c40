#include "EngineTrace.h"

#include "ovsdkcommon/AppLock.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "ovsignals/SignalConnectionCollection.h"
#include "ovtoolbox/StateChangeNotifier.h"
#include "ovtoolbox/StringList.h"
#include "ovtoolbox/StyleValue.h"

#include <boost/signals2/signal.hpp>

#include <memory>
#include <stdexcept>

namespace sim = orvane::sim;
namespace toolbox = orvane::toolbox;
using orvane::sdk::AppLock;
using orvane::sdk::ui::common::OnIdleActionPerformerSingleShot;
using orvane::sdk::ui::common::processIdleActions;
using namespace enginetest;

namespace {

class SiblingLibrariesTest : public EngineTest
{
};

TEST_F(SiblingLibrariesTest, AppLockBracketsEngineCallsWithItsValue)
{
    {
        const AppLock outer(AppLock::ImplicitMacroRecording_On);
        const AppLock inner(AppLock::ImplicitMacroRecording_Off);
        OrvUtilPageGetCount();
    }
    EXPECT_EQ((Lines{"OrvUtilAppLockStart(1)", "OrvUtilAppLockStart(0)", "OrvUtilPageGetCount()",
                     "OrvUtilAppLockFinish()", "OrvUtilAppLockFinish()"}),
              sim::callTexts());
    EXPECT_EQ(0, sim::appLockDepth());
}

// --- Idle actions ----------------------------------------------------------

class CountingScheduler : public orvane::sdk::ui::common::IdleActionScheduler
{
public:
    void scheduleIdleProcessing() override { ++asked; }
    int asked = 0;
};

class IdleActionsTest : public EngineTest
{
protected:
    void TearDown() override
    {
        orvane::sdk::ui::common::setIdleActionScheduler(nullptr);
        while (processIdleActions() > 0)
        {
        }
        EngineTest::TearDown();
    }
};

TEST_F(IdleActionsTest, PendingActionsRunOnceAndLaterOnesWait)
{
    std::unique_ptr<OnIdleActionPerformerSingleShot> later;
    OnIdleActionPerformerSingleShot first([&] {
        record("first");
        later.reset(new OnIdleActionPerformerSingleShot([] { record("later"); }));
    });
    OnIdleActionPerformerSingleShot second([] { record("second"); });
    std::unique_ptr<OnIdleActionPerformerSingleShot> cancelled(
        new OnIdleActionPerformerSingleShot([] { record("cancelled"); }));
    cancelled.reset();

    EXPECT_EQ(2u, processIdleActions());
    EXPECT_EQ((Lines{"first", "second"}), trace());
    EXPECT_FALSE(first.isPending());
    EXPECT_TRUE(later->isPending());
    EXPECT_EQ(1u, processIdleActions());
    EXPECT_EQ(0u, processIdleActions());
    EXPECT_EQ("later", trace().back());
}

TEST_F(IdleActionsTest, AnActionMayDeleteItsOwnPerformer)
{
    std::unique_ptr<OnIdleActionPerformerSingleShot> self;
    self.reset(new OnIdleActionPerformerSingleShot([&] {
        self.reset();
        record("ran");
    }));
    EXPECT_EQ(1u, processIdleActions());
    EXPECT_EQ(nullptr, self);
    EXPECT_EQ((Lines{"ran"}), trace());
}

TEST_F(IdleActionsTest, TheSchedulerIsAskedWhenWorkAppearsAndWhenSomeIsLeft)
{
    CountingScheduler scheduler;
    orvane::sdk::ui::common::setIdleActionScheduler(&scheduler);
    EXPECT_EQ(0, scheduler.asked);

    std::unique_ptr<OnIdleActionPerformerSingleShot> later;
    OnIdleActionPerformerSingleShot first([&] { later.reset(new OnIdleActionPerformerSingleShot([] {})); });
    OnIdleActionPerformerSingleShot second([] {});
    EXPECT_EQ(1, scheduler.asked); // only when the first action appears

    // `later` appears while `second` is still pending; it must not be forgotten.
    processIdleActions();
    EXPECT_EQ(2, scheduler.asked);
    processIdleActions();
    EXPECT_EQ(2, scheduler.asked);

    OnIdleActionPerformerSingleShot pending([] {});
    CountingScheduler replacement;
    EXPECT_EQ(&scheduler, orvane::sdk::ui::common::setIdleActionScheduler(&replacement));
    EXPECT_EQ(1, replacement.asked);
}

// --- State-change notifier -------------------------------------------------

struct RecordingListener : toolbox::StateChangeListenerInterface
{
    void stateChanged(const toolbox::StateChangeEventInterface& event, toolbox::StateChangeNotifier& notifier) override
    {
        record(name + " " + std::to_string(event.getStateChange()) + " " + event.getStyleParameter(1) + "/" +
               event.getStyleParameter(2) + "/" + event.getStyleParameter(3) + " " +
               std::to_string(event.getStyleUniqueID()));
        if (toRemove != nullptr)
            notifier.removeListener(toRemove);
        if (toAdd != nullptr)
            notifier.addListener(toAdd);
        if (throws)
            throw std::runtime_error("listener failed");
    }
    std::string name;
    StateChangeListenerInterface* toRemove = nullptr;
    StateChangeListenerInterface* toAdd = nullptr;
    bool throws = false;
};

class LockRecordingNotifier : public toolbox::StateChangeNotifier
{
public:
    LockRecordingNotifier() : StateChangeNotifier(toolbox::StateChangeMode_DeliverUnderParentLock) {}

protected:
    void lockStart(bool recording) override { record("lockStart " + std::to_string(recording)); }
    void lockFinish() override { record("lockFinish"); }
};

TEST_F(SiblingLibrariesTest, TheNotifierDeliversEngineStateChangesSynchronously)
{
    toolbox::StateChangeNotifier notifier(toolbox::StateChangeMode_Deliver);
    RecordingListener listener;
    listener.name = "listener";
    notifier.addListener(&listener);
    notifier.addListener(nullptr);
    notifier.connectStateChanged([](const toolbox::StateChangeEventInterface& event) {
        record("signal " + std::to_string(event.getStateChange()));
    });

    sim::fireStateChange(7, {"PAGE", "NAME"}, 3);
    EXPECT_EQ((Lines{"listener 7 PAGE/NAME/ 3", "signal 7"}), trace());

    EXPECT_FALSE(notifier.setMode(static_cast<toolbox::StateChangeMode_e>(9)));
    EXPECT_TRUE(notifier.setMode(toolbox::StateChangeMode_Off));
    sim::fireStateChange(50);
    EXPECT_EQ(2u, trace().size());
}

TEST_F(SiblingLibrariesTest, ListenersRemovedDuringADeliveryAreSkippedAndAddedOnesWait)
{
    toolbox::StateChangeNotifier notifier(toolbox::StateChangeMode_Deliver);
    RecordingListener first, second, added;
    first.name = "a";
    second.name = "a"; // whichever is told first removes the other
    added.name = "added";
    first.toRemove = &second;
    second.toRemove = &first;
    first.toAdd = second.toAdd = &added;
    notifier.addListener(&first);
    notifier.addListener(&second);

    sim::fireStateChange(31);
    EXPECT_EQ((Lines{"a 31 // 0"}), trace());
    EXPECT_TRUE(notifier.isListening(&added));
    sim::fireStateChange(32);
    EXPECT_EQ(3u, trace().size());
}

TEST_F(SiblingLibrariesTest, ParentLockModeBracketsEachDeliveryEvenWhenAListenerThrows)
{
    LockRecordingNotifier notifier;
    RecordingListener listener;
    listener.name = "listener";
    notifier.addListener(&listener);
    sim::fireStateChange(50);
    listener.throws = true;
    EXPECT_THROW(sim::fireStateChange(51), std::runtime_error);
    EXPECT_EQ((Lines{"lockStart 0", "listener 50 // 0", "lockFinish", "lockStart 0", "listener 51 // 0", "lockFinish"}),
              trace());
}

TEST_F(SiblingLibrariesTest, ADestroyedNotifierHearsNothingMore)
{
    {
        toolbox::StateChangeNotifier notifier(toolbox::StateChangeMode_Deliver);
    }
    EXPECT_EQ(1u, sim::countCalls("OrvUtilStateChangeRemoveCallback"));
    sim::fireStateChange(15); // would reach freed memory if still registered
}

// --- Style values and string lists -----------------------------------------

TEST_F(SiblingLibrariesTest, StyleValueReadsAndWritesThroughTheEngine)
{
    OrvEngPageCreateNew(11, nullptr);
    const toolbox::StyleValue name(1, "PAGE", "NAME");
    EXPECT_EQ(SetValueReturnCode_Ok, name.set("Summary"));
    std::string value;
    EXPECT_EQ(0, name.get(value));
    EXPECT_EQ("Summary", value);
    EXPECT_EQ(0u, sim::outstandingTexts());

    std::string untouched = "before";
    EXPECT_NE(0, toolbox::StyleValue(2, "PAGE", "NAME").get(untouched));
    EXPECT_EQ("before", untouched);
    EXPECT_EQ(SetValueReturnCode_InvalidValue, toolbox::StyleValue(1, "PAGE").set("x"));
    EXPECT_EQ("OrvUtilStyleSetString(1, PAGE, (null), x)", sim::calls().back().text());
}

TEST_F(SiblingLibrariesTest, StringListReadsTheEngineListOneBased)
{
    const StringList_pa handle = sim::makeStringList({"one", "two"});
    {
        const toolbox::StringList list(handle);
        EXPECT_EQ(2, list.count());
        EXPECT_EQ("two", list.get(2));
        EXPECT_EQ("", list.get(3));
        EXPECT_EQ((Lines{"one", "two"}), list.toVector());
    }
    sim::freeStringList(handle);
    const toolbox::StringList empty(nullptr);
    EXPECT_EQ(0, empty.count());
    EXPECT_TRUE(empty.toVector().empty());
    EXPECT_EQ(0u, sim::outstandingTexts());
    EXPECT_TRUE(sim::misuses().empty());
}

TEST(SignalConnectionCollectionTest, EndsItsConnectionsWhenDestroyed)
{
    boost::signals2::signal<void()> signal;
    int calls = 0;
    {
        SignalConnectionCollection connections;
        connections.add(signal.connect([&] { ++calls; }));
        connections.add(signal.connect([&] { ++calls; }));
        EXPECT_EQ(2u, connections.size());
        signal();
    }
    signal();
    EXPECT_EQ(2, calls);
}

} // namespace
