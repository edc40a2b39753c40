#ifndef ORVANE_TESTS_SUPPORT_RECORDINGLISTENER_H
#define ORVANE_TESTS_SUPPORT_RECORDINGLISTENER_H

#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventListenerInterface.h"
#include "integration/OnIdleListenerInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace test {

// A listener of every input and drawing-area kind that writes each call it
// gets into a log shared with other listeners, so that tests see who was
// called, in which order, with what. `onCall` runs after the call is logged:
// tests use it to add, remove or throw from inside a notification.
class RecordingListener : public virtual sdk::integration::KeyEventListenerInterface,
                          public virtual sdk::integration::MouseEventListenerInterface,
                          public virtual sdk::integration::OnIdleListenerInterface,
                          public virtual sdk::integration::GLDrawAreaListenerInterface
{
public:
    struct Call
    {
        const RecordingListener* listener;
        std::string operation; // the listener operation's name
        const void* source;    // the observable or drawing area passed
        int value;             // key code, mouse button, full-damage flag; 0 otherwise
    };
    typedef std::vector<Call> Log;

    explicit RecordingListener(Log& log);

    std::function<void()> onCall;

    void keyPressed(sdk::integration::KeyEventInterface& event,
                    sdk::integration::KeyEventObservableInterface& source) override;
    void keyReleased(sdk::integration::KeyEventInterface& event,
                     sdk::integration::KeyEventObservableInterface& source) override;
    void mouseMoved(sdk::integration::MouseEventInterface& event,
                    sdk::integration::MouseEventObservableInterface& source) override;
    void buttonPressed(sdk::integration::MouseEventInterface& event,
                       sdk::integration::MouseEventObservableInterface& source) override;
    void buttonDoublePressed(sdk::integration::MouseEventInterface& event,
                             sdk::integration::MouseEventObservableInterface& source) override;
    void buttonReleased(sdk::integration::MouseEventInterface& event,
                        sdk::integration::MouseEventObservableInterface& source) override;
    void onIdle(sdk::integration::OnIdleObservableInterface& source) override;
    void drawAreaExposed(sdk::integration::GLDrawAreaInterface& drawArea, bool fullDamage) override;
    void drawAreaDestroyed(sdk::integration::GLDrawAreaInterface& drawArea) override;
    void drawAreaFocusGained(sdk::integration::GLDrawAreaInterface& drawArea) override;

private:
    void record(const char* operation, const void* source, int value);

    Log& m_log;
};

// The listeners of `log`, in call order.
std::vector<const RecordingListener*> callers(const RecordingListener::Log& log);

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RECORDINGLISTENER_H
