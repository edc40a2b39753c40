// The scripted session: the demo driven like a user would, by input that
// takes the event controllers' road (GtkInputEvent values queued in the
// drawing areas, as GTK 4 makes no events of its own, so the application
// event monitor sees them), from a GLib timeout, which also runs while the
// engine is busy. Two windows with a page each (one the host makes, one
// the engine asks for), focus making a page current, a resize, a drag, the
// wheel and a key in the plot, a long operation stopped by Escape and one
// by a click, a frame cut short by an interrupt kept off the screen and
// redrawn, an export and the close of a window. Each outcome is checked,
// the frames on the screen by their pixels; pictures go to the output
// directory.
#ifndef GTK_DEMO_DEMOSCRIPT_H
#define GTK_DEMO_DEMOSCRIPT_H

#include "ovsdkbase.h"

#include <functional>
#include <string>
#include <vector>

class BoundaryAccount;
class DemoSession;

namespace orvane {
namespace sdk {
namespace gtkhost {
class GtkGLDrawArea;
struct GtkInputEvent;
} // namespace gtkhost
} // namespace sdk
} // namespace orvane

class DemoScript
{
public:
    DemoScript(DemoSession& session, BoundaryAccount& account, const std::string& outputDirectory);
    ~DemoScript();
    DemoScript(const DemoScript&) = delete;
    DemoScript& operator=(const DemoScript&) = delete;

    // Runs the steps from GLib's main loop; the whole session gives up
    // after `timeLimitSeconds`.
    void start(double timeLimitSeconds);
    bool finished() const;
    // Whether every check passed.
    bool passed() const;
    // The checks of the end, after the session stopped.
    void checkShutdown();

private:
    typedef std::function<bool()> Condition;
    typedef std::function<void()> Action;

    // Once `ready` holds (or gives up waiting), `action` runs from the
    // timeout (it may start a long operation and return when it ends).
    struct Step
    {
        std::string waitingFor;
        Condition ready;
        Action action;
    };

    void addSteps();
    void addInputSteps();
    void addBusySteps();
    void then(const std::string& waitingFor, Condition ready, Action action);
    void poll();
    void check(bool ok, const std::string& what);
    // The page's frames are drawn and GTK has painted the last one.
    bool drawnAndShown(orvane::sdk::gtkhost::GtkGLDrawArea* window, UniqueID_t page, int framesBefore = 0);
    // The window shows the plot of `page` on the screen; the picture goes to
    // `fileName` in the output directory.
    bool showsPlot(orvane::sdk::gtkhost::GtkGLDrawArea* window, UniqueID_t page, const std::string& fileName);
    bool writePicture(const std::string& fileName, int width, int height, const std::vector<unsigned char>& rgb);
    // A long operation, interrupted by what `interrupt` does while it runs.
    bool interruptedOperation(const std::string& how, const Action& interrupt);

    // The user's input, queued as the event controllers report it.
    void post(orvane::sdk::gtkhost::GtkGLDrawArea* window, const orvane::sdk::gtkhost::GtkInputEvent& event);
    void click(orvane::sdk::gtkhost::GtkGLDrawArea* window, double x, double y);
    void drag(orvane::sdk::gtkhost::GtkGLDrawArea* window, double fromX, double fromY, double toX, double toY);
    void pressKey(orvane::sdk::gtkhost::GtkGLDrawArea* window, unsigned keyval);

    static double now();
    static UniqueID_t newestPage();
    static int framesOf(UniqueID_t page);

    DemoSession& m_session;
    BoundaryAccount& m_account;
    std::string m_outputDirectory;
    unsigned m_pollSource;
    double m_deadline;
    double m_stepDeadline;
    std::vector<Step> m_steps;
    std::size_t m_next;
    bool m_actionRunning;
    bool m_finished;
    int m_checks;
    std::vector<std::string> m_failures;

    // What a step remembers for the checks of the next ones.
    UniqueID_t m_hostPage;
    UniqueID_t m_enginePage;
    int m_framesBefore;
};

#endif // GTK_DEMO_DEMOSCRIPT_H
