#include "InputRecorder.h"

#include "integration/KeyEventInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/MouseWheelEventInterface.h"

namespace orvane {
namespace sdk {
namespace hostconformance {

using namespace integration;

namespace {

const int ModifierBits = 7;

std::string wheelText(MouseWheelEventInterface& event)
{
    return "wheel at " + std::to_string(event.x()) + "," + std::to_string(event.y()) +
           (event.delta() > 0 ? " away" : event.delta() < 0 ? " towards" : " still") +
           (event.orientation() == MouseWheelEventInterface::Orientation_Vertical ? " vertical" : " horizontal");
}

} // namespace

InputRecorder::InputRecorder(GLDrawAreaInterface& drawArea, ApplicationEventMonitorInterface& monitor)
    : m_drawArea(&drawArea), m_monitor(monitor)
{
    drawArea.addStateListener(this);
    drawArea.addMouseListener(this);
    drawArea.addKeyboardListener(this);
    monitor.addMouseListener(this);
    monitor.addKeyboardListener(this);
    monitor.addOnIdleListener(this);
    connectSignals();
}

InputRecorder::~InputRecorder()
{
    forgetDrawArea();
    m_monitor.removeMouseListener(this);
    m_monitor.removeKeyboardListener(this);
    m_monitor.removeOnIdleListener(this);
}

void InputRecorder::forgetDrawArea(bool deleted)
{
    if (m_drawArea == nullptr)
        return;
    m_drawAreaConnections.disconnectAll();
    if (deleted)
    {
        m_drawArea = nullptr;
        return;
    }
    m_drawArea->removeStateListener(this);
    m_drawArea->removeMouseListener(this);
    m_drawArea->removeKeyboardListener(this);
    m_drawArea = nullptr;
}

void InputRecorder::connectSignals()
{
    GLDrawAreaInterface& area = *m_drawArea;
    const auto mouseSlot = [this](const std::string& kind) {
        return [this, kind](MouseEventInterface& event) {
            add("signal", mouseText(kind, event.button(), event.x(), event.y(), event.keyboardModifiers()));
        };
    };
    m_drawAreaConnections.add(area.connectButtonPressed(mouseSlot("press")));
    m_drawAreaConnections.add(area.connectButtonReleased(mouseSlot("release")));
    m_drawAreaConnections.add(area.connectMouseMoved(mouseSlot("move")));
    m_drawAreaConnections.add(
        area.connectWheelRotated([this](MouseWheelEventInterface& event) { add("signal", wheelText(event)); }));
    m_drawAreaConnections.add(area.connectDrawAreaExposed(
        [this](bool fullDamage) { add("signal", fullDamage ? "exposed full" : "exposed partly"); }));
    m_drawAreaConnections.add(area.connectDrawAreaDestroyed([this] { add("signal", "destroyed"); }));
    m_drawAreaConnections.add(area.connectDrawAreaFocusGained([this] { add("signal", "focus gained"); }));

    m_monitorConnections.add(
        m_monitor.connectWheelRotated([this](MouseWheelEventInterface& event) { add("monitor signal", wheelText(event)); }));
    m_monitorConnections.add(m_monitor.connectMouseButtonStateChanged(
        [this](MouseEventInterface::MouseButton_e button, bool down) {
            add("monitor button", std::to_string(button) + (down ? " down" : " up"));
        }));
    m_monitorConnections.add(m_monitor.connectProcessingNewEvent(
        [this](const ApplicationEventMonitorInterface::EventReceiverInfo&) { add("monitor", "new event"); }));
    m_monitorConnections.add(m_monitor.connectEngineIsNoLongerBusy([this] { add("monitor", "engine no longer busy"); }));
}

const std::vector<std::string>& InputRecorder::entries() const { return m_entries; }

std::vector<std::string> InputRecorder::entriesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& entry : m_entries)
        if (entry.compare(0, prefix.size(), prefix) == 0)
            found.push_back(entry);
    return found;
}

void InputRecorder::clear() { m_entries.clear(); }

void InputRecorder::onKeyPressed(std::function<void(int key)> action) { m_onKeyPressed = std::move(action); }

void InputRecorder::drawAreaExposed(GLDrawAreaInterface& drawArea, bool fullDamage)
{
    add("listener", fullDamage ? "exposed full" : "exposed partly", &drawArea == m_drawArea);
}

void InputRecorder::drawAreaDestroyed(GLDrawAreaInterface& drawArea)
{
    add("listener", "destroyed", &drawArea == m_drawArea);
}

void InputRecorder::drawAreaFocusGained(GLDrawAreaInterface& drawArea)
{
    add("listener", "focus gained", &drawArea == m_drawArea);
}

void InputRecorder::mouseMoved(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    mouse("move", event, source);
}

void InputRecorder::buttonPressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    mouse("press", event, source);
}

void InputRecorder::buttonDoublePressed(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    mouse("double press", event, source);
}

void InputRecorder::buttonReleased(MouseEventInterface& event, MouseEventObservableInterface& source)
{
    mouse("release", event, source);
}

void InputRecorder::keyPressed(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    key("key press", event, source);
    if (m_onKeyPressed && m_drawArea != nullptr && &source == static_cast<KeyEventObservableInterface*>(m_drawArea))
        m_onKeyPressed(event.key());
}

void InputRecorder::keyReleased(KeyEventInterface& event, KeyEventObservableInterface& source)
{
    key("key release", event, source);
}

void InputRecorder::onIdle(OnIdleObservableInterface&) { add("monitor", "idle"); }

std::string InputRecorder::mouseText(const std::string& kind, int button, int x, int y, int modifiers)
{
    return kind + " " + std::to_string(button) + " at " + std::to_string(x) + "," + std::to_string(y) +
           " modifiers " + std::to_string(modifiers & ModifierBits);
}

std::string InputRecorder::keyText(const std::string& kind, int key, int modifiers)
{
    return kind + " " + std::to_string(key) + " modifiers " + std::to_string(modifiers & ModifierBits);
}

void InputRecorder::mouse(const std::string& kind, MouseEventInterface& event, MouseEventObservableInterface& source)
{
    const bool fromDrawArea = m_drawArea != nullptr && &source == static_cast<MouseEventObservableInterface*>(m_drawArea);
    const bool fromMonitor = &source == static_cast<MouseEventObservableInterface*>(&m_monitor);
    add(fromMonitor ? "monitor listener" : "listener",
        mouseText(kind, event.button(), event.x(), event.y(), event.keyboardModifiers()), fromDrawArea || fromMonitor);
}

void InputRecorder::key(const std::string& kind, KeyEventInterface& event, KeyEventObservableInterface& source)
{
    const bool fromDrawArea = m_drawArea != nullptr && &source == static_cast<KeyEventObservableInterface*>(m_drawArea);
    const bool fromMonitor = &source == static_cast<KeyEventObservableInterface*>(&m_monitor);
    add(fromMonitor ? "monitor listener" : "listener", keyText(kind, event.key(), event.keyboardModifiers()),
        fromDrawArea || fromMonitor);
}

void InputRecorder::add(const std::string& who, const std::string& what, bool fromItsSource)
{
    m_entries.push_back(who + " " + what + (fromItsSource ? "" : " from another source"));
}

} // namespace hostconformance
} // namespace sdk
} // namespace orvane
