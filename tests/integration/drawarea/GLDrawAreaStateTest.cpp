// State notifications of drawing areas, and the factory used when the host
// sets none.

#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/RenderlessGLDrawAreaFactory.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "ovtoolbox/StringList.h"
#include "support/FakeManagerMiscService.h"
#include "support/RecordingListener.h"
#include "support/TestDrawArea.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace test {
namespace {

using namespace sdk::integration;

TEST(GLDrawAreaStateObservable, TellsEachChangeWithTheDrawingAreaItWasBuiltOn)
{
    TestDrawArea drawArea;
    intern::GLDrawAreaStateObservable observable(drawArea);
    RecordingListener::Log log;
    RecordingListener listener(log);
    observable.addStateListener(&listener);

    observable.notifyOfExposed(false);
    observable.notifyOfExposed(true);
    observable.notifyOfFocusGained();
    observable.notifyOfDestroyed();

    const std::vector<std::pair<std::string, int>> expected = {
        {"drawAreaExposed", 0}, {"drawAreaExposed", 1}, {"drawAreaFocusGained", 0}, {"drawAreaDestroyed", 0}};
    ASSERT_EQ(log.size(), expected.size());
    for (std::size_t i = 0; i < log.size(); ++i)
    {
        EXPECT_EQ(std::make_pair(log[i].operation, log[i].value), expected[i]);
        EXPECT_EQ(log[i].source, static_cast<GLDrawAreaInterface*>(&drawArea));
    }
}

TEST(GLDrawAreaStateObservable, DestroyedWithListenersRegisteredTellsNobody)
{
    TestDrawArea drawArea;
    RecordingListener::Log log;
    RecordingListener listener(log);
    auto observable = std::make_unique<intern::GLDrawAreaStateObservable>(drawArea);
    observable->addStateListener(&listener);

    observable.reset();

    EXPECT_TRUE(log.empty());
}

TEST(RenderlessGLDrawAreaFactory, MakesNoDrawingAreaWhateverTheArguments)
{
    intern::RenderlessGLDrawAreaFactory factory;
    toolbox::StringList none(nullptr);
    EXPECT_EQ(factory.createGLDrawArea(none), nullptr);

    StringList_pa handle = sim::makeStringList({"-width", "800", "-height", "600"});
    toolbox::StringList some(handle);
    EXPECT_EQ(factory.createGLDrawArea(some), nullptr);
    sim::freeStringList(handle);
}

} // namespace
} // namespace test
} // namespace orvane
