#include "ovexception/OutOfMemoryException.h"

#include <gtest/gtest.h>

namespace {

TEST(ExceptionTest, OutOfMemoryIsCaughtAsBaseWithItsMessage)
{
    try
    {
        throw orvane::OutOfMemoryException("Failed to allocate memory for the new page.");
    }
    catch (const orvane::ExceptionBase& error)
    {
        EXPECT_STREQ("Failed to allocate memory for the new page.", error.what());
        EXPECT_EQ("Failed to allocate memory for the new page.", error.getMessage());
        EXPECT_FALSE(error.isFatal());
        return;
    }
    FAIL() << "not caught as ExceptionBase";
}

TEST(ExceptionTest, CopiesKeepMessageAndFlag)
{
    const orvane::ExceptionBase original("broken", true);
    const orvane::ExceptionBase copy(original);
    EXPECT_STREQ("broken", copy.what());
    EXPECT_TRUE(copy.isFatal());
    const std::exception& asStd = copy;
    EXPECT_STREQ("broken", asStd.what());
}

} // namespace
