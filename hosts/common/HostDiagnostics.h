// The diagnostics of a host in this repository (each host kit, when its
// application event monitor is constructed, and the console demo): the
// library itself drops its reports and starts with checked mode off; a host
// shows the reports and lets its user switch checked mode.
#ifndef ORVANE_HOSTS_COMMON_HOSTDIAGNOSTICS_H
#define ORVANE_HOSTS_COMMON_HOSTDIAGNOSTICS_H

namespace orvane {
namespace sdk {
namespace hostcommon {

// Switches checked mode as the environment variable ORVANE_CHECKED says (1
// on, 0 off; unset or any other value leaves it as it is) and, unless the
// application has installed a handler of its own, installs one that prints
// the first report of each identifier to standard error, as
// "orvane: <error|warning> [<identifier>]: <message>", and drops the later
// ones (that handler may be called from any thread). A handler it installed
// before is kept, with its memory of what it printed.
//
// Call it on the GUI thread, before other threads use the library (as
// Diagnostics::setHandler requires).
void setUpHostDiagnostics();

} // namespace hostcommon
} // namespace sdk
} // namespace orvane

#endif // ORVANE_HOSTS_COMMON_HOSTDIAGNOSTICS_H
