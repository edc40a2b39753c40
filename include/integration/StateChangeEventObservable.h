#ifndef ORVANE_INTEGRATION_STATECHANGEEVENTOBSERVABLE_H
#define ORVANE_INTEGRATION_STATECHANGEEVENTOBSERVABLE_H

#include "ovtoolbox/StateChangeNotifier.h"
#include "util/Export.h"

namespace orvane {
namespace sdk {
namespace integration {

// The process-wide relay of engine state changes. Listeners attached to it
// are told of every change synchronously, inside the engine's callback; each
// delivery runs inside the engine's parent lock.
class OVSDK_INTEGRATION_EXPORT StateChangeEventObservable : public virtual orvane::toolbox::StateChangeNotifier
{
public:
    // The single instance, created by the first call and destroyed at program
    // exit.
    //
    // @thread_safety Not safe for concurrent first calls (everything runs on
    // the GUI thread).
    // @errors orvane::OutOfMemoryException when it cannot be made; the next
    // call then tries again. No report.
    static StateChangeEventObservable& getInstance();

    // Whether the instance exists now (between the first getInstance() and
    // program exit); lets owners detach from it during their own
    // destruction without creating it again.
    static bool instanceExists();

private:
    StateChangeEventObservable();
    ~StateChangeEventObservable() override;

    void lockStart(bool shutdownImplicitRecording) override;
    void lockFinish() override;

    static void destroyInstance();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_STATECHANGEEVENTOBSERVABLE_H
