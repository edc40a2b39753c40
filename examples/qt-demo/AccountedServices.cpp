#include "AccountedServices.h"

#include "BoundaryAccount.h"

#include <string>

namespace {

std::string textOrNull(const char* text) { return text != nullptr ? "\"" + std::string(text) + "\"" : "(none)"; }

} // namespace

AccountedProgressStatusService::AccountedProgressStatusService(BoundaryAccount& account, QStatusBar* statusBar,
                                                               QProgressBar* progressBar, QAbstractButton* stopButton)
    : QtProgressStatusService(statusBar, progressBar, stopButton), m_account(account)
{
}

void AccountedProgressStatusService::setStatusLine(const char* text)
{
    m_account.toHost("status line", textOrNull(text));
    QtProgressStatusService::setStatusLine(text);
}

void AccountedProgressStatusService::startProgressMonitor(bool first, bool second)
{
    m_account.toHost("progress started", "the progress bar and the Stop button show");
    QtProgressStatusService::startProgressMonitor(first, second);
}

void AccountedProgressStatusService::finishProgressMonitor()
{
    m_account.toHost("progress finished", "the progress bar and the Stop button hide");
    QtProgressStatusService::finishProgressMonitor();
}

void AccountedProgressStatusService::updateProgressMonitor(int percentDone)
{
    m_account.toHost("progress", std::to_string(percentDone) + "%");
    QtProgressStatusService::updateProgressMonitor(percentDone);
}

AccountedRunningCoordsService::AccountedRunningCoordsService(BoundaryAccount& account, QLabel* label)
    : QtRunningCoordsService(label), m_account(account)
{
}

void AccountedRunningCoordsService::showRunningCoordinates(const char* first, const char* second)
{
    m_account.toHost("running coordinates", textOrNull(first) + " " + textOrNull(second));
    QtRunningCoordsService::showRunningCoordinates(first, second);
}

AccountedOffscreenImageService::AccountedOffscreenImageService(BoundaryAccount& account) : m_account(account) {}

orvane::sdk::integration::services::OffscreenImageInterface* AccountedOffscreenImageService::createImage(int width,
                                                                                                         int height)
{
    m_account.toHost("offscreen image created", std::to_string(width) + " x " + std::to_string(height) +
                                            " (an OpenGL framebuffer the engine draws into)");
    return QtOffscreenImageService::createImage(width, height);
}

void AccountedOffscreenImageService::destroyImage(long long imageHandle)
{
    m_account.toHost("offscreen image destroyed", "its rows were read");
    QtOffscreenImageService::destroyImage(imageHandle);
}
