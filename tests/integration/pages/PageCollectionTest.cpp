// The ring of pages behind the page iterators, fed by the manager's
// announcements.
#include "integration/PageInterface.h"
#include "integration/PageIterator.h"
#include "ovexception/ExceptionBase.h"
#include "ovsdkbase/SimulatedEngine.h"
#include "support/PageManagerFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::sdk::integration;
namespace sim = orvane::sim;

class PageCollectionTest : public orvane::test::PageManagerFixture
{
};

TEST_F(PageCollectionTest, WalksStartAtTheCurrentPage)
{
    EXPECT_FALSE(manager->getPageIterator().hasNext());
    EXPECT_FALSE(manager->getReversePageIterator().hasNext());
    PageInterface& a = addPage(&d1);
    EXPECT_EQ("#1", walk(manager->getPageIterator()));
    EXPECT_EQ("#1", walk(manager->getReversePageIterator()));
    addPage(&d2);
    addPage(&d3);
    EXPECT_EQ("#3 #1 #2", walk(manager->getPageIterator()));
    EXPECT_EQ("#3 #2 #1", walk(manager->getReversePageIterator()));

    manager->setCurrentPage(a);
    sim::deliverPendingCallbacks(); // (an engine that reports the switch later)
    EXPECT_EQ("#1 #2 #3", walk(manager->getPageIterator()));
    EXPECT_EQ("#1 #3 #2", walk(manager->getReversePageIterator()));

    // Destroying the head makes the next page the head.
    sim::deletePage(1);
    EXPECT_EQ(nullptr, pageWithId(1));
    EXPECT_EQ("#2 #3", walk(manager->getPageIterator()));
    EXPECT_THROW(manager->setCurrentPage(a), orvane::ExceptionBase); // no longer contained
}

TEST_F(PageCollectionTest, CopiesAdvanceIndependently)
{
    addPage(&d1);
    addPage(&d2);
    addPage(&d3);
    PageIterator source = manager->getPageIterator();
    source.next();
    PageIterator copy(source);
    EXPECT_EQ("#1 #2", walk(copy)); // what remains after the first page
    copy.next();
    copy.next();
    EXPECT_FALSE(copy.hasNext());
    ASSERT_TRUE(source.hasNext()); // the source did not move with its copy
    EXPECT_EQ(1, source.next().getUniqueID());

    PageIterator assigned = manager->getReversePageIterator();
    assigned = copy; // exhausted too
    EXPECT_FALSE(assigned.hasNext());
    assigned = manager->getReversePageIterator();
    assigned = assigned; // self-assignment keeps the position
    EXPECT_EQ("#3 #2 #1", walk(assigned));
}

} // namespace
