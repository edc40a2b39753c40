#include "support/FakeEventManager.h"

namespace orvane {
namespace test {

using namespace sdk::integration;

bool FakeEventManager::isBusy() { return busy; }
void FakeEventManager::registerStopButton(const boost::shared_ptr<const StopButtonInterface>&) {}
void FakeEventManager::unRegisterStopButton(const boost::shared_ptr<const StopButtonInterface>&) {}
void FakeEventManager::addOnIdleListener(OnIdleListenerInterface*) {}
void FakeEventManager::removeOnIdleListener(OnIdleListenerInterface*) {}
void FakeEventManager::addMouseListener(MouseEventListenerInterface*) {}
void FakeEventManager::removeMouseListener(MouseEventListenerInterface*) {}
void FakeEventManager::addKeyboardListener(KeyEventListenerInterface*) {}
void FakeEventManager::removeKeyboardListener(KeyEventListenerInterface*) {}

} // namespace test
} // namespace orvane
