#ifndef ORVANE_TESTS_SUPPORT_FAKEEVENTMANAGER_H
#define ORVANE_TESTS_SUPPORT_FAKEEVENTMANAGER_H

#include "integration/EventManagerInterface.h"

namespace orvane {
namespace test {

// An event manager that only answers isBusy(), as told; the page manager
// asks it before switching pages.
class FakeEventManager : public virtual sdk::integration::EventManagerInterface
{
public:
    bool busy = false;

    bool isBusy() override;
    void registerStopButton(const boost::shared_ptr<const sdk::integration::StopButtonInterface>&) override;
    void unRegisterStopButton(const boost::shared_ptr<const sdk::integration::StopButtonInterface>&) override;
    void addOnIdleListener(sdk::integration::OnIdleListenerInterface*) override;
    void removeOnIdleListener(sdk::integration::OnIdleListenerInterface*) override;
    void addMouseListener(sdk::integration::MouseEventListenerInterface*) override;
    void removeMouseListener(sdk::integration::MouseEventListenerInterface*) override;
    void addKeyboardListener(sdk::integration::KeyEventListenerInterface*) override;
    void removeKeyboardListener(sdk::integration::KeyEventListenerInterface*) override;
};

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_FAKEEVENTMANAGER_H
