// One engine session as a GLFW application has it (DemoSessionBase): idle
// actions from the loop, the kit's services and window factory, the
// manager with the kit's application event monitor, and the windows: the
// host's own, and one for each page the engine asks for. As the scripted
// session's toolkit, it queues the user's input in the kit's loop as GLFW's
// callbacks queue it and reads the screen from the X server.
#ifndef GLFW_DEMO_DEMOSESSION_H
#define GLFW_DEMO_DEMOSESSION_H

#include "DemoSessionBase.h"
#include "KitManager.h"

#include "ovsdkglfwhost/GlfwApplicationEventMonitor.h"
#include "ovsdkglfwhost/GlfwDialogGetSimpleTextService.h"
#include "ovsdkglfwhost/GlfwGLDrawArea.h"
#include "ovsdkglfwhost/GlfwGLDrawAreaFactory.h"
#include "ovsdkglfwhost/GlfwIdleScheduler.h"
#include "ovsdkglfwhost/GlfwMRULayoutService.h"
#include "ovsdkglfwhost/GlfwManagerMiscService.h"
#include "ovsdkglfwhost/GlfwMessageBoxService.h"
#include "ovsdkglfwhost/GlfwOffscreenImageService.h"
#include "ovsdkglfwhost/GlfwProgressStatusService.h"
#include "ovsdkglfwhost/GlfwSelectRegionService.h"

#include <memory>
#include <string>
#include <vector>

class DemoSession : public DemoSessionBase
{
public:
    DemoSession(orvane::sdk::glfwhost::GlfwEventLoop& loop, BoundaryAccount& account);
    // Closes the windows and stops the engine if it still runs.
    ~DemoSession() override;

    bool start(const std::string& program, const std::string& homeDirectory) override;

    double now() override;
    int startTimer(int milliseconds, std::function<void()> action) override;
    void stopTimer(int timer) override;
    void later(std::function<void()> task) override;
    // A pass of the loop, then the windows the user asked to close go.
    void runOnce() override;
    bool hasWindows() override;
    orvane::sdk::integration::ManagerAbstract& manager() override;
    void openHostWindow() override;
    orvane::sdk::glfwhost::GlfwGLDrawArea* drawArea(Window window) override;
    void close(Window window) override;
    void resize(Window window, int width, int height) override;
    double pixelRatio(Window window) override;
    void focus(Window window) override;
    void mouseButton(Window window, bool press, double x, double y) override;
    void drag(Window window, double x, double y) override;
    void wheel(Window window, double x, double y) override;
    void key(Window window, char character) override;
    bool grab(Window window, int& width, int& height, std::vector<unsigned char>& rgb) override;
    void waitForScreen() override;

private:
    void placeEngineWindow(orvane::sdk::glfwhost::GlfwGLDrawArea* drawArea);
    void closeWindowsAskedToClose();
    void closeWindows() override;

    orvane::sdk::glfwhost::GlfwEventLoop& m_loop;
    orvane::sdk::glfwhost::GlfwIdleScheduler m_idleScheduler;
    orvane::sdk::glfwhost::GlfwManagerMiscService m_misc;
    orvane::sdk::glfwhost::GlfwOffscreenImageService m_offscreen;
    orvane::sdk::glfwhost::GlfwMessageBoxService m_messageBox;
    orvane::sdk::glfwhost::GlfwDialogGetSimpleTextService m_simpleText;
    orvane::sdk::glfwhost::GlfwProgressStatusService m_progress;
    orvane::sdk::glfwhost::GlfwSelectRegionService m_selectRegion;
    orvane::sdk::glfwhost::GlfwMRULayoutService m_recentLayouts;
    orvane::sdk::glfwhost::GlfwGLDrawAreaFactory m_drawAreaFactory;
    KitManager<orvane::sdk::glfwhost::GlfwApplicationEventMonitor> m_manager;
    std::unique_ptr<orvane::sdk::glfwhost::GlfwGLDrawArea> m_hostWindow;
    std::vector<std::unique_ptr<orvane::sdk::glfwhost::GlfwGLDrawArea>> m_engineWindows;
};

#endif // GLFW_DEMO_DEMOSESSION_H
