// The demo's main window: the engine's pages as tabs, menus and a tool bar
// to create, delete and switch pages, to have the engine open a layout,
// export an image and run a long operation, and a status bar with the
// engine's status line, running coordinates, progress and a Stop button.
// The window makes the kit's services that need its widgets current, and
// lets every drawing-area input, page change and service request be told
// to the account.
#ifndef QT_DEMO_DEMOWINDOW_H
#define QT_DEMO_DEMOWINDOW_H

#include "AccountedServices.h"
#include "BoundaryListeners.h"
#include "ViewChangeRedrawer.h"

#include "ovsdkqthost/QtCursorShapeService.h"
#include "ovsdkqthost/QtDialogGetSimpleTextService.h"
#include "ovsdkqthost/QtMRULayoutService.h"
#include "ovsdkqthost/QtMessageBoxService.h"
#include "ovsdkqthost/QtScriptedAnswers.h"
#include "ovsdkqthost/QtSelectRegionService.h"

#include "integration/StopButtonInterface.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>

#include <QMainWindow>

#include <optional>

class BoundaryAccount;
class DemoSession;
class PageTabs;
class QLabel;
class QProgressBar;
class QPushButton;

class DemoWindow : public QMainWindow
{
public:
    struct Actions
    {
        QAction* newPage;
        QAction* enginePage;
        QAction* deletePage;
        QAction* previousPage;
        QAction* nextPage;
        QAction* exportImage;
        QAction* longOperation;
        QAction* quit;
    };

    DemoWindow(DemoSession& session, BoundaryAccount& account);
    // The drawing areas go first, while everything they talk to still lives.
    ~DemoWindow() override;

    const Actions& actions() const;
    PageTabs& tabs();
    QProgressBar& progressBar();
    QPushButton& stopButton();
    // File names the export takes instead of asking the user.
    orvane::sdk::qthost::QtScriptedAnswers<QString>& exportFileNames();

    // Whether the last long operation completed; empty before the first
    // one ends.
    std::optional<bool> lastOperationCompleted() const;
    // The file the last export wrote, empty when it failed.
    QString lastExport() const;

private:
    void createActions();
    void createStatusBar();
    void connectAccount();
    void setActionsEnabled(bool enabled);

    void newPage();
    void engineOpensLayout(const QString& layout);
    void deletePage();
    void stepPage(int step);
    void exportImage();
    void exportTo(const QString& fileName);
    void runLongOperation();

    DemoSession& m_session;
    BoundaryAccount& m_account;
    PageTabs* m_tabs;
    QMenu* m_recentLayouts;
    Actions m_actions;
    QLabel* m_coordinates;
    QProgressBar* m_progress;
    QPushButton* m_stop;

    AccountedProgressStatusService m_progressStatus;
    AccountedRunningCoordsService m_runningCoordinates;
    orvane::sdk::qthost::QtSelectRegionService m_selectRegion;
    orvane::sdk::qthost::QtMessageBoxService m_messageBox;
    orvane::sdk::qthost::QtDialogGetSimpleTextService m_simpleText;
    orvane::sdk::qthost::QtMRULayoutService m_recentLayoutsService;
    orvane::sdk::qthost::QtCursorShapeService m_cursors;

    PageAccount m_pageAccount;
    InputAccount m_inputAccount;
    ViewChangeRedrawer m_viewRedrawer;
    boost::shared_ptr<const orvane::sdk::integration::StopButtonInterface> m_stopButton;
    boost::signals2::scoped_connection m_noLongerBusy;
    orvane::sdk::qthost::QtScriptedAnswers<QString> m_exportFileNames;
    std::optional<bool> m_lastOperationCompleted;
    QString m_lastExport;
    int m_layoutsOpened;
};

#endif // QT_DEMO_DEMOWINDOW_H
