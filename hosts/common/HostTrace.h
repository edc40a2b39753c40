// The boundary trace of a host kit in this repository: the library records
// only when a host asks it to; each kit's application event monitor asks
// when the environment variable ORVANE_TRACE names a file.
#ifndef ORVANE_HOSTS_COMMON_HOSTTRACE_H
#define ORVANE_HOSTS_COMMON_HOSTTRACE_H

namespace orvane {
namespace sdk {
namespace hostcommon {

// Starts a boundary trace into the file ORVANE_TRACE names (overwritten),
// unless the variable is unset or empty, the file cannot be written (said
// on standard error) or a recording runs already (the application's own).
// The trace's sink takes a lock of the kit's, so that an engine calling
// back on other threads is recorded safely.
//
// Call it on the GUI thread, before other threads use the library.
void beginHostTrace();

// Ends the recording beginHostTrace() started, if it did, and closes its
// file; the application's own recording is left alone. On the GUI thread.
void endHostTrace();

} // namespace hostcommon
} // namespace sdk
} // namespace orvane

#endif // ORVANE_HOSTS_COMMON_HOSTTRACE_H
