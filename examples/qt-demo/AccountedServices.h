// The kit's services that the engine uses in this demo, telling the account
// each request before they serve it.
#ifndef QT_DEMO_ACCOUNTEDSERVICES_H
#define QT_DEMO_ACCOUNTEDSERVICES_H

#include "ovsdkqthost/QtOffscreenImageService.h"
#include "ovsdkqthost/QtProgressStatusService.h"
#include "ovsdkqthost/QtRunningCoordsService.h"

class BoundaryAccount;

class AccountedProgressStatusService : public orvane::sdk::qthost::QtProgressStatusService
{
public:
    AccountedProgressStatusService(BoundaryAccount& account, QStatusBar* statusBar, QProgressBar* progressBar,
                                   QAbstractButton* stopButton);

    void setStatusLine(const char* text) override;
    void startProgressMonitor(bool first, bool second) override;
    void finishProgressMonitor() override;
    void updateProgressMonitor(int percentDone) override;

private:
    BoundaryAccount& m_account;
};

class AccountedRunningCoordsService : public orvane::sdk::qthost::QtRunningCoordsService
{
public:
    AccountedRunningCoordsService(BoundaryAccount& account, QLabel* label);

    void showRunningCoordinates(const char* first, const char* second) override;

private:
    BoundaryAccount& m_account;
};

class AccountedOffscreenImageService : public orvane::sdk::qthost::QtOffscreenImageService
{
public:
    explicit AccountedOffscreenImageService(BoundaryAccount& account);

    orvane::sdk::integration::services::OffscreenImageInterface* createImage(int width, int height) override;
    void destroyImage(long long imageHandle) override;

private:
    BoundaryAccount& m_account;
};

#endif // QT_DEMO_ACCOUNTEDSERVICES_H
