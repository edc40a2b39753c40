#include "DemoTestSession.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

namespace qtdemotest {

namespace {

DemoTestSession*& current()
{
    static DemoTestSession* session = nullptr;
    return session;
}

} // namespace

DemoTestSession::DemoTestSession() : account(accountText), session(account)
{
    EXPECT_TRUE(session.start("test_qtdemo", "/tmp"));
}

DemoTestSession& DemoTestSession::instance() { return *current(); }

void DemoTestSession::start() { current() = new DemoTestSession; }

void DemoTestSession::stop()
{
    delete current();
    current() = nullptr;
}

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
