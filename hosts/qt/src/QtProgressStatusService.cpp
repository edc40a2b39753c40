#include "ovsdkqthost/QtProgressStatusService.h"

#include <algorithm>

namespace orvane {
namespace sdk {
namespace qthost {

QtProgressStatusService::QtProgressStatusService(QStatusBar* statusBar, QProgressBar* progressBar,
                                                 QAbstractButton* stopButton)
    : m_statusBar(statusBar), m_progressBar(progressBar), m_stopButton(stopButton)
{
}

void QtProgressStatusService::setStatusLine(const char* text)
{
    if (m_statusBar == nullptr)
        return;
    if (text == nullptr)
        m_statusBar->clearMessage();
    else
        m_statusBar->showMessage(QString::fromUtf8(text));
}

void QtProgressStatusService::startProgressMonitor(bool, bool)
{
    if (m_progressBar != nullptr)
    {
        m_progressBar->setRange(0, 100);
        m_progressBar->setValue(0);
    }
    showProgress(true);
}

void QtProgressStatusService::finishProgressMonitor() { showProgress(false); }

void QtProgressStatusService::updateProgressMonitor(int percentDone)
{
    if (m_progressBar != nullptr)
        m_progressBar->setValue(std::clamp(percentDone, 0, 100));
}

void QtProgressStatusService::showProgress(bool shown)
{
    if (m_progressBar != nullptr)
        m_progressBar->setVisible(shown);
    if (m_stopButton != nullptr)
    {
        m_stopButton->setEnabled(shown);
        m_stopButton->setVisible(shown);
    }
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
