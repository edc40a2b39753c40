// The notification rules shared by every listener set of the input and
// drawing-area observables, run against each of them.

#include "integration/intern/GLDrawAreaStateObservable.h"
#include "integration/intern/KeyEvent.h"
#include "integration/intern/KeyEventObservable.h"
#include "integration/intern/MouseEventObservable.h"
#include "integration/intern/OnIdleObservable.h"
#include "support/RecordingListener.h"
#include "support/TestDrawArea.h"
#include "support/TestMouseEvent.h"

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
        TestMouseEvent event(MouseEventInterface::MouseButton_1, 10, 20);
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

TYPED_TEST(ListenerSetRules, CallsEachListenerOnceInTheSetsOrder)
{
    RecordingListener* listener = this->listener;
    this->set.add(&listener[2]);
    this->set.add(&listener[0]);
    this->set.add(&listener[1]);
    this->set.add(&listener[2]);

    const auto expected = TypeParam::InRegistrationOrder
                              ? typename TestFixture::Callers{&listener[2], &listener[0], &listener[1]}
                              : typename TestFixture::Callers{&listener[0], &listener[1], &listener[2]};
    EXPECT_EQ(this->notifyAndTakeCallers(), expected);
}

TYPED_TEST(ListenerSetRules, RegistrationIsASetNotACount)
{
    RecordingListener* listener = this->listener;
    EXPECT_TRUE(this->notifyAndTakeCallers().empty());

    this->set.add(&listener[0]);
    this->set.add(&listener[0]);
    this->set.add(&listener[2]);
    this->set.remove(&listener[0]);
    this->set.remove(&listener[1]); // never added

    EXPECT_EQ(this->notifyAndTakeCallers(), typename TestFixture::Callers{&listener[2]});

    // Added again, a listener takes the place the set's order gives a new one.
    this->set.add(&listener[0]);
    const auto expected = TypeParam::InRegistrationOrder
                              ? typename TestFixture::Callers{&listener[2], &listener[0]}
                              : typename TestFixture::Callers{&listener[0], &listener[2]};
    EXPECT_EQ(this->notifyAndTakeCallers(), expected);
}

TYPED_TEST(ListenerSetRules, ListenersRemovedDuringANotificationAreNotCalledAgain)
{
    RecordingListener* listener = this->listener;
    for (int i = 0; i < 3; ++i)
        this->set.add(&listener[i]);
    // The first removes itself, the second removes the third before its turn.
    listener[0].onCall = [&] { this->set.remove(&listener[0]); };
    listener[1].onCall = [&] { this->set.remove(&listener[2]); };

    EXPECT_EQ(this->notifyAndTakeCallers(), (typename TestFixture::Callers{&listener[0], &listener[1]}));
    EXPECT_EQ(this->notifyAndTakeCallers(), typename TestFixture::Callers{&listener[1]});
}

TYPED_TEST(ListenerSetRules, ListenersAddedDuringANotificationWaitForTheNextOne)
{
    RecordingListener* listener = this->listener;
    this->set.add(&listener[1]);
    this->set.add(&listener[2]);
    // listener[0] sorts before the others by address: it must not be picked
    // up by the walk in progress either way.
    listener[1].onCall = [&] { this->set.add(&listener[0]); };

    EXPECT_EQ(this->notifyAndTakeCallers(), (typename TestFixture::Callers{&listener[1], &listener[2]}));

    const auto expected = TypeParam::InRegistrationOrder
                              ? typename TestFixture::Callers{&listener[1], &listener[2], &listener[0]}
                              : typename TestFixture::Callers{&listener[0], &listener[1], &listener[2]};
    EXPECT_EQ(this->notifyAndTakeCallers(), expected);
}

TYPED_TEST(ListenerSetRules, AThrowingListenerEndsTheNotificationAndLeavesTheSetIntact)
{
    RecordingListener* listener = this->listener;
    for (int i = 0; i < 3; ++i)
        this->set.add(&listener[i]);
    listener[1].onCall = [] { throw std::runtime_error("listener failed"); };

    this->log.clear();
    EXPECT_THROW(this->set.notify(), std::runtime_error);
    EXPECT_EQ(callers(this->log), (typename TestFixture::Callers{&listener[0], &listener[1]}));

    listener[1].onCall = nullptr;
    EXPECT_EQ(this->notifyAndTakeCallers(),
              (typename TestFixture::Callers{&listener[0], &listener[1], &listener[2]}));
}

} // namespace
} // namespace test
} // namespace orvane
