// Hears what a drawing area and the application event monitor report, as
// the library's own listeners and slots do, and writes it down as readable
// entries in the order it came: "listener press 1 at 40,60 modifiers 2",
// "signal press 1 at 40,60 modifiers 2", "monitor listener key press 97
// modifiers 0", "monitor button 1 down"... An entry ends in " from another
// source" when a listener was not given the observable it listens to.
#ifndef OVSDKHOSTCONFORMANCE_INPUTRECORDER_H
#define OVSDKHOSTCONFORMANCE_INPUTRECORDER_H

#include "integration/ApplicationEventMonitorInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/GLDrawAreaListenerInterface.h"
#include "integration/KeyEventListenerInterface.h"
#include "integration/MouseEventListenerInterface.h"
#include "integration/OnIdleListenerInterface.h"
#include "ovsignals/SignalConnectionCollection.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace sdk {
namespace hostconformance {

class InputRecorder : public integration::GLDrawAreaListenerInterface,
                      public integration::MouseEventListenerInterface,
                      public integration::KeyEventListenerInterface,
                      public integration::OnIdleListenerInterface
{
public:
    // Listens to `drawArea` (state, mouse, key listeners and signals) and to
    // `monitor` (mouse, key and idle listeners and its signals).
    InputRecorder(integration::GLDrawAreaInterface& drawArea, integration::ApplicationEventMonitorInterface& monitor);
    ~InputRecorder() override;
    InputRecorder(const InputRecorder&) = delete;
    InputRecorder& operator=(const InputRecorder&) = delete;

    // Stops listening to the drawing area; `deleted` when it is gone already.
    void forgetDrawArea(bool deleted = false);

    const std::vector<std::string>& entries() const;
    // The entries that start with `prefix`.
    std::vector<std::string> entriesStartingWith(const std::string& prefix) const;
    void clear();
    // Runs after a key press was written down by the drawing area's key
    // listener (it may throw, or re-enter the monitor).
    void onKeyPressed(std::function<void(int key)> action);

    void drawAreaExposed(integration::GLDrawAreaInterface& drawArea, bool fullDamage) override;
    void drawAreaDestroyed(integration::GLDrawAreaInterface& drawArea) override;
    void drawAreaFocusGained(integration::GLDrawAreaInterface& drawArea) override;
    void mouseMoved(integration::MouseEventInterface& event, integration::MouseEventObservableInterface& source) override;
    void buttonPressed(integration::MouseEventInterface& event,
                       integration::MouseEventObservableInterface& source) override;
    void buttonDoublePressed(integration::MouseEventInterface& event,
                             integration::MouseEventObservableInterface& source) override;
    void buttonReleased(integration::MouseEventInterface& event,
                        integration::MouseEventObservableInterface& source) override;
    void keyPressed(integration::KeyEventInterface& event, integration::KeyEventObservableInterface& source) override;
    void keyReleased(integration::KeyEventInterface& event, integration::KeyEventObservableInterface& source) override;
    void onIdle(integration::OnIdleObservableInterface& source) override;

    static std::string mouseText(const std::string& kind, int button, int x, int y, int modifiers);
    static std::string keyText(const std::string& kind, int key, int modifiers);

private:
    void mouse(const std::string& kind, integration::MouseEventInterface& event,
               integration::MouseEventObservableInterface& source);
    void key(const std::string& kind, integration::KeyEventInterface& event,
             integration::KeyEventObservableInterface& source);
    void connectSignals();
    void add(const std::string& who, const std::string& what, bool fromItsSource = true);

    integration::GLDrawAreaInterface* m_drawArea;
    integration::ApplicationEventMonitorInterface& m_monitor;
    SignalConnectionCollection m_drawAreaConnections;
    SignalConnectionCollection m_monitorConnections;
    std::vector<std::string> m_entries;
    std::function<void(int)> m_onKeyPressed;
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_INPUTRECORDER_H
