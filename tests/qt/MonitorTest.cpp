// The application event monitor while the engine runs a long operation:
// the GUI goes on and input interrupts the engine (stop buttons: the
// demo's scripted session; a busy pass in the middle of a frame: the
// conformance suite).
#include "QtHostSession.h"

#include "integration/Diagnostics.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace qthosttest {
namespace {

class MonitorTest : public QtHostTest
{
protected:
    // Runs `action` from the event loop once the engine is busy.
    static void whileBusy(std::function<void()> action) { QTimer::singleShot(0, action); }

    // A click as the window system delivers it: to the button's window first.
    static void click(QPushButton& button)
    {
        QTest::mouseClick(button.windowHandle(), Qt::LeftButton, Qt::NoModifier, button.rect().center());
    }

    static void pressKey(QWindow& window, Qt::Key key, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&window, &press);
    }
};

TEST_F(MonitorTest, TheGuiGoesOnDuringALongOperationAndEscapeInterruptsIt)
{
    std::unique_ptr<qthost::QtGLDrawArea> drawArea = showDrawArea();
    int passes = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++passes; });
    ticker.start(0);
    EXPECT_TRUE(sim::runBusyOperation(5));
    EXPECT_GE(passes, 4);

    whileBusy([&] { pressKey(*drawArea, Qt::Key_Escape, "\x1b"); });
    EXPECT_FALSE(sim::runBusyOperation(50));
    EXPECT_TRUE(sim::interruptFlag());
}

TEST_F(MonitorTest, InputToOtherWidgetsInterruptsButIsNotDelivered)
{
    QPushButton other("Other");
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    int clicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++clicks; });

    whileBusy([&] { click(other); });
    EXPECT_FALSE(sim::runBusyOperation(50));
    EXPECT_EQ(0, clicks);
    click(other); // idle again: delivered
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
