#include "ConformanceTest.h"

#include "ContractText.h"

#include "integration/PageInterface.h"

#include <chrono>

namespace orvane {
namespace sdk {
namespace hostconformance {

namespace {

ConformanceSession* currentSession = nullptr;

const std::chrono::seconds WaitLimit(5);

} // namespace

ConformanceTest::ConformanceTest(Check check) : m_check(check) {}

void ConformanceTest::setSession(ConformanceSession* session) { currentSession = session; }

ConformanceSession& ConformanceTest::session() { return *currentSession; }

HostDriver& ConformanceTest::driver() { return currentSession->driver(); }

integration::PageManagerInterface& ConformanceTest::pages() { return currentSession->manager().getPageManager(); }

std::unique_ptr<integration::GLDrawAreaInterface> ConformanceTest::makeDrawArea(int width, int height)
{
    std::unique_ptr<integration::GLDrawAreaInterface> drawArea = session().factory().createDrawArea(width, height);
    EXPECT_NE(nullptr, drawArea) << contractText(hostClassOf(session().factory()), "createDrawArea() to make a drawing area",
                                                 "return a drawing area shown on the screen");
    return drawArea;
}

void ConformanceTest::settle()
{
    for (int round = 0; round < 3; ++round)
        driver().processEvents();
}

bool ConformanceTest::waitFor(const std::function<bool()>& condition)
{
    const auto end = std::chrono::steady_clock::now() + WaitLimit;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > end)
            return false;
        driver().processEvents();
    }
    return true;
}

void ConformanceTest::SetUp()
{
    ASSERT_NE(nullptr, currentSession) << "HostConformance::registerTests() was not called for this test program";
    ASSERT_TRUE(session().hasMonitor()) << contractText(hostClassOf(session().factory()),
                                                        "createMonitor() to make an application event monitor",
                                                        "return the host's monitor for the manager it is given, "
                                                        "never null");
    ASSERT_EQ(integration::ManagerInterface::ManagerStartReturnCode_Ok, session().startResult())
        << contractText(hostClassOf(session().monitor()), "the engine to start with the host's monitor and services",
                        "isReady() must answer true when the host can render: " +
                            session().manager().returnCodeString(session().startResult()));
}

void ConformanceTest::TestBody() { m_check(*this); }

// Pages a check left go, so that the next check starts without any.
void ConformanceTest::TearDown()
{
    if (currentSession != nullptr && currentSession->startResult() == integration::ManagerInterface::ManagerStartReturnCode_Ok)
        deletePages();
}

void ConformanceTest::deletePages()
{
    while (pages().pageCount() > 0 && pages().getCurrentPage() != nullptr)
        pages().deletePage(*pages().getCurrentPage());
    settle();
}

ConformanceTest::PageScope::PageScope(ConformanceTest& test) : m_test(test) {}

ConformanceTest::PageScope::~PageScope() { m_test.deletePages(); }

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
