// The repairer as the top page render decider: interrupted pictures stay
// off the screen and are drawn again at idle time.
#include "integration/InterruptedPlotRepairer.h"
#include "integration/PageInterface.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovsdkuicommon/OnIdleActionPerformerSingleShot.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace orvane::sdk::integration;
using orvane::sdk::ui::common::processIdleActions;
using orvane::test::ranUnderAppLock;
namespace sim = orvane::sim;
typedef std::vector<std::string> Lines;

class InterruptedPlotRepairerTest : public orvane::test::PageManagerFixture
{
protected:
    void SetUp() override
    {
        PageManagerFixture::SetUp();
        a = &addPage(&d1);
        b = &addPage(&d2);
    }

    // Pages redrawn by the repairs that ran, by unique id.
    Lines repairsAtIdle()
    {
        sim::setInterruptFlag(false);
        sim::clearCalls();
        processIdleActions();
        Lines redrawn;
        for (const sim::EngineCall& call : sim::calls())
        {
            if (call.name == "OrvUtilRedraw")
                redrawn.push_back("#" + std::to_string(sim::currentPageId()));
        }
        return redrawn;
    }

    PageInterface* a = nullptr;
    PageInterface* b = nullptr;
};

// The repairer asked directly, by scripts of words: "int" or "ok" (the
// engine's interrupt flag), "a" or "b" (the repairer asked for that page),
// "gone" (the repairer destroyed), "del" (the engine deletes page a),
// "idle" (the repairs run; their pages are written down).
TEST_F(InterruptedPlotRepairerTest, RepairsTheLastInterruptedPageOfThoseAlive)
{
    const std::pair<const char*, Lines> scripts[] = {
        {"int a b idle", {"#2"}},                   // only the last is repaired
        {"int a ok b idle", {}},                    // an uninterrupted picture drops it
        {"int a gone idle", {}},                    // a destroyed repairer repairs nothing
        {"int a del idle int b idle", {"#2"}},      // nor for a destroyed page, and goes on
    };
    for (const auto& [script, expected] : scripts)
    {
        SCOPED_TRACE(script);
        auto repairer = std::make_unique<InterruptedPlotRepairer>();
        Lines repaired;
        std::istringstream words(script);
        for (std::string word; words >> word;)
        {
            if (word == "int" || word == "ok")
                sim::setInterruptFlag(word == "int");
            else if (word == "a" || word == "b")
            {
                EXPECT_EQ(!sim::interruptFlag(), repairer->shouldOpenGLBuffersBeSwapped(word == "a" ? *a : *b));
                EXPECT_TRUE(ranUnderAppLock("OrvUtilInterruptCheck", 1));
            }
            else if (word == "gone")
                repairer.reset();
            else if (word == "del")
                sim::deletePage(a->getUniqueID());
            else
                for (const std::string& page : repairsAtIdle())
                    repaired.push_back(page);
        }
        EXPECT_EQ(expected, repaired);
        TearDown(); // a fresh engine and manager for the next script
        SetUp();
    }
}

} // namespace
