#ifndef ORVANE_INTEGRATION_INTERN_BOUNDARY_LIBRARYFRAME_H
#define ORVANE_INTEGRATION_INTERN_BOUNDARY_LIBRARYFRAME_H

#include <functional>

namespace orvane {
namespace sdk {
namespace integration {
namespace intern {

// A call into the library, from the host (a request) or from the engine (a
// callback), for the lifetime of the object. Frames nest: a host's listener
// calls in again from inside an engine callback, which the engine made from
// inside a host request. What must not be freed under a running call is
// handed to afterOutermost() and freed when the outermost frame returns.
//
// Thread safety: frames are counted per thread; the library runs on the GUI
// thread.
class LibraryFrame
{
public:
    LibraryFrame() { ++t_depth; }
    // Runs the deferred actions when this is the outermost frame.
    ~LibraryFrame()
    {
        if (--t_depth == 0 && t_deferring)
            runDeferred();
    }
    LibraryFrame(const LibraryFrame&) = delete;
    LibraryFrame& operator=(const LibraryFrame&) = delete;

    // Whether this frame runs inside another one.
    static bool isNested();
    // Runs `action` for `owner` when the outermost frame returns, or now when
    // none runs. An exception of a deferred action is dropped: the frame's
    // own result stands.
    static void afterOutermost(const void* owner, std::function<void()> action);
    // Forgets the deferred actions of `owner` (which is being destroyed).
    static void cancel(const void* owner);

private:
    static void runDeferred();

    // Frames are counted on every call into the library: the static TLS
    // model keeps that to one increment (no lookup of the thread's block).
    static thread_local int t_depth __attribute__((tls_model("initial-exec")));
    static thread_local bool t_deferring __attribute__((tls_model("initial-exec")));
};

} // namespace intern
} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_INTERN_BOUNDARY_LIBRARYFRAME_H
