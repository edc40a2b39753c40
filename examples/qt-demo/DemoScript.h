// The scripted session: the demo driven like a user would, by synthetic
// input that takes the window system's road (so the application event
// monitor sees it), from timers of the event loop, which also run while
// the engine is busy. Two pages, a page switch, a resize, mouse input in
// the plot, a long operation interrupted by Escape and one interrupted by
// the Stop button after a click it held back, an export and a deletion.
// Screenshots and the exported image go to the output directory; each
// outcome is checked, and the session quits the application with 0 only
// when every check passed.
#ifndef QT_DEMO_DEMOSCRIPT_H
#define QT_DEMO_DEMOSCRIPT_H

#include "ScriptStep.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QTimer>

#include <string>
#include <vector>

class BoundaryAccount;
class DemoSession;
class DemoWindow;
class QAction;
class QWidget;

namespace orvane {
namespace sdk {
namespace qthost {
class QtGLDrawArea;
} // namespace qthost
} // namespace sdk
namespace sim {
struct PageState;
} // namespace sim
} // namespace orvane

class DemoScript
{
public:
    DemoScript(DemoWindow& window, DemoSession& session, BoundaryAccount& account, const QString& outputDirectory);

    // How much the session makes the main window larger, in logical pixels:
    // room the window needs on the screen (a window that grows off the
    // screen is not exposed, and its page is not drawn again).
    static const QSize GrowBy;

    // Runs the steps from the event loop; the whole session gives up after
    // `timeLimitMilliseconds`.
    void start(int timeLimitMilliseconds);

private:
    typedef ScriptStep Step;
    typedef ScriptStep::Condition Condition;
    typedef ScriptStep::Action Action;

    void addSteps();
    void addPageSteps();
    void addInputSteps();
    void addBusySteps();
    void addExportSteps();
    void then(const std::string& waitingFor, Condition ready, Action action);
    // Right after the step before.
    void then(Action action);
    void poll();
    void finish();
    void check(bool ok, const std::string& what);
    void screenshot(const QString& fileName);

    // The user's input, as the window system would deliver it.
    void click(QWidget& widget, QPoint position);
    void click(QAction* action);
    void clickTab(int index);
    void pressEscape();
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers);
    void wheel(QPoint at, int delta);

    orvane::sdk::qthost::QtGLDrawArea& currentDrawArea();
    // A distance in the current drawing area's device pixels, which the
    // library and the engine see, from the logical pixels the script uses.
    int devicePixels(int logical);
    const orvane::sim::PageState& currentEnginePage();
    // A long operation runs and its progress shows `percent` or more.
    bool operationPast(int percent);
    bool operationEnded();

    DemoWindow& m_window;
    DemoSession& m_session;
    BoundaryAccount& m_account;
    QString m_outputDirectory;
    QTimer m_poll;
    QTimer m_timeLimit;
    std::vector<Step> m_steps;
    std::size_t m_next;
    bool m_actionPending;
    int m_checks;
    std::vector<std::string> m_failures;
    std::vector<QString> m_screenshots;

    // What a step remembers for the checks of the next ones.
    long long m_firstPageId;
    int m_framesBefore;
    int m_widthBefore;
    int m_tabBefore;
};

#endif // QT_DEMO_DEMOSCRIPT_H
