// The fixture of every check: the suite's session, the host's driver, and
// the small steps checks share (make a drawing area, let the host run,
// wait for something).
#ifndef OVSDKHOSTCONFORMANCE_CONFORMANCETEST_H
#define OVSDKHOSTCONFORMANCE_CONFORMANCETEST_H

#include "ConformanceSession.h"

#include "integration/PageManagerInterface.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvane {
namespace sdk {
namespace hostconformance {

class ConformanceTest : public ::testing::Test
{
public:
    typedef void (*Check)(ConformanceTest& test);

    // Deletes every page when it goes: declared after the drawing areas a
    // check shows pages in, so that the pages go before them.
    class PageScope
    {
    public:
        explicit PageScope(ConformanceTest& test);
        ~PageScope();
        PageScope(const PageScope&) = delete;
        PageScope& operator=(const PageScope&) = delete;

    private:
        ConformanceTest& m_test;
    };

    explicit ConformanceTest(Check check);

    // The session the environment of the registered tests runs.
    static void setSession(ConformanceSession* session);

    ConformanceSession& session();
    HostDriver& driver();
    integration::PageManagerInterface& pages();

    // A drawing area of the host; fails the test when the factory gives none.
    std::unique_ptr<integration::GLDrawAreaInterface> makeDrawArea(int width, int height);
    void deletePages();
    // The host's event loop runs a few times.
    void settle();
    // Lets the host run until `condition` holds (true) or a few seconds have
    // passed (false).
    bool waitFor(const std::function<bool()>& condition);

protected:
    void SetUp() override;
    void TearDown() override;
    void TestBody() override;

private:
    Check m_check;
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_CONFORMANCETEST_H
