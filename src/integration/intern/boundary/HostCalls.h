#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_HOSTCALLS_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_HOSTCALLS_H

#include "integration/GLContextInterface.h"
#include "integration/GLDrawAreaInterface.h"
#include "integration/PageInterface.h"
#include "integration/MouseEventInterface.h"
#include "integration/PageRenderDeciderInterface.h"
#include "integration/StopButtonInterface.h"
#include "integration/intern/boundary/TraceRecorder.h"

#include <type_traits>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// The calls on host objects that the trace records: each is a "host" span
// named after the operation, with its arguments and its result ("result";
// a size as "width" and "height"). `Watched` false, on a path compiled for
// no watching, is the call itself; true records while a trace records.
//
// Host exceptions pass through unchanged; the span closes on the way, with
// no result, or "threw" where the call returns nothing (the frame's calls
// with a result stay free of the handler).
namespace host {

// A result as the trace records it: a number, or a host object's handle number.
template <typename T>
TraceArg resultArg(T result)
{
    if constexpr (std::is_pointer<T>::value)
        return traceNumber("result", TraceRecorder::handleID(reinterpret_cast<long long>(result)));
    else
        return traceNumber("result", static_cast<long long>(result));
}

template <bool Watched = true, typename Call>
auto call(const char* name, Call call, std::initializer_list<TraceArg> args = {}) -> decltype(call())
{
    if (!Watched || !TraceRecorder::isRecording())
        return call();
    TraceSpan span("host", name, args);
    if constexpr (std::is_void<decltype(call())>::value)
    {
        try
        {
            call();
        }
        catch (...)
        {
            span.close({traceNumber("threw", 1)});
            throw;
        }
    }
    else
    {
        const auto result = call();
        span.close({resultArg(result)});
        return result;
    }
}

template <bool Watched = true>
bool makeCurrent(GLContextInterface& context)
{
    return call<Watched>("makeCurrent", [&] { return context.makeCurrent(); });
}

template <bool Watched = true>
bool releaseCurrent(GLContextInterface& context)
{
    return call<Watched>("releaseCurrent", [&] { return context.releaseCurrent(); });
}

template <bool Watched = true>
void swapBuffers(GLContextInterface& context)
{
    call<Watched>("swapBuffers", [&] { context.swapBuffers(); });
}

template <bool Watched = true>
bool isValid(GLDrawAreaInterface& drawArea)
{
    return call<Watched>("isValid", [&] { return drawArea.isValid(); });
}

template <bool Watched = true>
bool canRender(GLDrawAreaInterface& drawArea)
{
    return call<Watched>("canRender", [&] { return drawArea.canRender(); });
}

// A drawing area's or a page's size (Sized: either).
template <bool Watched = true, typename Sized>
void getSize(Sized& sized, int& width, int& height)
{
    if (!Watched || !TraceRecorder::isRecording())
        return sized.getSize(width, height);
    TraceSpan span("host", "getSize");
    sized.getSize(width, height);
    span.close({traceNumber("width", width), traceNumber("height", height)});
}

// The top render decider's answer for `page`.
template <bool Watched = true>
bool shouldSwap(PageRenderDeciderInterface& decider, PageInterface& page)
{
    return call<Watched>("shouldOpenGLBuffersBeSwapped", [&] { return decider.shouldOpenGLBuffersBeSwapped(page); },
                         {traceNumber("page", Watched ? page.getUniqueID() : 0)});
}

// A stop button's answer whether it is active.
inline bool isActive(const StopButtonInterface& button)
{
    return call("isActive", [&button] { return button.isActive(); },
                {traceNumber("button", TraceRecorder::isRecording()
                                           ? TraceRecorder::handleID(reinterpret_cast<long long>(&button))
                                           : 0)});
}

// The miscellaneous-queries service's answer whether `button` is down.
template <typename Service>
bool isMouseButtonPressed(Service& service, MouseEventInterface::MouseButton_e button)
{
    return call("isMouseButtonPressed", [&] { return service.isMouseButtonPressed(button); },
                {traceNumber("button", button)});
}

} // namespace host
} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_HOSTCALLS_H
