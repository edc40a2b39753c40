// The scripted session of the GLFW and GTK demos: the demo driven like a
// user would, by input that takes the window system's road (so the
// application event monitor sees it), from a timer of the toolkit's loop,
// which also runs while the engine is busy. Two windows with a page each
// (one the host makes, one the engine asks for), focus making a page
// current, a resize, a drag, the wheel and a key in the plot, a long
// operation stopped by Escape and one by a click, a frame cut short by an
// interrupt kept off the screen and redrawn, an export and the close of a
// window. Each outcome is checked, the frames on the screen by their
// pixels; pictures go to the output directory.
#ifndef DEMO_SCRIPT_DEMOSCRIPT_H
#define DEMO_SCRIPT_DEMOSCRIPT_H

#include "DemoToolkit.h"
#include "ScriptStep.h"

#include "ovsdkbase.h"

#include <string>
#include <vector>

class BoundaryAccount;

class DemoScript
{
public:
    DemoScript(DemoToolkit& toolkit, BoundaryAccount& account, const std::string& outputDirectory);
    ~DemoScript();
    DemoScript(const DemoScript&) = delete;
    DemoScript& operator=(const DemoScript&) = delete;

    // Runs the steps from the toolkit's loop; the whole session gives up
    // after `timeLimitSeconds`.
    void start(double timeLimitSeconds);
    bool finished() const;
    // Whether every check passed.
    bool passed() const;
    // The checks of the end, after the session stopped.
    void checkShutdown();

private:
    typedef DemoToolkit::Window Window;
    // A step that gives up waiting runs its action anyway.
    typedef ScriptStep Step;
    typedef ScriptStep::Condition Condition;
    typedef ScriptStep::Action Action;

    void addSteps();
    void addInputSteps();
    void addBusySteps();
    void then(const std::string& waitingFor, Condition ready, Action action);
    void poll();
    void check(bool ok, const std::string& what);
    // The page's frames since `framesBefore` are drawn and on the screen.
    bool drawnAndShown(Window window, UniqueID_t page, int framesBefore = 0);
    // The window shows the plot of `page` on the screen; the picture goes to
    // `fileName` in the output directory.
    bool showsPlot(Window window, UniqueID_t page, const std::string& fileName);
    bool writePicture(const std::string& fileName, int width, int height, const std::vector<unsigned char>& rgb);
    // A long operation, interrupted by what `interrupt` does while it runs.
    bool interruptedOperation(const std::string& how, const Action& interrupt);
    void click(Window window, double x, double y);
    void drag(Window window, double fromX, double fromY, double toX, double toY);

    // The engine's page made last.
    static UniqueID_t newestPage();
    static int framesOf(UniqueID_t page);

    DemoToolkit& m_toolkit;
    BoundaryAccount& m_account;
    std::string m_outputDirectory;
    int m_pollTimer;
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

#endif // DEMO_SCRIPT_DEMOSCRIPT_H
