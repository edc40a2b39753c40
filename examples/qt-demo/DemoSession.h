// One engine session as a Qt application has it, in the order the library
// needs: idle actions from the Qt event loop, the services that do not need
// the main window (the miscellaneous queries before init), the manager with
// its application event monitor, init and start, OpenGL drawing in the
// simulated engine, and the repairer of interrupted frames.
#ifndef QT_DEMO_DEMOSESSION_H
#define QT_DEMO_DEMOSESSION_H

#include "AccountedServices.h"
#include "DemoManager.h"

#include "ovsdkqthost/QtGLDrawAreaFactory.h"
#include "ovsdkqthost/QtIdleScheduler.h"
#include "ovsdkqthost/QtManagerMiscService.h"

#include <string>

class BoundaryAccount;

class DemoSession
{
public:
    // Construct it after the QApplication.
    explicit DemoSession(BoundaryAccount& account);
    // Stops the engine if it still runs.
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // init and start; false (told to the account) when either fails.
    bool start(const std::string& program, const std::string& homeDirectory);
    // Shuts the engine down; the application's windows must be gone.
    void stop();

    DemoManager& manager();
    // Gives the engine's pages their windows once the main window places them.
    orvane::sdk::qthost::QtGLDrawAreaFactory& drawAreaFactory();

private:
    BoundaryAccount& m_account;
    orvane::sdk::qthost::QtIdleScheduler m_idleScheduler;
    orvane::sdk::qthost::QtManagerMiscService m_misc;
    AccountedOffscreenImageService m_offscreen;
    orvane::sdk::qthost::QtGLDrawAreaFactory m_drawAreaFactory;
    DemoManager m_manager;
    bool m_running;
};

#endif // QT_DEMO_DEMOSESSION_H
