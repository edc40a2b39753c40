#ifndef ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H
#define ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H

#include "integration/intern/PageManager.h"
#include "support/FakeHostManager.h"
#include "support/PageRecorder.h"
#include "support/TestDrawArea.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvane {
namespace test {

// A page manager with its engine callbacks registered on a fresh simulated
// engine, three host drawing areas and a recorder. The engine's shutdown
// deletes the pages left at the end.
class PageManagerFixture : public ::testing::Test
{
protected:
    PageManagerFixture();
    void SetUp() override;
    void TearDown() override;

    sdk::integration::PageInterface& addPage(TestDrawArea* drawArea = nullptr);
    // The page the engine has under `uniqueId`, as the manager knows it.
    sdk::integration::PageInterface* pageWithId(long long uniqueId);
    // Unique ids of a walk, "#3 #1 #2".
    std::string walk(sdk::integration::PageIterator pages);

    FakeHostManager host;
    TestDrawArea d1;
    TestDrawArea d2;
    TestDrawArea d3;
    std::unique_ptr<sdk::integration::intern::PageManager> manager;
    PageRecorder::Log log;
    PageRecorder recorder;
};

// Every logged engine call named `name` (at least one) ran inside exactly one
// application-lock bracket taken with `value`.
::testing::AssertionResult ranUnderAppLock(const std::string& name, int value);
// Every logged engine call named `name` (at least one) ran outside the
// application lock.
::testing::AssertionResult ranOutsideAppLock(const std::string& name);

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_PAGEMANAGERFIXTURE_H
