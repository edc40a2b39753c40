// The notification rules shared by every listener set of the input and
// drawing-area observables, run against each of them.

#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEvent.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/OnIdleObservable.h"
#include "support/RecordingListener.h"
#include "support/TestDrawArea.h"

#include <gtest/gtest.h>

#include <stdexcept>
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
    void remove(RecordingListener* listener) { observable.removeKeyboardListener(listener); }
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
    void remove(RecordingListener* listener) { observable.removeMouseListener(listener); }
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
    void remove(RecordingListener* listener) { observable.removeOnIdleListener(listener); }
    void notify() { observable.notifyOfIdle(observable); }
};

struct DrawAreaStateListeners
{
    static constexpr bool InRegistrationOrder = false;
    TestDrawArea drawArea;
    intern::GLDrawAreaStateObservable observable{drawArea};

    void add(RecordingListener* listener) { observable.addStateListener(listener); }
    void remove(RecordingListener* listener) { observable.removeStateListener(listener); }
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

// Each observable keeps its listeners in a listener set and notifies through
// it (the set's rules are its own randomized test's): its order, a set and
// not a count, a removed listener not called, an added one waiting for the
// next notification, a throw ending the notification with the set intact.
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

    // Whichever of 1 and 2 is told first removes the other and adds 0 again.
    this->set.remove(&listener[0]);
    for (int i : {1, 2})
        listener[i].onCall = [&, i] {
            this->set.remove(&listener[3 - i]);
            this->set.add(&listener[0]);
        };
    RecordingListener* const first = TypeParam::InRegistrationOrder ? &listener[2] : &listener[1];
    EXPECT_EQ(this->notifyAndTakeCallers(), Callers{first});

    first->onCall = [] { throw std::runtime_error("listener failed"); };
    this->log.clear();
    EXPECT_THROW(this->set.notify(), std::runtime_error);
    EXPECT_EQ(callers(this->log), (TypeParam::InRegistrationOrder ? Callers{first} : Callers{&listener[0], first}));
    first->onCall = nullptr;
    EXPECT_EQ(this->notifyAndTakeCallers(),
              (TypeParam::InRegistrationOrder ? Callers{first, &listener[0]} : Callers{&listener[0], first}));
}

} // namespace
} // namespace test
} // namespace orvane
