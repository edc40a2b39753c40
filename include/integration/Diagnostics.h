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
// By default every report is dropped: the library itself writes nothing,
// reads no environment variable and takes no lock for this channel. A host
// that wants to see the reports installs a handler (setHandler); the host
// kits install one that prints to standard error (their application event
// monitors say when).
//
// Checked mode adds the checks that cost something on the frame and input
// paths: every page handle the engine passes is looked up among the live
// pages (a stale one is reported and the callback ignores it instead of
// following it), and the engine's page, render, busy and on-idle callbacks
// and notifyOfIdle check their thread (the service and dialog callbacks do
// not). It starts off, in every build of the
// library; a host switches it on with setCheckedMode(true), in its debug
// builds say.
//
// The identifiers, with the severity and where each comes from:
// - "init.no-misc-service" (warning): ManagerInterface::init() found no
//   miscellaneous-queries service current.
// - "input.not-current-page" (warning): input queued by a drawing area whose
//   page is not current was dropped when another page became current.
// - "damage.not-current-page" (warning): a drawing area whose page is not
//   current was exposed; the engine redraws only the current page.
// - "render.no-draw-area" (warning): the engine asked to draw a page that
//   has no drawing area (render query; in checked mode also the screen
//   destination).
// - "render.make-current-failed" (error, checked mode):
//   GLContextInterface::makeCurrent() answered false for the page drawn.
// - "thread.not-init-thread" (error): an entry point ran on another thread
//   than init()'s: addPage, deletePage, setCurrentPage and stop always; in
//   checked mode also notifyOfIdle and the engine's busy, on-idle, page
//   and render callbacks.
// - "engine.stale-page-handle" (error, checked mode): the engine passed a
//   page handle that names no live page; the callback ignored it.
// - "engine.stale-monitor" (error): the engine's busy callback named an
//   application event monitor destroyed while the engine runs; ignored.
// - "request.ignored" (warning): PageManagerInterface::setCurrentPage()
//   while a page is being created.
// - "request.waits" (warning): a waiting PageManagerInterface::deletePage()
//   met another page made current a second time; it waits until the pages
//   change.
// - "argument.null" (error): a null render decider or stop button before
//   init(); refused with no engine call.
class OVSDK_INTEGRATION_EXPORT Diagnostics
{
public:
    // How bad a report is.
    enum Severity_e
    {
        // The library goes on; something the host meant is lost.
        Severity_Warning,
        // The host broke a contract, or the library refused a call.
        Severity_Error
    };

    // Called for each report, on the thread that made it (a call from the
    // wrong thread is reported on that thread), with a copy of the handler
    // made for that report. Reports made on several threads at once call
    // their copies at once: a handler of a host that calls the library from
    // more than one thread must be safe to copy and call concurrently.
    typedef boost::function<void(Severity_e severity, const std::string& identifier, const std::string& message)>
        Handler;

    // Not constructible: every member is static.
    Diagnostics() = delete;

    // Makes `handler` receive every report from now on and returns the one
    // before; empty stands for the default, which drops every report.
    //
    // @thread_safety GUI thread, while no other thread may report: see
    // `docs/host-guide.md#the-diagnostics-handler-and-threads`.
    // @reentrancy A handler on the GUI thread may call it; the report being
    // handled completes with the handler it started with.
    // @errors Only what copying `handler` throws; a handler's exception passes
    // to the caller of the library call that reported.
    static Handler setHandler(const Handler& handler);

    // Switches checked mode on or off, for every later call on this thread;
    // other threads see the change at some point after it.
    //
    // @thread_safety May be called from any thread.
    // @reentrancy May be called from a handler.
    // @errors None.
    static void setCheckedMode(bool checked);

    // Whether checked mode is on; false until the host switches it on.
    //
    // @thread_safety May be called from any thread.
    // @reentrancy May be called from a handler.
    // @errors None.
    static bool isCheckedMode();
};

} // namespace integration
} // namespace sdk
} // namespace orvane

#endif // ORVANE_INTEGRATION_DIAGNOSTICS_H
