// Work-area input, busy operations and interruption.
#include "CallLog.h"
#include "EngineSteps.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace orvane {
namespace sim {
namespace {

// Work-area event kinds, as the engine numbers them.
const int Kind_Press = 0;
const int Kind_Release = 1;
const int Kind_DoublePress = 2;
const int Kind_Move = 3;
const int Kind_Drag = 4;
const int Kind_Key = 5;

// Wheel rotations reach the work area as these keys.
const int Key_ZoomIn = 43;  // '+'
const int Key_ZoomOut = 45; // '-'
const double ZoomStep = 1.25;

// Plot units of a screen position in a page's view.
double plotX(const PageView& view, int x) { return (x - view.panX) / view.zoom; }
double plotY(const PageView& view, int y) { return (y - view.panY) / view.zoom; }

void showRunningCoordinates(const PageView& view, int x, int y)
{
    char first[48];
    char second[48];
    std::snprintf(first, sizeof first, "X: %g", plotX(view, x));
    std::snprintf(second, sizeof second, "Y: %g", plotY(view, y));
    reportRunningCoordinates(first, second);
}

// What the engine makes of one event in the current page's view: a drag
// pans, a shift-drag selects (reported at the release), a move reports the
// running coordinates, '+' and '-' zoom.
void interpret(PageState& page, const WorkAreaEvent& event)
{
    detail::WorkAreaGesture& gesture = detail::engine().gesture;
    PageView& view = page.view;
    switch (event.kind)
    {
    case Kind_Press:
    case Kind_DoublePress:
        gesture.lastX = event.x;
        gesture.lastY = event.y;
        gesture.selecting = false;
        break;
    case Kind_Drag:
        if (event.shift)
        {
            if (!gesture.selecting)
            {
                gesture.selecting = true;
                gesture.selectFromX = gesture.lastX;
                gesture.selectFromY = gesture.lastY;
            }
            break;
        }
        view.panX += event.x - gesture.lastX;
        view.panY += event.y - gesture.lastY;
        gesture.lastX = event.x;
        gesture.lastY = event.y;
        break;
    case Kind_Release:
        if (gesture.selecting)
        {
            gesture.selecting = false;
            requestSelectRegion(plotX(view, gesture.selectFromX), plotY(view, gesture.selectFromY),
                                plotX(view, event.x), plotY(view, event.y), true);
        }
        break;
    case Kind_Move:
        showRunningCoordinates(view, event.x, event.y);
        break;
    case Kind_Key:
        if (event.buttonOrKey == Key_ZoomIn)
            view.zoom *= ZoomStep;
        else if (event.buttonOrKey == Key_ZoomOut)
            view.zoom /= ZoomStep;
        break;
    default:
        break;
    }
}

} // namespace

const std::vector<WorkAreaEvent>& workAreaEvents() { return detail::engine().workAreaEvents; }

bool isBusyOperationRunning() { return detail::engine().busyOperations > 0; }

bool interruptFlag() { return detail::engine().interrupted; }

bool runBusyOperation(int steps)
{
    detail::EngineState& state = detail::engine();
    state.interrupted = false;
    const detail::ScopedCount busy(state.busyOperations);
    startProgress(true, false);
    bool completed = true;
    const std::chrono::milliseconds stepDuration(state.knobs.busyStepMilliseconds);
    for (int step = 1; step <= steps; ++step)
    {
        if (stepDuration.count() > 0)
            std::this_thread::sleep_for(stepDuration);
        detail::processBusyEvents();
        if (state.interrupted)
        {
            completed = false;
            break;
        }
        reportProgress(static_cast<int>(static_cast<long long>(step) * 100 / steps));
    }
    finishProgress();
    return completed;
}

} // namespace sim
} // namespace orvane

using namespace orvane::sim;
using namespace orvane::sim::detail;

extern "C" {

Boolean_t OrvUtilDispatchWorkAreaEvent(int x, int y, int buttonOrKey, int kind, Boolean_t shift, Boolean_t alt, Boolean_t control)
{
    logCall("OrvUtilDispatchWorkAreaEvent", x, y, buttonOrKey, kind, shift, alt, control);
    EngineState& state = engine();
    const WorkAreaEvent event{x, y, buttonOrKey, kind, shift != FALSE, alt != FALSE, control != FALSE, state.currentPageId};
    state.workAreaEvents.push_back(event);
    if (PageState* page = pageById(event.pageId))
        interpret(*page, event);
    return TRUE;
}

Boolean_t OrvUtilIsBusy(void)
{
    logCall("OrvUtilIsBusy");
    const EngineState& state = engine();
    return state.busyOperations > 0 || state.busyFrames > 0 || state.knobs.busy ? TRUE : FALSE;
}

void OrvUtilInterrupt(void)
{
    logCall("OrvUtilInterrupt");
    engine().interrupted = true;
}

Boolean_t OrvUtilInterruptIsSet(void)
{
    logCall("OrvUtilInterruptIsSet");
    return engine().interrupted ? TRUE : FALSE;
}

Boolean_t OrvUtilInterruptCheck(void)
{
    logCall("OrvUtilInterruptCheck");
    return engine().interrupted ? TRUE : FALSE;
}

} // extern "C"
