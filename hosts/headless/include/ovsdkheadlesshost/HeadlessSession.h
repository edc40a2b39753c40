#ifndef OVSDKHEADLESSHOST_HEADLESSSESSION_H
#define OVSDKHEADLESSHOST_HEADLESSSESSION_H

#include "ovsdkheadlesshost/Export.h"
#include "ovsdkheadlesshost/HeadlessDisplay.h"
#include "ovsdkheadlesshost/HeadlessEventLoop.h"
#include "ovsdkheadlesshost/HeadlessManager.h"
#include "ovsdkheadlesshost/HeadlessManagerMiscService.h"
#include "ovsdkheadlesshost/HeadlessOffscreenImageService.h"

#include <string>

namespace orvane {
namespace sdk {
namespace headlesshost {

// Everything a program with no window system needs to run the engine: the
// EGL display, the event loop, the miscellaneous-queries and offscreen
// image services (current) and the manager with its monitor.
//
// Implements: the order of a host's start and end: the display first (so
// a program without usable EGL fails before anything else is made), the
// services current before init(), stop() before the services go.
// Leaves to the application: the command line (start() adds "-b" for batch
// mode when asked), drawing areas and pages, its loop (runOnce()), and the
// services beyond the two.
//
// Errors: the constructor throws orvane::ExceptionBase when no EGL display
// is usable (HeadlessDisplay); start() answers the manager's start-up code.
// Thread safety: GUI thread only.
class OVSDKHEADLESSHOST_EXPORT HeadlessSession
{
public:
    HeadlessSession();
    // Stops the engine.
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // init() with the program's name (and "-b" when `batchMode`), then
    // start(); the first code that is not Ok, or Ok.
    integration::ManagerInterface::ManagerStartReturnCode_e start(const std::string& program,
                                                                  const std::string& homeDirectory,
                                                                  bool batchMode = true);

    // The session's EGL display.
    HeadlessDisplay& display();
    // The session's event loop, for the application's runOnce() calls.
    HeadlessEventLoop& loop();
    // The miscellaneous-queries service, current in the manager.
    HeadlessManagerMiscService& misc();
    // The offscreen image service, current in the manager.
    HeadlessOffscreenImageService& images();
    // The manager, with its application event monitor.
    HeadlessManager& manager();

private:
    HeadlessDisplay m_display;
    HeadlessEventLoop m_loop;
    HeadlessManagerMiscService m_misc;
    HeadlessOffscreenImageService m_images;
    HeadlessManager m_manager;
};

} // namespace headlesshost
} // namespace sdk
} // namespace orvane

#endif // OVSDKHEADLESSHOST_HEADLESSSESSION_H
