// The Qt demo's tests run in one Qt application with one engine session of
// the demo's own; the scripted session runs as a program of its own.
#include "DemoTestSession.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace qtdemotest {

namespace {

DemoTestSession* current = nullptr;

// The session lives from before the first test to after the last.
class SessionEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { current = new DemoTestSession; }
    void TearDown() override
    {
        delete current;
        current = nullptr;
    }
};

} // namespace

DemoTestSession::DemoTestSession() : account(accountText), session(account)
{
    EXPECT_TRUE(session.start("test_qtdemo", "/tmp"));
}

DemoTestSession& DemoTestSession::instance() { return *current; }

void settle()
{
    for (int round = 0; round < 3; ++round)
    {
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace qtdemotest

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new qtdemotest::SessionEnvironment);
    return RUN_ALL_TESTS();
}
