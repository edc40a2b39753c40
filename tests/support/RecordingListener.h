#ifndef ORVANE_TESTS_SUPPORT_RECORDINGLISTENER_H
#define ORVANE_TESTS_SUPPORT_RECORDINGLISTENER_H

#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/KeyEventInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventInterface.h"
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

    explicit RecordingListener(Log& log) : m_log(log) {}

    std::function<void()> onCall;

    void keyPressed(sdk::integration::KeyEventInterface& event,
                    sdk::integration::KeyEventObservableInterface& source) override
    {
        record("keyPressed", &source, event.key());
    }
    void keyReleased(sdk::integration::KeyEventInterface& event,
                     sdk::integration::KeyEventObservableInterface& source) override
    {
        record("keyReleased", &source, event.key());
    }
    void mouseMoved(sdk::integration::MouseEventInterface& event,
                    sdk::integration::MouseEventObservableInterface& source) override
    {
        record("mouseMoved", &source, event.button());
    }
    void buttonPressed(sdk::integration::MouseEventInterface& event,
                       sdk::integration::MouseEventObservableInterface& source) override
    {
        record("buttonPressed", &source, event.button());
    }
    void buttonDoublePressed(sdk::integration::MouseEventInterface& event,
                             sdk::integration::MouseEventObservableInterface& source) override
    {
        record("buttonDoublePressed", &source, event.button());
    }
    void buttonReleased(sdk::integration::MouseEventInterface& event,
                        sdk::integration::MouseEventObservableInterface& source) override
    {
        record("buttonReleased", &source, event.button());
    }
    void onIdle(sdk::integration::OnIdleObservableInterface& source) override { record("onIdle", &source, 0); }
    void drawAreaExposed(sdk::integration::GLDrawAreaInterface& drawArea, bool fullDamage) override
    {
        record("drawAreaExposed", &drawArea, fullDamage ? 1 : 0);
    }
    void drawAreaDestroyed(sdk::integration::GLDrawAreaInterface& drawArea) override
    {
        record("drawAreaDestroyed", &drawArea, 0);
    }
    void drawAreaFocusGained(sdk::integration::GLDrawAreaInterface& drawArea) override
    {
        record("drawAreaFocusGained", &drawArea, 0);
    }

private:
    void record(const char* operation, const void* source, int value)
    {
        m_log.push_back(Call{this, operation, source, value});
        if (onCall)
            onCall();
    }

    Log& m_log;
};

// The listeners of `log`, in call order.
inline std::vector<const RecordingListener*> callers(const RecordingListener::Log& log)
{
    std::vector<const RecordingListener*> result;
    for (const RecordingListener::Call& call : log)
        result.push_back(call.listener);
    return result;
}

} // namespace test
} // namespace orvane

#endif // ORVANE_TESTS_SUPPORT_RECORDINGLISTENER_H
