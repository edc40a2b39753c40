// The Qt host kit's tests run in one Qt application with one engine
// session, as an application built on the kit does.
#include "QtHostSession.h"

#include <QApplication>

namespace {

class SessionEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { session.reset(new qthosttest::QtHostSession); }
    void TearDown() override { session.reset(); }

private:
    std::unique_ptr<qthosttest::QtHostSession> session;
};

} // namespace

int main(int argc, char** argv)
{
    // Device pixels differ from logical ones, so that every conversion shows.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new SessionEnvironment);
    return RUN_ALL_TESTS();
}
