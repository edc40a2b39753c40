#ifndef OVSDKQTHOST_QTPROGRESSSTATUSSERVICE_H
#define OVSDKQTHOST_QTPROGRESSSTATUSSERVICE_H

#include "ovsdkqthost/Export.h"

#include "integration/services/ProgressStatusServiceAbstract.h"

#include <QAbstractButton>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>

namespace orvane {
namespace sdk {
namespace qthost {

// The engine's status line and progress display with Qt widgets.
//
// Implements: ProgressStatusService: the status line as the status bar's
// message (a null text clears it); a progress run shows the progress bar
// (0 to 100) and shows and enables the stop button, updates set the bar's
// value (clamped to 0..100), the finish hides both again.
// Leaves to the application: the widgets (each may be null and is then
// skipped; they are not owned), registering a QtStopButton for the stop
// button, and what a click on it does.
class OVSDKQTHOST_EXPORT QtProgressStatusService : public integration::services::ProgressStatusServiceAbstract
{
public:
    // A service over the three widgets, none owned, each may be null.
    QtProgressStatusService(QStatusBar* statusBar, QProgressBar* progressBar, QAbstractButton* stopButton);

    void setStatusLine(const char* text) override;
    void startProgressMonitor(bool first, bool second) override;
    void finishProgressMonitor() override;
    void updateProgressMonitor(int percentDone) override;

private:
    void showProgress(bool shown);

    QPointer<QStatusBar> m_statusBar;
    QPointer<QProgressBar> m_progressBar;
    QPointer<QAbstractButton> m_stopButton;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTPROGRESSSTATUSSERVICE_H
