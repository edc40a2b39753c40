// The listener sets of the input and drawing-area observables: the order
// each notifies its listeners in.

#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/OnIdleObservable.h"
#include "support/RecordingListener.h"
#include "support/TestDrawArea.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace test {
namespace {

using namespace sdk::integration;

struct KeyListeners
{
    static constexpr bool InRegistrationOrder = false;
    intern::KeyEventObservable observable;

    void add(RecordingListener* listener) { observable.addKeyboardListener(listener); }
    void notify()
    {
        intern::KeyEvent event(nullptr, 'a');
        observable.notifyOfKeyPressed(event, observable);
    }
};

struct MouseListeners
{
    static constexpr bool InRegistrationOrder = false;
    intern::MouseEventObservable observable;

    void add(RecordingListener* listener) { observable.addMouseListener(listener); }
    void notify()
    {
        intern::MouseEvent event(nullptr, MouseEventInterface::MouseButton_1, 10, 20, 0);
        observable.notifyOfButtonPressed(event, observable);
    }
};

struct IdleListeners
{
    static constexpr bool InRegistrationOrder = true;
    intern::OnIdleObservable observable;

    void add(RecordingListener* listener) { observable.addOnIdleListener(listener); }
    void notify() { observable.notifyOfIdle(observable); }
};

struct DrawAreaStateListeners
{
    static constexpr bool InRegistrationOrder = false;
    TestDrawArea drawArea;
    intern::GLDrawAreaStateObservable observable{drawArea};

    void add(RecordingListener* listener) { observable.addStateListener(listener); }
    void notify() { observable.notifyOfDestroyed(); }
};

template <typename ListenerSet>
class ListenerSetRules : public ::testing::Test
{
protected:
    typedef std::vector<const RecordingListener*> Callers;

    RecordingListener::Log log;
    // An array, so that the listeners' addresses ascend with their index.
    RecordingListener listener[3]{RecordingListener(log), RecordingListener(log), RecordingListener(log)};
    ListenerSet set;

    Callers notifyAndTakeCallers()
    {
        log.clear();
        set.notify();
        return callers(log);
    }
};

typedef ::testing::Types<KeyListeners, MouseListeners, IdleListeners, DrawAreaStateListeners> AllListenerSets;
TYPED_TEST_SUITE(ListenerSetRules, AllListenerSets);

// Each observable keeps its listeners in a listener set of its order, a set
// and not a count (the set's rules are its own randomized test's; a removal
// an observable drops fails the boundary session and the kits' conformance).
TYPED_TEST(ListenerSetRules, EachObservableNotifiesThroughItsListenerSet)
{
    typedef typename TestFixture::Callers Callers;
    RecordingListener* listener = this->listener;
    EXPECT_TRUE(this->notifyAndTakeCallers().empty());
    this->set.add(&listener[2]);
    this->set.add(&listener[0]);
    this->set.add(&listener[1]);
    this->set.add(&listener[2]);
    EXPECT_EQ(this->notifyAndTakeCallers(), (TypeParam::InRegistrationOrder
                                                 ? Callers{&listener[2], &listener[0], &listener[1]}
                                                 : Callers{&listener[0], &listener[1], &listener[2]}));
}

} // namespace
} // namespace test
} // namespace orvane
