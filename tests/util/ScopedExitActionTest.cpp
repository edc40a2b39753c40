#include "util/ScopedExitAction.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ScopedExitActionTest, RunsOnNormalExitAndOnException)
{
    bool flag = true;
    {
        const ScopedExitAction reset([&flag] { flag = false; });
    }
    EXPECT_FALSE(flag);

    flag = true;
    try
    {
        const ScopedExitAction reset([&flag] { flag = false; });
        throw std::runtime_error("leaving");
    }
    catch (const std::runtime_error&)
    {
    }
    EXPECT_FALSE(flag);

    // An empty action is allowed.
    const ScopedExitAction nothing{boost::function<void()>()};
}
