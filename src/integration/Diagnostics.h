#ifndef ORVANE_INTEGRATION_DIAGNOSTICS_H
#define ORVANE_INTEGRATION_DIAGNOSTICS_H

#include "util/Export.h"

#include <boost/function.hpp>

#include <string>

namespace orvane {
namespace sdk {
namespace integration {

// The channel through which the library reports the mistakes of a host that
// it can detect: a contract of the host side broken, or a call the library
// refuses. Each report has a severity, a stable identifier (such as
// "init.no-misc-service"; the README lists them all) and a message in
// English naming what happened and what to change. A report never changes
// what the library does.
//
// Checked mode adds the checks that cost something on the frame and input
// paths: every page handle the engine passes is looked up among the live
// pages (a stale one is reported and the callback ignores it instead of
// following it), and every engine callback, notifyOfIdle and the busy
// callback check their thread. It is on when the environment variable
// ORVANE_CHECKED is 1, off when it is 0, and otherwise on in builds of the
// library without NDEBUG.
class OVSDK_INTEGRATION_EXPORT Diagnostics
{
public:
    enum Severity_e
    {
        Severity_Warning, // the library goes on; something the host meant is lost
        Severity_Error    // the host broke a contract, or the library refused a call
    };

    // Called for each report, on the thread that made it (a call from the
    // wrong thread is reported on that thread).
    typedef boost::function<void(Severity_e severity, const std::string& identifier, const std::string& message)>
        Handler;

    Diagnostics() = delete;

    // Makes `handler` receive every report from now on and returns the one
    // that did before. An empty handler stands for the default one, which
    // prints the first report of each identifier to standard error (with its
    // severity and identifier) and drops the others; setting it starts it
    // afresh. Exceptions thrown by a handler pass to the caller of the
    // library call that reported.
    //
    // Errors: none. Thread safety: may be called from any thread; a report
    // made meanwhile reaches either handler.
    static Handler setHandler(const Handler& handler);

    // Switches checked mode on or off, for every later call.
    //
    // Errors: none. Thread safety: may be called from any thread.
    static void setCheckedMode(bool checked);

    // Errors: none. Thread safety: may be called from any thread.
    static bool isCheckedMode();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_DIAGNOSTICS_H
