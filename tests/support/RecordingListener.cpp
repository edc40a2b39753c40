#include "support/RecordingListener.h"

#include "integration/KeyEventInterface.h"
#include "integration/MouseEventInterface.h"

namespace orvane {
namespace test {

using namespace sdk::integration;

RecordingListener::RecordingListener(Log& log) : m_log(log) {}

void RecordingListener::keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    record("keyPressed", &source, event.key());
}

void RecordingListener::keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    record("keyReleased", &source, event.key());
}

void RecordingListener::mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    record("mouseMoved", &source, event.button());
}

void RecordingListener::buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    record("buttonPressed", &source, event.button());
}

void RecordingListener::buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    record("buttonDoublePressed", &source, event.button());
}

void RecordingListener::buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    record("buttonReleased", &source, event.button());
}

void RecordingListener::onIdle(OnIdleObservableInterface& source)
{
    record("onIdle", &source, 0);
}

void RecordingListener::drawAreaExposed(GLDrawAreaInterface& drawArea, bool fullDamage)
{
    record("drawAreaExposed", &drawArea, fullDamage ? 1 : 0);
}

void RecordingListener::drawAreaDestroyed(GLDrawAreaInterface& drawArea)
{
    record("drawAreaDestroyed", &drawArea, 0);
}

void RecordingListener::drawAreaFocusGained(GLDrawAreaInterface& drawArea)
{
    record("drawAreaFocusGained", &drawArea, 0);
}

void RecordingListener::record(const char* operation, const void* source, int value)
{
    m_log.push_back(Call{this, operation, source, value});
    if (onCall)
        onCall();
}

std::vector<const RecordingListener*> callers(const RecordingListener::Log& log)
{
    std::vector<const RecordingListener*> result;
    for (const RecordingListener::Call& call : log)
        result.push_back(call.listener);
    return result;
}

} // namespace test
} // namespace orvane
