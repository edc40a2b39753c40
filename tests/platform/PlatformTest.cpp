// The stand-ins of the engine and its sibling libraries, through their
// exported interfaces: a trace that small C callbacks write to, and a
// fixture that starts every test from a fresh engine.
#include "ovsdkbase.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "ovtoolbox/StateChangeNotifier.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace sim = orvane::sim;
namespace toolbox = orvane::toolbox;
using orvane::sdk::ui::common::OnIdleActionPerformerSingleShot;
using orvane::sdk::ui::common::processIdleActions;

std::vector<std::string>& trace()
{
    static std::vector<std::string> lines;
    return lines;
}

void record(const std::string& line) { trace().push_back(line); }

class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sim::reset();
        trace().clear();
    }
    void TearDown() override { sim::reset(); }
};

using Lines = std::vector<std::string>;

typedef EngineTest SimulatedEngineCoreTest;

TEST_F(SimulatedEngineCoreTest, EngineTextsAreTrackedAndMisusedReleasesSurvive)
{
    char* text = OrvUtilStringAlloc(8, "label");
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(1u, sim::outstandingTexts());
    char* copy = text;
    OrvUtilStringDealloc(&text);
    EXPECT_EQ(nullptr, text);
    EXPECT_EQ(0u, sim::outstandingTexts());

    OrvUtilStringDealloc(&copy); // released twice
    char foreign[] = "foreign";
    char* foreignText = foreign;
    OrvUtilStringDealloc(&foreignText);
    EXPECT_EQ(2u, sim::misuses().size());
    OrvUtilStringDealloc(nullptr);
    char* none = nullptr;
    OrvUtilStringDealloc(&none);
    EXPECT_EQ(2u, sim::misuses().size());

    EXPECT_EQ(nullptr, OrvUtilStringAlloc(0, "empty"));
    sim::setStringAllocFails(true);
    EXPECT_EQ(nullptr, OrvUtilStringAlloc(8, "label"));
    const StringList_pa list = sim::makeStringList({"only"});
    EXPECT_EQ(nullptr, OrvUtilStringListGetString(list, 2));
    sim::freeStringList(list);
    EXPECT_EQ(3u, sim::misuses().size());
}

typedef EngineTest SiblingLibrariesTest;

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

// A notifier that goes is forgotten by the engine it registered with.
TEST_F(SiblingLibrariesTest, ANotifierThatGoesLeavesTheEngine)
{
    RecordingListener listener;
    {
        toolbox::StateChangeNotifier notifier(toolbox::StateChangeMode_Deliver);
        notifier.addListener(&listener);
    }
    EXPECT_EQ(1u, sim::countCalls("OrvUtilStateChangeRemoveCallback"));
    sim::fireStateChange(15); // would reach freed memory if still registered
    EXPECT_TRUE(trace().empty());
}

} // namespace
