// The application event monitor while the engine runs a long operation:
// input to other widgets interrupts the engine without reaching them (the
// busy pass and a drawing area's input: the conformance suite; stop
// buttons: the demo's scripted session).
#include "QtHostSession.h"

#include "integration/Diagnostics.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace qthosttest {
namespace {

class MonitorTest : public QtHostTest
{
};

TEST_F(MonitorTest, InputToOtherWidgetsInterruptsButIsNotDelivered)
{
    QPushButton other("Other");
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    int clicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++clicks; });
    // A click as the window system delivers it: to the button's window first.
    const auto click = [&] {
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, Qt::NoModifier, other.rect().center());
    };

    QTimer::singleShot(0, click); // runs once the engine is busy
    EXPECT_FALSE(sim::runBusyOperation(50));
    EXPECT_EQ(0, clicks);
    click(); // idle again: delivered
    EXPECT_EQ(1, clicks);
}

// The session's monitor, constructed with no handler installed, installed
// the kit's printing one (hosts/common; tested with test_diagnostics).
TEST_F(MonitorTest, ItsConstructionInstalledADiagnosticsHandler)
{
    const integration::Diagnostics::Handler installed = integration::Diagnostics::setHandler({});
    integration::Diagnostics::setHandler(installed);
    EXPECT_FALSE(installed.empty());
}

} // namespace
} // namespace qthosttest
