// One engine session as a GTK application has it (DemoSessionBase): idle
// actions from GLib's main loop, the kit's services and window factory,
// the manager with the kit's application event monitor, and the windows:
// the host's own, and one for each page the engine asks for. Closing a
// window deletes its page, then the window. As the scripted session's
// toolkit, it queues the user's input in the drawing areas as the event
// controllers report it (GTK 4 makes no events of its own) and reads the
// screen from the X server.
#ifndef GTK_DEMO_DEMOSESSION_H
#define GTK_DEMO_DEMOSESSION_H

#include "DemoSessionBase.h"
#include "KitManager.h"

#include "ovsdkgtkhost/GtkApplicationEventMonitor.h"
#include "ovsdkgtkhost/GtkDialogs.h"
#include "ovsdkgtkhost/GtkGLDrawArea.h"
#include "ovsdkgtkhost/GtkGLDrawAreaFactory.h"
#include "ovsdkgtkhost/GtkIdleScheduler.h"
#include "ovsdkgtkhost/GtkManagerMiscService.h"
#include "ovsdkgtkhost/GtkOffscreenImageService.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class DemoSession : public DemoSessionBase
{
public:
    explicit DemoSession(BoundaryAccount& account);
    // Closes the windows and stops the engine if it still runs.
    ~DemoSession() override;

    bool start(const std::string& program, const std::string& homeDirectory) override;

    double now() override;
    int startTimer(int milliseconds, std::function<void()> action) override;
    void stopTimer(int timer) override;
    // Runs `task` from the main loop when it is idle next (dropped when the
    // session goes first).
    void later(std::function<void()> task) override;
    void runOnce() override;
    orvane::sdk::integration::ManagerAbstract& manager() override;
    void openHostWindow() override;
    bool hasWindows() override;
    orvane::sdk::gtkhost::GtkGLDrawArea* drawArea(Window window) override;
    void close(Window window) override;
    void resize(Window window, int width, int height) override;
    double pixelRatio(Window window) override;
    void focus(Window window) override;
    void mouseButton(Window window, bool press, double x, double y) override;
    void drag(Window window, double x, double y) override;
    void wheel(Window window, double x, double y) override;
    void key(Window window, char character) override;
    // GTK has painted the frame handed over last.
    bool framePainted(Window window) override;
    bool grab(Window window, int& width, int& height, std::vector<unsigned char>& rgb) override;
    // A few milliseconds, then what the main loop has pending.
    void waitForScreen() override;

private:
    void placeEngineWindow(orvane::sdk::gtkhost::GtkGLDrawArea* drawArea);
    // Shows the window at x; closing it closes the page.
    void show(orvane::sdk::gtkhost::GtkGLDrawArea& drawArea, int x);
    // The user closes `window`: its page goes, then the window.
    void closeWindow(orvane::sdk::gtkhost::GtkGLDrawArea* window);
    void closeWindows() override;
    void runLater();
    void post(Window window, const orvane::sdk::gtkhost::GtkInputEvent& event);

    orvane::sdk::gtkhost::GtkIdleScheduler m_idleScheduler;
    orvane::sdk::gtkhost::GtkManagerMiscService m_misc;
    orvane::sdk::gtkhost::GtkOffscreenImageService m_offscreen;
    orvane::sdk::gtkhost::GtkMessageBoxService m_messageBox;
    orvane::sdk::gtkhost::GtkDialogGetSimpleTextService m_simpleText;
    orvane::sdk::gtkhost::GtkGLDrawAreaFactory m_drawAreaFactory;
    KitManager<orvane::sdk::gtkhost::GtkApplicationEventMonitor> m_manager;
    std::vector<std::unique_ptr<orvane::sdk::gtkhost::GtkGLDrawArea>> m_windows;
    orvane::sdk::gtkhost::GtkGLDrawArea* m_host;
    std::vector<std::function<void()>> m_later;
    unsigned m_laterSource;
};

#endif // GTK_DEMO_DEMOSESSION_H
