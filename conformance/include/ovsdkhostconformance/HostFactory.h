#ifndef OVSDKHOSTCONFORMANCE_HOSTFACTORY_H
#define OVSDKHOSTCONFORMANCE_HOSTFACTORY_H

#include "ovsdkhostconformance/HostDriver.h"

#include "integration/GLDrawAreaInterface.h"
#include "integration/ManagerInterface.h"
#include "integration/intern/ApplicationEventMonitorAbstract.h"
#include "integration/services/ManagerMiscServiceAbstract.h"
#include "integration/services/OffscreenImageServiceAbstract.h"

#include <memory>

namespace orvane {
namespace sdk {
namespace hostconformance {

// What a host gives the host conformance suite: its drawing areas, its
// application event monitor, its services and a driver for its windows.
//
// The suite runs one engine session with them, as an application does: it
// makes a manager of its own whose monitor createMonitor() makes, makes the
// services current, init()s and start()s it, checks, and stop()s it at the
// end of the test program. Objects made here belong to the suite, which
// deletes drawing areas before the session stops and the monitor and the
// services after it.
class HostFactory
{
public:
    // Must outlive RUN_ALL_TESTS (see HostConformance::registerTests).
    virtual ~HostFactory();

    // A drawing area with its OpenGL context, `width` x `height` device
    // pixels (at most 320 x 240), shown on the screen where no other window
    // of the suite covers it (at most four exist at a time), and exposed by
    // the time it is returned, so that it can render.
    virtual std::unique_ptr<integration::GLDrawAreaInterface> createDrawArea(int width, int height) = 0;

    // The host's application event monitor for the suite's manager; made
    // once, right after the manager, before init().
    virtual std::unique_ptr<integration::intern::ApplicationEventMonitorAbstract> createMonitor(
        integration::ManagerInterface& manager) = 0;

    // The miscellaneous-queries service; made once, current before init().
    virtual std::unique_ptr<integration::services::ManagerMiscServiceAbstract> createMiscService() = 0;

    // The offscreen image service, or null (the default) for a host that
    // makes no offscreen images: their checks are skipped then.
    virtual std::unique_ptr<integration::services::OffscreenImageServiceAbstract> createOffscreenImageService();

    // The driver of the windows this factory makes; it lives as long as the
    // factory.
    virtual HostDriver& driver() = 0;
};

} // namespace hostconformance
} // namespace sdk
} // namespace orvane

#endif // OVSDKHOSTCONFORMANCE_HOSTFACTORY_H
