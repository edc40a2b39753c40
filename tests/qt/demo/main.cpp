// The Qt demo's tests run in one Qt application with one engine session of
// the demo's own; the scripted session runs as a program of its own.
#include "DemoTestSession.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

class SessionEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { qtdemotest::DemoTestSession::start(); }
    void TearDown() override { qtdemotest::DemoTestSession::stop(); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new SessionEnvironment);
    return RUN_ALL_TESTS();
}
